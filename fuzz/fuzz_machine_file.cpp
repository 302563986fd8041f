// SPDX-License-Identifier: GPL-3.0-or-later
// A machine file of arbitrary text, read and answered in process, with the
// first byte choosing a firmware to answer it for instead of its own. It
// must end with a status of 0, 1 or 2, with a problem when and only when the
// status is not 0, a block only when it is 0; a file read without errors
// must write text that reads back to the same machine.

#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "calc/firmware_lines.h"
#include "cli/machine_answer.h"
#include "cli/machine_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const std::size_t choice = data[0] % (cnc::kFirmwares.size() + 1);
    const auto firmware = choice < cnc::kFirmwares.size()
                              ? std::optional(cnc::kFirmwares[choice])
                              : std::nullopt;
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    const cnc::cli::MachineReading reading = cnc::cli::readMachineText(text, "m.toml");
    const auto* machine = std::get_if<cnc::cli::Machine>(&reading);
    if (!machine) {
        if (std::get<std::vector<cnc::cli::MachineFileError>>(reading).empty()) std::abort();
        return 0;
    }
    const cnc::cli::MachineReading again =
        cnc::cli::readMachineText(cnc::cli::machineText(*machine), "again.toml");
    const auto* reread = std::get_if<cnc::cli::Machine>(&again);
    if (!reread || !(*reread == *machine)) std::abort();

    const cnc::cli::MachineAnswer answer =
        cnc::cli::answerMachine(*machine, "m.toml", firmware, ".", "");
    if (answer.status < 0 || answer.status > 2) std::abort();
    if (answer.problems.empty() != (answer.status == 0)) std::abort();
    if (answer.status != 0 && !answer.firmwareLines.empty()) std::abort();
    return 0;
}
