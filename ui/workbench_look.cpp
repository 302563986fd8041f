// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/workbench_look.h"

#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QWidget>

#include <algorithm>
#include <cmath>

#include "ui/palette.h"

namespace cnc::ui {
namespace {

constexpr double kLegible = 4.5;
constexpr double kErrorHue = 355.0 / 360.0;
constexpr const char* kErrorLabelProperty = "cnc-error-label";

double linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& colour) {
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

// Of the colours of `hue` between `nearest` and `farthest` lightness from
// the background, the one nearest mid-lightness that is legible on it; the
// search keeps `farthest`, legible whatever the background, in hand.
QColor legibleOn(const QColor& background, double hue, double nearest, double farthest) {
    const auto at = [&](double lightness) {
        return QColor::fromHslF(static_cast<float>(hue), 1.0F, static_cast<float>(lightness));
    };
    for (int step = 0; step < 20; ++step) {
        const double middle = (nearest + farthest) / 2;
        if (contrastRatio(at(middle), background) >= kLegible) {
            farthest = middle;
        } else {
            nearest = middle;
        }
    }
    return at(farthest);
}

// `text` moved a third of the way to `background`, where that stays legible
// on it; else `text`.
QColor softened(const QColor& text, const QColor& background) {
    const auto mix = [](float a, float b) { return a + (b - a) / 3; };
    const QColor soft = QColor::fromRgbF(mix(text.redF(), background.redF()),
                                         mix(text.greenF(), background.greenF()),
                                         mix(text.blueF(), background.blueF()));
    return contrastRatio(soft, background) >= kLegible ? soft : text;
}

std::string cssName(const QColor& colour) { return colour.name().toStdString(); }

}  // namespace

double contrastRatio(const QColor& a, const QColor& b) {
    const double first = luminance(a);
    const double second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QColor errorColour(const QPalette& palette) {
    const QColor window = palette.color(QPalette::Window);
    // Every background has 4.5:1 with black or with white: with black down
    // to a luminance of 0.175, with white up to 0.183.
    const bool darkText = contrastRatio(Qt::black, window) >= contrastRatio(Qt::white, window);
    return legibleOn(window, kErrorHue, 0.5, darkText ? 0.0 : 1.0);
}

workbench::DiagramColours diagramColours(const QPalette& palette) {
    const QColor text = palette.color(QPalette::WindowText);
    return {cssName(text), cssName(softened(text, palette.color(QPalette::Window))),
            cssName(palette.color(QPalette::Highlight)), cssName(palette.color(QPalette::Base))};
}

QColor placeholderColour(const QPalette& palette) {
    const QColor base = palette.color(QPalette::Base);
    // A placeholder is often the text half transparent: judged as painted.
    QColor placeholder = palette.color(QPalette::PlaceholderText);
    const float alpha = placeholder.alphaF();
    const auto over = [&](float front, float back) { return front * alpha + back * (1 - alpha); };
    placeholder = QColor::fromRgbF(over(placeholder.redF(), base.redF()),
                                   over(placeholder.greenF(), base.greenF()),
                                   over(placeholder.blueF(), base.blueF()));
    if (contrastRatio(placeholder, base) >= kLegible)
        return palette.color(QPalette::PlaceholderText);
    return softened(palette.color(QPalette::Text), base);
}

QLabel* errorLabel(const QString& objectName) {
    auto* label = new QLabel;
    label->setObjectName(objectName);
    label->setProperty(kErrorLabelProperty, true);
    label->setWordWrap(true);
    label->hide();
    return label;
}

void colourLegibly(QWidget& window) {
    const QColor error = errorColour(window.palette());
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (label->property(kErrorLabelProperty).toBool()) {
            setPaletteColour(*label, QPalette::WindowText, error);
        }
    }
    const QColor placeholder = placeholderColour(window.palette());
    for (QLineEdit* edit : window.findChildren<QLineEdit*>()) {
        setPaletteColour(*edit, QPalette::PlaceholderText, placeholder);
    }
}

}  // namespace cnc::ui
