// SPDX-License-Identifier: GPL-3.0-or-later
// The workbench library over arbitrary states. A state reads back from its
// address and from its arguments as it was; its drive diagram is well-formed
// XML, whatever bytes its texts hold; and where the command line takes
// the state's options without an error, the workbench answers exactly the
// lines it prints (results, then the firmware's), in the same separators.
//
// Input: a byte that picks the separators, then fields "key=text" (or a
// flag's "key") separated by 0xFF; a field that is no option of the
// workbench's is left out.

#include <QByteArray>
#include <QXmlStreamReader>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "fuzz_input.h"
#include "workbench/drive_diagram.h"
#include "workbench/workbench.h"

namespace {

using cnc::workbench::State;

const cnc::cli::Separators kSeparators[] = {
    {".", ","}, {",", "."}, {"?", ","}, {".", ""}, {"\xd9\xab", "\xd9\xac"},
};
constexpr std::size_t kMostOptions = 12;

// The options the fields give, as the command line takes them.
State stateOf(const std::vector<std::string>& fields) {
    State state;
    for (const std::string& field : fields) {
        const auto option = cnc::workbench::stateOfArguments({"--" + field});
        // The calibration's own question is implied by its inputs, never kept.
        if (!option || option->size() != 1 || option->front().first == "calibra") continue;
        state.push_back(option->front());
    }
    return state;
}

bool asksCalibration(const State& state) {
    for (const auto& [key, text] : state) {
        if (key == "attuali" || key == "rotation-distance" || key == "comandati" ||
            key == "misurati") {
            return true;
        }
    }
    return false;
}

std::string linesOf(const cnc::workbench::Evaluation& evaluation) {
    std::string lines;
    for (const auto& result : evaluation.results)
        lines += result.label + ": " + result.value + "\n";
    for (const std::string& line : evaluation.firmwareLines) lines += line + "\n";
    return lines;
}

bool wellFormed(const std::string& document) {
    QXmlStreamReader reader(QByteArray::fromStdString(document));
    while (!reader.atEnd()) reader.readNext();
    return !reader.hasError();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const cnc::cli::Separators& separators = kSeparators[data[0] % std::size(kSeparators)];
    const State state = stateOf(fuzz::splitFields(data + 1, size - 1, kMostOptions));

    const std::string address = cnc::workbench::addressOf(state, separators.decimal);
    if (cnc::workbench::stateOfAddress(address, separators.decimal) != state) std::abort();
    const std::vector<std::string> arguments = cnc::workbench::argumentsOf(state);
    if (cnc::workbench::stateOfArguments(arguments) != state) std::abort();
    if (!wellFormed(cnc::workbench::driveDiagram(state, {}, separators.decimal))) std::abort();

    // A calibration beside a drive is two questions the command line asks apart.
    if (asksCalibration(state)) return 0;
    std::ostringstream out;
    std::ostringstream err;
    if (cnc::cli::runCommandLine(arguments, separators, out, err) != 0) return 0;
    const auto evaluation = cnc::workbench::evaluate(state, separators.decimal, separators.group);
    if (!evaluation.errors.empty() || linesOf(evaluation) != out.str()) std::abort();
    return 0;
}
