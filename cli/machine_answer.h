// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A machine answered as the command line answers each of its axes, with the
// machine's firmware and the axis's letter, and then one block of lines for
// the whole machine (calc/machine_lines.h):
//   X Step/mm: 160.000000000
//   X Risoluzione del passo (mm): 0.006250000
//   ...
//   E Step/mm: 410.391472920
//   E Risoluzione del passo (mm): 0.002436698
//   M92 X160 Y160 Z400 E410.39147
//   M500
//   #define DEFAULT_AXIS_STEPS_PER_UNIT { 160, 160, 400, 410.39147 }
// What is wrong with the options of the file (options that contradict each
// other, an axis its firmware does not have, a rotary axis that is not A, B
// or C, two axes on one LinuxCNC joint, joints with a gap, which trivkins
// cannot number) is a problem of usage: no axis is answered, status 2. A
// value that stops one axis is that axis's problem, status 1: the others are
// answered, and no block is made, never one with an axis missing. LinuxCNC's
// joints are each axis's `giunto`, else the lowest free ones in the axes'
// order; the other firmwares have no joints and do not read `giunto`.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/firmware_lines.h"
#include "calc/form.h"
#include "cli/machine.h"
#include "cli/machine_file.h"
#include "cli/options.h"
#include "cli/run.h"

namespace cnc::cli {

// One thing that stops the machine, as a whole sentence that names the file
// and, where they apply, the axis and the key.
struct MachineProblem {
    std::string kind;  // "uso" for the file's own, else the run's ("Overflow", "Firmware", ...)
    std::optional<char> axis;
    std::optional<std::string> key;  // the file's key at fault, or the option that stopped the axis
    std::optional<Field> field;
    std::string message;
};

struct AnsweredAxis {
    char letter;
    Options options;
    Outcome outcome;  // its firmware lines are the block's
};

struct MachineAnswer {
    std::optional<std::string> name;
    std::vector<AnsweredAxis> axes;
    std::vector<std::string> firmwareLines;  // the block
    std::vector<MachineProblem> problems;
    int status = 0;  // 0, 1 an axis or the block stopped, 2 a problem of usage
};

// `fileName` is what the messages call the machine; `firmware`, when given,
// replaces the machine's own.
MachineAnswer answerMachine(const Machine& machine, std::string_view fileName,
                            const std::optional<FirmwareName>& firmware,
                            std::string_view decimalSeparator, std::string_view groupSeparator);

// A file that could not be read as a machine: its errors, status 2.
MachineAnswer unreadMachine(const std::vector<MachineFileError>& errors);

// Each answered axis's result lines, "X Step/mm: 160.000000000", in order.
std::vector<std::string> machineResultLines(const MachineAnswer& answer,
                                            std::string_view decimalSeparator);

}  // namespace cnc::cli
