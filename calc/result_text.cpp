// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/result_text.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>

#include "calc/exact_ratio.h"

namespace cnc {
namespace {

#if defined(__SIZEOF_INT128__)
__extension__ typedef unsigned __int128 Wide;

std::string digitsOf(Wide n) {
    constexpr std::uint64_t kTenTo19 = 10000000000000000000u;
    if (n <= std::numeric_limits<std::uint64_t>::max()) {
        return std::to_string(static_cast<std::uint64_t>(n));
    }
    const std::string low = std::to_string(static_cast<std::uint64_t>(n % kTenTo19));
    return std::to_string(static_cast<std::uint64_t>(n / kTenTo19)) +
           std::string(19 - low.size(), '0') + low;
}
#endif

// |value| rounded to `decimals`, with '.' and every integer digit: its
// exact binary value, a tie (the double itself) to even. Whole numbers of
// 128 bits hold it, without allocating, from 2^-74 to 2^53 and up to 22
// decimals, where a drive's results lie; exact ratios hold the rest.
std::string fixedDecimals(double magnitude, int decimals) {
#if defined(__SIZEOF_INT128__)
    const auto [mantissa, exponent] = binaryParts(magnitude);
    const int shift = -exponent;  // magnitude = mantissa / 2^shift
    if (decimals <= 22 && shift >= 0 && shift < 128) {
        Wide scaled = mantissa;
        for (int i = 0; i < decimals; ++i) scaled *= 10;
        Wide units = scaled >> shift;
        if (shift > 0) {
            const Wide rest = scaled - (units << shift);
            const Wide half = Wide{1} << (shift - 1);
            if (rest > half || (rest == half && (units & 1) != 0)) ++units;
        }
        std::string digits = digitsOf(units);
        const auto fractionDigits = static_cast<std::size_t>(decimals);
        if (digits.size() <= fractionDigits) {
            digits.insert(0, fractionDigits + 1 - digits.size(), '0');
        }
        if (decimals > 0) digits.insert(digits.size() - fractionDigits, 1, '.');
        return digits;
    }
#endif
    return roundedText(ratioOfDouble(magnitude), decimals, ".");
}

}  // namespace

std::string formatResult(double value, ResultPattern pattern, std::string_view decimalSeparator) {
    if (!std::isfinite(value)) throw std::invalid_argument("result pattern: value not finite");

    // The integer digits, the point, the decimals: the exact binary value
    // rounded to the decimals, a tie (the double itself) to even.
    const std::string fixed = fixedDecimals(std::fabs(value), static_cast<int>(pattern.decimals()));
    const std::size_t point = fixed.find('.');
    const std::string_view integer = std::string_view(fixed).substr(0, point);
    std::string_view fraction =
        point == std::string::npos ? "" : std::string_view(fixed).substr(point + 1);
    while (fraction.size() > pattern.requiredDecimals() && fraction.back() == '0')
        fraction.remove_suffix(1);

    const bool allZero = integer.find_first_not_of('0') == std::string_view::npos &&
                         fraction.find_first_not_of('0') == std::string_view::npos;
    const std::size_t minIntegerDigits = pattern.minIntegerDigits();
    std::string text;
    text.reserve(integer.size() + fraction.size() + minIntegerDigits + decimalSeparator.size() + 1);
    if (value < 0 && !allZero) text += '-';
    if (integer.size() < minIntegerDigits) text.append(minIntegerDigits - integer.size(), '0');
    text += integer;
    if (!fraction.empty()) {
        text += decimalSeparator;
        text += fraction;
    }
    return text;
}

}  // namespace cnc
