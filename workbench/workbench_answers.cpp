// SPDX-License-Identifier: GPL-3.0-or-later
// The workbench's answers: the command line's questions for a state, each
// input stopping only what depends on it, and their errors in the
// workbench's words.
#include <algorithm>
#include <array>
#include <iterator>
#include <span>

#include "calc/ascii_case.h"
#include "calc/translation.h"
#include "cli/calibration_answer.h"
#include "cli/options.h"
#include "cli/result_lines.h"
#include "cli/run.h"
#include "workbench/input_options.h"
#include "workbench/workbench.h"

namespace cnc::workbench {
namespace {

bool isOneOf(std::span<const std::string_view> keys, std::string_view key) {
    return std::find(keys.begin(), keys.end(), key) != keys.end();
}

bool gives(const State& state, std::string_view key) {
    return std::any_of(state.begin(), state.end(),
                       [&](const auto& pair) { return pair.first == key; });
}

// The questions an option stops alone, each the options it reads: without
// them the rest is answered again.
using Question = std::span<const std::string_view>;
constexpr std::array<std::string_view, 1> kLayer{"strato"};
constexpr std::array<std::string_view, 1> kSpeed{"velocita"};
constexpr std::array<std::string_view, 1> kLargestSpeed{"frequenza-max"};
constexpr std::array<std::string_view, 3> kFirmwareLines{"firmware", "asse", "giunto"};
constexpr std::array<Question, 4> kDriveQuestions{kLayer, kSpeed, kLargestSpeed, kFirmwareLines};
// The calibration's lines read the microstepping too, for RepRapFirmware.
constexpr std::array<std::string_view, 4> kCalibrationLines{"firmware", "asse", "giunto",
                                                            "micropassi"};
constexpr std::array<Question, 1> kCalibrationQuestions{kCalibrationLines};

// The calibration is a question of its own, with its firmware's lines.
constexpr std::array<std::string_view, 4> kCalibration{"attuali", "rotation-distance", "comandati",
                                                       "misurati"};

// What the XL belt's centre distance reads: the pulleys, the belt and the coupling.
constexpr std::array<std::string_view, 4> kCentreDistance{"ingranaggi", "motore", "vite", "cinta"};

// Its label, Italian: the results' are through _().
constexpr std::string_view kCentreDistanceLabel = "Interasse";

// The input a field of the window stands for in `state`: the first of its
// options given, or else the one whose default it holds.
std::string inputOfField(Field field, const State& state) {
    const auto firstGiven = [&](std::initializer_list<std::string_view> keys) {
        for (const std::string_view key : keys) {
            if (gives(state, key)) return std::string(key);
        }
        return std::string(*keys.begin());
    };
    switch (field) {
        case Field::MotorSteps: return firstGiven({"passi", "angolo-passo"});
        case Field::ScrewPitch:
            return firstGiven({"passo-vite", "filetti-pollice", "puleggia-asse", "principi"});
        case Field::MotorTeeth: return "motore";
        case Field::ScrewTeeth: return "vite";
        case Field::BeltLengthCode: return "cinta";
        case Field::StepsPerMm:
        case Field::MmPerStep:
        case Field::CentreDistance:
        case Field::CentreDistanceMm: return {};
    }
    return {};
}

// An option named as the workbench shows it: «the label of its input», in
// inches where the machine is.
std::string optionLabel(std::string_view key, bool inches) {
    // TRANSLATORS: how the workbench's messages name the calibration, which no one input holds:
    // "{0} vuole ..."
    if (key == "calibra") return _("la calibrazione");
    const Input* input = internal::inputOfOption(key);
    return input ? quoted(labelOf(*input, inches)) : cli::optionNameShown(key);
}

// The command line's message with the workbench's names.
std::string inWorkbenchWords(const cli::Wording& said, const State& state) {
    const bool inches = gives(state, "pollici");
    const auto label = [inches](std::string_view key) { return optionLabel(key, inches); };
    return said.spelled(label, [&](Field field) {
        const std::string key = inputOfField(field, state);
        return key.empty() ? quoted(_(fieldCaption(field))) : label(key);
    });
}

void addError(Evaluation& evaluation, std::vector<std::string> options, std::string message) {
    Error error{std::move(options), std::move(message)};
    if (std::find(evaluation.errors.begin(), evaluation.errors.end(), error) ==
        evaluation.errors.end()) {
        evaluation.errors.push_back(std::move(error));
    }
}

// The options a failure blames: its option, or the input of its field.
std::vector<std::string> blamed(const cli::Failure& failure, const State& state) {
    if (failure.option) return {*failure.option};
    const std::string key = failure.field ? inputOfField(*failure.field, state) : std::string();
    return key.empty() ? std::vector<std::string>{} : std::vector<std::string>{key};
}

// Takes out of `state` each question of `questions` an option of `atFault`
// stops alone; false when there is none, and the answer stops.
bool withoutQuestionsOf(State& state, const std::vector<std::string>& atFault,
                        std::span<const Question> questions) {
    const std::size_t before = state.size();
    for (const std::string& key : atFault) {
        for (const Question question : questions) {
            if (!isOneOf(question, key)) continue;
            std::erase_if(state, [&](const auto& pair) { return isOneOf(question, pair.first); });
        }
    }
    return state.size() < before;
}

// `beltless`: the drive asked had no XL belt, which a question taken out
// does not give it.
void addResults(Evaluation& evaluation, const std::vector<std::string>& lines,
                const std::vector<std::string>& firmwareLines, bool beltless) {
    const std::string centreDistance = _(kCentreDistanceLabel);
    for (const std::string& line : lines) {
        const std::size_t colon = line.find(": ");
        Result result{line.substr(0, colon), line.substr(colon + 2)};
        if (beltless && result.label == centreDistance) continue;
        evaluation.results.push_back(std::move(result));
    }
    evaluation.firmwareLines.insert(evaluation.firmwareLines.end(), firmwareLines.begin(),
                                    firmwareLines.end());
}

struct Separators {
    std::string_view decimal;
    std::string_view group;
};

// One question of the command line. What stops it is an error; when an
// option at fault asks a question of its own, the rest is asked again
// without that question, else the answers it stops are not given.
void answer(State state, std::span<const Question> questions, Separators separators,
            Evaluation& evaluation) {
    const bool beltless = !cli::hasXlBelt(state, separators.decimal);
    for (;;) {
        auto parsed = cli::parseOptions(argumentsOf(state), separators.decimal, separators.group);
        if (const auto* error = std::get_if<cli::UsageError>(&parsed)) {
            addError(evaluation, error->options, inWorkbenchWords(error->said, state));
            if (withoutQuestionsOf(state, error->options, questions)) continue;
            return;
        }
        const auto& options = std::get<cli::Options>(parsed);
        if (options.calibrate) {
            cli::CalibrationAnswer calibration;
            cli::calibrate(options, separators.decimal, calibration);
            if (const auto& failure = calibration.failure) {
                addError(evaluation, blamed(*failure, state),
                         inWorkbenchWords(failure->said, state));
            }
            addResults(evaluation, cli::resultLines(calibration, separators.decimal),
                       calibration.firmwareLines, beltless);
            return;
        }
        const cli::Outcome outcome =
            cli::run(options, separators.decimal, separators.group, [](Field, auto) {});
        if (const auto& failure = outcome.failure) {
            const std::vector<std::string> atFault = blamed(*failure, state);
            addError(evaluation, atFault, inWorkbenchWords(failure->said, state));
            if (withoutQuestionsOf(state, atFault, questions)) continue;
        }
        addResults(evaluation, cli::resultLines(outcome, separators.decimal), outcome.firmwareLines,
                   beltless);
        return;
    }
}

bool hasResult(const Evaluation& evaluation, std::string_view label) {
    return std::any_of(evaluation.results.begin(), evaluation.results.end(),
                       [&](const Result& result) { return result.label == label; });
}

// Where the drive stopped before the XL belt's centre distance, the
// distance is asked with the belt's options alone; it follows the steps'
// results, as the command line prints it.
void answerCentreDistance(const State& drive, Separators separators, Evaluation& evaluation) {
    const bool stopped = !evaluation.errors.empty();
    const std::string centreDistance = _(kCentreDistanceLabel);
    if (!stopped || hasResult(evaluation, centreDistance) ||
        !cli::hasXlBelt(drive, separators.decimal)) {
        return;
    }
    State belt;
    std::copy_if(drive.begin(), drive.end(), std::back_inserter(belt),
                 [](const auto& pair) { return isOneOf(kCentreDistance, pair.first); });
    Evaluation alone;
    answer(belt, {}, separators, alone);
    const auto distance =
        std::find_if(alone.results.begin(), alone.results.end(),
                     [&](const Result& result) { return result.label == centreDistance; });
    if (distance != alone.results.end()) {
        const std::string steps = _(fieldCaption(Field::StepsPerMm));
        const std::string resolution = _(fieldCaption(Field::MmPerStep));
        const auto after = std::find_if(
            evaluation.results.begin(), evaluation.results.end(), [&](const Result& result) {
                return result.label != steps && result.label != resolution;
            });
        evaluation.results.insert(after, *distance);
    }
    for (Error& error : alone.errors) addError(evaluation, error.options, error.message);
}

}  // namespace

Evaluation evaluate(const State& state, std::string_view decimalSeparator,
                    std::string_view groupSeparator) {
    const Separators separators{decimalSeparator, groupSeparator};
    State drive;
    State calibration{{"calibra", ""}};
    // The calibration's M92 line of RepRapFirmware names the microstepping;
    // no other firmware's line takes it.
    const bool repRap = std::any_of(state.begin(), state.end(), [](const auto& pair) {
        return pair.first == "firmware" && detail::sameIgnoringCase(pair.second, "reprapfirmware");
    });
    for (const auto& pair : state) {
        const bool figure = isOneOf(kCalibration, pair.first);
        (figure ? calibration : drive).push_back(pair);
        // An inch machine's distances are in inches, and its LinuxCNC SCALE per inch.
        const bool lines = pair.first == "micropassi" ? repRap
                                                      : isOneOf(kCalibrationLines, pair.first) ||
                                                            pair.first == "pollici";
        if (lines) calibration.push_back(pair);
    }
    Evaluation evaluation;
    answer(drive, kDriveQuestions, separators, evaluation);
    answerCentreDistance(drive, separators, evaluation);
    const bool calibrating = std::any_of(state.begin(), state.end(), [](const auto& pair) {
        return isOneOf(kCalibration, pair.first);
    });
    if (calibrating) {
        // The corrected figure's lines, never beside the drive's.
        Evaluation corrected;
        answer(calibration, kCalibrationQuestions, separators, corrected);
        evaluation.results.insert(evaluation.results.end(), corrected.results.begin(),
                                  corrected.results.end());
        for (Error& error : corrected.errors) addError(evaluation, error.options, error.message);
        evaluation.firmwareLines = std::move(corrected.firmwareLines);
    }
    return evaluation;
}

}  // namespace cnc::workbench
