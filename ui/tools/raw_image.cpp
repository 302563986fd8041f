// SPDX-License-Identifier: GPL-3.0-or-later
// Build step: stores an image as raw pixels for the window (see raw_image.h),
// resampled to WIDTH x HEIGHT first where that is not its size, exactly as the
// picture control would resample it at run time (see stretched_picture.h).
//   raw_image IMAGE.png WIDTH HEIGHT OUTPUT.rgba   (with alpha)
//   raw_image IMAGE.png WIDTH HEIGHT OUTPUT.rgbx   (opaque)

#include <QFile>
#include <QImage>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: raw_image IMAGE.png WIDTH HEIGHT OUTPUT.rgba|OUTPUT.rgbx\n");
        return 2;
    }
    const QImage image(QString::fromLocal8Bit(argv[1]));
    const QSize size(std::atoi(argv[2]), std::atoi(argv[3]));
    const QString output = QString::fromLocal8Bit(argv[4]);
    const bool opaque = output.endsWith(QStringLiteral(".rgbx"));
    if (image.isNull() || size.isEmpty() ||
        (!opaque && !output.endsWith(QStringLiteral(".rgba")))) {
        std::fprintf(stderr, "raw_image: cannot read %s, or bad size or output name\n", argv[1]);
        return 1;
    }
    const QImage resampled =
        image.size() == size ? image
                             : image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage pixels =
        resampled.convertToFormat(opaque ? QImage::Format_RGBX8888 : QImage::Format_RGBA8888);
    QFile file(output);
    bool written = file.open(QIODevice::WriteOnly);
    for (int y = 0; written && y < pixels.height(); ++y) {
        const auto* row = reinterpret_cast<const char*>(pixels.constScanLine(y));
        written = file.write(row, qint64{pixels.width()} * 4) == qint64{pixels.width()} * 4;
    }
    if (!written) {
        std::fprintf(stderr, "raw_image: cannot write %s\n", argv[4]);
        return 1;
    }
    return 0;
}
