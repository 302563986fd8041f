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
std::optional<std::string_view> given(const State& state, std::string_view key) {
    const auto last = std::find_if(state.rbegin(), state.rend(),
                                   [&](const auto& pair) { return pair.first == key; });
    if (last == state.rend()) return std::nullopt;
    return last->second;
}

// `pattern` (marked with N_) in the catalogue's language, {0} the text typed,
// cut for the picture. One function for every figure keeps the page's module
// small.
std::string figure(std::string_view pattern, std::string_view typed) {
    return filled(_(pattern), {cutText(typed, kShownCharacters)});
}

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

// `pattern` with `value` to four decimals without the zeros that end them,
// "≈ " before it where that rounds: 8 -> "8", 25.4 / 12 -> "≈ 2,1167".
std::string computed(std::string_view pattern, const Ratio& value,
                     std::string_view decimalSeparator) {
    std::string text = roundedText(value, 4, decimalSeparator);
    const auto rounded = number(text, decimalSeparator);
    while (text.ends_with('0')) text.pop_back();
    if (text.ends_with(decimalSeparator)) text.resize(text.size() - decimalSeparator.size());
    if (!rounded || !same(*rounded, value)) text.insert(0, "≈ ");
    return figure(pattern, text);
}

// The travel of one turn, where both its factors are numbers.
void addTravel(Part& part, const std::optional<Ratio>& a, const std::optional<Ratio>& b,
               std::string_view decimalSeparator) {
    if (a && b) part.figures.push_back(computed(N_("{0} mm/giro"), *a * *b, decimalSeparator));
}

Part motorOf(const State& state) {
    Part motor{Shape::Motor, _("Motore"), {}};
    if (const auto angle = given(state, "angolo-passo")) {
        motor.figures.push_back(figure(N_("{0}° per passo"), *angle));
    } else {
        motor.figures.push_back(
            figure(N_("{0} passi/giro"), given(state, "passi").value_or("200")));
    }
    if (const auto microsteps = given(state, "micropassi")) {
        motor.figures.push_back(figure(N_("× {0} micropassi"), *microsteps));
    } else {
        motor.figures.push_back(
            _(given(state, "passo-intero") ? N_("× 1 (passo intero)") : N_("× 2 (mezzo passo)")));
    }
    return motor;
}

Part reductionOf(const State& state) {
    if (given(state, "ingranaggi")) {
        // The command line's pulleys when none are typed.
        const std::string_view motor = given(state, "motore").value_or("17");
        const std::string_view driven = given(state, "vite").value_or("36");
        Part pulleys{Shape::Pulleys, _("Pulegge e cinghia"), {}};
        // TRANSLATORS: the teeth of the pulley on the motor
        pulleys.figures.push_back(figure(N_("motore {0} denti"), motor));
        // TRANSLATORS: the teeth of the pulley the belt drives
        pulleys.figures.push_back(figure(N_("condotta {0} denti"), driven));
        const std::string ratio = std::string(driven) + ":" + std::string(motor);
        // TRANSLATORS: turns of the motor : turns of what it drives ("36:17")
        pulleys.figures.push_back(figure(N_("rapporto {0}"), ratio));
        return pulleys;
    }
    Part reduction{Shape::Direct, _("Diretto"), {}};
    if (const auto ratio = given(state, "rapporto")) {
        reduction = {Shape::Gears, _("Riduttore"), {}};
        reduction.figures.push_back(figure(N_("rapporto {0}"), *ratio));
    } else {
        reduction.figures.push_back("1:1");
    }
    return reduction;
}

Part screwOf(const State& state, std::string_view separator) {
    Part screw{Shape::Screw, _("Vite"), {}};
    std::optional<Ratio> lead;
    const auto threads = given(state, "filetti-pollice");
    if (const auto pitch = given(state, "passo-vite"); pitch || !threads) {
        const std::string_view text = pitch.value_or("3");
        screw.figures.push_back(figure(N_("passo {0} mm"), text));
        lead = number(text, separator);
    } else {
        screw.figures.push_back(figure(N_("{0} filetti/pollice"), *threads));
        const auto perInch = number(*threads, separator);
        if (perInch && !perInch->numerator.isZero()) lead = pitchOfThreadsPerInch(*perInch);
    }
    // One start leads by the pitch, as the command line reads it.
    std::optional<Ratio> starts = ratioOf(1);
    if (const auto typed = given(state, "principi")) {
        starts = number(*typed, separator);
        if (!starts || !same(*starts, ratioOf(1))) {
            screw.figures.push_back(figure(N_("{0} principi"), *typed));
        }
    }
    addTravel(screw, lead, starts, separator);
    return screw;
}

Part beltOf(const State& state, std::string_view teeth, std::string_view separator) {
    Part belt{Shape::Belt, _("Cinghia"), {}};
    std::optional<Ratio> pitch;
    if (const auto profile = given(state, "profilo-cinghia")) {
        const auto named = beltProfilePitch(*profile);
        belt.figures.push_back(named ? cutText(*profile, kShownCharacters)
                                     : figure(N_("passo {0} mm"), *profile));
        pitch = named ? std::optional(ratioOf(*named)) : number(*profile, separator);
    }
    belt.figures.push_back(figure(N_("{0} denti"), teeth));
    addTravel(belt, pitch, number(teeth, separator), separator);
    return belt;
}

Part rackOf(const State& state, std::string_view teeth, std::string_view separator) {
    Part rack{Shape::Rack, _("Cremagliera"), {}};
    const auto count = number(teeth, separator);
    if (const auto module = given(state, "modulo")) {
        rack.figures.push_back(figure(N_("modulo {0}"), *module));
        rack.figures.push_back(figure(N_("{0} denti"), teeth));
        const auto size = number(*module, separator);
        if (size && count) {
            rack.figures.push_back(computed(N_("π × {0} mm/giro"), *size * *count, separator));
        }
        return rack;
    }
    const auto pitch = given(state, "passo-cremagliera");
    if (pitch) rack.figures.push_back(figure(N_("passo {0} mm"), *pitch));
    rack.figures.push_back(figure(N_("{0} denti"), teeth));
    if (pitch) addTravel(rack, number(*pitch, separator), count, separator);
    return rack;
}

Part axisOf(const State& state, std::string_view separator) {
    if (given(state, "rotativo")) {
        Part table{Shape::Rotary, _("Tavola rotante"), {}};
        table.figures.push_back(_("360° per giro"));
        return table;
    }
    if (const auto teeth = given(state, "puleggia-asse")) return beltOf(state, *teeth, separator);
    if (const auto diameter = given(state, "diametro-ruota")) {
        Part wheel{Shape::Wheel, _("Ruota"), {}};
        wheel.figures.push_back(figure(N_("Ø {0} mm"), *diameter));
        wheel.figures.push_back(figure(N_("π × {0} mm/giro"), *diameter));
        return wheel;
    }
    if (const auto pinion = given(state, "denti-pignone")) return rackOf(state, *pinion, separator);
    if (const auto steps = given(state, "step-mm")) {
        Part known{Shape::KnownSteps, _("Asse"), {}};
        known.figures.push_back(figure(N_("{0} step/mm noti"), *steps));
        return known;
    }
    return screwOf(state, separator);
}

}  // namespace

DriveParts partsOf(const State& state, std::string_view decimalSeparator) {
    return {motorOf(state), reductionOf(state), axisOf(state, decimalSeparator)};
}

}  // namespace cnc::workbench::internal
