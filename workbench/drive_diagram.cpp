// SPDX-License-Identifier: GPL-3.0-or-later
#include "workbench/drive_diagram.h"

#include <algorithm>
#include <array>
#include <optional>

#include "calc/translation.h"
#include "workbench/drive_parts.h"
#include "workbench/xml_text.h"

namespace cnc::workbench {
namespace {

using internal::DriveParts;
using internal::Part;
using internal::Shape;
using internal::xmlEscaped;

// A colour of the diagram: a custom property, what stands in for it where
// nothing sets it, and the word that stands for it in kRules.
struct Colour {
    std::string_view property;
    std::string_view fallback;
    std::string_view word;
    std::string DiagramColours::*given;
};
constexpr std::array kColours{
    Colour{"--diagram-ink", "currentColor", "@ink", &DiagramColours::ink},
    Colour{"--diagram-muted", "currentColor", "@muted", &DiagramColours::muted},
    Colour{"--diagram-accent", "currentColor", "@accent", &DiagramColours::accent},
    Colour{"--diagram-fill", "none", "@fill", &DiagramColours::fill},
};

constexpr std::string_view kRules =
    ".dd-line{fill:none;stroke:@ink;stroke-width:1.5}"
    ".dd-part{fill:@fill;stroke:@ink;stroke-width:1.5}"
    ".dd-teeth{fill:@fill;stroke:@ink;stroke-width:3;stroke-dasharray:2 1.5}"
    ".dd-rack{fill:none;stroke:@ink;stroke-width:3;stroke-dasharray:3 3}"
    ".dd-moving{fill:@accent;stroke:none}"
    ".dd-rule{fill:none;stroke:@muted;stroke-width:0.5}"
    ".dd-caption{fill:@ink;font-size:10px;font-weight:bold;text-anchor:middle}"
    ".dd-figure{fill:@muted;font-size:9px;text-anchor:middle}"
    ".dd-result{fill:@ink;font-size:11px;font-weight:bold;text-anchor:middle}";

std::string use(const Colour& colour) {
    return "var(" + std::string(colour.property) + ", " + std::string(colour.fallback) + ")";
}

// Every `from` in `text` replaced by `to`.
void replaceAll(std::string& text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
}

std::string style() {
    std::string rules(kRules);
    for (const Colour& colour : kColours) replaceAll(rules, colour.word, use(colour));
    return "<style>" + rules + "</style>";
}

// Each part's picture, in a column 100 units wide, 46 tall; what turns or
// travels in the accent colour.
std::string_view picture(Shape shape) {
    switch (shape) {
        case Shape::Motor:
            return R"(<rect class="dd-part" x="26" y="6" width="34" height="34" rx="3"/>)"
                   R"(<circle class="dd-line" cx="43" cy="23" r="7"/>)"
                   R"(<rect class="dd-moving" x="60" y="21" width="24" height="4"/>)";
        case Shape::Direct:
            return R"(<rect class="dd-moving" x="4" y="21" width="92" height="4"/>)"
                   R"(<rect class="dd-part" x="40" y="14" width="20" height="18" rx="2"/>)";
        case Shape::Pulleys:
            return R"(<path class="dd-line" d="M28 14L70 6M28 32L70 40"/>)"
                   R"(<circle class="dd-part" cx="28" cy="23" r="9"/>)"
                   R"(<circle class="dd-part" cx="70" cy="23" r="17"/>)"
                   R"(<circle class="dd-moving" cx="28" cy="23" r="2.5"/>)"
                   R"(<circle class="dd-moving" cx="70" cy="23" r="2.5"/>)";
        case Shape::Gears:
            return R"(<circle class="dd-teeth" cx="34" cy="23" r="10"/>)"
                   R"(<circle class="dd-teeth" cx="62" cy="23" r="17"/>)"
                   R"(<circle class="dd-moving" cx="34" cy="23" r="2.5"/>)"
                   R"(<circle class="dd-moving" cx="62" cy="23" r="2.5"/>)";
        case Shape::Screw:
            return R"(<rect class="dd-part" x="4" y="19" width="92" height="8"/>)"
                   R"(<path class="dd-line" d="M8 27l4-8M16 27l4-8M24 27l4-8M32 27l4-8M64 27l4-8)"
                   R"(M72 27l4-8M80 27l4-8M88 27l4-8"/>)"
                   R"(<rect class="dd-moving" x="40" y="10" width="22" height="26" rx="2"/>)";
        case Shape::Belt:
            return R"(<path class="dd-line" d="M16 13L86 16M16 33L86 30"/>)"
                   R"(<circle class="dd-part" cx="16" cy="23" r="10"/>)"
                   R"(<circle class="dd-part" cx="86" cy="23" r="7"/>)"
                   R"(<rect class="dd-moving" x="40" y="6" width="24" height="9" rx="2"/>)";
        case Shape::Wheel:
            return R"(<path class="dd-line" d="M4 42H96"/>)"
                   R"(<circle class="dd-part" cx="50" cy="22" r="19"/>)"
                   R"(<path class="dd-line" d="M50 3V41M31 22H69"/>)"
                   R"(<circle class="dd-moving" cx="50" cy="22" r="3.5"/>)";
        case Shape::Rack:
            return R"(<rect class="dd-part" x="4" y="33" width="92" height="8"/>)"
                   R"(<path class="dd-rack" d="M5 31.5H95"/>)"
                   R"(<circle class="dd-teeth" cx="50" cy="16" r="12"/>)"
                   R"(<circle class="dd-moving" cx="50" cy="16" r="2.5"/>)";
        case Shape::Rotary:
            return R"(<path class="dd-part" d="M12 20V30A38 11 0 0 0 88 30V20"/>)"
                   R"(<ellipse class="dd-part" cx="50" cy="20" rx="38" ry="11"/>)"
                   R"(<circle class="dd-moving" cx="74" cy="15" r="3.5"/>)";
        case Shape::KnownSteps:
            return R"(<rect class="dd-part" x="4" y="30" width="92" height="5"/>)"
                   R"(<rect class="dd-moving" x="36" y="13" width="28" height="17" rx="2"/>)";
    }
    return {};
}

// Where the parts go: each in a column 100 units wide, 10 apart, its
// caption and figures centred under its picture. Written as the document
// has them, so that no number is formatted (which would bring the C
// library's printf into the page's module).
constexpr std::array<std::string_view, 3> kColumnOffsets{"0", "110", "220"};
constexpr std::string_view kColumnCentre = "50";
constexpr std::string_view kCaptionBaseline = "58";
constexpr std::array<std::string_view, 3> kFigureBaselines{"70", "81", "92"};
// From one part to the next, between the columns.
constexpr std::string_view kArrows =
    R"(<path class="dd-moving" d="M101 19l8 4-8 4zM211 19l8 4-8 4z"/>)";

void addText(std::string& svg, std::string_view kind, std::string_view x, std::string_view y,
             std::string_view words) {
    svg += R"(<text class=")";
    svg += kind;
    svg += R"(" x=")";
    svg += x;
    svg += R"(" y=")";
    svg += y;
    svg += R"(">)";
    svg += xmlEscaped(words);
    svg += "</text>";
}

void addColumn(std::string& svg, const Part& part, std::size_t index) {
    svg += "<g transform=\"translate(";
    svg += kColumnOffsets[index];
    svg += " 0)\">";
    svg += picture(part.shape);
    addText(svg, "dd-caption", kColumnCentre, kCaptionBaseline, part.caption);
    const std::size_t shown = std::min(part.figures.size(), kFigureBaselines.size());
    for (std::size_t i = 0; i < shown; ++i) {
        addText(svg, "dd-figure", kColumnCentre, kFigureBaselines[i], part.figures[i]);
    }
    svg += "</g>";
}

// The steps per unit: the command line's label, in the catalogue's language
// where it has one.
constexpr std::array<std::string_view, 2> kStepsPerUnit{"Step/mm", "Step/grado"};

const Result* stepsPerUnit(const Evaluation& evaluation) {
    const auto found = std::find_if(
        evaluation.results.begin(), evaluation.results.end(), [](const Result& result) {
            return std::any_of(kStepsPerUnit.begin(), kStepsPerUnit.end(),
                               [&](std::string_view label) {
                                   return result.label == label || result.label == _(label);
                               });
        });
    return found == evaluation.results.end() ? nullptr : &*found;
}

// What a screen reader says: "Motore: 200 passi/giro, × 16 micropassi; ...".
std::string words(const DriveParts& parts, const Result* steps) {
    std::string said;
    for (const Part* part : {&parts.motor, &parts.reduction, &parts.axis}) {
        if (!said.empty()) said += "; ";
        said += part->caption + ":";
        for (std::size_t i = 0; i < part->figures.size(); ++i) {
            said += (i == 0 ? " " : ", ") + part->figures[i];
        }
    }
    if (steps) said += "; " + steps->label + ": " + steps->value;
    return said;
}

constexpr std::size_t kShownResultCharacters = 30;

}  // namespace

std::string driveDescription(const State& state, const Evaluation& evaluation,
                             std::string_view decimalSeparator) {
    return words(internal::partsOf(state, decimalSeparator), stepsPerUnit(evaluation));
}

std::string driveDiagram(const State& state, const Evaluation& evaluation,
                         std::string_view decimalSeparator) {
    const DriveParts parts = internal::partsOf(state, decimalSeparator);
    const Result* steps = stepsPerUnit(evaluation);
    const std::string said = xmlEscaped(words(parts, steps));
    std::string svg =
        R"(<svg xmlns="http://www.w3.org/2000/svg" class="drive-diagram" viewBox="0 0 320 120" )"
        R"(width="320" height="120" role="img" aria-label=")";
    svg += said;
    svg += R"("><title>)";
    svg += said;
    svg += "</title>";
    svg += style();
    svg += kArrows;
    addColumn(svg, parts.motor, 0);
    addColumn(svg, parts.reduction, 1);
    addColumn(svg, parts.axis, 2);
    if (steps) {
        svg += R"(<path class="dd-rule" d="M10 99H310"/>)";
        addText(svg, "dd-result", "160", "114",
                steps->label + " " + internal::cutText(steps->value, kShownResultCharacters));
    }
    return svg + "</svg>";
}

std::string withColours(std::string svg, const DiagramColours& colours) {
    const std::size_t styleEnd = svg.find("</style>");
    if (styleEnd == std::string::npos) return svg;
    std::string head = svg.substr(0, styleEnd);
    for (const Colour& colour : kColours) replaceAll(head, use(colour), colours.*colour.given);
    return head + svg.substr(styleEnd);
}

}  // namespace cnc::workbench
