// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Exact positive ratios of whole numbers of any size, and the binary floating
// point numbers nearest to them: the figures a firmware stores, computed from
// the texts the user typed without passing through a double on the way.
//
//   decimalRatio("3,175", ",")        -> 3175 / 1000
//   decimalRatio("-0.5", ".")         -> negative, 5 / 10
//   nearestFloat(1 / 10)              -> 0.100000001490116... (the float 0x1.99999ap-4)
//   nearestDouble(2 / 3)              -> 0.66666666666666663
//   nearestFloat(1 / 10^50)           -> 0 (below half the smallest float)
//   nearestFloat(10^39 / 1)           -> infinity (beyond the largest float)
// Ties go to the even neighbour, as IEEE 754 rounds.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calc/entry_value.h"

namespace cnc {

// A whole number >= 0 of any size.
class Natural {
public:
    Natural() = default;
    explicit Natural(std::uint64_t value);

    bool isZero() const { return limbs_.empty(); }
    bool isOdd() const { return !limbs_.empty() && (limbs_.front() & 1) != 0; }
    int bitLength() const;

    friend Natural operator*(const Natural& a, const Natural& b);
    // *this * factor + addend.
    void multiplyAdd(std::uint32_t factor, std::uint32_t addend);
    Natural shiftedLeft(int bits) const;
    // a -= b for a >= b.
    void subtract(const Natural& b);
    friend int compare(const Natural& a, const Natural& b);  // -1, 0, 1
    // The quotient and the remainder; divisor > 0.
    friend std::pair<Natural, Natural> divide(const Natural& dividend, const Natural& divisor);
    std::string decimalDigits() const;              // "0" for zero
    std::optional<std::uint64_t> toUint64() const;  // nullopt from 2^64 up

private:
    std::pair<Natural, Natural> splitAt(int bits) const;
    void trim();
    void setBit(int bit);
    std::vector<std::uint32_t> limbs_;  // least significant first, no zero at the top
};

Natural powerOfTen(int exponent);

// numerator / denominator, with its sign apart; denominator > 0.
struct Ratio {
    Natural numerator;
    Natural denominator{1};
    bool negative = false;
};

// Exact arithmetic; a quotient by zero has a zero denominator, which the
// functions below do not take.
Ratio operator*(const Ratio& a, const Ratio& b);
Ratio operator/(const Ratio& a, const Ratio& b);
Ratio ratioOf(std::int64_t whole);
Ratio ratioOf(EntryValue value);  // its ten-thousandths over 10,000
// |value| of a finite double as mantissa x 2^exponent, the mantissa a
// whole number below 2^53, of 53 bits for a normal double:
// 0.1 -> {7205759403792794, -56}.
struct BinaryParts {
    std::uint64_t mantissa;
    int exponent;
};
BinaryParts binaryParts(double value);
// The exact value of a finite double: 0.1 -> 3602879701896397 / 2^55.
Ratio ratioOfDouble(double value);
// |value|.
inline Ratio magnitudeOf(Ratio value) {
    value.negative = false;
    return value;
}

// The exact value of a text of the entries' grammar (blanks around it, an
// optional sign, digits with at most one separator, `decimalSeparator` or
// '.'), every digit counting. Throws CalcError TypeMismatch for other text.
Ratio decimalRatio(std::string_view text, std::string_view decimalSeparator);

// |ratio| rounded to the nearest float or double, ties to even; 0 and
// infinity where it falls outside their range.
float nearestFloat(const Ratio& ratio);
double nearestDouble(const Ratio& ratio);

// The value rounded to `decimals` decimals (0 to 64) with
// `decimalSeparator`, every integer digit, no group separators, and a minus
// sign only when a shown digit is not zero, as results are written. An exact
// tie goes the way the double nearest to the value rounds, as a result
// computed in double prints: up or down as that double lies above or below
// it, to even when the double is the tie itself.
//   roundedText(400 / 3, 9, ",")     -> "133,333333333"
//   roundedText(1 / 8, 2, ".")       -> "0.12"  (tie, a double: to even)
//   roundedText(1 / 5120, 9, ".")    -> "0.000195313"  (its double is above the tie)
//   roundedText(-1 / 1000, 2, ".")   -> "0.00"
//   roundedText(10^30 / 1, 1, ".")   -> "1000000000000000000000000000000.0"
std::string roundedText(const Ratio& value, int decimals, std::string_view decimalSeparator);

// |ratio| < 10^exponent, exponent >= 0.
bool belowPowerOfTen(const Ratio& ratio, int exponent);

// |ratio| against 10^exponent, any exponent: -1, 0, 1.
int compareWithPowerOfTen(const Ratio& ratio, int exponent);

}  // namespace cnc
