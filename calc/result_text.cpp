// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/result_text.h"

#include <fmt/format.h>

#include <array>
#include <cassert>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace cnc {
namespace {

// Every integer digit of the largest double.
constexpr std::size_t kMaxIntegerDigits = std::numeric_limits<double>::max_exponent10 + 1;

}  // namespace

std::string formatResult(double value, ResultPattern pattern, std::string_view decimalSeparator) {
    if (!std::isfinite(value)) throw std::invalid_argument("result pattern: value not finite");

    // The integer digits, the point, the decimals: {fmt} writes the exact
    // binary value rounded to the decimals, ties to even.
    std::array<char, kMaxIntegerDigits + 1 + ResultPattern::kMaxDecimals> buffer{};
    const auto written = fmt::format_to_n(buffer.data(), buffer.size(), "{:.{}f}",
                                          std::fabs(value), pattern.decimals());
    assert(written.size <= buffer.size());

    const std::string_view fixed(buffer.data(), written.size);
    const std::size_t point = fixed.find('.');
    const std::string_view integer = fixed.substr(0, point);
    std::string_view fraction = point == std::string_view::npos ? "" : fixed.substr(point + 1);
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
