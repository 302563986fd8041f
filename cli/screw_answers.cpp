// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/screw_answers.h"

#include "calc/calc_error.h"
#include "calc/exact_drive.h"
#include "calc/exact_ratio.h"
#include "calc/firmware_lines.h"
#include "cli/amounts.h"

namespace cnc::cli {
namespace {

constexpr int kLeadDecimals = 9;

Ratio threadsPerInch(std::string_view text, std::string_view separator) {
    return positiveAmount(text, "filetti-pollice", separator,
                          "i filetti per pollice della vite, un numero maggiore di zero");
}

// A whole count of starts (4.0 is 4).
Ratio starts(std::string_view text, std::string_view separator) {
    constexpr std::string_view wanted = "i principi della vite, un numero intero da 1 in su";
    const Ratio count = positiveAmount(text, "principi", separator, wanted);
    if (!divide(count.numerator, count.denominator).second.isZero()) {
        throw optionError(ErrorKind::InvalidArgument, "principi", wanted, text);
    }
    return count;
}

// A lead of --filetti-pollice beyond the range is that option's doing, not
// the pitch field's, which it replaces.
template <class Compute>
auto blamingThreads(const Options& options, Compute&& compute) -> decltype(compute()) {
    try {
        return compute();
    } catch (const CalcError& error) {
        if (!options.threadsPerInch || error.field() != Field::ScrewPitch) throw;
        throw OptionError(error.kind(), "filetti-pollice",
                          Wording()
                              .option("filetti-pollice")
                              .text(" «" + *options.threadsPerInch +
                                    "»: il numero è fuori dall'intervallo di calcolo."));
    }
}

}  // namespace

ExactDrive driveOfOptions(const Options& options, const Form& form,
                          std::string_view decimalSeparator, std::string_view groupSeparator) {
    Ratio lead = options.threadsPerInch ? pitchOfThreadsPerInch(threadsPerInch(
                                              *options.threadsPerInch, decimalSeparator))
                                        : exactPitch(form, decimalSeparator, groupSeparator);
    if (options.starts) lead = lead * starts(*options.starts, decimalSeparator);
    ExactDrive drive = exactDriveOf(form, decimalSeparator, microstepsOf(options));
    drive.lead = lead;
    return drive;
}

bool computesLead(const Options& options) {
    return options.threadsPerInch.has_value() || options.startsLead;
}

std::string computeLeadResolution(const Options& options, const ExactDrive& drive, Form& form,
                                  std::string_view decimalSeparator) {
    blamingThreads(options, [&] { computeExactResolution(form, drive, decimalSeparator); });
    return roundedText(drive.lead, kLeadDecimals, decimalSeparator);
}

ExactResolution inchResolutionOf(const Options& options, const ExactDrive& drive,
                                 std::string_view decimalSeparator) {
    return blamingThreads(options, [&] { return inchResolution(drive, decimalSeparator); });
}

std::vector<std::string> firmwareLinesOf(const Options& options, const ExactDrive& drive) {
    const Firmware firmware = options.firmware->firmware;
    const bool perInch = options.inches && firmware == Firmware::LinuxCnc;
    return firmwareLines(firmware, options.axes, perInch ? inInches(drive) : drive);
}

std::string inchLines(const ScrewAnswers& answers) {
    if (!answers.inches) return "";
    return "Step/pollice: " + answers.inches->stepsPerUnit +
           "\nRisoluzione del passo (pollici): " + answers.inches->unitsPerStep + "\n";
}

}  // namespace cnc::cli
