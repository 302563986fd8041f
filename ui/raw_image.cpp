// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/raw_image.h"

#include <QByteArray>
#include <QImage>
#include <QResource>

namespace cnc::ui {

QPixmap readRawImage(const QString& path, QSize size) {
    // An uncompressed resource is handed out where it lies, without a copy.
    const QByteArray bytes = QResource(path).uncompressedData();
    const qsizetype rowBytes = qsizetype{size.width()} * 4;
    if (size.isEmpty() || bytes.size() != rowBytes * size.height()) return {};
    const bool opaque = path.endsWith(QStringLiteral(".rgbx"));
    const QImage image(reinterpret_cast<const uchar*>(bytes.constData()), size.width(),
                       size.height(), rowBytes,
                       opaque ? QImage::Format_RGBX8888 : QImage::Format_RGBA8888);
    return QPixmap::fromImage(image);
}

}  // namespace cnc::ui
