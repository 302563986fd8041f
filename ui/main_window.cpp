// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window.h"

#include <QCoreApplication>
#include <QLocale>
#include <QMessageBox>

#include "calc/calc_error.h"

namespace cnc::ui {

MainWindow::MainWindow(QWidget* parent) : QWidget(parent) { buildLayout(); }

void MainWindow::calculate() {
    // The separator is the user's at the moment of the click, for reading the
    // entries and for writing the results alike.
    const std::string separator = QLocale().decimalPoint().toStdString();
    const std::string group = QLocale().groupSeparator().toStdString();
    try {
        calculateWithoutStaleResults(form_, separator, group, kBeltPitch);
    } catch (const CalcError& error) {
        reportCalcError(error);
    }
}

void MainWindow::showBeltGroups() {
    for (CouplingGroup& group : couplingGroups_) {
        const bool shown = form_.isSelected(group.shownWith);
        if (shown && !group.complete) completeGroup(group);
        group.frame->setVisible(shown);
    }
}

void MainWindow::quit() { QCoreApplication::exit(0); }

// A failed click ends where the error was raised: results written before it
// keep their new text, the others have been emptied. The program goes on (ending
// it would throw away everything typed over one typo) and puts the user back
// in the field at fault when it is an entry they can see; a field inside the
// hidden belt group cannot take the focus, and the message names it.
void MainWindow::reportCalcError(const CalcError& error) {
    QMessageBox::warning(this, QStringLiteral("Errore di calcolo"),
                         QString::fromUtf8(error.what()));
    const auto field = error.field();
    if (!field) return;
    QLineEdit& entry = *texts_.at(static_cast<std::size_t>(*field));
    if (entry.isVisible() && !entry.isReadOnly()) {
        entry.setFocus(Qt::OtherFocusReason);
        entry.selectAll();
    }
}

}  // namespace cnc::ui
