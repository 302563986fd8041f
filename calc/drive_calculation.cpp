// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/drive_calculation.h"

namespace cnc {

void calculate(Form& form, std::string_view decimalSeparator, std::string_view groupSeparator,
               double beltPitch) {
    computeSteppingResolution(form, decimalSeparator, groupSeparator);
    computeCentreDistance(form, decimalSeparator, groupSeparator, beltPitch);
}

}  // namespace cnc
