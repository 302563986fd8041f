// One press of "calcola" over a form in memory: both stages, all four result
// texts. Run: build/bin/calc_bench --benchmark_repetitions=10

#include <benchmark/benchmark.h>

#include "calc/drive_calculation.h"
#include "calc/memory_form.h"

namespace {

void wholeClick(benchmark::State& state, int stepping, int coupling) {
    cnc::MemoryForm form;
    form.select(cnc::OptionArray::Option1, stepping);
    form.select(cnc::OptionArray::Option2, coupling);
    for (auto _ : state) {
        cnc::calculate(form, ",", cnc::kXlBeltPitch);
        benchmark::DoNotOptimize(form);
    }
}

void failingClick(benchmark::State& state) {
    cnc::MemoryForm form;
    form.setText(cnc::Field::Text9, "65");  // belt too short: raises after three results
    for (auto _ : state) {
        try {
            cnc::calculate(form, ",", cnc::kXlBeltPitch);
        } catch (const std::exception& error) {
            benchmark::DoNotOptimize(error.what());
        }
    }
}

}  // namespace

BENCHMARK_CAPTURE(wholeClick, half_step_direct, cnc::kHalfStep, cnc::kDirectCoupling);
BENCHMARK_CAPTURE(wholeClick, full_step_belt, cnc::kFullStep, cnc::kBeltCoupling);
BENCHMARK(failingClick);
