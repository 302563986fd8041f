// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/calibration.h"

#include <utility>

namespace cnc {
namespace {

// a - b, for a and b >= 0.
Ratio difference(const Ratio& a, const Ratio& b) {
    Natural left = a.numerator * b.denominator;
    Natural right = b.numerator * a.denominator;
    const bool negative = compare(left, right) < 0;
    if (negative) std::swap(left, right);
    left.subtract(right);
    return {std::move(left), a.denominator * b.denominator, negative};
}

}  // namespace

Ratio correctedStepsPerMm(const Ratio& current, const Ratio& commanded, const Ratio& measured) {
    return current * commanded / measured;
}

Ratio correctedRotationDistance(const Ratio& current, const Ratio& commanded,
                                const Ratio& measured) {
    return current * measured / commanded;
}

Ratio correctionPercent(const Ratio& commanded, const Ratio& measured) {
    return difference(commanded, measured) * ratioOf(100) / measured;
}

std::string signedText(const Ratio& value, int decimals, std::string_view decimalSeparator) {
    const Ratio magnitude = magnitudeOf(value);
    const bool negative = value.negative && !magnitude.numerator.isZero();
    return (negative ? "-" : "+") + roundedText(magnitude, decimals, decimalSeparator);
}

}  // namespace cnc
