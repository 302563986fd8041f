#include "calc/result_text.h"

#include <fmt/format.h>

#include <cmath>
#include <iterator>
#include <stdexcept>

namespace cnc {
namespace {

struct DigitPattern {
    std::size_t minIntegerDigits = 1;
    std::size_t requiredDecimals = 0;  // up to the last '0' after the point
    std::size_t decimals = 0;          // every placeholder after the point
};

constexpr std::size_t kMaxDecimals = 64;

DigitPattern readPattern(std::string_view pattern) {
    DigitPattern p;
    std::size_t integerZeros = 0;
    bool afterPoint = false;
    for (char c : pattern) {
        if (c == '.' && !afterPoint) {
            afterPoint = true;
        } else if (c == '0' || c == '#') {
            if (!afterPoint) {
                integerZeros += c == '0';
            } else {
                ++p.decimals;
                if (c == '0') p.requiredDecimals = p.decimals;
            }
        } else {
            throw std::invalid_argument("result pattern: unexpected character");
        }
    }
    if (p.decimals > kMaxDecimals) throw std::invalid_argument("result pattern: too many decimals");
    p.minIntegerDigits = integerZeros > 1 ? integerZeros : 1;
    return p;
}

}  // namespace

std::string formatResult(double value, std::string_view pattern,
                         std::string_view decimalSeparator) {
    const DigitPattern p = readPattern(pattern);
    if (!std::isfinite(value)) throw std::invalid_argument("result pattern: value not finite");

    // {fmt} writes the exact binary value rounded to the decimals, ties to
    // even; at most 309 integer digits, the point and 64 decimals, which its
    // inline buffer holds without allocating.
    fmt::memory_buffer buffer;
    fmt::format_to(std::back_inserter(buffer), "{:.{}f}", std::fabs(value), p.decimals);

    const std::string_view fixed(buffer.data(), buffer.size());
    const std::size_t point = fixed.find('.');
    const std::string_view integer = fixed.substr(0, point);
    std::string_view fraction = point == std::string_view::npos ? "" : fixed.substr(point + 1);
    while (fraction.size() > p.requiredDecimals && fraction.back() == '0')
        fraction.remove_suffix(1);

    const bool allZero = integer.find_first_not_of('0') == std::string_view::npos &&
                         fraction.find_first_not_of('0') == std::string_view::npos;
    std::string text;
    text.reserve(integer.size() + fraction.size() + p.minIntegerDigits + decimalSeparator.size() +
                 1);
    if (value < 0 && !allZero) text += '-';
    if (integer.size() < p.minIntegerDigits) text.append(p.minIntegerDigits - integer.size(), '0');
    text += integer;
    if (!fraction.empty()) {
        text += decimalSeparator;
        text += fraction;
    }
    return text;
}

}  // namespace cnc
