// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/workbench_results.h"

#include <QClipboard>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>

#include "calc/translation.h"
#include "ui/qt_text.h"
#include "ui/workbench_look.h"

namespace cnc::ui {
namespace {

// A read-only field as wide as its whole text: a line edit's size hint is
// some seventeen 'x' wide whatever it holds, so that width is traded for the
// text's, keeping the frame and margins the style adds, and one character
// more so the last one does not touch the frame.
void fitToText(QLineEdit* field) {
    const QFontMetrics metrics = field->fontMetrics();
    const int hintedText = metrics.horizontalAdvance(QString(17, QLatin1Char('x')));
    const int frame = field->sizeHint().width() - hintedText;
    field->setMinimumWidth(frame + metrics.horizontalAdvance(field->text()) +
                           metrics.averageCharWidth());
}

}  // namespace

WorkbenchResults::WorkbenchResults(QWidget* parent)
    : QGroupBox(qText(_(workbench::kResultsLabel)), parent),
      errors_(errorLabel(QStringLiteral("banco-errore-generale"))),
      firmwareCaption_(new QLabel(qText(_(workbench::kFirmwareLinesLabel)))),
      firmwareLines_(new QPlainTextEdit),
      copy_(new QPushButton(qText(_(workbench::kCopyLabel)))) {
    auto* grid = new QGridLayout(this);
    grid->addWidget(errors_, 0, 0, 1, 2);
    int line = 1;
    // The command line's labels in the user's language, as it prints them.
    for (const std::string_view label : workbench::resultLabels()) {
        const QString shown = qText(_(label));
        auto* caption = new QLabel(shown);
        auto* value = new QLineEdit;
        value->setObjectName(QStringLiteral("banco-risultato-%1").arg(line - 1));
        value->setReadOnly(true);
        value->setAccessibleName(shown);
        caption->setBuddy(value);
        grid->addWidget(caption, line, 0);
        grid->addWidget(value, line, 1);
        rows_.push_back({caption, value});
        ++line;
    }
    firmwareLines_->setObjectName(QStringLiteral("banco-righe-firmware"));
    firmwareLines_->setReadOnly(true);
    firmwareLines_->setAccessibleName(qText(_(workbench::kFirmwareLinesLabel)));
    firmwareLines_->setLineWrapMode(QPlainTextEdit::NoWrap);
    firmwareLines_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    firmwareCaption_->setBuddy(firmwareLines_);
    copy_->setObjectName(QStringLiteral("banco-copia"));
    QObject::connect(copy_, &QPushButton::clicked, this, [this] { copyFirmwareLines(); });
    grid->addWidget(firmwareCaption_, line, 0, 1, 2);
    grid->addWidget(firmwareLines_, line + 1, 0, 1, 2);
    grid->addWidget(copy_, line + 2, 1, Qt::AlignRight);
    grid->setColumnStretch(1, 1);
}

void WorkbenchResults::show(const workbench::Evaluation& evaluation, const QStringList& errors) {
    errors_->setText(errors.join(QLatin1Char('\n')));
    errors_->setVisible(!errors.isEmpty());
    const auto labels = workbench::resultLabels();
    bool anyResult = false;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const std::string label = _(labels[i]);
        const auto found = std::ranges::find_if(
            evaluation.results, [&](const auto& result) { return result.label == label; });
        const bool shown = found != evaluation.results.end();
        anyResult = anyResult || shown;
        rows_[i].value->setText(shown ? QString::fromStdString(found->value) : QString());
        rows_[i].value->setCursorPosition(0);
        fitToText(rows_[i].value);
        rows_[i].caption->setVisible(shown);
        rows_[i].value->setVisible(shown);
    }
    QStringList lines;
    for (const std::string& line : evaluation.firmwareLines) lines << QString::fromStdString(line);
    firmwareLines_->setPlainText(lines.join(QLatin1Char('\n')));
    const bool anyLines = !lines.isEmpty();
    firmwareCaption_->setVisible(anyLines);
    firmwareLines_->setVisible(anyLines);
    copy_->setVisible(anyLines);
    setVisible(anyResult || anyLines || !errors.isEmpty());
}

void WorkbenchResults::copyFirmwareLines() const {
    QGuiApplication::clipboard()->setText(firmwareLines_->toPlainText());
}

}  // namespace cnc::ui
