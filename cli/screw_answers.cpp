// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/screw_answers.h"

#include "calc/calc_error.h"
#include "calc/exact_drive.h"
#include "calc/exact_ratio.h"
#include "calc/firmware_lines.h"
#include "calc/translation.h"
#include "cli/amounts.h"
#include "cli/drive_options.h"

namespace cnc::cli {
namespace {

constexpr int kLeadDecimals = 9;

Ratio threadsPerInch(std::string_view text, std::string_view separator) {
    return positiveAmount(text, "filetti-pollice", separator,
                          N_("i filetti per pollice della vite, un numero maggiore di zero"));
}

// A whole count of starts (4.0 is 4).
Ratio starts(std::string_view text, std::string_view separator) {
    constexpr std::string_view wanted = N_("i principi della vite, un numero intero da 1 in su");
    const Ratio count = positiveAmount(text, "principi", separator, wanted);
    if (!divide(count.numerator, count.denominator).second.isZero()) {
        throw optionError(ErrorKind::InvalidArgument, "principi", wanted, text);
    }
    return count;
}

// A figure beyond the range, when the lead or the reduction is an option's
// (--filetti-pollice, a wheel, a rack, --step-mm, --rapporto), is that
// option's doing, not the pitch field's, which it replaces.
template <class Compute>
auto blamingDriveOption(const Options& options, Compute&& compute) -> decltype(compute()) {
    try {
        return compute();
    } catch (const CalcError& error) {
        const auto blamed = driveOption(options);
        if (!blamed || error.field() != Field::ScrewPitch) throw;
        throw OptionError(error.kind(), blamed->option,
                          // TRANSLATORS: {0} is an option, {1} its text, quoted
                          Wording(_("{0} {1}: il numero è fuori dall'intervallo di calcolo."),
                                  {say::option(blamed->option), say::typed(blamed->text)}));
    }
}

Ratio screwLead(const Options& options, const Form& form, std::string_view decimalSeparator,
                std::string_view groupSeparator) {
    Ratio lead = options.threadsPerInch ? pitchOfThreadsPerInch(threadsPerInch(
                                              *options.threadsPerInch, decimalSeparator))
                                        : exactPitch(form, decimalSeparator, groupSeparator);
    if (options.starts) lead = lead * starts(*options.starts, decimalSeparator);
    return lead;
}

}  // namespace

ExactDrive driveOfOptions(const Options& options, const Form& form,
                          std::string_view decimalSeparator, std::string_view groupSeparator) {
    // The window's pitch field keeps its initial text when another drive replaces it.
    const std::optional<Ratio> lead =
        hasLeadOfItsOwn(options)
            ? std::nullopt
            : std::optional(screwLead(options, form, decimalSeparator, groupSeparator));
    ExactDrive drive = exactDriveOf(form, decimalSeparator, microstepsOf(options));
    drive.gearStages = gearStagesOfOptions(options);
    drive.lead = lead ? *lead : leadOfItsOwn(options, drive, decimalSeparator);
    return drive;
}

bool computesLead(const Options& options) {
    return options.threadsPerInch.has_value() || options.startsLead ||
           options.gearRatio.has_value() || hasLeadOfItsOwn(options);
}

std::string computeLeadResolution(const Options& options, const ExactDrive& drive, Form& form,
                                  std::string_view decimalSeparator) {
    blamingDriveOption(options,
                       [&] { computeExactResolution(form, drive, decimalSeparator); });
    // A rotary axis's turn is 360 degrees, no travel.
    if (options.rotary) return "";
    return roundedText(drive.lead, kLeadDecimals, decimalSeparator);
}

ExactResolution inchResolutionOf(const Options& options, const ExactDrive& drive,
                                 std::string_view decimalSeparator) {
    return blamingDriveOption(options, [&] { return inchResolution(drive, decimalSeparator); });
}

ExactDrive firmwareDriveOf(const Options& options, const ExactDrive& drive) {
    const bool perInch = options.inches && options.firmware &&
                         options.firmware->firmware == Firmware::LinuxCnc;
    return perInch ? inInches(drive) : drive;
}

std::vector<std::string> firmwareLinesOf(const Options& options, const ExactDrive& drive) {
    return firmwareLines(options.firmware->firmware, options.axes, firmwareDriveOf(options, drive));
}

std::string inchLines(const ScrewAnswers& answers) {
    if (!answers.inches) return "";
    // TRANSLATORS: the label of the steps per inch of an inch machine
    return _("Step/pollice") + ": " + answers.inches->stepsPerUnit + "\n" +
           // TRANSLATORS: the label of the travel of one (micro)step, in inches
           _("Risoluzione del passo (pollici)") + ": " + answers.inches->unitsPerStep + "\n";
}

}  // namespace cnc::cli
