// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A measured move corrects the drive's figure: an axis that moved M mm when
// C mm were commanded makes C/M of the distance it should per step, so its
// steps per millimetre grow by C/M and Klipper's rotation_distance (mm per
// turn) shrinks by M/C. Exact: every input is a positive Ratio.
//
//   correctedStepsPerMm(80, 100, 99)        -> 8000/99 (80.808080808...)
//   correctedRotationDistance(40, 100, 99)  -> 39.6
//   correctionPercent(100, 99)              -> 100/99 (+1.0101 %)
//   correctionPercent(100, 101)             -> -100/101 (-0.9901 %)
//   signedText(100/99, 4, ",")              -> "+1,0101"
//   signedText(0, 4, ".")                   -> "+0.0000"
//   signedText(-1/100000, 4, ".")           -> "-0.0000" (the direction stays shown)

#include <string>
#include <string_view>

#include "calc/exact_ratio.h"

namespace cnc {

// current x commanded / measured.
Ratio correctedStepsPerMm(const Ratio& current, const Ratio& commanded, const Ratio& measured);

// current x measured / commanded.
Ratio correctedRotationDistance(const Ratio& current, const Ratio& commanded,
                                const Ratio& measured);

// The change of steps per millimetre in percent: (commanded / measured - 1) x 100.
Ratio correctionPercent(const Ratio& commanded, const Ratio& measured);

// roundedText with the value's sign always in front, '+' for zero.
std::string signedText(const Ratio& value, int decimals, std::string_view decimalSeparator);

}  // namespace cnc
