// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/result_lines.h"

#include "calc/translation.h"

namespace cnc::cli {
namespace {

void appendLines(std::vector<std::string>& lines, std::string_view text) {
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        lines.emplace_back(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
}

}  // namespace

std::string resultCaption(Field field, bool rotary) {
    // TRANSLATORS: the label of the steps per degree of a rotary axis
    if (rotary && field == Field::StepsPerMm) return _("Step/grado");
    // TRANSLATORS: the label of the turn of one (micro)step of a rotary axis, in degrees
    if (rotary && field == Field::MmPerStep) return _("Risoluzione del passo (gradi)");
    return _(fieldCaption(field));
}

std::string answerLines(const Outcome& outcome, std::string_view decimalSeparator) {
    std::string lines = inchLines(outcome.screw);
    if (!outcome.exactDistance.empty()) {
        // TRANSLATORS: the label of the centre distance from the exact geometry of the belt
        lines += _("Interasse esatto") + ": " + outcome.exactDistance + " mm\n";
    }
    return lines + stepAnswerLines(outcome.stepAnswers, decimalSeparator,
                                   outcome.rotary ? kDegrees : kMillimetres);
}

// The order of the command line's printing: the results as written, then
// the answers after them.
std::vector<std::string> resultLines(const Outcome& outcome, std::string_view decimalSeparator) {
    std::vector<std::string> lines;
    for (const Field field : {Field::StepsPerMm, Field::MmPerStep, Field::CentreDistanceMm}) {
        const std::string text = outcome.form.text(field);
        if (!text.empty()) {
            lines.push_back(resultCaption(field, outcome.rotary) + ": " + text);
        }
    }
    appendLines(lines, answerLines(outcome, decimalSeparator));
    return lines;
}

std::vector<std::string> resultLines(const CalibrationAnswer& answer,
                                     std::string_view decimalSeparator) {
    std::vector<std::string> lines;
    appendLines(lines, calibrationLines(answer, decimalSeparator));
    return lines;
}

}  // namespace cnc::cli
