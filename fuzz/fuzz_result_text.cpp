// SPDX-License-Identifier: GPL-3.0-or-later
// Result formatting of any finite double with each pattern the program uses:
// the text must read back as the same value to within half a last decimal.

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "calc/entry_value.h"
#include "calc/result_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    double value = 0;
    if (size < sizeof value) return 0;
    std::memcpy(&value, data, sizeof value);
    if (!std::isfinite(value)) return 0;

    for (const cnc::ResultPattern pattern :
         {cnc::kNineDecimals, cnc::kEightDecimals, cnc::kTwoDecimals}) {
        const std::string text = cnc::formatResult(value, pattern, ",");
        const std::size_t comma = text.find(',');
        if (comma == std::string::npos || text.size() - comma - 1 != pattern.decimals()) {
            std::abort();
        }
        const double back = cnc::parseDouble(text, ",", ".");
        const double halfStep = 0.5 * std::pow(10.0, -static_cast<int>(pattern.decimals()));
        if (std::fabs(back - value) > halfStep * (1 + 1e-9) + std::fabs(value) * 1e-15)
            std::abort();
    }
    return 0;
}
