// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The workbench ("Banco dell'asse") as a window: the drive's form
// (drive_form.h) beside its results, answered at every change of an input,
// typed or set by assistive technology, an automation tool or code. It is
// only a view: what is shown, what an input means and every answer come from
// workbench/.
//
// Object names, for tests and tools: the form's (drive_form.h), result n of
// workbench::resultLabels() "banco-risultato-<n>", the firmware lines
// "banco-righe-firmware", their button "banco-copia" and the errors of no
// input "banco-errore-generale".

#include <QWidget>

#include "workbench/workbench.h"

namespace cnc::ui {

class DriveForm;
class WorkbenchResults;

class WorkbenchWindow : public QWidget {
public:
    // The window showing `entries`, already answered.
    explicit WorkbenchWindow(workbench::Entries entries = workbench::initialEntries(),
                             QWidget* parent = nullptr);

private:
    // Entries -> answers -> results and errors.
    void refresh();

    DriveForm* form_;
    WorkbenchResults* results_;
};

}  // namespace cnc::ui
