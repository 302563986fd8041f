// SPDX-License-Identifier: GPL-3.0-or-later
// The workbench as the page calls it: its description, its answers for what
// the user typed, and the entries an address stands for. Which inputs are
// shown, what the state and the address are, and which input an error
// belongs to are all decided here; the page only renders.
//
// Entries cross as JSON text both ways, {texts: {key: text}, chosen: {key:
// index}}; the drive's diagram comes back as SVG markup within the answer.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "calc/translation.h"
#include "exports.h"
#include "json_text.h"
#include "workbench/drive_diagram.h"
#include "workbench/machine.h"
#include "workbench/workbench.h"
#include "workbench_form.h"

namespace cnc::web {

std::string jsonUnitLabels(const workbench::Entries& entries) {
    std::vector<const workbench::Input*> inUnits;
    for (const workbench::Input& input : workbench::inputs()) {
        if (!input.inchLabel.empty() || !input.inchDescription.empty()) inUnits.push_back(&input);
    }
    const bool inches = workbench::inInches(entries);
    return jsonArray(inUnits, [&](const workbench::Input* input) {
        return fmt::format(FMT_COMPILE(R"({{"key":{},"label":{},"description":{}}})"),
                           jsonString(input->key), jsonString(workbench::labelOf(*input, inches)),
                           jsonString(workbench::descriptionOf(*input, inches)));
    });
}

namespace {

using namespace cnc::workbench;

// The texts in the language of the module's messages.
std::string jsonText(std::string_view italian) { return jsonString(_(italian)); }

std::string jsonAlternative(const Alternative& alternative) {
    return fmt::format(FMT_COMPILE(R"({{"label":{},"option":{},"value":{}}})"),
                       jsonText(alternative.label), jsonString(alternative.option),
                       jsonString(alternative.value));
}

std::string jsonInput(const Input& input) {
    const bool text = input.kind == InputKind::Text;
    return fmt::format(
        FMT_COMPILE(
            R"({{"kind":{},"key":{},"label":{},"description":{},"section":{},"alternatives":{},)"
            R"("shownWith":{},"placeholder":{}}})"),
        text ? R"("text")" : R"("choice")", jsonString(input.key), jsonText(input.label),
        jsonText(input.description), jsonText(input.section),
        jsonArray(input.alternatives, jsonAlternative), jsonString(input.shownWith),
        jsonText(input.placeholder));
}

std::string jsonTexts(const Entries& entries) {
    return jsonObject(entries.texts, [](const std::string& text) { return jsonString(text); });
}
std::string jsonChosen(const Entries& entries) {
    return jsonObject(entries.chosen, [](std::size_t index) { return std::to_string(index); });
}

// A common drive as what it fills, the input that moves the axis with it,
// and the choices that show them.
//   T8x8 -> {"label":"T8x8 ...","mover":"passo-vite","texts":{"passo-vite":"2","principi":"4"},
//            "chosen":{"asse-mosso-da":0}}
std::string jsonDrive(const CommonDrive& drive) {
    const Entries fills = withDrive(Entries{}, drive);
    return fmt::format(FMT_COMPILE(R"({{"label":{},"mover":{},"texts":{},"chosen":{}}})"),
                       jsonText(drive.label), jsonString(drive.mover), jsonTexts(fills),
                       jsonChosen(fills));
}

// {title, resultsLabel, firmwareLinesLabel, copyLabel, commonDrivesLabel,
// invalidAddressMessage, inputs: [{kind, key, label, description, section,
// alternatives: [{label, option, value}], shownWith, placeholder}],
// commonDrives: [...], resultLabels: [...], summaryLabels: [...],
// summaryHint, foldedSections: [section...]}, every text in the language of
// the messages. The workbench opens with every text empty and each choice at
// its first alternative.
std::string workbenchDescription() {
    return fmt::format(
        FMT_COMPILE(
            R"({{"title":{},"resultsLabel":{},"firmwareLinesLabel":{},"copyLabel":{},)"
            R"("commonDrivesLabel":{},"invalidAddressMessage":{},"inputs":{},"commonDrives":{},)"
            R"("resultLabels":{},"summaryLabels":{},"summaryHint":{},"foldedSections":{}}})"),
        jsonText(kTitle), jsonText(kResultsLabel), jsonText(kFirmwareLinesLabel),
        jsonText(kCopyLabel), jsonText(kCommonDrivesLabel), jsonText(kInvalidAddressMessage),
        jsonArray(inputs(), jsonInput), jsonArray(commonDrives(), jsonDrive),
        jsonArray(resultLabels(), jsonText), jsonArray(summaryLabels(), jsonText),
        jsonText(kSummaryHint), jsonArray(foldedSections(), jsonText));
}

// The page's start and the switches between its views: {title,
// workbenchTitle, workbenchLine, classicTitle, classicLine, machineTitle,
// machineLine}, in the language of the messages. Kept apart from the
// workbench's description, which takes milliseconds to write and parse: the
// start is shown as the page opens and need not wait for it.
std::string startDescription() {
    return fmt::format(
        FMT_COMPILE(R"({{"title":{},"workbenchTitle":{},"workbenchLine":{},"classicTitle":{},)"
                    R"("classicLine":{},"machineTitle":{},"machineLine":{}}})"),
        jsonText(kStartTitle), jsonText(kTitle), jsonText(kWorkbenchLine), jsonText(kClassicTitle),
        jsonText(kClassicLine), jsonText(kMachineTitle), jsonText(kMachineLine));
}

std::string jsonEntries(const Entries& entries) {
    return fmt::format(FMT_COMPILE(R"({{"texts":{},"chosen":{}}})"), jsonTexts(entries),
                       jsonChosen(entries));
}

// The key of the shown input an error belongs to; "" for the whole workbench.
std::string_view errorKey(const Error& error, const Entries& entries) {
    const Input* input = inputOfError(error.options, entries);
    return input ? input->key : std::string_view();
}

std::string jsonEvaluation(const State& state, const Entries& entries,
                           const std::string& decimalSeparator, const std::string& groupSeparator) {
    const Evaluation evaluation = evaluate(state, decimalSeparator, groupSeparator);
    std::vector<std::string_view> shown;
    for (const Input& input : inputs()) {
        if (isShown(input, entries)) shown.push_back(input.key);
    }
    return fmt::format(
        FMT_COMPILE(
            R"({{"results":{},"firmware":{},"errors":{},"shown":{},"labels":{},"address":{},)"
            R"("diagram":{}}})"),
        jsonArray(evaluation.results,
                  [](const Result& result) {
                      return fmt::format(FMT_COMPILE(R"({{"label":{},"value":{}}})"),
                                         jsonString(result.label), jsonString(result.value));
                  }),
        jsonArray(evaluation.firmwareLines, jsonString),
        jsonArray(evaluation.errors,
                  [&](const Error& error) {
                      return fmt::format(FMT_COMPILE(R"({{"key":{},"message":{}}})"),
                                         jsonString(errorKey(error, entries)),
                                         jsonString(error.message));
                  }),
        jsonArray(shown, jsonString), jsonUnitLabels(entries),
        jsonString(addressOf(state, decimalSeparator)),
        jsonString(driveDiagram(state, evaluation, decimalSeparator)));
}

// The state and entries of an address's query, read with the reader's
// separator; none when it is no link of the workbench's.
std::optional<std::pair<State, Entries>> linked(const std::string& query,
                                                const std::string& decimalSeparator) {
    const auto state = stateOfAddress(query, decimalSeparator);
    const auto entries = state ? entriesOf(*state) : std::nullopt;
    if (!entries) return std::nullopt;
    return std::pair{*state, *entries};
}

// What `given` stands for: the page's entries and the state of what they
// show, or a link's query, whose very options count (workbenchEntries says
// whether it is one; one that is none stands for the initial entries).
std::pair<State, Entries> givenState(const JsonValue& given, const std::string& decimalSeparator) {
    if (given.isString()) {
        if (auto link = linked(given.text(), decimalSeparator)) return *std::move(link);
    }
    Entries entries = given.isString() ? initialEntries() : entriesFrom(given);
    State state = stateOf(entries);
    return {std::move(state), std::move(entries)};
}

// given: the page's entries, or the query of a link (givenState). Gives
// {results: [{label, value}], firmware: [lines], errors: [{key, message}],
// shown: [input keys], labels: [{key, label, description}] of the inputs
// whose unit follows the machine's, address, diagram: the drive's <svg>
// element, every text in it escaped, for the page to insert as markup}. The
// diagram takes its steps per unit from the same answers.
std::string evaluateWorkbench(const JsonValue& given, const std::string& decimalSeparator,
                              const std::string& groupSeparator) {
    const auto [state, entries] = givenState(given, decimalSeparator);
    return jsonEvaluation(state, entries, decimalSeparator, groupSeparator);
}

// The entries of a link's query, as {texts, chosen}, read with the reader's
// separator; null when it is no link of the workbench's (an empty or unknown
// option, a value no choice has).
std::string workbenchEntries(const std::string& query, const std::string& decimalSeparator) {
    const auto link = linked(query, decimalSeparator);
    return link ? jsonEntries(link->second) : "null";
}

}  // namespace

Entries entriesFrom(const JsonValue& given) {
    Entries entries = initialEntries();
    const JsonValue& texts = given["texts"];
    const JsonValue& chosen = given["chosen"];
    for (const Input& input : inputs()) {
        if (input.kind == InputKind::Text) {
            const JsonValue& text = texts[input.key];
            if (text.isString()) entries.setText(input.key, text.text());
            continue;
        }
        const auto at = chosen[input.key].index();
        if (at && *at < input.alternatives.size()) entries.choose(input.key, *at);
    }
    return entries;
}

}  // namespace cnc::web

namespace web = cnc::web;

extern "C" EMSCRIPTEN_KEEPALIVE const char* workbenchDescription() {
    return web::answerOf(web::workbenchDescription());
}

extern "C" EMSCRIPTEN_KEEPALIVE const char* startDescription() {
    return web::answerOf(web::startDescription());
}

extern "C" EMSCRIPTEN_KEEPALIVE const char* evaluateWorkbench(
    const char* given, std::size_t givenSize, const char* decimal, std::size_t decimalSize,
    const char* group, std::size_t groupSize) {
    return web::answerOf(web::evaluateWorkbench(web::argumentJson(given, givenSize),
                                                web::argumentText(decimal, decimalSize),
                                                web::argumentText(group, groupSize)));
}

extern "C" EMSCRIPTEN_KEEPALIVE const char* workbenchEntries(const char* query,
                                                             std::size_t querySize,
                                                             const char* decimal,
                                                             std::size_t decimalSize) {
    return web::answerOf(web::workbenchEntries(web::argumentText(query, querySize),
                                               web::argumentText(decimal, decimalSize)));
}
