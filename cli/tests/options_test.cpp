// SPDX-License-Identifier: GPL-3.0-or-later
// The option parser in process: what each command line sets, and which are
// usage errors.

#include "cli/options.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace cnc::cli {
namespace {

// What a row expects of the options; unset members are not checked.
struct Expected {
    std::optional<std::string> steps = std::nullopt;
    std::optional<std::string> pitch = std::nullopt;  // the screw pitch, or a belt axis's travel
    std::optional<int> microsteps = std::nullopt;
    std::optional<Coupling> coupling = std::nullopt;
    std::optional<std::string_view> firmware = std::nullopt;
    std::optional<std::string> axes = std::nullopt;
    std::optional<std::vector<int>> joints = std::nullopt;
    bool json = false;
    bool help = false;
};

struct Row {
    std::vector<std::string> arguments;
    std::variant<Expected, const char*> outcome;  // the options, or a part of the usage error
    std::string_view separator = ".";
    std::string_view group = "";
};

template <class T, class Actual>
void expectIfSet(const std::optional<T>& expected, const Actual& actual) {
    if (expected) {
        EXPECT_EQ(actual, *expected);
    }
}

void check(const Options& options, const Expected& expected) {
    const bool belt = options.form.isSelected(Coupling::Belt);
    expectIfSet(expected.steps, options.form.text(Field::MotorSteps));
    expectIfSet(expected.pitch, options.form.text(Field::ScrewPitch));
    expectIfSet(expected.microsteps, microstepsOf(options));
    expectIfSet(expected.coupling, belt ? Coupling::Belt : Coupling::Direct);
    expectIfSet(expected.firmware, options.firmware ? options.firmware->name : "");
    expectIfSet(expected.axes, options.axes.letters);
    expectIfSet(expected.joints, options.axes.joints);
    EXPECT_EQ(options.json, expected.json);
    EXPECT_EQ(options.help, expected.help);
}

void checkAll(const std::vector<Row>& rows) {
    for (const Row& row : rows) {
        std::string line;
        for (const std::string& argument : row.arguments) line += argument + " ";
        SCOPED_TRACE(line);
        const auto parsed = parseOptions(row.arguments, row.separator, row.group);
        if (const auto* expected = std::get_if<Expected>(&row.outcome)) {
            const auto* error = std::get_if<UsageError>(&parsed);
            ASSERT_EQ(error, nullptr) << error->message;
            check(std::get<Options>(parsed), *expected);
        } else {
            const auto* error = std::get_if<UsageError>(&parsed);
            ASSERT_NE(error, nullptr);
            EXPECT_NE(error->message.find(std::get<const char*>(row.outcome)), std::string::npos)
                << error->message;
        }
    }
}

TEST(Options, TextsAndChoices) {
    checkAll({
        {{}, Expected{.steps = "200", .pitch = "3", .microsteps = 2}},
        {{"--passi=250"}, Expected{.steps = "250"}},
        {{"--passi="}, Expected{.steps = ""}},
        {{"--passo-vite", "-3"}, Expected{.pitch = "-3"}},
        {{"--passi", "100", "--passi", "250"}, Expected{.steps = "250"}},
        {{"--ingranaggi", "--ingranaggi"}, Expected{.coupling = Coupling::Belt}},
        {{"--passo-intero"}, Expected{.microsteps = 1}},
        {{"-h"}, Expected{.help = true}},
        {{"--json"}, Expected{.json = true}},
        {{"--passo", "3"}, "opzione sconosciuta: --passo"},
        {{"--passo-vit=3"}, "opzione sconosciuta: --passo-vit=3"},
        {{"--passi-"}, "opzione sconosciuta"},
        {{"-passi", "3"}, "opzione sconosciuta"},
        {{"--help=1"}, "--help non vuole un testo"},
        {{"--cinta"}, "manca il testo dopo --cinta"},
        {{"--mezzo-passo", "--passo-intero"}, "in contrasto: --mezzo-passo e --passo-intero"},
        {{"--ingranaggi", "--diretto"}, "in contrasto: --diretto e --ingranaggi"},
    });
}

TEST(Options, Microsteps) {
    checkAll({
        {{"--micropassi", "1"}, Expected{.microsteps = 1}},
        {{"--micropassi=256"}, Expected{.microsteps = 256}},
        {{"--micropassi", "16", "--micropassi", "32"}, Expected{.microsteps = 32}},
        {{"--micropassi", "0"}, "--micropassi vuole un numero intero da 1 a 256, non «0»"},
        {{"--micropassi", "257"}, "da 1 a 256"},
        {{"--micropassi", "16.0"}, "da 1 a 256"},
        {{"--micropassi", "+16"}, "da 1 a 256"},
        {{"--micropassi", " 16"}, "da 1 a 256"},
        {{"--micropassi", "99999999999"}, "da 1 a 256"},
        {{"--micropassi="}, "da 1 a 256"},
        {{"--micropassi", "16", "--mezzo-passo"}, "in contrasto: --micropassi e --mezzo-passo"},
        {{"--passo-intero", "--micropassi", "1"}, "in contrasto: --micropassi e --passo-intero"},
    });
}

TEST(Options, BeltAxis) {
    checkAll({
        {{"--puleggia-asse", "20", "--profilo-cinghia", "GT2"}, Expected{.pitch = "40"}},
        {{"--profilo-cinghia=mxl", "--puleggia-asse=15"}, Expected{.pitch = "30.48"}},
        {{"--puleggia-asse", "20", "--profilo-cinghia", "2,5"}, Expected{.pitch = "50"}, ","},
        {{"--puleggia-asse", "3", "--profilo-cinghia", "2.03245"}, Expected{.pitch = "6.0972"}},
        {{"--puleggia-asse=15", "--profilo-cinghia=MXL"}, Expected{.pitch = "30,48"}, ",", "."},
        {{"--puleggia-asse=20", "--profilo-cinghia=L"}, Expected{.pitch = "190,5"}, ",", "."},
        {{"--puleggia-asse=20", "--profilo-cinghia=2,5"}, Expected{.pitch = "50"}, ",", "."},
        {{"--puleggia-asse=20", "--profilo-cinghia=2.032"}, "non è un profilo", ",", "."},
        {{"--puleggia-asse", "20", "--profilo-cinghia", "2,5"},
         "non è un profilo (GT2, GT3, HTD3M"},
        {{"--puleggia-asse", "20", "--profilo-cinghia", "GT4"}, "«GT4» non è un profilo"},
        {{"--puleggia-asse", "20", "--profilo-cinghia", "0"}, "non è un profilo"},
        {{"--puleggia-asse", "20", "--profilo-cinghia", "-2"}, "non è un profilo"},
        {{"--puleggia-asse", "32767", "--profilo-cinghia", "900000000000000"},
         "fuori dall'intervallo di calcolo"},
        {{"--puleggia-asse", "0", "--profilo-cinghia", "GT2"}, "da 1 a 32767, non «0»"},
        {{"--puleggia-asse", "32768", "--profilo-cinghia", "GT2"}, "da 1 a 32767"},
        {{"--puleggia-asse", "20.5", "--profilo-cinghia", "GT2"}, "da 1 a 32767"},
        {{"--puleggia-asse", "20"}, "--puleggia-asse vuole anche --profilo-cinghia"},
        {{"--profilo-cinghia", "GT2"}, "--profilo-cinghia vuole anche --puleggia-asse"},
        {{"--puleggia-asse", "20", "--profilo-cinghia", "GT2", "--passo-vite", "8"},
         "in contrasto: --puleggia-asse e --passo-vite"},
    });
}

TEST(Options, Firmware) {
    checkAll({
        {{"--firmware", "Klipper"}, Expected{.firmware = "klipper", .axes = "X"}},
        {{"--firmware=grbl", "--asse", "z"}, Expected{.firmware = "grbl", .axes = "Z"}},
        {{"--firmware", "marlin", "--asse", "E"}, Expected{.axes = "E"}},
        {{"--firmware", "marlin", "--asse", "xyE"}, Expected{.axes = "XYE"}},
        {{"--firmware", "smoothie"}, "firmware sconosciuto: «smoothie» (marlin, reprapfirmware"},
        {{"--asse", "Y"}, "--asse vuole anche --firmware"},
        {{"--firmware", "marlin", "--asse", "Q"}, "--asse vuole una o più lettere"},
        {{"--firmware", "marlin", "--asse", "XX"}, "ciascuna una volta, non «XX»"},
        {{"--firmware", "marlin", "--asse="}, "--asse vuole una o più lettere"},
        // joints
        {{"--firmware", "linuxcnc", "--asse", "Y", "--giunto", "1,3"},
         Expected{.axes = "Y", .joints = std::vector{1, 3}}},
        {{"--firmware", "linuxcnc", "--asse", "XA", "--giunto", "0,5"},
         Expected{.joints = std::vector{0, 5}}},
        {{"--firmware", "linuxcnc", "--giunto", "16"}, "da 0 a 15 separati da virgole"},
        {{"--firmware", "linuxcnc", "--giunto", "1,1"}, "ciascuno una volta, non «1,1»"},
        {{"--firmware", "linuxcnc", "--giunto", "1,"}, "da 0 a 15"},
        {{"--firmware", "linuxcnc", "--asse", "XY", "--giunto", "0"}, "un giunto per ciascuno"},
        {{"--firmware", "marlin", "--giunto", "0"}, "--giunto vale per linuxcnc"},
        {{"--giunto", "0"}, "--giunto vuole anche --firmware"},
        {{"--firmware", "grbl", "--asse", "E"}, "grbl non ha righe per l'asse E (assi: XYZ)"},
        {{"--firmware", "grbl", "--asse", "A"}, "grbl non ha righe per l'asse A"},
        {{"--firmware", "klipper", "--asse", "B"}, "klipper non ha righe per l'asse B"},
        {{"--firmware", "klipper", "--asse", "XB"}, "klipper non ha righe per l'asse B"},
    });
}

TEST(Options, StepAngle) {
    checkAll({
        {{"--angolo-passo", "1.8"}, Expected{.steps = "200"}},
        {{"--angolo-passo", "0,9"}, Expected{.steps = "400"}, ","},
        {{"--angolo-passo", "7.5"}, Expected{.steps = "48"}},
        {{"--angolo-passo", "5.625"}, Expected{.steps = "64"}},
        {{"--angolo-passo", "360"}, Expected{.steps = "1"}},
        {{"--angolo-passo", "1.7"}, "il più vicino è 212 passi (1.6981°)"},
        {{"--angolo-passo", "1,7"}, "il più vicino è 212 passi (1,6981°)", ","},
        {{"--angolo-passo", "1.80001"}, "il più vicino è 200 passi (1.8°)"},
        {{"--angolo-passo", "720"}, "il più vicino è 1 passi (360°)"},
        {{"--angolo-passo", "0"}, "maggiore di zero, non «0»"},
        {{"--angolo-passo", "-1.8"}, "maggiore di zero"},
        {{"--angolo-passo", "1.8°"}, "maggiore di zero, non «1.8°»"},
        {{"--angolo-passo", "1.8", "--passi", "200"}, "in contrasto: --angolo-passo e --passi"},
    });
}

TEST(Options, ScrewThreads) {
    checkAll({
        {{"--filetti-pollice", "10", "--principi", "3", "--pollici"}, Expected{}},
        {{"--filetti-pollice", "10", "--passo-vite", "2"},
         "in contrasto: --filetti-pollice e --passo-vite"},
        {{"--filetti-pollice", "10", "--puleggia-asse", "20", "--profilo-cinghia", "GT2"},
         "in contrasto: --filetti-pollice e --puleggia-asse"},
        {{"--principi", "2", "--puleggia-asse", "20", "--profilo-cinghia", "GT2"},
         "in contrasto: --principi e --puleggia-asse"},
        {{"--principi"}, "manca il testo dopo --principi"},
        {{"--pollici=1"}, "--pollici non vuole un testo"},
        {{"--interasse-voluto", "100", "--pollici"}, "non --pollici"},
        {{"--interasse-voluto", "100", "--filetti-pollice", "10"}, "non --filetti-pollice"},
        {{"--interasse-voluto", "100", "--principi", "2"}, "non --principi"},
    });
}

// Gears, wheels, racks, known steps and rotary axes: each by either name,
// one drive at a time.
TEST(Options, NewDrives) {
    checkAll({
        {{"--gear-ratio", "50:17", "--wheel-diameter=7.3"}, Expected{}},
        {{"--pinion-teeth", "20", "--module", "1.5", "--firmware", "grblhal"},
         Expected{.firmware = "grblhal", .axes = "X"}},
        {{"--rotary", "--rapporto", "90:1", "--firmware", "linuxcnc"}, Expected{.axes = "A"}},
        {{"--rotativo", "--firmware", "reprapfirmware", "--asse", "BC"}, Expected{.axes = "BC"}},
        {{"--steps-per-mm", "93", "--rapporto", "3:1"}, Expected{}},
        {{"--rapporto", "5:1", "--ingranaggi"}, "in contrasto: --rapporto e --ingranaggi"},
        {{"--step-mm", "80", "--ingranaggi"}, "in contrasto: --step-mm e --ingranaggi"},
        {{"--diametro-ruota", "7", "--passo-vite", "8"},
         "in contrasto: --passo-vite e --diametro-ruota"},
        {{"--denti-pignone", "20", "--modulo", "1", "--step-mm", "80"},
         "in contrasto: --denti-pignone e --step-mm"},
        {{"--rotativo", "--puleggia-asse", "20", "--profilo-cinghia", "GT2"},
         "in contrasto: --puleggia-asse e --rotativo"},
        {{"--modulo", "1", "--passo-cremagliera", "3"}, "in contrasto: --modulo e --passo-cremagliera"},
        {{"--denti-pignone", "20"}, "--denti-pignone vuole anche --modulo o --passo-cremagliera"},
        {{"--passo-cremagliera", "3"}, "--passo-cremagliera vuole anche --denti-pignone"},
        {{"--rotativo", "--pollici"}, "in contrasto: --rotativo e --pollici"},
        {{"--diametro-ruota", "7", "--esatto"}, "con --diametro-ruota vuole --ingranaggi"},
        {{"--rapporto", "5:1", "--esatto"}, "in contrasto: --esatto e --rapporto"},
        // a rotary axis is A, B or C of a firmware that turns it
        {{"--rotativo", "--firmware", "linuxcnc", "--asse", "X"},
         "--rotativo vuole un asse A, B o C, non «X»"},
        {{"--rotativo", "--firmware", "marlin"}, "--rotativo: le righe M92 di marlin"},
        {{"--rotativo", "--firmware", "grbl"}, "grbl non ha assi rotativi"},
        {{"--rotativo", "--firmware", "klipper"}, "klipper non ha assi rotativi"},
        {{"--macchina", "m.toml", "--micropassi", "16"}, "--macchina legge solo --firmware e --json"},
    });
}

// A question of its own reads only the pulleys.
TEST(Options, WantedDistanceReadsOnlyThePulleys) {
    checkAll({
        {{"--interasse-voluto", "100", "--motore", "20", "--vite=40", "--json"},
         Expected{.json = true}},
        {{"--interasse-voluto", "100", "--passi", "400"}, "legge solo --motore e --vite, non --passi"},
        {{"--interasse-voluto", "100", "--cinta", "x"}, "non --cinta"},
        {{"--esatto", "--interasse-voluto", "100"}, "non --esatto"},
        {{"--puleggia-asse", "20", "--profilo-cinghia", "GT2", "--esatto"},
         "con --puleggia-asse vuole --ingranaggi"},
        {{"--interasse-voluto", "100", "--strato", "0.2"}, "non --strato"},
    });
}

// Calibration is a question of its own too; its lines are for the figure given.
TEST(Options, CalibrationReadsItsFigureAndTheFirmware) {
    const std::vector<std::string> move = {"--calibra", "--comandati", "100", "--misurati", "99"};
    const auto with = [&move](std::vector<std::string> more) {
        more.insert(more.begin(), move.begin(), move.end());
        return more;
    };
    checkAll({
        {with({"--attuali", "80", "--firmware", "marlin", "--asse", "XY", "--json"}),
         Expected{.axes = "XY", .json = true}},
        {with({"--rotation-distance", "40", "--firmware", "klipper"}),
         Expected{.firmware = "klipper"}},
        {with({"--attuali", "80", "--firmware", "reprapfirmware", "--micropassi", "16"}),
         Expected{.microsteps = 16}},
        {with({}), "--calibra vuole --attuali (passi per mm) o --rotation-distance"},
        {with({"--attuali", "80", "--rotation-distance", "40"}),
         "in contrasto: --attuali e --rotation-distance"},
        {with({"--attuali", "80", "--velocita", "100"}), "non --velocita"},
        {with({"--attuali", "80", "--motore", "20"}), "non --motore"},
        {with({"--attuali", "80", "--firmware", "klipper"}), "si calibra --rotation-distance"},
        {with({"--rotation-distance", "40", "--firmware", "grbl"}), "si calibra --attuali"},
        {with({"--attuali", "80", "--firmware", "reprapfirmware"}), "vuole --micropassi"},
        {with({"--attuali", "80", "--micropassi", "16"}), "solo per --firmware reprapfirmware"},
        {{"--calibra", "--attuali", "80", "--misurati", "99"}, "--calibra vuole anche --comandati"},
        {{"--misurati", "99"}, "--misurati vuole anche --calibra"},
    });
}

// A usage error names the options to blame, for a view that marks its inputs
// without reading the message.
TEST(Options, UsageErrorsNameTheOptionsAtFault) {
    struct Blame {
        std::vector<std::string> arguments;
        std::vector<std::string> options;
    };
    const Blame rows[] = {
        {{"--colore", "3"}, {}},
        {{"--micropassi", "0"}, {"micropassi"}},
        {{"--cinta"}, {"cinta"}},
        {{"--pollici=1"}, {"pollici"}},
        {{"--micropassi", "16", "--mezzo-passo"}, {"micropassi", "mezzo-passo"}},
        {{"--puleggia-asse", "20"}, {"profilo-cinghia", "puleggia-asse"}},
        {{"--puleggia-asse", "20", "--profilo-cinghia", "GT9"}, {"profilo-cinghia"}},
        {{"--firmware", "grbl", "--asse", "A"}, {"asse", "firmware"}},
        {{"--firmware", "marlin", "--giunto", "0"}, {"giunto", "firmware"}},
        {{"--angolo-passo", "1.7"}, {"angolo-passo"}},
        {{"--interasse-voluto", "100", "--passi", "400"}, {"passi", "interasse-voluto"}},
        {{"--calibra", "--attuali", "80", "--comandati", "1", "--misurati", "1", "--firmware",
          "klipper"},
         {"firmware", "attuali"}},
        // the drives beyond screws and belts
        {{"--diametro-ruota", "7", "--passo-vite", "8"}, {"passo-vite", "diametro-ruota"}},
        {{"--gear-ratio", "5:1", "--ingranaggi"}, {"rapporto", "ingranaggi"}},
        {{"--denti-pignone", "20"}, {"modulo", "passo-cremagliera", "denti-pignone"}},
        {{"--micropassi", "16", "--rotativo", "--esatto"}, {"esatto", "micropassi"}},
        {{"--rotativo", "--firmware", "grbl"}, {"rotativo", "firmware"}},
        {{"--rotativo", "--firmware", "linuxcnc", "--asse", "X"}, {"asse", "rotativo"}},
        {{"--macchina", "m.toml", "--strato", "0.2"}, {"strato", "macchina"}},
    };
    for (const Blame& row : rows) {
        SCOPED_TRACE(row.arguments.front());
        const auto parsed = parseOptions(row.arguments);
        const auto* error = std::get_if<UsageError>(&parsed);
        ASSERT_NE(error, nullptr);
        EXPECT_EQ(error->options, row.options) << error->message;
    }
}

// Beyond the window's drive the XL belt is the reduction's alone, whether
// the options are parsed or given as {key, text}, by either name.
TEST(Options, XlBeltOfTheNewDrives) {
    using Given = std::vector<std::pair<std::string, std::string>>;
    struct XlRow {
        Given given;
        bool xlBelt;
    };
    const XlRow rows[] = {
        {{{"diametro-ruota", "7"}}, false},
        {{{"wheel-diameter", "7"}, {"ingranaggi", ""}}, true},
        {{{"denti-pignone", "20"}, {"modulo", "1"}, {"ingranaggi", ""}}, true},
        {{{"rotativo", ""}, {"rapporto", "90:1"}}, false},
        {{{"gear-ratio", "5:1"}}, false},
        {{{"steps-per-mm", "80"}}, false},
        {{{"passi", "400"}, {"principi", "1"}}, true},
    };
    for (const XlRow& row : rows) {
        std::vector<std::string> arguments;
        for (const auto& [key, text] : row.given) {
            arguments.push_back("--" + key);
            if (!text.empty()) arguments.push_back(text);
        }
        SCOPED_TRACE(arguments.front());
        EXPECT_EQ(hasXlBelt(row.given, "."), row.xlBelt);
        const auto parsed = parseOptions(arguments);
        ASSERT_TRUE(std::holds_alternative<Options>(parsed))
            << std::get<UsageError>(parsed).message;
        EXPECT_EQ(std::get<Options>(parsed).xlBelt, row.xlBelt);
    }
}

}  // namespace
}  // namespace cnc::cli
