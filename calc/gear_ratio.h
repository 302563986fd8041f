// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A reduction between the motor and what it drives, given as Klipper's
// gear_ratio writes it: motor turns to output turns, whole positive numbers,
// each stage "A:B", several stages separated by commas, which multiply.
//
//   gearStagesOf("50:17")          -> {50:17}  (a 17-tooth motor gear driving 50 teeth)
//   gearStagesOf(" 57:11, 2:1 ")   -> {57:11, 2:1}, the reduction 114/11
//   gearStagesOf("050:17")         -> {50:17}
//   gearStagesOf("5:0"), ("1.5:1"), ("5"), ("5:1,")  -> nullopt
//   gearRatioText({57:11, 2:1})    -> "57:11, 2:1"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/exact_ratio.h"

namespace cnc {

struct GearStage {
    Natural motorTurns;   // the driven gear's teeth, for a gear pair
    Natural outputTurns;  // the motor gear's teeth
};

// Blanks (spaces, tabs) are allowed around each number; nullopt for any
// other text, for a zero, and for no stage at all.
std::optional<std::vector<GearStage>> gearStagesOf(std::string_view text);

// Motor turns per output turn: the product of the stages (1 for none).
Ratio reductionOf(const std::vector<GearStage>& stages);

// The stages as Klipper's configuration writes them, with ", " between them.
std::string gearRatioText(const std::vector<GearStage>& stages);

}  // namespace cnc
