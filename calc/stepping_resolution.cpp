// SPDX-License-Identifier: GPL-3.0-or-later
// Steps per millimetre and millimetres per step.
//
// The two results read the pitch differently on purpose: steps per millimetre
// uses every typed decimal, millimetres per step the pitch brought to four
// decimals, like every other entry. Half stepping doubles the fixed-point
// step count before it is widened; a driver at N microsteps per full step
// multiplies it by N the same way, and writes what the window's stepping
// mode of N steps per full step writes.

#include <array>
#include <string>

#include "calc/blame.h"
#include "calc/drive_calculation.h"
#include "calc/result_text.h"
#include "calc/tested_arithmetic.h"

namespace cnc {
namespace {

using detail::blamingOn;
using detail::entryValueOf;

struct Combination {
    SteppingMode stepping;
    Coupling coupling;
};

// Tried in this order, each on its own; the window selects exactly one.
constexpr std::array<Combination, 4> kCombinations{{
    {SteppingMode::HalfStep, Coupling::Direct},
    {SteppingMode::FullStep, Coupling::Direct},
    {SteppingMode::HalfStep, Coupling::Belt},
    {SteppingMode::FullStep, Coupling::Belt},
}};

constexpr int microstepsOf(SteppingMode mode) { return mode == SteppingMode::HalfStep ? 2 : 1; }

// Millimetres per step have eight decimals in half step through the belt and
// nine everywhere else; steps per millimetre always nine.
constexpr ResultPattern mmPerStepPattern(int microsteps, Coupling coupling) {
    return microsteps == 2 && coupling == Coupling::Belt ? kEightDecimals : kNineDecimals;
}

// What one selected case computes with.
struct Drive {
    int microsteps;  // the factor of the fixed-point step count
    Coupling coupling;
};

class Resolution {
public:
    Resolution(Form& form, std::string_view separator, std::string_view group, const Drive& drive,
               double pulleyRatio)
        : form_(form), separator_(separator), group_(group), drive_(drive), ratio_(pulleyRatio) {}

    void writeStepsPerMillimetre() {
        const std::string stepsText = form_.text(Field::MotorSteps);
        const std::string pitchText = form_.text(Field::ScrewPitch);
        const double steps = widen(stepCount(stepsText));
        const double pitch = blamingOn(Field::ScrewPitch,
                                       [&] { return parseDouble(pitchText, separator_, group_); });
        double result = blamingOn(Field::ScrewPitch, [&] { return divide(steps, pitch); });
        if (throughBelt()) {
            result = blamingOn(Field::ScrewPitch, [&] { return multiply(result, ratio_); });
        }
        form_.setText(Field::StepsPerMm, formatResult(result, kNineDecimals, separator_));
    }

    void writeMillimetresPerStep() {
        const std::string pitchText = form_.text(Field::ScrewPitch);
        const std::string stepsText = form_.text(Field::MotorSteps);
        const double pitch = widen(entryValueOf(pitchText, Field::ScrewPitch, separator_, group_));
        const double steps = widen(stepCount(stepsText));
        double result = blamingOn(Field::MotorSteps, [&] { return divide(pitch, steps); });
        if (throughBelt()) {
            // A screw pulley of 0 teeth makes the ratio 0.
            result = blamingOn(Field::ScrewTeeth, [&] { return divide(result, ratio_); });
        }
        form_.setText(
            Field::MmPerStep,
            formatResult(result, mmPerStepPattern(drive_.microsteps, drive_.coupling), separator_));
    }

private:
    bool throughBelt() const { return drive_.coupling == Coupling::Belt; }

    EntryValue stepCount(const std::string& text) const {
        const EntryValue steps = entryValueOf(text, Field::MotorSteps, separator_, group_);
        return blamingOn(Field::MotorSteps, [&] { return multiply(steps, drive_.microsteps); });
    }

    Form& form_;
    std::string_view separator_;
    std::string_view group_;
    const Drive& drive_;
    double ratio_;
};

double pulleyRatio(const Form& form, std::string_view separator, std::string_view group) {
    const std::string motorTeeth = form.text(Field::MotorTeeth);
    const std::string screwTeeth = form.text(Field::ScrewTeeth);
    const double screw = widen(entryValueOf(screwTeeth, Field::ScrewTeeth, separator, group));
    const double motor = widen(entryValueOf(motorTeeth, Field::MotorTeeth, separator, group));
    return blamingOn(Field::MotorTeeth, [&] { return divide(screw, motor); });
}

void resolve(Form& form, std::string_view separator, std::string_view group, const Drive& drive,
             double ratio) {
    Resolution resolution(form, separator, group, drive, ratio);
    resolution.writeStepsPerMillimetre();
    resolution.writeMillimetresPerStep();
}

}  // namespace

void computeSteppingResolution(Form& form, std::string_view decimalSeparator,
                               std::string_view groupSeparator) {
    const double ratio = pulleyRatio(form, decimalSeparator, groupSeparator);
    for (const Combination& combination : kCombinations) {
        const bool steppingSelected = form.isSelected(combination.stepping);
        const bool couplingSelected = form.isSelected(combination.coupling);
        if (!steppingSelected || !couplingSelected) continue;
        resolve(form, decimalSeparator, groupSeparator,
                {microstepsOf(combination.stepping), combination.coupling}, ratio);
    }
}

void computeSteppingResolution(Form& form, std::string_view decimalSeparator,
                               std::string_view groupSeparator, int microsteps) {
    const double ratio = pulleyRatio(form, decimalSeparator, groupSeparator);
    for (const Coupling coupling : {Coupling::Direct, Coupling::Belt}) {
        if (!form.isSelected(coupling)) continue;
        resolve(form, decimalSeparator, groupSeparator, {microsteps, coupling}, ratio);
    }
}

}  // namespace cnc
