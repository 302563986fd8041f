// SPDX-License-Identifier: GPL-3.0-or-later
// The workbench's state in an address, "micropassi=16&velocita=30.5".
#include <algorithm>

#include "workbench/input_options.h"
#include "workbench/workbench.h"

namespace cnc::workbench {
namespace {

bool isPlain(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_';
}

char hexDigit(unsigned value) {
    return static_cast<char>(value < 10 ? '0' + value : 'A' + value - 10);
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

namespace internal {

bool isNumber(std::string_view key) {
    const Input* input = textInput(key);
    return input && input->number;
}

std::string_view decimalOf(std::string_view separator) {
    return separator.empty() ? "." : separator;
}

std::string encoded(std::string_view text, bool number, std::string_view separator) {
    std::string out;
    while (!text.empty()) {
        if (number && text.starts_with(separator)) {
            out += '.';
            text.remove_prefix(separator.size());
            continue;
        }
        const char c = text.front();
        if (isPlain(c) && !(number && c == '.')) {
            out += c;
        } else {
            const auto byte = static_cast<unsigned char>(c);
            out += '%';
            out += hexDigit(byte >> 4);
            out += hexDigit(byte & 15u);
        }
        text.remove_prefix(1);
    }
    return out;
}

std::string decoded(std::string_view text, bool number, std::string_view separator) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0 &&
            hexValue(text[i + 2]) >= 0) {
            out += static_cast<char>(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2]));
            i += 2;
        } else if (number && (text[i] == '.' || text[i] == ',')) {
            out += separator;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace internal

using internal::decimalOf;
using internal::decoded;
using internal::encoded;
using internal::isNumber;

std::string addressOf(const State& state, std::string_view decimalSeparator) {
    const std::string_view separator = decimalOf(decimalSeparator);
    std::string address;
    for (const auto& [key, value] : state) {
        if (!address.empty()) address += '&';
        address += encoded(key, false, separator);
        if (!internal::isFlag(key)) address += "=" + encoded(value, isNumber(key), separator);
    }
    return address;
}

std::optional<State> stateOfAddress(std::string_view query, std::string_view decimalSeparator) {
    const std::string_view separator = decimalOf(decimalSeparator);
    State state;
    while (!query.empty()) {
        const std::size_t amp = std::min(query.find('&'), query.size());
        const std::string_view pair = query.substr(0, amp);
        query.remove_prefix(std::min(amp + 1, query.size()));
        if (pair.empty()) continue;  // "a=1&&b=2", or a trailing '&'
        const std::size_t equals = std::min(pair.find('='), pair.size());
        const std::string key =
            internal::canonicalKey(decoded(pair.substr(0, equals), false, separator));
        if (!internal::isOption(key) || key == "calibra") return std::nullopt;
        const std::string_view value = pair.substr(std::min(equals + 1, pair.size()));
        state.emplace_back(
            key, internal::isFlag(key) ? std::string() : decoded(value, isNumber(key), separator));
    }
    return state;
}

}  // namespace cnc::workbench
