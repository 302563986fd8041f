// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's controls as data, for the page: kind, object name, container,
// rectangle in twips, caption, font, colours, tab index. Every container lists
// its controls front to back.
//
// Stand-in until the window reads its own layout from one table: then this
// file goes and the page reads that table, so the two cannot drift.

#include <array>
#include <optional>
#include <string_view>

#include "calc/form.h"

namespace cnc::web {

enum class Kind { Frame, Label, TextBox, Option, Button, Picture, Line, Circle };

struct Rgb {
    int red, green, blue;
};

struct Control {
    Kind kind;
    std::string_view name;       // the window's object name: "Text1", "Option2(1)"
    std::string_view container;  // "main" or a frame's name
    int left, top, width, height;  // twips; a line's ends are (left, top), (width, height)
    std::string_view caption = {};
    double points = 0;  // 0: the window's font; otherwise bold at this size
    std::optional<Rgb> text = std::nullopt;
    std::optional<Rgb> background = std::nullopt;  // none: transparent
    bool centred = false;
    int tabIndex = -1;
    std::optional<Field> field = std::nullopt;  // text boxes
    bool selected = false;                      // option buttons
    int lineWidth = 1;                          // lines, in pixels
    bool readOnly = false;                      // text boxes
    std::string_view tooltip = {};              // text boxes: what to type
};

// The option groups the calculation asks about, element index = value, and
// the two belt groups the coupling shows and hides.
inline constexpr std::string_view kSteppingGroup = "Option1";
inline constexpr std::string_view kCouplingGroup = "Option2";
inline constexpr std::array<std::string_view, 2> kBeltGroups = {"Frame4", "Frame5"};
inline constexpr std::string_view kCalculateButton = "Command1";
inline constexpr std::string_view kEndButton = "Command2";

inline constexpr Rgb kLightGreen{192, 255, 192}, kLightYellow{255, 255, 192},
    kLightCyan{192, 255, 255}, kLightMagenta{255, 192, 255}, kSalmon{255, 128, 128},
    kPeriwinkle{128, 128, 255}, kLavender{192, 192, 255}, kBlue{0, 0, 255},
    kDarkGreen{0, 128, 0}, kGreen{0, 255, 0}, kRed{255, 0, 0}, kDarkGrey{64, 64, 64},
    kBlack{0, 0, 0}, kButtonFace{240, 240, 240};

// clang-format off
inline constexpr std::array kWindowLayout = {
    Control{Kind::Frame, "Frame5", "main", 6120, 3720, 3615, 1455, "Tipo ingranaggio", 0, {}, kLightCyan, false, 26},
    Control{Kind::Button, "Command2", "main", 2280, 5520, 1695, 495, "Fine lavoro", 0, {}, kLavender, false, 22},
    Control{Kind::Frame, "Frame4", "main", 6120, 1080, 3615, 2535, "Ingranaggi", 0, {}, kLightMagenta, false, 16},
    Control{Kind::Frame, "Frame3", "main", 120, 3120, 5895, 2055, "Risultati", 0, {}, kSalmon, false, 11},
    Control{Kind::Button, "Command1", "main", 360, 5520, 1455, 495, "calcola", 0, {}, kPeriwinkle, false, 10},
    Control{Kind::TextBox, "Text2", "main", 2880, 600, 2415, 420, {}, 12, {}, {}, true, 8, Field::ScrewPitch},
    Control{Kind::Frame, "Frame2", "main", 2760, 1320, 3255, 1575, "Tipo di accoppiamento", 0, {}, kLightCyan, false, 5},
    Control{Kind::Frame, "Frame1", "main", 120, 1320, 2175, 1575, "Settaggio scheda", 0, {}, kLightYellow, false, 2},
    Control{Kind::TextBox, "Text1", "main", 120, 720, 1935, 495, {}, 13.5, kBlue, {}, true, 0, Field::MotorSteps},
    Control{Kind::Label, "Label7", "main", 7200, 360, 1935, 255, "(numero di telefono)", 0, kBlue, kButtonFace, false, 24},
    Control{Kind::Label, "Label3", "main", 7200, 120, 1575, 255, "(indirizzo web)", 8.25, kBlue, {}, false, 23},
    Control{Kind::Picture, "Image1", "main", 5640, 120, 1185, 825, "Motore passo-passo e vite"},
    Control{Kind::Label, "Label1(1)", "main", 3000, 360, 2295, 255, "Passo della vite (mm)", 9.75, {}, {}, false, 9},
    Control{Kind::Label, "Label1(0)", "main", 240, 360, 2055, 255, "Passi del motore", 9.75, {}, {}, false, 1},

    Control{Kind::Option, "Option1(1)", "Frame1", 240, 960, 1455, 255, "Passo intero", 0, {}, kLightYellow, false, 4},
    Control{Kind::Option, "Option1(0)", "Frame1", 240, 480, 1455, 255, "Mezzo passo", 0, {}, kLightYellow, false, 3, {}, true},

    Control{Kind::Option, "Option2(1)", "Frame2", 120, 720, 2775, 255, "Accoppiamento con ingranaggi", 0, {}, kLightCyan, false, 7},
    Control{Kind::Option, "Option2(0)", "Frame2", 120, 360, 2175, 255, "Accoppiamento diretto", 0, {}, kLightCyan, false, 6, {}, true},

    Control{Kind::TextBox, "Text8", "Frame3", 2280, 1560, 2055, 405, {}, 9.75, {}, {}, true, 34, Field::CentreDistanceMm},
    Control{Kind::TextBox, "Text4", "Frame3", 2280, 1080, 2175, 375, {}, 8.25, kDarkGreen, {}, false, 14, Field::MmPerStep},
    Control{Kind::TextBox, "Text3", "Frame3", 2280, 240, 2175, 735, {}, 13.5, kBlue, {}, false, 12, Field::StepsPerMm},
    Control{Kind::Label, "Label2(2)", "Frame3", 240, 1680, 1935, 255, "Interasse", 0, {}, kLightYellow, false, 33},
    Control{Kind::Label, "Label8", "Frame3", 4560, 240, 1215, 615, "Valore da inserire nel software CNC", 0, {}, kLightYellow, true, 25},
    Control{Kind::Label, "Label2(1)", "Frame3", 240, 1080, 1935, 255, "Risoluzione del passo (mm)", 0, {}, kLightYellow, false, 15},
    Control{Kind::Label, "Label2(0)", "Frame3", 240, 240, 1935, 615, "Step/mm", 12, kBlue, kLightYellow, true, 13},

    Control{Kind::Option, "Option3(3)", "Frame5", 120, 960, 3135, 255, "XH (EXTRA PESANTE) P. 22,225mm", 0, {}, kLightCyan, false, 30},
    Control{Kind::Option, "Option3(2)", "Frame5", 120, 720, 2775, 255, "H (PESANTE) P. 12,7mm", 0, {}, kLightCyan, false, 29},
    Control{Kind::Option, "Option3(1)", "Frame5", 120, 480, 2895, 255, "L (LEGGERA) P.9,525mm", 0, {}, kLightCyan, false, 28},
    Control{Kind::Option, "Option3(0)", "Frame5", 120, 240, 3135, 255, "XL (EXTRA LEGGERA) P.5.08mm", 0, {}, kLightCyan, false, 27, {}, true},

    Control{Kind::TextBox, "Text9", "Frame4", 1080, 120, 1095, 285, {}, 0, {}, {}, true, 35, Field::BeltLengthCode},
    Control{Kind::TextBox, "Text7", "Frame4", 1080, 720, 1215, 285, {}, 0, {}, {}, true, 32, Field::CentreDistance, false, 1, true},
    Control{Kind::TextBox, "Text6", "Frame4", 2280, 1800, 735, 375, {}, 0, {}, {}, true, 18, Field::ScrewTeeth},
    Control{Kind::TextBox, "Text5", "Frame4", 240, 1800, 735, 375, {}, 0, {}, {}, true, 17, Field::MotorTeeth},
    Control{Kind::Label, "Label10", "Frame4", 2160, 120, 495, 255, "Cinta", 0, {}, kLightMagenta, false, 36},
    Control{Kind::Label, "Label9", "Frame4", 1080, 1200, 1215, 255, "INTERASSE", 0, {}, kGreen, true, 31},
    Control{Kind::Line, "Line7", "Frame4", 2640, 1080, 2400, 1200, {}, 0, kBlack},
    Control{Kind::Line, "Line6", "Frame4", 2640, 1080, 2400, 960, {}, 0, kBlack},
    Control{Kind::Line, "Line5", "Frame4", 600, 1080, 840, 1200, {}, 0, kBlack},
    Control{Kind::Line, "Line4", "Frame4", 600, 1080, 840, 960, {}, 0, kBlack},
    Control{Kind::Line, "Line3", "Frame4", 600, 1080, 2640, 1080, {}, 0, kBlue, {}, false, -1, {}, false, 3},
    Control{Kind::Label, "Label6", "Frame4", 2520, 1200, 375, 255, "Vite", 0, {}, {}, false, 21},
    Control{Kind::Label, "Label5", "Frame4", 360, 1200, 615, 255, "Motore", 0, {}, {}, false, 20},
    Control{Kind::Line, "Line2", "Frame4", 720, 720, 2520, 480, {}, 0, kBlack, {}, false, -1, {}, false, 2},
    Control{Kind::Line, "Line1", "Frame4", 600, 1560, 2640, 1800, {}, 0, kBlack, {}, false, -1, {}, false, 2},
    Control{Kind::Circle, "Shape2", "Frame4", 1920, 480, 1455, 1335, {}, 0, kDarkGrey, kRed},
    Control{Kind::Circle, "Shape1", "Frame4", 0, 720, 1335, 855, {}, 0, kBlack, kLightYellow},
    Control{Kind::Label, "Label4", "Frame4", 120, 240, 855, 255, "XL037", 9.75, kBlue, {}, false, 19},
};
// clang-format on

}  // namespace cnc::web
