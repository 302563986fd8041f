// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The run as one JSON object, the same in every locale; its schema is in the
// README.

#include <optional>
#include <string>
#include <string_view>

#include "calc/belt_geometry.h"
#include "calc/calc_error.h"
#include "cli/calibration_answer.h"
#include "cli/options.h"
#include "cli/run.h"

namespace cnc::cli {

// `decimalSeparator` is the one the calculation read and wrote with.
std::string jsonReport(const Options& options, const Outcome& outcome,
                       std::string_view decimalSeparator);

// --interasse-voluto: its inputs and the two belts, or its error.
std::string wantedDistanceReport(const Options& options, const NearestBelts& belts,
                                 std::string_view decimalSeparator);
std::string wantedDistanceFailure(const Options& options, const CalcError& error,
                                  const std::string& message);

// --calibra: its inputs, the firmware's choices if any, the figures and the
// lines computed, and the failure, if any.
std::string calibrationReport(const Options& options, const CalibrationAnswer& answer);

// A usage error: {"errore": {"tipo": "uso", "campo": null, "messaggio": ...}}.
std::string usageErrorReport(const std::string& message);

// --help and --version: {key: text}.
std::string textReport(const char* key, const std::string& text);

}  // namespace cnc::cli
