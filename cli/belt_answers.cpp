// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/belt_answers.h"

#include <optional>

#include "calc/belt_geometry.h"
#include "calc/drive_calculation.h"
#include "calc/result_text.h"

namespace cnc::cli {
namespace {

std::string millimetres(double distance, std::string_view decimalSeparator) {
    return formatResult(distance, kTwoDecimals, decimalSeparator) + " mm";
}

std::string beltLine(std::string_view which, const std::optional<ToothedBelt>& belt,
                     std::string_view decimalSeparator) {
    std::string line = "Cinta " + std::string(which) + ": ";
    if (!belt) return line + "nessuna (con meno denti le pulegge si toccherebbero)\n";
    return line + std::to_string(2 * belt->teeth) + "XL (" + std::to_string(belt->teeth) +
           " denti), interasse esatto " + millimetres(belt->centreDistance, decimalSeparator) +
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
    return beltLine("più corta", belts.shorter, decimalSeparator) +
           beltLine("più lunga", belts.longer, decimalSeparator);
}

}  // namespace cnc::cli
