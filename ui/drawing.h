// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The graphic controls of the belt drawing: lines and filled circles. Each is
// a small widget of its own, so that it stacks among the labels of its frame
// in the order the layout gives; it paints nothing outside its figure and lets
// the mouse through to whatever lies below.

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QWidget>

namespace cnc::ui {

// A straight line between two points of the container, `width` pixels thick.
class LineControl : public QWidget {
public:
    LineControl(QPoint from, QPoint to, int width, const QColor& colour, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPoint from_;  // in the widget's own coordinates
    QPoint to_;
    int width_;
    QColor colour_;
};

// A circle with a 1-pixel outline, filled solid: the diameter is the smaller
// side of `box`, and the circle is centred in it.
class CircleShape : public QWidget {
public:
    CircleShape(const QRect& box, const QColor& fill, const QColor& outline, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor fill_;
    QColor outline_;
};

}  // namespace cnc::ui
