// SPDX-License-Identifier: GPL-3.0-or-later
// Machine files: what each answers, with which status and message, and
// files written that read back to the same machine.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "cli/machine_answer.h"
#include "cli/machine_file.h"

namespace cnc::cli {
namespace {

MachineAnswer answered(const std::string& text, std::optional<std::string_view> firmware = {}) {
    const MachineReading reading = readMachineText(text, "m.toml");
    if (const auto* errors = std::get_if<std::vector<MachineFileError>>(&reading)) {
        return unreadMachine(*errors);
    }
    return answerMachine(std::get<Machine>(reading), "m.toml",
                         firmware ? firmwareNamed(*firmware) : std::nullopt, ".", "");
}

const std::string kPrinter =
    "firmware = \"marlin\"\n"
    "[asse.X]\nangolo-passo = 0.9\nmicropassi = 16\npuleggia-asse = 20\nprofilo-cinghia = \"GT2\"\n"
    "[asse.Y]\nangolo-passo = 0.9\nmicropassi = 16\npuleggia-asse = 20\nprofilo-cinghia = \"GT2\"\n"
    "[asse.Z]\nmicropassi = 16\npasso-vite = 8\n"
    "[asse.E]\nmicropassi = 16\nrapporto = \"50:17\"\ndiametro-ruota = 7.3\n";

TEST(MachineFile, StatusMessageAndBlock) {
    struct Row {
        const char* name;
        std::string text;
        int status;
        std::string message;  // the first problem's, "" for none
        std::vector<std::string> block = {};
        std::size_t axesAnswered = 0;
        std::optional<std::string> key = std::nullopt;  // the first problem's, checked when set
    };
    const std::string router = "firmware = \"linuxcnc\"\n[asse.X]\npasso-vite = 5\n"
                               "[asse.Y]\npasso-vite = 5\ngiunto = \"1,2\"\n[asse.Z]\npasso-vite = 5\n";
    const Row rows[] = {
        {"the printer", kPrinter, 0, "",
         {"M92 X160 Y160 Z400 E410.39147", "M500",
          "#define DEFAULT_AXIS_STEPS_PER_UNIT { 160, 160, 400, 410.39147 }"}, 4},
        {"the English names", "firmware = \"grblhal\"\nname = \"R\"\n[axis.a]\nrotary = true\n"
                              "gear-ratio = \"90:1\"\nmicropassi = 16\nfrequenza-max = 40\n",
         0, "", {"$103=800", "$113=3000"}, 1},
        {"a gantry", router, 0, "",
         {"[KINS]", "JOINTS = 4", "KINEMATICS = trivkins coordinates=XYYZ", "", "[TRAJ]",
          "COORDINATES = X Y Y Z", "", "[JOINT_0]", "SCALE = 80", "", "[JOINT_1]",
          "SCALE = 80", "", "[JOINT_2]", "SCALE = 80", "",
          "[JOINT_3]", "SCALE = 80"}, 3},
        {"no firmware, no block", "[asse.Z]\npasso-vite = 8\n", 0, "", {}, 1},
        // a file that says what is wrong and where
        {"broken at line 3", "firmware = \"marlin\"\n[asse.X]\nmicropassi = \n", 2,
         "m.toml:3:14: Error while parsing key-value pair: expected value, saw '\\n'"},
        {"an unknown key", "[asse.X]\npasso-vite = 8\ncolore = 3\n", 2,
         "m.toml:3:1: asse X: chiave sconosciuta «colore»."},
        {"the machine's key in an axis", "[asse.X]\nfirmware = \"grbl\"\n", 2,
         "m.toml:2:1: asse X: «firmware» non è una chiave di un asse."},
        {"an axis letter", "[asse.Q]\npasso-vite = 8\n", 2,
         "m.toml:1:7: asse «Q»: un asse è X, Y, Z, E, A, B o C."},
        {"a flag with a text", "[asse.X]\npollici = \"si\"\n", 2,
         "m.toml:2:11: asse X: «pollici» vuole true o false."},
        {"one option by both names", "[asse.X]\nrapporto = \"2:1\"\ngear-ratio = \"3:1\"\n", 2,
         "m.toml:3:1: asse X: «gear-ratio» è di nuovo l'opzione «rapporto», già data."},
        {"a character the grammar has only in strings", "nome = \"è\" # è\n[asse.è]\n", 2,
         "m.toml:2:7: un carattere oltre l'ASCII sta solo in un testo tra virgolette"},
        {"an unknown firmware", "firmware = \"smoothie\"\n[asse.X]\n", 2,
         "m.toml:1:12: firmware vuole il nome di un firmware: marlin"},
        {"no axes", "firmware = \"marlin\"\n", 2, "m.toml: la macchina non ha assi"},
        // the options of an axis, as the command line takes them
        {"an axis the firmware has not", "firmware = \"grbl\"\n[asse.E]\npasso-vite = 8\n", 2,
         "m.toml: asse E: grbl non ha righe per l'asse E (assi: XYZ)"},
        {"a rotary X", "[asse.X]\nrotativo = true\n", 2,
         "m.toml: asse X: --rotativo vuole un asse A, B o C, non «X»"},
        {"two axes on one joint", router + "giunto = 2\n", 2,
         "m.toml: asse Z: il giunto 2 è già dell'asse Y."},
        {"a gap in the joints", router + "giunto = 4\n", 2,
         "m.toml: i giunti vanno da 0 in su senza salti, come trivkins li numera: manca il "
         "giunto 3."},
        // a value that stops one axis: the others answered, no block
        {"half a tooth", "firmware = \"marlin\"\n[asse.X]\ndenti-pignone = 17.5\nmodulo = 1\n"
                         "[asse.Y]\npasso-vite = 8\n",
         1, "m.toml: asse X: Argomento non valido: --denti-pignone vuole i denti del pignone", {}, 2,
         "denti-pignone"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const MachineAnswer answer = answered(row.text);
        EXPECT_EQ(answer.status, row.status);
        if (row.message.empty()) {
            EXPECT_TRUE(answer.problems.empty()) << answer.problems.front().message;
        } else if (!answer.problems.empty()) {
            EXPECT_EQ(answer.problems.front().message.substr(0, row.message.size()), row.message);
            if (row.key) {
                EXPECT_EQ(answer.problems.front().key, row.key);
            }
        }
        EXPECT_EQ(answer.firmwareLines, row.block);
        EXPECT_EQ(answer.axes.size(), row.axesAnswered);
    }
}

TEST(MachineFile, EachAxisAnsweredByItsLetter) {
    const MachineAnswer answer = answered(kPrinter, "klipper");
    const std::vector<std::string> lines = machineResultLines(answer, ".");
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[0], "X Step/mm: 160.000000000");
    EXPECT_EQ(lines[6], "E Step/mm: 410.391472920");
    EXPECT_EQ(answer.firmwareLines.back(), "gear_ratio: 50:17");
}

// Numbers keep the digits written; the forms the command line does not read
// become the number's shortest text.
TEST(MachineFile, NumbersAsWritten) {
    struct Row {
        const char* value;
        const char* text;
    };
    const Row rows[] = {
        {"7.30", "7.30"}, {"1_000.5", "1000.5"}, {"0x10", "16"}, {"+3.5", "+3.5"},
        {"1e1", "10"},    {"3.14159265358979323846264", "3.14159265358979323846264"},
        {"\"0,5\"", "0,5"}, {"-2", "-2"},
    };
    for (const Row& row : rows) {
        const auto reading = readMachineText(std::string("[asse.X]\npasso-vite = ") + row.value, "m");
        ASSERT_TRUE(std::holds_alternative<Machine>(reading)) << row.value;
        EXPECT_EQ(std::get<Machine>(reading).axes[0].options[0].second, row.text);
    }
}

TEST(MachineFile, WrittenFilesReadBackTheSameMachine) {
    const Machine machine{
        "klipper",
        "La \"mia\" stampante\\\n\tè qui",
        {
            {'X', {{"micropassi", "16"}, {"angolo-passo", "0.9"}, {"ingranaggi", ""}}},
            {'Z', {{"passo-vite", "007"}, {"passi", ""}, {"motore", "-0"}, {"vite", "1e3"}}},
            {'A', {{"rotativo", ""}, {"rapporto", "57:11, 2:1"}, {"giunto", "3"}}},
        },
    };
    const std::string text = machineText(machine);
    const MachineReading reading = readMachineText(text, "m");
    ASSERT_TRUE(std::holds_alternative<Machine>(reading)) << text;
    EXPECT_EQ(std::get<Machine>(reading), machine) << text;
    EXPECT_NE(text.find("angolo-passo = 0.9\n"), std::string::npos) << text;
    EXPECT_NE(text.find("passo-vite = \"007\"\n"), std::string::npos) << text;
}

}  // namespace
}  // namespace cnc::cli
