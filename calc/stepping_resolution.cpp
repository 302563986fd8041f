// Steps per millimetre and millimetres per step.
//
// The two results read the pitch differently on purpose: steps per millimetre
// uses every typed decimal, millimetres per step the pitch brought to four
// decimals, like every other entry. Half stepping doubles the fixed-point
// step count before it is widened.

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
    ResultPattern stepsPerMmPattern;
    ResultPattern mmPerStepPattern;
};

// Tried in this order, each on its own; the window selects exactly one.
constexpr std::array<Combination, 4> kCombinations{{
    {SteppingMode::HalfStep, Coupling::Direct, kNineDecimals, kNineDecimals},
    {SteppingMode::FullStep, Coupling::Direct, kNineDecimals, kNineDecimals},
    {SteppingMode::HalfStep, Coupling::Belt, kNineDecimals, kEightDecimals},
    {SteppingMode::FullStep, Coupling::Belt, kNineDecimals, kNineDecimals},
}};

class Resolution {
public:
    Resolution(Form& form, std::string_view separator, std::string_view group,
               const Combination& combination, double pulleyRatio)
        : form_(form),
          separator_(separator),
          group_(group),
          combination_(combination),
          ratio_(pulleyRatio) {}

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
        form_.setText(Field::StepsPerMm,
                      formatResult(result, combination_.stepsPerMmPattern, separator_));
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
        form_.setText(Field::MmPerStep,
                      formatResult(result, combination_.mmPerStepPattern, separator_));
    }

private:
    bool throughBelt() const { return combination_.coupling == Coupling::Belt; }

    EntryValue stepCount(const std::string& text) const {
        const EntryValue steps = entryValueOf(text, Field::MotorSteps, separator_, group_);
        if (combination_.stepping != SteppingMode::HalfStep) return steps;
        return blamingOn(Field::MotorSteps, [&] { return multiply(steps, 2); });
    }

    Form& form_;
    std::string_view separator_;
    std::string_view group_;
    const Combination& combination_;
    double ratio_;
};

}  // namespace

void computeSteppingResolution(Form& form, std::string_view decimalSeparator,
                               std::string_view groupSeparator) {
    const std::string motorTeeth = form.text(Field::MotorTeeth);
    const std::string screwTeeth = form.text(Field::ScrewTeeth);
    const double screw =
        widen(entryValueOf(screwTeeth, Field::ScrewTeeth, decimalSeparator, groupSeparator));
    const double motor =
        widen(entryValueOf(motorTeeth, Field::MotorTeeth, decimalSeparator, groupSeparator));
    const double ratio = blamingOn(Field::MotorTeeth, [&] { return divide(screw, motor); });

    for (const Combination& combination : kCombinations) {
        const bool steppingSelected = form.isSelected(combination.stepping);
        const bool couplingSelected = form.isSelected(combination.coupling);
        if (!steppingSelected || !couplingSelected) continue;
        Resolution resolution(form, decimalSeparator, groupSeparator, combination, ratio);
        resolution.writeStepsPerMillimetre();
        resolution.writeMillimetresPerStep();
    }
}

}  // namespace cnc
