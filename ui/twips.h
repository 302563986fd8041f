#pragma once
// The layout is given in twips, 1/1440 inch. At 96 dots per inch 15 twips make
// one device-independent pixel; Qt's high-DPI scaling takes it from there, so
// the proportions hold on any screen.

#include <QPoint>
#include <QRect>

namespace cnc::ui {

// Evaluated at compile time only: a figure that is not a whole pixel is a typo
// in the layout and stops the build.
consteval int px(int twips) {
    if (twips % 15 != 0) throw "a layout figure that is not a whole pixel";
    return twips / 15;
}

// A control's outer rectangle from Left, Top, Width and Height in twips.
consteval QRect twipsRect(int left, int top, int width, int height) {
    return QRect(px(left), px(top), px(width), px(height));
}

consteval QPoint twipsPoint(int x, int y) { return QPoint(px(x), px(y)); }

}  // namespace cnc::ui
