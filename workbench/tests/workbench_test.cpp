// SPDX-License-Identifier: GPL-3.0-or-later
// The workbench against the command line it stands for: the same lines for
// the same options, its state in an address and in arguments, and where an
// input that cannot be used is marked.

#include "workbench/workbench.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "calc/belt_axis.h"
#include "calc/decimal_text.h"
#include "cli/command_line.h"

namespace cnc::workbench {
namespace {

// What the command line prints for the state's options.
std::string commandLineOutput(const State& state, const cli::Separators& separators) {
    std::ostringstream out;
    std::ostringstream err;
    cli::runCommandLine(argumentsOf(state), separators, out, err);
    return out.str();
}

// The lines a view shows: a result only under a label it has a field for.
std::string shown(const Evaluation& evaluation) {
    const auto labels = resultLabels();
    std::string lines;
    for (const Result& result : evaluation.results) {
        if (std::find(labels.begin(), labels.end(), result.label) == labels.end()) continue;
        lines += result.label + ": " + result.value + "\n";
    }
    for (const std::string& line : evaluation.firmwareLines) lines += line + "\n";
    return lines;
}

const State kGt2Pulley{{"micropassi", "16"}, {"puleggia-asse", "20"},
                       {"profilo-cinghia", "GT2"}, {"firmware", "klipper"}};
const State kRouter{{"passi", "200"},  {"micropassi", "8"}, {"passo-vite", "5"},
                    {"ingranaggi", ""}, {"motore", "20"},   {"vite", "60"},
                    {"cinta", "200"},  {"firmware", "grbl"}, {"asse", "XY"}};
const State kHalfDegree{{"angolo-passo", "0.9"}, {"micropassi", "16"}, {"passo-vite", "8"},
                        {"firmware", "marlin"}, {"asse", "Z"}};
const State kT8x8{{"micropassi", "16"}, {"passo-vite", "2"}, {"principi", "4"},
                  {"strato", "0.2"}, {"velocita", "50"}, {"firmware", "reprapfirmware"},
                  {"asse", "Z"}};
const State kAcme{{"micropassi", "8"}, {"filetti-pollice", "10"}, {"pollici", ""},
                  {"frequenza-max", "40"}, {"firmware", "linuxcnc"}};

TEST(Workbench, ShowsWhatTheCommandLinePrints) {
    for (const State& state : {kGt2Pulley, kRouter, kHalfDegree, kT8x8, kAcme}) {
        for (const cli::Separators& separators : {cli::Separators{".", ","}, {",", "."}}) {
            SCOPED_TRACE(addressOf(state) + " " + separators.decimal);
            EXPECT_EQ(shown(evaluate(state, separators.decimal, separators.group)),
                      commandLineOutput(state, separators));
        }
    }
}

// The calibration is a question of its own, after the drive's answers.
TEST(Workbench, CalibratesAsItsOwnQuestion) {
    const State state{{"micropassi", "16"}, {"passo-vite", "8"}, {"firmware", "marlin"},
                      {"attuali", "400"}, {"comandati", "100"}, {"misurati", "99,5"}};
    const cli::Separators comma{",", "."};
    std::ostringstream out;
    std::ostringstream err;
    cli::runCommandLine({"--calibra", "--attuali=400", "--comandati=100", "--misurati=99,5",
                         "--firmware=marlin"},
                        comma, out, err);
    const State drive(state.begin(), state.begin() + 3);
    std::string drivePart = commandLineOutput(drive, comma);
    const std::string driveLines = drivePart.substr(0, drivePart.find("M92"));
    const std::string firmware = drivePart.substr(drivePart.find("M92"));
    const std::string calibration = out.str();
    const std::size_t lines = calibration.find("M92");
    EXPECT_EQ(shown(evaluate(state, ",", ".")), driveLines + calibration.substr(0, lines) +
                                                    firmware + calibration.substr(lines));
}

// A link may spell the firmware as its makers do; its calibration still
// names the microstepping.
TEST(Workbench, CalibratesForRepRapFirmwareInAnyCase) {
    for (const char* firmware : {"reprapfirmware", "RepRapFirmware"}) {
        const State state{{"micropassi", "16"}, {"passo-vite", "8"}, {"firmware", firmware},
                          {"attuali", "400"}, {"comandati", "100"}, {"misurati", "99.5"}};
        const Evaluation evaluation = evaluate(state, ".", "");
        EXPECT_TRUE(evaluation.errors.empty()) << firmware;
        ASSERT_FALSE(evaluation.firmwareLines.empty()) << firmware;
        EXPECT_TRUE(evaluation.firmwareLines.back().ends_with(" S16")) << firmware;
    }
}

TEST(Workbench, StateInAnAddressAndInArguments) {
    struct Row {
        State state;
        const char* address;
        std::vector<std::string> arguments;
    };
    const Row rows[] = {
        {kGt2Pulley, "micropassi=16&puleggia-asse=20&profilo-cinghia=GT2&firmware=klipper",
         {"--micropassi=16", "--puleggia-asse=20", "--profilo-cinghia=GT2", "--firmware=klipper"}},
        {{{"ingranaggi", ""}, {"passo-vite", "2,5"}}, "ingranaggi&passo-vite=2%2C5",
         {"--ingranaggi", "--passo-vite=2,5"}},
        {{{"passi", "a b&c=d%"}}, "passi=a%20b%26c%3Dd%25", {"--passi=a b&c=d%"}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(addressOf(row.state), row.address);
        EXPECT_EQ(stateOfAddress(row.address), row.state);
        EXPECT_EQ(argumentsOf(row.state), row.arguments);
        EXPECT_EQ(stateOfArguments(row.arguments), row.state);
    }
    EXPECT_EQ(stateOfArguments({"--micropassi", "16", "--ingranaggi"}),
              (State{{"micropassi", "16"}, {"ingranaggi", ""}}));
    EXPECT_EQ(stateOfArguments({"--velocita-luce", "1"}), std::nullopt);
    EXPECT_EQ(stateOfArguments({"--micropassi"}), std::nullopt);
}

// The entries a state gives hold its options, and answer the same: what a
// link reopens (the inputs it leaves out show their initial texts).
TEST(Workbench, EntriesOfAStateAnswerTheSame) {
    for (const State& state : {kGt2Pulley, kRouter, kHalfDegree, kT8x8, kAcme}) {
        SCOPED_TRACE(addressOf(state));
        const auto entries = entriesOf(state);
        ASSERT_TRUE(entries);
        const State again = stateOf(*entries);
        for (const auto& pair : state) EXPECT_NE(std::ranges::find(again, pair), again.end());
        EXPECT_EQ(shown(evaluate(again, ".", "")), shown(evaluate(state, ".", "")));
    }
    EXPECT_EQ(entriesOf({{"profilo-cinghia", "2.5"}}), std::nullopt);  // no alternative for it
}

// A bad input is marked with the command line's message; what does not
// depend on it is still answered.
TEST(Workbench, MarksTheInputThatCannotBeUsed) {
    struct Row {
        State state;
        const char* input;
        const char* messagePart;
        std::size_t results;  // still shown
    };
    const Row rows[] = {
        {{{"micropassi", "300"}, {"passo-vite", "8"}}, "micropassi", "da 1 a 256", 0},
        {{{"passi", "1.8"}, {"micropassi", "16"}}, "passi", "numero intero", 0},
        {{{"micropassi", "1"}, {"passo-vite", "400"}, {"firmware", "reprapfirmware"},
          {"asse", "X"}},
         "firmware", "RepRapFirmware porta a 1", 3},
        {{{"micropassi", "16"}, {"ingranaggi", ""}, {"motore", "20"}, {"vite", "60"},
          {"cinta", "100"}},
         "cinta", "troppo corta", 2},
        // a question of its own fails alone
        {{{"micropassi", "16"}, {"passo-vite", "8"}, {"strato", "0"}, {"velocita", "50"}},
         "strato", "--strato", 4},
        {{{"micropassi", "16"}, {"passo-vite", "8"}, {"attuali", "-1"}, {"comandati", "100"},
          {"misurati", "99"}},
         "attuali", "--attuali", 3},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.input);
        const Evaluation evaluation = evaluate(row.state, ".", "");
        ASSERT_EQ(evaluation.errors.size(), 1u);
        EXPECT_EQ(evaluation.errors[0].first, row.input);
        EXPECT_NE(evaluation.errors[0].second.find(row.messagePart), std::string::npos)
            << evaluation.errors[0].second;
        EXPECT_EQ(evaluation.results.size(), row.results);
    }
}

// Every input has the words a screen reader says and a section; every text
// shown by a choice is one of the inputs.
TEST(Workbench, InputsAreDescribed) {
    for (const Input& input : inputs()) {
        EXPECT_FALSE(input.label.empty());
        EXPECT_FALSE(input.description.empty()) << input.key;
        EXPECT_FALSE(input.section.empty()) << input.key;
        EXPECT_EQ(inputNamed(input.key), &input);
    }
    EXPECT_EQ(stateOf(initialEntries()),
              (State{{"passi", "200"}, {"micropassi", "16"}, {"passo-vite", "8"},
                     {"principi", "1"}}));
}

// What folds and what the summary shows name real sections and results: a
// name that matched none would silently fold or summarise nothing.
TEST(Workbench, FoldsAndSummarisesWhatExists) {
    for (const std::string_view section : foldedSections()) {
        EXPECT_TRUE(std::any_of(inputs().begin(), inputs().end(),
                                [&](const Input& input) { return input.section == section; }))
            << section;
    }
    const auto labels = resultLabels();
    for (const std::string_view label : summaryLabels()) {
        EXPECT_NE(std::find(labels.begin(), labels.end(), label), labels.end()) << label;
    }
}

// The belt profiles offered are the calculation's own, each captioned with
// its pitch.
TEST(Workbench, OffersTheCalculationsBeltProfiles) {
    const Input* profile = inputNamed("profilo");
    ASSERT_NE(profile, nullptr);
    ASSERT_EQ(profile->alternatives.size(), kBeltProfiles.size());
    for (std::size_t i = 0; i < kBeltProfiles.size(); ++i) {
        const BeltProfile& belt = kBeltProfiles[i];
        std::string pitch = entryValueText(belt.pitch);
        std::replace(pitch.begin(), pitch.end(), '.', ',');
        EXPECT_EQ(profile->alternatives[i].value, belt.name);
        EXPECT_EQ(profile->alternatives[i].label, std::string(belt.name) + " (" + pitch + " mm)");
    }
}

}  // namespace
}  // namespace cnc::workbench
