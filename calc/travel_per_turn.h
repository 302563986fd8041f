// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What one turn of the driven part moves the axis, for the drives that are
// neither a screw nor a belt pulley: a wheel by its diameter (an extruder's
// hobbed gear, a capstan, a roller), a pinion on a rack, a drive known only
// by its steps per millimetre, and a rotary axis, which turns 360 degrees.
//
// Circumferences are π times a typed length. π is taken to 50 decimals
// (3.14159...37510, 6·10^-51 below π), so every figure computed from one is
// off by less than 2·10^-51 of itself: a printed digit can be wrong only for
// a value that close to a rounding tie, which for any figure below 10^10
// means within 10^-40 of it. So 200 steps at 1/16 on a wheel of 7.3 mm:
//   wheelTravel(7.3)                     -> 22.933626371... mm (π·7.3)
//   steps per mm                         -> 139.533100793 (3200 / (π·7.3))
//   rackTravelByModule(1.5, 20)          -> 94.247779607... mm (π·1.5·20)
//   rackTravelByPitch(5, 24)             -> 120 mm, exactly
//   travelOfKnownSteps(drive, 80)        -> 40 mm for 200 steps at 1/16 (Klipper's rotation_distance)
//   kDegreesPerTurn                      -> 360, the lead of a rotary axis

#include "calc/exact_drive.h"
#include "calc/exact_ratio.h"

namespace cnc {

inline constexpr int kDegreesPerTurn = 360;

// π to 50 decimals, below it.
Ratio piRatio();

// π × diameter.
Ratio wheelTravel(const Ratio& diameter);

// A pinion of `teeth` on a rack of that module (π × module × teeth) or of that
// circular pitch (pitch × teeth).
Ratio rackTravelByModule(const Ratio& module, const Ratio& teeth);
Ratio rackTravelByPitch(const Ratio& pitch, const Ratio& teeth);

// The travel per turn of the output that gives `stepsPerMm` with the drive's
// steps, microsteps and reduction (its lead is not read): steps × microsteps
// × reduction / stepsPerMm, with stepsPerMm > 0.
Ratio travelOfKnownSteps(const ExactDrive& drive, const Ratio& stepsPerMm);

}  // namespace cnc
