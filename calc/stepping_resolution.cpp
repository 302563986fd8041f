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
    int stepping;  // element of Option1
    int coupling;  // element of Option2
    std::string_view stepsPerMmPattern;
    std::string_view mmPerStepPattern;
};

// Tried in this order, each on its own; the window selects exactly one.
constexpr std::array<Combination, 4> kCombinations{{
    {kHalfStep, kDirectCoupling, kNineDecimals, kNineDecimals},
    {kFullStep, kDirectCoupling, kNineDecimals, kNineDecimals},
    {kHalfStep, kBeltCoupling, kNineDecimalsWide, kEightDecimals},
    {kFullStep, kBeltCoupling, kNineDecimals, kNineDecimals},
}};

class Resolution {
public:
    Resolution(Form& form, std::string_view separator, const Combination& combination,
               double pulleyRatio)
        : form_(form), separator_(separator), combination_(combination), ratio_(pulleyRatio) {}

    void writeStepsPerMillimetre() {
        const std::string stepsText = form_.text(Field::Text1);
        const std::string pitchText = form_.text(Field::Text2);
        const double steps = widen(stepCount(stepsText));
        const double pitch =
            blamingOn(Field::Text2, [&] { return parseDouble(pitchText, separator_); });
        double result = blamingOn(Field::Text2, [&] { return divide(steps, pitch); });
        if (throughBelt()) {
            result = blamingOn(Field::Text2, [&] { return multiply(result, ratio_); });
        }
        form_.setText(Field::Text3,
                      formatResult(result, combination_.stepsPerMmPattern, separator_));
    }

    void writeMillimetresPerStep() {
        const std::string pitchText = form_.text(Field::Text2);
        const std::string stepsText = form_.text(Field::Text1);
        const double pitch = widen(entryValueOf(pitchText, Field::Text2, separator_));
        const double steps = widen(stepCount(stepsText));
        double result = blamingOn(Field::Text1, [&] { return divide(pitch, steps); });
        if (throughBelt()) {
            // A screw pulley of 0 teeth makes the ratio 0.
            result = blamingOn(Field::Text6, [&] { return divide(result, ratio_); });
        }
        form_.setText(Field::Text4,
                      formatResult(result, combination_.mmPerStepPattern, separator_));
    }

private:
    bool throughBelt() const { return combination_.coupling == kBeltCoupling; }

    EntryValue stepCount(const std::string& text) const {
        const EntryValue steps = entryValueOf(text, Field::Text1, separator_);
        if (combination_.stepping != kHalfStep) return steps;
        return blamingOn(Field::Text1, [&] { return multiply(steps, 2); });
    }

    Form& form_;
    std::string_view separator_;
    const Combination& combination_;
    double ratio_;
};

}  // namespace

void computeSteppingResolution(Form& form, std::string_view decimalSeparator) {
    const std::string motorTeeth = form.text(Field::Text5);
    const std::string screwTeeth = form.text(Field::Text6);
    const double screw = widen(entryValueOf(screwTeeth, Field::Text6, decimalSeparator));
    const double motor = widen(entryValueOf(motorTeeth, Field::Text5, decimalSeparator));
    const double ratio = blamingOn(Field::Text5, [&] { return divide(screw, motor); });

    for (const Combination& combination : kCombinations) {
        const bool steppingSelected = form.isSelected(OptionArray::Option1, combination.stepping);
        const bool couplingSelected = form.isSelected(OptionArray::Option2, combination.coupling);
        if (!steppingSelected || !couplingSelected) continue;
        Resolution resolution(form, decimalSeparator, combination, ratio);
        resolution.writeStepsPerMillimetre();
        resolution.writeMillimetresPerStep();
    }
}

}  // namespace cnc
