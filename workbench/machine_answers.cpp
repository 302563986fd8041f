// SPDX-License-Identifier: GPL-3.0-or-later
// The machine's answers: each axis as the one-axis workbench answers it,
// and the block of the whole machine as the command line makes it.
#include "calc/firmware_lines.h"
#include "cli/machine_answer.h"
#include "workbench/machine.h"
#include "workbench/machine_options.h"

namespace cnc::workbench {
namespace {

// The axis's options as the command line's machine reads them: with the
// machine's firmware and the axis's letter; its joints are LinuxCNC's alone.
State axisQuestion(const MachineAxis& axis, const std::optional<FirmwareName>& firmware) {
    const bool joints = firmware && firmware->firmware == Firmware::LinuxCnc;
    State question;
    for (const auto& option : axis.state) {
        if (option.first != "giunto" || joints) question.push_back(option);
    }
    if (firmware) {
        question.emplace_back("firmware", std::string(firmware->name));
        question.emplace_back("asse", std::string(1, axis.letter));
    }
    return question;
}

}  // namespace

MachineEvaluation evaluateMachine(const MachineState& machine, std::string_view decimalSeparator,
                                  std::string_view groupSeparator) {
    const std::optional<FirmwareName> firmware = firmwareNamed(machine.firmware);
    MachineEvaluation evaluation;
    bool stopped = false;
    for (const MachineAxis& axis : machine.axes) {
        Evaluation answered =
            evaluate(axisQuestion(axis, firmware), decimalSeparator, groupSeparator);
        answered.firmwareLines.clear();
        stopped = stopped || !answered.errors.empty();
        evaluation.axes.push_back({axis.letter, std::move(answered)});
    }
    if (stopped) return evaluation;
    // What no axis says alone: the joints of a gantry, a block the firmware refuses.
    const cli::MachineAnswer answer =
        cli::answerMachine(internal::fileMachine(machine), _(kMachineTitle), std::nullopt,
                           decimalSeparator, groupSeparator);
    evaluation.firmwareLines = answer.firmwareLines;
    for (const cli::MachineProblem& problem : answer.problems) {
        evaluation.errors.push_back({problem.axis, problem.message});
    }
    return evaluation;
}

}  // namespace cnc::workbench
