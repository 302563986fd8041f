// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The step pulses a speed asks of the driver, and the speed a largest pulse
// rate allows, microsteps included. Exact, from the drive; the sign of the
// steps per millimetre (the axis's direction) does not count.
//
//   400 steps/mm: 100 mm/s      -> 40 kHz
//                 a 40 kHz most -> 100 mm/s (6000 mm/min)

#include "calc/exact_drive.h"
#include "calc/exact_ratio.h"

namespace cnc {

// speed (mm/s) x steps per mm / 1000. Both throw CalcError DivisionByZero
// for a drive of no steps per millimetre (no steps, or no lead).
Ratio stepFrequencyKhz(const ExactDrive& drive, const Ratio& speedMmPerS);

// frequency (kHz) x 1000 / steps per mm, in mm/s.
Ratio largestSpeedMmPerS(const ExactDrive& drive, const Ratio& frequencyKhz);

}  // namespace cnc
