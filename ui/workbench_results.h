// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The workbench's results: one read-only field per label of
// workbench::resultLabels(), shown while the answers hold that result, the
// firmware lines in a read-only text with a button that copies them, and the
// errors that belong to no input. The box is hidden while it has none of them.

#include <QGroupBox>
#include <QStringList>

#include <vector>

#include "workbench/workbench.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace cnc::ui {

class WorkbenchResults : public QGroupBox {
public:
    explicit WorkbenchResults(QWidget* parent = nullptr);

    // Shows the results and firmware lines of `evaluation` and `errors` (the
    // messages of no input, one a line); empty ones are hidden, and the box
    // with nothing to show. A label that comes twice shows its first value.
    void show(const workbench::Evaluation& evaluation, const QStringList& errors);

private:
    struct ResultRow {
        QLabel* caption;
        QLineEdit* value;
    };

    void copyFirmwareLines() const;

    std::vector<ResultRow> rows_;
    QLabel* errors_;
    QLabel* firmwareCaption_;
    QPlainTextEdit* firmwareLines_;
    QPushButton* copy_;
};

}  // namespace cnc::ui
