// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/workbench_window.h"

#include <QHBoxLayout>
#include <QLocale>
#include <QScrollArea>
#include <QVBoxLayout>

#include "ui/drive_form.h"
#include "ui/qt_text.h"
#include "ui/workbench_results.h"

namespace cnc::ui {
namespace {

std::string utf8(const QString& text) { return text.toUtf8().toStdString(); }

}  // namespace

WorkbenchWindow::WorkbenchWindow(workbench::Entries entries, QWidget* parent)
    : QWidget(parent), form_(new DriveForm(std::move(entries))), results_(new WorkbenchResults) {
    setWindowTitle(qText(workbench::kTitle));
    auto* columns = new QWidget;
    auto* layout = new QHBoxLayout(columns);
    layout->addWidget(form_, 3, Qt::AlignTop);
    layout->addWidget(results_, 2, Qt::AlignTop);
    auto* scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(columns);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    // The scroll area takes any size, so the window needs no minimum size of
    // its own, which its layout would otherwise send to the desktop again
    // each time an answer shows or hides a row.
    outer->setSizeConstraint(QLayout::SetNoConstraint);
    outer->addWidget(scroll);
    resize(1000, 760);
    form_->onChange([this] { refresh(); });
    refresh();
}

void WorkbenchWindow::refresh() {
    const QLocale locale;
    const workbench::Evaluation evaluation =
        workbench::evaluate(workbench::stateOf(form_->entries()), utf8(locale.decimalPoint()),
                            utf8(locale.groupSeparator()));
    results_->show(evaluation, form_->showErrors(evaluation.errors));
}

}  // namespace cnc::ui
