// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The workbench's form of a drive: workbench::inputs() rendered section by
// section, with the common drives, each input shown while the entries show
// it and marked with the errors that belong to it. The workbench's window
// shows one; the machine's window one for each axis, with only the inputs
// of an axis. It is only a view: what is shown and what an input means come
// from workbench/.
//
// Object names, for tests and tools: each input "banco-<key>" (a QLineEdit
// or a QComboBox), its error "banco-errore-<key>", the common drives
// "banco-viti-comuni".

#include <QStringList>
#include <QWidget>

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "workbench/workbench.h"

class QComboBox;
class QGroupBox;
class QLabel;

namespace cnc::ui {

class DriveForm : public QWidget {
public:
    // The inputs for which `wanted` holds, showing `entries`.
    explicit DriveForm(
        workbench::Entries entries = workbench::initialEntries(),
        const std::function<bool(const workbench::Input&)>& wanted =
            [](const auto&) { return true; },
        QWidget* parent = nullptr);

    const workbench::Entries& entries() const { return entries_; }
    // Shows `entries` in place of the form's own.
    void showEntries(workbench::Entries entries);
    // `changed` is called at every change of the entries, typed, chosen or
    // set through the accessibility interface, but not for showEntries().
    void onChange(std::function<void()> changed) { changed_ = std::move(changed); }

    // Marks each shown input with the messages of `errors` that belong to it,
    // and gives the messages of no shown input, one an item.
    QStringList showErrors(std::span<const workbench::Error> errors);

private:
    // One input of workbench::inputs() and its widgets.
    struct InputRow {
        const workbench::Input* input;
        QGroupBox* section;
        QWidget* field;  // QLineEdit (Text) or QComboBox (Choice)
        QLabel* caption;
        QLabel* error;
    };

    void addInput(const workbench::Input& input, QGroupBox* box);
    QGroupBox* buildSection(std::string_view section);
    void addCommonDrives(QGroupBox* box);

    // Widgets -> entries, and back.
    void readEntries();
    void putEntries();
    void chooseDrive(int index);
    void changed();
    // What the entries show.
    void showShown();
    void showLabel(const InputRow& row, bool inches);
    const InputRow* rowOfError(std::span<const std::string> options) const;

    workbench::Entries entries_;
    std::vector<InputRow> rows_;
    std::vector<QGroupBox*> sections_;
    QLabel* drivesCaption_ = nullptr;
    QComboBox* drives_ = nullptr;
    std::function<void()> changed_;
};

}  // namespace cnc::ui
