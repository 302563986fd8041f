// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/group_frame.h"

#include <QPainter>
#include <QPalette>

#include "ui/palette.h"

namespace cnc::ui {

namespace {
constexpr int kCaptionIndent = 6;  // from the frame's left edge to the caption's gap
constexpr int kCaptionGap = 2;     // clear space either side of the caption
}  // namespace

GroupFrame::GroupFrame(const QString& caption, const QColor& background, QWidget* parent)
    : QGroupBox(caption, parent) {
    setPaletteColour(*this, QPalette::Window, background);
    setAutoFillBackground(true);
}

void GroupFrame::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QFontMetrics metrics(font());

    // Etched border: a dark line with a light one inside it, the top edge
    // running through the middle of the caption.
    const QRect border = rect().adjusted(0, metrics.height() / 2, -1, -1);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(border.adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(border.adjusted(1, 1, 0, 0));

    const QRect caption(kCaptionIndent, 0, metrics.horizontalAdvance(title()) + 2 * kCaptionGap,
                        metrics.height());
    painter.fillRect(caption, palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(caption, Qt::AlignCenter, title());
}

}  // namespace cnc::ui
