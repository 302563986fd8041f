// cnc-axis-calc: the window. The program has no start of its own beyond its
// window: built from its layout and loaded, shown maximised, then it waits for
// the user until "Fine lavoro" or the window is closed.

#include <QApplication>

#include "ui/application_look.h"
#include "ui/main_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("cnc-axis-calc"));
    // The name of the installed desktop entry, so that desktops match the
    // window to its menu entry and icon.
    QApplication::setDesktopFileName(QStringLiteral(CNC_APP_ID));
    cnc::ui::applyLook();

    cnc::ui::MainWindow window;
    window.showMaximized();
    return QApplication::exec();
}
