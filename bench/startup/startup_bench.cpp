// SPDX-License-Identifier: GPL-3.0-or-later
// Times programs from process start to their first frame painted, and takes
// their peak resident memory up to then, in turns: A, B, B, A, A, B, ...
//
//   startup_bench --probe /abs/libfirst_frame_probe.so [--runs 20] [--warmup 2]
//                 [--verbose] NAME=PROGRAM [--arg TEXT ...] NAME=PROGRAM [NAME=PROGRAM ...]
//
// Each --arg is one more argument of the program named before it
// (workbench=/usr/bin/cnc-axis-calc --arg --banco).
// Each program runs with the probe preloaded (see first_frame_probe.cpp),
// which reports the moment of the first frame and VmHWM, then ends it. The
// clock starts just before the process is spawned. The platform is whatever
// QT_QPA_PLATFORM and DISPLAY say. The programs' own output is dropped unless
// --verbose. Prints the medians and the ratios of each program to the last,
// the yardstick: wall-clock start-up, the CPU time it took (user and system,
// which a busy or shared machine disturbs less), and peak resident memory;
// the targets are the first program's, and every other program is also
// compared with the first.

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

extern char** environ;

namespace {

constexpr int kProbeFd = 10;        // the descriptor the child writes to
constexpr int kTimeoutMs = 60'000;  // a program that never paints
constexpr const char* kUsage =
    "usage: startup_bench --probe LIB [--runs N] [--warmup N] [--verbose] NAME=PROGRAM "
    "[--arg TEXT ...] NAME=PROGRAM [NAME=PROGRAM ...]";

struct Program {
    std::string name;
    std::string path;
    std::vector<std::string> arguments{};
    std::vector<double> startupMs{};
    std::vector<double> cpuMs{};
    std::vector<double> peakMib{};
};

struct Sample {
    double startupMs;
    double cpuMs;
    double peakMib;
};

long long monotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

[[noreturn]] void fail(const std::string& message) {
    std::fprintf(stderr, "startup_bench: %s\n", message.c_str());
    std::exit(1);
}

Sample runOnce(const Program& program, const std::string& probe, bool verbose) {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) fail("pipe: " + std::string(std::strerror(errno)));

    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e) {
        if (std::strncmp(*e, "LD_PRELOAD=", 11) != 0 &&
            std::strncmp(*e, "CNC_FIRST_FRAME_FD=", 19) != 0) {
            env.emplace_back(*e);
        }
    }
    env.push_back("LD_PRELOAD=" + probe);
    env.push_back("CNC_FIRST_FRAME_FD=" + std::to_string(kProbeFd));
    std::vector<char*> envp;
    for (std::string& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string path = program.path;
    std::vector<std::string> arguments = program.arguments;
    std::vector<char*> argv{path.data()};
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // dup2 clears close-on-exec on the copy: only the write end reaches the child.
    posix_spawn_file_actions_adddup2(&actions, fds[1], kProbeFd);
    if (!verbose) {
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    }

    const long long start = monotonicNanoseconds();
    pid_t child = 0;
    const int spawned =
        posix_spawn(&child, path.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (spawned != 0) fail(path + ": " + std::strerror(spawned));

    std::string report;
    pollfd readable{fds[0], POLLIN, 0};
    for (;;) {
        const int ready = poll(&readable, 1, kTimeoutMs);
        if (ready == 0) {
            kill(child, SIGKILL);
            fail(program.name + " painted nothing within a minute");
        }
        if (ready < 0 && errno == EINTR) continue;
        char buffer[128];
        const ssize_t n = read(fds[0], buffer, sizeof buffer);
        if (n <= 0) break;
        report.append(buffer, static_cast<std::size_t>(n));
    }
    close(fds[0]);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const auto ms = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
    };

    long long paintedAt = 0;
    long long peakKib = 0;
    if (std::sscanf(report.c_str(), "%lld %lld", &paintedAt, &peakKib) != 2 || peakKib <= 0) {
        fail(program.name + " ended without reporting a first frame (status " +
             std::to_string(status) + "); --verbose shows its output");
    }
    return {static_cast<double>(paintedAt - start) / 1e6, ms(usage.ru_utime) + ms(usage.ru_stime),
            static_cast<double>(peakKib) / 1024.0};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

void printRow(const Program& p) {
    const auto [tMin, tMax] = std::minmax_element(p.startupMs.begin(), p.startupMs.end());
    const auto [mMin, mMax] = std::minmax_element(p.peakMib.begin(), p.peakMib.end());
    std::printf("%-16s %9.1f %7.1f %7.1f   %9.1f   %9.1f %7.1f %7.1f\n", p.name.c_str(),
                median(p.startupMs), *tMin, *tMax, median(p.cpuMs), median(p.peakMib), *mMin,
                *mMax);
}

}  // namespace

int main(int argc, char* argv[]) {
    std::string probe;
    int runs = 20;
    int warmup = 2;
    bool verbose = false;
    std::vector<Program> programs;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--probe" && i + 1 < argc) {
            probe = argv[++i];
        } else if (arg == "--runs" && i + 1 < argc) {
            runs = std::atoi(argv[++i]);
        } else if (arg == "--warmup" && i + 1 < argc) {
            warmup = std::atoi(argv[++i]);
        } else if (arg == "--verbose") {
            verbose = true;
        } else if (arg == "--arg" && i + 1 < argc && !programs.empty()) {
            programs.back().arguments.emplace_back(argv[++i]);
        } else if (const auto eq = arg.find('='); eq != std::string::npos && eq > 0) {
            programs.push_back(Program{.name = arg.substr(0, eq), .path = arg.substr(eq + 1)});
        } else {
            fail(kUsage);
        }
    }
    if (probe.empty() || programs.size() < 2 || runs < 1 || warmup < 0) fail(kUsage);
    if (probe.front() != '/') fail("--probe needs an absolute path (LD_PRELOAD)");

    // Warm-up turns fill the page cache and the font cache; they are not counted.
    // Every other turn runs the programs in reverse order (A, B, B, A, ...):
    // where a program starts in a turn shifted the bare window's median by a
    // fifth in either direction on a shared machine.
    for (int turn = 0; turn < warmup + runs; ++turn) {
        for (std::size_t i = 0; i < programs.size(); ++i) {
            Program& program = programs[turn % 2 == 0 ? i : programs.size() - 1 - i];
            const Sample sample = runOnce(program, probe, verbose);
            if (turn < warmup) continue;
            program.startupMs.push_back(sample.startupMs);
            program.cpuMs.push_back(sample.cpuMs);
            program.peakMib.push_back(sample.peakMib);
        }
    }

    const char* platform = std::getenv("QT_QPA_PLATFORM");
    std::printf("platform %s, %d runs each in turns after %d warm-up turns\n",
                platform != nullptr ? platform : "(Qt's default)", runs, warmup);
    std::printf("%-16s %9s %7s %7s   %9s   %9s %7s %7s\n", "", "start-up", "min", "max", "CPU time",
                "peak RSS", "min", "max");
    std::printf("%-16s %9s %7s %7s   %9s   %9s %7s %7s\n", "program", "median ms", "ms", "ms",
                "median ms", "median MiB", "MiB", "MiB");
    for (const Program& p : programs) printRow(p);
    const Program& yardstick = programs.back();
    const Program& first = programs.front();
    const auto ratio = [](const Program& p, const Program& q,
                          std::vector<double> Program::*figure) {
        return median(p.*figure) / median(q.*figure);
    };
    for (const Program& p : programs) {
        if (&p == &yardstick) continue;
        const double startupRatio = ratio(p, yardstick, &Program::startupMs);
        const double memoryRatio = ratio(p, yardstick, &Program::peakMib);
        std::printf("ratio %s / %s: start-up %.3fx", p.name.c_str(), yardstick.name.c_str(),
                    startupRatio);
        const bool judged = &p == &first;
        if (judged) std::printf(" (target <= 1.15x, %s)", startupRatio <= 1.15 ? "met" : "MISSED");
        std::printf(", CPU time %.3fx, peak RSS %.3fx", ratio(p, yardstick, &Program::cpuMs),
                    memoryRatio);
        if (judged) std::printf(" (target <= 1.10x, %s)", memoryRatio <= 1.10 ? "met" : "MISSED");
        std::printf("\n");
        if (judged) continue;
        std::printf("ratio %s / %s: start-up %.3fx, CPU time %.3fx, peak RSS %.3fx\n",
                    p.name.c_str(), first.name.c_str(), ratio(p, first, &Program::startupMs),
                    ratio(p, first, &Program::cpuMs), ratio(p, first, &Program::peakMib));
    }
    return 0;
}
