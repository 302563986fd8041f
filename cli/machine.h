// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A whole machine as the command line describes it: a firmware, a name, and
// for each axis the options of its drive, by their Italian names without
// dashes, with their texts ("" for a flag):
//   firmware "klipper", axes X {{"angolo-passo", "0.9"}, {"micropassi", "16"},
//   {"puleggia-asse", "20"}, {"profilo-cinghia", "GT2"}}, ..., E {{"micropassi",
//   "16"}, {"rapporto", "50:17"}, {"diametro-ruota", "7.3"}}

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace cnc::cli {

// The axes of a machine, in the order it keeps and answers them.
inline constexpr std::string_view kMachineAxisOrder = "XYZEABC";

struct MachineAxisOptions {
    char letter;
    std::vector<std::pair<std::string, std::string>> options;

    friend bool operator==(const MachineAxisOptions&, const MachineAxisOptions&) = default;
};

struct Machine {
    std::optional<std::string> firmware;  // a name of kFirmwares
    std::optional<std::string> name;
    std::vector<MachineAxisOptions> axes;  // in kMachineAxisOrder, each letter once

    friend bool operator==(const Machine&, const Machine&) = default;
};

// Whether an axis of a machine takes the option of this Italian name
// ("--micropassi"): the options of a drive and the answers beside it; not
// the firmware and its axes, which are the machine's, nor the questions of
// their own and the output's options.
bool isAxisOption(std::string_view name);

}  // namespace cnc::cli
