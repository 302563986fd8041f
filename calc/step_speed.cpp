// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/step_speed.h"

#include "calc/calc_error.h"

namespace cnc {
namespace {

// |steps per mm|; a drive without steps or lead has none to divide by.
Ratio stepsPerMmSize(const ExactDrive& drive) {
    const Ratio perMm = magnitudeOf(stepsPerMm(drive));
    if (perMm.numerator.isZero() || perMm.denominator.isZero()) {
        throw CalcError(ErrorKind::DivisionByZero, Field::StepsPerMm);
    }
    return perMm;
}

}  // namespace

Ratio stepFrequencyKhz(const ExactDrive& drive, const Ratio& speedMmPerS) {
    return speedMmPerS * stepsPerMmSize(drive) / ratioOf(1000);
}

Ratio largestSpeedMmPerS(const ExactDrive& drive, const Ratio& frequencyKhz) {
    return frequencyKhz * ratioOf(1000) / stepsPerMmSize(drive);
}

}  // namespace cnc
