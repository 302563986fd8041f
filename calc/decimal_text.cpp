// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/decimal_text.h"

#include <array>
#include <cassert>
#include <charconv>
#include <cstdlib>
#include <string_view>
#include <system_error>

namespace cnc {
namespace {

constexpr int kEntryDecimals = 4;

// Long enough for any double in fixed notation: 309 integer digits, or 324
// decimals for the smallest subnormal.
using Buffer = std::array<char, 400>;

std::string_view withoutTrailingZeros(std::string_view fixed) {
    if (fixed.find('.') == std::string_view::npos) return fixed;
    while (fixed.back() == '0') fixed.remove_suffix(1);
    if (fixed.back() == '.') fixed.remove_suffix(1);
    return fixed;
}

template <class... Format>
std::string fixedText(auto value, Format... format) {
    Buffer buffer{};
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                         std::chars_format::fixed, format...);
    assert(ec == std::errc());
    const std::size_t length = static_cast<std::size_t>(end - buffer.data());
    return std::string(withoutTrailingZeros(std::string_view(buffer.data(), length)));
}

int digitCount(std::string_view text) {
    int digits = 0;
    for (char c : text) digits += c >= '0' && c <= '9';
    return digits;
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

std::string floatText(double value, int maxDigits) {
    const auto nearest = static_cast<float>(value);
    std::string text = fixedText(nearest);
    if (digitCount(text) <= maxDigits) return text;
    const std::size_t point = text.find('.');
    const int integerDigits = digitCount(std::string_view(text).substr(0, point));
    const int decimals = maxDigits > integerDigits ? maxDigits - integerDigits : 0;
    return fixedText(static_cast<double>(nearest), decimals);
}

}  // namespace cnc
