// SPDX-License-Identifier: GPL-3.0-or-later
#include "workbench/xml_text.h"

#include <optional>
#include <utility>

namespace cnc::workbench::internal {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// What the lead byte of a UTF-8 sequence says: its length, its own bits of
// the character, and the least character that needs that length.
struct Lead {
    std::size_t length;
    char32_t bits;
    char32_t least;
};

std::optional<Lead> leadOf(unsigned char byte) {
    if (byte < 0x80) return Lead{1, byte, 0};
    if (byte >= 0xC2 && byte <= 0xDF) return Lead{2, byte & 0x1Fu, 0x80};
    if (byte >= 0xE0 && byte <= 0xEF) return Lead{3, byte & 0x0Fu, 0x800};
    if (byte >= 0xF0 && byte <= 0xF4) return Lead{4, byte & 0x07u, 0x10000};
    return std::nullopt;
}

// The character at the start of `text` and its length in bytes: U+FFFD and
// one byte for a sequence that is no well-formed UTF-8 (a stray continuation
// byte, a sequence cut short, an overlong form, a surrogate, beyond U+10FFFF).
std::pair<char32_t, std::size_t> firstCharacter(std::string_view text) {
    const auto lead = leadOf(static_cast<unsigned char>(text.front()));
    if (!lead || text.size() < lead->length) return {kReplacement, 1};
    char32_t character = lead->bits;
    for (std::size_t i = 1; i < lead->length; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte & 0xC0u) != 0x80) return {kReplacement, 1};
        character = (character << 6) | (byte & 0x3Fu);
    }
    const bool surrogate = character >= 0xD800 && character <= 0xDFFF;
    if (character < lead->least || surrogate || character > 0x10FFFF) return {kReplacement, 1};
    return {character, lead->length};
}

bool allowedInXml(char32_t c) {
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
           (c >= 0xE000 && c <= 0xFFFD) || c >= 0x10000;
}

void appendUtf8(std::string& out, char32_t c) {
    const auto put = [&](char32_t bits) { out += static_cast<char>(bits); };
    if (c < 0x80) {
        put(c);
        return;
    }
    // The lead byte, then six bits a byte from the highest.
    const int continuations = c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
    constexpr char32_t kLeadMarks[] = {0, 0xC0, 0xE0, 0xF0};
    put(kLeadMarks[continuations] | (c >> (6 * continuations)));
    for (int shift = 6 * (continuations - 1); shift >= 0; shift -= 6) {
        put(0x80 | ((c >> shift) & 0x3F));
    }
}

// Calls `each` with every character of `text` as XML allows it, until it
// returns false.
template <typename Each>
void forEachCharacter(std::string_view text, Each each) {
    while (!text.empty()) {
        auto [character, length] = firstCharacter(text);
        text.remove_prefix(length);
        if (!each(allowedInXml(character) ? character : kReplacement)) return;
    }
}

}  // namespace

std::string xmlCharacters(std::string_view text) {
    std::string out;
    forEachCharacter(text, [&](char32_t c) {
        appendUtf8(out, c);
        return true;
    });
    return out;
}

std::string cutText(std::string_view text, std::size_t limit) {
    std::string out;
    std::size_t count = 0;
    forEachCharacter(text, [&](char32_t c) {
        if (count++ == limit) {
            out += "…";
            return false;
        }
        appendUtf8(out, c);
        return true;
    });
    return out;
}

std::string xmlEscaped(std::string_view text) {
    std::string out;
    forEachCharacter(text, [&](char32_t c) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            case '\'': out += "&#39;"; break;
            default: appendUtf8(out, c);
        }
        return true;
    });
    return out;
}

}  // namespace cnc::workbench::internal
