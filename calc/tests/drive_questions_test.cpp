// SPDX-License-Identifier: GPL-3.0-or-later
// Calibration by a measured move, whole full-step layers, step rates, and the
// firmware lines of a figure given exactly.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/calc_error.h"
#include "calc/calibration.h"
#include "calc/firmware_lines.h"
#include "calc/step_speed.h"
#include "calc/whole_step_layers.h"

namespace cnc {
namespace {

Ratio number(const char* text) { return decimalRatio(text, "."); }

ExactDrive exactDrive(const char* lead, int microsteps = 16, bool belt = false) {
    ExactDrive drive;
    drive.stepsPerRevolution = ratioOf(200);
    drive.microsteps = microsteps;
    drive.lead = number(lead);
    if (belt) {
        drive.throughBelt = true;
        drive.drivenTeeth = ratioOf(36);
        drive.drivingTeeth = ratioOf(17);
    }
    return drive;
}

TEST(Calibration, CorrectsTheFigureByTheMeasuredMove) {
    struct Row {
        const char* current;
        const char* commanded;
        const char* measured;
        const char* stepsPerMm;
        const char* rotationDistance;
        const char* percent;
    };
    const Row rows[] = {
        {"80", "100", "99", "80.808080808", "79.200000000", "+1.0101"},
        {"80", "100", "101", "79.207920792", "80.800000000", "-0.9901"},
        {"400", "50", "50", "400.000000000", "400.000000000", "+0.0000"},
        {"93.5", "100.000", "100.0001", "93.499906500", "93.500093500", "-0.0001"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.measured);
        const Ratio current = number(row.current);
        const Ratio commanded = number(row.commanded);
        const Ratio measured = number(row.measured);
        EXPECT_EQ(roundedText(correctedStepsPerMm(current, commanded, measured), 9, "."),
                  row.stepsPerMm);
        EXPECT_EQ(roundedText(correctedRotationDistance(current, commanded, measured), 9, "."),
                  row.rotationDistance);
        EXPECT_EQ(signedText(correctionPercent(commanded, measured), 4, "."), row.percent);
    }
}

TEST(Calibration, SignedTextKeepsTheDirection) {
    EXPECT_EQ(signedText(Ratio{Natural(), Natural(1), true}, 4, "."), "+0.0000");
    EXPECT_EQ(signedText(Ratio{Natural(1), Natural(100000), true}, 4, "."), "-0.0000");
    EXPECT_EQ(signedText(Ratio{Natural(100), Natural(99), false}, 4, ","), "+1,0101");
}

TEST(WholeStepLayers, NearestMultiplesOfTheFullStep) {
    struct Row {
        ExactDrive drive;
        const char* height;
        const char* fullStep;
        const char* below;  // "" for none
        const char* belowSteps;
        const char* above;
        const char* aboveSteps;
    };
    const Row rows[] = {
        {exactDrive("3"), "0.2", "0.015000000", "0.195000000", "13", "0.210000000", "14"},
        {exactDrive("3"), "0.3", "0.015000000", "0.300000000", "20", "0.300000000", "20"},
        {exactDrive("3"), "0.01", "0.015000000", "", "", "0.015000000", "1"},
        {exactDrive("3", 1), "0.015", "0.015000000", "0.015000000", "1", "0.015000000", "1"},
        {exactDrive("-3"), "0.2", "-0.015000000", "0.195000000", "13", "0.210000000", "14"},
        {exactDrive("8", 16, true), "0.2", "0.018888889", "0.188888889", "10", "0.207777778", "11"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.height);
        const NearestLayers layers = nearestLayers(row.drive, number(row.height));
        EXPECT_EQ(roundedText(layers.fullStep, 9, "."), row.fullStep);
        EXPECT_EQ(layers.below ? roundedText(layers.below->travel, 9, ".") : "", row.below);
        EXPECT_EQ(layers.below ? layers.below->fullSteps.decimalDigits() : "", row.belowSteps);
        EXPECT_EQ(roundedText(layers.above.travel, 9, "."), row.above);
        EXPECT_EQ(layers.above.fullSteps.decimalDigits(), row.aboveSteps);
    }
}

TEST(WholeStepLayers, RefusesWhatNoFullStepOrDoubleHolds) {
    // 0.015 x 2^53 = 135107988821114.88 mm: the next whole step is one too many.
    EXPECT_NO_THROW(nearestLayers(exactDrive("3"), number("135107988821114.88")));
    EXPECT_THROW(nearestLayers(exactDrive("3"), number("135107988821114.89")), CalcError);
    EXPECT_THROW(nearestLayers(exactDrive("0"), number("0.2")), CalcError);
}

TEST(StepSpeed, FrequencyAndLargestSpeed) {
    struct Row {
        ExactDrive drive;
        const char* value;
        const char* kilohertz;  // of `value` mm/s
        const char* mmPerS;     // at `value` kHz
    };
    const Row rows[] = {
        {exactDrive("8"), "100", "40.000000", "250.000"},
        {exactDrive("-8"), "40", "16.000000", "100.000"},
        {exactDrive("8", 16, true), "100", "84.705882", "118.056"},
        {exactDrive("8", 16, true), "40", "33.882353", "47.222"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.value);
        EXPECT_EQ(roundedText(stepFrequencyKhz(row.drive, number(row.value)), 6, "."),
                  row.kilohertz);
        EXPECT_EQ(roundedText(largestSpeedMmPerS(row.drive, number(row.value)), 3, "."),
                  row.mmPerS);
    }
    EXPECT_THROW(largestSpeedMmPerS(exactDrive("0"), number("40")), CalcError);
    EXPECT_THROW(stepFrequencyKhz(exactDrive("0"), number("40")), CalcError);
}

TEST(FirmwareLinesForAFigure, TheSameTextsAsForADrive) {
    struct Row {
        Firmware firmware;
        Axes axes;
        Ratio stepsPerMm;
        std::vector<std::string> lines;
    };
    const Row rows[] = {
        {Firmware::Marlin, Axes("XY"), Ratio{Natural(8000), Natural(101)},
         {"M92 X79.207921 Y79.207921"}},
        {Firmware::RepRapFirmware, Axes("Z"), Ratio{Natural(8000), Natural(99)},
         {"M92 Z80.80808 S16"}},
        {Firmware::Grbl, Axes("XY"), ratioOf(400), {"$100=400", "$101=400"}},
        {Firmware::LinuxCnc, Axes("Y", {1, 2}), ratioOf(320),
         {"[JOINT_1]", "SCALE = 320", "", "[JOINT_2]", "SCALE = 320"}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(firmwareLinesForStepsPerMm(row.firmware, row.axes, row.stepsPerMm, 16), row.lines);
    }
    EXPECT_THROW(firmwareLinesForStepsPerMm(Firmware::Klipper, Axes(), ratioOf(400), 16),
                 FirmwareRefusal);
    EXPECT_THROW(firmwareLinesForStepsPerMm(Firmware::Marlin, Axes(), ratioOf(0), 16),
                 FirmwareRefusal);
}

TEST(FirmwareLinesForAFigure, KlipperRotationDistance) {
    EXPECT_EQ(klipperRotationDistanceLines(Axes("XE"), Ratio{Natural(396), Natural(10)}),
              (std::vector<std::string>{"[stepper_x]", "rotation_distance: 39.6", "",
                                        "[extruder]", "rotation_distance: 39.6"}));
    EXPECT_THROW(klipperRotationDistanceLines(Axes(), ratioOf(0)), FirmwareRefusal);
}

}  // namespace
}  // namespace cnc
