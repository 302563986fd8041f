// SPDX-License-Identifier: GPL-3.0-or-later
#include "workbench/drive_parts.h"

#include <algorithm>
#include <optional>

#include "calc/belt_axis.h"
#include "calc/calc_error.h"
#include "calc/exact_ratio.h"
#include "calc/screw_lead.h"
#include "calc/translation.h"
#include "workbench/xml_text.h"

namespace cnc::workbench::internal {
namespace {

// The last text of option `key`, as the command line keeps it.
std::optional<std::string> given(const State& state, std::string_view key) {
    const auto last = std::find_if(state.rbegin(), state.rend(),
                                   [&](const auto& pair) { return pair.first == key; });
    return last == state.rend() ? std::nullopt : std::optional(last->second);
}

std::string shown(std::string_view typed) { return cutText(typed, kShownCharacters); }

std::optional<Ratio> number(std::string_view text, std::string_view decimalSeparator) {
    try {
        return decimalRatio(text, decimalSeparator);
    } catch (const CalcError&) {
        return std::nullopt;
    }
}

bool same(const Ratio& a, const Ratio& b) {
    return a.negative == b.negative &&
           compare(a.numerator * b.denominator, b.numerator * a.denominator) == 0;
}

// `value` to four decimals without the zeros that end them, "≈ " before it
// where that rounds: 8 -> "8", 25.4 / 12 -> "≈ 2,1167".
std::string figureText(const Ratio& value, std::string_view decimalSeparator) {
    std::string text = roundedText(value, 4, decimalSeparator);
    const auto rounded = number(text, decimalSeparator);
    while (text.ends_with('0')) text.pop_back();
    if (text.ends_with(decimalSeparator)) text.resize(text.size() - decimalSeparator.size());
    return shown((rounded && same(*rounded, value) ? "" : "≈ ") + text);
}

std::string perTurn(const Ratio& travel, std::string_view decimalSeparator) {
    return filled(_("{0} mm/giro"), {figureText(travel, decimalSeparator)});
}

std::string teeth(std::string_view count) { return filled(_("{0} denti"), {shown(count)}); }

Part motorOf(const State& state) {
    Part motor{Shape::Motor, _("Motore"), {}};
    if (const auto angle = given(state, "angolo-passo")) {
        motor.figures.push_back(filled(_("{0}° per passo"), {shown(*angle)}));
    } else {
        motor.figures.push_back(
            filled(_("{0} passi/giro"), {shown(given(state, "passi").value_or("200"))}));
    }
    if (const auto microsteps = given(state, "micropassi")) {
        motor.figures.push_back(filled(_("× {0} micropassi"), {shown(*microsteps)}));
    } else if (given(state, "passo-intero")) {
        motor.figures.push_back(_("× 1 (passo intero)"));
    } else {
        motor.figures.push_back(_("× 2 (mezzo passo)"));
    }
    return motor;
}

Part reductionOf(const State& state) {
    if (given(state, "ingranaggi")) {
        // The command line's pulleys when none are typed.
        const std::string motor = shown(given(state, "motore").value_or("17"));
        const std::string driven = shown(given(state, "vite").value_or("36"));
        Part pulleys{Shape::Pulleys, _("Pulegge e cinghia"), {}};
        // TRANSLATORS: the teeth of the pulley on the motor
        pulleys.figures.push_back(filled(_("motore {0} denti"), {motor}));
        // TRANSLATORS: the teeth of the pulley the belt drives
        pulleys.figures.push_back(filled(_("condotta {0} denti"), {driven}));
        // TRANSLATORS: turns of the motor : turns of what it drives ("36:17")
        pulleys.figures.push_back(filled(_("rapporto {0}"), {driven + ":" + motor}));
        return pulleys;
    }
    if (const auto ratio = given(state, "rapporto")) {
        return {Shape::Gears, _("Riduttore"), {filled(_("rapporto {0}"), {shown(*ratio)})}};
    }
    return {Shape::Direct, _("Diretto"), {"1:1"}};
}

Part screwOf(const State& state, std::string_view separator) {
    Part screw{Shape::Screw, _("Vite"), {}};
    std::optional<Ratio> lead;
    const auto threads = given(state, "filetti-pollice");
    if (const auto pitch = given(state, "passo-vite"); pitch || !threads) {
        const std::string text = pitch.value_or("3");
        screw.figures.push_back(filled(_("passo {0} mm"), {shown(text)}));
        lead = number(text, separator);
    } else {
        screw.figures.push_back(filled(_("{0} filetti/pollice"), {shown(*threads)}));
        const auto perInch = number(*threads, separator);
        if (perInch && !perInch->numerator.isZero()) lead = pitchOfThreadsPerInch(*perInch);
    }
    if (const auto starts = given(state, "principi")) {
        const auto count = number(*starts, separator);
        // One start leads by the pitch, as the command line reads it.
        if (!count || !same(*count, ratioOf(1))) {
            screw.figures.push_back(filled(_("{0} principi"), {shown(*starts)}));
            lead = lead && count ? std::optional(*lead * *count) : std::nullopt;
        }
    }
    if (lead) screw.figures.push_back(perTurn(*lead, separator));
    return screw;
}

Part beltOf(const State& state, std::string_view pulleyTeeth, std::string_view separator) {
    Part belt{Shape::Belt, _("Cinghia"), {}};
    std::optional<Ratio> pitch;
    if (const auto profile = given(state, "profilo-cinghia")) {
        if (const auto named = beltProfilePitch(*profile)) {
            belt.figures.push_back(shown(*profile));
            pitch = ratioOf(*named);
        } else {
            belt.figures.push_back(filled(_("passo {0} mm"), {shown(*profile)}));
            pitch = number(*profile, separator);
        }
    }
    belt.figures.push_back(teeth(pulleyTeeth));
    const auto count = number(pulleyTeeth, separator);
    if (pitch && count) belt.figures.push_back(perTurn(*pitch * *count, separator));
    return belt;
}

Part rackOf(const State& state, std::string_view pinionTeeth, std::string_view separator) {
    Part rack{Shape::Rack, _("Cremagliera"), {}};
    const auto count = number(pinionTeeth, separator);
    std::optional<std::string> travel;
    if (const auto module = given(state, "modulo")) {
        rack.figures.push_back(filled(_("modulo {0}"), {shown(*module)}));
        const auto size = number(*module, separator);
        if (size && count) {
            travel = filled(_("π × {0} mm/giro"), {figureText(*size * *count, separator)});
        }
    } else if (const auto pitch = given(state, "passo-cremagliera")) {
        rack.figures.push_back(filled(_("passo {0} mm"), {shown(*pitch)}));
        const auto length = number(*pitch, separator);
        if (length && count) travel = perTurn(*length * *count, separator);
    }
    rack.figures.push_back(teeth(pinionTeeth));
    if (travel) rack.figures.push_back(*travel);
    return rack;
}

Part axisOf(const State& state, std::string_view separator) {
    if (given(state, "rotativo")) return {Shape::Rotary, _("Tavola rotante"), {_("360° per giro")}};
    if (const auto teethCount = given(state, "puleggia-asse")) {
        return beltOf(state, *teethCount, separator);
    }
    if (const auto diameter = given(state, "diametro-ruota")) {
        return {Shape::Wheel,
                _("Ruota"),
                {filled(_("Ø {0} mm"), {shown(*diameter)}),
                 filled(_("π × {0} mm/giro"), {shown(*diameter)})}};
    }
    if (const auto pinion = given(state, "denti-pignone")) return rackOf(state, *pinion, separator);
    if (const auto steps = given(state, "step-mm")) {
        return {Shape::KnownSteps, _("Asse"), {filled(_("{0} step/mm noti"), {shown(*steps)})}};
    }
    return screwOf(state, separator);
}

}  // namespace

DriveParts partsOf(const State& state, std::string_view decimalSeparator) {
    return {motorOf(state), reductionOf(state), axisOf(state, decimalSeparator)};
}

}  // namespace cnc::workbench::internal
