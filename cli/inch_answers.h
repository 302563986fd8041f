// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An inch machine's answers (--pollici): the layer, the speeds and the
// calibration's distances are typed in inches, and each figure is printed in
// inches with the millimetres beside it. The figures are kept in mm
// (StepAnswers, CalibrationAnswer), so that the mm keys of JSON and Grbl's
// $110 of a machine stay what they are; an inch is 25.4 mm exactly, so no
// digit is lost either way.
//   200 steps in half step, 3 mm, direct (full step 0.015 mm, 133.333... steps/mm):
//   --pollici --strato 0.008
//     Passo intero (mm): 0.015000000
//     Passo intero (pollici): 0.000590551
//     Strato più vicino per difetto: 0.007677165 pollici (0.195000000 mm, 13 passi interi)
//     Strato più vicino per eccesso: 0.008267717 pollici (0.210000000 mm, 14 passi interi)
//   --pollici --velocita 1
//     Velocità: 1.000 pollici/s, 60.000 pollici/min (25.400 mm/s, 1524.000 mm/min)
//     Frequenza dei passi: 3.386667 kHz
//   --pollici --frequenza-max 40
//     Velocità massima: 11.811 pollici/s, 708.661 pollici/min (300.000 mm/s, 18000.000 mm/min)
//   --calibra --pollici --attuali 80 --comandati 4 --misurati 4.04 --firmware linuxcnc
//     Step/mm corretti: 79.207920792
//     Step/pollice corretti: 2011.881188119
//     Correzione: Step/mm -0.9901 %
//     [JOINT_0] SCALE = 2011.881188118812 (per inch, as for the drive)
// Layers and the full step with nine decimals, speeds with three, as in mm.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/exact_ratio.h"
#include "cli/calibration_answer.h"
#include "cli/options.h"
#include "cli/step_answers.h"

namespace cnc::cli {

// A length the user typed, in mm: × 25.4 on an inch machine.
Ratio typedInMillimetres(const Options& options, const Ratio& typed);

// The texts stepAnswerLines writes on an inch machine: the full step in
// inches; a layer, "0.007677165 pollici (0.195000000 mm, 13 passi interi)";
// a speed in mm/s, "1.000 pollici/s, 60.000 pollici/min (25.400 mm/s,
// 1524.000 mm/min)".
std::string inchFullStepText(const Ratio& fullStepMm, std::string_view decimalSeparator);
std::string inchLayerText(const FullStepMultiple& layer, std::string_view decimalSeparator);
std::string inchSpeedText(const Ratio& mmPerS, std::string_view decimalSeparator);

// The JSON results an inch machine adds to stepAnswerResults': "_pollici"
// beside each "_mm" key, and the speed asked, velocita_pollici_s and _min
// with velocita_mm_s and _min.
std::vector<StepResult> inchStepAnswerResults(const StepAnswers& answers);

// The corrected steps per inch of a calibration on an inch machine; none for
// Klipper's rotation_distance, which is in mm whatever the machine.
std::optional<Ratio> correctedStepsPerInch(const CalibrationAnswer& answer);

// "Step/pollice corretti: ...\n", or nothing.
std::string inchCalibrationLines(const CalibrationAnswer& answer,
                                 std::string_view decimalSeparator);

}  // namespace cnc::cli
