// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/screw_lead.h"

#include <cmath>
#include <utility>

#include "calc/blame.h"
#include "calc/calc_error.h"

namespace cnc {
namespace {

constexpr int kResolutionDecimals = 9;

Ratio reciprocal(const Ratio& value) { return ratioOf(1) / value; }

// Neither figure is finite when one factor of the drive is zero.
void requireNoZero(const ExactDrive& drive) {
    const std::pair<const Ratio&, Field> factors[] = {
        {drive.lead, Field::ScrewPitch},
        {drive.stepsPerRevolution, Field::MotorSteps},
        {drive.drivingTeeth, Field::MotorTeeth},
        {drive.drivenTeeth, Field::ScrewTeeth},
    };
    for (const auto& [factor, field] : factors) {
        if (factor.numerator.isZero()) throw CalcError(ErrorKind::DivisionByZero, field);
    }
}

// Each figure is a result, which a double must hold as the window's do.
void requireDoubleRange(const Ratio& figure) {
    if (std::isinf(nearestDouble(figure))) throw CalcError(ErrorKind::Overflow, Field::ScrewPitch);
}

}  // namespace

Ratio millimetresPerInch() { return Ratio{Natural(254), Natural(10), false}; }

Ratio pitchOfThreadsPerInch(const Ratio& threadsPerInch) {
    return millimetresPerInch() / threadsPerInch;
}

Ratio exactPitch(const Form& form, std::string_view decimalSeparator,
                 std::string_view groupSeparator) {
    const std::string text = form.text(Field::ScrewPitch);
    detail::entryValueOf(text, Field::ScrewPitch, decimalSeparator, groupSeparator);
    return detail::blamingOn(Field::ScrewPitch,
                             [&] { return decimalRatio(text, decimalSeparator); });
}

ExactDrive inInches(ExactDrive drive) {
    drive.lead = drive.lead / millimetresPerInch();
    return drive;
}

ExactResolution exactResolution(const ExactDrive& drive, std::string_view decimalSeparator) {
    requireNoZero(drive);
    const Ratio steps = stepsPerMm(drive);
    const Ratio step = reciprocal(steps);
    for (const Ratio& figure : {drive.lead, steps, step}) requireDoubleRange(figure);
    return {roundedText(steps, kResolutionDecimals, decimalSeparator),
            roundedText(step, kResolutionDecimals, decimalSeparator)};
}

ExactResolution inchResolution(const ExactDrive& drive, std::string_view decimalSeparator) {
    return exactResolution(inInches(drive), decimalSeparator);
}

void computeExactResolution(Form& form, const ExactDrive& drive,
                            std::string_view decimalSeparator) {
    const ExactResolution resolution = exactResolution(drive, decimalSeparator);
    form.setText(Field::StepsPerMm, resolution.stepsPerUnit);
    form.setText(Field::MmPerStep, resolution.unitsPerStep);
}

}  // namespace cnc
