// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace cnc::ui {

// Gives `widget` its own `colour` in one role of its palette; the other roles
// and the widget's children keep theirs.
inline void setPaletteColour(QWidget& widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette colours = widget.palette();
    colours.setColor(role, colour);
    widget.setPalette(colours);
}

}  // namespace cnc::ui
