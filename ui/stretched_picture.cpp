// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/stretched_picture.h"

#include <QImage>
#include <QPainter>

#include "ui/png_file.h"
#include "ui/raw_image.h"

namespace cnc::ui {

StretchedPicture::StretchedPicture(const QString& image, const QRect& geometry, QWidget* parent)
    : QLabel(parent), image_(image) {
    setGeometry(geometry);
    setScaledContents(true);
    // QLabel still holds a picture, so that it tells accessibility tools that
    // it shows one; the painting below is ours.
    setPixmap(resampled(geometry.size()));
}

QPixmap StretchedPicture::resampled(QSize pixels) const {
    const QString stored =
        QStringLiteral("%1-%2x%3.rgbx").arg(image_).arg(pixels.width()).arg(pixels.height());
    if (QPixmap raw = readRawImage(stored, pixels); !raw.isNull()) return raw;
    const QImage original = readPng(image_ + QStringLiteral(".png"));
    return QPixmap::fromImage(
        original.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

void StretchedPicture::paintEvent(QPaintEvent* /*event*/) {
    const QRect area = contentsRect();
    const qreal ratio = devicePixelRatio();
    const QSize pixels = area.size() * ratio;
    if (shown_.size() != pixels) {
        // At 100% the label's own copy is already the right one.
        shown_ = pixmap().size() == pixels ? pixmap() : resampled(pixels);
        shown_.setDevicePixelRatio(ratio);
    }
    QPainter painter(this);
    painter.drawPixmap(area.topLeft(), shown_);
}

}  // namespace cnc::ui
