// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/decimal_text.h"

#include <charconv>
#include <string_view>

#include <fmt/compile.h>

namespace cnc {
namespace {

// {fmt}'s shortest form in positional notation: "1e+21" -> "1000000000000000000000",
// "1.5e-05" -> "0.000015"; a text without an exponent is returned as it is.
std::string positional(const std::string& shortest) {
    const std::size_t e = shortest.find('e');
    if (e == std::string::npos) return shortest;
    int exponent = 0;
    const char* first = shortest.data() + e + 1;
    if (*first == '+') ++first;
    std::from_chars(first, shortest.data() + shortest.size(), exponent);
    const bool negative = shortest.front() == '-';
    std::string mantissa = shortest.substr(negative ? 1 : 0, e - (negative ? 1 : 0));
    const std::size_t point = mantissa.find('.');
    const int integerDigits =
        static_cast<int>(point == std::string::npos ? mantissa.size() : point);
    if (point != std::string::npos) mantissa.erase(point, 1);
    const int newPoint = integerDigits + exponent;
    const int digits = static_cast<int>(mantissa.size());
    std::string text;
    if (newPoint <= 0) {
        text = "0." + std::string(static_cast<std::size_t>(-newPoint), '0') + mantissa;
    } else if (newPoint >= digits) {
        text = mantissa + std::string(static_cast<std::size_t>(newPoint - digits), '0');
    } else {
        text = mantissa.insert(static_cast<std::size_t>(newPoint), ".");
    }
    return negative ? "-" + text : text;
}

// The fewest digits that read back as `value`, in positional notation.
template <class Number>
std::string fixedText(Number value) {
    return positional(fmt::format(FMT_COMPILE("{}"), value));
}

}  // namespace

std::string entryValueText(EntryValue value) {
    const std::int64_t count = value.tenThousandths;
    std::string text(count < 0 ? "-" : "");
    // The magnitude of INT64_MIN does not fit a signed count.
    const std::uint64_t magnitude =
        count < 0 ? ~static_cast<std::uint64_t>(count) + 1 : static_cast<std::uint64_t>(count);
    std::string digits = std::to_string(magnitude);
    if (digits.size() <= kEntryDecimals) digits.insert(0, kEntryDecimals + 1 - digits.size(), '0');
    digits.insert(digits.size() - kEntryDecimals, 1, '.');
    return text + std::string(withoutTrailingZeros(digits));
}

std::string shortestText(double value) { return fixedText(value); }

std::string_view withoutTrailingZeros(std::string_view fixed) {
    if (fixed.find('.') == std::string_view::npos) return fixed;
    while (fixed.back() == '0') fixed.remove_suffix(1);
    if (fixed.back() == '.') fixed.remove_suffix(1);
    return fixed;
}

}  // namespace cnc
