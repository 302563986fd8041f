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

#include <string>
#include <string_view>

namespace cnc {

inline constexpr std::string_view kNineDecimals = "####0.000000000";
inline constexpr std::string_view kNineDecimalsWide = "#####0.000000000";
inline constexpr std::string_view kEightDecimals = "####0.00000000";
inline constexpr std::string_view kTwoDecimals = "###0.00";

// Throws std::invalid_argument for a pattern with another character, a
// second point or more than 64 decimals, and for a value that is not finite.
std::string formatResult(double value, std::string_view pattern, std::string_view decimalSeparator);

}  // namespace cnc
