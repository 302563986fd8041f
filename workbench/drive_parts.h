// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Internal to the workbench: the three parts of a drive a diagram shows, as
// the state gives them, each with its caption and key figures in the
// catalogue's language, typed texts cut for the picture.
//
//   partsOf({{"micropassi", "16"}, {"passo-vite", "2"}, {"principi", "4"}}, ".")
//     -> motor     {Motor, "Motore", {"200 passi/giro", "× 16 micropassi"}}
//        reduction {Direct, "Diretto", {"1:1"}}
//        axis      {Screw, "Vite", {"passo 2 mm", "4 principi", "8 mm/giro"}}
// An option given twice counts with its last text, as the command line reads
// it; options that contradict each other are drawn as the first of them in
// the order below, the command line's error saying the rest.

#include <string>
#include <string_view>
#include <vector>

#include "workbench/workbench.h"

namespace cnc::workbench::internal {

enum class Shape {
    Motor,
    Direct,      // no reduction
    Pulleys,     // pulleys and an XL belt (ingranaggi)
    Gears,       // a gear ratio (rapporto)
    Screw,       // passo-vite or filetti-pollice, the default
    Belt,        // puleggia-asse
    Wheel,       // diametro-ruota
    Rack,        // denti-pignone
    Rotary,      // rotativo
    KnownSteps,  // step-mm
};

struct Part {
    Shape shape;
    std::string caption;
    std::vector<std::string> figures;  // at most three
};

struct DriveParts {
    Part motor;
    Part reduction;
    Part axis;
};

DriveParts partsOf(const State& state, std::string_view decimalSeparator);

// The longest typed text a figure shows whole.
inline constexpr std::size_t kShownCharacters = 10;

}  // namespace cnc::workbench::internal
