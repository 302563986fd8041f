// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// toml++, header-only, as the program reads machine files with it.
//
// In the page, toml++ would convert the file's floating-point numbers with
// std::stringstream, since the libc++ of Debian's emscripten (13) declares
// no floating-point std::from_chars: that one use brings the whole stream
// and locale library into the module, some 90 kB of a page that has no
// other use for it. There, std::from_chars for double is supplied here from
// fast_float, the program's own reader of numbers, and toml++ told to use
// it. It reads what the desktop's reading (libstdc++'s streams) reads: the
// nearest double, an underflow as its rounded value, and refuses an
// overflow ("1e400") as not a value, as those streams do, so that the page
// and the command line name the same fault in the same file.
#include <charconv>

#if defined(__EMSCRIPTEN__) && defined(_LIBCPP_VERSION)
#include <cmath>
#include <system_error>
#include <utility>

#include <fast_float/fast_float.h>
#include <fmt/format.h>

namespace cnc::toml_chars {
// `args` written by {fmt} in [first, last), as std::to_chars reports it.
template <typename... Args>
std::to_chars_result formatted(char* first, char* last, fmt::format_string<Args...> format,
                               Args&&... args) {
    const auto room = static_cast<std::size_t>(last - first);
    const auto written = fmt::format_to_n(first, room, format, std::forward<Args>(args)...);
    if (written.size > room) return {last, std::errc::value_too_large};
    return {written.out, std::errc{}};
}
}  // namespace cnc::toml_chars

// Templates, which never clash with a standard library's own functions of the
// same signature: where a later libc++ has them, its functions win.
namespace std {
template <typename = void>
from_chars_result from_chars(const char* first, const char* last, double& value,
                             chars_format = chars_format::general) {
    double read = 0;
    const auto result = fast_float::from_chars(first, last, read);
    if (result.ec != errc{}) return {first, result.ec};
    if (std::isinf(read)) return {first, errc::invalid_argument};
    value = read;
    return {result.ptr, errc{}};
}

// toml++'s printer, which the program does not use (it writes its own files),
// needs these three to compile. The shortest text that reads back, as
// std::to_chars writes it; hexadecimal; and a precision, in '.' always.
template <typename = void>
to_chars_result to_chars(char* first, char* last, double value) {
    return cnc::toml_chars::formatted(first, last, "{}", value);
}
template <typename = void>
to_chars_result to_chars(char* first, char* last, double value, chars_format format) {
    if (format != chars_format::hex) return cnc::toml_chars::formatted(first, last, "{}", value);
    return cnc::toml_chars::formatted(first, last, "{:a}", value);
}
template <typename = void>
to_chars_result to_chars(char* first, char* last, double value, chars_format, int precision) {
    return cnc::toml_chars::formatted(first, last, "{:.{}g}", value, precision);
}
}  // namespace std

#define TOML_FLOAT_CHARCONV 1
#define TOML_INT_CHARCONV 1
#endif

#include <toml++/toml.h>
