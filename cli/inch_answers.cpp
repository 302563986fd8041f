// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/inch_answers.h"

#include <cstdint>
#include <utility>

#include "calc/screw_lead.h"
#include "calc/translation.h"
#include "cli/amounts.h"

namespace cnc::cli {
namespace {

Ratio inInches(const Ratio& millimetres) { return millimetres / millimetresPerInch(); }
std::string fullStepsText(const Natural& count) {
    return filled(_n("{0} passo intero", "{0} passi interi", countOf(count)),
                  {count.decimalDigits()});
}

StepResult figure(std::string key, const Ratio& value, int decimals) {
    return {std::move(key), roundedText(value, decimals, "."), std::nullopt};
}

StepResult layerResult(const char* key, const std::optional<FullStepMultiple>& layer) {
    if (!layer) return {key, std::nullopt, std::nullopt};
    return {key, roundedText(inInches(layer->travel), kLengthDecimals, "."),
            countOf(layer->fullSteps)};
}

}  // namespace

Ratio typedInMillimetres(const Options& options, const Ratio& typed) {
    return options.inches ? typed * millimetresPerInch() : typed;
}

std::string inchFullStepText(const Ratio& fullStepMm, std::string_view separator) {
    return roundedText(inInches(fullStepMm), kLengthDecimals, separator);
}

std::string inchLayerText(const FullStepMultiple& layer, std::string_view separator) {
    return filled(_("{0} pollici ({1} mm, {2})"),
                  {roundedText(inInches(layer.travel), kLengthDecimals, separator),
                   roundedText(layer.travel, kLengthDecimals, separator),
                   fullStepsText(layer.fullSteps)});
}

std::string inchSpeedText(const Ratio& mmPerS, std::string_view separator) {
    const Ratio inchesPerS = inInches(mmPerS);
    return filled(_("{0} pollici/s, {1} pollici/min ({2} mm/s, {3} mm/min)"),
                  {roundedText(inchesPerS, kSpeedDecimals, separator),
                   roundedText(perMinute(inchesPerS), kSpeedDecimals, separator),
                   roundedText(mmPerS, kSpeedDecimals, separator),
                   roundedText(perMinute(mmPerS), kSpeedDecimals, separator)});
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
    return _("Step/pollice corretti") + ": " + correctedText(*perInch, decimalSeparator) + "\n";
}

}  // namespace cnc::cli
