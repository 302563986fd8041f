// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small picture of the drive a workbench state describes, as SVG text: the
// motor, what stands between it and the axis (nothing, pulleys and a belt, a
// gear ratio), and what moves the axis (a screw, a belt, a wheel, a rack, a
// rotary table, or a drive known only by its steps per mm), each with its key
// numbers, and under them the steps per unit the evaluation found. Written
// once here, without Qt: the page inserts it as markup, the desktop renders it.
//
//   driveDiagram({{"micropassi", "16"}, {"puleggia-asse", "20"}, {"profilo-cinghia", "GT2"}},
//                {.results = {{"Step/mm", "80.000000000"}, ...}}, ".")
//     -> <svg xmlns=... viewBox="0 0 320 120" role="img" aria-label="Motore: 200 passi/giro,
//        × 16 micropassi; Diretto: 1:1; Cinghia: GT2, 20 denti, 40 mm/giro;
//        Step/mm: 80.000000000"><title>(the same words)</title>...</svg>
//
// Contract:
// - The document is well-formed XML, and markup an HTML page may insert as it
//   is (no XML declaration). Every text is escaped; bytes that are no UTF-8,
//   and characters XML does not allow, show as U+FFFD.
// - Its user units are 320 x 120, a results column's width; the viewBox lets
//   it scale to any width.
// - Typed texts are shown as typed, the user's decimal separator included,
//   cut to ten characters and "…"; the travel per turn is computed exactly
//   from them and written with `decimalSeparator`, rounded to four decimals
//   ("≈ 2,1167" where that rounds). A text that is no number leaves out what
//   is computed from it, never the part itself.
// - The steps per unit are the evaluation's first "Step/mm" or "Step/grado"
//   result, under its label; without one, that line is left out.
// - Labels speak the catalogue's language (calc/translation.h).
// - Colours are CSS custom properties with currentColor behind them, set in
//   the document's own style element, so that a page's style sheet sets them
//   (--diagram-ink, --diagram-muted, --diagram-accent, --diagram-fill);
//   withColours() puts plain colours in their place for a renderer without
//   CSS variables.

#include <string>
#include <string_view>

#include "workbench/workbench.h"

namespace cnc::workbench {

std::string driveDiagram(const State& state, const Evaluation& evaluation,
                         std::string_view decimalSeparator);

// The diagram in words, its accessible name, unescaped: "Motore: 200
// passi/giro, × 16 micropassi; Diretto: 1:1; ...; Step/mm: 80.000000000".
std::string driveDescription(const State& state, const Evaluation& evaluation,
                             std::string_view decimalSeparator);

// The colours of a diagram, each as CSS writes it ("#1b1c1d").
struct DiagramColours {
    std::string ink;     // outlines, captions, the steps per unit
    std::string muted;   // the figures under the captions
    std::string accent;  // what turns or travels
    std::string fill;    // the faces of the parts
};

// `svg`, a driveDiagram(), painted with `colours`: only its style element is
// changed, so that no typed text is.
std::string withColours(std::string svg, const DiagramColours& colours);

}  // namespace cnc::workbench
