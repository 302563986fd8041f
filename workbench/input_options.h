// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Internal to the workbench: the inputs as the command line's options.

#include <string>
#include <string_view>

#include "workbench/workbench.h"

namespace cnc::workbench::internal {

// The text input of the option `key`, or nullptr.
const Input* textInput(std::string_view key);

// The input that holds the option `key`: its text input, else the choice
// with an alternative that stands for it; nullptr for none.
const Input* inputOfOption(std::string_view key);

// An option that takes no text, as the command line has it.
bool isFlag(std::string_view key);

// An option the workbench's state may hold.
bool isOption(std::string_view key);

// Whether the option `key` is a number's, whose decimal separator an
// address or a file writes as '.' (workbench_address.cpp).
bool isNumber(std::string_view key);

// A decimal separator that is no text reads and writes as the point.
std::string_view decimalOf(std::string_view separator);

// `text` percent-encoded; in a number, its decimal separator as '.', and a
// '.' that is none encoded, so that only a decimal separator is a bare '.'.
std::string encoded(std::string_view text, bool number, std::string_view separator);

// `text` decoded; in a number, a bare '.' or ',' is the reader's separator.
std::string decoded(std::string_view text, bool number, std::string_view separator);

// The key the state keeps for an option given by either of its names:
// "microsteps" -> "micropassi", "micropassi" -> "micropassi"; a key that is
// no option, as it is.
std::string canonicalKey(std::string_view key);

}  // namespace cnc::workbench::internal
