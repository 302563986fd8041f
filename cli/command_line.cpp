// SPDX-License-Identifier: GPL-3.0-or-later
// Prints each result as soon as it is produced, so that an error after the
// first results still leaves them on the output, as the window keeps them on
// screen.
#include "cli/command_line.h"

#include <algorithm>
#include <optional>

#include "calc/belt_geometry.h"
#include "calc/calc_error.h"
#include "calc/drive_calculation.h"
#include "calc/translation.h"
#include "cli/belt_answers.h"
#include "cli/calibration_answer.h"
#include "cli/json_report.h"
#include "cli/machine_command.h"
#include "cli/options.h"
#include "cli/result_lines.h"
#include "cli/run.h"
#include "version_notice.h"

namespace cnc::cli {
namespace {

constexpr std::string_view kProgram = "cnc-axis-calc-cli";

// The three results the window shows in its results group, labelled with
// their captions; an emptied one is not printed.
ResultListener printingTo(std::ostream& out, bool rotary) {
    return [&out, rotary](Field field, std::string_view text) {
        const bool shown = field == Field::StepsPerMm || field == Field::MmPerStep ||
                           field == Field::CentreDistanceMm;
        if (shown && !text.empty()) {
            out << resultCaption(field, rotary) << ": " << text << '\n' << std::flush;
        }
    };
}

int calculate(const Options& options, const Separators& separators, std::ostream& out,
              std::ostream& err) {
    const Outcome outcome =
        run(options, separators.decimal, separators.group,
            options.json ? ResultListener([](Field, std::string_view) {})
                         : printingTo(out, options.rotary));
    if (options.json) {
        out << jsonReport(options, outcome, separators.decimal);
    } else {
        out << answerLines(outcome, separators.decimal);
        for (const std::string& line : outcome.firmwareLines) out << line << '\n';
    }
    if (outcome.failure) {
        err << outcome.failure->message << '\n';
        return 1;
    }
    return 0;
}

// --interasse-voluto: a question of its own, answered from the two pulleys.
int answerWantedDistance(const Options& options, const Separators& separators,
                         std::ostream& out, std::ostream& err) {
    try {
        const NearestBelts belts = nearestBelts(options.form, *options.wantedDistance,
                                                separators.decimal, separators.group,
                                                kXlBeltPitch);
        out << (options.json ? wantedDistanceReport(options, belts, separators.decimal)
                             : nearestBeltLines(belts, separators.decimal));
    } catch (const CalcError& error) {
        const std::string message =
            error.field()
                ? std::string(error.what())
                : filled(_("{0}: {1}"), {optionNameShown("interasse-voluto"), error.what()});
        if (options.json) out << wantedDistanceFailure(options, error, message);
        err << message << '\n';
        return 1;
    }
    return 0;
}

// --calibra: a question of its own; the figures stay when the firmware
// refuses its lines.
int answerCalibration(const Options& options, const Separators& separators, std::ostream& out,
                      std::ostream& err) {
    CalibrationAnswer answer;
    calibrate(options, separators.decimal, answer);
    if (options.json) {
        out << calibrationReport(options, answer);
    } else {
        out << calibrationLines(answer, separators.decimal);
        for (const std::string& line : answer.firmwareLines) out << line << '\n';
    }
    if (!answer.failure) return 0;
    err << answer.failure->message << '\n';
    return 1;
}

// --json may be anywhere, even among arguments that make no sense.
bool asksForJson(const std::vector<std::string>& arguments) {
    return std::find(arguments.begin(), arguments.end(), "--json") != arguments.end();
}

}  // namespace

int runCommandLine(const std::vector<std::string>& arguments, const Separators& separators,
                   std::ostream& out, std::ostream& err) {
    auto parsed = parseOptions(arguments, separators.decimal, separators.group);
    if (const auto* error = std::get_if<UsageError>(&parsed)) {
        if (asksForJson(arguments)) out << usageErrorReport(error->message);
        err << kProgram
            << ": "
            // TRANSLATORS: {0} is what is wrong with the options, {1} the program's name
            << filled(_("{0}; usare «{1} --help» per le opzioni"), {error->message, kProgram})
            << '\n';
        return 2;
    }
    const auto& options = std::get<Options>(parsed);
    if (options.help || options.version) {
        const std::string text =
            options.help ? usage() : std::string(kProgram) + std::string(kVersionNotice);
        out << (options.json ? textReport(options.help ? "aiuto" : "versione", text) : text);
        return 0;
    }
    if (options.wantedDistance) return answerWantedDistance(options, separators, out, err);
    if (options.calibrate) return answerCalibration(options, separators, out, err);
    if (options.machineFile) return answerMachineFile(options, separators, out, err);
    return calculate(options, separators, out, err);
}

}  // namespace cnc::cli
