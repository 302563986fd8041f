// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The machine ("Macchina") as a window: its firmware and name, its axes in
// tabs, each the workbench's drive form (drive_form.h) beside the axis's
// results, and the block of lines for the whole machine with «Copia». Axes
// are added by letter, empty or as the one shown, and removed; the machine
// file is opened and saved through the file menu, which keeps the files
// used last. Its colours are the palette's, as the workbench's
// (workbench_look.h). A file that is no machine leaves the window as it was and says
// why in one line; a change not saved is asked about before a file opened
// or the window closed would lose it. It is only a view: every answer comes
// from workbench/machine.h.
//
// Object names, for tests and tools: the firmware "macchina-firmware", the
// name "macchina-nome", the tabs "macchina-assi", the new axis's letter
// "macchina-lettera", the commands "macchina-aggiungi", "macchina-duplica",
// "macchina-rimuovi", the line of a file's problem "macchina-file"; in each
// tab, the form's and the results' names (drive_form.h, workbench_window.h);
// the block's results "macchina-righe".

#include <QMainWindow>
#include <QString>

#include <vector>

#include "workbench/machine.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabWidget;

namespace cnc::ui {

class DriveForm;
class WorkbenchResults;

class MachineWindow : public QMainWindow {
public:
    explicit MachineWindow(workbench::MachineState machine = workbench::newMachine(),
                           QWidget* parent = nullptr);

    // Shows the machine of the file at `path`, or leaves the window as it was
    // and says why; false then. Asks nothing.
    bool openFile(const QString& path);
    // Writes the machine to `path`, whole or not at all; false, and says so,
    // when it cannot.
    bool saveFile(const QString& path);
    const workbench::MachineState& machine() const { return machine_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct AxisTab {
        DriveForm* form;
        WorkbenchResults* results;
    };

    QWidget* buildMachineInputs();
    QWidget* buildAxisCommands();
    void buildMenu();
    // The machine's axes as tabs, after a change of axes; the tab of `letter` shown.
    void showAxes(char letter);
    void refresh();
    void axisEdited(std::size_t index);
    void addAxis(bool likeShown);
    void removeAxis();
    void openChosen();
    bool save();
    bool saveAs();
    // Whether the change not saved may go: saved, or let go; false to stay.
    bool changesMayGo();
    void remember(const QString& path);
    void showRecentFiles();
    void showTitle();

    workbench::MachineState machine_;
    workbench::MachineState saved_;  // as the file holds it, or as the window opened
    QString file_;
    QComboBox* firmware_;
    QLineEdit* name_;
    QTabWidget* axes_;
    std::vector<AxisTab> tabs_;
    QComboBox* letters_;
    QPushButton* add_;
    QPushButton* duplicate_;
    QPushButton* remove_;
    WorkbenchResults* block_;
    QLabel* fileProblem_;
    QMenu* recentFiles_ = nullptr;
};

}  // namespace cnc::ui
