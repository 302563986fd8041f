// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the command line's and the workbench's code use from the C++20
// library and emscripten's libc++ (LLVM 14) does not have yet: the range
// algorithms std::ranges::find, find_if and any_of, and std::to_chars of a
// double in a given format and precision. Included before every file of
// those libraries in the page's build only; a libc++ that has them (15 and
// later) gets nothing from here.
//
//   std::ranges::find(kOptions, "--passi", &Option::name) -> the option, or end
//   std::to_chars(first, last, 0.9, std::chars_format::fixed, 4) -> "0.9000"

#include <ciso646>

#if defined(_LIBCPP_VERSION) && _LIBCPP_VERSION < 15000

#include <charconv>
#include <cstddef>
#include <functional>
#include <iterator>
#include <system_error>
#include <utility>

#include <fmt/format.h>

namespace std::ranges {

struct CncFindIf {
    template <class Range, class Predicate, class Projection = std::identity>
    constexpr auto operator()(Range&& range, Predicate predicate, Projection projection = {}) const {
        auto at = std::begin(range);
        for (const auto last = std::end(range); at != last; ++at) {
            if (std::invoke(predicate, std::invoke(projection, *at))) break;
        }
        return at;
    }
};
inline constexpr CncFindIf find_if{};

struct CncFind {
    template <class Range, class Value, class Projection = std::identity>
    constexpr auto operator()(Range&& range, const Value& value, Projection projection = {}) const {
        return find_if(range, [&](const auto& each) { return each == value; }, projection);
    }
};
inline constexpr CncFind find{};

struct CncAnyOf {
    template <class Range, class Predicate, class Projection = std::identity>
    constexpr bool operator()(Range&& range, Predicate predicate, Projection projection = {}) const {
        return find_if(range, predicate, projection) != std::end(range);
    }
};
inline constexpr CncAnyOf any_of{};

}  // namespace std::ranges

namespace std {

// Correctly rounded, as the standard's: {fmt} writes the exact digits.
inline to_chars_result to_chars(char* first, char* last, double value, chars_format format,
                                int precision) {
    const char* pattern = format == chars_format::fixed        ? "{:.{}f}"
                          : format == chars_format::scientific ? "{:.{}e}"
                                                               : "{:.{}g}";
    const auto size = static_cast<size_t>(last - first);
    const auto written = fmt::format_to_n(first, size, fmt::runtime(pattern), value, precision);
    if (written.size > size) return {last, errc::value_too_large};
    return {written.out, errc{}};
}

}  // namespace std

#endif
