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

// The key the state keeps for an option given by either of its names:
// "microsteps" -> "micropassi", "micropassi" -> "micropassi"; a key that is
// no option, as it is.
std::string canonicalKey(std::string_view key);

}  // namespace cnc::workbench::internal
