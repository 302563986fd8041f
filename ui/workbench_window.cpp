// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/workbench_window.h"

#include <QBoxLayout>
#include <QEvent>
#include <QLocale>
#include <QScrollArea>

#include "ui/drive_diagram_view.h"
#include "ui/drive_form.h"
#include "ui/qt_text.h"
#include "ui/workbench_look.h"
#include "ui/workbench_results.h"
#include "workbench/drive_diagram.h"

namespace cnc::ui {
namespace {

std::string utf8(const QString& text) { return text.toUtf8().toStdString(); }

// `content` in a scroll area of its own, which scrolls up and down as it needs
// to and sideways only when the content cannot be narrower.
QScrollArea* scrolling(QWidget* content, const QString& objectName) {
    auto* area = new QScrollArea;
    area->setObjectName(objectName);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidget(content);
    return area;
}

// Narrower than this many average characters, the answers go under the
// inputs: about the width at which both columns still show their longest
// captions and numbers side by side.
constexpr int kSideBySideCharacters = 100;

}  // namespace

WorkbenchWindow::WorkbenchWindow(workbench::Entries entries, QWidget* parent)
    : QWidget(parent),
      form_(new DriveForm(std::move(entries))),
      diagram_(new DriveDiagramView),
      results_(new WorkbenchResults) {
    setWindowTitle(qText(_(workbench::kTitle)));
    columns_ = new QBoxLayout(QBoxLayout::LeftToRight, this);
    columns_->setContentsMargins(0, 0, 0, 0);
    columns_->setSpacing(0);
    // The scroll areas take any size, so the window needs no minimum size of
    // its own, which its layout would otherwise send to the desktop again
    // each time an answer shows or hides a row.
    columns_->setSizeConstraint(QLayout::SetNoConstraint);
    columns_->addWidget(scrolling(buildInputs(), QStringLiteral("banco-ingressi")), 3);
    columns_->addWidget(scrolling(buildAnswers(), QStringLiteral("banco-risposte")), 2);
    resize(1000, 760);
    form_->onChange([this] { refresh(); });
    refresh();
    colourLegibly(*this);
}

QWidget* WorkbenchWindow::buildInputs() {
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->addWidget(form_);
    layout->addStretch();
    return column;
}

QWidget* WorkbenchWindow::buildAnswers() {
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    diagram_->setObjectName(QStringLiteral("banco-schema"));
    results_->setObjectName(QStringLiteral("banco-risultati"));
    layout->addWidget(diagram_);
    layout->addWidget(results_);
    layout->addStretch();
    return column;
}

void WorkbenchWindow::arrangeColumns() {
    const bool narrow = width() < kSideBySideCharacters * fontMetrics().averageCharWidth();
    columns_->setDirection(narrow ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight);
}

void WorkbenchWindow::resizeEvent(QResizeEvent* event) {
    arrangeColumns();
    QWidget::resizeEvent(event);
}

void WorkbenchWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) colourLegibly(*this);
    QWidget::changeEvent(event);
}

void WorkbenchWindow::refresh() {
    const QLocale locale;
    const std::string decimalSeparator = utf8(locale.decimalPoint());
    const workbench::State state = workbench::stateOf(form_->entries());
    const workbench::Evaluation evaluation =
        workbench::evaluate(state, decimalSeparator, utf8(locale.groupSeparator()));
    results_->show(evaluation, form_->showErrors(evaluation.errors));
    diagram_->setDiagram(workbench::driveDiagram(state, evaluation, decimalSeparator),
                         workbench::driveDescription(state, evaluation, decimalSeparator));
}

}  // namespace cnc::ui
