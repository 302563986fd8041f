#pragma once
// The program's one window, `main`: every entry, choice and result, the belt
// drawing, and the handlers of the four events that run code. Controls carry
// their layout names as object names ("Text1", "Option2(1)", "Label2(0)").

#include <QGroupBox>
#include <QWidget>

#include "ui/widget_form.h"

namespace cnc {
class CalcError;
}

namespace cnc::ui {

class MainWindow : public QWidget {
public:
    // Builds the window from its layout and loads it (Form_Load), as the
    // program's start does before showing it.
    explicit MainWindow(QWidget* parent = nullptr);

    // Load of the window: sets the program-wide belt pitch.
    void Form_Load();
    // "calcola": the stepping resolution, then the belt centre distance.
    void Command1_Click();
    // A change of coupling: shows the belt group and the belt-type group
    // exactly when the belt coupling is selected, whichever element `index`
    // is.
    void Option2_Click(int index);
    // "Fine lavoro": ends the program at once.
    void Command2_Click();

private:
    void buildLayout();
    void reportCalcError(const CalcError& error);

    TextBoxes texts_{};
    OptionPair stepping_{};               // Option1
    OptionPair coupling_{};               // Option2
    QGroupBox* beltGroup_ = nullptr;      // Frame4
    QGroupBox* beltTypeGroup_ = nullptr;  // Frame5
    WidgetForm form_{texts_, stepping_, coupling_};
};

}  // namespace cnc::ui
