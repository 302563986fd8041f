// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Splits a fuzzer's bytes into the pieces a target needs: fields separated by
// a 0xFF byte, which no valid UTF-8 text contains; or numbers read in turn.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace fuzz {

// Reads numbers from a fuzzer's bytes, front to back; past the end, zero bytes.
class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::uint8_t byte() { return next_ < size_ ? data_[next_++] : 0; }

    // A fraction in [0, 1) from four bytes.
    double fraction() {
        std::uint32_t word = 0;
        for (int i = 0; i < 4; ++i) word = (word << 8) | byte();
        return word / 4294967296.0;
    }

    // Eight bytes as they are: NaN, infinities, subnormals, negatives.
    double rawDouble() {
        std::uint8_t bytes[sizeof(double)];
        for (std::uint8_t& b : bytes) b = byte();
        double value = 0;
        std::memcpy(&value, bytes, sizeof value);
        return value;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t next_ = 0;
};

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
