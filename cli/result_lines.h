// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lines the command line prints for a run's results, as data, for the
// views that show them one by one.

#include <string>
#include <vector>

#include "cli/run.h"

namespace cnc::cli {

// "Label: value" for each result written, in the order printed, the exact
// distance included; the firmware lines are apart, in outcome.firmwareLines.
std::vector<std::string> resultLines(const Outcome& outcome);

}  // namespace cnc::cli
