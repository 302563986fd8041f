// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/exact_drive.h"

#include <string>

#include "calc/entry_value.h"

namespace cnc {
namespace {

// Accepted texts have no ambiguous point left.
constexpr std::string_view kNoGroups = "";

Ratio entryOf(const Form& form, Field field, std::string_view separator) {
    return ratioOf(parseEntryValue(form.text(field), separator, kNoGroups));
}

// Motor turns per turn of the screw, pulley or wheel.
Ratio motorTurnsPerTurn(const ExactDrive& drive) {
    return drive.drivenTeeth / drive.drivingTeeth * reductionOf(drive.gearStages);
}

}  // namespace

ExactDrive exactDriveOf(const Form& form, std::string_view decimalSeparator, int microsteps) {
    ExactDrive drive;
    drive.stepsPerRevolution = entryOf(form, Field::MotorSteps, decimalSeparator);
    drive.microsteps = microsteps;
    drive.lead = decimalRatio(form.text(Field::ScrewPitch), decimalSeparator);
    drive.throughBelt = form.isSelected(Coupling::Belt);
    if (drive.throughBelt) {
        drive.drivenTeeth = entryOf(form, Field::ScrewTeeth, decimalSeparator);
        drive.drivingTeeth = entryOf(form, Field::MotorTeeth, decimalSeparator);
    }
    return drive;
}

Ratio stepsPerMm(const ExactDrive& drive) {
    return drive.stepsPerRevolution * ratioOf(drive.microsteps) * motorTurnsPerTurn(drive) /
           drive.lead;
}

Ratio fullStepTravel(const ExactDrive& drive) {
    return drive.lead / (drive.stepsPerRevolution * motorTurnsPerTurn(drive));
}

}  // namespace cnc
