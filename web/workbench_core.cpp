// SPDX-License-Identifier: GPL-3.0-or-later
// The workbench as the page calls it: its description, its answers for what
// the user typed, and the entries an address stands for. Which inputs are
// shown, what the state and the address are, and which input an error
// belongs to are all decided here; the page only renders.
//
// Entries cross as a JavaScript object, {texts: {key: text}, chosen: {key:
// index}}; what comes back is JSON text.

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>
#include <utility>
#include <vector>

#include "json_text.h"
#include "workbench/workbench.h"

namespace cnc::web {
namespace {

using emscripten::val;
using namespace cnc::workbench;

std::string jsonAlternative(const Alternative& alternative) {
    return fmt::format(R"({{"label":{},"option":{},"value":{}}})", jsonString(alternative.label),
                       jsonString(alternative.option), jsonString(alternative.value));
}

std::string jsonInput(const Input& input, const Entries& initial) {
    const bool text = input.kind == InputKind::Text;
    return fmt::format(
        R"({{"kind":{},"key":{},"label":{},"description":{},"section":{},"alternatives":{},)"
        R"("shownWith":{},"initial":{}}})",
        text ? R"("text")" : R"("choice")", jsonString(input.key), jsonString(input.label),
        jsonString(input.description), jsonString(input.section),
        jsonArray(input.alternatives, jsonAlternative), jsonString(input.shownWith),
        text ? jsonString(initial.text(input.key)) : std::to_string(initial.choice(input.key)));
}

std::string jsonTexts(const Entries& entries) {
    return jsonObject(entries.texts, [](const std::string& text) { return jsonString(text); });
}
std::string jsonChosen(const Entries& entries) {
    return jsonObject(entries.chosen, [](std::size_t index) { return std::to_string(index); });
}

// A common screw as what it fills: its pitch or threads per inch, its starts,
// and the choice that shows that kind of screw.
//   T8x8 -> {"label":"T8x8 ...","texts":{"passo-vite":"2","principi":"4"},
//            "chosen":{"asse-mosso-da":0}}
std::string jsonScrew(const CommonScrew& screw) {
    const Entries fills = withScrew(Entries{}, screw);
    return fmt::format(R"({{"label":{},"texts":{},"chosen":{}}})", jsonString(screw.label),
                       jsonTexts(fills), jsonChosen(fills));
}

// {title, firmwareLinesLabel, copyLabel, commonScrewsLabel, inputs: [{kind,
// key, label, description, section, alternatives: [{label, option, value}],
// shownWith, initial}], commonScrews: [...], resultLabels: [...],
// summaryLabels: [...], summaryHint, foldedSections: [section...]}; a text
// input's initial is its text, a choice's the index of its alternative.
std::string workbenchDescription() {
    const Entries initial = initialEntries();
    return fmt::format(
        R"({{"title":{},"firmwareLinesLabel":{},"copyLabel":{},"commonScrewsLabel":{},)"
        R"("inputs":{},"commonScrews":{},"resultLabels":{},"summaryLabels":{},)"
        R"("summaryHint":{},"foldedSections":{}}})",
        jsonString(kTitle), jsonString(kFirmwareLinesLabel), jsonString(kCopyLabel),
        jsonString(kCommonScrewsLabel),
        jsonArray(inputs(), [&](const Input& input) { return jsonInput(input, initial); }),
        jsonArray(commonScrews(), jsonScrew), jsonArray(resultLabels(), jsonString),
        jsonArray(summaryLabels(), jsonString), jsonString(kSummaryHint),
        jsonArray(foldedSections(), jsonString));
}

// The page's start and the switches between its views: {title,
// workbenchTitle, workbenchLine, classicTitle, classicLine}. Kept apart
// from the workbench's description, which takes milliseconds to write and
// parse: the start is shown as the page opens and need not wait for it.
std::string startDescription() {
    return fmt::format(
        R"({{"title":{},"workbenchTitle":{},"workbenchLine":{},"classicTitle":{},)"
        R"("classicLine":{}}})",
        jsonString(kStartTitle), jsonString(kTitle), jsonString(kWorkbenchLine),
        jsonString(kClassicTitle), jsonString(kClassicLine));
}

// The page's entries over the initial ones; an index that names no
// alternative of its choice is left out rather than trusted.
Entries entriesFrom(const val& given) {
    Entries entries = initialEntries();
    const val texts = given["texts"];
    const val chosen = given["chosen"];
    for (const Input& input : inputs()) {
        const std::string key(input.key);
        if (input.kind == InputKind::Text) {
            const val text = texts[key];
            if (text.isString()) entries.setText(key, text.as<std::string>());
            continue;
        }
        const val index = chosen[key];
        if (!index.isNumber()) continue;
        const double at = index.as<double>();
        if (at >= 0 && at < static_cast<double>(input.alternatives.size())) {
            entries.choose(key, static_cast<std::size_t>(at));
        }
    }
    return entries;
}

std::string jsonEntries(const Entries& entries) {
    return fmt::format(R"({{"texts":{},"chosen":{}}})", jsonTexts(entries), jsonChosen(entries));
}

// The key of the shown input an error belongs to; "" for the whole workbench.
std::string_view errorKey(const std::string& option, const Entries& entries) {
    const Input* input = inputOfError(option, entries);
    return input ? input->key : std::string_view();
}

std::string jsonEvaluation(const State& state, const Entries& entries,
                           const std::string& decimalSeparator, const std::string& groupSeparator,
                           std::vector<std::pair<std::string, std::string>> errors = {}) {
    const Evaluation evaluation = evaluate(state, decimalSeparator, groupSeparator);
    errors.insert(errors.end(), evaluation.errors.begin(), evaluation.errors.end());
    std::vector<std::string_view> shown;
    for (const Input& input : inputs()) {
        if (isShown(input, entries)) shown.push_back(input.key);
    }
    return fmt::format(
        R"({{"results":{},"firmware":{},"errors":{},"shown":{},"address":{}}})",
        jsonArray(evaluation.results,
                  [](const Result& result) {
                      return fmt::format(R"({{"label":{},"value":{}}})", jsonString(result.label),
                                         jsonString(result.value));
                  }),
        jsonArray(evaluation.firmwareLines, jsonString),
        jsonArray(errors,
                  [&](const auto& error) {
                      return fmt::format(R"({{"key":{},"message":{}}})",
                                         jsonString(errorKey(error.first, entries)),
                                         jsonString(error.second));
                  }),
        jsonArray(shown, jsonString), jsonString(addressOf(state)));
}

// given: the page's entries, or an address's query. A link answers the very
// options it holds, whatever the inputs it leaves out would add; entries
// answer the state of what is shown. An empty query is the workbench as it
// starts; a query with an option that is not the workbench's too, with a
// message that says so. Gives {results: [{label, value}], firmware:
// [lines], errors: [{key, message}], shown: [input keys], address}.
std::string evaluateWorkbench(const val& given, const std::string& decimalSeparator,
                              const std::string& groupSeparator) {
    if (!given.isString()) {
        const Entries entries = entriesFrom(given);
        return jsonEvaluation(stateOf(entries), entries, decimalSeparator, groupSeparator);
    }
    const std::string query = given.as<std::string>();
    const State state = stateOfAddress(query);
    if (const auto entries = entriesOf(state); entries && !state.empty()) {
        return jsonEvaluation(state, *entries, decimalSeparator, groupSeparator);
    }
    const Entries initial = initialEntries();
    std::vector<std::pair<std::string, std::string>> foreign;
    if (!state.empty()) {
        foreign.emplace_back("", "L'indirizzo chiede opzioni che il banco non ha, «" + query +
                                     "»: il banco riparte dai valori iniziali.");
    }
    return jsonEvaluation(stateOf(initial), initial, decimalSeparator, groupSeparator,
                          std::move(foreign));
}

// The entries an address's query stands for, as {texts, chosen}; null when
// the query holds an option that is not the workbench's.
std::string workbenchEntries(const std::string& query) {
    const auto entries = entriesOf(stateOfAddress(query));
    return entries ? jsonEntries(*entries) : "null";
}

}  // namespace
}  // namespace cnc::web

EMSCRIPTEN_BINDINGS(cnc_axis_calc_workbench) {
    emscripten::function("workbenchDescription", &cnc::web::workbenchDescription);
    emscripten::function("startDescription", &cnc::web::startDescription);
    emscripten::function("evaluateWorkbench", &cnc::web::evaluateWorkbench);
    emscripten::function("workbenchEntries", &cnc::web::workbenchEntries);
}
