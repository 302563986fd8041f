// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Screws as a machinist names them, and machines that measure in inches, as
// exact numbers: no double on the way, results rounded once, ties to even.
//
//   pitchOfThreadsPerInch(10)                  -> 2.54 mm (a 1/2"-10 ACME)
//   pitch 2 mm x 4 starts                      -> lead 8 mm (a T8 of lead 8)
//   200 steps, 1/8, 10 threads per inch, direct:
//     exactResolution                          -> "629.921259843", "0.001587500"
//     inchResolution                           -> "16000.000000000", "0.000062500"
//   200 steps, 1/16, 8 threads per inch, 3 starts (lead 9.525 mm):
//     millimetres per step 0.0029765625        -> "0.002976563" (a tie: its double is above)

#include <string>
#include <string_view>

#include "calc/exact_drive.h"
#include "calc/exact_ratio.h"
#include "calc/form.h"

namespace cnc {

// 25.4 mm, exactly.
Ratio millimetresPerInch();

// The pitch of a screw of `threadsPerInch` (> 0) threads per inch, in mm.
Ratio pitchOfThreadsPerInch(const Ratio& threadsPerInch);

// The pitch field's value with every typed digit, after the entry's own
// checks (so that a text the stepping would refuse is refused alike, blamed
// on the pitch field). Throws CalcError.
Ratio exactPitch(const Form& form, std::string_view decimalSeparator,
                 std::string_view groupSeparator);

// The same drive with its lead in inches: its stepsPerMm is then its steps
// per inch.
ExactDrive inInches(ExactDrive drive);

// Steps per unit of the lead and units per step, nine decimals each, with
// `decimalSeparator`.
struct ExactResolution {
    std::string stepsPerUnit;
    std::string unitsPerStep;
};

// From the drive's exact numbers, a negative lead giving negative figures.
// Throws CalcError DivisionByZero, blamed on its field, for a lead, steps or
// teeth of zero, and Overflow, blamed on the pitch field, where the lead or a
// figure lies beyond the range of a double.
ExactResolution exactResolution(const ExactDrive& drive, std::string_view decimalSeparator);
ExactResolution inchResolution(const ExactDrive& drive, std::string_view decimalSeparator);

// Writes exactResolution into StepsPerMm, then MmPerStep.
void computeExactResolution(Form& form, const ExactDrive& drive, std::string_view decimalSeparator);

}  // namespace cnc
