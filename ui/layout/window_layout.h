// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's layout as plain data, shared by every front end that draws the
// window (the Qt window builds its widgets from it, the browser page its
// elements): the window itself, then every control in the order it is
// created. No toolkit types, so that it compiles wherever the calculation does.
//
// Units: rectangles and points in twips, 1/1440 inch, as the layout gives
// them; every figure is a whole pixel at 96 dots per inch (15 twips), which
// the table's own compile-time checks enforce. Line widths are in pixels.
//
// Stacking: within each container the controls are listed back to front, the
// later ones covering the earlier ones. The layout puts labels, lines, shapes
// and the picture first, then text boxes, buttons and frames, which always
// stand above them; the order of the rows already follows that rule.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <variant>

#include "calc/form.h"
#include "ui/layout/layout_names.h"

namespace cnc::layout {

inline constexpr int kTwipsPerPixel = 15;

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct TwipsPoint {
    int x = 0;
    int y = 0;
};

// A control's own font: the layout's one family (see ui/fonts.h) at `points`.
struct Font {
    double points = 8.25;
    bool bold = true;
};

enum class Kind {
    Frame,    // a captioned group; its children name it as their container
    Option,   // an option button; the options of one container form a group
    Button,   // a command button
    TextBox,  // a one-line entry or result
    Label,    // a caption, word-wrapped, top-aligned
    Line,     // a straight line with round caps
    Shape,    // a circle, outlined and filled, centred in its rectangle
    Picture,  // an image stretched to its rectangle, proportions not kept
};

enum class Alignment { Left, Centre };

// What a control stands for in the program, where it stands for something.
using Identity = std::variant<std::monostate, Field, SteppingMode, Coupling, Command>;

// One control. Fields a kind does not use keep their defaults.
struct Control {
    Kind kind = Kind::Label;
    // The layout's name, the control's object name or id. Filled in from the
    // identity where there is one (layoutName).
    std::string_view name = "";
    std::string_view container = "";  // a frame's name; empty for the window
    TwipsRect rect{};                 // every kind but Line
    TwipsPoint from{};                // Line: its end points
    TwipsPoint to{};
    int lineWidth = 1;  // Line, in pixels
    // UTF-8: the caption, or a text box's initial text (filled in from the
    // field's initialText).
    std::string_view text = "";
    std::optional<Font> font = std::nullopt;  // nullopt: the window's font
    // Text, line, or a shape's outline colour; nullopt: the platform's.
    std::optional<Rgb> foreground = std::nullopt;
    // Background, a button's face or a shape's fill; nullopt: the platform's.
    std::optional<Rgb> background = std::nullopt;
    bool transparent = false;  // Label: shows what lies below, no background
    Alignment alignment = Alignment::Left;
    bool readOnly = false;  // TextBox: written by the calculation only
    bool hidden = false;    // at start (filled in from shownWith)
    bool selected = false;  // Option, at start
    std::optional<int> tabIndex = std::nullopt;  // the controls that take the focus
    Identity identity{};
    // Frame: shown exactly while this coupling is selected, hidden otherwise.
    std::optional<Coupling> shownWith = std::nullopt;
    std::string_view image = "";           // Picture: the image file's name without ".png"
    // What a screen reader calls a control that has no caption: a text box
    // (filled in from its field's caption) or the picture.
    std::string_view accessibleName = "";
    std::string_view describedBy = "";     // the name of a label that describes it further
    // UTF-8, plain text: an entry's tooltip, which says what to type and in
    // what unit; also what a screen reader gives as the entry's description.
    std::string_view tooltip = "";
};

// The window itself: its name, title, background and restored size. The
// controls reach beyond that size and are cut off there: nothing moves or
// scales when the window is resized.
struct Window {
    std::string_view name;
    std::string_view title;
    Rgb background;
    int widthTwips;
    int heightTwips;
};

const Window& window();

// Every control, containers before what they contain, each container's
// children back to front.
std::span<const Control> controls();

// A figure of the layout in pixels at 96 dots per inch.
constexpr int pixels(int twips) { return twips / kTwipsPerPixel; }

}  // namespace cnc::layout
