// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Numbers written into a firmware's configuration rather than shown to the
// user: '.' as the separator in every locale, no exponent, no group
// separators, no trailing zeros.
//
//   entryValueText({304800})    -> "30.48"
//   entryValueText({2000000})   -> "200"
//   entryValueText({-1})        -> "-0.0001"
//   shortestText(133.333333333) -> "133.333333333" (reads back as the same double)
//   shortestText(1e21)          -> "1000000000000000000000"

#include <string>
#include <string_view>

#include "calc/entry_value.h"

namespace cnc {

// The fixed-point value, exactly.
std::string entryValueText(EntryValue value);

// The fewest digits that read back as `value`. `value` is finite.
std::string shortestText(double value);

// A text with '.' without the zeros that end its decimals, nor a point left
// last: "1.2500" -> "1.25", "2.0" -> "2", "200" -> "200".
std::string_view withoutTrailingZeros(std::string_view fixed);

}  // namespace cnc
