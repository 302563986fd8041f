// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/command_button.h"

#include <qdrawutil.h>
#include <QPainter>
#include <QPalette>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include "ui/palette.h"

namespace cnc::ui {

CommandButton::CommandButton(const QString& caption, const QColor& face, QWidget* parent)
    : QPushButton(caption, parent) {
    setPaletteColour(*this, QPalette::Button, face);
    // Enter presses a focused button, as Space does; outside a dialog Qt only
    // does that for buttons marked auto-default.
    setAutoDefault(true);
}

void CommandButton::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QBrush face = palette().button();
    qDrawWinButton(&painter, rect(), palette(), isDown(), &face);

    QRect caption = rect();
    if (isDown()) caption.translate(1, 1);
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(caption, Qt::AlignCenter, text());

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(4, 4, -4, -4);
        focus.backgroundColor = face.color();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

}  // namespace cnc::ui
