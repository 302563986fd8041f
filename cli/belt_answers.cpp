// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/belt_answers.h"

#include <optional>

#include "calc/belt_geometry.h"
#include "calc/drive_calculation.h"
#include "calc/result_text.h"
#include "calc/translation.h"

namespace cnc::cli {
namespace {

std::string millimetres(double distance, std::string_view decimalSeparator) {
    return formatResult(distance, kTwoDecimals, decimalSeparator) + " mm";
}

// `label` is an Italian text marked N_.
std::string beltLine(std::string_view label, const std::optional<ToothedBelt>& belt,
                     std::string_view decimalSeparator) {
    std::string line = _(label) + ": ";
    if (!belt) return line + _("nessuna (con meno denti le pulegge si toccherebbero)") + "\n";
    const auto teeth = static_cast<std::uint64_t>(belt->teeth);
    return line +
           // TRANSLATORS: {0} is an XL belt's length code (132 for 132XL), {1} its teeth, {2} the
           // exact distance between the pulleys' centres, in mm
           filled(_n("{0}XL ({1} dente), interasse esatto {2}",
                     "{0}XL ({1} denti), interasse esatto {2}", teeth),
                  {std::to_string(2 * belt->teeth), std::to_string(belt->teeth),
                   millimetres(belt->centreDistance, decimalSeparator)}) +
           "\n";
}

}  // namespace

std::string exactDistanceText(const Form& form, std::string_view decimalSeparator,
                              std::string_view groupSeparator) {
    const double distance =
        exactCentreDistance(form, decimalSeparator, groupSeparator, kXlBeltPitch);
    return formatResult(distance, kTwoDecimals, decimalSeparator);
}

std::string nearestBeltLines(const NearestBelts& belts, std::string_view decimalSeparator) {
    // TRANSLATORS: the label of the XL belt whose centre distance is the largest up to the one
    // asked
    return beltLine(N_("Cinta più corta"), belts.shorter, decimalSeparator) +
           // TRANSLATORS: the label of the XL belt whose centre distance is the smallest above the
           // one asked
           beltLine(N_("Cinta più lunga"), belts.longer, decimalSeparator);
}

}  // namespace cnc::cli
