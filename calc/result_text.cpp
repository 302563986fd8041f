// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/result_text.h"

#include <cmath>
#include <stdexcept>

#include "calc/exact_ratio.h"

namespace cnc {

std::string formatResult(double value, ResultPattern pattern, std::string_view decimalSeparator) {
    if (!std::isfinite(value)) throw std::invalid_argument("result pattern: value not finite");

    // The integer digits, the point, the decimals: the exact binary value
    // rounded to the decimals, a tie (the double itself) to even.
    const std::string fixed =
        roundedText(ratioOfDouble(std::fabs(value)), static_cast<int>(pattern.decimals()), ".");
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
