// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A drive as exact numbers: what the firmware lines and the questions beyond
// the window compute from, with no double on the way.
//
//   200 steps, 16 microsteps, 8 mm lead, direct -> steps per mm 400,
//                                                  full step 0.04 mm
//   the same through pulleys of 17 (motor) and 36 (screw) teeth
//                                               -> 14400/17 = 847.0588235...
//   the same direct, through a 5:1 gearbox      -> 2000

#include <string_view>
#include <vector>

#include "calc/exact_ratio.h"
#include "calc/form.h"
#include "calc/gear_ratio.h"

namespace cnc {

struct ExactDrive {
    Ratio stepsPerRevolution;  // full steps of the motor
    int microsteps = 1;
    Ratio lead;                // mm the axis moves per turn of the screw or axis pulley
    Ratio drivenTeeth{Natural(1), Natural(1), false};   // the screw pulley, 1 when direct
    Ratio drivingTeeth{Natural(1), Natural(1), false};  // the motor pulley, 1 when direct
    bool throughBelt = false;
    // A reduction after the motor given as a ratio, which has no belt to
    // measure; none through the belt.
    std::vector<GearStage> gearStages;
};

// From the form's texts, read with `decimalSeparator` and no group separator
// (texts the calculation has accepted): steps per revolution and teeth as
// entries (four decimals), the pitch with every typed digit, the teeth only
// through the belt. Throws CalcError for a text that is no number.
ExactDrive exactDriveOf(const Form& form, std::string_view decimalSeparator, int microsteps);

// steps x microsteps x driven x the stages' reduction / (lead x driving).
// The denominator is zero for a lead of zero.
Ratio stepsPerMm(const ExactDrive& drive);

// The axis's travel for one full step of the motor, in mm.
Ratio fullStepTravel(const ExactDrive& drive);

}  // namespace cnc
