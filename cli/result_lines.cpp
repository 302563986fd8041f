// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/result_lines.h"

namespace cnc::cli {

std::vector<std::string> resultLines(const Outcome& outcome) {
    std::vector<std::string> lines;
    for (const Field field : {Field::StepsPerMm, Field::MmPerStep, Field::CentreDistanceMm}) {
        const std::string text = outcome.form.text(field);
        if (!text.empty()) lines.push_back(std::string(fieldCaption(field)) + ": " + text);
    }
    if (!outcome.exactDistance.empty()) {
        lines.push_back("Interasse esatto: " + outcome.exactDistance + " mm");
    }
    return lines;
}

}  // namespace cnc::cli
