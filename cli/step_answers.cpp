// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/step_answers.h"

#include "calc/exact_drive.h"
#include "calc/step_speed.h"
#include "calc/translation.h"
#include "cli/amounts.h"
#include "cli/inch_answers.h"
#include "cli/screw_answers.h"

namespace cnc::cli {
namespace {

std::string line(std::string_view label, std::string_view value) {
    return std::string(label) + ": " + std::string(value) + "\n";
}

// "300.000 mm/s, 18000.000 mm/min"; `unit` is kMillimetres or kDegrees.
std::string speedText(const Ratio& perSecond, std::string_view unit,
                      std::string_view separator) {
    const std::string shownUnit = _(unit);
    return roundedText(perSecond, kSpeedDecimals, separator) + " " + shownUnit + "/s, " +
           roundedText(perMinute(perSecond), kSpeedDecimals, separator) + " " + shownUnit +
           "/min";
}

// `label` is an Italian text marked N_. On an inch machine the layer is in
// inches with its mm beside.
std::string layerLine(std::string_view label, const std::optional<FullStepMultiple>& layer,
                      bool inches, std::string_view separator) {
    // TRANSLATORS: the answer of a layer when the height asked is below one full step
    if (!layer) return line(_(label), _("nessuno (meno di un passo intero)"));
    if (inches) return line(_(label), inchLayerText(*layer, separator));
    const std::uint64_t steps = countOf(layer->fullSteps);
    return line(_(label),
                // TRANSLATORS: {0} is a layer's height in mm, {1} its count of full steps
                filled(_n("{0} mm ({1} passo intero)", "{0} mm ({1} passi interi)", steps),
                       {roundedText(layer->travel, kLengthDecimals, separator),
                        layer->fullSteps.decimalDigits()}));
}

StepResult layerResult(const char* key, const std::optional<FullStepMultiple>& layer) {
    if (!layer) return {key, std::nullopt, std::nullopt};
    return {key, roundedText(layer->travel, kLengthDecimals, "."), countOf(layer->fullSteps)};
}

}  // namespace

bool asksStepQuestions(const Options& options) {
    return options.layerHeight || options.speed || options.maxFrequency;
}

void answerStepQuestions(const Options& options, const ExactDrive& drive,
                         std::string_view decimalSeparator, StepAnswers& answers) {
    answers.inches = options.inches;
    if (options.layerHeight) {
        const Ratio height = typedInMillimetres(
            options, positiveAmount(*options.layerHeight, "strato", decimalSeparator));
        NearestLayers layers = nearestLayers(drive, height);
        withinRange(layers.above.travel, "strato");
        answers.layers = std::move(layers);
    }
    if (options.speed) {
        // In inches, V in/s x steps per inch is V x 25.4 mm/s x steps per mm:
        // the same exact number.
        const Ratio speed = typedInMillimetres(
            options, positiveAmount(*options.speed, "velocita", decimalSeparator));
        if (options.inches) {
            withinRange(perMinute(speed), "velocita");
            answers.speedMmPerS = speed;
        }
        answers.stepFrequencyKhz = withinRange(stepFrequencyKhz(drive, speed), "velocita");
    }
    if (options.maxFrequency) {
        const Ratio most = positiveAmount(*options.maxFrequency, "frequenza-max",
                                          decimalSeparator);
        const Ratio speed = largestSpeedMmPerS(drive, most);
        withinRange(perMinute(speed), "frequenza-max");
        answers.largestSpeedMmPerS = speed;
    }
}

std::string stepAnswerLines(const StepAnswers& answers, std::string_view separator,
                            std::string_view unit) {
    std::string lines;
    if (const auto& layers = answers.layers) {
        // TRANSLATORS: the label of the travel of one full step of the motor, in mm
        lines += line(_("Passo intero (mm)"),
                      roundedText(layers->fullStep, kLengthDecimals, separator));
        if (answers.inches) {
            lines += line(_("Passo intero (pollici)"), inchFullStepText(layers->fullStep, separator));
        }
        // TRANSLATORS: the label of the largest layer height of whole full steps up to the one
        // asked
        lines += layerLine(N_("Strato più vicino per difetto"), layers->below, answers.inches,
                           separator);
        // TRANSLATORS: the label of the smallest layer height of whole full steps from the one
        // asked
        lines += layerLine(N_("Strato più vicino per eccesso"), layers->above, answers.inches,
                           separator);
    }
    if (const auto& speed = answers.speedMmPerS) {
        lines += line(_("Velocità"), inchSpeedText(*speed, separator));
    }
    if (const auto& frequency = answers.stepFrequencyKhz) {
        // TRANSLATORS: the label of the step rate the driver must take at a speed, in kHz
        lines += line(_("Frequenza dei passi"),
                      roundedText(*frequency, kKilohertzDecimals, separator) + " kHz");
    }
    if (const auto& speed = answers.largestSpeedMmPerS) {
        // TRANSLATORS: the label of the largest speed a step rate allows
        lines += line(_("Velocità massima"), answers.inches ? inchSpeedText(*speed, separator)
                                                            : speedText(*speed, unit, separator));
    }
    return lines;
}

std::vector<StepResult> stepAnswerResults(const StepAnswers& answers, std::string_view unit) {
    std::vector<StepResult> results;
    if (const auto& layers = answers.layers) {
        results.push_back({"passo_intero_mm", roundedText(layers->fullStep, kLengthDecimals, "."),
                           std::nullopt});
        results.push_back(layerResult("strato_per_difetto_mm", layers->below));
        results.push_back(layerResult("strato_per_eccesso_mm", layers->above));
    }
    if (const auto& frequency = answers.stepFrequencyKhz) {
        results.push_back(
            {"frequenza_khz", roundedText(*frequency, kKilohertzDecimals, "."), std::nullopt});
    }
    if (const auto& speed = answers.largestSpeedMmPerS) {
        const std::string key = "velocita_max_" + std::string(unit);
        results.push_back({key + "_s", roundedText(*speed, kSpeedDecimals, "."), std::nullopt});
        results.push_back(
            {key + "_min", roundedText(perMinute(*speed), kSpeedDecimals, "."), std::nullopt});
    }
    return results;
}

std::optional<Ratio> largestSpeedPerMinute(const StepAnswers& answers) {
    if (!answers.largestSpeedMmPerS) return std::nullopt;
    return perMinute(*answers.largestSpeedMmPerS);
}

}  // namespace cnc::cli
