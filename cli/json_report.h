// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The run as one JSON object, the same in every locale; its schema is in the
// README.

#include <string>
#include <string_view>

#include "cli/options.h"
#include "cli/run.h"

namespace cnc::cli {

// `decimalSeparator` is the one the calculation read and wrote with.
std::string jsonReport(const Options& options, const Outcome& outcome,
                       std::string_view decimalSeparator);

}  // namespace cnc::cli
