// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/belt_axis.h"

#include "calc/ascii_case.h"

namespace cnc {

std::optional<std::string_view> beltProfilePitch(std::string_view name) {
    for (const BeltProfile& profile : kBeltProfiles) {
        if (detail::sameIgnoringCase(profile.name, name)) return profile.pitch;
    }
    return std::nullopt;
}

EntryValue pulleyTravel(int teeth, std::string_view pitch, std::string_view decimalSeparator,
                        std::string_view groupSeparator) {
    return multiply(parseEntryValue(pitch, decimalSeparator, groupSeparator), teeth);
}

}  // namespace cnc
