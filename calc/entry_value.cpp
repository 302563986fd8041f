#include "calc/entry_value.h"

#include <array>
#include <cassert>
#include <charconv>
#include <limits>
#include <optional>
#include <string>
#include <system_error>

#include "calc/calc_error.h"

namespace cnc {
namespace {

// A syntactically valid number, as views into the text.
struct DecimalDigits {
    bool negative = false;
    std::string_view integer;   // may be empty (".5")
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
        text.remove_prefix(separator.size());
        digits.fraction = leadingDigits(text);
    } else if (text.starts_with('.')) {
        text.remove_prefix(1);
        digits.fraction = leadingDigits(text);
    }
    text.remove_prefix(digits.fraction.size());
    if (!text.empty() || (digits.integer.empty() && digits.fraction.empty())) return std::nullopt;
    return digits;
}

std::string_view stripLeadingZeros(std::string_view digits) {
    while (!digits.empty() && digits.front() == '0') digits.remove_prefix(1);
    return digits;
}

constexpr int kDecimals = 4;
constexpr double kPerUnit = 10000.0;  // ten-thousandths in a unit: 10 to the power kDecimals
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

}  // namespace

EntryValue parseEntryValue(std::string_view text, std::string_view decimalSeparator) {
    const auto digits = scanDecimal(text, decimalSeparator);
    if (!digits) throw CalcError(ErrorKind::TypeMismatch);
    const std::uint64_t limit = digits->negative ? kLargestNegative : kLargestPositive;

    std::uint64_t magnitude = 0;
    for (char c : stripLeadingZeros(digits->integer)) {
        if (!appendDigit(magnitude, c, limit)) throw CalcError(ErrorKind::Overflow);
    }
    const std::string_view fraction = digits->fraction;
    for (std::size_t i = 0; i < kDecimals; ++i) {
        const char c = i < fraction.size() ? fraction[i] : '0';
        if (!appendDigit(magnitude, c, limit)) throw CalcError(ErrorKind::Overflow);
    }
    if (fraction.size() > kDecimals && roundsUp(fraction.substr(kDecimals), magnitude)) {
        if (magnitude == limit) throw CalcError(ErrorKind::Overflow);
        ++magnitude;
    }
    // Modular conversion (well defined since C++20) gives INT64_MIN for 2^63.
    const std::uint64_t bits = digits->negative ? ~magnitude + 1 : magnitude;
    return EntryValue{static_cast<std::int64_t>(bits)};
}

double widen(EntryValue value) {
    // Up to 2^53 the count is exact as a double, and one IEEE division rounds
    // correctly. Beyond, converting the count would round a first time, so
    // read its decimal text instead.
    constexpr std::int64_t kExactLimit = std::int64_t{1} << 53;
    const std::int64_t count = value.tenThousandths;
    if (count >= -kExactLimit && count <= kExactLimit) return static_cast<double>(count) / kPerUnit;

    std::array<char, 32> text{};
    auto [end, ec] = std::to_chars(text.data(), text.data() + text.size() - 1, count);
    assert(ec == std::errc());
    // |count| > 2^53 has more than four digits: room to put the point in.
    char* point = end - kDecimals;
    for (char* p = end; p != point; --p) *p = *(p - 1);
    *point = '.';
    ++end;
    double result = 0;
    std::from_chars(text.data(), end, result);
    return result;
}

EntryValue multiply(EntryValue value, int factor) {
    assert(factor >= 1 && factor <= 32767);
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    if (value.tenThousandths > kMax / factor || value.tenThousandths < kMin / factor) {
        throw CalcError(ErrorKind::Overflow);
    }
    return EntryValue{value.tenThousandths * factor};
}

double parseDouble(std::string_view text, std::string_view decimalSeparator) {
    const auto digits = scanDecimal(text, decimalSeparator);
    if (!digits) throw CalcError(ErrorKind::TypeMismatch);

    // Rebuild the number in the one form from_chars reads, whatever the locale.
    std::string plain;
    plain.reserve(digits->integer.size() + digits->fraction.size() + 3);
    if (digits->negative) plain += '-';
    plain += digits->integer.empty() ? std::string_view("0") : digits->integer;
    plain += '.';
    plain += digits->fraction;

    double result = 0;
    const auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), result);
    if (ec == std::errc::result_out_of_range) {
        // Without an exponent, a value is too large only when it has a non-zero
        // integer digit; otherwise it is too small, and the nearest double is zero.
        if (!stripLeadingZeros(digits->integer).empty()) throw CalcError(ErrorKind::Overflow);
        return digits->negative ? -0.0 : 0.0;
    }
    assert(ec == std::errc() && end == plain.data() + plain.size());
    return result;
}

}  // namespace cnc
