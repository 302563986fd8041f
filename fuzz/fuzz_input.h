// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Splits a fuzzer's bytes into the pieces a target needs: fields separated by
// a 0xFF byte, which no valid UTF-8 text contains.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace fuzz {

inline std::vector<std::string> splitFields(const std::uint8_t* data, std::size_t size,
                                            std::size_t count) {
    std::vector<std::string> fields(count);
    std::size_t current = 0;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0xFF && current + 1 < count) {
            ++current;
        } else {
            fields[current] += static_cast<char>(data[i]);
        }
    }
    return fields;
}

}  // namespace fuzz
