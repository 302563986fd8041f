// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The workbench's colours, all taken from the palette it is shown with, the
// desktop's, light or dark: nothing of its look is a fixed colour. (The
// classic window keeps a look of its own, application_look.h.)
//
//   contrastRatio(Qt::black, Qt::white)              -> 21
//   errorColour(a white window)                      -> a dark red, 4.5:1 or more on it
//   errorColour(a window of #202020)                 -> a light red, 4.5:1 or more on it

#include <QColor>

#include "workbench/drive_diagram.h"

class QLabel;
class QPalette;
class QWidget;

namespace cnc::ui {

// WCAG 2's contrast ratio of two opaque colours, 1 to 21.
double contrastRatio(const QColor& a, const QColor& b);

// A red with a contrast of at least 4.5:1 (WCAG AA for text) on the
// palette's window, as near mid-lightness as that allows.
QColor errorColour(const QPalette& palette);

// The drive diagram's colours: the window's text, a softer text still at
// 4.5:1 on the window, the palette's highlight for what moves, its base for
// the faces of the parts.
workbench::DiagramColours diagramColours(const QPalette& palette);

// The palette's placeholder text where it has 4.5:1 on the palette's base,
// else its text moved a third of the way to that base, or the text itself.
// (A dark desktop palette may leave the placeholder at a light palette's
// grey, which is all but unreadable on its dark inputs; the placeholders
// show the command line's defaults.)
QColor placeholderColour(const QPalette& palette);

// A label for error messages: wrapping, hidden until given a message, and in
// the error colour of the palette of the window it is in, once that window
// calls colourLegibly().
QLabel* errorLabel(const QString& objectName);

// Gives the widgets under `window` the colours its palette does not give
// legibly: every errorLabel() the error colour, every line edit the
// placeholder colour. The window calls it again whenever its palette changes.
void colourLegibly(QWidget& window);

}  // namespace cnc::ui
