// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/workbench_window.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

#include "calc/translation.h"

#include "ui/accessible_input.h"
#include "ui/drive_diagram_view.h"
#include "ui/qt_text.h"
#include "ui/workbench_look.h"
#include "ui/workbench_results.h"
#include "workbench/drive_diagram.h"

namespace cnc::ui {
namespace {

using workbench::Input;
using workbench::InputKind;

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
      entries_(std::move(entries)),
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
    showEntries();
    refresh();
    colourLegibly(*this);
}

QWidget* WorkbenchWindow::buildInputs() {
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    for (const Input& input : workbench::inputs()) {
        const auto section = std::ranges::find_if(sections_, [&](const QGroupBox* box) {
            return box->title() == qText(_(input.section));
        });
        QGroupBox* box = section == sections_.end() ? nullptr : *section;
        if (!box) {
            box = buildSection(input.section);
            layout->addWidget(box);
        }
        addInput(input, box);
    }
    layout->addStretch();
    // One caption column for every section, so that the fields line up.
    int widest = 0;
    for (const InputRow& row : rows_) widest = std::max(widest, row.caption->sizeHint().width());
    for (QGroupBox* box : sections_) {
        static_cast<QGridLayout*>(box->layout())->setColumnMinimumWidth(0, widest);
    }
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

QGroupBox* WorkbenchWindow::buildSection(std::string_view section) {
    auto* box = new QGroupBox(qText(_(section)));
    auto* grid = new QGridLayout(box);
    grid->setColumnStretch(1, 1);
    sections_.push_back(box);
    // The common screws fill the screw's inputs: they head the screw's section.
    const Input* starts = workbench::inputNamed(workbench::kScrewStartsKey);
    if (starts && starts->section == section) addCommonScrews(box);
    return box;
}

void WorkbenchWindow::addInput(const Input& input, QGroupBox* box) {
    const QString key = qText(input.key);
    QWidget* field = nullptr;
    if (input.kind == InputKind::Text) {
        auto* edit = accessibleInput(new QLineEdit);
        // Empty is the command line's default, which the placeholder shows.
        edit->setPlaceholderText(qText(_(input.placeholder)));
        // Every change of the text, however it came (typed, pasted, undone,
        // set through the accessibility interface); the window's own fills
        // (showEntries) block the signal.
        QObject::connect(edit, &QLineEdit::textChanged, this, [this] {
            readEntries();
            refresh();
        });
        field = edit;
    } else {
        auto* combo = accessibleInput(new QComboBox);
        for (const workbench::Alternative& alternative : input.alternatives) {
            combo->addItem(qText(_(alternative.label)));
        }
        QObject::connect(combo, &QComboBox::currentIndexChanged, this, [this] {
            readEntries();
            refresh();
        });
        field = combo;
    }
    field->setObjectName(QStringLiteral("banco-") + key);
    field->setAccessibleName(qText(_(input.label)));
    field->setAccessibleDescription(qText(_(input.description)));
    field->setToolTip(qText(_(input.description)));
    auto* caption = new QLabel(qText(_(input.label)));
    caption->setBuddy(field);
    QLabel* error = errorLabel(QStringLiteral("banco-errore-") + key);
    auto* grid = static_cast<QGridLayout*>(box->layout());
    const int row = grid->rowCount();
    grid->addWidget(caption, row, 0);
    grid->addWidget(field, row, 1);
    grid->addWidget(error, row + 1, 1);
    rows_.push_back({&input, box, field, caption, error});
}

void WorkbenchWindow::addCommonScrews(QGroupBox* box) {
    screws_ = accessibleInput(new QComboBox);
    screws_->setObjectName(QStringLiteral("banco-viti-comuni"));
    screws_->addItem(qText(_(workbench::kOtherScrewLabel)));
    for (const workbench::CommonScrew& screw : workbench::commonScrews()) {
        screws_->addItem(qText(_(screw.label)));
    }
    const QString label = qText(_(workbench::kCommonScrewsLabel));
    screws_->setAccessibleName(label);
    screws_->setAccessibleDescription(qText(_(workbench::kCommonScrewsDescription)));
    QObject::connect(screws_, &QComboBox::currentIndexChanged, this,
                     [this](int index) { chooseScrew(index); });
    screwsCaption_ = new QLabel(label);
    screwsCaption_->setBuddy(screws_);
    auto* grid = static_cast<QGridLayout*>(box->layout());
    grid->addWidget(screwsCaption_, 0, 0);
    grid->addWidget(screws_, 0, 1);
}

void WorkbenchWindow::readEntries() {
    for (const InputRow& row : rows_) {
        if (const auto* edit = qobject_cast<QLineEdit*>(row.field)) {
            entries_.setText(row.input->key, utf8(edit->text()));
        } else if (const auto* combo = qobject_cast<QComboBox*>(row.field)) {
            entries_.choose(row.input->key, static_cast<std::size_t>(std::max(0, combo->currentIndex())));
        }
    }
}

void WorkbenchWindow::showEntries() {
    for (const InputRow& row : rows_) {
        const QSignalBlocker quiet(row.field);
        if (auto* edit = qobject_cast<QLineEdit*>(row.field)) {
            edit->setText(qText(entries_.text(row.input->key)));
        } else if (auto* combo = qobject_cast<QComboBox*>(row.field)) {
            combo->setCurrentIndex(static_cast<int>(entries_.choice(row.input->key)));
        }
    }
}

// "Altra vite" (0) leaves the entries as they are.
void WorkbenchWindow::chooseScrew(int index) {
    const auto screws = workbench::commonScrews();
    if (index < 1 || static_cast<std::size_t>(index) > screws.size()) return;
    entries_ = workbench::withScrew(std::move(entries_), screws[static_cast<std::size_t>(index - 1)]);
    showEntries();
    refresh();
}

void WorkbenchWindow::refresh() {
    // A section is shown while one of its inputs is.
    std::vector<const QGroupBox*> shownSections;
    const bool inches = workbench::inInches(entries_);
    for (const InputRow& row : rows_) {
        showLabel(row, inches);
        const bool shown = workbench::isShown(*row.input, entries_);
        row.caption->setVisible(shown);
        row.field->setVisible(shown);
        if (shown) shownSections.push_back(row.section);
    }
    for (QGroupBox* box : sections_) box->setVisible(std::ranges::count(shownSections, box) > 0);
    {
        // Shown with a screw, not with a belt.
        const bool screw = workbench::isShown(*workbench::inputNamed(workbench::kScrewStartsKey), entries_);
        screwsCaption_->setVisible(screw);
        screws_->setVisible(screw);
        const QSignalBlocker quiet(screws_);
        const auto shown = workbench::screwShown(entries_);
        screws_->setCurrentIndex(shown ? static_cast<int>(*shown) + 1 : 0);
    }
    const QLocale locale;
    const std::string decimalSeparator = utf8(locale.decimalPoint());
    const workbench::State state = workbench::stateOf(entries_);
    const workbench::Evaluation evaluation =
        workbench::evaluate(state, decimalSeparator, utf8(locale.groupSeparator()));
    showAnswers(evaluation);
    diagram_->setDiagram(workbench::driveDiagram(state, evaluation, decimalSeparator),
                         workbench::driveDescription(state, evaluation, decimalSeparator));
}

void WorkbenchWindow::showAnswers(const workbench::Evaluation& evaluation) {
    std::vector<QStringList> messages(rows_.size());
    QStringList general;
    for (const workbench::Error& error : evaluation.errors) {
        const InputRow* row = rowOfError(error.options);
        (row ? messages[static_cast<std::size_t>(row - rows_.data())] : general)
            << QString::fromStdString(error.message);
    }
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const InputRow& row = rows_[i];
        const QString text = messages[i].join(QLatin1Char('\n'));
        row.error->setText(text);
        row.error->setVisible(!text.isEmpty());
        showInputError(row.field, text,
                       qText(workbench::descriptionOf(*row.input, workbench::inInches(entries_))));
    }
    results_->show(evaluation, general);
}

// The label in the unit of the machine; set only when it changes, so that
// a screen reader hears of no change that is none.
void WorkbenchWindow::showLabel(const InputRow& row, bool inches) {
    const QString label = qText(workbench::labelOf(*row.input, inches));
    if (row.caption->text() == label) return;
    row.caption->setText(label);
    row.field->setAccessibleName(label);
    row.field->setToolTip(qText(workbench::descriptionOf(*row.input, inches)));
}

// The row of the shown input an error's options belong to; none for the
// rest, whose errors are shown with the results.
const WorkbenchWindow::InputRow* WorkbenchWindow::rowOfError(
    std::span<const std::string> options) const {
    const Input* input = workbench::inputOfError(options, entries_);
    const auto row = std::ranges::find(rows_, input, &InputRow::input);
    return input && row != rows_.end() ? &*row : nullptr;
}

}  // namespace cnc::ui
