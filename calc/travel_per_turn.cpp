// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/travel_per_turn.h"

namespace cnc {

Ratio piRatio() {
    static const Ratio pi =
        decimalRatio("3.14159265358979323846264338327950288419716939937510", ".");
    return pi;
}

Ratio wheelTravel(const Ratio& diameter) { return piRatio() * diameter; }

Ratio rackTravelByModule(const Ratio& module, const Ratio& teeth) {
    return piRatio() * module * teeth;
}

Ratio rackTravelByPitch(const Ratio& pitch, const Ratio& teeth) { return pitch * teeth; }

Ratio travelOfKnownSteps(const ExactDrive& drive, const Ratio& stepsPerMm) {
    ExactDrive perTurn = drive;
    perTurn.lead = ratioOf(1);
    return cnc::stepsPerMm(perTurn) / stepsPerMm;
}

}  // namespace cnc
