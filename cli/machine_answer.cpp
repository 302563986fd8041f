// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/machine_answer.h"

#include <algorithm>
#include <map>
#include <variant>

#include "calc/machine_lines.h"
#include "calc/translation.h"
#include "cli/result_lines.h"
#include "cli/screw_answers.h"
#include "cli/step_answers.h"

namespace cnc::cli {
namespace {

constexpr std::string_view kUsage = "uso";

// The machine being answered, and what the messages call it.
struct Answering {
    std::string_view fileName;
    MachineAnswer& answer;

    void stop(MachineProblem problem) {
        std::string placed(fileName);
        if (problem.axis) {
            placed = filled(_("{0}: {1}"),
                            {placed, filled(_("asse {0}"), {std::string(1, *problem.axis)})});
        }
        problem.message = filled(_("{0}: {1}"), {placed, problem.message});
        answer.status = std::max(answer.status, problem.kind == kUsage ? 2 : 1);
        answer.problems.push_back(std::move(problem));
    }

    void stopUsage(std::optional<char> axis, std::optional<std::string> key,
                   std::string message) {
        stop({std::string(kUsage), axis, std::move(key), std::nullopt, std::move(message)});
    }
};

// The axis's options as the command line takes them. Its joints number
// LinuxCNC's, and another firmware, which has none, does not read them: a
// gantry's file serves every firmware.
std::vector<std::string> argumentsOf(const MachineAxisOptions& axis,
                                     const std::optional<FirmwareName>& firmware) {
    const bool joints = firmware && firmware->firmware == Firmware::LinuxCnc;
    std::vector<std::string> arguments;
    for (const auto& [name, text] : axis.options) {
        if (name == "giunto" && !joints) continue;
        arguments.push_back("--" + name);
        if (takesText(arguments.back()).value_or(true)) arguments.push_back(text);
    }
    if (firmware) {
        arguments.insert(arguments.end(), {"--firmware", std::string(firmware->name), "--asse",
                                           std::string(1, axis.letter)});
    }
    return arguments;
}

// LinuxCNC's joints: each axis's own, then the lowest free ones in the axes'
// order; trivkins numbers them 0 to n-1, each once.
void assignJoints(std::vector<AnsweredAxis>& axes, Answering& answering) {
    std::map<int, char> taken;
    for (const AnsweredAxis& axis : axes) {
        for (const int joint : axis.options.axes.joints) {
            if (const auto [other, added] = taken.emplace(joint, axis.letter); !added) {
                answering.stopUsage(axis.letter, "giunto",
                                    // TRANSLATORS: {0} is a joint's number, {1} the letter of the
                                    // axis it is already of
                                    filled(_("il giunto {0} è già dell'asse {1}."),
                                           {std::to_string(joint), std::string(1, other->second)}));
                return;
            }
        }
    }
    int next = 0;
    for (AnsweredAxis& axis : axes) {
        if (!axis.options.axes.joints.empty()) continue;
        while (taken.contains(next)) ++next;
        taken.emplace(next, axis.letter);
        axis.options.axes.joints = {next};
    }
    for (int joint = 0; joint < static_cast<int>(taken.size()); ++joint) {
        if (!taken.contains(joint)) {
            answering.stopUsage(std::nullopt, "giunto",
                                // TRANSLATORS: {0} is the number of the joint missing
                                filled(_("i giunti vanno da 0 in su senza salti, come trivkins li "
                                         "numera: manca il giunto {0}."),
                                       {std::to_string(joint)}));
            return;
        }
    }
}

void parseAxes(const Machine& machine, const std::optional<FirmwareName>& firmware,
               std::string_view separator, std::string_view group, MachineAnswer& answer,
               Answering& answering) {
    for (const MachineAxisOptions& axis : machine.axes) {
        auto parsed = parseOptions(argumentsOf(axis, firmware), separator, group);
        if (const auto* error = std::get_if<UsageError>(&parsed)) {
            answering.stopUsage(axis.letter, std::nullopt, error->message);
            continue;
        }
        const Options& options = std::get<Options>(parsed);
        if (const auto error = options.rotary ? rotaryAxisError(std::string(1, axis.letter))
                                              : std::nullopt) {
            answering.stopUsage(axis.letter, "rotativo", error->message);
            continue;
        }
        answer.axes.push_back({axis.letter, options, {}});
    }
    if (answer.status == 0 && firmware && firmware->firmware == Firmware::LinuxCnc) {
        assignJoints(answer.axes, answering);
    }
}

// The key of the axis's table that stopped its run: the option to blame,
// when it is one of the axis's and not the machine's (its firmware).
std::optional<std::string> axisKeyOf(const std::optional<std::string>& option) {
    if (!option || !isAxisOption("--" + *option)) return std::nullopt;
    return option;
}

void makeBlock(const FirmwareName& firmware, MachineAnswer& answer, Answering& answering) {
    std::vector<MachineAxis> axes;
    for (const AnsweredAxis& axis : answer.axes) {
        axes.push_back({axis.letter, firmwareDriveOf(axis.options, *axis.outcome.drive),
                        axis.options.axes.joints,
                        largestSpeedPerMinute(axis.outcome.stepAnswers)});
    }
    try {
        answer.firmwareLines = machineLines(firmware.firmware, axes);
    } catch (const FirmwareRefusal& refusal) {
        answering.stop({"Firmware", std::nullopt, std::nullopt, refusal.field(),
                        filled(_("{0}: {1}"), {firmware.name, refusal.what()})});
    }
}

}  // namespace

MachineAnswer answerMachine(const Machine& machine, std::string_view fileName,
                            const std::optional<FirmwareName>& firmwareOption,
                            std::string_view decimalSeparator, std::string_view groupSeparator) {
    MachineAnswer answer;
    answer.name = machine.name;
    Answering answering{fileName, answer};
    const std::optional<FirmwareName> firmware =
        firmwareOption ? firmwareOption
                       : machine.firmware ? firmwareNamed(*machine.firmware) : std::nullopt;
    parseAxes(machine, firmware, decimalSeparator, groupSeparator, answer, answering);
    if (answer.status != 0) {
        answer.axes.clear();
        return answer;
    }
    for (AnsweredAxis& axis : answer.axes) {
        axis.outcome = run(axis.options, decimalSeparator, groupSeparator, [](Field, auto) {});
        axis.outcome.firmwareLines.clear();
        if (const auto& failure = axis.outcome.failure) {
            answering.stop({failure->kind, axis.letter, axisKeyOf(failure->option), failure->field,
                            failure->message});
        }
    }
    if (answer.status == 0 && firmware) makeBlock(*firmware, answer, answering);
    return answer;
}

MachineAnswer unreadMachine(const std::vector<MachineFileError>& errors) {
    MachineAnswer answer;
    for (const MachineFileError& error : errors) {
        answer.problems.push_back(
            {std::string(kUsage), error.axis, error.key, std::nullopt, error.message});
    }
    answer.status = 2;
    return answer;
}

std::vector<std::string> machineResultLines(const MachineAnswer& answer,
                                            std::string_view decimalSeparator) {
    std::vector<std::string> lines;
    for (const AnsweredAxis& axis : answer.axes) {
        for (const std::string& line : resultLines(axis.outcome, decimalSeparator)) {
            lines.push_back(std::string(1, axis.letter) + " " + line);
        }
    }
    return lines;
}

}  // namespace cnc::cli
