// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shared by the window's tests: the fixture, controls found by their layout
// names, user actions, and a watchdog for modal dialogs.

#include <QLineEdit>
#include <QRadioButton>
#include <QStringList>
#include <QTimer>

#include <memory>
#include <string>

#include "ui/layout/layout_names.h"
#include "ui/main_window.h"

namespace cnc::ui::test {

// The control called `name` ("Text1", "Option2(1)"); a missing one ends the
// run with its name rather than a crash further on.
template <typename T = QWidget>
T* control(QWidget& window, const char* name) {
    T* found = window.findChild<T*>(QString::fromUtf8(name));
    if (!found) qFatal("the window has no %s named %s", T::staticMetaObject.className(), name);
    return found;
}

// The controls that stand for a field or a choice element, found by their
// layout names.
template <typename T = QWidget, typename Identity>
T* control(QWidget& window, Identity identity) {
    return control<T>(window, std::string(layout::layoutName(identity)).c_str());
}

// A left click on an option button's indicator, or in the middle of anything else.
void clickOn(QWidget* widget);

// Clicks into the field, selects all with Ctrl+A and types `text` over it.
void typeInto(QLineEdit* box, const QString& text);

// Closes every modal dialog that opens while it lives and keeps its text, so
// that no message box can block a run. A dialog is closed as soon as it has
// been shown: QMessageBox::exec() runs an event loop of its own, which runs
// the close queued at the show. A timer also polls, for a dialog that was
// already open when the watchdog was made.
class ModalWatchdog : public QObject {
public:
    ModalWatchdog();
    ~ModalWatchdog() override;
    QStringList takeClosed();  // the texts closed since the last call

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void closeModal();

    QTimer timer_;
    QStringList closed_;
};

// The fixture: each test function gets a fresh window as the program starts
// it, shown and active, and a watchdog; a dialog the test did not take from
// the watchdog fails it.
class WindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

protected:
    QLineEdit* box(const char* name) { return control<QLineEdit>(*window_, name); }
    QRadioButton* option(const char* name) { return control<QRadioButton>(*window_, name); }
    QString textOf(const char* name) { return box(name)->text(); }
    void calcola() { clickOn(control(*window_, "Command1")); }

    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<ModalWatchdog> watchdog_;
};

}  // namespace cnc::ui::test
