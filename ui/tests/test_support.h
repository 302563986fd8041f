#pragma once
// What the window's tests share: finding controls by their layout names,
// acting on them as a user does (mouse and keys), a guard against a machine
// without fonts, and a watchdog that keeps modal dialogs from blocking a run.

#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <memory>

#include "ui/main_window.h"

namespace cnc::ui::test {

// The control called `name` ("Text1", "Option2(1)"); a missing one ends the
// run with its name, since every later step would only crash on it.
template <typename T = QWidget>
T* control(QWidget& window, const char* name) {
    T* found = window.findChild<T*>(QString::fromUtf8(name));
    if (!found) qFatal("the window has no %s named %s", T::staticMetaObject.className(), name);
    return found;
}

// A left click where a user would click: on the indicator of an option
// button, in the middle of anything else.
void clickOn(QWidget* widget);

// Clicks into the field, selects its text with Ctrl+A and types `text` over
// it (Backspace when `text` is empty).
void typeInto(QLineEdit* box, const QString& text);

// The window as the program starts it, shown and active.
std::unique_ptr<MainWindow> openWindow();

// Why the fonts cannot be trusted, or an empty text when they can: without
// fonts Qt draws every glyph as a box, and checks on captions and pixels
// could pass on boxes.
QString fontProblem();

// Closes every modal dialog that opens while it lives and keeps its text,
// so that a message box can never block a test: the test asserts on what was
// shown instead. It polls, because QMessageBox::exec() runs an event loop of
// its own, in which the timer goes on firing.
class ModalWatchdog {
public:
    ModalWatchdog();

    // The texts of the dialogs closed since the last call.
    QStringList takeClosed();

private:
    void closeActiveModal();

    QTimer timer_;
    QStringList closed_;
};

}  // namespace cnc::ui::test
