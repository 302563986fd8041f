// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The workbench ("Banco dell'asse") as a window: workbench::inputs() rendered
// section by section, answered at every change of an input, typed or set by
// assistive technology, an automation tool or code. It is only a view: what is
// shown, what an input means and every answer come from workbench/.
//
// Object names, for tests and tools: each input "banco-<key>" (a QLineEdit or
// a QComboBox), its error "banco-errore-<key>", the common screws
// "banco-viti-comuni", result n of workbench::resultLabels()
// "banco-risultato-<n>", the firmware lines "banco-righe-firmware", their
// button "banco-copia" and the errors of no input "banco-errore-generale".

#include <QWidget>

#include <span>
#include <string>
#include <vector>

#include "workbench/workbench.h"

class QComboBox;
class QGroupBox;
class QLabel;

namespace cnc::ui {

class WorkbenchResults;

class WorkbenchWindow : public QWidget {
public:
    // The window showing `entries`, already answered.
    explicit WorkbenchWindow(workbench::Entries entries = workbench::initialEntries(),
                             QWidget* parent = nullptr);

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
    QGroupBox* buildSection(std::string_view section);
    void addInput(const workbench::Input& input, QGroupBox* box);
    void addCommonDrives(QGroupBox* box);

    // Widgets -> entries, and back after a common drive was chosen.
    void readEntries();
    void showEntries();
    void chooseDrive(int index);
    // Entries -> answers -> results, errors and what is shown.
    void refresh();
    void showAnswers(const workbench::Evaluation& evaluation);
    const InputRow* rowOfError(std::span<const std::string> options) const;

    workbench::Entries entries_;
    std::vector<InputRow> rows_;
    std::vector<QGroupBox*> sections_;
    QLabel* screwsCaption_ = nullptr;
    QComboBox* screws_ = nullptr;
    WorkbenchResults* results_ = nullptr;
};

}  // namespace cnc::ui
