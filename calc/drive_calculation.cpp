#include "calc/drive_calculation.h"

namespace cnc {

void calculate(Form& form, std::string_view decimalSeparator, double beltPitch) {
    computeSteppingResolution(form, decimalSeparator);
    computeCentreDistance(form, decimalSeparator, beltPitch);
}

}  // namespace cnc
