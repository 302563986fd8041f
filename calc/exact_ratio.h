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
#include <string_view>
#include <vector>

namespace cnc {

// A whole number >= 0 of any size.
class Natural {
public:
    Natural() = default;
    explicit Natural(std::uint64_t value);

    bool isZero() const { return limbs_.empty(); }
    int bitLength() const;

    friend Natural operator*(const Natural& a, const Natural& b);
    // *this * factor + addend.
    void multiplyAdd(std::uint32_t factor, std::uint32_t addend);
    Natural shiftedLeft(int bits) const;
    // a -= b for a >= b.
    void subtract(const Natural& b);
    friend int compare(const Natural& a, const Natural& b);  // -1, 0, 1

private:
    void trim();
    std::vector<std::uint32_t> limbs_;  // least significant first, no zero at the top
};

Natural powerOfTen(int exponent);

// numerator / denominator, with its sign apart; denominator > 0.
struct Ratio {
    Natural numerator;
    Natural denominator{1};
    bool negative = false;
};

// The exact value of a text of the entries' grammar (blanks around it, an
// optional sign, digits with at most one separator, `decimalSeparator` or
// '.'), every digit counting. Throws CalcError TypeMismatch for other text.
Ratio decimalRatio(std::string_view text, std::string_view decimalSeparator);

// |ratio| rounded to the nearest float or double, ties to even; 0 and
// infinity where it falls outside their range.
float nearestFloat(const Ratio& ratio);
double nearestDouble(const Ratio& ratio);

// |ratio| < 10^exponent, exponent >= 0.
bool belowPowerOfTen(const Ratio& ratio, int exponent);

}  // namespace cnc
