// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The calculation that the "calcola" button runs, in two stages that each
// read their entries afresh from the form and store each result text the
// moment it is produced. Every function throws CalcError, which ends the
// calculation where it is raised: texts already stored stay, the others keep
// their old text. `decimalSeparator` is the user's, for reading and writing;
// `groupSeparator` the user's too, for reading (see entry_value.h).

#include <string_view>

#include "calc/form.h"

namespace cnc {

// The belt pitch in millimetres the window holds (an XL belt).
inline constexpr double kXlBeltPitch = 5.08;

// Stepping resolution: from the steps per revolution, the screw pitch, the
// pulley teeth and the selected stepping mode and coupling, writes steps per
// millimetre into StepsPerMm, then millimetres per step into MmPerStep. The
// pulley ratio is checked on every run, even for the direct coupling.
void computeSteppingResolution(Form& form, std::string_view decimalSeparator,
                               std::string_view groupSeparator);

// The same for a driver at `microsteps` per full step (1 to 32767, the
// factors of the exact fixed-point product), in place of the stepping mode,
// which is not read: 1 writes what full step writes and 2 what half step
// writes, digit for digit, errors included; any other count writes nine
// decimals in both results.
void computeSteppingResolution(Form& form, std::string_view decimalSeparator,
                               std::string_view groupSeparator, int microsteps);

// Belt centre distance: from the pulley teeth, the belt's length code and the
// belt pitch, writes the distance between the pulley centres into
// CentreDistance ("83.69"), then what that field shows followed by " mm" into
// CentreDistanceMm.
void computeCentreDistance(Form& form, std::string_view decimalSeparator,
                           std::string_view groupSeparator, double beltPitch);

// The centre distance as the selected coupling wants it: through the belt,
// computeCentreDistance itself; with the direct coupling the belt is no part
// of the drive, so where computeCentreDistance would fail (a belt too short
// for the pulleys, a belt entry that is no number) the two results are
// emptied and no error is raised.
void computeCentreDistanceOfCoupling(Form& form, std::string_view decimalSeparator,
                                     std::string_view groupSeparator, double beltPitch);

// One press of "calcola": the stepping resolution, then the centre distance
// whichever coupling is selected, as computeCentreDistanceOfCoupling does.
void calculate(Form& form, std::string_view decimalSeparator, std::string_view groupSeparator,
               double beltPitch);

// The same for a window that stays open after an error: when it fails, the
// results it did not reach are emptied before the error goes on, so that
// none shows a number computed from earlier entries beside the new ones.
void calculateWithoutStaleResults(Form& form, std::string_view decimalSeparator,
                                  std::string_view groupSeparator, double beltPitch);

}  // namespace cnc
