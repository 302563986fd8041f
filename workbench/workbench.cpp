// SPDX-License-Identifier: GPL-3.0-or-later
#include "workbench/workbench.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "calc/ascii_case.h"
#include "calc/calc_error.h"
#include "calc/firmware_lines.h"
#include "cli/calibration_answer.h"
#include "cli/options.h"
#include "cli/result_lines.h"
#include "cli/run.h"

namespace cnc::workbench {
namespace {

template <class Pairs>
auto findKey(Pairs& pairs, std::string_view key) {
    return std::find_if(pairs.begin(), pairs.end(),
                        [&](const auto& pair) { return pair.first == key; });
}

const Input* textInput(std::string_view key) {
    const Input* input = inputNamed(key);
    return input && input->kind == InputKind::Text ? input : nullptr;
}

// Whether a shown choice of `entries` has `option` chosen.
bool chosen(const Entries& entries, std::string_view option) {
    for (const Input& input : inputs()) {
        if (input.kind != InputKind::Choice) continue;
        const bool offers = std::any_of(
            input.alternatives.begin(), input.alternatives.end(), [&](const Alternative& each) { return each.option == option; });
        if (!offers || input.alternatives[entries.choice(input.key)].option != option) continue;
        // A choice shown only with another choice's option: no choice offers its own.
        if (isShown(input, entries)) return true;
    }
    return false;
}

// The calibration is a question of its own, with its firmware's lines.
constexpr std::array<std::string_view, 4> kCalibration{"attuali", "rotation-distance",
                                                       "comandati", "misurati"};
constexpr std::array<std::string_view, 3> kCalibrationFirmware{"firmware", "asse", "micropassi"};

// Inputs that stop only their own answer: without them the others are
// answered again.
constexpr std::array<std::string_view, 5> kOwnQuestion{"strato", "velocita", "frequenza-max",
                                                       "firmware", "asse"};

bool isOneOf(std::span<const std::string_view> keys, std::string_view key) {
    return std::find(keys.begin(), keys.end(), key) != keys.end();
}

// The first option of `state` that `message` names as "--name".
std::string optionNamed(std::string_view message, const State& state) {
    std::string best;
    std::size_t bestAt = std::string_view::npos;
    for (const auto& [key, value] : state) {
        if (key == "calibra") continue;  // implied by the calibration's inputs
        const std::string option = "--" + key;
        for (std::size_t at = message.find(option); at != std::string_view::npos;
             at = message.find(option, at + 1)) {
            const std::size_t end = at + option.size();
            const bool whole = end == message.size() ||
                               std::string_view(" ,:;=»").find(message[end]) != std::string_view::npos;
            if (whole && at < bestAt) {
                best = key;
                bestAt = at;
            }
        }
    }
    return best;
}

// The input a field of the window stands for in `state`.
std::string inputOfField(Field field, const State& state) {
    const auto firstGiven = [&](std::initializer_list<std::string_view> keys) {
        for (const std::string_view key : keys) {
            if (findKey(state, key) != state.end()) return std::string(key);
        }
        return std::string();
    };
    switch (field) {
        case Field::MotorSteps: return firstGiven({"angolo-passo", "passi"});
        case Field::ScrewPitch:
            return firstGiven({"passo-vite", "filetti-pollice", "puleggia-asse", "principi"});
        case Field::MotorTeeth: return firstGiven({"motore"});
        case Field::ScrewTeeth: return firstGiven({"vite"});
        case Field::BeltLengthCode: return firstGiven({"cinta"});
        case Field::StepsPerMm: return firstGiven({"firmware"});
        case Field::MmPerStep:
        case Field::CentreDistance:
        case Field::CentreDistanceMm: return {};
    }
    return {};
}

// The axis means nothing without its firmware.
void withoutOption(State& state, std::string_view key) {
    std::erase_if(state, [&](const auto& pair) {
        return pair.first == key || (key == "firmware" && pair.first == "asse");
    });
}

void addResults(Evaluation& evaluation, const std::vector<std::string>& lines,
                const std::vector<std::string>& firmwareLines) {
    for (const std::string& line : lines) {
        const std::size_t colon = line.find(": ");
        evaluation.results.push_back({line.substr(0, colon), line.substr(colon + 2)});
    }
    evaluation.firmwareLines.insert(evaluation.firmwareLines.end(), firmwareLines.begin(),
                                    firmwareLines.end());
}

// --calibra: its figures, then its firmware's lines; an error stops it.
void calibrate(const cli::Options& options, const State& state, std::string_view separator,
               Evaluation& evaluation) {
    cli::CalibrationAnswer answer;
    cli::calibrate(options, separator, answer);
    if (const auto& failure = answer.failure) {
        const bool firmware = failure->kind == "Firmware";
        evaluation.errors.emplace_back(firmware ? "firmware" : optionNamed(failure->message, state),
                                       failure->message);
    }
    addResults(evaluation, cli::resultLines(answer, separator), answer.firmwareLines);
}

// One question of the command line. An option that stops it is marked with
// its message; when what it stops is its own answer (a layer, a speed, the
// firmware's lines), the question is asked again without it, else the
// answers it stops are not given.
void answer(State state, std::string_view separator, std::string_view group,
            Evaluation& evaluation) {
    for (std::size_t tries = 0; tries <= state.size() + 1; ++tries) {
        auto parsed = cli::parseOptions(argumentsOf(state), separator, group);
        if (const auto* error = std::get_if<cli::UsageError>(&parsed)) {
            const std::string key = optionNamed(error->message, state);
            evaluation.errors.emplace_back(key, error->message);
            if (!isOneOf(kOwnQuestion, key)) return;
            withoutOption(state, key);
            continue;
        }
        const auto& options = std::get<cli::Options>(parsed);
        if (options.calibrate) {
            calibrate(options, state, separator, evaluation);
            return;
        }
        const cli::Outcome outcome = cli::run(options, separator, group, [](Field, auto) {});
        if (outcome.failure) {
            std::string key = outcome.failure->field
                                  ? inputOfField(*outcome.failure->field, state)
                                  : optionNamed(outcome.failure->message, state);
            if (outcome.failure->kind == "Firmware") key = "firmware";
            evaluation.errors.emplace_back(key, outcome.failure->message);
            if (isOneOf(kOwnQuestion, key)) {
                withoutOption(state, key);
                continue;
            }
        }
        addResults(evaluation, cli::resultLines(outcome, separator), outcome.firmwareLines);
        return;
    }
}

char hexDigit(unsigned value) {
    return static_cast<char>(value < 10 ? '0' + value : 'A' + value - 10);
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

std::string encoded(std::string_view text) {
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                           (c >= '0' && c <= '9') || c == '-' || c == '.' || c == '_' || c == '~';
        if (plain) {
            out += c;
        } else {
            out += '%';
            out += hexDigit(byte >> 4);
            out += hexDigit(byte & 15u);
        }
    }
    return out;
}

std::string decoded(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0 &&
            hexValue(text[i + 2]) >= 0) {
            out += static_cast<char>(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2]));
            i += 2;
        } else {
            out += text[i] == '+' ? ' ' : text[i];
        }
    }
    return out;
}

// An option that takes no text, as the command line has it.
bool isFlag(std::string_view key) {
    const auto text = cli::takesText("--" + std::string(key));
    return text && !*text;
}

bool isOption(std::string_view key) {
    if (key == "calibra" || textInput(key)) return true;
    for (const Input& input : inputs()) {
        for (const Alternative& alternative : input.alternatives) {
            if (!alternative.option.empty() && alternative.option == key) return true;
        }
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

// The text input of a common screw's lead, and its text.
std::string_view leadKey(const CommonScrew& screw) {
    return screw.pitch.empty() ? "filetti-pollice" : "passo-vite";
}
std::string_view leadText(const CommonScrew& screw) {
    return screw.pitch.empty() ? screw.threads : screw.pitch;
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
        if (input.kind == InputKind::Text) entries.setText(input.key, std::string(input.initial));
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

State stateOf(const Entries& entries) {
    State state;
    for (const Input& input : inputs()) {
        if (!isShown(input, entries)) continue;
        if (input.kind == InputKind::Text) {
            const std::string text = entries.text(input.key);
            if (!text.empty()) state.emplace_back(std::string(input.key), text);
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

Entries withScrew(Entries entries, const CommonScrew& screw) {
    entries.setText(leadKey(screw), std::string(leadText(screw)));
    entries.setText(kScrewStartsKey, std::string(screw.starts));
    chooseFor(entries, leadKey(screw), {});
    return entries;
}

std::optional<std::size_t> screwShown(const Entries& entries) {
    const auto screws = commonScrews();
    for (std::size_t i = 0; i < screws.size(); ++i) {
        const CommonScrew& screw = screws[i];
        if (shownWithText(entries, leadKey(screw), leadText(screw)) &&
            shownWithText(entries, kScrewStartsKey, screw.starts)) {
            return i;
        }
    }
    return std::nullopt;
}

const Input* inputOfError(std::string_view key, const Entries& entries) {
    if (key.empty()) return nullptr;
    if (const Input* text = textInput(key); text && isShown(*text, entries)) return text;
    for (const Input& input : inputs()) {
        if (input.kind == InputKind::Choice && isShown(input, entries) &&
            input.alternatives[entries.choice(input.key)].option == key) {
            return &input;
        }
    }
    return nullptr;
}

std::vector<std::string> argumentsOf(const State& state) {
    std::vector<std::string> arguments;
    for (const auto& [key, value] : state) {
        arguments.push_back("--" + key + (isFlag(key) ? "" : "=" + value));
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
        const std::string key(argument.substr(0, equals));
        if (!isOption(key)) return std::nullopt;
        if (isFlag(key)) {
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

std::string addressOf(const State& state) {
    std::string address;
    for (const auto& [key, value] : state) {
        if (!address.empty()) address += '&';
        address += encoded(key);
        if (!isFlag(key)) address += "=" + encoded(value);
    }
    return address;
}

State stateOfAddress(std::string_view query) {
    State state;
    while (!query.empty()) {
        const std::size_t amp = std::min(query.find('&'), query.size());
        const std::string_view pair = query.substr(0, amp);
        const std::size_t equals = pair.find('=');
        if (!pair.empty()) {
            state.emplace_back(decoded(pair.substr(0, equals)),
                               equals == std::string_view::npos ? std::string()
                                                                : decoded(pair.substr(equals + 1)));
        }
        query.remove_prefix(std::min(amp + 1, query.size()));
    }
    return state;
}

Evaluation evaluate(const State& state, std::string_view decimalSeparator,
                    std::string_view groupSeparator) {
    State drive;
    State calibration{{"calibra", ""}};
    // The calibration's M92 line of RepRapFirmware names the microstepping;
    // no other firmware's line takes it.
    const bool repRap = std::any_of(state.begin(), state.end(), [](const auto& pair) {
        return pair.first == "firmware" && detail::sameIgnoringCase(pair.second, "reprapfirmware");
    });
    for (const auto& pair : state) {
        const bool calibrating = isOneOf(kCalibration, pair.first);
        (calibrating ? calibration : drive).push_back(pair);
        const bool lines = pair.first == "micropassi" ? repRap
                                                      : isOneOf(kCalibrationFirmware, pair.first);
        if (lines) calibration.push_back(pair);
    }
    Evaluation evaluation;
    answer(drive, decimalSeparator, groupSeparator, evaluation);
    const bool asked = std::any_of(
        calibration.begin(), calibration.end(), [](const auto& pair) { return isOneOf(kCalibration, pair.first); });
    if (asked) answer(calibration, decimalSeparator, groupSeparator, evaluation);
    return evaluation;
}

}  // namespace cnc::workbench
