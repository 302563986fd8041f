// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/whole_step_layers.h"

#include <utility>

#include "calc/calc_error.h"
#include "calc/translation.h"

namespace cnc {
namespace {

FullStepMultiple multipleOf(const Ratio& step, Natural count) {
    return {step * Ratio{count, Natural(1), false}, std::move(count)};
}

}  // namespace

NearestLayers nearestLayers(const ExactDrive& drive, const Ratio& height) {
    NearestLayers layers{fullStepTravel(drive), std::nullopt, {}};
    const Ratio step = magnitudeOf(layers.fullStep);
    if (step.numerator.isZero() || step.denominator.isZero()) {
        throw CalcError(ErrorKind::DivisionByZero, Field::ScrewPitch);
    }
    const Ratio steps = height / step;
    auto [whole, rest] = divide(steps.numerator, steps.denominator);
    Natural upper = whole;
    if (!rest.isZero()) upper.multiplyAdd(1, 1);
    if (compare(upper, Natural(kMostFullSteps)) > 0) {
        throw CalcError(ErrorKind::Overflow, std::nullopt,
                        _("lo strato è più di 2^53 passi interi, fuori dall'intervallo di "
                          "calcolo."));
    }
    if (!whole.isZero()) layers.below = multipleOf(step, std::move(whole));
    layers.above = multipleOf(step, std::move(upper));
    return layers;
}

}  // namespace cnc
