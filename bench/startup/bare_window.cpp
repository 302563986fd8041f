// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for the program's start-up: the least a Qt Widgets program
// can show, one label in a maximised window, built with the same flags.

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Calcolo asse CNC"));
    label.showMaximized();
    return QApplication::exec();
}
