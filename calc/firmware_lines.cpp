// SPDX-License-Identifier: GPL-3.0-or-later
// The syntaxes, from each firmware's own documentation:
//   Marlin M92:           https://marlinfw.org/docs/gcode/M092.html
//   RepRapFirmware M92:
//   https://docs.duet3d.com/User_manual/Reference/Gcodes#m92-set-axis-steps-per-unit Grbl
//   $100-$102:       https://github.com/gnea/grbl/blob/master/doc/markdown/settings.md
//     and its number reader, which keeps eight digits (MAX_INT_DIGITS):
//                         https://github.com/gnea/grbl/blob/master/grbl/nuts_bolts.c
//   Klipper [stepper_x]:  https://www.klipper3d.org/Config_Reference.html#stepper
//     and https://www.klipper3d.org/Rotation_Distance.html: steps per mm =
//     full_steps_per_rotation * microsteps * gear_ratio / rotation_distance,
//     with gear_ratio "driven:driving" teeth and full steps a multiple of 4.
//   LinuxCNC [JOINT_n] SCALE: http://linuxcnc.org/docs/html/config/ini-config.html

#include "calc/firmware_lines.h"

#include <limits>

#include "calc/ascii_case.h"
#include "calc/decimal_text.h"
#include "calc/entry_value.h"

namespace cnc {
namespace {

constexpr int kGrblDigits = 8;
constexpr int kKlipperStepMultiple = 4;

// X, Y, Z are the first three of every firmware that numbers its axes.
int axisNumber(char axis) { return axis - 'X'; }

// The texts read here are results the calculation wrote, or entries it has
// already accepted with the user's group separator: none is ambiguous any more.
constexpr std::string_view kNoGroups = "";

double stepsPerMm(const Form& form, std::string_view separator) {
    const double steps = parseDouble(form.text(Field::StepsPerMm), separator, kNoGroups);
    if (!(steps > 0)) {
        throw FirmwareRefusal(Field::StepsPerMm,
                              "il firmware vuole passi per millimetro maggiori di zero: il verso "
                              "dell'asse si inverte nella sua configurazione.");
    }
    return steps;
}

std::string floatSetting(double steps, int maxDigits = 9) {
    if (steps > std::numeric_limits<float>::max()) {
        throw FirmwareRefusal(Field::StepsPerMm,
                              "passi per millimetro oltre il numero più grande del firmware.");
    }
    return floatText(steps, maxDigits);
}

std::string klipperSection(char axis) {
    if (axis == 'E') return "[extruder]";
    return std::string("[stepper_") + detail::asciiLower(axis) + "]";
}

std::vector<std::string> klipperLines(char axis, const Form& form, std::string_view separator,
                                      int microsteps) {
    const EntryValue steps = parseEntryValue(form.text(Field::MotorSteps), separator, kNoGroups);
    if (steps.tenThousandths <= 0 ||
        steps.tenThousandths % (kKlipperStepMultiple * kEntryScale) != 0) {
        throw FirmwareRefusal(Field::MotorSteps,
                              "Klipper vuole passi del motore interi e multipli di 4 "
                              "(full_steps_per_rotation).");
    }
    const double distance = parseDouble(form.text(Field::ScrewPitch), separator, kNoGroups);
    if (!(distance > 0)) {
        throw FirmwareRefusal(Field::ScrewPitch,
                              "Klipper vuole un passo maggiore di zero (rotation_distance): il "
                              "verso si inverte con dir_pin.");
    }
    std::vector<std::string> lines{
        klipperSection(axis),
        "rotation_distance: " + shortestText(distance),
        "microsteps: " + std::to_string(microsteps),
        "full_steps_per_rotation: " + entryValueText(steps),
    };
    if (form.isSelected(Coupling::Belt)) {
        const EntryValue screw =
            parseEntryValue(form.text(Field::ScrewTeeth), separator, kNoGroups);
        const EntryValue motor =
            parseEntryValue(form.text(Field::MotorTeeth), separator, kNoGroups);
        lines.push_back("gear_ratio: " + entryValueText(screw) + ":" + entryValueText(motor));
    }
    return lines;
}

}  // namespace

std::optional<FirmwareName> firmwareNamed(std::string_view name) {
    for (const FirmwareName& firmware : kFirmwares) {
        if (detail::sameIgnoringCase(firmware.name, name)) return firmware;
    }
    return std::nullopt;
}

std::vector<std::string> firmwareLines(Firmware firmware, char axis, const Form& form,
                                       std::string_view decimalSeparator, int microsteps) {
    const double steps = stepsPerMm(form, decimalSeparator);
    switch (firmware) {
        case Firmware::Marlin:
        case Firmware::RepRapFirmware: return {"M92 " + std::string(1, axis) + floatSetting(steps)};
        case Firmware::Grbl:
            return {"$" + std::to_string(100 + axisNumber(axis)) + "=" +
                    floatSetting(steps, kGrblDigits)};
        case Firmware::Klipper: return klipperLines(axis, form, decimalSeparator, microsteps);
        case Firmware::LinuxCnc:
            return {"[JOINT_" + std::to_string(axisNumber(axis)) + "]",
                    "SCALE = " + shortestText(steps)};
    }
    return {};
}

}  // namespace cnc
