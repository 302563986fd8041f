// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's fonts. The layout names one family, "MS Sans Serif", which a
// Linux desktop does not have; the fallbacks are sans-serifs of close width,
// Liberation Sans first since our set-up installs it.

#include <QFont>

namespace cnc::ui {

// The layout's font at `points` (8.25, 9.75, 12 or 13.5), bold as every font
// the layout names is.
QFont layoutFont(qreal points);

// The font of every control that has none of its own: the same family at the
// classic user-interface size, regular weight, a little condensed. The
// captions were sized for MS Sans Serif, which sets this size narrower than
// its stand-ins: at full width "Risoluzione del passo (mm)" would not fit its
// label, and a larger desktop default would cut the option captions short.
QFont windowFont();

}  // namespace cnc::ui
