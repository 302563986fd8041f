// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An axis moved directly by a toothed belt: one revolution of the driven
// pulley moves the axis by its teeth times the belt's pitch, and that travel
// takes the place of the lead-screw pitch.
//
// The travel is exact: the pitch is read as an entry value (four decimals,
// like every entry) and multiplied by the whole number of teeth in fixed
// point, so it has four decimals at most and both results of the stepping
// resolution read the same number from it.
//
//   beltProfilePitch("GT2")          -> "2"
//   beltProfilePitch("mxl")          -> "2.032"
//   beltProfilePitch("GT4")          -> nullopt
//   pulleyTravel(20, "2", ".")       -> 40.0000  (400000 ten-thousandths)
//   pulleyTravel(15, "2,032", ",")   -> 30.4800
//   pulleyTravel(20, "2.00005", ".") -> 40.0000  (2.00005 is read as 2.0000, a tie to even)
//   pulleyTravel(2, "tre", ".")      -> TypeMismatch

#include <array>
#include <optional>
#include <string_view>

#include "calc/entry_value.h"

namespace cnc {

struct BeltProfile {
    std::string_view name;
    std::string_view pitch;  // mm, as an entry text
};

inline constexpr std::array<BeltProfile, 9> kBeltProfiles{{
    {"GT2", "2"},
    {"GT3", "3"},
    {"HTD3M", "3"},
    {"HTD5M", "5"},
    {"T2.5", "2.5"},
    {"T5", "5"},
    {"MXL", "2.032"},
    {"XL", "5.08"},
    {"L", "9.525"},
}};

// The pitch of the profile of that name, whatever the case of its letters.
std::optional<std::string_view> beltProfilePitch(std::string_view name);

// The largest factor of the exact fixed-point product.
inline constexpr int kMaxPulleyTeeth = kMaxFactor;

// The travel of one revolution of a pulley of 1 <= teeth <= kMaxPulleyTeeth
// on a belt of `pitch`, an entry text. Throws CalcError, with no field:
// TypeMismatch for a pitch that is not a number, Overflow outside the
// fixed-point range.
EntryValue pulleyTravel(int teeth, std::string_view pitch, std::string_view decimalSeparator,
                        std::string_view groupSeparator);

}  // namespace cnc
