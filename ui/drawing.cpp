// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/drawing.h"

#include <QPainter>
#include <QPen>

#include <algorithm>

namespace cnc::ui {

namespace {

void passMouseThrough(QWidget& widget) {
    widget.setAttribute(Qt::WA_TransparentForMouseEvents);
    widget.setFocusPolicy(Qt::NoFocus);
}

// Pixel centres lie at half coordinates: a line of odd width drawn through
// them covers whole pixel rows instead of smearing over two.
QPointF centreOf(QPoint pixel) { return QPointF(pixel) + QPointF(0.5, 0.5); }

}  // namespace

LineControl::LineControl(QPoint from, QPoint to, int width, const QColor& colour, QWidget* parent)
    : QWidget(parent), width_(width), colour_(colour) {
    passMouseThrough(*this);
    const int margin = width;  // room for the round caps
    const QRect box = QRect(from, to).normalized().adjusted(-margin, -margin, margin, margin);
    setGeometry(box);
    from_ = from - box.topLeft();
    to_ = to - box.topLeft();
}

void LineControl::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour_, width_, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centreOf(from_), centreOf(to_));
}

CircleShape::CircleShape(const QRect& box, const QColor& fill, const QColor& outline,
                         QWidget* parent)
    : QWidget(parent), fill_(fill), outline_(outline) {
    passMouseThrough(*this);
    setGeometry(box);
}

void CircleShape::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(outline_, 1));
    painter.setBrush(fill_);
    const int diameter = std::min(width(), height());
    const QRectF circle((width() - diameter) / 2.0 + 0.5, (height() - diameter) / 2.0 + 0.5,
                        diameter - 1, diameter - 1);
    painter.drawEllipse(circle);
}

}  // namespace cnc::ui
