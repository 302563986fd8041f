// SPDX-License-Identifier: GPL-3.0-or-later
// The readers, from each firmware's source:
//   Grbl:  https://github.com/gnea/grbl/blob/master/grbl/nuts_bolts.c (read_float)
//   grblHAL: https://github.com/grblHAL/core/blob/master/nuts_bolts.c (read_float,
//          MAX_INT_DIGITS 9 in nuts_bolts.h); settings.c's settings_store_setting
//          reads a setting's text with it and stores the float as it is
//   RepRapFirmware: RRFLibraries src/General/SafeStrtod.cpp and NumericConverter.cpp
//   Marlin: src/gcode/parser.h (value_float, which ends the number at 'E')
#include "calc/firmware_numbers.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

#include <fast_float/fast_float.h>

namespace cnc {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

int digitCount(std::string_view text, DigitCount counted) {
    int digits = 0;
    for (const char c : text) {
        if (counted == DigitCount::Significant && digits == 0 && c == '0') continue;
        digits += isDigit(c) ? 1 : 0;
    }
    return digits;
}

// n * 10^-decimals in positional notation, every decimal written: Grbl reads
// "29491.20" and "29491.2" as different floats.
std::string positionalText(std::uint64_t n, int decimals) {
    std::string digits = std::to_string(n);
    if (decimals <= 0) return digits + std::string(static_cast<std::size_t>(-decimals), '0');
    const auto fraction = static_cast<std::size_t>(decimals);
    if (digits.size() <= fraction) digits.insert(0, fraction + 1 - digits.size(), '0');
    digits.insert(digits.size() - fraction, 1, '.');
    return digits;
}

// The decimal exponent of the leading digit of value > 0, exactly: the
// logarithm only guesses it.
int leadingExponent(const Ratio& value, double approximate) {
    int exponent = static_cast<int>(std::floor(std::log10(approximate)));
    if (compareWithPowerOfTen(value, exponent) < 0) --exponent;
    if (compareWithPowerOfTen(value, exponent + 1) >= 0) ++exponent;
    return exponent;
}

// value x 10^decimals rounded half away from zero, or nullopt from 2^62 up.
std::optional<std::int64_t> scaledAndRounded(const Ratio& value, int decimals) {
    Natural numerator = value.numerator;
    Natural denominator = value.denominator;
    if (decimals >= 0) {
        numerator = numerator * powerOfTen(decimals);
    } else {
        denominator = denominator * powerOfTen(-decimals);
    }
    auto [whole, remainder] = divide(numerator, denominator);
    if (compare(remainder.shiftedLeft(1), denominator) >= 0) whole.multiplyAdd(1, 1);
    const auto n = whole.toUint64();
    if (!n || *n >= std::uint64_t{1} << 62) return std::nullopt;
    return static_cast<std::int64_t>(*n);
}

// A reader may land a float or two off the nearest one, so candidates reach
// that far either side of the rounded value, nearest first.
constexpr int kCandidateReach = 12;

// Readers of this many digits or fewer (Grbl's, grblHAL's) hold them in an
// integer that they turn into a float: from 2^24 up, the integers of one
// float read alike, so a candidate stands for each float rather than for each
// integer, the integer of that float nearest to the rounded value.
constexpr int kMostFloatIntegerDigits = 9;
constexpr std::int64_t kFloatExactIntegers = std::int64_t{1} << 24;

std::int64_t floatOf(std::int64_t n) { return static_cast<std::int64_t>(static_cast<float>(n)); }

// The `step`th candidate from `rounded`, nearest first, either side.
std::int64_t candidate(std::int64_t rounded, int step, bool integerInFloat) {
    const int away = step % 2 == 0 ? step / 2 : -(step + 1) / 2;
    if (!integerInFloat || rounded < kFloatExactIntegers || away == 0) return rounded + away;
    const auto nearest = static_cast<float>(rounded);
    const auto spacing = static_cast<std::int64_t>(
        std::nextafter(nearest, std::numeric_limits<float>::infinity()) - nearest);
    const std::int64_t target = floatOf(rounded) + away * spacing;
    // The edge of the target float's integers on the side of `rounded`.
    const std::int64_t edge = target + (away > 0 ? -spacing / 2 : spacing / 2);
    return floatOf(edge) == target ? edge : edge + (away > 0 ? 1 : -1);
}

// Candidates with `significant` digits around `value`, computed exactly, so
// that every platform offers the same ones.
void addCandidates(std::vector<std::string>& texts, double value, int significant,
                   bool integerInFloat) {
    if (!(value > 0)) return;  // a value below the double's or the float's range
    const Ratio exact = ratioOfDouble(value);
    const int decimals = significant - 1 - leadingExponent(exact, value);
    const auto rounded = scaledAndRounded(exact, decimals);
    if (!rounded) return;
    for (int step = 0; step <= 2 * kCandidateReach; ++step) {
        const std::int64_t n = candidate(*rounded, step, integerInFloat);
        if (n > 0) texts.push_back(positionalText(static_cast<std::uint64_t>(n), decimals));
    }
}

constexpr int kMostSignificant = std::numeric_limits<double>::max_digits10;

// Grbl's read_float and grblHAL's: `maxDigits` digits into an integer, the
// others dropped, then the decimals applied in float.
float readFloatOfGrbl(std::string_view text, int maxDigits, DigitCount counted) {
    std::uint32_t integer = 0;
    int exponent = 0;
    int digits = 0;
    bool decimal = false;
    for (const char c : text) {
        if (isDigit(c)) {
            if (counted == DigitCount::Every || c != '0' || integer != 0) ++digits;
            if (digits <= maxDigits) {
                if (decimal) --exponent;
                integer = integer * 10 + static_cast<std::uint32_t>(c - '0');
            } else if (!decimal) {
                ++exponent;  // digits beyond the most are dropped
            }
        } else if (c == '.' && !decimal) {
            decimal = true;
        } else {
            break;
        }
    }
    auto value = static_cast<float>(integer);
    if (value != 0) {
        for (; exponent <= -2; exponent += 2) value *= 0.01f;
        if (exponent < 0) {
            value *= 0.1f;
        } else {
            for (; exponent > 0; --exponent) value *= 10.0f;
        }
    }
    return value;
}

}  // namespace

float correctlyRounded(std::string_view text) {
    float value = 0;
    fast_float::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

float compiledFloat(std::string_view text) {
    double value = 0;
    fast_float::from_chars(text.data(), text.data() + text.size(), value);
    return static_cast<float>(value);
}

float grblRead(std::string_view text) { return readFloatOfGrbl(text, 8, DigitCount::Every); }

float grblHalRead(std::string_view text) {
    return readFloatOfGrbl(text, 9, DigitCount::Significant);
}

float repRapRead(std::string_view text) {
    constexpr std::uint32_t kMost = std::numeric_limits<std::uint32_t>::max();
    // 10^0 to 10^10, each exact in a double, as SafeStrtod divides by them.
    constexpr double kPowers[] = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10};
    constexpr int kLargestPower = 10;
    std::uint32_t integer = 0;
    int tens = 0;
    bool decimal = false;
    for (const char c : text) {
        if (c == '.' && !decimal) {
            decimal = true;
            continue;
        }
        if (!isDigit(c)) break;
        const auto digit = static_cast<std::uint32_t>(c - '0');
        if (integer <= (kMost - digit) / 10) {
            integer = integer * 10 + digit;
            if (decimal) --tens;
        } else if (!decimal) {
            ++tens;
        }
    }
    auto value = static_cast<double>(integer);
    while (tens < 0 && value != 0) {
        const int power = std::min(-tens, kLargestPower);
        value /= kPowers[power];
        tens += power;
    }
    while (tens > 0 && !std::isinf(value)) {
        const int power = std::min(tens, kLargestPower);
        value *= kPowers[power];
        tens -= power;
    }
    return static_cast<float>(value);
}

std::optional<std::string> settingText(const Ratio& exact, FloatReader read, int maxDigits,
                                       DigitCount counted) {
    const float nearest = nearestFloat(exact);
    const double value = nearestDouble(exact);
    const bool integerInFloat = maxDigits <= kMostFloatIntegerDigits;
    std::optional<std::string> closest;
    double closestError = 0;
    // A text has at least as many digits as it has significant ones.
    const int mostSignificant = std::min(kMostSignificant, maxDigits);
    for (int significant = 1; significant <= mostSignificant; ++significant) {
        std::vector<std::string> texts;
        addCandidates(texts, value, significant, integerInFloat);
        addCandidates(texts, nearest, significant, integerInFloat);
        for (const std::string& text : texts) {
            if (digitCount(text, counted) > maxDigits) continue;
            const float reading = read(text);
            if (reading == nearest && reading > 0) return text;
            // Exact for a reading in the value's binade or the next: a
            // float and a double that near differ by a double.
            const double error = std::abs(static_cast<double>(reading) - value);
            if (reading > 0 && (!closest || error < closestError)) {
                closest = text;
                closestError = error;
            }
        }
    }
    return closest;
}

}  // namespace cnc
