// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/run.h"

#include <optional>

#include "calc/calc_error.h"
#include "calc/drive_calculation.h"
#include "calc/translation.h"
#include "cli/belt_answers.h"

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
Failure withStepAngleHint(Failure failure) {
    if (failure.kind == errorName(ErrorKind::InvalidArgument) &&
        failure.field == Field::MotorSteps) {
        Wording said = failure.said;
        // TRANSLATORS: a sentence after a message, with its leading space; {0} is --angolo-passo
        // and what it takes
        said += Wording(_(" Con {0} i passi vengono dall'angolo del passo."),
                        {say::option("angolo-passo", _("GRADI"))});
        return Failure(failure.kind, failure.field, failure.option, std::move(said));
    }
    return failure;
}

// The stepping resolution and the firmware's lines never depend on the belt;
// a drive with no XL belt, such as an axis moved by its own pulley, wheel or
// pinion, or a rotary one, without the reduction, or a reduction by a ratio,
// has no centre distance.
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
    if (!options.xlBelt) return;
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
    } catch (const OptionError& error) {
        outcome.failure = failureOf(error);
    } catch (const CalcError& error) {
        outcome.failure = withStepAngleHint(failureOf(error));
    } catch (const FirmwareRefusal& refusal) {
        outcome.failure = failureOf(refusal, options.firmware->name, refusal.field());
    }
    outcome.form = form;
    return outcome;
}

}  // namespace cnc::cli
