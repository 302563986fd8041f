// SPDX-License-Identifier: GPL-3.0-or-later
// The machine in an address and in the machine file.
#include <algorithm>
#include <map>
#include <variant>
#include <vector>

#include "cli/machine_file.h"
#include "workbench/input_options.h"
#include "workbench/machine.h"
#include "workbench/machine_options.h"

namespace cnc::workbench {
namespace {

using internal::decimalOf;

constexpr std::string_view kFirmwareKey = "firmware";
constexpr std::string_view kNameKey = "nome";

bool isLetter(std::string_view key) {
    return key.size() == 1 && cli::kMachineAxisOrder.find(key[0]) != std::string_view::npos;
}

// A number's text with '.' for the user's separator, as a file holds it.
std::string pointed(std::string_view text, std::string_view separator) {
    std::string out;
    while (!text.empty()) {
        const bool decimal = text.starts_with(separator);
        out += decimal ? std::string(".") : std::string(1, text.front());
        text.remove_prefix(decimal ? separator.size() : 1);
    }
    return out;
}

// A number's text with the reader's separator for a '.' or ',' of a file.
std::string withSeparator(std::string_view text, std::string_view separator) {
    std::string out;
    for (const char c : text) {
        if (c == '.' || c == ',') {
            out += separator;
        } else {
            out += c;
        }
    }
    return out;
}

// Every text of a number's option rewritten by `rewrite`.
template <class Rewrite>
State numbersRewritten(State state, std::string_view separator, Rewrite rewrite) {
    for (auto& [key, text] : state) {
        if (internal::isNumber(key)) text = rewrite(text, separator);
    }
    return state;
}

// The machine ordered as it is kept, when every axis and its firmware can
// be shown; else the first option that cannot, with its axis.
struct Unshowable {
    char letter;
    std::pair<std::string, std::string> option;
};
std::variant<MachineState, Unshowable> showable(MachineState machine) {
    std::sort(
        machine.axes.begin(), machine.axes.end(), [](const MachineAxis& a, const MachineAxis& b) {
            return cli::kMachineAxisOrder.find(a.letter) < cli::kMachineAxisOrder.find(b.letter);
        });
    for (const MachineAxis& axis : machine.axes) {
        if (auto option = internal::firstUnshowable(axis.state)) {
            return Unshowable{axis.letter, *std::move(option)};
        }
    }
    if (machine.axes.empty()) machine.axes = newMachine().axes;
    return machine;
}

}  // namespace

std::string machineAddressOf(const MachineState& machine, std::string_view decimalSeparator) {
    const std::string_view separator = decimalOf(decimalSeparator);
    std::vector<std::string> pairs;
    if (!machine.firmware.empty()) {
        pairs.push_back(std::string(kFirmwareKey) + "=" +
                        internal::encoded(machine.firmware, false, separator));
    }
    if (!machine.name.empty()) {
        pairs.push_back(std::string(kNameKey) + "=" +
                        internal::encoded(machine.name, false, separator));
    }
    for (const MachineAxis& axis : machine.axes) {
        if (axis.state.empty()) pairs.emplace_back(1, axis.letter);
        for (const auto& option : axis.state) {
            pairs.push_back(std::string(1, axis.letter) + "." +
                            addressOf({option}, decimalSeparator));
        }
    }
    std::string address;
    for (const std::string& pair : pairs) address += (address.empty() ? "" : "&") + pair;
    return address;
}

std::optional<MachineState> machineOfAddress(std::string_view query,
                                             std::string_view decimalSeparator) {
    const std::string_view separator = decimalOf(decimalSeparator);
    MachineState machine;
    std::map<char, std::string> axisQueries;  // each axis's own address
    while (!query.empty()) {
        const std::size_t amp = std::min(query.find('&'), query.size());
        const std::string_view pair = query.substr(0, amp);
        query.remove_prefix(std::min(amp + 1, query.size()));
        if (pair.empty()) continue;
        // "X.micropassi=16": an option of the axis X, as its own address has it.
        if (pair.size() > 2 && isLetter(pair.substr(0, 1)) && pair[1] == '.') {
            std::string& axisQuery = axisQueries[pair[0]];
            axisQuery += (axisQuery.empty() ? "" : "&") + std::string(pair.substr(2));
            continue;
        }
        const std::size_t equals = std::min(pair.find('='), pair.size());
        const std::string key = internal::decoded(pair.substr(0, equals), false, separator);
        const bool valued = equals < pair.size();
        const std::string value =
            internal::decoded(pair.substr(std::min(equals + 1, pair.size())), false, separator);
        if (key == kFirmwareKey && valued) {
            const auto firmware = internal::firmwareOfName(value);
            if (!firmware) return std::nullopt;
            machine.firmware = *firmware;
        } else if (key == kNameKey && valued) {
            machine.name = value;
        } else if (isLetter(key) && !valued) {
            axisQueries[key[0]];
        } else {
            return std::nullopt;
        }
    }
    for (const auto& [letter, axisQuery] : axisQueries) {
        auto state = stateOfAddress(axisQuery, decimalSeparator);
        if (!state) return std::nullopt;
        machine.axes.push_back({letter, *std::move(state)});
    }
    auto shown = showable(std::move(machine));
    if (auto* good = std::get_if<MachineState>(&shown)) return *std::move(good);
    return std::nullopt;
}

std::string machineText(const MachineState& machine, std::string_view decimalSeparator) {
    cli::Machine file = internal::fileMachine(machine);
    for (cli::MachineAxisOptions& axis : file.axes) {
        axis.options =
            numbersRewritten(std::move(axis.options), decimalOf(decimalSeparator), pointed);
    }
    return cli::machineText(file);
}

namespace {

// The machine of a reading of its file, when every option has an input.
std::variant<MachineState, std::string> machineOfReading(const cli::MachineReading& reading,
                                                         std::string_view fileName,
                                                         std::string_view decimalSeparator) {
    if (const auto* errors = std::get_if<std::vector<cli::MachineFileError>>(&reading)) {
        return errors->front().message;
    }
    const cli::Machine& file = std::get<cli::Machine>(reading);
    MachineState machine{file.firmware.value_or(""), file.name.value_or(""), {}};
    for (const cli::MachineAxisOptions& axis : file.axes) {
        machine.axes.push_back(
            {axis.letter,
             numbersRewritten(axis.options, decimalOf(decimalSeparator), withSeparator)});
    }
    auto shown = showable(std::move(machine));
    if (auto* good = std::get_if<MachineState>(&shown)) return *std::move(good);
    const auto& [letter, option] = std::get<Unshowable>(shown);
    const auto& [key, value] = option;
    // TRANSLATORS: {0} the file, {1} an axis letter, {2} the file's key, {3} its value
    return filled(_("{0}: asse {1}: il banco non ha un ingresso per «{2} = {3}»; "
                    "cnc-axis-calc-cli --macchina legge il file."),
                  {fileName, std::string(1, letter), key, value});
}

}  // namespace

std::variant<MachineState, std::string> machineOfText(std::string_view text,
                                                      std::string_view fileName,
                                                      std::string_view decimalSeparator) {
    return machineOfReading(cli::readMachineText(text, fileName), fileName, decimalSeparator);
}

std::variant<MachineState, std::string> machineOfFile(const std::string& path,
                                                      std::string_view decimalSeparator) {
    return machineOfReading(cli::readMachineFile(path), path, decimalSeparator);
}

}  // namespace cnc::workbench
