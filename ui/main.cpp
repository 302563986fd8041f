// SPDX-License-Identifier: GPL-3.0-or-later
// cnc-axis-calc: the window. The program has no start of its own beyond its
// window: built from its layout and loaded, shown maximised, then it waits for
// the user until "Fine lavoro" or the window is closed. With "--banco"
// (--bench) it opens the workbench instead, filled in from the options that
// follow; with "--macchina FILE" (--machine) the machine, with the file's. Its
// own messages, the workbench and the machine speak the user's language; the
// window, Italian.

#include <QApplication>

#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>

#include "calc/translation.h"
#include "calc/user_language.h"
#include "ui/application_look.h"
#include "ui/machine_window.h"
#include "ui/main_window.h"
#include "ui/workbench_arguments.h"
#include "ui/workbench_window.h"
#include "version_notice.h"

namespace {

using cnc::_;

constexpr std::string_view kUseTheCommandLine =
    cnc::N_("cnc-axis-calc-cli fa lo stesso calcolo dalla riga di comando");

bool hasArgument(int argc, char* argv[], std::string_view wanted) {
    for (int i = 1; i < argc; ++i) {
        if (argv[i] == wanted) return true;
    }
    return false;
}

// On X11 and Wayland desktops Qt needs DISPLAY or WAYLAND_DISPLAY (or a
// socket handed over in WAYLAND_SOCKET) unless a platform or a display is
// given on the command line, and without one it aborts with a core dump. A
// platform chosen explicitly (QT_QPA_PLATFORM, -platform), offscreen
// included, is always left to Qt. Windows and macOS always have a display.
bool noDisplayToOpen(int argc, char* argv[]) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) return false;
    for (const std::string_view option : {"-platform", "--platform", "-display", "--display"}) {
        if (hasArgument(argc, argv, option)) return false;
    }
    return qEnvironmentVariableIsEmpty("DISPLAY") &&
           qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
           qEnvironmentVariableIsEmpty("WAYLAND_SOCKET");
#else
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    return false;
#endif
}

// While the application object starts its platform, Qt's fatal message (a
// display that does not answer, a platform plugin that cannot load) would end
// in an abort and a core dump: after Qt's own words, point to the command
// line and exit with status 1 instead.
QtMessageHandler qtHandler = nullptr;

void exitOnPlatformFailure(QtMsgType type, const QMessageLogContext& context,
                           const QString& message) {
    qtHandler(type, context, message);
    if (type == QtFatalMsg) {
        std::cerr << "cnc-axis-calc: " << _(kUseTheCommandLine) << ".\n";
        std::_Exit(1);
    }
}

// The workbench as asked for; an argument it cannot take ends the program
// with status 2 before any window opens.
int openWorkbench(const cnc::ui::WorkbenchRequest& request) {
    if (!request.unusable.isEmpty()) {
        // TRANSLATORS: {0} is an argument after --banco that the workbench does not take
        const std::string message = _("argomento non valido per il banco dell'asse: «{0}».");
        std::cerr << "cnc-axis-calc: " << cnc::filled(message, {request.unusable.toStdString()})
                  << '\n';
        return 2;
    }
    cnc::ui::WorkbenchWindow workbench(request.entries);
    workbench.show();
    return QApplication::exec();
}

// The index of "--macchina" or "--machine" in `arguments`, or -1.
qsizetype machineAsked(const QStringList& arguments) {
    for (const QString& option : {QStringLiteral("--macchina"), QStringLiteral("--machine")}) {
        if (const qsizetype at = arguments.indexOf(option); at > 0) return at;
    }
    return -1;
}

// The machine, with the machine of the file after the option if there is
// one; a file that is no machine is said in the window, which opens a new
// machine. More than one argument after it ends the program with status 2.
int openMachine(const QStringList& arguments, qsizetype at) {
    if (arguments.size() > at + 2) {
        // TRANSLATORS: {0} is an argument after --macchina FILE, which takes one file alone
        const std::string message = _("argomento non valido per la macchina: «{0}».");
        std::cerr << "cnc-axis-calc: " << cnc::filled(message, {arguments[at + 2].toStdString()})
                  << '\n';
        return 2;
    }
    cnc::ui::MachineWindow machine;
    if (arguments.size() == at + 2) machine.openFile(arguments[at + 1]);
    machine.show();
    return QApplication::exec();
}

}  // namespace

int main(int argc, char* argv[]) {
    cnc::useTheEnvironmentsLanguage();
    if (hasArgument(argc, argv, "--version")) {
        std::cout << "cnc-axis-calc" << cnc::kVersionNotice;
        return 0;
    }
    if (noDisplayToOpen(argc, argv)) {
        // TRANSLATORS: {0} is the sentence that points to cnc-axis-calc-cli
        const std::string message = _("nessun display trovato (né X11 né Wayland); {0}.");
        std::cerr << "cnc-axis-calc: " << cnc::filled(message, {_(kUseTheCommandLine)}) << '\n';
        return 1;
    }

    qtHandler = qInstallMessageHandler(exitOnPlatformFailure);
    QApplication app(argc, argv);
    qInstallMessageHandler(qtHandler);
    const cnc::ui::WorkbenchRequest workbench = cnc::ui::workbenchRequest(QApplication::arguments());
    // The name of the installed desktop entry (Wayland) and the application
    // name (X11's WM_CLASS) of the window opened, so that desktops match it
    // to its own menu entry, the window's or the workbench's.
    QApplication::setApplicationName(workbench.asked ? QStringLiteral("cnc-axis-calc-banco")
                                                     : QStringLiteral("cnc-axis-calc"));
    QApplication::setDesktopFileName(workbench.asked ? QStringLiteral(CNC_WORKBENCH_ID)
                                                     : QStringLiteral(CNC_APP_ID));
    if (workbench.asked) {
        cnc::ui::applyDesktopLook();
        return openWorkbench(workbench);
    }
    if (const qsizetype at = machineAsked(QApplication::arguments()); at > 0) {
        cnc::ui::applyDesktopLook();
        return openMachine(QApplication::arguments(), at);
    }
    cnc::ui::applyLook();
    // The classic window is the program's original design and stays Italian,
    // its calculation's messages too: no catalogue from here on.
    cnc::useCatalogue({});
    cnc::ui::MainWindow window;
    window.showMaximized();
    return QApplication::exec();
}
