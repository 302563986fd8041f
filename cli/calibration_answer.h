// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// --calibra, a question of its own: the figure the firmware has, corrected
// by a move that was commanded and measured.
//   --calibra --attuali 80 --comandati 100 --misurati 99
//     Step/mm corretti: 80.808080808
//     Correzione: Step/mm +1.0101 %
//   --calibra --rotation-distance 40 --comandati 100 --misurati 99
//     rotation_distance corretta: 39.600000000
//     Correzione: rotation_distance -1.0000 %
// Both figures with nine decimals, the correction (the change of the figure
// corrected, which it names) in percent with four and its sign; then the
// firmware's lines, if asked.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/exact_ratio.h"
#include "cli/options.h"
#include "cli/run.h"

namespace cnc::cli {

struct CalibrationAnswer {
    bool rotationDistance = false;  // Klipper's figure, not steps per mm
    bool inches = false;            // --pollici: the distances typed in inches
    std::optional<Ratio> corrected;
    std::optional<Ratio> correctionPercent;
    std::vector<std::string> firmwareLines;
    // What stopped it: an option's text that is no number above zero (its
    // message names the option), or the firmware's refusal; the figures
    // computed before stay.
    std::optional<Failure> failure;
};

// Fills `answer`, the figures before the lines.
void calibrate(const Options& options, std::string_view decimalSeparator,
               CalibrationAnswer& answer);

// The lines of the figures computed, without the firmware's.
std::string calibrationLines(const CalibrationAnswer& answer, std::string_view decimalSeparator);

// What the correction is the change of: "Step/mm" or "rotation_distance".
std::string_view correctedFigure(const CalibrationAnswer& answer);

// The corrected figure and the correction ("+1.0101") as printed.
std::string correctedText(const Ratio& corrected, std::string_view decimalSeparator);
std::string correctionText(const Ratio& percent, std::string_view decimalSeparator);

}  // namespace cnc::cli
