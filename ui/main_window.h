// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's one window, `main`: every entry, choice and result, the belt
// drawing, and what its buttons and the coupling choice do. It is built from
// the layout table (ui/layout/window_layout.h); controls carry their layout
// names as object names (ui/layout/layout_names.h).

#include <QLineEdit>
#include <QWidget>

#include <functional>
#include <map>
#include <string_view>
#include <vector>

#include "calc/drive_calculation.h"
#include "ui/layout/window_layout.h"
#include "ui/widget_form.h"

namespace cnc {
class CalcError;
}

namespace cnc::ui {

class MainWindow : public QWidget {
public:
    // Builds the window from its layout, ready to be shown.
    explicit MainWindow(QWidget* parent = nullptr);

    // "calcola": the stepping resolution, then the belt centre distance.
    void calculate();
    // Shows the belt groups exactly while the belt coupling is selected.
    void showBeltGroups();
    // "Fine lavoro": ends the program at once.
    void quit();

private:
    // The belt pitch the centre distance is computed with, mm. The belt-type
    // options of the window do not change it.
    static constexpr double kBeltPitch = kXlBeltPitch;

    // A frame that follows the coupling choice: shown exactly while
    // `shownWith` is selected, and complete once what it holds is all built.
    struct CouplingGroup {
        Coupling shownWith;
        QWidget* frame;
        bool complete;
    };

    static bool buildsWhenShown(const layout::Control& control);
    static const layout::Control& layoutControl(std::string_view name);

    void buildLayout();
    void buildControls(const std::function<bool(const layout::Control&)>& wanted);
    void completeGroup(CouplingGroup& group);
    QWidget* addControl(const layout::Control& control, QWidget* container);
    void keep(const layout::Control& control, QWidget* widget);
    QWidget* orderTabs();
    void reportCalcError(const CalcError& error);

    TextBoxes texts_{};
    OptionPair stepping_{};
    OptionPair coupling_{};
    std::vector<CouplingGroup> couplingGroups_;
    // Every control built so far, by its layout name (the table's own text).
    std::map<std::string_view, QWidget*> built_;
    WidgetForm form_{texts_, stepping_, coupling_};
};

}  // namespace cnc::ui
