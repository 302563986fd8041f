// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/belt_geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <utility>

#include "calc/blame.h"
#include "calc/calc_error.h"
#include "calc/entry_value.h"
#include "calc/result_text.h"
#include "calc/translation.h"

namespace cnc {
namespace {

// The bracket's width at the end, in mm; the answer is its middle.
constexpr double kBracketWidth = 1e-5;
// Far more than the ~80 halvings from the widest bracket to kBracketWidth.
constexpr int kMostHalvings = 400;
// Whole numbers of teeth stay exact doubles below this.
constexpr double kWholeLimit = 0x1p53;

// The arguments outside the contract of the functions on numbers.
void require(bool holds) {
    if (!holds) {
        throw CalcError(ErrorKind::InvalidArgument, std::nullopt,
                        _("il passo, i raggi delle pulegge o la lunghezza della cinta non sono "
                          "misure valide."));
    }
}

void requireRadii(double radius1, double radius2) {
    require(std::isfinite(radius1) && radius1 >= 0 && std::isfinite(radius2) && radius2 >= 0);
}

void requirePitch(double beltPitch) { require(std::isfinite(beltPitch) && beltPitch > 0); }

// A belt of `teeth` teeth as a pitch length, formed alike wherever a whole
// belt is measured, so that a belt found to go round is one.
double lengthOf(double teeth, double beltPitch) { return teeth * beltPitch; }

bool goesRound(double radius1, double radius2, double beltLength) {
    return beltLength > openBeltLength(radius1, radius2, radius1 + radius2);
}

ToothedBelt toothedBelt(double radius1, double radius2, double teeth, double beltPitch) {
    const auto distance = exactCentreDistance(radius1, radius2, lengthOf(teeth, beltPitch));
    return {static_cast<std::int64_t>(teeth), distance.value_or(radius1 + radius2)};
}

// "9.99" -> "10.00": the text's value plus one unit of its last digit.
void addOneUnitInTheLastPlace(std::string& digits) {
    for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit) {
        if (*digit == '.') continue;
        if (*digit != '9') {
            ++*digit;
            return;
        }
        *digit = '0';
    }
    digits.insert(digits.begin(), '1');
}

// `limit` >= 0 with two decimals, rounded up: the nearest text, unless the
// value it is read as, the way a typed distance is read, lies below `limit`.
// Compared exactly, so a limit at two decimals stays as it is.
std::string leastDistanceText(double limit, std::string_view decimalSeparator) {
    std::string text = formatResult(limit, kTwoDecimals, ".");
    if (parseDouble(text, ".", "") < limit) addOneUnitInTheLastPlace(text);
    text.replace(text.find('.'), 1, decimalSeparator);
    return text;
}

double teethOf(const Form& form, Field field, std::string_view decimalSeparator,
               std::string_view groupSeparator) {
    const std::string text = form.text(field);
    return widen(detail::entryValueOf(text, field, decimalSeparator, groupSeparator));
}

}  // namespace

double pitchRadius(double teeth, double beltPitch) {
    require(std::isfinite(teeth));
    requirePitch(beltPitch);
    const double radius = std::abs(teeth) * beltPitch / (2 * std::numbers::pi);
    if (!std::isfinite(radius)) throw CalcError(ErrorKind::Overflow);
    return radius;
}

double openBeltLength(double radius1, double radius2, double centreDistance) {
    const double difference = std::abs(radius1 - radius2);
    // Clamped: rounding must not take asin past 1 where C = |R - r|.
    const double angle =
        difference == 0 ? 0 : std::asin(std::min(1.0, difference / centreDistance));
    return 2 * centreDistance * std::cos(angle) + std::numbers::pi * (radius1 + radius2) +
           2 * angle * difference;
}

std::optional<double> exactCentreDistance(double radius1, double radius2, double beltLength) {
    requireRadii(radius1, radius2);
    require(std::isfinite(beltLength));
    if (!goesRound(radius1, radius2, beltLength)) return std::nullopt;
    // L(below) < beltLength; and L(C) >= 2 C cos phi = 2 sqrt(C^2 - (R - r)^2),
    // which is beltLength at `above`.
    double below = radius1 + radius2;
    double above = std::max(below, std::hypot(beltLength / 2, radius1 - radius2));
    for (int halving = 0; halving < kMostHalvings && above - below > kBracketWidth; ++halving) {
        const double middle = below + (above - below) / 2;
        if (middle <= below || middle >= above) break;  // no double left between them
        (openBeltLength(radius1, radius2, middle) < beltLength ? below : above) = middle;
    }
    return below + (above - below) / 2;
}

double fewestTeeth(double radius1, double radius2, double beltPitch) {
    requireRadii(radius1, radius2);
    requirePitch(beltPitch);
    const double touching = openBeltLength(radius1, radius2, radius1 + radius2);
    double teeth = std::max(1.0, std::floor(touching / beltPitch) + 1);
    if (!(teeth < kWholeLimit)) return teeth;
    // The quotient is rounded; a step either way makes it agree with goesRound.
    for (int step = 0;
         step < 4 && teeth > 1 && goesRound(radius1, radius2, lengthOf(teeth - 1, beltPitch));
         ++step) {
        --teeth;
    }
    for (int step = 0; step < 4 && !goesRound(radius1, radius2, lengthOf(teeth, beltPitch));
         ++step) {
        ++teeth;
    }
    return teeth;
}

std::optional<NearestBelts> nearestBelts(double radius1, double radius2, double wantedDistance,
                                         double beltPitch) {
    requireRadii(radius1, radius2);
    require(std::isfinite(wantedDistance));
    requirePitch(beltPitch);
    if (!(wantedDistance > radius1 + radius2)) return std::nullopt;
    // C grows with L: the longest belt no longer than L(D) is the one sought.
    const double wantedLength = openBeltLength(radius1, radius2, wantedDistance);
    double teeth = std::floor(wantedLength / beltPitch);
    if (!(teeth + 2 < kWholeLimit)) throw CalcError(ErrorKind::Overflow);
    if (lengthOf(teeth + 1, beltPitch) <= wantedLength) ++teeth;
    if (teeth > 0 && lengthOf(teeth, beltPitch) > wantedLength) --teeth;

    const double longer = std::max(teeth + 1, fewestTeeth(radius1, radius2, beltPitch));
    NearestBelts belts{std::nullopt, toothedBelt(radius1, radius2, longer, beltPitch)};
    if (teeth >= 1 && goesRound(radius1, radius2, lengthOf(teeth, beltPitch))) {
        belts.shorter = toothedBelt(radius1, radius2, teeth, beltPitch);
    }
    return belts;
}

namespace {

// The pitch radii of the motor and the screw pulley, read in that order.
std::pair<double, double> pulleyRadii(const Form& form, std::string_view decimalSeparator,
                                      std::string_view groupSeparator, double beltPitch) {
    const double motor =
        pitchRadius(teethOf(form, Field::MotorTeeth, decimalSeparator, groupSeparator), beltPitch);
    const double screw =
        pitchRadius(teethOf(form, Field::ScrewTeeth, decimalSeparator, groupSeparator), beltPitch);
    return {motor, screw};
}

}  // namespace

double exactCentreDistance(const Form& form, std::string_view decimalSeparator,
                           std::string_view groupSeparator, double beltPitch) {
    const auto [motor, screw] = pulleyRadii(form, decimalSeparator, groupSeparator, beltPitch);
    const double beltTeeth =
        teethOf(form, Field::BeltLengthCode, decimalSeparator, groupSeparator) / 2;
    if (const auto distance = exactCentreDistance(motor, screw, lengthOf(beltTeeth, beltPitch))) {
        return *distance;
    }
    throw beltTooShort(2 * fewestTeeth(motor, screw, beltPitch));
}

NearestBelts nearestBelts(const Form& form, std::string_view wantedDistance,
                          std::string_view decimalSeparator, std::string_view groupSeparator,
                          double beltPitch) {
    const auto [motor, screw] = pulleyRadii(form, decimalSeparator, groupSeparator, beltPitch);
    const double wanted = widen(parseEntryValue(wantedDistance, decimalSeparator, groupSeparator));
    if (const auto belts = nearestBelts(motor, screw, wanted, beltPitch)) return *belts;
    throw pulleysOverlap(leastDistanceText(motor + screw, decimalSeparator));
}

}  // namespace cnc
