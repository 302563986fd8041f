// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The workbench's drive diagram (workbench/drive_diagram.h) on the desktop:
// its SVG painted in the colours of the widget's palette, again whenever
// that palette changes, scaled to the width it is given and kept in
// proportion. Assistive technology meets it as a picture (a graphic) named
// by the diagram's words.

#include <QSvgRenderer>
#include <QWidget>

#include <string>

namespace cnc::ui {

class DriveDiagramView : public QWidget {
public:
    explicit DriveDiagramView(QWidget* parent = nullptr);

    // `svg`, a driveDiagram(), and `words`, its driveDescription().
    void setDiagram(std::string svg, const std::string& words);

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void load();

    std::string svg_;
    QSvgRenderer renderer_;
};

}  // namespace cnc::ui
