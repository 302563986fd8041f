// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The answers beside the calculation that come from its stepping alone, so
// that a belt failing later leaves them standing:
//   --strato 0.2 (200 steps, 3 mm, direct)
//     Passo intero (mm): 0.015000000
//     Strato più vicino per difetto: 0.195000000 mm (13 passi interi)
//     Strato più vicino per eccesso: 0.210000000 mm (14 passi interi)
//   --velocita 100 (400 steps/mm)
//     Frequenza dei passi: 40.000000 kHz
//   --frequenza-max 40 (400 steps/mm)
//     Velocità massima: 100.000 mm/s, 6000.000 mm/min
// Millimetres of layers with nine decimals, kHz with six, speeds with three;
// a height below one full step has no layer below it ("nessuno"). On a
// rotary axis the speeds are in degrees: "Velocità massima: 100.000 gradi/s,
// 6000.000 gradi/min", and --velocita is read in degrees per second.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/exact_drive.h"
#include "calc/exact_ratio.h"
#include "calc/translation.h"
#include "calc/whole_step_layers.h"
#include "cli/options.h"

namespace cnc::cli {

struct StepAnswers {
    std::optional<NearestLayers> layers;
    std::optional<Ratio> stepFrequencyKhz;
    std::optional<Ratio> largestSpeedMmPerS;
    // --pollici: the layer and the speed were typed in inches, the figures
    // above are in mm all the same (inch_answers.h prints both).
    bool inches = false;
    std::optional<Ratio> speedMmPerS;  // --velocita, on an inch machine
};

// Whether the options ask any of them.
bool asksStepQuestions(const Options& options);

// Answers what the options ask, in the order above, each stored as soon as
// it is known, for `drive`, the options' drive (its lead a thread count's or
// the starts' where they are given). Throws CalcError, naming the option for
// a text that is no number above zero.
void answerStepQuestions(const Options& options, const ExactDrive& drive,
                         std::string_view decimalSeparator, StepAnswers& answers);

// The unit of the axis's travel, in the keys as it is, in the lines
// through _().
inline constexpr std::string_view kMillimetres = "mm";
// TRANSLATORS: degrees, a rotary axis's unit in speeds: "{0} gradi/s"
inline constexpr std::string_view kDegrees = N_("gradi");

// The answers' lines; on an inch machine the full step, the layers and the
// speeds in inches too, with the millimetres beside (inch_answers.h).
std::string stepAnswerLines(const StepAnswers& answers, std::string_view decimalSeparator,
                            std::string_view unit = kMillimetres);

// A result for JSON: its key, its text with '.' (none for no layer below),
// and for a layer its count of full steps.
struct StepResult {
    std::string key;
    std::optional<std::string> text;
    std::optional<std::uint64_t> fullSteps;
};
std::vector<StepResult> stepAnswerResults(const StepAnswers& answers,
                                          std::string_view unit = kMillimetres);

// The largest speed of --frequenza-max in units per minute, its figure as
// computed; none when it was not asked.
std::optional<Ratio> largestSpeedPerMinute(const StepAnswers& answers);

}  // namespace cnc::cli
