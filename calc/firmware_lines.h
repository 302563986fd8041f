// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lines to paste into a firmware's configuration for one axis, made from
// the texts of a finished calculation, with '.' whatever the locale.
//
// Each number carries the digits the firmware keeps and no more. Marlin,
// RepRapFirmware and Grbl hold steps per millimetre in a 32-bit float: they
// get the fewest digits that read back as the float nearest to the result
// (about seven significant digits), and Grbl, which reads no more than eight
// digits of a number, at most eight. LinuxCNC and Klipper compute in doubles:
// they get the result as shown, or the pitch as typed, without trailing zeros.
//
// 200 steps, 16 microsteps, 8 mm lead, direct, X axis (400 steps/mm):
//   marlin, reprapfirmware  M92 X400
//   grbl                    $100=400
//   klipper                 [stepper_x]
//                           rotation_distance: 8
//                           microsteps: 16
//                           full_steps_per_rotation: 200
//   linuxcnc                [JOINT_0]
//                           SCALE = 400
// With the pulleys 17 and 36 between motor and screw (847.058823529 steps/mm),
// marlin writes "M92 X847.05884" and klipper adds "gear_ratio: 36:17".

#include <array>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "calc/form.h"

namespace cnc {

enum class Firmware { Marlin, RepRapFirmware, Grbl, Klipper, LinuxCnc };

struct FirmwareName {
    std::string_view name;
    Firmware firmware;
    std::string_view axes;  // the axis letters it has lines for
};

inline constexpr std::array<FirmwareName, 5> kFirmwares{{
    {"marlin", Firmware::Marlin, "XYZEABC"},
    {"reprapfirmware", Firmware::RepRapFirmware, "XYZEABC"},
    {"grbl", Firmware::Grbl, "XYZ"},
    {"klipper", Firmware::Klipper, "XYZE"},
    {"linuxcnc", Firmware::LinuxCnc, "XYZ"},
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

// `form` holds a finished calculation read and written with
// `decimalSeparator`; `axis` is one of the firmware's axes; `microsteps` is the
// driver's count per full step (2 in half step). Throws FirmwareRefusal.
std::vector<std::string> firmwareLines(Firmware firmware, char axis, const Form& form,
                                       std::string_view decimalSeparator, int microsteps);

}  // namespace cnc
