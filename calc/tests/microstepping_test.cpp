// SPDX-License-Identifier: GPL-3.0-or-later
// A driver at N microsteps per full step: 1 and 2 must write exactly what
// full and half step write, whatever the entries; other counts their own.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "calc/calc_error.h"
#include "calc/drive_calculation.h"
#include "calc/memory_form.h"

namespace cnc {
namespace {

struct Entries {
    const char* steps = "200";
    const char* pitch = "3";
    const char* screwTeeth = "36";
    Coupling coupling = Coupling::Direct;
};

// Every text written, in order, then the error that stopped the calculation.
struct Outcome {
    std::vector<std::pair<Field, std::string>> writes;
    std::optional<std::pair<ErrorKind, std::optional<Field>>> error;
    friend bool operator==(const Outcome&, const Outcome&) = default;
};

template <class Calculation>
Outcome run(const Entries& entries, SteppingMode mode, Calculation calculation) {
    class Recording : public MemoryForm {
    public:
        void setText(Field field, std::string_view text) override {
            outcome.writes.emplace_back(field, std::string(text));
            MemoryForm::setText(field, text);
        }
        Outcome outcome;
    } form;
    form.MemoryForm::setText(Field::MotorSteps, entries.steps);
    form.MemoryForm::setText(Field::ScrewPitch, entries.pitch);
    form.MemoryForm::setText(Field::ScrewTeeth, entries.screwTeeth);
    form.select(mode);
    form.select(entries.coupling);
    try {
        calculation(form);
    } catch (const CalcError& e) {
        form.outcome.error = {e.kind(), e.field()};
    }
    return form.outcome;
}

TEST(Microstepping, OneAndTwoAreFullAndHalfStep) {
    const Entries rows[] = {
        {},
        {.coupling = Coupling::Belt},
        {.screwTeeth = "17", .coupling = Coupling::Belt},  // half step writes eight decimals
        {.pitch = "3.14159"},
        {.pitch = "-3", .coupling = Coupling::Belt},
        {.steps = "0"},
        {.pitch = "0"},
        {.pitch = "tre"},
        {.screwTeeth = "0", .coupling = Coupling::Belt},
        {.pitch = "1000000000000000"},
        {.steps = "922337203685477.5807"},  // the largest entry: half step overflows
        {.steps = "461168601842738.7903"},  // the largest that half step doubles
        {.steps = "461168601842738.7904"},
    };
    for (const Entries& entries : rows) {
        for (const SteppingMode mode : {SteppingMode::FullStep, SteppingMode::HalfStep}) {
            const int microsteps = mode == SteppingMode::HalfStep ? 2 : 1;
            SCOPED_TRACE(std::string(entries.steps) + " " + entries.pitch + " " +
                         entries.screwTeeth + " x" + std::to_string(microsteps));
            const Outcome byMode =
                run(entries, mode, [](Form& f) { computeSteppingResolution(f, ".", ""); });
            // The stepping mode selected is the other one: it must not be read.
            const SteppingMode other =
                mode == SteppingMode::HalfStep ? SteppingMode::FullStep : SteppingMode::HalfStep;
            const Outcome byCount = run(entries, other, [&](Form& f) {
                computeSteppingResolution(f, ".", "", microsteps);
            });
            EXPECT_EQ(byCount, byMode);
        }
    }
}

TEST(Microstepping, OtherCountsWriteNineDecimals) {
    struct Row {
        Entries entries;
        int microsteps;
        const char* stepsPerMm;
        const char* mmPerStep;  // empty: the error came first
        std::optional<ErrorKind> error = std::nullopt;
    };
    const Row rows[] = {
        {{.pitch = "8"}, 16, "400.000000000", "0.002500000"},
        {{.pitch = "40"}, 16, "80.000000000", "0.012500000"},
        {{.pitch = "3", .coupling = Coupling::Belt}, 16, "2258.823529412", "0.000442708"},
        {{.pitch = "5"}, 256, "10240.000000000", "0.000097656"},
        // The largest count 256 multiplies: the error is the pitch's, after the product.
        {{.steps = "3602879701896.3967", .pitch = "1e"}, 256, "", "", ErrorKind::TypeMismatch},
        {{.steps = "3602879701896.3968"}, 256, "", "", ErrorKind::Overflow},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.entries.steps) + " x" + std::to_string(row.microsteps));
        const Outcome outcome = run(row.entries, SteppingMode::HalfStep, [&](Form& f) {
            computeSteppingResolution(f, ".", "", row.microsteps);
        });
        std::vector<std::pair<Field, std::string>> writes;
        if (*row.stepsPerMm) writes.emplace_back(Field::StepsPerMm, row.stepsPerMm);
        if (*row.mmPerStep) writes.emplace_back(Field::MmPerStep, row.mmPerStep);
        EXPECT_EQ(outcome.writes, writes);
        EXPECT_EQ(outcome.error ? std::optional(outcome.error->first) : std::nullopt, row.error);
    }
}

}  // namespace
}  // namespace cnc
