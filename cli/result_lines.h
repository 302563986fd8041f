// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lines the command line prints for a run's results, as data, for the
// views that show them one by one.

#include <string>
#include <string_view>
#include <vector>

#include "cli/calibration_answer.h"
#include "cli/run.h"

namespace cnc::cli {

// The label a result is printed with, in the language of the messages: the
// window's caption, or on a rotary axis "Step/grado" and "Risoluzione del
// passo (gradi)". The workbench shows the same labels (resultLabels).
std::string resultCaption(Field field, bool rotary);

// "Label: value" for each result written, in the order printed, with the
// user's `decimalSeparator`; the firmware lines are apart, in
// outcome.firmwareLines.
std::vector<std::string> resultLines(const Outcome& outcome, std::string_view decimalSeparator);

// The lines printed after the window's three results, each ending in '\n':
// the inch machine's, the exact distance, the whole steps and speeds.
std::string answerLines(const Outcome& outcome, std::string_view decimalSeparator);

// The same for --calibra's answer.
std::vector<std::string> resultLines(const CalibrationAnswer& answer,
                                     std::string_view decimalSeparator);

}  // namespace cnc::cli
