// Distance between the centres of the motor and the screw pulley for a
// toothed belt of a given length:
//   C = sqrt( (p (Nb/2 - (Nm/2 + Ns/2)) / 2)^2 - (Nm p/K/2 - Ns p/K/2)^2 )
// The steps below keep the order in which the doubles are formed, since the
// last shown digit depends on it.

#include <string>

#include "calc/blame.h"
#include "calc/drive_calculation.h"
#include "calc/result_text.h"
#include "calc/tested_arithmetic.h"

namespace cnc {
namespace {

using detail::blamingOn;
using detail::entryValueOf;

// The circle constant of the pitch diameters: the four-decimal 3.1415 rather
// than pi, which the results shown to users have always been computed with.
constexpr double kCircle = 3.1415;

double pitchDiameter(const Form& form, Field teeth, std::string_view separator,
                     std::string_view group, double beltPitch) {
    const std::string text = form.text(teeth);
    const double count = widen(entryValueOf(text, teeth, separator, group));
    return divide(multiply(count, beltPitch), kCircle);
}

}  // namespace

void computeCentreDistance(Form& form, std::string_view decimalSeparator,
                           std::string_view groupSeparator, double beltPitch) {
    const double motorRadius = divide(
        pitchDiameter(form, Field::MotorTeeth, decimalSeparator, groupSeparator, beltPitch), 2);
    const double screwRadius = divide(
        pitchDiameter(form, Field::ScrewTeeth, decimalSeparator, groupSeparator, beltPitch), 2);

    const std::string motorTeeth = form.text(Field::MotorTeeth);
    const std::string screwTeeth = form.text(Field::ScrewTeeth);
    const std::string beltTeeth = form.text(Field::BeltLengthCode);
    const double halfBelt = divide(
        widen(entryValueOf(beltTeeth, Field::BeltLengthCode, decimalSeparator, groupSeparator)),
        2.0);
    const double halfScrew = divide(
        widen(entryValueOf(screwTeeth, Field::ScrewTeeth, decimalSeparator, groupSeparator)), 2.0);
    const double halfMotor =
        widen(entryValueOf(motorTeeth, Field::MotorTeeth, decimalSeparator, groupSeparator)) / 2.0;
    // One test covers the last halving, the sum and the difference.
    const double freeTeeth = divide(subtract(halfBelt, halfMotor + halfScrew), 2);

    const double straightRun = multiply(freeTeeth, beltPitch);
    const double radiusDifference = subtract(motorRadius, screwRadius);
    const double squared =
        subtract(multiply(straightRun, straightRun), multiply(radiusDifference, radiusDifference));
    // Negative when the belt is too short to go round both pulleys.
    const double distance = blamingOn(Field::BeltLengthCode, [&] { return squareRoot(squared); });

    form.setText(Field::CentreDistance, formatResult(distance, kTwoDecimals, decimalSeparator));
    const std::string shown = form.text(Field::CentreDistance);
    form.setText(Field::CentreDistanceMm, shown + " mm");
}

}  // namespace cnc
