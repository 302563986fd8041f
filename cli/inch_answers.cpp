// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/inch_answers.h"

#include <cstdint>
#include <utility>

#include "calc/screw_lead.h"
#include "calc/translation.h"
#include "cli/amounts.h"

namespace cnc::cli {
namespace {

constexpr int kLengthDecimals = 9;

Ratio inInches(const Ratio& millimetres) { return millimetres / millimetresPerInch(); }
std::string fullStepsText(const Natural& count) {
    return filled(_n("{0} passo intero", "{0} passi interi", countOf(count)),
                  {count.decimalDigits()});
}

std::string text(const Ratio& value, int decimals, std::string_view separator) {
    return roundedText(value, decimals, separator);
}

// "0.007677165 pollici (0.195000000 mm, 13 passi interi)", or none below.
std::string layerText(const std::optional<FullStepMultiple>& layer, std::string_view separator) {
    if (!layer) return _("nessuno (meno di un passo intero)");
    return filled(_("{0} pollici ({1} mm, {2})"),
                  {text(inInches(layer->travel), kLengthDecimals, separator),
                   text(layer->travel, kLengthDecimals, separator),
                   fullStepsText(layer->fullSteps)});
}

// "1.000 pollici/s, 60.000 pollici/min (25.400 mm/s, 1524.000 mm/min)"
std::string speedText(const Ratio& mmPerS, std::string_view separator) {
    const Ratio inchesPerS = inInches(mmPerS);
    return filled(_("{0} pollici/s, {1} pollici/min ({2} mm/s, {3} mm/min)"),
                  {text(inchesPerS, kSpeedDecimals, separator),
                   text(perMinute(inchesPerS), kSpeedDecimals, separator),
                   text(mmPerS, kSpeedDecimals, separator),
                   text(perMinute(mmPerS), kSpeedDecimals, separator)});
}

std::string line(std::string_view label, std::string_view value) {
    return std::string(label) + ": " + std::string(value) + "\n";
}

StepResult figure(std::string key, const Ratio& value, int decimals) {
    return {std::move(key), text(value, decimals, "."), std::nullopt};
}

StepResult layerResult(const char* key, const std::optional<FullStepMultiple>& layer) {
    if (!layer) return {key, std::nullopt, std::nullopt};
    return {key, text(inInches(layer->travel), kLengthDecimals, "."), countOf(layer->fullSteps)};
}

}  // namespace

Ratio typedInMillimetres(const Options& options, const Ratio& typed) {
    return options.inches ? typed * millimetresPerInch() : typed;
}

// The labels the mm lines have keep their words; those of the inch machine
// alone are its own.
std::string inchStepAnswerLines(const StepAnswers& answers, std::string_view separator) {
    std::string lines;
    if (const auto& layers = answers.layers) {
        lines += line(_("Passo intero (mm)"), text(layers->fullStep, kLengthDecimals, separator));
        lines += line(_("Passo intero (pollici)"),
                      text(inInches(layers->fullStep), kLengthDecimals, separator));
        lines += line(_("Strato più vicino per difetto"), layerText(layers->below, separator));
        lines += line(_("Strato più vicino per eccesso"), layerText(layers->above, separator));
    }
    if (const auto& speed = answers.speedMmPerS) {
        lines += line(_("Velocità"), speedText(*speed, separator));
    }
    if (const auto& frequency = answers.stepFrequencyKhz) {
        lines += line(_("Frequenza dei passi"),
                      text(*frequency, kKilohertzDecimals, separator) + " kHz");
    }
    if (const auto& most = answers.largestSpeedMmPerS) {
        lines += line(_("Velocità massima"), speedText(*most, separator));
    }
    return lines;
}

std::vector<StepResult> inchStepAnswerResults(const StepAnswers& answers) {
    std::vector<StepResult> results;
    if (const auto& layers = answers.layers) {
        results.push_back(figure("passo_intero_pollici", inInches(layers->fullStep),
                                 kLengthDecimals));
        results.push_back(layerResult("strato_per_difetto_pollici", layers->below));
        results.push_back(layerResult("strato_per_eccesso_pollici", layers->above));
    }
    if (const auto& speed = answers.speedMmPerS) {
        results.push_back(figure("velocita_pollici_s", inInches(*speed), kSpeedDecimals));
        results.push_back(
            figure("velocita_pollici_min", perMinute(inInches(*speed)), kSpeedDecimals));
        results.push_back(figure("velocita_mm_s", *speed, kSpeedDecimals));
        results.push_back(figure("velocita_mm_min", perMinute(*speed), kSpeedDecimals));
    }
    if (const auto& most = answers.largestSpeedMmPerS) {
        results.push_back(figure("velocita_max_pollici_s", inInches(*most), kSpeedDecimals));
        results.push_back(
            figure("velocita_max_pollici_min", perMinute(inInches(*most)), kSpeedDecimals));
    }
    return results;
}

std::optional<Ratio> correctedStepsPerInch(const CalibrationAnswer& answer) {
    if (!answer.inches || answer.rotationDistance || !answer.corrected) return std::nullopt;
    return *answer.corrected * millimetresPerInch();
}

std::string inchCalibrationLines(const CalibrationAnswer& answer,
                                 std::string_view decimalSeparator) {
    const auto perInch = correctedStepsPerInch(answer);
    if (!perInch) return "";
    return line(_("Step/pollice corretti"), correctedText(*perInch, decimalSeparator));
}

}  // namespace cnc::cli
