// SPDX-License-Identifier: GPL-3.0-or-later
// A machine of six axes answered: its file read, every axis computed and the
// firmware's block made; then the whole command line in process, file and
// printing included. Run: build/bin/machine_bench --benchmark_repetitions=10

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <variant>

#include "cli/command_line.h"
#include "cli/machine_answer.h"
#include "cli/machine_file.h"

namespace {

// X and Y on belts, Z on a screw, A through a 90:1 worm, B through two
// stages, C on a wheel; every axis with its largest rate.
constexpr const char* kSixAxes = R"(firmware = "linuxcnc"
[asse.X]
micropassi = 16
puleggia-asse = 20
profilo-cinghia = "GT2"
frequenza-max = 40
[asse.Y]
micropassi = 16
puleggia-asse = 20
profilo-cinghia = "GT2"
giunto = "1,2"
frequenza-max = 40
[asse.Z]
micropassi = 8
passo-vite = 5
frequenza-max = 40
[asse.A]
rotativo = true
micropassi = 16
rapporto = "90:1"
frequenza-max = 40
[asse.B]
rotativo = true
micropassi = 16
rapporto = "57:11, 2:1"
frequenza-max = 40
[asse.C]
micropassi = 32
rapporto = "50:17"
diametro-ruota = 7.3
frequenza-max = 40
)";

void answerSixAxes(benchmark::State& state, const char* firmware) {
    for (auto _ : state) {
        const auto reading = cnc::cli::readMachineText(kSixAxes, "macchina.toml");
        const auto answer = cnc::cli::answerMachine(std::get<cnc::cli::Machine>(reading),
                                                    "macchina.toml", cnc::firmwareNamed(firmware),
                                                    ".", "");
        benchmark::DoNotOptimize(cnc::cli::machineResultLines(answer, "."));
        if (answer.status != 0) state.SkipWithError(answer.problems.front().message.c_str());
    }
}

void commandLine(benchmark::State& state) {
    const std::string path = "/tmp/machine_bench.toml";
    std::ofstream(path) << kSixAxes;
    for (auto _ : state) {
        std::ostringstream out;
        std::ostringstream err;
        const int status =
            cnc::cli::runCommandLine({"--macchina", path}, {".", ""}, out, err);
        if (status != 0) state.SkipWithError(err.str().c_str());
        benchmark::DoNotOptimize(out.str());
    }
    std::remove(path.c_str());
}

}  // namespace

BENCHMARK_CAPTURE(answerSixAxes, linuxcnc, "linuxcnc");
BENCHMARK_CAPTURE(answerSixAxes, grblhal, "grblhal");
BENCHMARK_CAPTURE(answerSixAxes, reprapfirmware, "reprapfirmware");
BENCHMARK(commandLine);
