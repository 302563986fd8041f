// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The workbench ("Banco dell'asse") as a window: workbench::inputs() rendered
// section by section, answered at every change of an input, typed or set by
// assistive technology, an automation tool or code. It is only a view: what is
// shown, what an input means and every answer come from workbench/.
//
// The inputs scroll in a column of their own; beside them the drive's
// diagram and the results stay in view, in a column that scrolls only when
// taller than the window. In a window too narrow for both side by side the
// results go under the inputs, each part scrolling on its own. Its colours
// are the palette's (workbench_look.h), dark included.
//
// Object names, for tests and tools: each input "banco-<key>" (a QLineEdit or
// a QComboBox), its error "banco-errore-<key>", the common screws
// "banco-viti-comuni", the drive's diagram "banco-schema", the results' box
// "banco-risultati", result n of workbench::resultLabels()
// "banco-risultato-<n>", the firmware lines "banco-righe-firmware", their
// button "banco-copia", the errors of no input "banco-errore-generale", and
// the two scrolling columns "banco-ingressi" and "banco-risposte".

#include <QWidget>

#include <span>
#include <string>
#include <vector>

#include "workbench/workbench.h"

class QBoxLayout;
class QComboBox;
class QGroupBox;
class QLabel;

namespace cnc::ui {

class DriveDiagramView;
class WorkbenchResults;

class WorkbenchWindow : public QWidget {
public:
    // The window showing `entries`, already answered.
    explicit WorkbenchWindow(workbench::Entries entries = workbench::initialEntries(),
                             QWidget* parent = nullptr);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // One input of workbench::inputs() and its widgets.
    struct InputRow {
        const workbench::Input* input;
        QGroupBox* section;
        QWidget* field;  // QLineEdit (Text) or QComboBox (Choice)
        QLabel* caption;
        QLabel* error;
    };

    QWidget* buildInputs();
    QWidget* buildAnswers();
    // Side by side, or the answers under the inputs in a narrow window.
    void arrangeColumns();
    QGroupBox* buildSection(std::string_view section);
    void addInput(const workbench::Input& input, QGroupBox* box);
    void addCommonScrews(QGroupBox* box);

    // Widgets -> entries, and back after a common screw was chosen.
    void readEntries();
    void showEntries();
    void chooseScrew(int index);
    // Entries -> answers -> results, errors and what is shown.
    void refresh();
    void showAnswers(const workbench::Evaluation& evaluation);
    void showLabel(const InputRow& row, bool inches);
    const InputRow* rowOfError(std::span<const std::string> options) const;

    workbench::Entries entries_;
    std::vector<InputRow> rows_;
    std::vector<QGroupBox*> sections_;
    QLabel* screwsCaption_ = nullptr;
    QComboBox* screws_ = nullptr;
    QBoxLayout* columns_ = nullptr;
    DriveDiagramView* diagram_ = nullptr;
    WorkbenchResults* results_ = nullptr;
};

}  // namespace cnc::ui
