// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/file_icon.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>

#include "ui/raw_image.h"

namespace cnc::ui {

namespace {

class FileIconEngine : public QIconEngine {
public:
    explicit FileIconEngine(std::vector<std::pair<QSize, QString>> files) {
        std::sort(files.begin(), files.end(), [](const auto& a, const auto& b) {
            return a.first.width() * a.first.height() < b.first.width() * b.first.height();
        });
        for (auto& [size, path] : files) images_.push_back({size, std::move(path), {}});
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State /*state*/) override {
        Image* image = closestTo(size);
        if (image == nullptr || size.isEmpty()) return {};
        if (image->pixmap.isNull()) image->pixmap = readRawImage(image->path, image->size);
        QPixmap pixmap = image->pixmap;
        if (pixmap.width() > size.width() || pixmap.height() > size.height()) {
            pixmap = pixmap.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        }
        // Disabled and selected icons are derived from the normal one by the
        // style, as for any other icon.
        const bool derived = mode == QIcon::Disabled || mode == QIcon::Selected;
        if (derived && qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr) {
            QStyleOption option;
            option.palette = QApplication::palette();
            pixmap = QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
        }
        return pixmap;
    }

    QSize actualSize(const QSize& size, QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
        const Image* image = closestTo(size);
        if (image == nullptr || size.isEmpty()) return {};
        if (image->size.width() <= size.width() && image->size.height() <= size.height()) {
            return image->size;
        }
        return image->size.scaled(size, Qt::KeepAspectRatio);
    }

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        QList<QSize> sizes;
        if (mode != QIcon::Normal || state != QIcon::Off) return sizes;
        for (const Image& image : images_) sizes << image.size;
        return sizes;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        QPixmap pixmap = this->pixmap(rect.size() * ratio, mode, state);
        pixmap.setDevicePixelRatio(ratio);
        QRect target(QPoint(), pixmap.deviceIndependentSize().toSize());
        target.moveCenter(rect.center());
        painter->drawPixmap(target, pixmap);
    }

    QIconEngine* clone() const override { return new FileIconEngine(*this); }
    QString key() const override { return QStringLiteral("cnc-file-icon"); }
    bool isNull() override { return images_.empty(); }

private:
    struct Image {
        QSize size;
        QString path;
        QPixmap pixmap;  // null until first asked for
    };

    Image* closestTo(const QSize& size) {
        if (images_.empty()) return nullptr;
        for (Image& image : images_) {
            if (image.size.width() >= size.width() && image.size.height() >= size.height()) {
                return &image;
            }
        }
        return &images_.back();
    }

    std::vector<Image> images_;  // smallest first
};

}  // namespace

QIcon iconFromFiles(std::vector<std::pair<QSize, QString>> files) {
    return QIcon(new FileIconEngine(std::move(files)));
}

}  // namespace cnc::ui
