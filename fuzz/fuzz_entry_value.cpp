// SPDX-License-Identifier: GPL-3.0-or-later
// Entry conversions over arbitrary text and separators. Besides crashes,
// checks that the two conversions agree on what is a number and that a
// fixed-point value survives being written and read back.

#include <cmath>
#include <cstdlib>
#include <optional>

#include "calc/calc_error.h"
#include "calc/entry_value.h"
#include "calc/result_text.h"
#include "fuzz_input.h"

namespace {

template <class Conversion>
auto attempt(Conversion&& conversion) -> std::optional<decltype(conversion())> {
    try {
        return conversion();
    } catch (const cnc::CalcError&) {
        return std::nullopt;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto fields = fuzz::splitFields(data, size, 3);
    const std::string& text = fields[0];
    const std::string separator = fields[1].empty() ? std::string(",") : fields[1];
    const std::string group = fields[2].empty() ? std::string(".") : fields[2];

    const auto fixed = attempt([&] { return cnc::parseEntryValue(text, separator, group); });
    const auto straight = attempt([&] { return cnc::parseDouble(text, separator, group); });
    if (!fixed) return 0;
    if (!straight) std::abort();  // every fixed-point value is a double too

    const double wide = cnc::widen(*fixed);
    if (std::fabs(wide - *straight) > 0.00005 * (1 + 1e-12) + std::fabs(wide) * 1e-15) std::abort();

    // Written with four decimals, the double reads back as the same value only
    // where doubles lie closer than 0.0001 apart, below 2^39 (about 5.5e11):
    // above, 700000000000.008 is held as 700000000000.00793... and rightly
    // written 700000000000.0079.
    constexpr double kFourDecimalsExact = 0x1p39;
    const bool separatorIsPlain = separator.find_first_of("0123456789+- \t") == std::string::npos;
    if (separatorIsPlain && std::fabs(wide) < kFourDecimalsExact) {
        const std::string written = cnc::formatResult(wide, "0.0000", separator);
        if (cnc::parseEntryValue(written, separator, group) != *fixed) std::abort();
    }
    return 0;
}
