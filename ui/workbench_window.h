// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The workbench ("Banco dell'asse") as a window: the drive's form
// (drive_form.h) beside its diagram and results, answered at every change of
// an input, typed or set by assistive technology, an automation tool or code.
// It is only a view: what is shown, what an input means and every answer come
// from workbench/.
//
// The inputs scroll in a column of their own; beside them the drive's
// diagram and the results stay in view, in a column that scrolls only when
// taller than the window. In a window too narrow for both side by side the
// results go under the inputs, each part scrolling on its own. Its colours
// are the palette's (workbench_look.h), dark included.
//
// Object names, for tests and tools: the form's (drive_form.h), the drive's
// diagram "banco-schema", the results' box "banco-risultati", result n of
// workbench::resultLabels() "banco-risultato-<n>", the firmware lines
// "banco-righe-firmware", their button "banco-copia", the errors of no input
// "banco-errore-generale", and the two scrolling columns "banco-ingressi"
// and "banco-risposte".

#include <QWidget>

#include "workbench/workbench.h"

class QBoxLayout;

namespace cnc::ui {

class DriveDiagramView;
class DriveForm;
class WorkbenchResults;

class WorkbenchWindow : public QWidget {
public:
    explicit WorkbenchWindow(workbench::Entries entries = workbench::initialEntries(),
                             QWidget* parent = nullptr);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QWidget* buildInputs();
    QWidget* buildAnswers();
    // Side by side, or the answers under the inputs in a narrow window.
    void arrangeColumns();
    // Entries -> answers -> results, errors and the diagram.
    void refresh();

    DriveForm* form_;
    DriveDiagramView* diagram_;
    WorkbenchResults* results_;
    QBoxLayout* columns_ = nullptr;
};

}  // namespace cnc::ui
