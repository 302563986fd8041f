// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/entry_value.h"

#include <fast_float/fast_float.h>

#include <cassert>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <system_error>

#include "calc/calc_error.h"
#include "calc/exact_ratio.h"
#include "calc/translation.h"

namespace cnc {
namespace {

// A syntactically valid number, as views into the text.
struct DecimalDigits {
    bool negative = false;
    std::string_view integer;   // may be empty (".5")
    std::string_view point;     // the separator as typed; empty without one
    std::string_view fraction;  // may be empty ("5", "5.")
};

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::string_view leadingDigits(std::string_view text) {
    std::size_t n = 0;
    while (n < text.size() && isDigit(text[n])) ++n;
    return text.substr(0, n);
}

std::optional<DecimalDigits> scanDecimal(std::string_view text, std::string_view separator) {
    text = trimBlanks(text);
    DecimalDigits digits;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        digits.negative = text.front() == '-';
        text.remove_prefix(1);
    }
    digits.integer = leadingDigits(text);
    text.remove_prefix(digits.integer.size());
    if (!separator.empty() && text.starts_with(separator)) {
        digits.point = text.substr(0, separator.size());
    } else if (text.starts_with('.')) {
        digits.point = text.substr(0, 1);
    }
    text.remove_prefix(digits.point.size());
    digits.fraction = leadingDigits(text);
    text.remove_prefix(digits.fraction.size());
    if (!text.empty() || (digits.integer.empty() && digits.fraction.empty())) return std::nullopt;
    return digits;
}

// "3.175" where '.' groups thousands: one to three digits, the first not 0,
// then '.' and exactly three digits.
bool hasAmbiguousPoint(const DecimalDigits& digits, std::string_view decimalSeparator,
                       std::string_view groupSeparator) {
    return groupSeparator == "." && decimalSeparator != "." && digits.point == "." &&
           !digits.integer.empty() && digits.integer.size() <= 3 && digits.integer.front() != '0' &&
           digits.fraction.size() == 3;
}

CalcError ambiguousPoint(const DecimalDigits& digits, std::string_view decimalSeparator) {
    const std::string sign = digits.negative ? "-" : "";
    const std::string integer(digits.integer);
    const std::string fraction(digits.fraction);
    return CalcError(
        ErrorKind::TypeMismatch, std::nullopt,
        // TRANSLATORS: {0} is the number with the decimal separator, {1} without a separator
        filled(_("il punto può indicare le migliaia o i decimali; scrivi {0} "
                 "oppure {1}."),
               {sign + integer + std::string(decimalSeparator) + fraction,
                sign + integer + fraction}));
}

DecimalDigits scanEntry(std::string_view text, std::string_view decimalSeparator,
                        std::string_view groupSeparator) {
    const auto digits = scanDecimal(text, decimalSeparator);
    if (!digits) throw CalcError(ErrorKind::TypeMismatch);
    if (hasAmbiguousPoint(*digits, decimalSeparator, groupSeparator)) {
        throw ambiguousPoint(*digits, decimalSeparator);
    }
    return *digits;
}

std::string_view stripLeadingZeros(std::string_view digits) {
    while (!digits.empty() && digits.front() == '0') digits.remove_prefix(1);
    return digits;
}

constexpr double kPerUnit = static_cast<double>(kEntryScale);
constexpr std::uint64_t kLargestPositive = std::numeric_limits<std::int64_t>::max();
constexpr std::uint64_t kLargestNegative = kLargestPositive + 1;  // magnitude of INT64_MIN

// Appends one digit to `magnitude`; false when the result would pass `limit`.
bool appendDigit(std::uint64_t& magnitude, char digit, std::uint64_t limit) {
    const auto d = static_cast<std::uint64_t>(digit - '0');
    if (magnitude > (limit - d) / 10) return false;
    magnitude = magnitude * 10 + d;
    return true;
}

// Ties to even: up when the first dropped digit is above 5, or 5 with any
// non-zero digit after it, or exactly 5 after an odd kept digit.
bool roundsUp(std::string_view dropped, std::uint64_t kept) {
    if (dropped.empty() || dropped.front() < '5') return false;
    if (dropped.front() > '5') return true;
    if (dropped.substr(1).find_first_not_of('0') != std::string_view::npos) return true;
    return kept % 2 == 1;
}

// The nearest double of unsigned decimal digits with at most one point,
// `point` ('.' or another single byte). Infinity beyond the largest double.
double nearestDouble(std::string_view digits, char point) {
    double value = 0;
    [[maybe_unused]] const auto [end, ec] =
        fast_float::from_chars_advanced(digits.data(), digits.data() + digits.size(), value,
                                        fast_float::parse_options(fast_float::fixed, point));
    assert(ec == std::errc() && end == digits.data() + digits.size());
    return value;
}

}  // namespace

EntryValue parseEntryValue(std::string_view text, std::string_view decimalSeparator,
                           std::string_view groupSeparator) {
    const DecimalDigits digits = scanEntry(text, decimalSeparator, groupSeparator);
    const std::uint64_t limit = digits.negative ? kLargestNegative : kLargestPositive;

    std::uint64_t magnitude = 0;
    for (char c : stripLeadingZeros(digits.integer)) {
        if (!appendDigit(magnitude, c, limit)) throw CalcError(ErrorKind::Overflow);
    }
    const std::string_view fraction = digits.fraction;
    for (std::size_t i = 0; i < kEntryDecimals; ++i) {
        const char c = i < fraction.size() ? fraction[i] : '0';
        if (!appendDigit(magnitude, c, limit)) throw CalcError(ErrorKind::Overflow);
    }
    if (fraction.size() > kEntryDecimals && roundsUp(fraction.substr(kEntryDecimals), magnitude)) {
        if (magnitude == limit) throw CalcError(ErrorKind::Overflow);
        ++magnitude;
    }
    // Modular conversion (well defined since C++20) gives INT64_MIN for 2^63.
    const std::uint64_t bits = digits.negative ? ~magnitude + 1 : magnitude;
    return EntryValue{static_cast<std::int64_t>(bits)};
}

std::optional<DecimalText> splitDecimal(std::string_view text, std::string_view decimalSeparator) {
    const auto digits = scanDecimal(text, decimalSeparator);
    if (!digits) return std::nullopt;
    return DecimalText{digits->negative, digits->integer, digits->fraction};
}

double widen(EntryValue value) {
    // Up to 2^53 the count is exact as a double, and one IEEE division rounds
    // correctly. Beyond, converting the count would round a first time, so
    // round the exact ratio once instead.
    constexpr std::int64_t kExactLimit = std::int64_t{1} << 53;
    const std::int64_t count = value.tenThousandths;
    if (count >= -kExactLimit && count <= kExactLimit) return static_cast<double>(count) / kPerUnit;
    const double magnitude = nearestDouble(ratioOf(value));
    return count < 0 ? -magnitude : magnitude;
}

EntryValue multiply(EntryValue value, int factor) {
    assert(factor >= 1 && factor <= kMaxFactor);
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    if (value.tenThousandths > kMax / factor || value.tenThousandths < kMin / factor) {
        throw CalcError(ErrorKind::Overflow);
    }
    return EntryValue{value.tenThousandths * factor};
}

double parseDouble(std::string_view text, std::string_view decimalSeparator,
                   std::string_view groupSeparator) {
    const DecimalDigits digits = scanEntry(text, decimalSeparator, groupSeparator);

    double magnitude = 0;
    if (digits.point.size() <= 1 && !digits.integer.empty()) {
        // The digits and the point as typed, read in place.
        const char* first = digits.integer.data();
        const char* last = digits.fraction.data() + digits.fraction.size();
        const char point = digits.point.empty() ? '.' : digits.point.front();
        magnitude =
            nearestDouble(std::string_view(first, static_cast<std::size_t>(last - first)), point);
    } else {
        // A separator of several bytes (U+066B) is more than fast_float takes,
        // and one at the front would be read as a sign where it is '-' or '+'.
        const std::string integer = digits.integer.empty() ? "0" : std::string(digits.integer);
        magnitude = nearestDouble(integer + '.' + std::string(digits.fraction), '.');
    }
    // Without an exponent, only a value too large becomes infinite; one too
    // small becomes zero, its nearest double.
    if (std::isinf(magnitude)) throw CalcError(ErrorKind::Overflow);
    return digits.negative ? -magnitude : magnitude;
}

}  // namespace cnc
