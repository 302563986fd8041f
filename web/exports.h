// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the page calls the module: plain C functions, each exported under the
// name the page's bridge (core.js) calls it by, and these rules for all of
// them:
// - A text argument is two: the address and the size in bytes of its UTF-8,
//   in memory the page takes with malloc and frees after the call. It may
//   hold NUL bytes (a catalogue's do). A value of the page's that is more
//   than a text (a form's entries, a machine) comes as its JSON text, which
//   JsonValue reads. A number or a boolean is an int.
// - A text answer is the address of its UTF-8 bytes, answerSize() of them.
//   The module owns them and keeps them until the next call of any of its
//   functions: the page copies them out at once.
// - The calculation's errors are answers (pressCalcola's error, a file's
//   error line). Any other exception, which no input should cause, reaches
//   the page as a WebAssembly exception thrown by the call.
//     answerOf(layoutJson())           -> the text's address, answerSize() its size
//     argumentText(address of "a\0b", 3)     -> "a\0b"

#include <emscripten/emscripten.h>

#include <cstddef>
#include <string>

#include "web/json/json_value.h"

namespace cnc::web {

// The text at `bytes`, `size` of them.
inline std::string argumentText(const char* bytes, std::size_t size) {
    return std::string(bytes, size);
}

// The value the JSON text at `bytes` stands for; null when it is not JSON.
inline JsonValue argumentJson(const char* bytes, std::size_t size) {
    return JsonValue::parse(std::string_view(bytes, size));
}

// Keeps `text` as the answer of the call; gives its address.
const char* answerOf(std::string text);

}  // namespace cnc::web
