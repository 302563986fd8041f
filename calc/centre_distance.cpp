// SPDX-License-Identifier: GPL-3.0-or-later
// Distance between the centres of the motor and the screw pulley for a
// toothed belt of a given length:
//   C = sqrt( (p (Nb/2 - (Nm/2 + Ns/2)) / 2)^2 - (Nm p/K/2 - Ns p/K/2)^2 )
// Nm and Ns are the pulleys' teeth, Nb the belt's length code, which is twice
// its teeth (120 for a 120XL belt of 60 teeth).
// The steps below keep the order in which the doubles are formed, since the
// last shown digit depends on it.
//
// The formula squares the length term, so a belt that does not reach round
// the pulleys at all would still get a distance, and so would one that puts
// the pulleys on top of each other. Both are refused, on the very doubles
// the distance is formed from.

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "calc/blame.h"
#include "calc/drive_calculation.h"
#include "calc/result_text.h"
#include "calc/tested_arithmetic.h"

namespace cnc {
namespace {

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

// The pulleys as the formula takes them.
struct Pulleys {
    double motorRadius;
    double screwRadius;
    double halfMotor;  // teeth of the motor pulley, halved
    double halfScrew;
};

// The formula for one belt, from its length code halved.
struct Belt {
    double freeTeeth;  // the length term: not positive when the belt is too short to reach round
    double squaredDistance;
};

Belt beltOf(double halfBelt, const Pulleys& pulleys, double beltPitch) {
    // One test covers the motor's halving, the sum and the difference.
    const double freeTeeth = divide(subtract(halfBelt, pulleys.halfMotor + pulleys.halfScrew), 2);
    const double straightRun = multiply(freeTeeth, beltPitch);
    const double radiusDifference = subtract(pulleys.motorRadius, pulleys.screwRadius);
    return {freeTeeth, subtract(multiply(straightRun, straightRun),
                                multiply(radiusDifference, radiusDifference))};
}

// The centre distance, if the belt reaches round both pulleys and they do not
// overlap.
std::optional<double> distanceRound(const Belt& belt, const Pulleys& pulleys) {
    if (!(belt.freeTeeth > 0 && belt.squaredDistance >= 0)) return std::nullopt;
    const double distance = std::sqrt(belt.squaredDistance);
    if (!(distance > std::abs(pulleys.motorRadius) + std::abs(pulleys.screwRadius))) {
        return std::nullopt;
    }
    return distance;
}

// The smallest even length code (a whole number of teeth, at least one) with
// which the belt goes round these pulleys. The two checks together say that
// the length term exceeds the hypotenuse of the radii's sum and difference,
// which gives the code in closed form; a step or two of correction then
// makes it agree with the check on rounded doubles. Codes beyond 2^52 are
// beyond any entry, so they are left uncorrected.
double smallestFittingCode(const Pulleys& pulleys, double beltPitch) {
    const double reach = std::hypot(std::abs(pulleys.motorRadius) + std::abs(pulleys.screwRadius),
                                    pulleys.motorRadius - pulleys.screwRadius);
    // code / 4 - (halfMotor + halfScrew) / 2 > reach / beltPitch
    const double threshold = 2 * (pulleys.halfMotor + pulleys.halfScrew) + 4 * reach / beltPitch;
    double code = std::max(2.0, 2 * std::floor(threshold / 2) + 2);
    if (!(code < 0x1p52)) return code;
    const auto fits = [&](double candidate) {
        return distanceRound(beltOf(candidate / 2.0, pulleys, beltPitch), pulleys).has_value();
    };
    for (int step = 0; step < 4 && code > 2 && fits(code - 2); ++step) code -= 2;
    for (int step = 0; step < 4 && !fits(code); ++step) code += 2;
    return code;
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
    const std::string beltCode = form.text(Field::BeltLengthCode);
    const double halfBelt = divide(
        widen(entryValueOf(beltCode, Field::BeltLengthCode, decimalSeparator, groupSeparator)),
        2.0);
    const double halfScrew = divide(
        widen(entryValueOf(screwTeeth, Field::ScrewTeeth, decimalSeparator, groupSeparator)), 2.0);
    const double halfMotor =
        widen(entryValueOf(motorTeeth, Field::MotorTeeth, decimalSeparator, groupSeparator)) / 2.0;
    const Pulleys pulleys{motorRadius, screwRadius, halfMotor, halfScrew};

    const std::optional<double> distance =
        distanceRound(beltOf(halfBelt, pulleys, beltPitch), pulleys);
    if (!distance) throw beltTooShort(smallestFittingCode(pulleys, beltPitch));

    form.setText(Field::CentreDistance, formatResult(*distance, kTwoDecimals, decimalSeparator));
    const std::string shown = form.text(Field::CentreDistance);
    form.setText(Field::CentreDistanceMm, shown + " mm");
}

}  // namespace cnc
