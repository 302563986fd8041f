// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Internal to the workbench: any bytes as text of an XML document, where a
// user's typing may reach it.
//
//   xmlEscaped("a<b & \"c\"")      -> "a&lt;b &amp; &quot;c&quot;"
//   xmlEscaped("\x01\xff ok")      -> "\uFFFD\uFFFD ok" (a control character, no UTF-8)
//   cutText("12345678901234", 10)  -> "1234567890…"
//   cutText("Ø 20", 10)            -> "Ø 20" (characters, not bytes, are counted)

#include <cstddef>
#include <string>
#include <string_view>

namespace cnc::workbench::internal {

// `text` as UTF-8 that XML 1.0 allows: a byte that begins no well-formed
// UTF-8 sequence, and a character XML does not allow (controls but tab,
// line feed and carriage return; U+FFFE, U+FFFF), each become U+FFFD.
std::string xmlCharacters(std::string_view text);

// xmlCharacters(text) cut after `limit` characters, with "…" in place of
// the rest.
std::string cutText(std::string_view text, std::size_t limit);

// xmlCharacters(text) with & < > " ' written as references, for an element's
// text or an attribute's value in either quotes.
std::string xmlEscaped(std::string_view text);

}  // namespace cnc::workbench::internal
