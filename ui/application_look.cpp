// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/application_look.h"

#include <QApplication>
#include <QStyle>

namespace cnc::ui {

void applyLook() {
    QStyle* fusion = QApplication::setStyle(QStringLiteral("Fusion"));
    if (fusion) QApplication::setPalette(fusion->standardPalette());
}

void applyDesktopLook() { QApplication::setStyle(QStringLiteral("Fusion")); }

}  // namespace cnc::ui
