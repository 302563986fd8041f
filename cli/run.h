// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The calculation the options ask for, then their firmware's lines, and what
// came of both.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/form.h"
#include "calc/memory_form.h"
#include "cli/failure.h"
#include "cli/options.h"
#include "cli/step_answers.h"
#include "cli/screw_answers.h"

namespace cnc::cli {

struct Outcome {
    // The options' texts, then every result written: a result is empty until
    // the calculation writes it.
    MemoryForm form;
    bool rotary = false;         // StepsPerMm and MmPerStep are per degree
    std::string exactDistance;   // --esatto: the exact centre distance, "83.68"
    StepAnswers stepAnswers;     // --strato, --velocita, --frequenza-max
    ScrewAnswers screw;          // --filetti-pollice, --principi, --pollici
    std::vector<std::string> firmwareLines;
    std::optional<Failure> failure;  // why it stopped: a calculation error or a firmware's refusal
    // The options' exact drive, when the run built one (it does for firmware
    // lines and every answer beyond the window's stepping).
    std::optional<ExactDrive> drive;
};

// `onResult` sees each result the moment it is written, so that results before
// an error are out before it.
using ResultListener = std::function<void(Field, std::string_view)>;

Outcome run(const Options& options, std::string_view decimalSeparator,
            std::string_view groupSeparator, const ResultListener& onResult);

}  // namespace cnc::cli
