// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/drive_options.h"

#include "calc/calc_error.h"
#include "calc/translation.h"
#include "calc/travel_per_turn.h"
#include "cli/amounts.h"

namespace cnc::cli {
namespace {

// A whole count above zero (20.0 is 20).
Ratio wholeCount(std::string_view text, std::string_view option, std::string_view wanted,
                 std::string_view separator) {
    const Ratio count = positiveAmount(text, option, separator, wanted);
    if (!divide(count.numerator, count.denominator).second.isZero()) {
        throw optionError(ErrorKind::InvalidArgument, option, wanted, text);
    }
    return count;
}

Ratio rackTravel(const Options& options, std::string_view separator) {
    const Ratio teeth =
        wholeCount(*options.pinionTeeth, "denti-pignone",
                   N_("i denti del pignone, un numero intero da 1 in su"), separator);
    if (options.rackModule) {
        return rackTravelByModule(
            positiveAmount(*options.rackModule, "modulo", separator,
                           N_("il modulo della cremagliera in mm, un numero maggiore di zero")),
            teeth);
    }
    return rackTravelByPitch(
        positiveAmount(*options.rackPitch, "passo-cremagliera", separator,
                       N_("il passo della cremagliera in mm, un numero maggiore di zero")),
        teeth);
}

}  // namespace

bool hasLeadOfItsOwn(const Options& options) {
    return options.wheelDiameter || options.pinionTeeth || options.knownStepsPerMm ||
           options.rotary;
}

Ratio leadOfItsOwn(const Options& options, const ExactDrive& drive,
                   std::string_view decimalSeparator) {
    if (options.rotary) return ratioOf(kDegreesPerTurn);
    if (options.wheelDiameter) {
        return wheelTravel(
            positiveAmount(*options.wheelDiameter, "diametro-ruota", decimalSeparator,
                           N_("il diametro della ruota in mm, un numero maggiore di zero")));
    }
    if (options.pinionTeeth) return rackTravel(options, decimalSeparator);
    return travelOfKnownSteps(
        drive, positiveAmount(*options.knownStepsPerMm, "step-mm", decimalSeparator,
                              N_("i passi per mm dell'asse, un numero maggiore di zero")));
}

std::vector<GearStage> gearStagesOfOptions(const Options& options) {
    if (!options.gearRatio) return {};
    auto stages = gearStagesOf(*options.gearRatio);
    if (!stages) {
        throw optionError(ErrorKind::InvalidArgument, "rapporto",
                          N_("giri del motore e giri dell'uscita, numeri interi maggiori di "
                             "zero come 50:17, più stadi separati da virgole come 57:11,2:1"),
                          *options.gearRatio);
    }
    return *std::move(stages);
}

std::optional<BlamedOption> driveOption(const Options& options) {
    if (options.threadsPerInch) return BlamedOption{"filetti-pollice", *options.threadsPerInch};
    if (options.wheelDiameter) return BlamedOption{"diametro-ruota", *options.wheelDiameter};
    if (options.rackModule) return BlamedOption{"modulo", *options.rackModule};
    if (options.rackPitch) return BlamedOption{"passo-cremagliera", *options.rackPitch};
    if (options.knownStepsPerMm) return BlamedOption{"step-mm", *options.knownStepsPerMm};
    if (options.gearRatio) return BlamedOption{"rapporto", *options.gearRatio};
    return std::nullopt;
}

}  // namespace cnc::cli
