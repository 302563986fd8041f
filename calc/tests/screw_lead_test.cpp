// SPDX-License-Identifier: GPL-3.0-or-later
// Screws by threads per inch and starts, and inch machines, exactly.

#include "calc/screw_lead.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "calc/calc_error.h"
#include "calc/memory_form.h"

namespace cnc {
namespace {

Ratio ratio(std::uint64_t numerator, std::uint64_t denominator = 1) {
    return {Natural(numerator), Natural(denominator), false};
}

ExactDrive drive(int microsteps, const Ratio& lead, std::uint64_t driving = 1,
                 std::uint64_t driven = 1) {
    ExactDrive exact;
    exact.stepsPerRevolution = ratio(200);
    exact.microsteps = microsteps;
    exact.lead = lead;
    exact.drivingTeeth = ratio(driving);
    exact.drivenTeeth = ratio(driven);
    exact.throughBelt = driving != 1 || driven != 1;
    return exact;
}

TEST(ScrewLead, ResolutionInMillimetresAndInches) {
    struct Row {
        const char* name;
        ExactDrive drive;
        const char* separator;
        ExactResolution millimetres;
        ExactResolution inches;
    };
    const Ratio tenPerInch = pitchOfThreadsPerInch(ratio(10));
    const Ratio threeStartsEightPerInch = pitchOfThreadsPerInch(ratio(8)) * ratio(3);
    const Row rows[] = {
        {"1/2\"-10 ACME, 1/8", drive(8, tenPerInch), ".",
         {"629.921259843", "0.001587500"}, {"16000.000000000", "0.000062500"}},
        {"8 per inch, 3 starts, 1/16: ties, each the side of its double",
         drive(16, threeStartsEightPerInch), ".",
         {"335.958005249", "0.002976563"}, {"8533.333333333", "0.000117187"}},
        {"the same through 17 and 36 teeth", drive(16, threeStartsEightPerInch, 17, 36), ",",
         {"711,440481704", "0,001405599"}, {"18070,588235294", "0,000055339"}},
        {"13 per inch, half step", drive(2, pitchOfThreadsPerInch(ratio(13))), ".",
         {"204.724409449", "0.004884615"}, {"5200.000000000", "0.000192308"}},
        {"2 mm, 4 starts, 1/16", drive(16, ratio(2) * ratio(4)), ".",
         {"400.000000000", "0.002500000"}, {"10160.000000000", "0.000098425"}},
        {"negative lead", drive(16, Ratio{Natural(8), Natural(1), true}), ".",
         {"-400.000000000", "-0.002500000"}, {"-10160.000000000", "-0.000098425"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const ExactResolution millimetres = exactResolution(row.drive, row.separator);
        EXPECT_EQ(millimetres.stepsPerUnit, row.millimetres.stepsPerUnit);
        EXPECT_EQ(millimetres.unitsPerStep, row.millimetres.unitsPerStep);
        const ExactResolution inches = inchResolution(row.drive, row.separator);
        EXPECT_EQ(inches.stepsPerUnit, row.inches.stepsPerUnit);
        EXPECT_EQ(inches.unitsPerStep, row.inches.unitsPerStep);
    }
}

TEST(ScrewLead, RefusesWhatNoResultCanHold) {
    struct Row {
        ExactDrive drive;
        ErrorKind kind;
        Field field;
    };
    const Ratio beyondDoubles{powerOfTen(400), Natural(1), false};
    const Ratio belowDoubles{Natural(1), powerOfTen(400), false};
    const Row rows[] = {
        {drive(16, ratio(0)), ErrorKind::DivisionByZero, Field::ScrewPitch},
        {drive(16, ratio(8), 0, 36), ErrorKind::DivisionByZero, Field::MotorTeeth},
        {drive(16, ratio(8), 17, 0), ErrorKind::DivisionByZero, Field::ScrewTeeth},
        {drive(16, beyondDoubles), ErrorKind::Overflow, Field::ScrewPitch},
        {drive(16, belowDoubles), ErrorKind::Overflow, Field::ScrewPitch},  // steps per mm
    };
    for (const Row& row : rows) {
        try {
            exactResolution(row.drive, ".");
            ADD_FAILURE() << fieldCaption(row.field);
        } catch (const CalcError& error) {
            EXPECT_EQ(error.kind(), row.kind);
            EXPECT_EQ(error.field(), row.field);
        }
    }
    // 25.4 times more steps per inch than per mm.
    const ExactDrive nearLimit = drive(1, Ratio{Natural(1), powerOfTen(305), false});
    EXPECT_NO_THROW(exactResolution(nearLimit, "."));
    EXPECT_THROW(inchResolution(nearLimit, "."), CalcError);
}

// Every typed digit, after the checks the stepping makes.
TEST(ScrewLead, ExactPitch) {
    struct Row {
        const char* text;
        const char* separator;
        const char* group;
        const char* value;  // five decimals; empty: refused with this kind
        ErrorKind kind = ErrorKind::TypeMismatch;
    };
    const Row rows[] = {
        {"3.14159", ".", "", "3.14159"},
        {"3,14159", ",", ".", "3.14159"},
        {" 2 ", ".", "", "2.00000"},
        {"3.175", ",", ".", ""},
        {"due", ".", "", ""},
        {"", ".", "", ""},
        {"1e3", ".", "", ""},
        {"922337203685478", ".", "", "", ErrorKind::Overflow},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        MemoryForm form;
        form.setText(Field::ScrewPitch, row.text);
        if (*row.value) {
            EXPECT_EQ(roundedText(exactPitch(form, row.separator, row.group), 5, "."), row.value);
            continue;
        }
        try {
            exactPitch(form, row.separator, row.group);
            ADD_FAILURE();
        } catch (const CalcError& error) {
            EXPECT_EQ(error.kind(), row.kind);
            EXPECT_EQ(error.field(), Field::ScrewPitch);
        }
    }
}

}  // namespace
}  // namespace cnc
