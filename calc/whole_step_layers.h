// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Moves made of whole full steps: a layer height, or any move that must end
// where the motor holds without microstepping, is best a multiple of the
// travel of one full step. Exact, from the drive.
//
//   200 steps, 3 mm lead, direct: full step 3/200 = 0.015 mm
//     height 0.2   -> below 0.195 (13 full steps), above 0.21 (14)
//     height 0.3   -> below and above 0.3 (20)
//     height 0.01  -> no multiple below, above 0.015 (1)

#include <cstdint>
#include <optional>

#include "calc/exact_drive.h"
#include "calc/exact_ratio.h"

namespace cnc {

// k full steps, k x the full step's travel in mm.
struct FullStepMultiple {
    Ratio travel;
    Natural fullSteps;
};

struct NearestLayers {
    Ratio fullStep;  // fullStepTravel, with its sign; the multiples are of its size
    std::optional<FullStepMultiple> below;  // the largest <= height with k >= 1
    FullStepMultiple above;                 // the smallest >= height
};

// Counts above 2^53 steps, beyond what a double holds exactly.
inline constexpr std::uint64_t kMostFullSteps = std::uint64_t{1} << 53;

// `height` > 0. Throws CalcError: DivisionByZero for a drive whose full step
// travels nothing or has no steps, Overflow for more than kMostFullSteps.
NearestLayers nearestLayers(const ExactDrive& drive, const Ratio& height);

}  // namespace cnc
