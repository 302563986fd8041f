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

#include <cmath>
#include <cstdint>

#include "calc/ascii_case.h"
#include "calc/blame.h"
#include "calc/calc_error.h"
#include "calc/decimal_text.h"
#include "calc/entry_value.h"
#include "calc/exact_drive.h"
#include "calc/exact_ratio.h"
#include "calc/firmware_numbers.h"
#include "calc/gear_ratio.h"
#include "calc/translation.h"

namespace cnc {
namespace {

constexpr int kGrblDigits = 8;
constexpr int kGrblHalDigits = 9;
// Marlin and RepRapFirmware read every digit; the largest float has 39.
constexpr int kAnyDigits = 64;
constexpr int kKlipperStepMultiple = 4;
// trivkins's joints and the axis numbers of Grbl's and grblHAL's settings.
constexpr std::string_view kNumberedAxes = "XYZABC";
// TRANSLATORS: the figure a firmware is refused, the subject of "{0} oltre il numero più grande del
// firmware."
constexpr std::string_view kStepsPerMm = N_("passi per millimetro");

int axisNumber(char axis) {
    const std::size_t number = kNumberedAxes.find(axis);
    return number == std::string_view::npos ? 0 : static_cast<int>(number);
}

// The texts read here are entries the calculation has already accepted with
// the user's group separator: none is ambiguous any more.
constexpr std::string_view kNoGroups = "";

Ratio positiveStepsPerMm(const Ratio& exact) {
    if (exact.negative || exact.numerator.isZero() || exact.denominator.isZero()) {
        throw FirmwareRefusal(Field::StepsPerMm,
                              _("il firmware vuole passi per millimetro maggiori di zero: il "
                                "verso dell'asse si inverte nella sua configurazione."));
    }
    return exact;
}

// A whole count, as the firmware writes it.
std::string wholeText(const Ratio& count) { return roundedText(count, 0, "."); }

struct FloatReading {
    FloatReader read;
    int maxDigits = kAnyDigits;
    DigitCount counted = DigitCount::Every;
};

std::string floatSetting(const Ratio& exact, FloatReading reading, std::string_view what) {
    const float nearest = nearestFloat(exact);
    if (std::isinf(nearest)) {
        throw FirmwareRefusal(
            Field::StepsPerMm,
            // TRANSLATORS: {0} is the figure refused ("passi per millimetro", "SCALE")
            filled(_("{0} oltre il numero più grande del firmware."), {_(what)}));
    }
    // Digits beyond the reader's would be dropped from the integer part.
    if (!belowPowerOfTen(exact, reading.maxDigits)) {
        throw FirmwareRefusal(Field::StepsPerMm,
                              // TRANSLATORS: {0} is a count of digits, {1} the figure refused
                              // ("passi per millimetro", "SCALE")
                              filled(_("il firmware legge al più {0} cifre: {1} troppo grandi per "
                                       "scriverli."),
                                     {std::to_string(reading.maxDigits), _(what)}));
    }
    // Below half the smallest float, the nearest is 0.
    if (nearest != 0) {
        if (auto text = settingText(exact, reading.read, reading.maxDigits, reading.counted)) {
            return *std::move(text);
        }
    }
    throw FirmwareRefusal(
        Field::StepsPerMm,
        // TRANSLATORS: {0} is the figure refused ("passi per millimetro", "SCALE")
        filled(_("{0} così piccoli che il firmware leggerebbe 0."), {_(what)}));
}

// A firmware that keeps a double gets a positive figure as one: never 0 nor
// infinity, which the double's range would round it to.
double doubleSetting(const Ratio& exact, Field field, std::string_view what) {
    const double nearest = nearestDouble(exact);
    if (nearest == 0 || std::isinf(nearest)) {
        // TRANSLATORS: {0} is the figure refused ("passi per millimetro", "SCALE",
        // "rotation_distance")
        throw FirmwareRefusal(
            field, filled(_("{0} fuori dall'intervallo dei numeri del firmware."), {_(what)}));
    }
    return nearest;
}

std::string m92Line(const Axes& axes, const std::string& value) {
    std::string line = "M92";
    for (const char axis : axes.letters) line += std::string(" ") + axis + value;
    return line;
}

std::vector<std::string> grblLines(const Axes& axes, const std::string& value) {
    std::vector<std::string> lines;
    for (const char axis : axes.letters) {
        lines.push_back("$" + std::to_string(100 + axisNumber(axis)) + "=" + value);
    }
    return lines;
}

std::string klipperSectionName(char axis) {
    if (axis == 'E') return "[extruder]";
    return std::string("[stepper_") + detail::asciiLower(axis) + "]";
}

// The reduction as Klipper writes it: the belt's pulleys, or the stages.
std::optional<std::string> klipperGearRatio(const ExactDrive& drive) {
    if (drive.throughBelt) {
        return wholeText(drive.drivenTeeth) + ":" + wholeText(drive.drivingTeeth);
    }
    if (drive.gearStages.empty()) return std::nullopt;
    return gearRatioText(drive.gearStages);
}

std::vector<std::string> klipperLines(const Axes& axes, const ExactDrive& drive) {
    std::vector<std::string> lines;
    for (const char axis : axes.letters) appendSection(lines, klipperSection(axis, drive));
    return lines;
}

std::vector<std::string> linuxCncLines(const Axes& axes, const Ratio& exact) {
    std::vector<int> joints = axes.joints;
    if (joints.empty()) {
        for (const char axis : axes.letters) joints.push_back(axisNumber(axis));
    }
    const std::string scale = "SCALE = " + firmwareSettingText(Firmware::LinuxCnc, exact, "SCALE");
    std::vector<std::string> lines;
    for (const int joint : joints) {
        appendSection(lines, {"[JOINT_" + std::to_string(joint) + "]", scale});
    }
    return lines;
}

void requireWhole(const Form& form, Field field, std::string_view separator,
                  std::string_view group, std::string_view hint) {
    const EntryValue value = detail::entryValueOf(form.text(field), field, separator, group);
    if (value.tenThousandths <= 0 || value.tenThousandths % kEntryScale != 0) {
        throw CalcError(ErrorKind::InvalidArgument, field, std::string(hint));
    }
}

}  // namespace

void appendSection(std::vector<std::string>& lines, std::vector<std::string> section) {
    if (!lines.empty()) lines.emplace_back();
    lines.insert(lines.end(), section.begin(), section.end());
}

std::vector<std::string> klipperSection(char axis, const ExactDrive& drive) {
    const Ratio& steps = drive.stepsPerRevolution;
    const auto [quarters, rest] =
        divide(steps.numerator, steps.denominator * Natural(kKlipperStepMultiple));
    if (steps.negative || !rest.isZero() || quarters.isZero()) {
        throw FirmwareRefusal(Field::MotorSteps, _("Klipper vuole passi del motore multipli di 4 "
                                                   "(full_steps_per_rotation)."));
    }
    if (drive.lead.negative || drive.lead.numerator.isZero()) {
        throw FirmwareRefusal(Field::ScrewPitch,
                              _("Klipper vuole un passo maggiore di zero (rotation_distance): il "
                                "verso si inverte con dir_pin."));
    }
    const double distance = doubleSetting(drive.lead, Field::ScrewPitch, "rotation_distance");
    std::vector<std::string> section{
        klipperSectionName(axis),
        "rotation_distance: " + shortestText(distance),
        "microsteps: " + std::to_string(drive.microsteps),
        "full_steps_per_rotation: " + wholeText(steps),
    };
    if (auto ratio = klipperGearRatio(drive)) section.push_back("gear_ratio: " + *ratio);
    return section;
}

std::optional<FirmwareName> firmwareNamed(std::string_view name) {
    for (const FirmwareName& firmware : kFirmwares) {
        if (detail::sameIgnoringCase(firmware.name, name)) return firmware;
    }
    return std::nullopt;
}

void requireWholeCounts(const Form& form, std::string_view decimalSeparator,
                        std::string_view groupSeparator) {
    requireWhole(form, Field::MotorSteps, decimalSeparator, groupSeparator,
                 _("i passi per giro del motore sono un numero intero maggiore di zero: 360 "
                   "gradi diviso l'angolo di un passo, come 200 o 400."));
    if (!form.isSelected(Coupling::Belt)) return;
    const std::string teeth = _("le pulegge hanno un numero intero di denti, maggiore di zero.");
    requireWhole(form, Field::MotorTeeth, decimalSeparator, groupSeparator, teeth);
    requireWhole(form, Field::ScrewTeeth, decimalSeparator, groupSeparator, teeth);
}

std::vector<std::string> firmwareLines(Firmware firmware, const Axes& axes, const Form& form,
                                       std::string_view decimalSeparator, int microsteps) {
    requireWholeCounts(form, decimalSeparator, kNoGroups);
    return firmwareLines(firmware, axes, exactDriveOf(form, decimalSeparator, microsteps));
}

std::vector<std::string> firmwareLines(Firmware firmware, const Axes& axes,
                                       const ExactDrive& drive) {
    if (firmware == Firmware::Klipper) return klipperLines(axes, drive);
    return firmwareLinesForStepsPerMm(firmware, axes, stepsPerMm(drive), drive.microsteps);
}

std::vector<std::string> firmwareLinesForStepsPerMm(Firmware firmware, const Axes& axes,
                                                    const Ratio& exactStepsPerMm, int microsteps) {
    if (firmware == Firmware::LinuxCnc) return linuxCncLines(axes, exactStepsPerMm);
    const std::string value = firmwareSettingText(firmware, exactStepsPerMm, kStepsPerMm);
    switch (firmware) {
        case Firmware::Marlin: return {m92Line(axes, value)};
        case Firmware::RepRapFirmware: return {m92Line(axes, value) + " S" + std::to_string(microsteps)};
        case Firmware::Grbl:
        case Firmware::GrblHal: return grblLines(axes, value);
        case Firmware::Klipper:
        case Firmware::LinuxCnc: break;
    }
    return {};
}

std::string firmwareSettingText(Firmware firmware, const Ratio& exactFigure,
                                std::string_view what) {
    const Ratio exact = positiveStepsPerMm(exactFigure);
    switch (firmware) {
        case Firmware::Marlin: return floatSetting(exact, {correctlyRounded}, what);
        case Firmware::RepRapFirmware:
            if (belowPowerOfTen(exact, 0)) {
                throw FirmwareRefusal(Field::StepsPerMm,
                                      _("RepRapFirmware porta a 1 ogni valore sotto 1 passo per "
                                        "millimetro: con questo asse servono più micropassi."));
            }
            return floatSetting(exact, {repRapRead}, what);
        case Firmware::Grbl: return floatSetting(exact, {grblRead, kGrblDigits}, what);
        case Firmware::GrblHal:
            return floatSetting(exact, {grblHalRead, kGrblHalDigits, DigitCount::Significant},
                                what);
        case Firmware::LinuxCnc: return shortestText(doubleSetting(exact, Field::StepsPerMm, what));
        case Firmware::Klipper: break;
    }
    throw FirmwareRefusal(Field::StepsPerMm,
                          _("Klipper non ha un'impostazione dei passi per millimetro: calcola i "
                            "suoi da rotation_distance."));
}

std::string marlinHeaderText(const Ratio& exact) {
    return floatSetting(positiveStepsPerMm(exact), {compiledFloat}, kStepsPerMm);
}

std::vector<std::string> klipperRotationDistanceLines(const Axes& axes,
                                                     const Ratio& rotationDistance) {
    const double distance = nearestDouble(rotationDistance);
    if (rotationDistance.negative || !(distance > 0) || std::isinf(distance)) {
        throw FirmwareRefusal(Field::ScrewPitch,
                              _("Klipper vuole una rotation_distance maggiore di zero e finita."));
    }
    std::vector<std::string> lines;
    for (const char axis : axes.letters) {
        appendSection(lines,
                      {klipperSectionName(axis), "rotation_distance: " + shortestText(distance)});
    }
    return lines;
}

}  // namespace cnc
