// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A captioned group frame painted in its own background colour. The platform
// style would shade or tint the group box; the layout wants the exact colour,
// an etched border and the caption on the frame's top edge, all inside the
// frame's own rectangle so that its children are placed from its corner.

#include <QColor>
#include <QGroupBox>
#include <QString>

namespace cnc::ui {

class GroupFrame : public QGroupBox {
public:
    GroupFrame(const QString& caption, const QColor& background, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace cnc::ui
