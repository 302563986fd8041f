// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Internal to the machine: which options an axis holds, and what a view of
// the machine can show.

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "cli/machine.h"
#include "workbench/machine.h"

namespace cnc::workbench::internal {

// An option of an axis's drive that an input of the workbench holds.
bool isAxisOption(std::string_view key);

// The firmware's name as its choice has it ("Marlin" -> "marlin"); nullopt
// for no firmware's name.
std::optional<std::string> firmwareOfName(std::string_view name);

// The first option of `state` that no input of an axis's form shows (an
// option of the command line alone, a value no choice has); nullopt when
// every one is shown.
std::optional<std::pair<std::string, std::string>> firstUnshowable(const State& state);

// The machine as the command line's machine file holds it, texts as they are.
cli::Machine fileMachine(const MachineState& machine);

}  // namespace cnc::workbench::internal
