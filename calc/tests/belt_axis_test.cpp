// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/belt_axis.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace cnc {
namespace {

// Every profile, by its exact pitch: a profile's pitch must not depend on how
// the user writes numbers.
TEST(BeltAxis, EveryProfileInEveryLocale) {
    struct Row {
        std::string_view name;
        std::int64_t pitch;  // ten-thousandths of a mm
    };
    constexpr Row rows[] = {
        {"GT2", 20000}, {"GT3", 30000}, {"HTD3M", 30000}, {"HTD5M", 50000}, {"T2.5", 25000},
        {"T5", 50000},  {"MXL", 20320}, {"XL", 50800},    {"L", 95250},
    };
    ASSERT_EQ(std::size(rows), kBeltProfiles.size());
    struct Locale {
        std::string_view separator, group;
    };
    constexpr Locale locales[] = {{".", ","}, {",", "."}, {".", ""}};
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.name));
        EXPECT_EQ(beltProfilePitch(row.name), EntryValue{row.pitch});
        for (const auto& [separator, group] : locales) {
            EXPECT_EQ(pulleyTravel(15, row.name, separator, group), EntryValue{15 * row.pitch})
                << "separator " << separator;
        }
    }
}

}  // namespace
}  // namespace cnc
