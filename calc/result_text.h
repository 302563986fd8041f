// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Turning a result into the text of a result field, by a digit pattern.
//
// Pattern characters: '0' a digit always shown, '#' a digit shown only when
// the number has it, '.' the decimal separator. The integer part is always
// shown in full (at least as many digits as the pattern has '0' before its
// point, and at least one); the decimals are rounded from the double's exact
// binary value to the pattern's last decimal, ties to even; '#' decimals
// drop trailing zeros. No group separators. A minus sign only when a shown
// digit is not zero.
//
// Examples, decimal separator '.' unless said:
//   133.33333333333334,    "####0.000000000" -> "133.333333333"
//   0.0035416666666666665, "####0.00000000"  -> "0.00354167"
//   -0.0075,               "####0.000000000" -> "-0.007500000"
//   0.0075, separator ',', "####0.000000000" -> "0,007500000"
//   1234567.5,             "###0.00"         -> "1234567.50"
//   0.125,                 "###0.00"         -> "0.12"        (tie, to even)
//   -0.001,                "###0.00"         -> "0.00"
//   2.5,                   "0.0#"            -> "2.5"

#include <cstddef>
#include <string>
#include <string_view>

namespace cnc {

// A digit pattern, read as the program compiles: a pattern with another
// character, a second point or more than kMaxDecimals decimals is a
// programming error and stops the build.
class ResultPattern {
public:
    static constexpr std::size_t kMaxDecimals = 64;

    // Implicit, so that a literal can be passed where a pattern is expected.
    consteval ResultPattern(const char* pattern) {
        std::size_t integerZeros = 0;
        bool afterPoint = false;
        for (; *pattern != '\0'; ++pattern) {
            const char c = *pattern;
            if (c == '.' && !afterPoint) {
                afterPoint = true;
            } else if (c == '0' || c == '#') {
                if (!afterPoint) {
                    integerZeros += c == '0';
                } else {
                    ++decimals_;
                    if (c == '0') requiredDecimals_ = decimals_;
                }
            } else {
                throw "result pattern: a character other than '0', '#' or a single '.'";
            }
        }
        if (decimals_ > kMaxDecimals) throw "result pattern: too many decimals";
        minIntegerDigits_ = integerZeros > 1 ? integerZeros : 1;
    }

    constexpr std::size_t minIntegerDigits() const { return minIntegerDigits_; }
    // Decimals always shown: up to the last '0' after the point.
    constexpr std::size_t requiredDecimals() const { return requiredDecimals_; }
    // Every placeholder after the point.
    constexpr std::size_t decimals() const { return decimals_; }

private:
    std::size_t minIntegerDigits_ = 1;
    std::size_t requiredDecimals_ = 0;
    std::size_t decimals_ = 0;
};

inline constexpr ResultPattern kNineDecimals = "####0.000000000";
inline constexpr ResultPattern kEightDecimals = "####0.00000000";
inline constexpr ResultPattern kTwoDecimals = "###0.00";

// Throws std::invalid_argument for a value that is not finite.
std::string formatResult(double value, ResultPattern pattern, std::string_view decimalSeparator);

}  // namespace cnc
