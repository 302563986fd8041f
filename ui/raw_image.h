// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Images the build stores as raw pixels, which the window reads in place
// without decoding: the program's icon and the picture at the sizes it is
// shown at. Decoding them from PNG was some 3 M instructions before the first
// frame under X11, where the platform takes every size of the icon at once.
//
// A file holds the pixels row by row from the top, four bytes each in the
// order red, green, blue, alpha, and nothing else; its name carries the size
// ("cnc-axis-calc-16x16.rgba"). In a ".rgbx" file the image is opaque and the
// fourth byte unused. ui/tools/raw_image.cpp writes them; the build stores
// them uncompressed among the resources.

#include <QPixmap>
#include <QSize>
#include <QString>

namespace cnc::ui {

// The image in `path` of `size`, or a null pixmap if there is no such file or
// it does not hold exactly that many pixels.
QPixmap readRawImage(const QString& path, QSize size);

}  // namespace cnc::ui
