// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Internal to the calculation: names typed by the user ("gt2", "Klipper")
// compared without regard to the case of ASCII letters, whatever the locale.

#include <algorithm>
#include <string_view>

namespace cnc::detail {

constexpr char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr bool sameIgnoringCase(std::string_view a, std::string_view b) {
    // std::equal rather than std::ranges::equal, which emscripten's libc++ lacks.
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return asciiLower(x) == asciiLower(y);
           });
}

}  // namespace cnc::detail
