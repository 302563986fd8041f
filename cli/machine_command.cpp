// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/machine_command.h"

#include <QJsonArray>

#include <variant>

#include "cli/json_objects.h"
#include "cli/machine_answer.h"
#include "cli/machine_file.h"

namespace cnc::cli {
namespace {

QJsonValue orNull(const std::optional<std::string>& text) {
    return text ? QJsonValue(jsonText(*text)) : QJsonValue();
}

QJsonObject problemObject(const MachineProblem& problem) {
    QJsonObject object = errorReportObject(problem.kind, problem.field, problem.message);
    object["asse"] = problem.axis ? QJsonValue(jsonText(std::string(1, *problem.axis))) : QJsonValue();
    object["chiave"] = orNull(problem.key);
    return object;
}

std::string machineReport(const MachineAnswer& answer, std::string_view separator) {
    QJsonObject axes;
    for (const AnsweredAxis& axis : answer.axes) {
        axes[jsonText(std::string(1, axis.letter))] =
            runReportObject(axis.options, axis.outcome, separator);
    }
    QJsonArray lines;
    for (const std::string& line : answer.firmwareLines) lines.append(jsonText(line));
    QJsonArray problems;
    for (const MachineProblem& problem : answer.problems) problems.append(problemObject(problem));
    QJsonObject report{{"assi", axes}, {"firmware", lines}, {"errori", problems}};
    if (answer.name) report["nome"] = jsonText(*answer.name);
    if (answer.status != 0) {
        const MachineProblem& first = answer.problems.front();
        report["errore"] = errorReportObject(first.kind, first.field, first.message);
    }
    return reportText(report);
}

}  // namespace

int answerMachineFile(const Options& options, const Separators& separators, std::ostream& out,
                      std::ostream& err) {
    const std::string& fileName = *options.machineFile;
    const MachineReading reading = readMachineFile(fileName);
    const MachineAnswer answer =
        std::holds_alternative<Machine>(reading)
            ? answerMachine(std::get<Machine>(reading), fileName, options.firmware,
                            separators.decimal, separators.group)
            : unreadMachine(std::get<std::vector<MachineFileError>>(reading));
    if (options.json) {
        out << machineReport(answer, separators.decimal);
    } else {
        for (const std::string& line : machineResultLines(answer, separators.decimal)) {
            out << line << '\n';
        }
        for (const std::string& line : answer.firmwareLines) out << line << '\n';
    }
    for (const MachineProblem& problem : answer.problems) err << problem.message << '\n';
    return answer.status;
}

}  // namespace cnc::cli
