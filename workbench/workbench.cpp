// SPDX-License-Identifier: GPL-3.0-or-later
// The workbench's entries and their state, in arguments too.
#include "workbench/workbench.h"

#include <algorithm>
#include <array>

#include "calc/ascii_case.h"
#include "calc/translation.h"
#include "cli/options.h"
#include "workbench/input_options.h"

namespace cnc::workbench {

namespace internal {

const Input* textInput(std::string_view key) {
    const Input* input = inputNamed(key);
    return input && input->kind == InputKind::Text ? input : nullptr;
}

const Input* inputOfOption(std::string_view key) {
    if (const Input* text = textInput(key)) return text;
    for (const Input& input : inputs()) {
        for (const Alternative& alternative : input.alternatives) {
            if (!key.empty() && alternative.option == key) return &input;
        }
    }
    return nullptr;
}

bool isFlag(std::string_view key) {
    const auto text = cli::takesText("--" + std::string(key));
    return text && !*text;
}

bool isOption(std::string_view key) { return key == "calibra" || inputOfOption(key); }

std::string canonicalKey(std::string_view key) {
    const auto italian = cli::optionName("--" + std::string(key));
    return italian ? std::string(italian->substr(2)) : std::string(key);
}

}  // namespace internal

namespace {

using internal::textInput;

template <class Pairs>
auto findKey(Pairs& pairs, std::string_view key) {
    return std::find_if(pairs.begin(), pairs.end(),
                        [&](const auto& pair) { return pair.first == key; });
}

// Whether a shown choice of `entries` has `option` chosen, "option=value"
// with that value.
bool chosen(const Entries& entries, std::string_view wanted) {
    const std::size_t equals = wanted.find('=');
    const std::string_view option = wanted.substr(0, equals);
    for (const Input& input : inputs()) {
        if (input.kind != InputKind::Choice) continue;
        const bool offers = std::any_of(
            input.alternatives.begin(), input.alternatives.end(), [&](const Alternative& each) { return each.option == option; });
        if (!offers) continue;
        const Alternative& alternative = input.alternatives[entries.choice(input.key)];
        if (alternative.option != option) continue;
        if (equals != std::string_view::npos &&
            !detail::sameIgnoringCase(alternative.value, wanted.substr(equals + 1))) {
            continue;
        }
        // A choice shown only with another choice's option: no choice offers its own.
        if (isShown(input, entries)) return true;
    }
    return false;
}

// Chooses, in every choice, the alternative that shows the text input `key`
// or that stands for `key` set to `value`; false when no choice has one.
bool chooseFor(Entries& entries, std::string_view key, std::string_view value) {
    bool found = false;
    for (const Input& input : inputs()) {
        for (std::size_t i = 0; i < input.alternatives.size(); ++i) {
            const Alternative& alternative = input.alternatives[i];
            if (alternative.option != key) continue;
            if (textInput(key) || detail::sameIgnoringCase(alternative.value, value)) {
                entries.choose(input.key, i);
                found = true;
            }
        }
    }
    return found;
}

// The texts a common drive fills, by input, the mover first.
std::array<std::pair<std::string_view, std::string_view>, 4> fillsOf(const CommonDrive& drive) {
    return {{{drive.mover, drive.travel},
             {kScrewStartsKey, drive.starts},
             {"rapporto", drive.ratio},
             {"micropassi", drive.microsteps}}};
}

bool shownWithText(const Entries& entries, std::string_view key, std::string_view text) {
    const Input* input = textInput(key);
    return input && isShown(*input, entries) && entries.text(key) == text;
}

}  // namespace

std::string Entries::text(std::string_view key) const {
    const auto found = findKey(texts, key);
    return found == texts.end() ? std::string() : found->second;
}

std::size_t Entries::choice(std::string_view key) const {
    const auto found = findKey(chosen, key);
    return found == chosen.end() ? 0 : found->second;
}

void Entries::setText(std::string_view key, std::string value) {
    const auto found = findKey(texts, key);
    if (found == texts.end()) {
        texts.emplace_back(std::string(key), std::move(value));
    } else {
        found->second = std::move(value);
    }
}

void Entries::choose(std::string_view key, std::size_t alternative) {
    const auto found = findKey(chosen, key);
    if (found == chosen.end()) {
        chosen.emplace_back(std::string(key), alternative);
    } else {
        found->second = alternative;
    }
}

Entries initialEntries() {
    Entries entries;
    for (const Input& input : inputs()) {
        if (input.kind == InputKind::Text) entries.setText(input.key, {});
        if (input.kind == InputKind::Choice) entries.choose(input.key, 0);
    }
    return entries;
}

bool isShown(const Input& input, const Entries& entries) {
    if (input.shownWith.empty()) return true;
    for (std::size_t at = 0; at < input.shownWith.size();) {
        const std::size_t end = std::min(input.shownWith.find(' ', at), input.shownWith.size());
        if (chosen(entries, input.shownWith.substr(at, end - at))) return true;
        at = end + 1;
    }
    return false;
}

bool inInches(const Entries& entries) { return chosen(entries, "pollici"); }

std::string labelOf(const Input& input, bool inches) {
    return _(inches && !input.inchLabel.empty() ? input.inchLabel : input.label);
}

std::string descriptionOf(const Input& input, bool inches) {
    return _(inches && !input.inchDescription.empty() ? input.inchDescription
                                                       : input.description);
}

State stateOf(const Entries& entries) {
    State state;
    for (const Input& input : inputs()) {
        if (!isShown(input, entries)) continue;
        if (input.kind == InputKind::Text) {
            const std::string text = entries.text(input.key);
            // Shown by a choice of its own option, with no default: empty,
            // it is still what the choice stands for ("puleggia-asse=").
            const bool chosenOption = input.shownWith == input.key && input.placeholder.empty();
            if (!text.empty() || chosenOption) state.emplace_back(std::string(input.key), text);
            continue;
        }
        const Alternative& alternative = input.alternatives[entries.choice(input.key)];
        if (!alternative.option.empty() && !textInput(alternative.option)) {
            state.emplace_back(std::string(alternative.option), std::string(alternative.value));
        }
    }
    return state;
}

std::optional<Entries> entriesOf(const State& state) {
    Entries entries = initialEntries();
    for (const auto& [key, value] : state) {
        if (key == "calibra") continue;
        const bool text = textInput(key) != nullptr;
        if (text) entries.setText(key, value);
        if (!chooseFor(entries, key, value) && !text) return std::nullopt;
    }
    return entries;
}

Entries withDrive(Entries entries, const CommonDrive& drive) {
    for (const auto& [key, text] : fillsOf(drive)) {
        if (text.empty()) continue;
        entries.setText(key, std::string(text));
        chooseFor(entries, key, {});
    }
    return entries;
}

std::optional<std::size_t> driveShown(const Entries& entries) {
    const auto drives = commonDrives();
    for (std::size_t i = 0; i < drives.size(); ++i) {
        const auto fills = fillsOf(drives[i]);
        if (std::all_of(fills.begin(), fills.end(), [&](const auto& fill) {
                return fill.second.empty() || shownWithText(entries, fill.first, fill.second);
            })) {
            return i;
        }
    }
    return std::nullopt;
}

bool commonDrivesOffered(const Entries& entries) {
    const auto drives = commonDrives();
    return std::any_of(drives.begin(), drives.end(), [&](const CommonDrive& drive) {
        const Input* mover = textInput(drive.mover);
        return mover && isShown(*mover, entries);
    });
}

const Input* inputOfError(std::span<const std::string> options, const Entries& entries) {
    for (const std::string& key : options) {
        if (const Input* text = textInput(key); text && isShown(*text, entries)) return text;
        for (const Input& input : inputs()) {
            if (input.kind == InputKind::Choice && isShown(input, entries) &&
                input.alternatives[entries.choice(input.key)].option == key) {
                return &input;
            }
        }
    }
    return nullptr;
}

std::vector<std::string> argumentsOf(const State& state) {
    std::vector<std::string> arguments;
    for (const auto& [key, value] : state) {
        arguments.push_back("--" + key + (internal::isFlag(key) ? "" : "=" + value));
    }
    return arguments;
}

std::optional<State> stateOfArguments(const std::vector<std::string>& arguments) {
    State state;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string_view argument = arguments[i];
        if (!argument.starts_with("--")) return std::nullopt;
        argument.remove_prefix(2);
        const std::size_t equals = argument.find('=');
        const std::string key = internal::canonicalKey(argument.substr(0, equals));
        if (!internal::isOption(key)) return std::nullopt;
        if (internal::isFlag(key)) {
            if (equals != std::string_view::npos) return std::nullopt;
            state.emplace_back(key, "");
        } else if (equals != std::string_view::npos) {
            state.emplace_back(key, std::string(argument.substr(equals + 1)));
        } else if (i + 1 < arguments.size()) {
            state.emplace_back(key, arguments[++i]);
        } else {
            return std::nullopt;
        }
    }
    return state;
}

}  // namespace cnc::workbench
