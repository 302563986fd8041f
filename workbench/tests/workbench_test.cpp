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
                  {"strato", "0.008"}, {"velocita", "1.5"}, {"frequenza-max", "40"},
                  {"firmware", "linuxcnc"}};
const State kThreeStartsPerInch{{"micropassi", "16"}, {"filetti-pollice", "8"}, {"principi", "3"},
                                {"ingranaggi", ""}, {"firmware", "klipper"}, {"asse", "E"}};
const State kExtruder{{"micropassi", "16"}, {"diametro-ruota", "7.3"}, {"rapporto", "50:17"},
                      {"firmware", "klipper"}, {"asse", "E"}};
const State kGantryRack{{"micropassi", "8"}, {"denti-pignone", "20"}, {"modulo", "1.5"},
                        {"firmware", "linuxcnc"}, {"asse", "Y"}, {"giunto", "1,2"}};
const State kRackByPitch{{"denti-pignone", "25"}, {"passo-cremagliera", "5"},
                         {"firmware", "grblhal"}};
const State kKnownSteps{{"micropassi", "16"}, {"step-mm", "93"}, {"firmware", "klipper"},
                        {"asse", "E"}};
const State kRotaryTable{{"micropassi", "16"}, {"rotativo", ""}, {"rapporto", "90:1"},
                         {"frequenza-max", "40"}, {"firmware", "linuxcnc"}};
const State kDrives[] = {kGt2Pulley, kRouter, kHalfDegree, kT8x8, kAcme, kThreeStartsPerInch,
                         kExtruder, kGantryRack, kRackByPitch, kKnownSteps, kRotaryTable,
                         {}, {{"passi", "400"}, {"passo-vite", "1.25"}},
                         // given twice, the last counts: one start, the window's own drive
                         {{"principi", "2"}, {"principi", "1"}}};

TEST(Workbench, ShowsWhatTheCommandLinePrints) {
    for (const State& state : kDrives) {
        for (const cli::Separators& separators : {cli::Separators{".", ","}, {",", "."}}) {
            SCOPED_TRACE(addressOf(state, ".") + " " + separators.decimal);
            EXPECT_EQ(shown(evaluate(state, separators.decimal, separators.group)),
                      commandLineOutput(state, separators));
        }
    }
}

// The calibration is a question of its own, after the drive's answers; its
// lines, for the drive's axis, take the place of the drive's.
TEST(Workbench, CalibratesAsItsOwnQuestion) {
    const cli::Separators comma{",", "."};
    const State drives[] = {
        {{"micropassi", "16"}, {"passo-vite", "8"}, {"firmware", "marlin"}, {"asse", "Z"}},
        {{"micropassi", "16"}, {"puleggia-asse", "20"}, {"profilo-cinghia", "GT2"},
         {"firmware", "klipper"}, {"asse", "E"}},
    };
    const State figures[] = {
        {{"attuali", "400"}, {"comandati", "100"}, {"misurati", "99,5"}},
        {{"rotation-distance", "22"}, {"comandati", "100"}, {"misurati", "99"}},
    };
    for (std::size_t i = 0; i < std::size(drives); ++i) {
        State state = drives[i];
        state.insert(state.end(), figures[i].begin(), figures[i].end());
        State calibration{{"calibra", ""}};
        calibration.insert(calibration.end(), figures[i].begin(), figures[i].end());
        calibration.insert(calibration.end(), drives[i].end() - 2, drives[i].end());
        const std::string drive = commandLineOutput(drives[i], comma);
        const std::string driveResults = drive.substr(0, drive.find(i == 0 ? "M92" : "[extruder]"));
        EXPECT_EQ(shown(evaluate(state, ",", ".")),
                  driveResults + commandLineOutput(calibration, comma));
    }
}

// An inch machine's calibration: its distances in inches, its LinuxCNC
// SCALE per inch, as the drive's.
TEST(Workbench, CalibratesAnInchMachine) {
    const State figures{{"attuali", "629.92126"}, {"comandati", "4"}, {"misurati", "4.04"}};
    State state = kAcme;
    state.insert(state.end(), figures.begin(), figures.end());
    State calibration{{"calibra", ""}, {"pollici", ""}, {"firmware", "linuxcnc"}};
    calibration.insert(calibration.end(), figures.begin(), figures.end());
    const cli::Separators dot{".", ""};
    const std::string drive = commandLineOutput(kAcme, dot);
    const std::string calibrated = commandLineOutput(calibration, dot);
    EXPECT_NE(calibrated.find("SCALE = 15841.5841"), std::string::npos) << calibrated;
    EXPECT_EQ(shown(evaluate(state, ".", "")),
              drive.substr(0, drive.find("[JOINT_0]")) + calibrated);
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
        const char* separator;
        const char* address;
        std::vector<std::string> arguments;
    };
    const Row rows[] = {
        {kGt2Pulley, ".", "micropassi=16&puleggia-asse=20&profilo-cinghia=GT2&firmware=klipper",
         {"--micropassi=16", "--puleggia-asse=20", "--profilo-cinghia=GT2", "--firmware=klipper"}},
        {{{"ingranaggi", ""}, {"passo-vite", "2,5"}}, ",", "ingranaggi&passo-vite=2.5",
         {"--ingranaggi", "--passo-vite=2,5"}},
        // a separator that is no decimal separator stays what it is
        {{{"passo-vite", "3.175"}, {"velocita", "1,5"}}, ",", "passo-vite=3%2E175&velocita=1.5",
         {"--passo-vite=3.175", "--velocita=1,5"}},
        {{{"passo-vite", "1,000"}}, ".", "passo-vite=1%2C000", {"--passo-vite=1,000"}},
        {{{"passi", "a b&c=d%"}}, ".", "passi=a%20b%26c%3Dd%25", {"--passi=a b&c=d%"}},
        {{{"passi", "+8"}, {"asse", "x~"}}, ".", "passi=%2B8&asse=x%7E",
         {"--passi=+8", "--asse=x~"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.address);
        EXPECT_EQ(addressOf(row.state, row.separator), row.address);
        EXPECT_EQ(stateOfAddress(row.address, row.separator), row.state);
        EXPECT_EQ(argumentsOf(row.state), row.arguments);
        EXPECT_EQ(stateOfArguments(row.arguments), row.state);
    }
    EXPECT_EQ(stateOfArguments({"--micropassi", "16", "--ingranaggi"}),
              (State{{"micropassi", "16"}, {"ingranaggi", ""}}));
    // English names are the same options, kept by their Italian names.
    EXPECT_EQ(stateOfArguments({"--microsteps", "16", "--lead=8", "--belt-reduction"}),
              (State{{"micropassi", "16"}, {"passo-vite", "8"}, {"ingranaggi", ""}}));
    EXPECT_EQ(stateOfArguments({"--velocita-luce", "1"}), std::nullopt);
    EXPECT_EQ(stateOfArguments({"--micropassi"}), std::nullopt);
}

// A link is read in the reader's language: a bare '.' or ',' of a number is
// the reader's separator, a '+' a plus; one with an empty or unknown option
// is no link at all.
TEST(Workbench, ReadsAnyLink) {
    struct Row {
        const char* address;
        const char* separator;
        std::optional<State> state;
    };
    const Row rows[] = {
        {"velocita=30,5&asse=x,y", ".", State{{"velocita", "30.5"}, {"asse", "x,y"}}},
        {"velocita=30.5", ",", State{{"velocita", "30,5"}}},
        {"passi=+8", ".", State{{"passi", "+8"}}},
        {"ingranaggi=1&&micropassi=16&", ".", State{{"ingranaggi", ""}, {"micropassi", "16"}}},
        {"microsteps=16&lead=8&axis=Z", ".",
         State{{"micropassi", "16"}, {"passo-vite", "8"}, {"asse", "Z"}}},
        {"firmware=klipper&=", ".", std::nullopt},
        {"velocita-luce=1", ".", std::nullopt},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(stateOfAddress(row.address, row.separator), row.state) << row.address;
    }
}

// The entries a state gives hold its options and nothing more: what a link
// reopens, and what an edit then writes (the inputs it leaves out are empty).
TEST(Workbench, EntriesOfAStateHoldItWhole) {
    const State emptiedTeeth{{"puleggia-asse", ""}, {"profilo-cinghia", "GT2"}};
    for (const State& state : {kGt2Pulley, kRouter, kHalfDegree, kT8x8, kAcme,
                               kThreeStartsPerInch, kExtruder, kGantryRack, kRackByPitch,
                               kKnownSteps, kRotaryTable, emptiedTeeth, State{}}) {
        SCOPED_TRACE(addressOf(state, "."));
        const auto entries = entriesOf(state);
        ASSERT_TRUE(entries);
        State again = stateOf(*entries);
        State sorted = state;
        std::ranges::sort(again);
        std::ranges::sort(sorted);
        EXPECT_EQ(again, sorted);
    }
    EXPECT_EQ(entriesOf({{"profilo-cinghia", "2.5"}}), std::nullopt);  // no alternative for it
}

// A bad input is marked, in the workbench's words; what does not depend on
// it is still answered.
TEST(Workbench, MarksTheInputThatCannotBeUsed) {
    struct Row {
        State state;
        std::vector<std::string> inputs;  // each error's input to blame
        const char* message;              // a part of the first error's
        std::vector<std::string> results;  // the labels still answered
        const char* separator = ".";
    };
    const std::vector<std::string> steps{"Step/mm", "Risoluzione del passo (mm)"};
    const State screw{{"micropassi", "16"}, {"passo-vite", "8"}};
    const auto with = [](State state, const State& more) {
        state.insert(state.end(), more.begin(), more.end());
        return state;
    };
    const Row rows[] = {
        {{{"micropassi", "300"}, {"passo-vite", "8"}}, {"micropassi"},
         "«Micropassi» vuole un numero intero da 1 a 256, non «300»", {}},
        {{{"passi", "1.8"}, {"micropassi", "16"}}, {"passi"},
         "in «Passi per giro»: i passi per giro", {}},
        {{{"ingranaggi", ""}, {"vite", "0"}}, {"vite"},
         "Divisione per zero in «Denti della puleggia condotta»", {"Step/mm"}},
        {with(screw, {{"frequenza-max", "veloce"}}), {"frequenza-max"},
         "«Frequenza massima dei passi (kHz)» vuole un numero", steps},
        {{{"puleggia-asse", ""}, {"profilo-cinghia", "GT2"}}, {"puleggia-asse"},
         "«Denti della puleggia dell'asse» vuole un numero intero", {}},
        {{{"micropassi", "16"}, {"ingranaggi", ""}, {"motore", "20"}, {"vite", "60"},
          {"cinta", "100"}},
         {"cinta"}, "in «Cinghia XL della riduzione»: la cinta è troppo corta", steps},
        // the firmware or its axis stops only the lines
        {{{"micropassi", "1"}, {"passo-vite", "400"}, {"firmware", "reprapfirmware"},
          {"asse", "X"}},
         {"firmware"}, "RepRapFirmware porta a 1", steps},
        {with(screw, {{"firmware", "grbl"}, {"asse", "A"}}), {"asse"},
         "grbl non ha righe per l'asse A", steps},
        {with(screw, {{"passi", "202"}, {"firmware", "klipper"}}), {"firmware"}, "multipli di 4",
         steps},
        // a question of its own stops alone, however many do
        {with(screw, {{"strato", "0"}, {"velocita", "50"}}), {"strato"},
         "«Altezza dello strato (mm)» vuole un numero maggiore di zero",
         {"Step/mm", "Risoluzione del passo (mm)", "Frequenza dei passi"}},
        {with(screw, {{"velocita", "0"}, {"frequenza-max", "40"}}), {"velocita"},
         "«Velocità (mm/s)»", {"Step/mm", "Risoluzione del passo (mm)", "Velocità massima"}},
        {with(screw, {{"pollici", ""}, {"strato", "-1"}}), {"strato"},
         "«Altezza dello strato (pollici)» vuole",
         {"Step/mm", "Risoluzione del passo (mm)", "Step/pollice",
          "Risoluzione del passo (pollici)"}},
        {{{"strato", "0"}, {"velocita", "0"}}, {"strato", "velocita"}, "«Altezza", steps},
        {with(screw, {{"strato", "0"}, {"velocita", "0"}, {"frequenza-max", "0"}}),
         {"strato", "velocita", "frequenza-max"}, "«Altezza", steps},
        {{{"velocita", "1"}, {"strato", "0"}, {"velocita", "0"}}, {"strato", "velocita"},
         "«Altezza", steps},
        // the centre distance depends on the pulleys and the belt alone
        {{{"micropassi", "3,5"}, {"ingranaggi", ""}}, {"micropassi"}, "«Micropassi»",
         {"Interasse"}},
        {{{"principi", "1,5"}, {"ingranaggi", ""}, {"cinta", "200"}}, {"principi"},
         "«Principi» vuole i principi", {"Interasse"}},
        {{{"passo-vite", "3.175"}, {"ingranaggi", ""}}, {"passo-vite"},
         "in «Passo della vite (mm)»", {"Interasse"}, ","},
        {{{"micropassi", "3,5"}, {"passo-vite", "8"}}, {"micropassi"}, "«Micropassi»", {}},
        // the calibration's own inputs
        {with(screw, {{"attuali", "-1"}, {"comandati", "100"}, {"misurati", "99"}}),
         {"attuali"}, "«Step/mm attuali» vuole un numero maggiore di zero", steps},
        {{{"passo-vite", "8"}, {"firmware", "reprapfirmware"}, {"attuali", "80"},
          {"comandati", "100"}, {"misurati", "99"}},
         {"micropassi"}, "reprapfirmware vuole «Micropassi»",
         {"Step/mm", "Risoluzione del passo (mm)", "Step/mm corretti", "Correzione"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(addressOf(row.state, row.separator));
        const bool comma = row.separator == std::string_view(",");
        const Evaluation evaluation = evaluate(row.state, row.separator, comma ? "." : "");
        std::vector<std::string> inputs;
        for (const Error& error : evaluation.errors) {
            inputs.push_back(error.options.empty() ? "" : error.options.front());
        }
        EXPECT_EQ(inputs, row.inputs);
        ASSERT_FALSE(evaluation.errors.empty());
        EXPECT_NE(evaluation.errors[0].message.find(row.message), std::string::npos)
            << evaluation.errors[0].message;
        std::vector<std::string> results;
        for (const Result& result : evaluation.results) results.push_back(result.label);
        EXPECT_EQ(results, row.results);
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
    EXPECT_EQ(stateOf(initialEntries()), State{});
}

// A placeholder is the command line's default: giving it changes nothing.
TEST(Workbench, PlaceholdersAreTheCommandLinesDefaults) {
    const State context{{"ingranaggi", ""}, {"firmware", "marlin"}};
    const std::string answer = shown(evaluate(context, ".", ""));
    for (const Input& input : inputs()) {
        if (input.placeholder.empty()) continue;
        State state = context;
        state.emplace_back(std::string(input.key), std::string(input.placeholder));
        EXPECT_EQ(shown(evaluate(state, ".", "")), answer) << input.key;
    }
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

// A common drive fills its inputs and shows them, and is then the one shown;
// the list is offered while the axis moves as one of them moves it.
TEST(Workbench, CommonDrivesFillWhatTheyName) {
    const auto drives = commonDrives();
    for (std::size_t i = 0; i < drives.size(); ++i) {
        EXPECT_EQ(driveShown(withDrive(initialEntries(), drives[i])), i) << drives[i].label;
    }
    State extruder = stateOf(withDrive(initialEntries(), drives.back()));
    std::ranges::sort(extruder);
    EXPECT_EQ(extruder, (State{{"diametro-ruota", "7.3"}, {"micropassi", "16"}, {"rapporto", "50:17"}}));
    const struct {
        State state;
        bool offered;
    } rows[] = {{{}, true}, {kExtruder, true}, {kGt2Pulley, false}, {kRotaryTable, false}};
    for (const auto& row : rows) {
        EXPECT_EQ(commonDrivesOffered(*entriesOf(row.state)), row.offered) << addressOf(row.state, ".");
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
