// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading numbers from the text of an entry field.
//
// Accepted text, the same for both conversions: blanks (spaces, tabs) around
// it, an optional '+' or '-', ASCII digits, and at most one decimal separator,
// which is `decimalSeparator` or '.'; at least one digit. ".5" and "5." are
// numbers. Nothing else is: no exponent, no group separators, no blanks inside,
// no other digits. So "3.5" is three and a half in every locale, and "1.234,5"
// is refused rather than read as some other number.
//
// The ambiguous point: where the locale groups thousands with '.' and writes
// decimals with something else (Italian, German), "3.175" may mean 3175 to its
// reader. A text that is, inside its blanks, an optional sign, one to three
// digits not starting with 0, '.', and exactly three digits is refused there
// (TypeMismatch, with a hint to write "3,175" or "3175"). Every other '.' still
// reads as the decimal point ("2.54", "0.125", "1000.000"); where the decimal
// separator is '.', nothing is refused for this.
//
// The entry value is a fixed-point number with four decimals: a signed 64-bit
// count of ten-thousandths, -922337203685477.5808 to 922337203685477.5807.
// Typed digits beyond the fourth decimal are rounded to the nearest
// ten-thousandth, ties to even. The text is never passed through a double.
//
// Examples, decimal separator ',', group separator '.':
//   "200"                       -> 2000000             (200.0000)
//   " 3,14159 "                 -> 31416               (rounded up)
//   "3.14159"                   -> 31416               ('.' is always accepted)
//   "-0,00005"                  -> 0                   (tie, to even)
//   "0,00015"                   -> 2                   (tie, to even)
//   "922337203685477,5807"      -> 9223372036854775807 (largest)
//   "922337203685477,5808"      -> Overflow
//   "-922337203685477,5808"     -> -9223372036854775808 (smallest)
//   ""  "abc"  "1e3"  "1,2,3"   -> TypeMismatch
//   "3.175"  "-1.000"           -> TypeMismatch (ambiguous point)
//   "3.1750"  "0.125"  "1000.000" -> 31750  1250  10000000
// The straight conversion of the same texts to double:
//   "3,14159"                   -> 3.14159 (nearest double of the typed value)
//   "1" followed by 400 zeros   -> Overflow
//   "0," 400 zeros then "1"     -> 0       (too small for a double: zero)

#include <cstdint>
#include <optional>
#include <string_view>

namespace cnc {

// An entry keeps four decimals: it counts ten-thousandths.
inline constexpr int kEntryDecimals = 4;
inline constexpr std::int64_t kEntryScale = 10000;
// The largest factor of the exact product below (a 16-bit integer).
inline constexpr int kMaxFactor = 32767;

struct EntryValue {
    std::int64_t tenThousandths = 0;
    friend bool operator==(EntryValue, EntryValue) = default;
};

// Throws CalcError: TypeMismatch for a text that is not a number or has the
// ambiguous point, Overflow for a value outside the fixed-point range.
EntryValue parseEntryValue(std::string_view text, std::string_view decimalSeparator,
                           std::string_view groupSeparator);

// The count divided by 10,000, rounded to the nearest double. Never fails.
double widen(EntryValue value);

// The exact product by 1 <= factor <= kMaxFactor. Throws CalcError Overflow
// outside the fixed-point range.
EntryValue multiply(EntryValue value, int factor);

// A text of the grammar above split into its digits, as views into it, with
// no range and no ambiguous-point check: for exact readings of every digit.
// nullopt for any other text.
struct DecimalText {
    bool negative = false;
    std::string_view integer;   // may be empty (".5")
    std::string_view fraction;  // may be empty ("5", "5.")
};
std::optional<DecimalText> splitDecimal(std::string_view text, std::string_view decimalSeparator);

// The typed value, every decimal counting, rounded to the nearest double.
// Throws CalcError: TypeMismatch as above, Overflow beyond the largest double.
// A value too small for a double becomes zero (or the nearest subnormal).
double parseDouble(std::string_view text, std::string_view decimalSeparator,
                   std::string_view groupSeparator);

}  // namespace cnc
