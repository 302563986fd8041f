// SPDX-License-Identifier: GPL-3.0-or-later
// The block of a whole machine for each firmware, and its figures read back
// as the firmware reads them.

#include "calc/machine_lines.h"

#include <gtest/gtest.h>

#include <charconv>
#include <string>
#include <vector>

#include "calc/gear_ratio.h"
#include "calc/travel_per_turn.h"

namespace cnc {
namespace {

MachineAxis axis(char letter, int steps, int microsteps, const Ratio& lead,
                 const char* gears = nullptr, std::vector<int> joints = {}) {
    MachineAxis axis{letter, {}, std::move(joints), std::nullopt};
    axis.drive.stepsPerRevolution = ratioOf(steps);
    axis.drive.microsteps = microsteps;
    axis.drive.lead = lead;
    if (gears) axis.drive.gearStages = *gearStagesOf(gears);
    return axis;
}

const Ratio kHobbedGear = wheelTravel(decimalRatio("7.3", "."));

// X and Y on 20-tooth GT2 pulleys at 0.9°, Z on an 8 mm lead, and an
// extruder of 50:17 onto a 7.3 mm hobbed gear, all at 1/16.
const std::vector<MachineAxis> kPrinter{
    axis('X', 400, 16, ratioOf(40)), axis('Y', 400, 16, ratioOf(40)), axis('Z', 200, 16, ratioOf(8)),
    axis('E', 200, 16, kHobbedGear, "50:17"),
};

// X, a gantry Y on two joints, Z on a 5 mm ball screw, a 90:1 rotary A.
std::vector<MachineAxis> router() {
    std::vector<MachineAxis> axes{
        axis('X', 200, 8, ratioOf(5), nullptr, {0}),
        axis('Y', 200, 8, ratioOf(5), nullptr, {1, 2}),
        axis('Z', 200, 8, ratioOf(5), nullptr, {3}),
        axis('A', 200, 16, ratioOf(kDegreesPerTurn), "90:1", {4}),
    };
    axes[0].largestRate = ratioOf(7500);  // mm/min at 40 kHz
    axes[3].largestRate = ratioOf(3000);  // degrees/min
    return axes;
}

TEST(MachineLines, EachFirmwaresBlock) {
    std::vector<MachineAxis> printerZAtOneEighth = kPrinter;
    printerZAtOneEighth[2].drive.microsteps = 8;
    const std::vector<MachineAxis> noY{kPrinter[0], kPrinter[2]};
    struct Row {
        const char* name;
        Firmware firmware;
        std::vector<MachineAxis> axes;
        std::vector<std::string> lines;
    };
    const Row rows[] = {
        {"printer", Firmware::Marlin, kPrinter,
         {"M92 X160 Y160 Z400 E410.39147", "M500",
          "#define DEFAULT_AXIS_STEPS_PER_UNIT { 160, 160, 400, 410.39147 }"}},
        {"no Y: no positions for the #define", Firmware::Marlin, noY, {"M92 X160 Z400", "M500"}},
        {"printer", Firmware::RepRapFirmware, kPrinter,
         {"M350 X16 Y16 Z16 E16 I1", "M92 X160 Y160 Z400 E410.39147 S16"}},
        {"Z at 1/8", Firmware::RepRapFirmware, printerZAtOneEighth,
         {"M350 X16 Y16 Z8 E16 I1", "M92 X160 Y160 E410.39147 S16", "M92 Z200 S8"}},
        {"printer", Firmware::Klipper, kPrinter,
         {"[stepper_x]", "rotation_distance: 40", "microsteps: 16", "full_steps_per_rotation: 400",
          "", "[stepper_y]", "rotation_distance: 40", "microsteps: 16",
          "full_steps_per_rotation: 400", "", "[stepper_z]", "rotation_distance: 8",
          "microsteps: 16", "full_steps_per_rotation: 200", "", "[extruder]",
          "rotation_distance: 22.93362637120549", "microsteps: 16", "full_steps_per_rotation: 200",
          "gear_ratio: 50:17"}},
        {"router", Firmware::LinuxCnc, router(),
         {"[KINS]", "JOINTS = 5", "KINEMATICS = trivkins coordinates=XYYZA", "", "[TRAJ]",
          "COORDINATES = X Y Y Z A", "", "[JOINT_0]", "SCALE = 320", "", "[JOINT_1]",
          "SCALE = 320", "", "[JOINT_2]", "SCALE = 320", "", "[JOINT_3]", "SCALE = 320", "",
          "[JOINT_4]", "SCALE = 800"}},
        {"router", Firmware::GrblHal, router(),
         {"$100=320", "$101=320", "$102=320", "$103=800", "$110=7500", "$113=3000"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(machineLines(row.firmware, row.axes), row.lines);
    }
}

float floatOf(std::string_view text) {
    float value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// The extruder's 200 x 16 x 50/17 / (π x 7.3) as Marlin reads M92 (strtof)
// and as its compiler reads the #define (a double, then a float).
TEST(MachineLines, TheExtrudersFigureReadsBackAsTheNearestFloat) {
    const float nearest = nearestFloat(stepsPerMm(kPrinter[3].drive));
    const auto lines = machineLines(Firmware::Marlin, kPrinter);
    const std::string m92 = lines[0].substr(lines[0].find('E') + 1);
    EXPECT_EQ(floatOf(m92), nearest) << m92;
    const std::string define = lines[2].substr(lines[2].rfind(", ") + 2);
    double compiled = 0;
    std::from_chars(define.data(), define.data() + define.size(), compiled);
    EXPECT_EQ(static_cast<float>(compiled), nearest) << define;
}

}  // namespace
}  // namespace cnc
