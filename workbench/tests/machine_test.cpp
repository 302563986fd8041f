// SPDX-License-Identifier: GPL-3.0-or-later
// The machine against the command line's: the same lines for the same file,
// the machine whole in its address and its file, and what neither can hold
// refused whole.

#include "workbench/machine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/command_line.h"

namespace cnc::workbench {
namespace {

std::string fileText(const std::string& path) {
    std::ifstream file(path);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

MachineState machineOfFile(const std::string& name, std::string_view separator = ".") {
    const auto read =
        machineOfText(fileText(std::string(MACHINES_DIR) + "/" + name), name, separator);
    if (const auto* problem = std::get_if<std::string>(&read)) ADD_FAILURE() << *problem;
    return std::get<MachineState>(read);
}

// The lines a view shows: each axis's results under the labels it has
// fields for, prefixed by the axis's letter, then the block.
std::string shown(const MachineEvaluation& evaluation) {
    const auto labels = resultLabels();
    std::string lines;
    for (const AxisEvaluation& axis : evaluation.axes) {
        for (const Result& result : axis.evaluation.results) {
            if (std::find(labels.begin(), labels.end(), result.label) == labels.end()) continue;
            lines += std::string(1, axis.letter) + " " + result.label + ": " + result.value + "\n";
        }
    }
    for (const std::string& line : evaluation.firmwareLines) lines += line + "\n";
    return lines;
}

TEST(Machine, ShowsWhatTheCommandLinePrints) {
    const struct {
        const char* file;
        const char* firmware;
    } rows[] = {
        {"printer.toml", "klipper"}, {"printer.toml", "marlin"}, {"printer.toml", "reprapfirmware"},
        {"router.toml", "linuxcnc"}, {"router.toml", "grblhal"},
    };
    for (const auto& row : rows) {
        for (const cli::Separators& separators : {cli::Separators{".", ","}, {",", "."}}) {
            SCOPED_TRACE(std::string(row.file) + " " + row.firmware + " " + separators.decimal);
            MachineState machine = machineOfFile(row.file, separators.decimal);
            machine.firmware = row.firmware;
            std::ostringstream out;
            std::ostringstream err;
            const int status =
                cli::runCommandLine({"--macchina", std::string(MACHINES_DIR) + "/" + row.file,
                                     "--firmware", row.firmware},
                                    separators, out, err);
            ASSERT_EQ(status, 0) << err.str();
            const MachineEvaluation evaluation =
                evaluateMachine(machine, separators.decimal, separators.group);
            EXPECT_EQ(shown(evaluation), out.str());
            EXPECT_TRUE(evaluation.errors.empty());
        }
    }
}

// An axis's error stops the block, as it stops the command line's; what no
// axis says alone is the machine's.
TEST(Machine, StopsTheBlockWhereTheCommandLineDoes) {
    const MachineState fractionalTeeth{
        "marlin",
        "",
        {{'X', {{"puleggia-asse", "20.5"}, {"profilo-cinghia", "GT2"}}},
         {'Y', {{"passo-vite", "8"}}}}};
    const MachineEvaluation stopped = evaluateMachine(fractionalTeeth, ".", "");
    EXPECT_TRUE(stopped.firmwareLines.empty());
    EXPECT_FALSE(stopped.axes[0].evaluation.errors.empty());
    EXPECT_EQ(stopped.axes[1].evaluation.results.size(), 2u);

    const MachineState sharedJoint{
        "linuxcnc", "", {{'X', {{"giunto", "1"}}}, {'Y', {{"giunto", "1"}}}}};
    const MachineEvaluation clash = evaluateMachine(sharedJoint, ".", "");
    EXPECT_TRUE(clash.firmwareLines.empty());
    ASSERT_EQ(clash.errors.size(), 1u);
    EXPECT_EQ(clash.errors[0].axis, 'Y');
    EXPECT_NE(clash.errors[0].message.find("il giunto 1 è già dell'asse X"), std::string::npos);
    // Another firmware reads no joints: the same file serves it.
    MachineState grbl = sharedJoint;
    grbl.firmware = "grbl";
    EXPECT_EQ(evaluateMachine(grbl, ".", "").firmwareLines,
              (std::vector<std::string>{"$100=133.33333", "$101=133.33333"}));
}

TEST(Machine, WholeInItsAddressAndItsFile) {
    const struct {
        MachineState machine;
        const char* separator;
        const char* address;
    } rows[] = {
        {{"marlin",
          "",
          {{'X', {{"micropassi", "16"}, {"puleggia-asse", "20"}, {"profilo-cinghia", "GT2"}}},
           {'Z', {{"micropassi", "16"}, {"passo-vite", "8"}}}}},
         ".",
         "firmware=marlin&X.micropassi=16&X.puleggia-asse=20&X.profilo-cinghia=GT2&Z.micropassi=16&"
         "Z.passo-vite=8"},
        {{"",
          "Stampante & co.",
          {{'Y', {}}, {'E', {{"diametro-ruota", "7,3"}, {"rapporto", "50:17"}}}}},
         ",",
         "nome=Stampante%20%26%20co.&Y&E.diametro-ruota=7.3&E.rapporto=50%3A17"},
        {{"linuxcnc",
          "",
          {{'Y', {{"giunto", "1,2"}, {"passo-vite", "3.175"}}}, {'A', {{"rotativo", ""}}}}},
         ",",
         "firmware=linuxcnc&Y.giunto=1%2C2&Y.passo-vite=3%2E175&A.rotativo"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.address);
        EXPECT_EQ(machineAddressOf(row.machine, row.separator), row.address);
        EXPECT_EQ(machineOfAddress(row.address, row.separator), row.machine);
        const std::string text = machineText(row.machine, row.separator);
        const auto read = machineOfText(text, "m.toml", row.separator);
        ASSERT_TRUE(std::holds_alternative<MachineState>(read)) << std::get<std::string>(read);
        // A '.' that was no decimal separator is one in a file.
        MachineState expected = row.machine;
        for (MachineAxis& axis : expected.axes) {
            for (auto& [key, value] : axis.state) {
                if (value == "3.175") value = "3,175";
            }
        }
        EXPECT_EQ(std::get<MachineState>(read), expected) << text;
    }
    EXPECT_EQ(machineText(machineOfFile("printer.toml"), "."),
              "firmware = \"klipper\"\nnome = \"Stampante\"\n\n[asse.X]\nangolo-passo = "
              "0.9\nmicropassi = 16\n"
              "puleggia-asse = 20\nprofilo-cinghia = \"GT2\"\n\n[asse.Y]\nangolo-passo = 0.9\n"
              "micropassi = 16\npuleggia-asse = 20\nprofilo-cinghia = \"GT2\"\n\n[asse.Z]\n"
              "micropassi = 16\npasso-vite = 8\n\n[asse.E]\nmicropassi = 16\nrapporto = \"50:17\"\n"
              "diametro-ruota = 7.3\n");
}

// A link with anything the machine cannot show is none, whole; one with no
// axis is the machine as it opens.
TEST(Machine, ReadsAnyLink) {
    EXPECT_EQ(machineOfAddress("", "."), newMachine());
    EXPECT_EQ(machineOfAddress("firmware=Marlin&X&&", "."),
              (MachineState{"marlin", "", {{'X', {}}}}));
    EXPECT_EQ(machineOfAddress("Z.passo-vite=8&X.micropassi=16&Z.micropassi=8", ".")->axes,
              (std::vector<MachineAxis>{{'X', {{"micropassi", "16"}}},
                                        {'Z', {{"passo-vite", "8"}, {"micropassi", "8"}}}}));
    for (const char* link : {"firmware=cnc", "firmware", "colore=rosso", "Q.micropassi=16",
                             "x.micropassi=16", "X.velocita-luce=1", "X.firmware=marlin",
                             "X.asse=Y", "X.attuali=80", "X.profilo-cinghia=2.5", "X=1", "X."}) {
        EXPECT_EQ(machineOfAddress(link, "."), std::nullopt) << link;
    }
}

TEST(Machine, SaysWhyAFileCannotBeShown) {
    const struct {
        const char* text;
        const char* message;  // its beginning
    } rows[] = {
        {"firmware = \"marlin\"\n[asse.X]\nmicropassi = \n", "m.toml:3:"},
        {"[asse.X]\ncolore = 3\n", "m.toml:2:1: asse X: chiave sconosciuta «colore»"},
        {"[asse.Q]\npassi = 200\n", "m.toml:1:7: asse «Q»"},
        {"[asse.X]\nesatto = true\n",
         "m.toml: asse X: il banco non ha un ingresso per «esatto = »"},
        {"[asse.X]\npuleggia-asse = 20\nprofilo-cinghia = 2.5\n",
         "m.toml: asse X: il banco non ha un ingresso per «profilo-cinghia = 2.5»"},
    };
    for (const auto& row : rows) {
        const auto read = machineOfText(row.text, "m.toml", ".");
        ASSERT_TRUE(std::holds_alternative<std::string>(read)) << row.text;
        EXPECT_TRUE(std::get<std::string>(read).starts_with(row.message))
            << std::get<std::string>(read);
    }
}

TEST(Machine, AddsDuplicatesAndRemovesAxes) {
    const State screw{{"passo-vite", "8"}};
    MachineState machine = newMachine();
    EXPECT_EQ(freeLetters(machine), "YZEABC");
    machine = *withAxis(machine, 'Z', screw);
    machine = *withAxis(machine, 'Y', machine.axes[1].state);  // Y as Z
    EXPECT_EQ(machine.axes, (std::vector<MachineAxis>{{'X', {}}, {'Y', screw}, {'Z', screw}}));
    EXPECT_EQ(withAxis(machine, 'Y'), std::nullopt);
    EXPECT_EQ(withAxis(machine, 'Q'), std::nullopt);
    machine = withoutAxis(withoutAxis(withoutAxis(machine, 'X'), 'Z'), 'Y');
    EXPECT_EQ(machine.axes, (std::vector<MachineAxis>{{'Y', screw}}));  // the last one stays
}

// An axis's form holds its drive: not the machine's firmware and letters,
// nor a calibration; LinuxCNC's joints show with LinuxCNC alone.
TEST(Machine, AxisFormsHoldTheDrive) {
    std::vector<std::string> left;
    for (const Input& input : inputs()) {
        if (!isAxisInput(input)) left.emplace_back(input.key);
    }
    EXPECT_EQ(left, (std::vector<std::string>{"firmware-scelto", "asse", "attuali",
                                              "rotation-distance", "comandati", "misurati"}));
    const Input& joints = *inputNamed("giunto");
    for (const auto& [firmware, shown] :
         {std::pair{"linuxcnc", true}, {"grblhal", false}, {"", false}}) {
        const MachineState machine{firmware, "", {{'Y', {{"giunto", "1,2"}}}}};
        const Entries entries = axisEntries(machine, 0);
        EXPECT_EQ(isShown(joints, entries), shown) << firmware;
        EXPECT_EQ(axisStateOf(entries), shown ? machine.axes[0].state : State{}) << firmware;
    }
}

}  // namespace
}  // namespace cnc::workbench
