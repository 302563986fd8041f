// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The layout is given in twips, 1/1440 inch. At 96 dots per inch 15 twips make
// one device-independent pixel; Qt's high-DPI scaling takes it from there, so
// the proportions hold on any screen. That every figure is a whole pixel is
// checked where the layout table is compiled.

#include <QColor>
#include <QPoint>
#include <QRect>

#include "ui/layout/window_layout.h"

namespace cnc::ui {

// A control's outer rectangle.
inline QRect pixelRect(const layout::TwipsRect& r) {
    return QRect(layout::pixels(r.left), layout::pixels(r.top), layout::pixels(r.width),
                 layout::pixels(r.height));
}

inline QPoint pixelPoint(layout::TwipsPoint p) {
    return QPoint(layout::pixels(p.x), layout::pixels(p.y));
}

inline QColor qColour(layout::Rgb rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

}  // namespace cnc::ui
