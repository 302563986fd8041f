// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lines to paste into a firmware's configuration for one or more axes of
// the same drive, made from the entries of a finished calculation, with '.'
// whatever the locale.
//
// Steps per millimetre are computed exactly from the texts (steps per
// revolution times microsteps over the pitch as typed, times the pulleys'
// ratio through the belt), then written for what the firmware holds:
// Marlin, RepRapFirmware and Grbl keep a 32-bit float and get the text with
// the fewest digits that their own reader turns into the float nearest to the
// exact value (Grbl reads eight digits at most, grblHAL nine); LinuxCNC
// keeps a double and gets the fewest digits that read back as the nearest
// double. Klipper computes its own from the drive, given as it was typed.
//
// 200 steps, 16 microsteps, 8 mm lead, direct (400 steps/mm):
//   marlin, axes "X"        M92 X400
//   marlin, axes "XY"       M92 X400 Y400
//   reprapfirmware, "Z"     M92 Z400 S16  (S: the microstepping the figure is for)
//   grbl, "XY"              $100=400
//                           $101=400
//   grblhal, "A"            $103=400
//   klipper, "X"            [stepper_x]
//                           rotation_distance: 8
//                           microsteps: 16
//                           full_steps_per_rotation: 200
//   linuxcnc, "X"           [JOINT_0]
//                           SCALE = 400
//   linuxcnc, "Y", {1, 2}   [JOINT_1] SCALE = 400, blank line, [JOINT_2] SCALE = 400
// Several sections are separated by an empty line. With the pulleys 17 and 36
// between motor and screw (847.0588235... steps/mm), marlin writes
// "M92 X847.05882", grbl "$100=847.0589" (which Grbl's reader turns into the
// same float) and klipper adds "gear_ratio: 36:17"; a drive through gear
// stages adds them as given, "gear_ratio: 57:11, 2:1". A rotary axis is a
// drive whose lead is 360 degrees: its figures are per degree.

#include <array>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calc/exact_drive.h"
#include "calc/form.h"

namespace cnc {

enum class Firmware { Marlin, RepRapFirmware, Grbl, Klipper, LinuxCnc, GrblHal };

struct FirmwareName {
    std::string_view name;
    Firmware firmware;
    std::string_view axes;  // the axis letters it has lines for
    // Those that may be rotary, configured per degree; Marlin's M92 is
    // written here for axes in millimetres, Grbl and Klipper have none.
    std::string_view rotaryAxes = {};
};

inline constexpr std::array<FirmwareName, 6> kFirmwares{{
    {"marlin", Firmware::Marlin, "XYZEABC"},
    {"reprapfirmware", Firmware::RepRapFirmware, "XYZEABC", "ABC"},
    {"grbl", Firmware::Grbl, "XYZ"},
    {"klipper", Firmware::Klipper, "XYZE"},
    {"linuxcnc", Firmware::LinuxCnc, "XYZABC", "ABC"},
    {"grblhal", Firmware::GrblHal, "XYZABC", "ABC"},
}};

// The firmware of that name, whatever the case of its letters.
std::optional<FirmwareName> firmwareNamed(std::string_view name);

// Figures the firmware cannot take, such as a negative steps per millimetre
// (the direction is the firmware's own setting); names the field they come
// from.
class FirmwareRefusal : public std::runtime_error {
public:
    FirmwareRefusal(Field field, const std::string& message)
        : std::runtime_error(message), field_(field) {}
    Field field() const noexcept { return field_; }

private:
    Field field_;
};

// LinuxCNC numbers joints from 0 to 15; trivkins gives X, Y, Z, A, B, C the
// joints 0 to 5, and a gantry drives one axis with two joints or more.
inline constexpr int kMostJoints = 16;

struct Axes {
    Axes(std::string axisLetters = "X", std::vector<int> jointNumbers = {})
        : letters(std::move(axisLetters)), joints(std::move(jointNumbers)) {}

    std::string letters;      // distinct, each one of the firmware's axes
    std::vector<int> joints;  // LinuxCNC: one per letter, or several for one letter; empty:
                              // each letter's default
};

// `form` holds a calculation whose stepping stage succeeded, read with
// `decimalSeparator`; `microsteps` is the driver's count per full step (2 in
// half step). Throws CalcError from requireWholeCounts, and FirmwareRefusal.
std::vector<std::string> firmwareLines(Firmware firmware, const Axes& axes, const Form& form,
                                       std::string_view decimalSeparator, int microsteps);

// The same for a drive given as exact numbers (steps and teeth whole and
// positive), such as one whose lead is no decimal. Throws FirmwareRefusal.
std::vector<std::string> firmwareLines(Firmware firmware, const Axes& axes,
                                       const ExactDrive& drive);

// The steps-per-millimetre lines of Marlin, RepRapFirmware (with
// S<microsteps>), Grbl, grblHAL or LinuxCNC for an exact figure, chosen as
// for a drive: 4040/101 for Marlin's X -> "M92 X40". Klipper has no such
// setting and, like a figure not above zero, is a FirmwareRefusal.
std::vector<std::string> firmwareLinesForStepsPerMm(Firmware firmware, const Axes& axes,
                                                    const Ratio& exactStepsPerMm, int microsteps);

// The text of a figure for `firmware`'s setting, chosen as the lines choose
// it: what Marlin's M92 and RepRapFirmware read as the nearest float, what
// Grbl's and grblHAL's readers bring closest to it, LinuxCNC's nearest
// double. `what` names the figure in a refusal ("passi per millimetro").
// Throws FirmwareRefusal, blamed on StepsPerMm, for a figure not above zero,
// one the firmware cannot hold, one below 1 for RepRapFirmware, and for
// Klipper, which has no such setting.
std::string firmwareSettingText(Firmware firmware, const Ratio& exact, std::string_view what);

// The same for Marlin's configuration header, whose figures are compiled as
// double literals and then stored in floats.
std::string marlinHeaderText(const Ratio& exact);

// Klipper's section for one axis of the drive: [stepper_x] (or [extruder]),
// rotation_distance, microsteps, full_steps_per_rotation and any gear_ratio.
// Throws FirmwareRefusal.
std::vector<std::string> klipperSection(char axis, const ExactDrive& drive);

// Sections one after another, an empty line between them.
void appendSection(std::vector<std::string>& lines, std::vector<std::string> section);

// Klipper's sections holding only a rotation_distance, the shortest text that
// reads back as the double nearest to it: 396/10 for X -> "[stepper_x]",
// "rotation_distance: 39.6". Throws FirmwareRefusal for one not above zero.
std::vector<std::string> klipperRotationDistanceLines(const Axes& axes,
                                                     const Ratio& rotationDistance);

// Firmware lines, JSON and the options beyond the window want a motor of a
// whole number of steps per revolution and, through the belt, pulleys of
// whole teeth, all above zero. Throws CalcError: the entries' conversion
// errors, and InvalidArgument, blamed on the first field that is not whole.
void requireWholeCounts(const Form& form, std::string_view decimalSeparator,
                        std::string_view groupSeparator);

}  // namespace cnc
