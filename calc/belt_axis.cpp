// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/belt_axis.h"

#include "calc/ascii_case.h"

namespace cnc {

std::optional<EntryValue> beltProfilePitch(std::string_view name) {
    for (const BeltProfile& profile : kBeltProfiles) {
        if (detail::sameIgnoringCase(profile.name, name)) return profile.pitch;
    }
    return std::nullopt;
}

EntryValue pulleyTravel(int teeth, EntryValue pitch) { return multiply(pitch, teeth); }

EntryValue pulleyTravel(int teeth, std::string_view profileOrPitch,
                        std::string_view decimalSeparator, std::string_view groupSeparator) {
    const std::optional<EntryValue> profile = beltProfilePitch(profileOrPitch);
    return pulleyTravel(
        teeth,
        profile ? *profile : parseEntryValue(profileOrPitch, decimalSeparator, groupSeparator));
}

}  // namespace cnc
