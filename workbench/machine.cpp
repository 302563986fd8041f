// SPDX-License-Identifier: GPL-3.0-or-later
// The machine's axes and their forms.
#include "workbench/machine.h"

#include <algorithm>

#include "calc/firmware_lines.h"
#include "cli/machine.h"
#include "workbench/input_options.h"
#include "workbench/machine_options.h"

namespace cnc::workbench {
namespace internal {

bool isAxisOption(std::string_view key) {
    return key != "calibra" && isOption(key) && cli::isAxisOption("--" + std::string(key));
}

std::optional<std::string> firmwareOfName(std::string_view name) {
    const auto firmware = firmwareNamed(name);
    if (!firmware) return std::nullopt;
    return std::string(firmware->name);
}

std::optional<std::pair<std::string, std::string>> firstUnshowable(const State& state) {
    for (const auto& option : state) {
        if (!isAxisOption(option.first) || !entriesOf({option})) return option;
    }
    return std::nullopt;
}

cli::Machine fileMachine(const MachineState& machine) {
    cli::Machine file;
    if (!machine.firmware.empty()) file.firmware = machine.firmware;
    if (!machine.name.empty()) file.name = machine.name;
    for (const MachineAxis& axis : machine.axes) file.axes.push_back({axis.letter, axis.state});
    return file;
}

}  // namespace internal

namespace {

std::size_t placeOf(char letter) { return cli::kMachineAxisOrder.find(letter); }

}  // namespace

MachineState newMachine() { return {{}, {}, {{'X', {}}}}; }

std::string freeLetters(const MachineState& machine) {
    std::string letters;
    for (const char letter : cli::kMachineAxisOrder) {
        if (std::none_of(machine.axes.begin(), machine.axes.end(),
                         [&](const MachineAxis& axis) { return axis.letter == letter; })) {
            letters += letter;
        }
    }
    return letters;
}

std::optional<MachineState> withAxis(MachineState machine, char letter, State state) {
    if (freeLetters(machine).find(letter) == std::string::npos) return std::nullopt;
    const auto after = std::find_if(
        machine.axes.begin(), machine.axes.end(),
        [&](const MachineAxis& axis) { return placeOf(axis.letter) > placeOf(letter); });
    machine.axes.insert(after, {letter, std::move(state)});
    return machine;
}

MachineState withoutAxis(MachineState machine, char letter) {
    if (machine.axes.size() > 1) {
        std::erase_if(machine.axes, [&](const MachineAxis& axis) { return axis.letter == letter; });
    }
    return machine;
}

bool isAxisInput(const Input& input) {
    if (input.kind == InputKind::Text) return internal::isAxisOption(input.key);
    // The page's C++ library has no range algorithms.
    return std::any_of(
        input.alternatives.begin(), input.alternatives.end(),
        [](const Alternative& alternative) { return internal::isAxisOption(alternative.option); });
}

Entries axisEntries(const MachineState& machine, std::size_t index) {
    State state = machine.axes.at(index).state;
    if (!machine.firmware.empty()) state.emplace_back("firmware", machine.firmware);
    // A machine's axes are read or made showable.
    return entriesOf(state).value_or(initialEntries());
}

State axisStateOf(const Entries& entries) {
    State state = stateOf(entries);
    std::erase_if(state, [](const auto& option) { return !internal::isAxisOption(option.first); });
    return state;
}

}  // namespace cnc::workbench
