// SPDX-License-Identifier: GPL-3.0-or-later
// Klipper's gear_ratio: https://www.klipper3d.org/Config_Reference.html#stepper
// ("5:1" for a 5 to 1 gearbox, "57:11, 2:1" for several).
#include "calc/gear_ratio.h"

namespace cnc {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Digits only, above zero.
std::optional<Natural> turnsOf(std::string_view text) {
    text = trimmed(text);
    if (text.empty()) return std::nullopt;
    Natural turns;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        turns.multiplyAdd(10, static_cast<std::uint32_t>(c - '0'));
    }
    if (turns.isZero()) return std::nullopt;
    return turns;
}

std::optional<GearStage> stageOf(std::string_view text) {
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    auto motor = turnsOf(text.substr(0, colon));
    auto output = turnsOf(text.substr(colon + 1));
    if (!motor || !output) return std::nullopt;
    return GearStage{std::move(*motor), std::move(*output)};
}

}  // namespace

std::optional<std::vector<GearStage>> gearStagesOf(std::string_view text) {
    std::vector<GearStage> stages;
    for (;;) {
        const std::size_t comma = text.find(',');
        auto stage = stageOf(text.substr(0, comma));
        if (!stage) return std::nullopt;
        stages.push_back(std::move(*stage));
        if (comma == std::string_view::npos) return stages;
        text.remove_prefix(comma + 1);
    }
}

Ratio reductionOf(const std::vector<GearStage>& stages) {
    Ratio reduction = ratioOf(1);
    for (const GearStage& stage : stages) {
        reduction = reduction * Ratio{stage.motorTurns, stage.outputTurns, false};
    }
    return reduction;
}

std::string gearRatioText(const std::vector<GearStage>& stages) {
    std::string text;
    for (const GearStage& stage : stages) {
        if (!text.empty()) text += ", ";
        text += stage.motorTurns.decimalDigits() + ":" + stage.outputTurns.decimalDigits();
    }
    return text;
}

}  // namespace cnc
