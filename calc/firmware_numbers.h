// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The text of a firmware setting held in a 32-bit float, chosen for the way
// that firmware reads it, so that what it stores is the float nearest to the
// exact value. '.' as the separator, no exponent; no trailing zeros but where
// Grbl's reader needs one ("29491.20" is the nearest float to 29491.2 for it,
// "29491.2" is not).
//
// Readers, each the firmware's own algorithm:
//   correctlyRounded   strtof as Marlin calls it (value_float): the nearest float
//   compiledFloat      a C literal with no suffix assigned to a float, as
//                      Marlin's configuration header is compiled: the nearest
//                      double, then the float nearest to that
//   grblRead           Grbl's read_float: at most eight digits (leading zeros
//                      count) into an integer, then "*= 0.01", "*= 0.1" or
//                      "*= 10" in float, one rounding each
//   grblHalRead        grblHAL's read_float: the same with nine digits, which
//                      count from the first that is not zero
//   repRapRead         RepRapFirmware's SafeStrtof: the digits into a 32-bit
//                      integer, divided by powers of ten in double, then
//                      rounded to float
//
//   settingText(14400/17, correctlyRounded)     -> "847.05882" (847.0588235...)
//   settingText(14400/17, grblRead, 8)          -> "847.0589"  (Grbl holds "847.05884" as
//                                                  847.0588989, one float above the nearest)
//   settingText(400, correctlyRounded)          -> "400"
//   settingText(1e12, correctlyRounded)         -> "1000000000000"
//   settingText(0.000000002, grblRead, 8)       -> nullopt (Grbl would read 0)

#include <optional>
#include <string>
#include <string_view>

#include "calc/exact_ratio.h"

namespace cnc {

using FloatReader = float (*)(std::string_view text);

float correctlyRounded(std::string_view text);
float compiledFloat(std::string_view text);
float grblRead(std::string_view text);
float grblHalRead(std::string_view text);
float repRapRead(std::string_view text);

// Which digits a reader's limit counts: every one written (Grbl's "0.05" has
// three), or those from the first that is not zero on (grblHAL's has one).
enum class DigitCount { Every, Significant };

// The text with the fewest digits, at most `maxDigits` of them, that `read`
// turns into the float nearest to |exact| (of two such, the one nearer to
// |exact|); when no such text exists, the one
// whose reading is closest to |exact|; nullopt when every text within the
// digits reads as 0. |exact| is positive and within the float range.
std::optional<std::string> settingText(const Ratio& exact, FloatReader read, int maxDigits = 64,
                                       DigitCount counted = DigitCount::Every);

}  // namespace cnc
