// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The machine file: TOML, with a `firmware` key, an optional `nome`, and one
// table per axis whose keys are the command line's options without dashes,
// in either language, and whose values are their texts, numbers or true
// (false: the option is not given):
//   firmware = "klipper"
//   nome = "Stampante"
//   [asse.X]
//   angolo-passo = 0.9
//   micropassi = 16
//   puleggia-asse = 20
//   profilo-cinghia = "GT2"
//   [asse.E]
//   micropassi = 16
//   rapporto = "50:17"
//   diametro-ruota = 7.3
// `name`, `axis` and the English options are read as `nome`, `asse` and the
// Italian ones. A decimal number keeps every digit as written (7.30 is
// "7.30"), an integer is its decimal digits; other number forms (1e3) are
// read as the double they are, written in its shortest text.

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "cli/machine.h"

namespace cnc::cli {

// What is wrong with a file, where it is known, as a whole sentence:
//   "m.toml:3:7: Error while parsing value: could not determine value type"
//   "m.toml:5:1: asse X: chiave sconosciuta «colore»"
struct MachineFileError {
    std::string message;
    std::optional<char> axis;
    std::optional<std::string> key;  // the file's key, as written
};

using MachineReading = std::variant<Machine, std::vector<MachineFileError>>;

// `text` is the file's content, `fileName` what messages call it.
MachineReading readMachineText(std::string_view text, std::string_view fileName);

// The file at `path`, of 1 MiB at most; one that cannot be read is an error.
MachineReading readMachineFile(const std::string& path);

// TOML that reads back to `machine`: texts that are numbers as numbers, flags
// as true, other texts quoted. Texts are UTF-8.
std::string machineText(const Machine& machine);

}  // namespace cnc::cli
