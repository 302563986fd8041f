// SPDX-License-Identifier: GPL-3.0-or-later
// The drives: the belt-driven axis, gears, wheels, racks, rotary axes and
// known steps; the numbers of configuration lines and each firmware's lines.

#include "calc/firmware_lines.h"

#include <gtest/gtest.h>

#include <charconv>
#include <optional>
#include <string>
#include <vector>

#include "calc/belt_axis.h"
#include "calc/calc_error.h"
#include "calc/decimal_text.h"
#include "calc/drive_calculation.h"
#include "calc/gear_ratio.h"
#include "calc/memory_form.h"
#include "calc/result_text.h"
#include "calc/screw_lead.h"
#include "calc/travel_per_turn.h"

namespace cnc {
namespace {

// Every example of the headers.
TEST(ConfigurationNumbers, HeaderExamples) {
    EXPECT_EQ(entryValueText({304800}), "30.48");
    EXPECT_EQ(entryValueText({2000000}), "200");
    EXPECT_EQ(entryValueText({-1}), "-0.0001");
    EXPECT_EQ(entryValueText({INT64_MIN}), "-922337203685477.5808");
    EXPECT_EQ(shortestText(133.333333333), "133.333333333");
    EXPECT_EQ(shortestText(1e21), "1000000000000000000000");
    EXPECT_EQ(shortestText(-0.000015), "-0.000015");

    EXPECT_EQ(beltProfilePitch("GT2"), EntryValue{20000});
    EXPECT_EQ(beltProfilePitch("mxl"), EntryValue{20320});
    EXPECT_EQ(beltProfilePitch("t2.5"), EntryValue{25000});
    EXPECT_EQ(beltProfilePitch("GT4"), std::nullopt);
    EXPECT_EQ(pulleyTravel(20, "2", ".", ""), EntryValue{400000});
    EXPECT_EQ(pulleyTravel(15, "2,032", ",", ""), EntryValue{304800});
    EXPECT_EQ(pulleyTravel(20, "2.00005", ".", ""), EntryValue{400000});
    EXPECT_THROW(pulleyTravel(2, "tre", ".", ""), CalcError);
    EXPECT_THROW(pulleyTravel(kMaxPulleyTeeth, "922337203685477", ".", ""), CalcError);
}

struct Drive {
    const char* pitch;
    int microsteps = 16;
    Coupling coupling = Coupling::Direct;
    const char* steps = "200";
};

MemoryForm calculated(const Drive& drive, std::string_view separator = ".") {
    MemoryForm form;
    form.setText(Field::MotorSteps, drive.steps);
    form.setText(Field::ScrewPitch, drive.pitch);
    form.select(drive.coupling);
    computeSteppingResolution(form, separator, "", drive.microsteps);
    return form;
}

const Drive kLeadScrew{"8"};
const Drive kGt2Pulley{"40"};  // 20 teeth of 2 mm
const Drive kScrewThroughPulleys{"8", 16, Coupling::Belt};

TEST(FirmwareLines, ForEachFirmware) {
    struct Row {
        Firmware firmware;
        Axes axes;
        Drive drive;
        std::vector<std::string> lines;
    };
    const Row rows[] = {
        {Firmware::Marlin, {"X"}, kLeadScrew, {"M92 X400"}},
        {Firmware::Marlin, {"E"}, kGt2Pulley, {"M92 E80"}},
        {Firmware::Marlin, {"X"}, kScrewThroughPulleys, {"M92 X847.05882"}},
        {Firmware::Marlin, {"XY"}, kGt2Pulley, {"M92 X80 Y80"}},
        // positive, however small or large, and never more digits than the float needs
        {Firmware::Marlin, {"X"}, {"1000000000", 1, Coupling::Direct, "1"}, {"M92 X0.000000001"}},
        {Firmware::Marlin, {"X"}, {"0.0000000002", 1, Coupling::Direct, "2000"}, {"M92 X10000000000000"}},
        {Firmware::RepRapFirmware, {"Z"}, kLeadScrew, {"M92 Z400 S16"}},
        {Firmware::RepRapFirmware, {"XY"}, {"3", 2}, {"M92 X133.33333 Y133.33333 S2"}},
        // RepRapFirmware takes 1 step/mm and up
        {Firmware::RepRapFirmware, {"X"}, {"40", 1}, {"M92 X5 S1"}},
        {Firmware::RepRapFirmware, {"X"}, {"200", 1}, {"M92 X1 S1"}},
        {Firmware::Grbl, {"X"}, kLeadScrew, {"$100=400"}},
        {Firmware::Grbl, {"Y"}, kGt2Pulley, {"$101=80"}},
        {Firmware::Grbl, {"Z"}, {"3", 2}, {"$102=133.33333"}},
        {Firmware::Grbl, {"X"}, kScrewThroughPulleys, {"$100=847.0589"}},
        {Firmware::Grbl, {"XZ"}, kLeadScrew, {"$100=400", "$102=400"}},
        {Firmware::GrblHal, {"XA"}, kLeadScrew, {"$100=400", "$103=400"}},
        {Firmware::GrblHal, {"C"}, kScrewThroughPulleys, {"$105=847.0589"}},
        {Firmware::Klipper,
         {"X"},
         kLeadScrew,
         {"[stepper_x]", "rotation_distance: 8", "microsteps: 16", "full_steps_per_rotation: 200"}},
        {Firmware::Klipper,
         {"E"},
         kScrewThroughPulleys,
         {"[extruder]", "rotation_distance: 8", "microsteps: 16", "full_steps_per_rotation: 200",
          "gear_ratio: 36:17"}},
        {Firmware::Klipper,
         {"XY"},
         kGt2Pulley,
         {"[stepper_x]", "rotation_distance: 40", "microsteps: 16", "full_steps_per_rotation: 200",
          "", "[stepper_y]", "rotation_distance: 40", "microsteps: 16",
          "full_steps_per_rotation: 200"}},
        {Firmware::LinuxCnc, {"X"}, kLeadScrew, {"[JOINT_0]", "SCALE = 400"}},
        {Firmware::LinuxCnc, {"Z"}, kScrewThroughPulleys, {"[JOINT_2]", "SCALE = 847.0588235294117"}},
        {Firmware::LinuxCnc, {"B"}, kLeadScrew, {"[JOINT_4]", "SCALE = 400"}},
        {Firmware::LinuxCnc, {"Y", {1, 3}}, kLeadScrew,
         {"[JOINT_1]", "SCALE = 400", "", "[JOINT_3]", "SCALE = 400"}},
        {Firmware::LinuxCnc, {"XA", {0, 5}}, kLeadScrew,
         {"[JOINT_0]", "SCALE = 400", "", "[JOINT_5]", "SCALE = 400"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lines.front());
        const MemoryForm form = calculated(row.drive);
        EXPECT_EQ(firmwareLines(row.firmware, row.axes, form, ".", row.drive.microsteps),
                  row.lines);
    }
}

// Klipper derives steps per millimetre from its lines; that must be ours.
TEST(FirmwareLines, KlipperGivesBackOurStepsPerMm) {
    const Drive drives[] = {kLeadScrew,
                            kGt2Pulley,
                            kScrewThroughPulleys,
                            {"3.14159", 2},
                            {"5.08", 256, Coupling::Belt, "400"},
                            {"1.25", 1, Coupling::Belt, "48"}};
    for (const Drive& drive : drives) {
        const MemoryForm form = calculated(drive, ",");
        const auto lines = firmwareLines(Firmware::Klipper, {"Y"}, form, ",", drive.microsteps);
        auto value = [&](std::string_view key) {
            for (const std::string& line : lines) {
                if (line.starts_with(key)) return line.substr(key.size());
            }
            return std::string("1:1");
        };
        const double distance = parseDouble(value("rotation_distance: "), ".", "");
        const double microsteps = parseDouble(value("microsteps: "), ".", "");
        const double fullSteps = parseDouble(value("full_steps_per_rotation: "), ".", "");
        const std::string ratio = value("gear_ratio: ");
        const double driven = parseDouble(ratio.substr(0, ratio.find(':')), ".", "");
        const double driving = parseDouble(ratio.substr(ratio.find(':') + 1), ".", "");
        const double stepDistance = distance / (fullSteps * microsteps * (driven / driving));
        EXPECT_EQ(formatResult(1 / stepDistance, kNineDecimals, ","), form.text(Field::StepsPerMm))
            << drive.pitch;
    }
}

TEST(FirmwareLines, RefusesWhatTheFirmwareCannotTake) {
    struct Row {
        Firmware firmware;
        Drive drive;
        Field field;
    };
    const std::string tinyPitch = "0." + std::string(40, '0') + "1";
    const Row rows[] = {
        {Firmware::Marlin, {"-8"}, Field::StepsPerMm},
        {Firmware::Grbl, {tinyPitch.c_str()}, Field::StepsPerMm},  // beyond the largest float
        {Firmware::Grbl, {"0.000001"}, Field::StepsPerMm},         // nine integer digits
        {Firmware::Grbl, {"1000000000", 1, Coupling::Direct, "1"}, Field::StepsPerMm},  // reads 0
        {Firmware::RepRapFirmware, {"400", 1}, Field::StepsPerMm},  // RRF would make it 1
        {Firmware::Klipper, {"8", 16, Coupling::Direct, "201"}, Field::MotorSteps},
        {Firmware::Klipper, {"8", 16, Coupling::Direct, "202"}, Field::MotorSteps},  // not of 4
        {Firmware::Klipper, {"8", 16, Coupling::Direct, "90"}, Field::MotorSteps},
        {Firmware::Klipper, {"-8"}, Field::ScrewPitch},  // its lead, not steps/mm it lacks
    };
    for (const Row& row : rows) {
        const MemoryForm form = calculated(row.drive);
        try {
            firmwareLines(row.firmware, {"X"}, form, ".", row.drive.microsteps);
            ADD_FAILURE() << "accepted " << row.drive.pitch << " " << row.drive.steps;
        } catch (const FirmwareRefusal& refusal) {
            EXPECT_EQ(refusal.field(), row.field) << refusal.what();
        }
    }
}

// A lead given exactly may lie beyond a double: 0 or inf would be no setting.
TEST(FirmwareLines, ADoubleFirmwareRefusesWhatItsRangeRoundsAway) {
    struct Row {
        Firmware firmware;
        Ratio lead;
        Field field;
    };
    const Row rows[] = {
        {Firmware::LinuxCnc, {powerOfTen(400), Natural(1), false}, Field::StepsPerMm},
        {Firmware::LinuxCnc, {Natural(1), powerOfTen(400), false}, Field::StepsPerMm},
        {Firmware::Klipper, {powerOfTen(400), Natural(1), false}, Field::ScrewPitch},
        {Firmware::Klipper, {Natural(1), powerOfTen(400), false}, Field::ScrewPitch},
    };
    for (const Row& row : rows) {
        ExactDrive drive;
        drive.stepsPerRevolution = ratioOf(200);
        drive.lead = row.lead;
        try {
            const auto lines = firmwareLines(row.firmware, {"X"}, drive);
            ADD_FAILURE() << lines.at(1);
        } catch (const FirmwareRefusal& refusal) {
            EXPECT_EQ(refusal.field(), row.field) << refusal.what();
        }
    }
}

// Whole, positive counts: a 1.8 typed for the steps is a step angle.
TEST(FirmwareLines, WantsWholeStepsAndTeeth) {
    struct Row {
        Drive drive;
        const char* motorTeeth;
        const char* screwTeeth;
        Field field;
    };
    const Row rows[] = {
        {{"8", 16, Coupling::Direct, "1.8"}, "17", "36", Field::MotorSteps},
        {{"8", 16, Coupling::Direct, "-200"}, "17", "36", Field::MotorSteps},
        {{"8", 16, Coupling::Belt}, "-17", "36", Field::MotorTeeth},
        {{"8", 16, Coupling::Belt}, "17", "17.5", Field::ScrewTeeth},
    };
    for (const Row& row : rows) {
        MemoryForm form;
        form.setText(Field::MotorTeeth, row.motorTeeth);
        form.setText(Field::ScrewTeeth, row.screwTeeth);
        form.setText(Field::MotorSteps, row.drive.steps);
        form.setText(Field::ScrewPitch, row.drive.pitch);
        form.select(row.drive.coupling);
        try {
            firmwareLines(Firmware::Klipper, {"X"}, form, ",", row.drive.microsteps);
            ADD_FAILURE() << "accepted " << row.drive.steps << " " << row.screwTeeth;
        } catch (const CalcError& error) {
            EXPECT_EQ(error.field(), row.field) << error.what();
        }
    }
    MemoryForm fractional;
    fractional.setText(Field::MotorSteps, "1,8");
    try {
        requireWholeCounts(fractional, ",", ".");
        ADD_FAILURE() << "accepted 1,8";
    } catch (const CalcError& error) {
        EXPECT_NE(std::string(error.what()).find("360 gradi"), std::string::npos) << error.what();
    }
}

TEST(GearRatio, ReadAndWrittenAsKlipperDoes) {
    struct Row {
        const char* text;
        const char* written;  // nullptr: refused
    };
    const Row rows[] = {
        {"50:17", "50:17"},          {" 57:11, 2:1 ", "57:11, 2:1"}, {"050:17", "50:17"},
        {"5:0", nullptr},            {"1.5:1", nullptr},              {"5", nullptr},
        {"5:1,", nullptr},           {"", nullptr},                   {"-5:1", nullptr},
        {"5:1:2", nullptr},
    };
    for (const Row& row : rows) {
        const auto stages = gearStagesOf(row.text);
        EXPECT_EQ(stages ? std::optional(gearRatioText(*stages)) : std::nullopt,
                  row.written ? std::optional<std::string>(row.written) : std::nullopt)
            << row.text;
    }
}

// 200 steps at 1/16 unless a row says otherwise.
ExactDrive newDrive(const Ratio& lead, const char* gears = nullptr) {
    ExactDrive drive;
    drive.stepsPerRevolution = ratioOf(200);
    drive.microsteps = 16;
    drive.lead = lead;
    if (gears) drive.gearStages = *gearStagesOf(gears);
    return drive;
}

Ratio decimal(const char* text) { return decimalRatio(text, "."); }

TEST(FirmwareLines, GearsWheelsRacksRotaryAxesAndKnownSteps) {
    const ExactDrive extruder = newDrive(wheelTravel(decimal("7.3")), "50:17");
    const ExactDrive rotaryTable = newDrive(ratioOf(kDegreesPerTurn), "90:1");
    const ExactDrive rack = newDrive(rackTravelByModule(decimal("1.5"), ratioOf(20)));
    const ExactDrive known = newDrive(travelOfKnownSteps(newDrive(ratioOf(1)), decimal("93")));
    struct Row {
        const char* name;
        Firmware firmware;
        Axes axes;
        ExactDrive drive;
        std::vector<std::string> lines;
    };
    const Row rows[] = {
        // 200 x 16 x 50/17 / (π x 7.3) = 410.3914729...
        {"extruder", Firmware::Marlin, {"E"}, extruder, {"M92 E410.39147"}},
        {"extruder", Firmware::RepRapFirmware, {"E"}, extruder, {"M92 E410.39147 S16"}},
        {"extruder", Firmware::Klipper, {"E"}, extruder,
         {"[extruder]", "rotation_distance: 22.93362637120549", "microsteps: 16",
          "full_steps_per_rotation: 200", "gear_ratio: 50:17"}},
        {"two stages", Firmware::Klipper, {"Z"}, newDrive(ratioOf(5), "57:11, 2:1"),
         {"[stepper_z]", "rotation_distance: 5", "microsteps: 16", "full_steps_per_rotation: 200",
          "gear_ratio: 57:11, 2:1"}},
        {"two stages", Firmware::Grbl, {"Z"}, newDrive(ratioOf(5), "57:11,2:1"),
         {"$102=6632.7275"}},
        // 800 steps per degree
        {"rotary table", Firmware::LinuxCnc, {"A"}, rotaryTable, {"[JOINT_3]", "SCALE = 800"}},
        {"rotary table", Firmware::GrblHal, {"A"}, rotaryTable, {"$103=800"}},
        {"rotary table", Firmware::RepRapFirmware, {"A"}, rotaryTable, {"M92 A800 S16"}},
        {"rack, module 1.5, 20 teeth", Firmware::LinuxCnc, {"Y"}, rack,
         {"[JOINT_1]", "SCALE = 33.953054526271"}},
        // Klipper's rotation_distance for 93 steps/mm, and the others' 93
        {"known steps", Firmware::Klipper, {"X"}, known,
         {"[stepper_x]", "rotation_distance: 34.40860215053763", "microsteps: 16",
          "full_steps_per_rotation: 200"}},
        {"known steps", Firmware::Marlin, {"X"}, known, {"M92 X93"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(firmwareLines(row.firmware, row.axes, row.drive), row.lines);
    }
    EXPECT_EQ(roundedText(stepsPerMm(extruder), 9, "."), "410.391472920");
    EXPECT_EQ(exactResolution(newDrive(wheelTravel(decimal("7.3"))), ".").stepsPerUnit, "139.533100793");
}

TEST(FirmwareLines, NamesIgnoreCase) {
    EXPECT_EQ(firmwareNamed("Klipper")->firmware, Firmware::Klipper);
    EXPECT_EQ(firmwareNamed("REPRAPFIRMWARE")->firmware, Firmware::RepRapFirmware);
    EXPECT_EQ(firmwareNamed("smoothie"), std::nullopt);
}

}  // namespace
}  // namespace cnc
