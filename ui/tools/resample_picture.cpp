// Build step: resamples the window's picture to the size it has on screen,
// exactly as the picture control would at run time (see stretched_picture.h).
//   resample_picture ORIGINAL.png WIDTH HEIGHT OUTPUT.png

#include <QImage>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: resample_picture ORIGINAL.png WIDTH HEIGHT OUTPUT.png\n");
        return 2;
    }
    const QImage original(QString::fromLocal8Bit(argv[1]));
    const QSize size(std::atoi(argv[2]), std::atoi(argv[3]));
    if (original.isNull() || size.isEmpty()) {
        std::fprintf(stderr, "resample_picture: cannot read %s or bad size\n", argv[1]);
        return 1;
    }
    const QImage resampled = original.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (!resampled.save(QString::fromLocal8Bit(argv[4]), "PNG")) {
        std::fprintf(stderr, "resample_picture: cannot write %s\n", argv[4]);
        return 1;
    }
    return 0;
}
