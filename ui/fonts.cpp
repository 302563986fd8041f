// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/fonts.h"

#include <QStringList>

namespace cnc::ui {

namespace {

QFont sansSerif(qreal points, QFont::Weight weight) {
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                      QStringLiteral("Helvetica"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setWeight(weight);
    return font;
}

}  // namespace

QFont layoutFont(qreal points) { return sansSerif(points, QFont::Bold); }

QFont windowFont() {
    QFont font = sansSerif(8.25, QFont::Normal);
    font.setStretch(94);
    return font;
}

}  // namespace cnc::ui
