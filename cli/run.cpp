// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/run.h"

#include <optional>

#include "calc/calc_error.h"
#include "calc/drive_calculation.h"
#include "cli/belt_answers.h"
#include "cli/drive_options.h"

namespace cnc::cli {
namespace {

class ListeningForm : public MemoryForm {
public:
    ListeningForm(const MemoryForm& form, const ResultListener& onResult)
        : MemoryForm(form), onResult_(onResult) {}

    void setText(Field field, std::string_view text) override {
        MemoryForm::setText(field, text);
        onResult_(field, text);
    }

private:
    const ResultListener& onResult_;
};

// A step count typed as an angle (1.8) is the commonest slip.
std::string withStepAngleHint(const CalcError& error) {
    std::string message = error.what();
    if (error.kind() == ErrorKind::InvalidArgument && error.field() == Field::MotorSteps) {
        message += " Con --angolo-passo GRADI i passi vengono dall'angolo del passo.";
    }
    return message;
}

// The stepping resolution and the firmware's lines never depend on the belt;
// an axis moved by its own pulley, wheel or pinion, or a rotary one, without
// the reduction, has no XL belt to measure, nor has a reduction by a ratio.
bool measuresXlBelt(const Options& options, const Form& form) {
    if (form.isSelected(Coupling::Belt)) return true;
    return !options.beltAxis && !hasLeadOfItsOwn(options) && !options.gearRatio;
}

void calculate(const Options& options, Form& form, std::string_view separator,
               std::string_view group, Outcome& outcome) {
    if (options.beyondWindow) requireWholeCounts(form, separator, group);
    // The exact drive, built when first asked for.
    std::optional<ExactDrive>& exact = outcome.drive;
    const auto drive = [&]() -> const ExactDrive& {
        if (!exact) exact = driveOfOptions(options, form, separator, group);
        return *exact;
    };
    if (computesLead(options)) {
        outcome.screw.lead = computeLeadResolution(options, drive(), form, separator);
    } else {
        computeSteppingResolution(form, separator, group, microstepsOf(options));
    }
    if (options.inches) outcome.screw.inches = inchResolutionOf(options, drive(), separator);
    if (asksStepQuestions(options)) {
        answerStepQuestions(options, drive(), separator, outcome.stepAnswers);
    }
    if (options.firmware) outcome.firmwareLines = firmwareLinesOf(options, drive());
    if (!measuresXlBelt(options, form)) return;
    computeCentreDistanceOfCoupling(form, separator, group, kXlBeltPitch);
    if (options.exactDistance) {
        outcome.exactDistance = exactDistanceText(form, separator, group);
    }
}

}  // namespace

Outcome run(const Options& options, std::string_view decimalSeparator,
            std::string_view groupSeparator, const ResultListener& onResult) {
    Outcome outcome;
    outcome.rotary = options.rotary;
    ListeningForm form(options.form, onResult);
    try {
        calculate(options, form, decimalSeparator, groupSeparator, outcome);
    } catch (const CalcError& error) {
        outcome.failure =
            Failure{std::string(errorName(error.kind())), error.field(), withStepAngleHint(error)};
    } catch (const FirmwareRefusal& refusal) {
        outcome.failure = Failure{"Firmware", refusal.field(),
                                  std::string(options.firmware->name) + ": " + refusal.what()};
    }
    outcome.form = form;
    return outcome;
}

}  // namespace cnc::cli
