// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An axis moved directly by a toothed belt: one revolution of the driven
// pulley moves the axis by its teeth times the belt's pitch, and that travel
// takes the place of the lead-screw pitch.
//
// The travel is exact: the pitch is an entry value (four decimals, like every
// entry) and is multiplied by the whole number of teeth in fixed point, so it
// has four decimals at most and both results of the stepping resolution read
// the same number from it.
//
// A profile's pitch is held as a number, never as a text, so that it means the
// same in every locale: read as text, "2.032" would be the ambiguous point
// where '.' groups thousands. Only a pitch the user types is read with the
// user's separators.
//
//   beltProfilePitch("GT2")                -> 2.0000   (20000 ten-thousandths)
//   beltProfilePitch("mxl")                -> 2.0320
//   beltProfilePitch("GT4")                -> nullopt
//   pulleyTravel(20, EntryValue{20000})    -> 40.0000  (400000 ten-thousandths)
//   pulleyTravel(15, "MXL", ",", ".")      -> 30.4800  (a profile, in any locale)
//   pulleyTravel(15, "2,032", ",", ".")    -> 30.4800  (a typed pitch)
//   pulleyTravel(20, "2.00005", ".", "")   -> 40.0000  (2.00005 is read as 2.0000, a tie to even)
//   pulleyTravel(2, "tre", ".", "")        -> TypeMismatch

#include <array>
#include <optional>
#include <string_view>

#include "calc/entry_value.h"

namespace cnc {

struct BeltProfile {
    std::string_view name;
    EntryValue pitch;  // mm
};

inline constexpr std::array<BeltProfile, 9> kBeltProfiles{{
    {"GT2", EntryValue{20000}},
    {"GT3", EntryValue{30000}},
    {"HTD3M", EntryValue{30000}},
    {"HTD5M", EntryValue{50000}},
    {"T2.5", EntryValue{25000}},
    {"T5", EntryValue{50000}},
    {"MXL", EntryValue{20320}},  // 0.08 inch
    {"XL", EntryValue{50800}},   // 0.2 inch
    {"L", EntryValue{95250}},    // 0.375 inch
}};

// The pitch of the profile of that name, whatever the case of its letters.
std::optional<EntryValue> beltProfilePitch(std::string_view name);

// The largest factor of the exact fixed-point product.
inline constexpr int kMaxPulleyTeeth = kMaxFactor;

// The travel of one revolution of a pulley of 1 <= teeth <= kMaxPulleyTeeth
// on a belt of `pitch`. Throws CalcError Overflow, with no field, outside the
// fixed-point range.
EntryValue pulleyTravel(int teeth, EntryValue pitch);

// The same for `profileOrPitch`: a profile's name, else a pitch typed as an
// entry text, read with the given separators. Throws CalcError, with no
// field: TypeMismatch for a text that is neither, Overflow outside the
// fixed-point range.
EntryValue pulleyTravel(int teeth, std::string_view profileOrPitch,
                        std::string_view decimalSeparator, std::string_view groupSeparator);

}  // namespace cnc
