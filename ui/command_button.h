// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A push button drawn in its own face colour with a classic raised bevel. The
// platform styles paint buttons in their own colours (or a gradient over
// ours); the layout gives each button its colour.

#include <QColor>
#include <QPushButton>
#include <QString>

namespace cnc::ui {

class CommandButton : public QPushButton {
public:
    CommandButton(const QString& caption, const QColor& face, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace cnc::ui
