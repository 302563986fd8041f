// SPDX-License-Identifier: GPL-3.0-or-later
// The machine as the page calls it: its description, a link's or a file's
// machine, its file, its axes added, duplicated and removed, and its
// answers. The page keeps the machine as the module gives it and hands it
// back with each change; every rule is decided here.
//
// A machine crosses as JSON text both ways, {firmware, name, axes: [{letter,
// state: [[key, text], ...]}]}; an axis's form as the workbench's entries,
// {texts: {key: text}, chosen: {key: index}}.

#include <string>
#include <variant>

#include "exports.h"
#include "json_text.h"
#include "workbench/machine.h"
#include "workbench_form.h"

namespace cnc::web {
namespace {

using namespace cnc::workbench;

std::string jsonMachine(const MachineState& machine) {
    return fmt::format(FMT_COMPILE(R"({{"firmware":{},"name":{},"axes":{}}})"),
                       jsonString(machine.firmware), jsonString(machine.name),
                       jsonArray(machine.axes, [](const MachineAxis& axis) {
                           return fmt::format(FMT_COMPILE(R"({{"letter":{},"state":{}}})"),
                                              jsonString(std::string(1, axis.letter)),
                                              jsonArray(axis.state, [](const auto& option) {
                                                  return fmt::format(FMT_COMPILE("[{},{}]"),
                                                                     jsonString(option.first),
                                                                     jsonString(option.second));
                                              }));
                       }));
}

// The page's machine; what is not a text in it is empty.
MachineState machineFrom(const JsonValue& given) {
    MachineState machine{given["firmware"].text(), given["name"].text(), {}};
    const JsonValue& axes = given["axes"];
    for (std::size_t i = 0; i < axes.size(); ++i) {
        const std::string& letter = axes[i]["letter"].text();
        const JsonValue& state = axes[i]["state"];
        MachineAxis axis{letter.empty() ? '\0' : letter[0], {}};
        for (std::size_t j = 0; j < state.size(); ++j) {
            axis.state.emplace_back(state[j][0].text(), state[j][1].text());
        }
        machine.axes.push_back(std::move(axis));
    }
    return machine;
}

// The firmwares to choose among, as the workbench's choice has them:
// [{label, value}], "" for none.
std::string jsonFirmwares() {
    const Input* firmware = inputNamed("firmware-scelto");
    return jsonArray(firmware->alternatives, [](const Alternative& alternative) {
        return fmt::format(FMT_COMPILE(R"({{"label":{},"value":{}}})"),
                           jsonString(_(alternative.label)), jsonString(alternative.value));
    });
}

// {title, firmwareLabel, firmwareDescription, firmwares, nameLabel,
// nameDescription, axesLabel, letterLabel, addLabel, duplicateLabel,
// removeLabel, openLabel, saveLabel, invalidAddressMessage, axisInputs: [the
// keys of an axis's form]}; the inputs themselves are the workbench's
// description's.
std::string machineDescription() {
    std::vector<std::string_view> axisInputs;
    for (const Input& input : inputs()) {
        if (isAxisInput(input)) axisInputs.push_back(input.key);
    }
    const Input* firmware = inputNamed("firmware-scelto");
    return fmt::format(
        FMT_COMPILE(
            R"({{"title":{},"firmwareLabel":{},"firmwareDescription":{},"firmwares":{},)"
            R"("nameLabel":{},"nameDescription":{},)"
            R"("axesLabel":{},"letterLabel":{},"addLabel":{},"duplicateLabel":{},"removeLabel":{},)"
            R"("openLabel":{},"saveLabel":{},"invalidAddressMessage":{},"axisInputs":{}}})"),
        jsonString(_(kMachineTitle)), jsonString(_(firmware->label)),
        jsonString(_(firmware->description)), jsonFirmwares(), jsonString(_(kMachineNameLabel)),
        jsonString(_(kMachineNameDescription)), jsonString(_(kMachineAxesLabel)),
        jsonString(_(kNewAxisLabel)), jsonString(_(kAddAxisLabel)),
        jsonString(_(kDuplicateAxisLabel)), jsonString(_(kRemoveAxisLabel)),
        jsonString(_(kOpenMachineLabel)), jsonString(_(kSaveMachineLabel)),
        jsonString(_(kInvalidMachineAddressMessage)), jsonArray(axisInputs, jsonString));
}

// The machine of a link's query, or null when it is none.
std::string machineOfLink(const std::string& query, const std::string& decimalSeparator) {
    const auto machine = machineOfAddress(query, decimalSeparator);
    return machine ? jsonMachine(*machine) : "null";
}

// {machine} for a file's text, or {error: the one line that says why not}.
std::string machineOfFile(const std::string& text, const std::string& fileName,
                          const std::string& decimalSeparator) {
    const auto read = machineOfText(text, fileName, decimalSeparator);
    if (const auto* problem = std::get_if<std::string>(&read)) {
        return fmt::format(FMT_COMPILE(R"({{"error":{}}})"), jsonString(*problem));
    }
    return fmt::format(FMT_COMPILE(R"({{"machine":{}}})"),
                       jsonMachine(std::get<MachineState>(read)));
}

std::string machineFile(const JsonValue& given, const std::string& decimalSeparator) {
    return machineText(machineFrom(given), decimalSeparator);
}

// The machine with the axis at `index` as its form's entries give it.
std::string machineWithEntries(const JsonValue& given, int index, const JsonValue& entries) {
    MachineState machine = machineFrom(given);
    if (index >= 0 && static_cast<std::size_t>(index) < machine.axes.size()) {
        machine.axes[static_cast<std::size_t>(index)].state = axisStateOf(entriesFrom(entries));
    }
    return jsonMachine(machine);
}

// The machine with an axis `letter`, empty or as the axis at `like` (-1:
// none); null when the letter cannot be added.
std::string machineWithAxis(const JsonValue& given, const std::string& letter, int like) {
    const MachineState machine = machineFrom(given);
    State state;
    if (like >= 0 && static_cast<unsigned>(like) < machine.axes.size()) {
        state = machine.axes[static_cast<unsigned>(like)].state;
    }
    const auto added = letter.size() == 1 ? withAxis(machine, letter[0], state) : std::nullopt;
    return added ? jsonMachine(*added) : "null";
}

std::string machineWithoutAxis(const JsonValue& given, const std::string& letter) {
    return jsonMachine(withoutAxis(machineFrom(given), letter.empty() ? '\0' : letter[0]));
}

std::string jsonEntries(const Entries& entries) {
    return fmt::format(
        FMT_COMPILE(R"({{"texts":{},"chosen":{}}})"),
        jsonObject(entries.texts, [](const std::string& text) { return jsonString(text); }),
        jsonObject(entries.chosen, [](std::size_t index) { return std::to_string(index); }));
}

// {axes: [{letter, entries, results: [{label, value}], errors: [{key,
// message}], shown: [input keys], labels: [{key, label, description}] of the
// inputs in the axis's unit}], firmware: [the block's lines], errors:
// [messages of the machine], freeLetters, address}. An axis's error's key is
// its shown input's, "" for the axis as a whole.
std::string answerMachine(const JsonValue& given, const std::string& decimalSeparator,
                          const std::string& groupSeparator) {
    const MachineState machine = machineFrom(given);
    const MachineEvaluation evaluation = evaluateMachine(machine, decimalSeparator, groupSeparator);
    std::string axes;
    for (std::size_t i = 0; i < evaluation.axes.size(); ++i) {
        const Entries entries = axisEntries(machine, i);
        const Evaluation& answered = evaluation.axes[i].evaluation;
        std::vector<std::string_view> shown;
        for (const Input& input : inputs()) {
            if (isAxisInput(input) && isShown(input, entries)) shown.push_back(input.key);
        }
        axes += fmt::format(
            FMT_COMPILE(
                R"({}{{"letter":{},"entries":{},"results":{},"errors":{},"shown":{},"labels":{}}})"),
            axes.empty() ? "" : ",", jsonString(std::string(1, evaluation.axes[i].letter)),
            jsonEntries(entries),
            jsonArray(answered.results,
                      [](const Result& result) {
                          return fmt::format(FMT_COMPILE(R"({{"label":{},"value":{}}})"),
                                             jsonString(result.label), jsonString(result.value));
                      }),
            jsonArray(answered.errors,
                      [&](const Error& error) {
                          const Input* input = inputOfError(error.options, entries);
                          const bool own = input && isAxisInput(*input);
                          return fmt::format(FMT_COMPILE(R"({{"key":{},"message":{}}})"),
                                             jsonString(own ? input->key : std::string_view()),
                                             jsonString(error.message));
                      }),
            jsonArray(shown, jsonString), jsonUnitLabels(entries));
    }
    return fmt::format(
        FMT_COMPILE(R"({{"axes":[{}],"firmware":{},"errors":{},"freeLetters":{},"address":{}}})"),
        axes, jsonArray(evaluation.firmwareLines, jsonString),
        jsonArray(evaluation.errors,
                  [](const MachineError& error) { return jsonString(error.message); }),
        jsonString(freeLetters(machine)), jsonString(machineAddressOf(machine, decimalSeparator)));
}

}  // namespace
}  // namespace cnc::web

namespace web = cnc::web;

extern "C" EMSCRIPTEN_KEEPALIVE const char* machineDescription() {
    return web::answerOf(web::machineDescription());
}

extern "C" EMSCRIPTEN_KEEPALIVE const char* machineOfLink(const char* query, std::size_t querySize,
                                                          const char* decimal,
                                                          std::size_t decimalSize) {
    return web::answerOf(web::machineOfLink(web::argumentText(query, querySize),
                                            web::argumentText(decimal, decimalSize)));
}

extern "C" EMSCRIPTEN_KEEPALIVE const char* machineOfFile(const char* text, std::size_t textSize,
                                                          const char* fileName,
                                                          std::size_t fileNameSize,
                                                          const char* decimal,
                                                          std::size_t decimalSize) {
    return web::answerOf(web::machineOfFile(web::argumentText(text, textSize),
                                            web::argumentText(fileName, fileNameSize),
                                            web::argumentText(decimal, decimalSize)));
}

extern "C" EMSCRIPTEN_KEEPALIVE const char* machineFile(const char* machine,
                                                        std::size_t machineSize,
                                                        const char* decimal,
                                                        std::size_t decimalSize) {
    return web::answerOf(web::machineFile(web::argumentJson(machine, machineSize),
                                          web::argumentText(decimal, decimalSize)));
}

extern "C" EMSCRIPTEN_KEEPALIVE const char* machineWithEntries(const char* machine,
                                                               std::size_t machineSize, int index,
                                                               const char* entries,
                                                               std::size_t entriesSize) {
    return web::answerOf(web::machineWithEntries(web::argumentJson(machine, machineSize), index,
                                                 web::argumentJson(entries, entriesSize)));
}

extern "C" EMSCRIPTEN_KEEPALIVE const char* machineWithAxis(const char* machine,
                                                            std::size_t machineSize,
                                                            const char* letter,
                                                            std::size_t letterSize, int like) {
    return web::answerOf(web::machineWithAxis(web::argumentJson(machine, machineSize),
                                              web::argumentText(letter, letterSize), like));
}

extern "C" EMSCRIPTEN_KEEPALIVE const char* machineWithoutAxis(const char* machine,
                                                               std::size_t machineSize,
                                                               const char* letter,
                                                               std::size_t letterSize) {
    return web::answerOf(web::machineWithoutAxis(web::argumentJson(machine, machineSize),
                                                 web::argumentText(letter, letterSize)));
}

extern "C" EMSCRIPTEN_KEEPALIVE const char* answerMachine(
    const char* machine, std::size_t machineSize, const char* decimal, std::size_t decimalSize,
    const char* group, std::size_t groupSize) {
    return web::answerOf(web::answerMachine(web::argumentJson(machine, machineSize),
                                            web::argumentText(decimal, decimalSize),
                                            web::argumentText(group, groupSize)));
}
