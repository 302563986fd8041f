// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/drive_form.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

#include "calc/translation.h"
#include "ui/accessible_input.h"
#include "ui/qt_text.h"
#include "ui/workbench_look.h"

namespace cnc::ui {
namespace {

using workbench::Input;
using workbench::InputKind;

std::string utf8(const QString& text) { return text.toUtf8().toStdString(); }

}  // namespace

DriveForm::DriveForm(workbench::Entries entries,
                     const std::function<bool(const workbench::Input&)>& wanted, QWidget* parent)
    : QWidget(parent), entries_(std::move(entries)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    for (const Input& input : workbench::inputs()) {
        if (!wanted(input)) continue;
        const auto section = std::ranges::find_if(
            sections_, [&](const QGroupBox* box) { return box->title() == qText(_(input.section)); });
        QGroupBox* box = section == sections_.end() ? nullptr : *section;
        if (!box) {
            box = buildSection(input.section);
            layout->addWidget(box);
        }
        addInput(input, box);
    }
    // One caption column for every section, so that the fields line up.
    int widest = 0;
    for (const InputRow& row : rows_) widest = std::max(widest, row.caption->sizeHint().width());
    for (QGroupBox* box : sections_) {
        static_cast<QGridLayout*>(box->layout())->setColumnMinimumWidth(0, widest);
    }
    putEntries();
    showShown();
}

QGroupBox* DriveForm::buildSection(std::string_view section) {
    auto* box = new QGroupBox(qText(_(section)));
    auto* grid = new QGridLayout(box);
    grid->setColumnStretch(1, 1);
    sections_.push_back(box);
    // The common drives fill the screw's or the wheel's inputs: they head their section.
    const Input* starts = workbench::inputNamed(workbench::kScrewStartsKey);
    if (starts && starts->section == section) addCommonDrives(box);
    return box;
}

void DriveForm::addInput(const Input& input, QGroupBox* box) {
    const QString key = qText(input.key);
    QWidget* field = nullptr;
    if (input.kind == InputKind::Text) {
        auto* edit = accessibleInput(new QLineEdit);
        // Empty is the command line's default, which the placeholder shows.
        edit->setPlaceholderText(qText(_(input.placeholder)));
        // Every change of the text, however it came (typed, pasted, undone,
        // set through the accessibility interface); the form's own fills
        // (putEntries) block the signal.
        QObject::connect(edit, &QLineEdit::textChanged, this, [this] { changed(); });
        field = edit;
    } else {
        auto* combo = accessibleInput(new QComboBox);
        for (const workbench::Alternative& alternative : input.alternatives) {
            combo->addItem(qText(_(alternative.label)));
        }
        QObject::connect(combo, &QComboBox::currentIndexChanged, this, [this] { changed(); });
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

void DriveForm::addCommonDrives(QGroupBox* box) {
    drives_ = accessibleInput(new QComboBox);
    drives_->setObjectName(QStringLiteral("banco-viti-comuni"));
    drives_->addItem(QString::fromStdString(_("Altra trasmissione")));
    for (const workbench::CommonDrive& drive : workbench::commonDrives()) {
        drives_->addItem(QString::fromStdString(_(drive.label)));
    }
    const QString label = QString::fromStdString(_(workbench::kCommonDrivesLabel));
    drives_->setAccessibleName(label);
    drives_->setAccessibleDescription(QString::fromStdString(_(
        "Una vite, o un estrusore, comune: ne riempie gli ingressi, come il passo e i principi.")));
    QObject::connect(drives_, &QComboBox::currentIndexChanged, this,
                     [this](int index) { chooseDrive(index); });
    drivesCaption_ = new QLabel(label);
    drivesCaption_->setBuddy(drives_);
    auto* grid = static_cast<QGridLayout*>(box->layout());
    grid->addWidget(drivesCaption_, 0, 0);
    grid->addWidget(drives_, 0, 1);
}

void DriveForm::showEntries(workbench::Entries entries) {
    entries_ = std::move(entries);
    putEntries();
    showShown();
}

void DriveForm::readEntries() {
    for (const InputRow& row : rows_) {
        if (const auto* edit = qobject_cast<QLineEdit*>(row.field)) {
            entries_.setText(row.input->key, utf8(edit->text()));
        } else if (const auto* combo = qobject_cast<QComboBox*>(row.field)) {
            entries_.choose(row.input->key,
                            static_cast<std::size_t>(std::max(0, combo->currentIndex())));
        }
    }
}

void DriveForm::putEntries() {
    for (const InputRow& row : rows_) {
        const QSignalBlocker quiet(row.field);
        if (auto* edit = qobject_cast<QLineEdit*>(row.field)) {
            edit->setText(qText(entries_.text(row.input->key)));
        } else if (auto* combo = qobject_cast<QComboBox*>(row.field)) {
            combo->setCurrentIndex(static_cast<int>(entries_.choice(row.input->key)));
        }
    }
}

// "Altra trasmissione" (0) leaves the entries as they are.
void DriveForm::chooseDrive(int index) {
    const auto drives = workbench::commonDrives();
    if (index < 1 || static_cast<std::size_t>(index) > drives.size()) return;
    entries_ =
        workbench::withDrive(std::move(entries_), drives[static_cast<std::size_t>(index - 1)]);
    putEntries();
    showShown();
    if (changed_) changed_();
}

void DriveForm::changed() {
    readEntries();
    showShown();
    if (changed_) changed_();
}

void DriveForm::showShown() {
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
    if (!drives_) return;
    const bool offered = workbench::commonDrivesOffered(entries_);
    drivesCaption_->setVisible(offered);
    drives_->setVisible(offered);
    const QSignalBlocker quiet(drives_);
    const auto shown = workbench::driveShown(entries_);
    drives_->setCurrentIndex(shown ? static_cast<int>(*shown) + 1 : 0);
}

QStringList DriveForm::showErrors(std::span<const workbench::Error> errors) {
    std::vector<QStringList> messages(rows_.size());
    QStringList general;
    for (const workbench::Error& error : errors) {
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
    return general;
}

// The label in the unit of the machine; set only when it changes, so that
// a screen reader hears of no change that is none.
void DriveForm::showLabel(const InputRow& row, bool inches) {
    const QString label = qText(workbench::labelOf(*row.input, inches));
    if (row.caption->text() == label) return;
    row.caption->setText(label);
    row.field->setAccessibleName(label);
    row.field->setToolTip(qText(workbench::descriptionOf(*row.input, inches)));
}

// The row of the shown input an error's options belong to; none for the
// rest, whose errors are shown with the results.
const DriveForm::InputRow* DriveForm::rowOfError(std::span<const std::string> options) const {
    const Input* input = workbench::inputOfError(options, entries_);
    const auto row = std::ranges::find(rows_, input, &InputRow::input);
    return input && row != rows_.end() ? &*row : nullptr;
}

}  // namespace cnc::ui
