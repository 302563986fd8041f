// SPDX-License-Identifier: GPL-3.0-or-later
// One press of "calcola" over a form in memory: both stages, all four result
// texts. Run: build/bin/calc_bench --benchmark_repetitions=10

#include <benchmark/benchmark.h>

#include "calc/drive_calculation.h"
#include "calc/memory_form.h"

namespace {

void wholeClick(benchmark::State& state, cnc::SteppingMode stepping, cnc::Coupling coupling) {
    cnc::MemoryForm form;
    form.select(stepping);
    form.select(coupling);
    for (auto _ : state) {
        cnc::calculate(form, ",", ".", cnc::kXlBeltPitch);
        benchmark::DoNotOptimize(form);
    }
}

void failingClick(benchmark::State& state) {
    cnc::MemoryForm form;
    form.setText(cnc::Field::BeltLengthCode, "65");  // belt too short: raises after three results
    for (auto _ : state) {
        try {
            cnc::calculate(form, ",", ".", cnc::kXlBeltPitch);
        } catch (const std::exception& error) {
            benchmark::DoNotOptimize(error.what());
        }
    }
}

}  // namespace

BENCHMARK_CAPTURE(wholeClick, half_step_direct, cnc::SteppingMode::HalfStep, cnc::Coupling::Direct);
BENCHMARK_CAPTURE(wholeClick, full_step_belt, cnc::SteppingMode::FullStep, cnc::Coupling::Belt);
BENCHMARK(failingClick);
