// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QImageReader>
#include <QString>

namespace cnc::ui {

// Reads a PNG file, or a null image. Told the format and forbidden to guess
// it, QImageReader goes straight to Qt's own PNG reader; left to guess, it
// loads every image-format plugin installed to ask each whether it can read
// the file, which cost more than decoding the window's picture.
inline QImage readPng(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

}  // namespace cnc::ui
