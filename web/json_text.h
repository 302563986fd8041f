// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// JSON text for what the page reads with JSON.parse.

#include <fmt/compile.h>

#include <string>
#include <string_view>

namespace cnc::web {

// `text` as a JSON string: quotes, backslashes and control characters
// escaped, everything else (UTF-8) as it is, so that any text a user typed
// or a message quotes parses back to itself.
//   a"b\  -> "a\"b\\"       line feed -> "\u000a"
inline std::string jsonString(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (byte < 0x20) {
            constexpr std::string_view kHex = "0123456789abcdef";
            quoted += "\\u00";
            quoted += kHex[byte >> 4];
            quoted += kHex[byte & 0xf];
        } else {
            quoted += c;
        }
    }
    return quoted + '"';
}

// true or false: {fmt}'s own writer of a bool is 3 kB of the module.
inline std::string_view jsonBool(bool value) { return value ? "true" : "false"; }

// [each element as `json` writes it, ...]
template <class Range, class Json>
std::string jsonArray(const Range& range, Json json) {
    std::string array = "[";
    for (const auto& element : range) {
        if (array.size() > 1) array += ',';
        array += json(element);
    }
    return array + ']';
}

// {key: each value as `json` writes it, ...} of (key, value) pairs.
template <class Pairs, class Json>
std::string jsonObject(const Pairs& pairs, Json json) {
    std::string object = "{";
    for (const auto& [key, value] : pairs) {
        if (object.size() > 1) object += ',';
        object += jsonString(key) + ':' + json(value);
    }
    return object + '}';
}

}  // namespace cnc::web
