// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/run.h"

#include "calc/calc_error.h"
#include "calc/drive_calculation.h"
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

// Full and half step are 1 and 2 microsteps per full step, digit for digit.
void calculate(const Options& options, Form& form, std::string_view separator,
               std::string_view group) {
    computeSteppingResolution(form, separator, group, microstepsOf(options));
    computeCentreDistance(form, separator, group, kXlBeltPitch);
}

}  // namespace

Outcome run(const Options& options, std::string_view decimalSeparator,
            std::string_view groupSeparator, const ResultListener& onResult) {
    Outcome outcome;
    ListeningForm form(options.form, onResult);
    try {
        calculate(options, form, decimalSeparator, groupSeparator);
        if (options.exactDistance) {
            outcome.exactDistance = exactDistanceText(form, decimalSeparator, groupSeparator);
        }
        if (options.firmware) {
            outcome.firmwareLines = firmwareLines(options.firmware->firmware, Axes(std::string(1, options.axis)), form,
                                                  decimalSeparator, microstepsOf(options));
        }
    } catch (const CalcError& error) {
        outcome.failure =
            Failure{std::string(errorName(error.kind())), error.field(), error.what()};
    } catch (const FirmwareRefusal& refusal) {
        outcome.failure = Failure{"Firmware", refusal.field(),
                                  std::string(options.firmware->name) + ": " + refusal.what()};
    }
    outcome.form = form;
    return outcome;
}

}  // namespace cnc::cli
