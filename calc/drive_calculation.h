#pragma once
// The calculation that the "calcola" button runs, in two stages that each
// read their entries afresh from the form and store each result text the
// moment it is produced. Every function throws CalcError, which ends the
// calculation where it is raised: texts already stored stay, the others keep
// their old text. `decimalSeparator` is the user's, for reading and writing.

#include <string_view>

#include "calc/form.h"

namespace cnc {

// The belt pitch in millimetres the window holds (an XL belt).
inline constexpr double kXlBeltPitch = 5.08;

// Stepping resolution: from the steps per revolution (Text1), the screw pitch
// (Text2), the pulley teeth (Text5, Text6) and the selected stepping mode and
// coupling, writes steps per millimetre into Text3, then millimetres per step
// into Text4. The pulley ratio is checked on every run, even for the direct
// coupling.
void computeSteppingResolution(Form& form, std::string_view decimalSeparator);

// Belt centre distance: from the pulley teeth (Text5, Text6), the belt teeth
// (Text9) and the belt pitch, writes the distance between the pulley centres
// into Text7 ("83.69"), then what Text7 shows followed by " mm" into Text8.
void computeCentreDistance(Form& form, std::string_view decimalSeparator, double beltPitch);

// One press of "calcola": the stepping resolution, then the centre distance
// whichever coupling is selected.
void calculate(Form& form, std::string_view decimalSeparator, double beltPitch);

}  // namespace cnc
