// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's picture control: an image stretched to fill the control,
// proportions not kept, smoothly resampled.
//
// Decoding the full-size image and resampling it on every start would be the
// single largest piece of work before the window's first frame. So the build
// resamples it ahead of time, with the same smooth scaling, for the sizes the
// control has on screen at 100% and 200% scale, and stores those next to the
// original as raw pixels, "<name>-<width>x<height>.rgbx" (raw_image.h). At
// those scales the control shows the stored copy, which is the very image it
// would have computed; at any other scale it decodes the original and
// resamples it as before.

#include <QLabel>
#include <QPixmap>
#include <QString>

namespace cnc::ui {

class StretchedPicture : public QLabel {
public:
    // `image` is the original's path without ".png", e.g. ":/motor-and-screw".
    StretchedPicture(const QString& image, const QRect& geometry, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap resampled(QSize pixels) const;

    QString image_;
    QPixmap shown_;  // at the control's size in device pixels
};

}  // namespace cnc::ui
