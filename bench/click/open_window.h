// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shared by the window benchmarks: the real window, opened as the program
// opens it, in this process.

#include <QApplication>
#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "ui/application_look.h"
#include "ui/main_window.h"

namespace cnc::bench {

// The offscreen platform unless QT_QPA_PLATFORM names another; call it before
// the QApplication is made. The offscreen platform warns of a missing
// feature each time a message box opens, which would bury the figures.
inline void preferOffscreen() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static const QtMessageHandler next = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (message != QLatin1String("This plugin does not support propagateSizeHints()")) {
                next(type, context, message);
            }
        });
}

// The window with its look, loaded and shown maximised as main() does, once
// it is on screen.
inline std::unique_ptr<ui::MainWindow> openWindow() {
    ui::applyLook();
    auto window = std::make_unique<ui::MainWindow>();
    window->showMaximized();
    window->activateWindow();
    if (!QTest::qWaitForWindowExposed(window.get())) {
        std::fprintf(stderr, "the window never came on screen\n");
        std::exit(1);
    }
    return window;
}

}  // namespace cnc::bench
