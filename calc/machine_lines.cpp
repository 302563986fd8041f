// SPDX-License-Identifier: GPL-3.0-or-later
// Each firmware's configuration of a whole machine:
//   Marlin M92 and M500: https://marlinfw.org/docs/gcode/M092.html,
//     https://marlinfw.org/docs/gcode/M500.html; DEFAULT_AXIS_STEPS_PER_UNIT in
//     Configuration.h lists X, Y, Z, the axes after them, then E0
//   RepRapFirmware M350 (I1: interpolation) and M92 with S:
//     https://docs.duet3d.com/User_manual/Reference/Gcodes
//   Grbl $100-$102, $110-$112 (mm/min):
//     https://github.com/gnea/grbl/blob/master/doc/markdown/settings.md
//   grblHAL $100-$105, $110-$115: https://github.com/grblHAL/core/blob/master/settings.c
//   Klipper [stepper_x], [extruder]: https://www.klipper3d.org/Config_Reference.html
//   LinuxCNC [KINS] JOINTS and KINEMATICS, [TRAJ] COORDINATES (an axis named
//     once per joint for a gantry), trivkins numbering the joints in the order
//     of its coordinates=: http://linuxcnc.org/docs/html/config/ini-config.html,
//     man 9 kins
#include "calc/machine_lines.h"

#include <algorithm>
#include <utility>

#include "calc/translation.h"

namespace cnc {
namespace {

constexpr std::string_view kMarlinOrder = "XYZABCE";
constexpr std::string_view kMachineOrder = "XYZEABC";
// Grbl's and grblHAL's axis numbers.
constexpr std::string_view kNumberedAxes = "XYZABC";
// The axes Marlin's #define can list by position, E apart.
constexpr std::string_view kMarlinArrayAxes = "XYZABC";
constexpr std::size_t kMarlinLinearAxes = 3;
constexpr std::string_view kStepsPerMm = N_("passi per millimetro");
// TRANSLATORS: the figures a firmware is refused, the subject of "{0} oltre il numero più grande
// del firmware."
constexpr std::string_view kLargestRate = N_("valori della velocità massima");

using AxisList = std::vector<const MachineAxis*>;

AxisList inOrder(std::span<const MachineAxis> axes, std::string_view order) {
    AxisList sorted;
    for (const MachineAxis& axis : axes) sorted.push_back(&axis);
    std::stable_sort(sorted.begin(), sorted.end(), [&](const auto* a, const auto* b) {
        return order.find(a->letter) < order.find(b->letter);
    });
    return sorted;
}

std::string settingOf(Firmware firmware, const MachineAxis& axis) {
    return firmwareSettingText(firmware, stepsPerMm(axis.drive), kStepsPerMm);
}

// " X160 Y160 Z400" for a G-code line.
template <class Value>
std::string axisWords(const AxisList& axes, Value&& value) {
    std::string words;
    for (const MachineAxis* axis : axes) words += std::string(" ") + axis->letter + value(*axis);
    return words;
}

// X, Y and Z, then A, B, C from A on, in Marlin's order.
bool fillsMarlinArray(const AxisList& axes) {
    std::string letters;
    for (const MachineAxis* axis : axes) {
        if (axis->letter != 'E') letters += axis->letter;
    }
    return letters.size() >= kMarlinLinearAxes && kMarlinArrayAxes.starts_with(letters);
}

std::vector<std::string> marlinLines(const AxisList& axes) {
    std::vector<std::string> lines{
        "M92" + axisWords(axes, [](const MachineAxis& axis) {
            return settingOf(Firmware::Marlin, axis);
        }),
        "M500",
    };
    if (!fillsMarlinArray(axes)) return lines;
    std::string values;
    for (const MachineAxis* axis : axes) {
        values += (values.empty() ? "" : ", ") + marlinHeaderText(stepsPerMm(axis->drive));
    }
    lines.push_back("#define DEFAULT_AXIS_STEPS_PER_UNIT { " + values + " }");
    return lines;
}

// M350 sets each axis's microstepping; each M92 says with S which one its
// figures are for, so that M350 does not rescale them.
std::vector<std::string> repRapLines(const AxisList& axes) {
    std::vector<std::string> lines{"M350" + axisWords(axes, [](const MachineAxis& axis) {
                                       return std::to_string(axis.drive.microsteps);
                                   }) + " I1"};
    std::vector<int> done;
    for (const MachineAxis* first : axes) {
        const int microsteps = first->drive.microsteps;
        if (std::find(done.begin(), done.end(), microsteps) != done.end()) continue;
        done.push_back(microsteps);
        AxisList group;
        for (const MachineAxis* axis : axes) {
            if (axis->drive.microsteps == microsteps) group.push_back(axis);
        }
        lines.push_back("M92" + axisWords(group, [](const MachineAxis& axis) {
                            return settingOf(Firmware::RepRapFirmware, axis);
                        }) + " S" + std::to_string(microsteps));
    }
    return lines;
}

std::string grblSetting(int base, char letter, const std::string& value) {
    return "$" + std::to_string(base + static_cast<int>(kNumberedAxes.find(letter))) + "=" + value;
}

std::vector<std::string> grblLines(Firmware firmware, const AxisList& axes) {
    std::vector<std::string> lines;
    for (const MachineAxis* axis : axes) {
        lines.push_back(grblSetting(100, axis->letter, settingOf(firmware, *axis)));
    }
    for (const MachineAxis* axis : axes) {
        if (!axis->largestRate) continue;
        lines.push_back(grblSetting(
            110, axis->letter, firmwareSettingText(firmware, *axis->largestRate, kLargestRate)));
    }
    return lines;
}

std::vector<std::string> klipperLines(const AxisList& axes) {
    std::vector<std::string> lines;
    for (const MachineAxis* axis : axes) appendSection(lines, klipperSection(axis->letter, axis->drive));
    return lines;
}

// trivkins gives the joints in the order of its coordinates, a gantry's axis
// once for each of its joints.
std::vector<std::string> linuxCncLines(std::span<const MachineAxis> axes) {
    std::vector<std::pair<int, const MachineAxis*>> joints;
    for (const MachineAxis& axis : axes) {
        for (const int joint : axis.joints) joints.emplace_back(joint, &axis);
    }
    std::sort(joints.begin(), joints.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    std::string coordinates;
    std::string spaced;
    for (const auto& [joint, axis] : joints) {
        coordinates += axis->letter;
        spaced += (spaced.empty() ? "" : " ") + std::string(1, axis->letter);
    }
    std::vector<std::string> lines{
        "[KINS]",
        "JOINTS = " + std::to_string(joints.size()),
        "KINEMATICS = trivkins coordinates=" + coordinates,
    };
    appendSection(lines, {"[TRAJ]", "COORDINATES = " + spaced});
    for (const auto& [joint, axis] : joints) {
        appendSection(lines, {"[JOINT_" + std::to_string(joint) + "]",
                              "SCALE = " + firmwareSettingText(Firmware::LinuxCnc,
                                                               stepsPerMm(axis->drive), "SCALE")});
    }
    return lines;
}

}  // namespace

std::vector<std::string> machineLines(Firmware firmware, std::span<const MachineAxis> axes) {
    switch (firmware) {
        case Firmware::Marlin: return marlinLines(inOrder(axes, kMarlinOrder));
        case Firmware::RepRapFirmware: return repRapLines(inOrder(axes, kMarlinOrder));
        case Firmware::Grbl:
        case Firmware::GrblHal: return grblLines(firmware, inOrder(axes, kMachineOrder));
        case Firmware::Klipper: return klipperLines(inOrder(axes, kMachineOrder));
        case Firmware::LinuxCnc: return linuxCncLines(axes);
    }
    return {};
}

}  // namespace cnc
