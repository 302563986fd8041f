// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One block of configuration for a whole machine, every axis in it, as the
// firmware's own configuration gathers them; each figure chosen as the
// one-axis lines choose it (firmware_lines.h). For a printer of X and Y on
// 20-tooth GT2 pulleys at 0.9° and 1/16, Z on an 8 mm lead, and an extruder
// of 50:17 onto a 7.3 mm hobbed gear:
//   marlin          M92 X160 Y160 Z400 E410.39147
//                   M500
//                   #define DEFAULT_AXIS_STEPS_PER_UNIT { 160, 160, 400, 410.39147 }
//   reprapfirmware  M350 X16 Y16 Z16 E16 I1
//                   M92 X160 Y160 Z400 E410.39147 S16
//   klipper         [stepper_x] ... [extruder] with gear_ratio: 50:17, one after another
// and for a router of X, a gantry Y on joints 1 and 2, Z, and a rotary A:
//   grbl, grblhal   $100=... one a line, then $110=... for the axes with a largest rate
//   linuxcnc        [KINS]
//                   JOINTS = 5
//                   KINEMATICS = trivkins coordinates=XYYZA
//                   (empty line)
//                   [TRAJ]
//                   COORDINATES = X Y Y Z A
//                   (empty line) [JOINT_0] SCALE = ..., and so on for each joint
// Marlin and RepRapFirmware list the axes X Y Z A B C E, the others X Y Z E A
// B C. RepRapFirmware's M92 comes once per microstepping, each with its S.
// Marlin's #define lists its axes by position, so it is written only when
// the machine has X, Y and Z, and A, B, C from A on without a gap.

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "calc/exact_drive.h"
#include "calc/exact_ratio.h"
#include "calc/firmware_lines.h"

namespace cnc {

struct MachineAxis {
    char letter;
    // In the unit the firmware is configured in: millimetres, degrees for a
    // rotary axis (a lead of 360), inches for LinuxCNC on an inch machine.
    ExactDrive drive;
    // LinuxCNC: the axis's joints; the machine's together are 0 to n-1,
    // each once.
    std::vector<int> joints;
    // Units per minute at the driver's largest step rate, for Grbl's and
    // grblHAL's $110 on.
    std::optional<Ratio> largestRate;
};

// `axes` has distinct letters, each one of the firmware's. Throws
// FirmwareRefusal as the one-axis lines do.
std::vector<std::string> machineLines(Firmware firmware, std::span<const MachineAxis> axes);

}  // namespace cnc
