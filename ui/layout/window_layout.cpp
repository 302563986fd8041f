// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/layout/window_layout.h"

#include <array>
#include <cstddef>

namespace cnc::layout {
namespace {

constexpr Rgb kLightGreen{192, 255, 192};
constexpr Rgb kLightYellow{255, 255, 192};
constexpr Rgb kLightCyan{192, 255, 255};
constexpr Rgb kLightMagenta{255, 192, 255};
constexpr Rgb kSalmon{255, 128, 128};
constexpr Rgb kPeriwinkle{128, 128, 255};
constexpr Rgb kLavender{192, 192, 255};
constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kDarkGreen{0, 128, 0};
constexpr Rgb kGreen{0, 255, 0};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kDarkGrey{64, 64, 64};
constexpr Rgb kBlack{0, 0, 0};

constexpr Window kWindow{.name = "main",
                         .title = "Menu' principale",
                         .background = kLightGreen,
                         .widthTwips = 4680,
                         .heightTwips = 3195};

using enum Kind;

// The rows as written, one control to a row: a control with an identity takes
// its name from it, a text box its initial text and accessible name, an option
// its selection; a frame that follows the coupling is hidden unless the
// initial coupling shows it (completed below).
// clang-format off
constexpr Control kRows[] = {
    // The window: graphic controls, back to front.
    {.kind = Label, .name = "Label1(0)", .rect = {240, 360, 2055, 255},
     .text = "Passi del motore", .font = Font{9.75}, .transparent = true},
    {.kind = Label, .name = "Label1(1)", .rect = {3000, 360, 2295, 255},
     .text = "Passo della vite (mm)", .font = Font{9.75}, .transparent = true},
    // ui/CMakeLists.txt resamples the image ahead of time for this
    // rectangle: keep the two in step.
    {.kind = Picture, .name = "Image1", .rect = {5640, 120, 1185, 825},
     .image = "motor-and-screw", .accessibleName = "Motore passo-passo e vite"},
    // The contact lines are placeholders until there is a real address.
    {.kind = Label, .name = "Label3", .rect = {7200, 120, 1575, 255}, .text = "(indirizzo web)",
     .font = Font{8.25}, .foreground = kBlue, .transparent = true},
    {.kind = Label, .name = "Label7", .rect = {7200, 360, 1935, 255},
     .text = "(numero di telefono)", .foreground = kBlue},

    // The window: text boxes, buttons and frames, back to front.
    {.kind = TextBox, .rect = {120, 720, 1935, 495}, .font = Font{13.5}, .foreground = kBlue,
     .alignment = Alignment::Centre, .tabIndex = 0, .identity = Field::MotorSteps,
     .tooltip = "Passi del motore per giro, a passo intero: per esempio 200 per un motore "
                "da 1,8° a passo."},
    {.kind = Frame, .name = "Frame1", .rect = {120, 1320, 2175, 1575},
     .text = "Settaggio scheda", .background = kLightYellow},
    {.kind = Option, .container = "Frame1", .rect = {240, 480, 1455, 255}, .text = "Mezzo passo",
     .background = kLightYellow, .tabIndex = 3, .identity = SteppingMode::HalfStep},
    {.kind = Option, .container = "Frame1", .rect = {240, 960, 1455, 255},
     .text = "Passo intero", .background = kLightYellow, .tabIndex = 4,
     .identity = SteppingMode::FullStep},
    {.kind = Frame, .name = "Frame2", .rect = {2760, 1320, 3255, 1575},
     .text = "Tipo di accoppiamento", .background = kLightCyan},
    {.kind = Option, .container = "Frame2", .rect = {120, 360, 2175, 255},
     .text = "Accoppiamento diretto", .background = kLightCyan, .tabIndex = 6,
     .identity = Coupling::Direct},
    {.kind = Option, .container = "Frame2", .rect = {120, 720, 2775, 255},
     .text = "Accoppiamento con ingranaggi", .background = kLightCyan, .tabIndex = 7,
     .identity = Coupling::Belt},
    {.kind = TextBox, .rect = {2880, 600, 2415, 420}, .font = Font{12},
     .alignment = Alignment::Centre, .tabIndex = 8, .identity = Field::ScrewPitch,
     .tooltip = "Passo della vite, in millimetri: di quanto avanza l'asse a ogni giro della "
                "vite. Per una vite a più principi scrivi l'avanzamento per giro (il passo "
                "per il numero dei principi)."},
    {.kind = Button, .rect = {360, 5520, 1455, 495}, .text = "calcola",
     .background = kPeriwinkle, .tabIndex = 10, .identity = Command::Calculate},

    // The results group.
    {.kind = Frame, .name = "Frame3", .rect = {120, 3120, 5895, 2055}, .text = "Risultati",
     .background = kSalmon},
    {.kind = Label, .name = "Label2(0)", .container = "Frame3", .rect = {240, 240, 1935, 615},
     .text = "Step/mm", .font = Font{12}, .foreground = kBlue, .background = kLightYellow,
     .alignment = Alignment::Centre},
    {.kind = Label, .name = "Label2(1)", .container = "Frame3", .rect = {240, 1080, 1935, 255},
     .text = "Risoluzione del passo (mm)", .background = kLightYellow},
    {.kind = Label, .name = "Label8", .container = "Frame3", .rect = {4560, 240, 1215, 615},
     .text = "Valore da inserire nel software CNC", .background = kLightYellow,
     .alignment = Alignment::Centre},
    {.kind = Label, .name = "Label2(2)", .container = "Frame3", .rect = {240, 1680, 1935, 255},
     .text = "Interasse", .background = kLightYellow},
    {.kind = TextBox, .container = "Frame3", .rect = {2280, 240, 2175, 735}, .font = Font{13.5},
     .foreground = kBlue, .tabIndex = 12, .identity = Field::StepsPerMm,
     .describedBy = "Label8"},
    {.kind = TextBox, .container = "Frame3", .rect = {2280, 1080, 2175, 375}, .font = Font{8.25},
     .foreground = kDarkGreen, .tabIndex = 14, .identity = Field::MmPerStep},
    {.kind = TextBox, .container = "Frame3", .rect = {2280, 1560, 2055, 405}, .font = Font{9.75},
     .alignment = Alignment::Centre, .tabIndex = 34, .identity = Field::CentreDistanceMm},

    // The belt group and its drawing: graphic controls, back to front.
    {.kind = Frame, .name = "Frame4", .rect = {6120, 1080, 3615, 2535}, .text = "Ingranaggi",
     .background = kLightMagenta, .shownWith = Coupling::Belt},
    {.kind = Label, .name = "Label4", .container = "Frame4", .rect = {120, 240, 855, 255},
     .text = "XL037", .font = Font{9.75}, .foreground = kBlue, .transparent = true},
    {.kind = Shape, .name = "Shape1", .container = "Frame4", .rect = {0, 720, 1335, 855},
     .foreground = kBlack, .background = kLightYellow},
    {.kind = Shape, .name = "Shape2", .container = "Frame4", .rect = {1920, 480, 1455, 1335},
     .foreground = kDarkGrey, .background = kRed},
    {.kind = Line, .name = "Line1", .container = "Frame4", .from = {600, 1560},
     .to = {2640, 1800}, .lineWidth = 2, .foreground = kBlack},
    {.kind = Line, .name = "Line2", .container = "Frame4", .from = {720, 720}, .to = {2520, 480},
     .lineWidth = 2, .foreground = kBlack},
    {.kind = Label, .name = "Label5", .container = "Frame4", .rect = {360, 1200, 615, 255},
     .text = "Motore", .transparent = true},
    {.kind = Label, .name = "Label6", .container = "Frame4", .rect = {2520, 1200, 375, 255},
     .text = "Vite", .transparent = true},
    {.kind = Line, .name = "Line3", .container = "Frame4", .from = {600, 1080},
     .to = {2640, 1080}, .lineWidth = 3, .foreground = kBlue},
    {.kind = Line, .name = "Line4", .container = "Frame4", .from = {600, 1080}, .to = {840, 960},
     .foreground = kBlack},
    {.kind = Line, .name = "Line5", .container = "Frame4", .from = {600, 1080},
     .to = {840, 1200}, .foreground = kBlack},
    {.kind = Line, .name = "Line6", .container = "Frame4", .from = {2640, 1080},
     .to = {2400, 960}, .foreground = kBlack},
    {.kind = Line, .name = "Line7", .container = "Frame4", .from = {2640, 1080},
     .to = {2400, 1200}, .foreground = kBlack},
    {.kind = Label, .name = "Label9", .container = "Frame4", .rect = {1080, 1200, 1215, 255},
     .text = "INTERASSE", .background = kGreen, .alignment = Alignment::Centre},
    {.kind = Label, .name = "Label10", .container = "Frame4", .rect = {2160, 120, 495, 255},
     .text = "Cinta", .background = kLightMagenta},
    // ... and its text boxes, back to front.
    {.kind = TextBox, .container = "Frame4", .rect = {240, 1800, 735, 375},
     .alignment = Alignment::Centre, .tabIndex = 17, .identity = Field::MotorTeeth,
     .tooltip = "Numero dei denti della puleggia sul motore."},
    {.kind = TextBox, .container = "Frame4", .rect = {2280, 1800, 735, 375},
     .alignment = Alignment::Centre, .tabIndex = 18, .identity = Field::ScrewTeeth,
     .tooltip = "Numero dei denti della puleggia sulla vite."},
    {.kind = TextBox, .container = "Frame4", .rect = {1080, 720, 1215, 285},
     .alignment = Alignment::Centre, .readOnly = true, .tabIndex = 32,
     .identity = Field::CentreDistance},
    {.kind = TextBox, .container = "Frame4", .rect = {1080, 120, 1095, 285},
     .alignment = Alignment::Centre, .tabIndex = 35, .identity = Field::BeltLengthCode,
     .tooltip = "Codice di lunghezza della cinghia XL: il numero stampato sulla cinghia "
                "prima di «XL», in decimi di pollice. Per esempio 120 per una cinghia "
                "120XL037, che ha 60 denti."},

    {.kind = Button, .rect = {2280, 5520, 1695, 495}, .text = "Fine lavoro",
     .background = kLavender, .tabIndex = 22, .identity = Command::Quit},

    // The belt-type group: shown with the belt group, read by nothing.
    {.kind = Frame, .name = "Frame5", .rect = {6120, 3720, 3615, 1455},
     .text = "Tipo ingranaggio", .background = kLightCyan, .shownWith = Coupling::Belt},
    {.kind = Option, .name = "Option3(0)", .container = "Frame5", .rect = {120, 240, 3135, 255},
     .text = "XL (EXTRA LEGGERA) P.5.08mm", .background = kLightCyan, .selected = true,
     .tabIndex = 27},
    {.kind = Option, .name = "Option3(1)", .container = "Frame5", .rect = {120, 480, 2895, 255},
     .text = "L (LEGGERA) P.9,525mm", .background = kLightCyan, .tabIndex = 28},
    {.kind = Option, .name = "Option3(2)", .container = "Frame5", .rect = {120, 720, 2775, 255},
     .text = "H (PESANTE) P. 12,7mm", .background = kLightCyan, .tabIndex = 29},
    {.kind = Option, .name = "Option3(3)", .container = "Frame5", .rect = {120, 960, 3135, 255},
     .text = "XH (EXTRA PESANTE) P. 22,225mm", .background = kLightCyan, .tabIndex = 30},
};
// clang-format on

constexpr std::size_t kControlCount = std::size(kRows);

// The name and initial state that follow from a control's identity.
constexpr Control completed(Control control) {
    if (const auto* field = std::get_if<Field>(&control.identity)) {
        control.name = layoutName(*field);
        control.text = initialText(*field);
        control.accessibleName = fieldCaption(*field);
    } else if (const auto* mode = std::get_if<SteppingMode>(&control.identity)) {
        control.name = layoutName(*mode);
        control.selected = *mode == kInitialSteppingMode;
    } else if (const auto* coupling = std::get_if<Coupling>(&control.identity)) {
        control.name = layoutName(*coupling);
        control.selected = *coupling == kInitialCoupling;
    } else if (const auto* command = std::get_if<Command>(&control.identity)) {
        control.name = layoutName(*command);
    }
    if (control.shownWith) control.hidden = *control.shownWith != kInitialCoupling;
    return control;
}

constexpr std::array<Control, kControlCount> completedRows() {
    std::array<Control, kControlCount> all{};
    for (std::size_t i = 0; i < kControlCount; ++i) all[i] = completed(kRows[i]);
    return all;
}

constexpr std::array<Control, kControlCount> kControls = completedRows();

// --- What the table must hold, checked as it compiles.

constexpr bool wholePixels(int twips) { return twips % kTwipsPerPixel == 0; }

constexpr bool inWholePixels(const Control& c) {
    return wholePixels(c.rect.left) && wholePixels(c.rect.top) && wholePixels(c.rect.width) &&
           wholePixels(c.rect.height) && wholePixels(c.from.x) && wholePixels(c.from.y) &&
           wholePixels(c.to.x) && wholePixels(c.to.y);
}

// Index of the control called `name`, or kControlCount.
constexpr std::size_t indexOf(std::string_view name) {
    for (std::size_t i = 0; i < kControlCount; ++i) {
        if (kControls[i].name == name) return i;
    }
    return kControlCount;
}

constexpr bool containerComesFirst(std::size_t i) {
    const std::string_view container = kControls[i].container;
    if (container.empty()) return true;
    const std::size_t frame = indexOf(container);
    return frame < i && kControls[frame].kind == Frame;
}

template <class T>
constexpr std::size_t countOf(T identity) {
    std::size_t count = 0;
    for (const Control& c : kControls) count += c.identity == Identity(identity);
    return count;
}

constexpr bool eachIdentityOnce() {
    for (std::size_t f = 0; f < kFieldCount; ++f) {
        if (countOf(static_cast<Field>(f)) != 1) return false;
    }
    for (std::size_t e = 0; e < kChoiceElements; ++e) {
        if (countOf(static_cast<SteppingMode>(e)) != 1) return false;
        if (countOf(static_cast<Coupling>(e)) != 1) return false;
    }
    return countOf(Command::Calculate) == 1 && countOf(Command::Quit) == 1;
}

// Exactly the entries say what to type, and nothing is described twice.
constexpr bool tooltipWhereItBelongs(const Control& c) {
    const auto* field = std::get_if<Field>(&c.identity);
    const bool entry = field != nullptr && isEntry(*field);
    return entry != c.tooltip.empty() && (c.tooltip.empty() || c.describedBy.empty());
}

// What a control stands for fits its kind: the window relies on it.
constexpr bool identityFitsKind(const Control& c) {
    if (std::holds_alternative<Field>(c.identity)) return c.kind == TextBox;
    if (std::holds_alternative<SteppingMode>(c.identity)) return c.kind == Option;
    if (std::holds_alternative<Coupling>(c.identity)) return c.kind == Option;
    if (std::holds_alternative<Command>(c.identity)) return c.kind == Button;
    return !c.shownWith || c.kind == Frame;
}

constexpr bool wellFormed() {
    for (std::size_t i = 0; i < kControlCount; ++i) {
        const Control& c = kControls[i];
        if (!identityFitsKind(c) || !tooltipWhereItBelongs(c)) return false;
        if (c.name.empty() || indexOf(c.name) != i) return false;  // named, once
        if (!inWholePixels(c) || !containerComesFirst(i)) return false;
        if (!c.describedBy.empty() && indexOf(c.describedBy) == kControlCount) return false;
        for (std::size_t j = 0; j < i; ++j) {
            if (c.tabIndex && c.tabIndex == kControls[j].tabIndex) return false;
        }
    }
    return wholePixels(kWindow.widthTwips) && wholePixels(kWindow.heightTwips);
}

static_assert(wellFormed(),
              "every control named once, in whole pixels, after its frame, with its own tab "
              "index, standing for what its kind can, and a tooltip on every entry only");
static_assert(eachIdentityOnce(), "every field, choice element and command exactly once");

}  // namespace

const Window& window() { return kWindow; }

std::span<const Control> controls() { return kControls; }

}  // namespace cnc::layout
