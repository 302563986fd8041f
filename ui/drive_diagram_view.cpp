// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/drive_diagram_view.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QPainter>

#include <algorithm>
#include <utility>

#include "ui/workbench_look.h"
#include "workbench/drive_diagram.h"

namespace cnc::ui {
namespace {

// The diagram's own size, in its user units, and the widest it is drawn:
// beyond half as large again its lines and text only grow.
constexpr QSize kUnits{320, 120};
constexpr int kWidest = kUnits.width() * 3 / 2;
constexpr int kNarrowest = kUnits.width() * 3 / 4;

constexpr const char* kDiagramProperty = "cnc-drive-diagram";

QAccessibleInterface* diagramInterface(const QString& /*className*/, QObject* object) {
    if (!object || !object->property(kDiagramProperty).toBool()) return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
}

}  // namespace

DriveDiagramView::DriveDiagramView(QWidget* parent) : QWidget(parent) {
    // Before anything can ask for the widget's interface, which Qt keeps.
    static const bool installed = [] {
        QAccessible::installFactory(&diagramInterface);
        return true;
    }();
    Q_UNUSED(installed);
    setProperty(kDiagramProperty, true);
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void DriveDiagramView::setDiagram(std::string svg, const std::string& words) {
    if (svg == svg_) return;
    svg_ = std::move(svg);
    setAccessibleName(QString::fromStdString(words));
    load();
}

void DriveDiagramView::load() {
    const std::string painted = workbench::withColours(svg_, diagramColours(palette()));
    renderer_.load(QByteArray::fromStdString(painted));
    update();
}

int DriveDiagramView::heightForWidth(int width) const {
    return std::min(width, kWidest) * kUnits.height() / kUnits.width();
}

QSize DriveDiagramView::sizeHint() const { return kUnits; }

QSize DriveDiagramView::minimumSizeHint() const { return {kNarrowest, heightForWidth(kNarrowest)}; }

void DriveDiagramView::paintEvent(QPaintEvent* /*event*/) {
    const int width = std::min(this->width(), kWidest);
    const QRect drawn((this->width() - width) / 2, 0, width, heightForWidth(width));
    QPainter painter(this);
    renderer_.render(&painter, drawn);
}

void DriveDiagramView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange && !svg_.empty()) load();
    QWidget::changeEvent(event);
}

}  // namespace cnc::ui
