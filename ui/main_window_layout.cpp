// SPDX-License-Identifier: GPL-3.0-or-later
// The window built from its layout table: one widget per row, in the table's
// order, which stacks each container's controls back to front.

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QRadioButton>

#include <algorithm>
#include <functional>
#include <map>

#include "ui/command_button.h"
#include "ui/drawing.h"
#include "ui/file_icon.h"
#include "ui/fonts.h"
#include "ui/group_frame.h"
#include "ui/main_window.h"
#include "ui/palette.h"
#include "ui/qt_text.h"
#include "ui/stretched_picture.h"
#include "ui/twips.h"

namespace cnc::ui {

namespace {

using layout::Alignment;
using layout::Control;
using layout::Kind;

// The colour the layout gives, or else the platform's.
QColor colourOr(const std::optional<layout::Rgb>& colour, const QColor& platform) {
    return colour ? qColour(*colour) : platform;
}

QFont fontOf(const layout::Font& font) {
    QFont qFont = layoutFont(font.points);
    qFont.setBold(font.bold);
    return qFont;
}

// Fills with the widget's background role, which for buttons is Button.
void setBackground(QWidget& widget, const QColor& colour) {
    setPaletteColour(widget, widget.backgroundRole(), colour);
    widget.setAutoFillBackground(true);
}

void styleLabel(QLabel& label, const Control& c) {
    label.setWordWrap(true);
    const bool centred = c.alignment == Alignment::Centre;
    label.setAlignment(Qt::AlignTop | (centred ? Qt::AlignHCenter : Qt::AlignLeft));
    if (c.foreground) setPaletteColour(label, QPalette::WindowText, qColour(*c.foreground));
    // The window's own background is the layout's, so the platform's is the
    // application's.
    if (!c.transparent) {
        setBackground(label,
                      colourOr(c.background, QApplication::palette().color(QPalette::Window)));
    }
}

void styleTextBox(QLineEdit& box, const Control& c) {
    box.setAlignment(c.alignment == Alignment::Centre ? Qt::AlignCenter
                                                      : Qt::AlignLeft | Qt::AlignVCenter);
    if (c.foreground) setPaletteColour(box, QPalette::Text, qColour(*c.foreground));
    box.setReadOnly(c.readOnly);
}

// The widget of one row, its look included; placed by the caller.
QWidget* createWidget(const Control& c, QWidget* container) {
    const QString text = qText(c.text);
    const QColor window = container->palette().color(QPalette::Window);
    switch (c.kind) {
        case Kind::Frame: return new GroupFrame(text, colourOr(c.background, window), container);
        case Kind::Button:
            return new CommandButton(
                text, colourOr(c.background, container->palette().color(QPalette::Button)),
                container);
        case Kind::Option: {
            auto* option = new QRadioButton(text, container);
            setBackground(*option, colourOr(c.background, window));
            return option;
        }
        case Kind::TextBox: {
            auto* box = new QLineEdit(text, container);
            styleTextBox(*box, c);
            return box;
        }
        case Kind::Label: {
            auto* label = new QLabel(text, container);
            styleLabel(*label, c);
            return label;
        }
        case Kind::Line:
            return new LineControl(pixelPoint(c.from), pixelPoint(c.to), c.lineWidth,
                                   colourOr(c.foreground, Qt::black), container);
        case Kind::Shape:
            return new CircleShape(pixelRect(c.rect), colourOr(c.background, window),
                                   colourOr(c.foreground, Qt::black), container);
        case Kind::Picture:
            return new StretchedPicture(QStringLiteral(":/") + qText(c.image), pixelRect(c.rect),
                                        container);
    }
    return nullptr;
}

// Tab stops at the selected button of an option group only, and the arrow
// keys move within the group. Qt sets this up only when a button of the group
// takes the focus, so here it also follows every change of selection, however
// it came (a click, a key, an assistive technology's toggle).
void tabToSelectedOnly(const std::vector<QRadioButton*>& group) {
    auto follow = [group] {
        for (QRadioButton* option : group) {
            option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
        }
    };
    for (QRadioButton* option : group) QObject::connect(option, &QRadioButton::toggled, follow);
    follow();
}

// The sizes a window manager draws a window's own icon at: title bar, task
// bar, window switcher. Larger pictures of the program come from the icon
// theme through the desktop entry. Handing the window 128 and 256 pixels as
// well meant decoding them and sending a third of a megabyte to the X server
// before the first frame, some 4 ms of its start-up.
QIcon programIcon() {
    std::vector<std::pair<QSize, QString>> files;
    for (int size : {16, 24, 32, 48, 64}) {
        files.emplace_back(QSize(size, size),
                           QStringLiteral(":/cnc-axis-calc-%1x%1.rgba").arg(size));
    }
    return iconFromFiles(std::move(files));
}

}  // namespace

void MainWindow::buildLayout() {
    const layout::Window& form = layout::window();
    setObjectName(qText(form.name));
    setWindowTitle(qText(form.title));
    setWindowIcon(programIcon());
    setBackground(*this, qColour(form.background));
    setFont(windowFont());
    // The restored size. The controls reach beyond it and are cut off there:
    // there is no layout, so resizing moves and scales nothing.
    resize(layout::pixels(form.widthTwips), layout::pixels(form.heightTwips));

    // A new QLineEdit lays its text out once in the application's font before
    // it takes its widget's font. No text of the window is in that font, yet
    // loading it for that alone was a sixteenth of the work before the first
    // frame. So the application's font is the window's while the controls are
    // built; QGuiApplication's setter tells no widget, and every control has
    // the window's font or its own. The one trace left: the application's
    // font, now set explicitly, no longer follows a change of the desktop's
    // font while the program runs (message boxes and tooltips take it).
    const QFont applicationFont = QGuiApplication::font();
    QGuiApplication::setFont(font());
    buildControls([](const Control& control) { return !buildsWhenShown(control); });
    QGuiApplication::setFont(applicationFont);
    orderTabs()->setFocus();

    // An option button's Click comes with every change of selection, so the
    // coupling is followed on `toggled`, not on mouse clicks.
    for (QRadioButton* option : coupling_) {
        connect(option, &QRadioButton::toggled, this, [this](bool selected) {
            if (selected) showBeltGroups();
        });
    }
}

// A group hidden at start may never be shown, so what it holds is built when
// it is first shown: its drawing, captions and options. Its text boxes are
// built at start, because the calculation reads and writes them all the same.
bool MainWindow::buildsWhenShown(const Control& control) {
    if (control.container.empty() || control.kind == Kind::TextBox) return false;
    return layoutControl(control.container).hidden;
}

const Control& MainWindow::layoutControl(std::string_view name) {
    const auto all = layout::controls();
    return *std::find_if(all.begin(), all.end(),
                         [name](const Control& c) { return c.name == name; });
}

// Builds the rows `wanted` picks, in the table's order, in their state at
// start: visibility, selection, and their option groups' tab stop.
void MainWindow::buildControls(const std::function<bool(const Control&)>& wanted) {
    std::map<QObject*, std::vector<QRadioButton*>> optionGroups;
    for (const Control& control : layout::controls()) {
        if (!wanted(control)) continue;
        QWidget* container = control.container.empty() ? this : built_.at(control.container);
        QWidget* widget = addControl(control, container);
        if (control.hidden) widget->hide();
        if (auto* option = qobject_cast<QRadioButton*>(widget)) {
            option->setChecked(control.selected);
            optionGroups[option->parent()].push_back(option);
        }
    }
    for (const auto& [frame, group] : optionGroups) tabToSelectedOnly(group);
}

// Builds what a group holds beyond its text boxes, stacks it all again in the
// table's order (the text boxes, built first, stand in front) and gives the
// new controls their place in the tab order.
void MainWindow::completeGroup(CouplingGroup& group) {
    const QString frame = group.frame->objectName();
    buildControls([&frame](const Control& control) {
        return buildsWhenShown(control) && qText(control.container) == frame;
    });
    for (const Control& control : layout::controls()) {
        if (qText(control.container) == frame) built_.at(control.name)->raise();
    }
    orderTabs();
    group.complete = true;
}

QWidget* MainWindow::addControl(const Control& control, QWidget* container) {
    QWidget* widget = createWidget(control, container);
    widget->setObjectName(qText(control.name));
    built_.emplace(control.name, widget);
    // Lines work out their own box from their end points.
    if (control.kind != Kind::Line) widget->setGeometry(pixelRect(control.rect));
    if (control.font) widget->setFont(fontOf(*control.font));
    if (!control.accessibleName.empty()) widget->setAccessibleName(qText(control.accessibleName));
    if (!control.describedBy.empty()) {
        widget->setAccessibleDescription(qText(layoutControl(control.describedBy).text));
    }
    if (!control.tooltip.empty()) {
        // As rich text, so that the tip wraps into lines of reading length.
        widget->setToolTip(QStringLiteral("<p>%1</p>").arg(qText(control.tooltip).toHtmlEscaped()));
        widget->setAccessibleDescription(qText(control.tooltip));
    }
    keep(control, widget);
    return widget;
}

// Keeps the widgets the window works with, by what they stand for, and wires
// the buttons.
void MainWindow::keep(const Control& control, QWidget* widget) {
    if (control.shownWith) {
        couplingGroups_.push_back({*control.shownWith, widget, !control.hidden});
    }
    const layout::Identity& identity = control.identity;
    if (const auto* field = std::get_if<Field>(&identity)) {
        auto* box = static_cast<QLineEdit*>(widget);
        texts_.at(static_cast<std::size_t>(*field)) = box;
        // Enter in an entry computes, as a dialog's default button would.
        if (isEntry(*field)) {
            connect(box, &QLineEdit::returnPressed, this, &MainWindow::calculate);
        }
    } else if (const auto* mode = std::get_if<SteppingMode>(&identity)) {
        stepping_.at(static_cast<std::size_t>(*mode)) = static_cast<QRadioButton*>(widget);
    } else if (const auto* coupling = std::get_if<Coupling>(&identity)) {
        coupling_.at(static_cast<std::size_t>(*coupling)) = static_cast<QRadioButton*>(widget);
    } else if (const auto* command = std::get_if<layout::Command>(&identity)) {
        const bool calculates = *command == layout::Command::Calculate;
        connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, this,
                [this, calculates] { calculates ? calculate() : quit(); });
    }
}

// The tab order of the layout over the controls built so far; returns the
// first of them.
QWidget* MainWindow::orderTabs() {
    std::vector<std::pair<int, QWidget*>> stops;
    for (const Control& control : layout::controls()) {
        if (!control.tabIndex) continue;
        if (const auto built = built_.find(control.name); built != built_.end()) {
            stops.emplace_back(*control.tabIndex, built->second);
        }
    }
    std::stable_sort(stops.begin(), stops.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < stops.size(); ++i) {
        setTabOrder(stops[i - 1].second, stops[i].second);
    }
    return stops.front().second;
}

}  // namespace cnc::ui
