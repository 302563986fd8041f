// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/drive_calculation.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "calc/calc_error.h"
#include "calc/memory_form.h"

namespace cnc {
namespace {

using Write = std::pair<Field, std::string>;

// Remembers every result stored, in order, so that a test sees what was
// written before an error and what was not.
class RecordingForm : public MemoryForm {
public:
    RecordingForm() {
        for (Field result : {Field::StepsPerMm, Field::MmPerStep, Field::CentreDistance,
                             Field::CentreDistanceMm}) {
            MemoryForm::setText(result, "old");
        }
    }
    void setText(Field field, std::string_view text) override {
        writes.emplace_back(field, std::string(text));
        MemoryForm::setText(field, text);
    }
    std::vector<Write> writes;
};

struct Entries {
    std::string steps = "200", pitch = "3", motor = "17", screw = "36", belt = "120";
    std::optional<SteppingMode> stepping = SteppingMode::HalfStep;
    Coupling coupling = Coupling::Direct;
};

void fill(RecordingForm& form, const Entries& e) {
    form.MemoryForm::setText(Field::MotorSteps, e.steps);
    form.MemoryForm::setText(Field::ScrewPitch, e.pitch);
    form.MemoryForm::setText(Field::MotorTeeth, e.motor);
    form.MemoryForm::setText(Field::ScrewTeeth, e.screw);
    form.MemoryForm::setText(Field::BeltLengthCode, e.belt);
    form.select(e.stepping);
    form.select(e.coupling);
}

Entries halfBelt() { Entries e; e.coupling = Coupling::Belt; return e; }
Entries fullBelt() { Entries e; e.stepping = SteppingMode::FullStep; e.coupling = Coupling::Belt; return e; }
Entries fullDirect() { Entries e; e.stepping = SteppingMode::FullStep; return e; }
template <class Change> Entries with(Entries e, Change change) { change(e); return e; }

struct ClickCase {
    const char* name;
    Entries entries;
    std::vector<Write> writes;  // in the order they must happen
    std::optional<ErrorKind> error = std::nullopt;
    std::optional<Field> blamed = std::nullopt;
};

void PrintTo(const ClickCase& c, std::ostream* out) { *out << c.name; }

class ClickTest : public testing::TestWithParam<ClickCase> {};

TEST_P(ClickTest, WritesInOrderAndStopsAtTheError) {
    const ClickCase& c = GetParam();
    RecordingForm form;
    fill(form, c.entries);
    try {
        calculate(form, ".", ",", kXlBeltPitch);
        EXPECT_FALSE(c.error) << "no error raised";
    } catch (const CalcError& e) {
        ASSERT_TRUE(c.error) << e.what();
        EXPECT_EQ(e.kind(), *c.error) << e.what();
        EXPECT_EQ(e.field(), c.blamed) << e.what();
    }
    EXPECT_EQ(form.writes, c.writes);
}

std::vector<Write> resolution(std::string steps, std::string mm) {
    return {{Field::StepsPerMm, std::move(steps)}, {Field::MmPerStep, std::move(mm)}};
}

// "" for a distance emptied.
std::vector<Write> all(std::string steps, std::string mm, std::string distance = "83.69") {
    auto writes = resolution(std::move(steps), std::move(mm));
    writes.emplace_back(Field::CentreDistance, distance);
    writes.emplace_back(Field::CentreDistanceMm, distance.empty() ? "" : distance + " mm");
    return writes;
}

INSTANTIATE_TEST_SUITE_P(Combinations, ClickTest, testing::Values(
    ClickCase{"half step direct", Entries{}, all("133.333333333", "0.007500000")},
    ClickCase{"full step direct", fullDirect(), all("66.666666667", "0.015000000")},
    ClickCase{"half step belt", halfBelt(), all("282.352941176", "0.00354167")},
    ClickCase{"full step belt", fullBelt(), all("141.176470588", "0.007083333")},
    // Equal pulleys: the direct values, with eight decimals in half step.
    ClickCase{"half step belt, ratio 1",
              with(halfBelt(), [](Entries& e) { e.motor = e.screw = "20"; e.belt = "100"; }),
              all("133.333333333", "0.00750000", "76.20")},
    ClickCase{"full step belt, ratio 1",
              with(fullBelt(), [](Entries& e) { e.motor = e.screw = "20"; e.belt = "100"; }),
              all("66.666666667", "0.015000000", "76.20")},
    // Steps per mm reads every typed decimal, mm per step four of them.
    ClickCase{"pitch with five decimals",
              with(Entries{}, [](Entries& e) { e.pitch = "3.14159"; }),
              all("127.324062020", "0.007854000")},
    ClickCase{"negative pitch", with(Entries{}, [](Entries& e) { e.pitch = "-3"; }),
              all("-133.333333333", "-0.007500000")},
    ClickCase{"no stepping mode selected",
              with(Entries{}, [](Entries& e) { e.stepping = std::nullopt; }),
              {{Field::CentreDistance, "83.69"}, {Field::CentreDistanceMm, "83.69 mm"}}},
    ClickCase{"full step allows twice the steps of half step",
              with(fullDirect(), [](Entries& e) { e.steps = "500000000000000"; }),
              all("166666666666666.656250000", "0.000000000")}));

INSTANTIATE_TEST_SUITE_P(CentreDistance, ClickTest, testing::Values(
    ClickCase{"pulleys swapped", with(Entries{}, [](Entries& e) { std::swap(e.motor, e.screw); }),
              all("133.333333333", "0.007500000", "83.69")},
    // The pitch diameters take the circle constant as 3.1415: pi would give 62.51.
    ClickCase{"circle constant 3.1415",
              with(Entries{}, [](Entries& e) { e.motor = "10"; e.screw = "31"; e.belt = "92"; }),
              all("133.333333333", "0.007500000", "62.50")},
    ClickCase{"belt of 89, the pulleys just clear",
              with(Entries{}, [](Entries& e) { e.belt = "89"; }),
              all("133.333333333", "0.007500000", "43.06")},
    ClickCase{"fractional motor pulley", with(Entries{}, [](Entries& e) { e.motor = "17.5"; }),
              all("133.333333333", "0.007500000", "83.12")},
    ClickCase{"screw pulley 0, direct", with(Entries{}, [](Entries& e) { e.screw = "0"; }),
              all("133.333333333", "0.007500000", "130.09")},
    ClickCase{"long belt, no group separator",
              with(Entries{}, [](Entries& e) { e.belt = "10000"; }),
              all("133.333333333", "0.007500000", "12632.68")}));

INSTANTIATE_TEST_SUITE_P(Failures, ClickTest, testing::Values(
    ClickCase{"motor pulley empty, direct", with(Entries{}, [](Entries& e) { e.motor = ""; }),
              {}, ErrorKind::TypeMismatch, Field::MotorTeeth},
    ClickCase{"both pulleys bad: screw read first",
              with(Entries{}, [](Entries& e) { e.motor = e.screw = "x"; }),
              {}, ErrorKind::TypeMismatch, Field::ScrewTeeth},
    ClickCase{"motor pulley too large",
              with(Entries{}, [](Entries& e) { e.motor = "1000000000000000"; }),
              {}, ErrorKind::Overflow, Field::MotorTeeth},
    ClickCase{"motor pulley 0", with(Entries{}, [](Entries& e) { e.motor = "0"; }),
              {}, ErrorKind::DivisionByZero, Field::MotorTeeth},
    ClickCase{"both pulleys 0", with(Entries{}, [](Entries& e) { e.motor = e.screw = "0"; }),
              {}, ErrorKind::DivisionByZero, Field::MotorTeeth},
    ClickCase{"steps empty", with(Entries{}, [](Entries& e) { e.steps = ""; }),
              {}, ErrorKind::TypeMismatch, Field::MotorSteps},
    ClickCase{"pitch letters", with(Entries{}, [](Entries& e) { e.pitch = "tre"; }),
              {}, ErrorKind::TypeMismatch, Field::ScrewPitch},
    ClickCase{"pitch 0", with(Entries{}, [](Entries& e) { e.pitch = "0"; }),
              {}, ErrorKind::DivisionByZero, Field::ScrewPitch},
    ClickCase{"pitch too small for a double quotient",
              with(Entries{}, [](Entries& e) { e.pitch = "0." + std::string(320, '0') + "1"; }),
              {}, ErrorKind::Overflow, Field::ScrewPitch},
    ClickCase{"half step doubles past the range",
              with(Entries{}, [](Entries& e) { e.steps = "500000000000000"; }),
              {}, ErrorKind::Overflow, Field::MotorSteps},
    ClickCase{"steps 0: first result only", with(Entries{}, [](Entries& e) { e.steps = "0"; }),
              {{Field::StepsPerMm, "0.000000000"}}, ErrorKind::DivisionByZero, Field::MotorSteps},
    ClickCase{"screw pulley 0 with the belt", with(halfBelt(), [](Entries& e) { e.screw = "0"; }),
              {{Field::StepsPerMm, "0.000000000"}}, ErrorKind::DivisionByZero, Field::ScrewTeeth},
    ClickCase{"pitch beyond the fixed-point range",
              with(Entries{}, [](Entries& e) { e.pitch = "1000000000000000"; }),
              {{Field::StepsPerMm, "0.000000000"}}, ErrorKind::Overflow, Field::ScrewPitch},
    ClickCase{"belt empty", with(halfBelt(), [](Entries& e) { e.belt = ""; }),
              resolution("282.352941176", "0.00354167"), ErrorKind::TypeMismatch, Field::BeltLengthCode},
    ClickCase{"belt of 65, too short", with(halfBelt(), [](Entries& e) { e.belt = "65"; }),
              resolution("282.352941176", "0.00354167"), ErrorKind::InvalidArgument,
              Field::BeltLengthCode},
    ClickCase{"belt of 41, too short", with(halfBelt(), [](Entries& e) { e.belt = "41"; }),
              resolution("282.352941176", "0.00354167"), ErrorKind::InvalidArgument,
              Field::BeltLengthCode},
    // With the direct coupling the belt is no part of the drive: no error on it.
    ClickCase{"direct, belt too short: distance emptied",
              with(Entries{}, [](Entries& e) { e.belt = "65"; }),
              all("133.333333333", "0.007500000", "")},
    ClickCase{"direct, belt empty: distance emptied", with(Entries{}, [](Entries& e) { e.belt = ""; }),
              all("133.333333333", "0.007500000", "")}));

// The formula squares the length term: these belts used to get a distance.
class ImpossibleBeltTest : public testing::TestWithParam<const char*> {};

TEST_P(ImpossibleBeltTest, IsAnErrorOnTheBelt) {
    RecordingForm form;
    fill(form, with(halfBelt(), [](Entries& e) { e.belt = GetParam(); }));
    try {
        calculate(form, ".", "", kXlBeltPitch);
        FAIL() << "no error";
    } catch (const CalcError& e) {
        EXPECT_EQ(e.kind(), ErrorKind::InvalidArgument);
        EXPECT_EQ(e.field(), Field::BeltLengthCode);
    }
    EXPECT_EQ(form.writes, resolution("282.352941176", "0.00354167"));
}

INSTANTIATE_TEST_SUITE_P(Pulleys17And36, ImpossibleBeltTest,
                         testing::Values("0",      // no length left: negative, squared
                                         "40",     // the same, and gave 6.05
                                         "66",     // reaches round, pulleys overlap: gave 6.05
                                         "88",     // the last even code that overlaps
                                         "-1000",  // negative
                                         "53"));   // length term exactly zero

// The smallest even code that fits, as found by trying the formula's doubles
// one code at a time, against the one the message names.
TEST(Click, ShortBeltNamesTheSmallestCodeThatFits) {
    struct Row {
        const char *motor, *screw;
        const char* tooShort;  // the next even code down
        const char* smallest;  // nullptr: none that an entry holds
    };
    const Row rows[] = {
        {"17", "36", "88", "90"},
        {"36", "17", "88", "90"},
        {"10", "100", "200", "202"},
        {"20", "20", "64", "66"},
        {"17.5", "36", "88", "90"},
        {"-100", "10", "8", "10"},
        {"100000000000000", "200000000000000", "501322785941006", "501322785941008"},
        {"300000000000000", "300000000000000", "922337203685477", nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.motor) + " " + row.screw);
        RecordingForm form;
        fill(form, with(halfBelt(), [&](Entries& e) {
                 e.motor = row.motor;
                 e.screw = row.screw;
                 e.belt = row.tooShort;
             }));
        try {
            calculate(form, ".", "", kXlBeltPitch);
            ADD_FAILURE() << "no error";
        } catch (const CalcError& e) {
            const std::string named =
                row.smallest ? std::string("è ") + row.smallest + " (cinta " : "nessuna cinta";
            EXPECT_NE(std::string(e.what()).find(named), std::string::npos) << e.what();
        }
        if (!row.smallest) continue;
        form.MemoryForm::setText(Field::BeltLengthCode, row.smallest);
        EXPECT_NO_THROW(calculate(form, ".", "", kXlBeltPitch));
    }
}

// After a good click, a failing one leaves no result of the earlier entries
// beside the new ones, and no entry changed.
TEST(Click, WithoutStaleResultsEmptiesWhatTheErrorStopped) {
    struct Row {
        const char* name;
        Entries entries;
        std::vector<std::string> results;  // steps/mm, mm/step, distance, distance in mm
        bool fails = true;
    };
    const Row rows[] = {
        {"steps empty", with(Entries{}, [](Entries& e) { e.steps = ""; }), {"", "", "", ""}},
        {"steps 0", with(Entries{}, [](Entries& e) { e.steps = "0"; }),
         {"0.000000000", "", "", ""}},
        {"belt too short", with(halfBelt(), [](Entries& e) { e.belt = "65"; }),
         {"282.352941176", "0.00354167", "", ""}},
        {"direct, belt too short", with(Entries{}, [](Entries& e) { e.belt = "65"; }),
         {"133.333333333", "0.007500000", "", ""}, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        RecordingForm form;
        fill(form, Entries{});
        calculate(form, ".", "", kXlBeltPitch);
        fill(form, row.entries);
        bool failed = false;
        try {
            calculateWithoutStaleResults(form, ".", "", kXlBeltPitch);
        } catch (const CalcError&) {
            failed = true;
        }
        EXPECT_EQ(failed, row.fails);
        const std::vector<std::string> results{
            form.text(Field::StepsPerMm), form.text(Field::MmPerStep),
            form.text(Field::CentreDistance), form.text(Field::CentreDistanceMm)};
        EXPECT_EQ(results, row.results);
        EXPECT_EQ(form.text(Field::MotorSteps), row.entries.steps);
        EXPECT_EQ(form.text(Field::BeltLengthCode), row.entries.belt);
    }
}

TEST(Click, UsesTheGivenSeparatorBothWays) {
    for (const std::string separator : {",", "?", "\xd9\xab"}) {
        SCOPED_TRACE(separator);
        RecordingForm form;
        fill(form, with(halfBelt(), [&](Entries& e) { e.pitch = "3" + separator + "14159"; }));
        calculate(form, separator, ".", kXlBeltPitch);
        EXPECT_EQ(form.text(Field::StepsPerMm), "269" + separator + "627425453");
        EXPECT_EQ(form.text(Field::MmPerStep), "0" + separator + "00370883");
        EXPECT_EQ(form.text(Field::CentreDistanceMm), "83" + separator + "69 mm");
    }
}

// The distance with its unit repeats what the drawing shows, not the number behind it.
TEST(Click, CopiesTheCentreDistanceFromItsField) {
    class NormalisingForm : public MemoryForm {
    public:
        void setText(Field field, std::string_view text) override {
            const std::string shown = field == Field::CentreDistance ? "~" + std::string(text) : std::string(text);
            MemoryForm::setText(field, shown);
        }
    } form;
    calculate(form, ".", ",", kXlBeltPitch);
    EXPECT_EQ(form.text(Field::CentreDistanceMm), "~83.69 mm");
}

TEST(Click, BeltPitchIsAnArgument) {
    MemoryForm form;
    form.setText(Field::MotorTeeth, "20");
    form.setText(Field::ScrewTeeth, "20");
    form.setText(Field::BeltLengthCode, "100");
    calculate(form, ".", ",", 10.0);
    EXPECT_EQ(form.text(Field::CentreDistanceMm), "150.00 mm");
}

}  // namespace
}  // namespace cnc
