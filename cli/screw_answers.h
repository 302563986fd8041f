// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A screw given by threads per inch or by its starts (--filetti-pollice,
// --principi) and an inch machine (--pollici): what they add to the run.
//
// When the lead is computed, it is no text the user typed: steps per mm and
// mm per step come from the exact drive, nine decimals each, in place of the
// window's stepping. So it is for a reduction given as a ratio and for the
// drives of drive_options.h. With none of them, or a pitch of one start
// (--principi 1, whose lead is the pitch typed), the window's stepping stays.
//   --micropassi 8 --filetti-pollice 10          Step/mm: 629.921259843
//                                                Risoluzione del passo (mm): 0.001587500
//   --micropassi 16 --passo-vite 2 --principi 4  Step/mm: 400.000000000
//   ... --pollici                                Step/pollice: 16000.000000000
//                                                Risoluzione del passo (pollici): 0.000062500

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/exact_drive.h"
#include "calc/form.h"
#include "calc/screw_lead.h"
#include "cli/options.h"

namespace cnc::cli {

struct ScrewAnswers {
    std::string lead;                       // mm per turn when computed, nine decimals;
                                            // none for a rotary axis
    std::optional<ExactResolution> inches;  // --pollici: per inch, inches per step
};

bool computesLead(const Options& options);

// The drive of the options with its lead exact: the thread count's pitch or
// the pitch field's, times the starts, or the lead of another drive
// (drive_options.h), and the stages of --rapporto; `form` holds whole step
// and teeth counts. Throws OptionError, naming the option: a text of
// --filetti-pollice, --principi or another drive's option that is no number
// (TypeMismatch) or not above zero, or no whole number of starts or teeth
// (InvalidArgument); CalcError: the pitch field's own errors.
ExactDrive driveOfOptions(const Options& options, const Form& form,
                          std::string_view decimalSeparator, std::string_view groupSeparator);

// Writes StepsPerMm and MmPerStep from the computed lead of `drive`, the
// options' drive, and returns the lead's text.
std::string computeLeadResolution(const Options& options, const ExactDrive& drive, Form& form,
                                  std::string_view decimalSeparator);

// --pollici, after the stepping succeeded.
ExactResolution inchResolutionOf(const Options& options, const ExactDrive& drive,
                                 std::string_view decimalSeparator);

// The options' drive as their firmware is configured: in inches for LinuxCNC
// on an inch machine, else as it is (mm, or degrees for a rotary axis).
ExactDrive firmwareDriveOf(const Options& options, const ExactDrive& drive);

// The firmware's lines for the options' drive, and for LinuxCNC on an inch
// machine SCALE per inch; every other firmware is configured in mm. Throws
// as firmwareLines.
std::vector<std::string> firmwareLinesOf(const Options& options, const ExactDrive& drive);

// The lines printed after the results: those of --pollici, or nothing.
std::string inchLines(const ScrewAnswers& answers);

}  // namespace cnc::cli
