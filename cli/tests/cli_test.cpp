// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the real binary as a user would, with the locale in the environment.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "cli_run.h"

namespace {

const std::string kDefaults =
    "Step/mm: 133.333333333\nRisoluzione del passo (mm): 0.007500000\nInterasse: 83.69 mm\n";

struct CliCase {
    const char* name;
    std::vector<std::string> arguments;
    std::string out;
    int status = 0;
    std::string errContains = "";
};

void PrintTo(const CliCase& c, std::ostream* out) { *out << c.name; }

class CliTest : public testing::TestWithParam<CliCase> {};

TEST_P(CliTest, PrintsResultsThenError) {
    const CliCase& c = GetParam();
    const CliRun run = runCli(c.arguments);
    EXPECT_EQ(run.out, c.out);
    EXPECT_EQ(run.status, c.status);
    if (c.errContains.empty()) {
        EXPECT_EQ(run.err, "");
    } else {
        EXPECT_NE(run.err.find(c.errContains), std::string::npos) << run.err;
    }
    // A usage error is one line pointing to --help, not the whole help.
    if (c.status == 2) {
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
}

INSTANTIATE_TEST_SUITE_P(Results, CliTest, testing::Values(
    CliCase{"defaults", {}, kDefaults},
    CliCase{"full step belt", {"--passo-intero", "--ingranaggi"},
            "Step/mm: 141.176470588\nRisoluzione del passo (mm): 0.007083333\n"
            "Interasse: 83.69 mm\n"},
    CliCase{"half step belt", {"--mezzo-passo", "--ingranaggi"},
            "Step/mm: 282.352941176\nRisoluzione del passo (mm): 0.00354167\n"
            "Interasse: 83.69 mm\n"},
    CliCase{"five-decimal pitch", {"--passo-vite", "3.14159"},
            "Step/mm: 127.324062020\nRisoluzione del passo (mm): 0.007854000\n"
            "Interasse: 83.69 mm\n"},
    CliCase{"equal pulleys", {"--motore", "20", "--vite=20", "--cinta", "100"},
            "Step/mm: 133.333333333\nRisoluzione del passo (mm): 0.007500000\n"
            "Interasse: 76.20 mm\n"},
    CliCase{"same choice twice", {"--diretto", "--diretto"}, kDefaults},
    CliCase{"exact distance after the results", {"--esatto"},
            kDefaults + "Interasse esatto: 83.68 mm\n"},
    CliCase{"belts either side of a wanted distance", {"--interasse-voluto=100"},
            "Cinta più corta: 132XL (66 denti), interasse esatto 99.14 mm\n"
            "Cinta più lunga: 134XL (67 denti), interasse esatto 101.71 mm\n"},
    CliCase{"1/16, T8x8 lead screw", {"--micropassi", "16", "--passo-vite", "8"},
            "Step/mm: 400.000000000\nRisoluzione del passo (mm): 0.002500000\n"},
    CliCase{"1/16, 20-tooth GT2 pulley, Klipper's Y",
            {"--micropassi", "16", "--puleggia-asse", "20", "--profilo-cinghia", "GT2",
             "--firmware", "klipper", "--asse", "Y"},
            "Step/mm: 80.000000000\nRisoluzione del passo (mm): 0.012500000\n"
            "[stepper_y]\nrotation_distance: 40\nmicrosteps: 16\n"
            "full_steps_per_rotation: 200\n"},
    CliCase{"a belt that cannot go round, direct: no centre distance",
            {"--diretto", "--motore", "20", "--vite", "60"},
            "Step/mm: 133.333333333\nRisoluzione del passo (mm): 0.007500000\n"},
    CliCase{"step angle, two axes of RepRapFirmware",
            {"--angolo-passo", "0.9", "--micropassi", "16", "--passo-vite", "8", "--firmware",
             "reprapfirmware", "--asse", "xy"},
            "Step/mm: 800.000000000\nRisoluzione del passo (mm): 0.001250000\n"
            "M92 X800 Y800 S16\n"},
    CliCase{"a gantry's two joints",
            {"--micropassi", "8", "--passo-vite", "5", "--firmware", "linuxcnc", "--asse", "Y",
             "--giunto", "1,2"},
            "Step/mm: 320.000000000\nRisoluzione del passo (mm): 0.003125000\n"
            "[JOINT_1]\nSCALE = 320\n\n[JOINT_2]\nSCALE = 320\n"},
    CliCase{"Marlin", {"--micropassi", "16", "--passo-vite", "8", "--firmware", "marlin"},
            "Step/mm: 400.000000000\nRisoluzione del passo (mm): 0.002500000\n"
            "M92 X400\n"}));

const std::string kDefaultSteps =
    "Step/mm: 133.333333333\nRisoluzione del passo (mm): 0.007500000\n";

INSTANTIATE_TEST_SUITE_P(Questions, CliTest, testing::Values(
    CliCase{"layers either side, after the exact distance, before the lines",
            {"--strato", "0.2", "--ingranaggi", "--esatto", "--firmware", "marlin"},
            "Step/mm: 282.352941176\nRisoluzione del passo (mm): 0.00354167\n"
            "Interasse: 83.69 mm\nInterasse esatto: 83.68 mm\nPasso intero (mm): 0.007083333\n"
            "Strato più vicino per difetto: 0.198333333 mm (28 passi interi)\n"
            "Strato più vicino per eccesso: 0.205416667 mm (29 passi interi)\nM92 X282.35294\n"},
    CliCase{"no XL belt to measure beyond the window's drive without the reduction",
            {"--strato", "0.2", "--esatto"}, "", 2,
            "--esatto misura la cinta XL tra motore e vite: con --strato vuole --ingranaggi"},
    CliCase{"a layer of whole steps, and one below a full step",
            {"--strato", "0.3"}, kDefaultSteps + "Passo intero (mm): 0.015000000\n"
            "Strato più vicino per difetto: 0.300000000 mm (20 passi interi)\n"
            "Strato più vicino per eccesso: 0.300000000 mm (20 passi interi)\n"},
    CliCase{"below one full step", {"--strato", "0.01", "--diretto"},
            kDefaultSteps + "Passo intero (mm): 0.015000000\n"
            "Strato più vicino per difetto: nessuno (meno di un passo intero)\n"
            "Strato più vicino per eccesso: 0.015000000 mm (1 passo intero)\n"},
    CliCase{"speed and pulse rate through the pulleys, microsteps counted",
            {"--micropassi", "16", "--passo-vite", "8", "--ingranaggi", "--velocita", "100",
             "--frequenza-max", "40"},
            "Step/mm: 847.058823529\nRisoluzione del passo (mm): 0.001180556\n"
            "Interasse: 83.69 mm\nFrequenza dei passi: 84.705882 kHz\n"
            "Velocità massima: 47.222 mm/s, 2833.333 mm/min\n"},
    CliCase{"the stepping's answers survive the belt",
            {"--ingranaggi", "--cinta", "65", "--velocita", "10", "--firmware", "grbl"},
            "Step/mm: 282.352941176\nRisoluzione del passo (mm): 0.00354167\n"
            "Frequenza dei passi: 2.823529 kHz\n$100=282.35294\n", 1, "«Cinta»"},
    CliCase{"a layer of no height", {"--strato", "0"}, kDefaultSteps, 1,
            "Argomento non valido: --strato vuole un numero maggiore di zero, non «0»."},
    CliCase{"a speed that is no number", {"--velocita", "veloce"}, kDefaultSteps, 1,
            "Tipo non corrispondente: --velocita vuole un numero"},
    CliCase{"a negative pulse rate", {"--frequenza-max", "-40"}, kDefaultSteps, 1,
            "--frequenza-max vuole un numero maggiore di zero, non «-40»"},
    CliCase{"calibration", {"--calibra", "--attuali", "80", "--comandati", "100", "--misurati", "99"},
            "Step/mm corretti: 80.808080808\nCorrezione: Step/mm +1.0101 %\n"},
    CliCase{"calibration, Marlin's two axes",
            {"--calibra", "--attuali", "80", "--comandati", "100", "--misurati", "101",
             "--firmware", "marlin", "--asse", "XY"},
            "Step/mm corretti: 79.207920792\nCorrezione: Step/mm -0.9901 %\n"
            "M92 X79.207921 Y79.207921\n"},
    CliCase{"calibration, no change, RepRapFirmware at 1/16",
            {"--calibra", "--attuali", "80", "--comandati", "100", "--misurati", "100",
             "--firmware", "reprapfirmware", "--micropassi", "16"},
            "Step/mm corretti: 80.000000000\nCorrezione: Step/mm +0.0000 %\nM92 X80 S16\n"},
    CliCase{"calibration of Klipper's rotation distance",
            {"--calibra", "--rotation-distance", "40", "--comandati", "100", "--misurati", "99",
             "--firmware", "klipper"},
            "rotation_distance corretta: 39.600000000\nCorrezione: rotation_distance -1.0000 %\n"
            "[stepper_x]\nrotation_distance: 39.6\n"},
    CliCase{"the figures stay when the firmware refuses",
            {"--calibra", "--attuali", "0.5", "--comandati", "100", "--misurati", "99",
             "--firmware", "reprapfirmware", "--micropassi", "1"},
            "Step/mm corretti: 0.505050505\nCorrezione: Step/mm +1.0101 %\n", 1,
            "reprapfirmware: RepRapFirmware porta a 1"},
    CliCase{"a measured move of nothing",
            {"--calibra", "--attuali", "80", "--comandati", "100", "--misurati", "0"}, "", 1,
            "--misurati vuole un numero maggiore di zero, non «0»"},
    CliCase{"calibration without the measured move", {"--calibra", "--attuali", "80",
            "--comandati", "100"}, "", 2, "--calibra vuole anche --misurati"},
    CliCase{"Klipper has no steps per mm",
            {"--calibra", "--attuali", "80", "--comandati", "100", "--misurati", "99",
             "--firmware", "klipper"}, "", 2, "si calibra --rotation-distance"}));

// An inch machine types its layer, speeds and calibration distances in
// inches and reads each figure in inches with the millimetres beside it; the
// step rate is the same number as from the speed in mm/s.
const std::string kAcmeSteps =
    "Step/mm: 629.921259843\nRisoluzione del passo (mm): 0.001587500\n"
    "Step/pollice: 16000.000000000\nRisoluzione del passo (pollici): 0.000062500\n";

INSTANTIATE_TEST_SUITE_P(Inches, CliTest, testing::Values(
    CliCase{"speed, its step rate and the largest speed",
            {"--micropassi", "8", "--filetti-pollice", "10", "--pollici", "--velocita", "1",
             "--frequenza-max", "40"},
            kAcmeSteps +
            "Velocità: 1.000 pollici/s, 60.000 pollici/min (25.400 mm/s, 1524.000 mm/min)\n"
            "Frequenza dei passi: 16.000000 kHz\n"
            "Velocità massima: 2.500 pollici/s, 150.000 pollici/min (63.500 mm/s, 3810.000 mm/min)\n"},
    CliCase{"the same step rate from 25.4 mm/s",
            {"--micropassi", "8", "--filetti-pollice", "10", "--velocita", "25.4"},
            "Step/mm: 629.921259843\nRisoluzione del passo (mm): 0.001587500\n"
            "Frequenza dei passi: 16.000000 kHz\n"},
    CliCase{"layers of whole steps",
            {"--micropassi", "16", "--passo-vite", "8", "--pollici", "--strato", "0.008"},
            "Step/mm: 400.000000000\nRisoluzione del passo (mm): 0.002500000\n"
            "Step/pollice: 10160.000000000\nRisoluzione del passo (pollici): 0.000098425\n"
            "Passo intero (mm): 0.040000000\nPasso intero (pollici): 0.001574803\n"
            "Strato più vicino per difetto: 0.007874016 pollici (0.200000000 mm, 5 passi interi)\n"
            "Strato più vicino per eccesso: 0.009448819 pollici (0.240000000 mm, 6 passi interi)\n"},
    CliCase{"a layer below one full step",
            {"--micropassi", "16", "--passo-vite", "8", "--pollici", "--strato", "0.001"},
            "Step/mm: 400.000000000\nRisoluzione del passo (mm): 0.002500000\n"
            "Step/pollice: 10160.000000000\nRisoluzione del passo (pollici): 0.000098425\n"
            "Passo intero (mm): 0.040000000\nPasso intero (pollici): 0.001574803\n"
            "Strato più vicino per difetto: nessuno (meno di un passo intero)\n"
            "Strato più vicino per eccesso: 0.001574803 pollici (0.040000000 mm, 1 passo intero)\n"},
    CliCase{"calibration in inches, LinuxCNC's SCALE per inch",
            {"--calibra", "--pollici", "--attuali", "80", "--comandati", "4", "--misurati", "4.04",
             "--firmware", "linuxcnc"},
            "Step/mm corretti: 79.207920792\nStep/pollice corretti: 2011.881188119\n"
            "Correzione: Step/mm -0.9901 %\n[JOINT_0]\nSCALE = 2011.881188118812\n"},
    CliCase{"calibration in inches, Grbl's steps per mm",
            {"--calibra", "--pollici", "--attuali", "80", "--comandati", "4", "--misurati", "4.04",
             "--firmware", "grbl"},
            "Step/mm corretti: 79.207920792\nStep/pollice corretti: 2011.881188119\n"
            "Correzione: Step/mm -0.9901 %\n$100=79.20792\n"},
    CliCase{"Klipper's rotation distance stays in mm",
            {"--calibra", "--pollici", "--rotation-distance", "40", "--comandati", "4",
             "--misurati", "3.96"},
            "rotation_distance corretta: 39.600000000\nCorrezione: rotation_distance -1.0000 %\n"}));

INSTANTIATE_TEST_SUITE_P(Errors, CliTest, testing::Values(
    CliCase{"belt too short", {"--ingranaggi", "--passo-intero", "--cinta", "65"},
            "Step/mm: 141.176470588\nRisoluzione del passo (mm): 0.007083333\n", 1,
            "Argomento non valido in «Cinta»"},
    CliCase{"the firmware's lines whatever the belt",
            {"--micropassi", "8", "--passo-vite", "5", "--ingranaggi", "--motore", "20", "--vite",
             "60", "--firmware", "grbl", "--asse", "Z"},
            "Step/mm: 960.000000000\nRisoluzione del passo (mm): 0.001041667\n$102=960\n", 1,
            "Argomento non valido in «Cinta»"},
    CliCase{"steps per revolution typed as the angle", {"--passi", "1.8", "--firmware", "marlin"},
            "", 1, "Con --angolo-passo GRADI"},
    CliCase{"half a tooth", {"--ingranaggi", "--vite", "17.5", "--firmware", "klipper"}, "", 1,
            "«Vite»"},
    CliCase{"--cinta 65 with the direct coupling (the window's default)", {"--cinta", "65"},
            "Step/mm: 133.333333333\nRisoluzione del passo (mm): 0.007500000\n"},
    CliCase{"formula refuses the belt before the exact geometry", {"--cinta", "66", "--esatto"},
            "Step/mm: 133.333333333\nRisoluzione del passo (mm): 0.007500000\n", 1,
            "ci sta è 90 (cinta 90XL, 45 denti)"},
    CliCase{"formula passes, exact geometry has no distance",
            {"--motore", "10", "--vite", "60", "--cinta", "126", "--esatto"},
            "Step/mm: 133.333333333\nRisoluzione del passo (mm): 0.007500000\n"
            "Interasse: 58.51 mm\n", 1, "ci sta è 128 (cinta 128XL, 64 denti)"},
    CliCase{"wanted distance with the pulleys overlapping", {"--interasse-voluto", "42.8505"}, "",
            1, "--interasse-voluto: Argomento non valido: a questo interasse le pulegge si "
               "sovrappongono; deve superare 42.86 mm."},
    CliCase{"no steps", {"--passi", "0"}, "Step/mm: 0.000000000\n", 1,
            "Divisione per zero in «Passi del motore»"},
    CliCase{"empty text", {"--passi", ""}, "", 1, "Tipo non corrispondente in «Passi del motore»"},
    CliCase{"exponent refused", {"--passo-vite", "1e400"}, "", 1,
            "Tipo non corrispondente in «Passo della vite (mm)»"},
    CliCase{"opposite choices", {"--mezzo-passo", "--passo-intero"}, "", 2,
            "opzioni in contrasto: --mezzo-passo e --passo-intero; usare «cnc-axis-calc-cli --help»"},
    CliCase{"unknown option", {"--colore", "3"}, "", 2, "opzione sconosciuta: --colore"},
    CliCase{"missing text", {"--cinta"}, "", 2, "manca il testo dopo --cinta"},
    CliCase{"microsteps with half step", {"--micropassi", "16", "--mezzo-passo"}, "", 2,
            "in contrasto: --micropassi e --mezzo-passo"},
    CliCase{"firmware refuses a negative pitch", {"--passo-vite", "-8", "--firmware", "grbl"},
            "Step/mm: -50.000000000\nRisoluzione del passo (mm): -0.020000000\n", 1,
            "grbl: il firmware vuole passi per millimetro maggiori"}));

// A lead that is no typed text gives nine decimals in both results, from the
// exact drive; an inch machine adds its two lines.
const std::string kAcme = "Step/mm: 629.921259843\nRisoluzione del passo (mm): 0.001587500\n";
const std::string kAcmeInches =
    "Step/pollice: 16000.000000000\nRisoluzione del passo (pollici): 0.000062500\n";

INSTANTIATE_TEST_SUITE_P(Screws, CliTest, testing::Values(
    CliCase{"1/2\"-10 ACME, 1/8", {"--micropassi", "8", "--filetti-pollice", "10"}, kAcme},
    CliCase{"the same on an inch machine",
            {"--micropassi", "8", "--filetti-pollice=10", "--pollici"}, kAcme + kAcmeInches},
    CliCase{"LinuxCNC per inch", {"--micropassi", "8", "--filetti-pollice", "10", "--pollici",
                                  "--firmware", "linuxcnc"},
            kAcme + kAcmeInches + "[JOINT_0]\nSCALE = 16000\n"},
    CliCase{"Marlin stays in mm", {"--micropassi", "16", "--passo-vite", "8", "--pollici",
                                   "--firmware", "marlin"},
            "Step/mm: 400.000000000\nRisoluzione del passo (mm): 0.002500000\n"
            "Step/pollice: 10160.000000000\n"
            "Risoluzione del passo (pollici): 0.000098425\nM92 X400\n"},
    CliCase{"8 per inch, 3 starts: a tie, rounded up as its double lies above it",
            {"--micropassi", "16", "--filetti-pollice", "8", "--principi", "3"},
            "Step/mm: 335.958005249\nRisoluzione del passo (mm): 0.002976563\n"},
    CliCase{"a lead of 3.125 mm at 1/16: a tie that is its own double, to even",
            {"--micropassi", "16", "--passo-vite", "1.5625", "--principi", "2"},
            "Step/mm: 1024.000000000\nRisoluzione del passo (mm): 0.000976562\n"},
    CliCase{"a lead of 1.25 mm at 1/32: as the window rounds it",
            {"--micropassi", "32", "--passo-vite", "0.625", "--principi", "2"},
            "Step/mm: 5120.000000000\nRisoluzione del passo (mm): 0.000195313\n"},
    CliCase{"T8, 2 mm pitch, 4 starts", {"--passo-vite", "2", "--principi", "4", "--micropassi", "16"},
            "Step/mm: 400.000000000\nRisoluzione del passo (mm): 0.002500000\n"},
    CliCase{"half step through the belt: nine decimals", {"--ingranaggi", "--principi", "2"},
            "Step/mm: 141.176470588\nRisoluzione del passo (mm): 0.007083333\n"
            "Interasse: 83.69 mm\n"},
    CliCase{"Klipper gets the nearest double of the lead",
            {"--micropassi", "16", "--filetti-pollice", "13", "--firmware", "klipper"},
            "Step/mm: 1637.795275591\nRisoluzione del passo (mm): 0.000610577\n"
            "[stepper_x]\nrotation_distance: 1.9538461538461538\n"
            "microsteps: 16\nfull_steps_per_rotation: 200\n"},
    CliCase{"inch lines before a belt too short", {"--ingranaggi", "--cinta", "65", "--pollici"},
            "Step/mm: 282.352941176\nRisoluzione del passo (mm): 0.00354167\n"
            "Step/pollice: 7171.764705882\nRisoluzione del passo (pollici): 0.000139436\n", 1,
            "«Cinta»"},
    CliCase{"no number of threads", {"--filetti-pollice", "dieci"}, "", 1,
            "Tipo non corrispondente: --filetti-pollice vuole"},
    CliCase{"zero threads", {"--filetti-pollice", "0"}, "", 1,
            "Argomento non valido: --filetti-pollice vuole"},
    CliCase{"negative threads", {"--filetti-pollice", "-10"}, "", 1, "non «-10»"},
    CliCase{"threads beyond a double", {"--filetti-pollice", "0." + std::string(400, '0') + "1"},
            "", 1, "Overflow: --filetti-pollice «0.000"},
    CliCase{"half a start", {"--principi", "2.5"}, "", 1, "--principi vuole i principi"},
    CliCase{"no starts", {"--principi", ""}, "", 1, "Tipo non corrispondente: --principi"},
    CliCase{"a pitch of zero", {"--passo-vite", "0", "--principi", "2"}, "", 1,
            "Divisione per zero in «Passo della vite (mm)»"},
    CliCase{"threads and a pitch", {"--filetti-pollice", "10", "--passo-vite", "2"}, "", 2,
            "in contrasto: --filetti-pollice e --passo-vite"}));

// Every figure exact from the typed texts, nine decimals; no XL belt unless
// the motor drives through one.
INSTANTIATE_TEST_SUITE_P(Drives, CliTest, testing::Values(
    CliCase{"an extruder: 50:17 onto a 7.3 mm hobbed gear, Klipper",
            {"--micropassi", "16", "--rapporto", "50:17", "--diametro-ruota", "7.3", "--firmware",
             "klipper", "--asse", "E"},
            "Step/mm: 410.391472920\nRisoluzione del passo (mm): 0.002436698\n[extruder]\n"
            "rotation_distance: 22.93362637120549\nmicrosteps: 16\nfull_steps_per_rotation: 200\n"
            "gear_ratio: 50:17\n"},
    CliCase{"a 90:1 rotary table in degrees, LinuxCNC's A",
            {"--micropassi", "16", "--rotary", "--gear-ratio", "90:1", "--firmware", "linuxcnc",
             "--frequenza-max", "40"},
            "Step/grado: 800.000000000\nRisoluzione del passo (gradi): 0.001250000\n"
            "Velocità massima: 50.000 gradi/s, 3000.000 gradi/min\n[JOINT_3]\nSCALE = 800\n"},
    CliCase{"a pinion of 20 teeth, module 1.5, grblHAL's Y",
            {"--micropassi", "16", "--denti-pignone", "20", "--modulo", "1.5", "--firmware",
             "grblhal", "--asse", "Y"},
            "Step/mm: 33.953054526\nRisoluzione del passo (mm): 0.029452431\n$101=33.953055\n"},
    CliCase{"a rack by its circular pitch, through the XL belt",
            {"--passo-intero", "--denti-pignone", "24", "--passo-cremagliera", "5", "--ingranaggi"},
            "Step/mm: 3.529411765\nRisoluzione del passo (mm): 0.283333333\nInterasse: 83.69 mm\n"},
    CliCase{"Marlin's 93 steps/mm for Klipper, through two stages",
            {"--micropassi", "16", "--step-mm", "93", "--rapporto", "57:11, 2:1", "--firmware",
             "klipper"},
            "Step/mm: 93.000000000\nRisoluzione del passo (mm): 0.010752688\n[stepper_x]\n"
            "rotation_distance: 356.59824046920824\nmicrosteps: 16\nfull_steps_per_rotation: 200\n"
            "gear_ratio: 57:11, 2:1\n"},
    CliCase{"a tie of the known steps' resolution rounds as its double lies",
            {"--micropassi", "16", "--step-mm", "5120"},
            "Step/mm: 5120.000000000\nRisoluzione del passo (mm): 0.000195313\n"},
    CliCase{"half a tooth", {"--denti-pignone", "17.5", "--modulo", "1"}, "", 1,
            "Argomento non valido: --denti-pignone vuole i denti del pignone"},
    CliCase{"a ratio that is none", {"--rapporto", "50/17"}, "", 1,
            "--rapporto vuole giri del motore e giri dell'uscita"},
    CliCase{"Grbl has no rotary axis", {"--rotativo", "--firmware", "grbl"}, "", 2,
            "--rotativo: grbl non ha assi rotativi"}));

std::string withoutCentreDistance(std::string out) {
    const std::size_t at = out.find("Interasse: ");
    if (at != std::string::npos) out.erase(at, out.find('\n', at) + 1 - at);
    return out;
}

// The same entries through the stepping modes and through microsteps 1 and 2
// (which, beyond the window, want whole counts: the entries here are).
TEST(Cli, MicrostepsOneAndTwoPrintWhatFullAndHalfStepPrint) {
    const std::vector<std::vector<std::string>> entries = {
        {},
        {"--ingranaggi", "--vite", "17"},
        {"--passo-vite", "0"},
        {"--passi", "461168601842738"},
        {"--passo-vite", "otto", "--ingranaggi"},
        {"--puleggia-asse", "20", "--profilo-cinghia", "MXL", "--firmware", "linuxcnc"},
    };
    for (const auto& arguments : entries) {
        for (const auto& [mode, count] :
             {std::pair{"--passo-intero", "1"}, {"--mezzo-passo", "2"}}) {
            auto byMode = arguments;
            byMode.push_back(mode);
            auto byCount = arguments;
            byCount.insert(byCount.end(), {"--micropassi", count});
            const CliRun expected = runCli(byMode);
            const CliRun run = runCli(byCount);
            // Beyond the window's drive the XL belt is the reduction's alone.
            const bool belt = std::ranges::count(arguments, "--ingranaggi") > 0;
            EXPECT_EQ(run.out, belt ? expected.out : withoutCentreDistance(expected.out)) << count;
            EXPECT_EQ(run.err, expected.err) << count;
            EXPECT_EQ(run.status, expected.status) << count;
        }
    }
}

// One start leads by the pitch typed: the window's stepping, its decimals and
// its errors, as without --principi.
TEST(Cli, OneStartPrintsWhatThePitchAlonePrints) {
    const std::vector<std::vector<std::string>> entries = {
        {"--micropassi", "32", "--passo-vite", "1.25"},
        {"--passo-vite", "3.14159"},
        {"--ingranaggi"},
        {"--passi", "1.8"},
        {"--passo-vite", "otto", "--micropassi", "16", "--firmware", "klipper"},
    };
    for (const auto& arguments : entries) {
        auto oneStart = arguments;
        oneStart.insert(oneStart.end(), {"--principi", "1"});
        const CliRun expected = runCli(arguments);
        const CliRun run = runCli(oneStart);
        EXPECT_EQ(run.out, expected.out) << arguments.front();
        EXPECT_EQ(run.err, expected.err) << arguments.front();
        EXPECT_EQ(run.status, expected.status) << arguments.front();
    }
}

// A layer's answer beyond what a double holds is an overflow of --strato: a
// lead of 3 x 10^290 mm has a full step of 1.5 x 10^288 mm, whose multiple
// nearest above 10^300 is beyond it.
TEST(Cli, ALayerBeyondADoubleOverflows) {
    const CliRun run = runCli({"--principi", "1" + std::string(290, '0'), "--strato",
                               "1" + std::string(300, '0')});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Overflow: --strato: il risultato è fuori dall'intervallo di calcolo.\n");
}

TEST(Cli, JsonIsTheSameInEveryLocaleAndItsNumbersAreTheTexts) {
    const std::vector<std::string> cases[] = {
        {"--json", "--ingranaggi", "--passo-vite", "3.14159", "--esatto"},
        {"--json", "--micropassi", "16", "--puleggia-asse", "20", "--profilo-cinghia", "GT2",
         "--firmware", "klipper"},
        {"--json", "--ingranaggi", "--cinta", "65", "--firmware", "marlin"},
        {"--json", "--strato", "0.2", "--velocita", "100", "--frequenza-max", "40"},
        {"--json", "--calibra", "--attuali", "80", "--comandati", "100", "--misurati", "99"},
        {"--json", "--filetti-pollice", "13", "--principi", "2", "--pollici", "--firmware",
         "linuxcnc"},
    };
    for (const auto& arguments : cases) {
        const CliRun run = runCli(arguments, {{"LANG", "it_IT.UTF-8"}});
        QJsonParseError error;
        const QJsonObject report =
            QJsonDocument::fromJson(QByteArray::fromStdString(run.out), &error).object();
        ASSERT_EQ(error.error, QJsonParseError::NoError) << run.out;
        const QJsonObject results = report["risultati"].toObject();
        EXPECT_FALSE(results.isEmpty()) << run.out;
        for (const QJsonValue result : results) {
            const QJsonObject figure = result.toObject();
            EXPECT_EQ(figure["numero"].toDouble(), figure["testo"].toString().toDouble())
                << figure["testo"].toString().toStdString();
        }
        EXPECT_EQ(run.status, report.contains("errore") ? 1 : 0) << run.out;
        // Everything but the error, whose texts follow the language.
        QJsonObject english =
            QJsonDocument::fromJson(
                QByteArray::fromStdString(runCli(arguments, {{"LANG", "en_US.UTF-8"}}).out))
                .object();
        EXPECT_EQ(english.contains("errore"), report.contains("errore"));
        english.remove("errore");
        QJsonObject italian = report;
        italian.remove("errore");
        EXPECT_EQ(english, italian) << run.out;
    }
    const CliRun failed = runCli({"--json", "--passo-vite", "0"});
    const QJsonObject report = QJsonDocument::fromJson(QByteArray::fromStdString(failed.out)).object();
    const QJsonObject error = report["errore"].toObject();
    EXPECT_EQ(error["tipo"].toString(), "Divisione per zero");
    EXPECT_EQ(error["campo"].toString(), "Passo della vite (mm)");
}

// Each key where a reader of the JSON finds it, and what it holds.
TEST(Cli, JsonKeys) {
    struct Row {
        std::vector<std::string> arguments;
        const char* path;  // keys separated by '/', array indexes as numbers
        const char* json;  // the value, compact
        int status = 0;
    };
    const std::vector<std::string> beltAxis = {"--json", "--micropassi", "16", "--puleggia-asse",
                                               "20", "--profilo-cinghia", "GT2", "--firmware",
                                               "linuxcnc", "--asse", "XA", "--giunto", "0,5"};
    const std::vector<std::string> layers = {"--json", "--strato", "0.01", "--velocita", "100",
                                             "--frequenza-max", "40"};
    const std::vector<std::string> calibration = {
        "--json", "--calibra", "--attuali", "80", "--comandati", "100", "--misurati", "101",
        "--firmware", "reprapfirmware", "--micropassi", "16"};
    const std::vector<std::string> klipper = {"--json", "--calibra", "--rotation-distance", "40",
                                              "--comandati", "100", "--misurati", "99",
                                              "--firmware", "klipper"};
    const std::vector<std::string> acme = {"--json", "--micropassi", "8", "--filetti-pollice",
                                           "10", "--pollici"};
    const std::vector<std::string> inchAnswers = {"--json", "--micropassi", "8",
                                                  "--filetti-pollice", "10", "--pollici",
                                                  "--strato", "0.001", "--velocita", "1",
                                                  "--frequenza-max", "40"};
    const std::vector<std::string> inchCalibration = {"--json", "--calibra", "--pollici",
                                                      "--attuali", "80", "--comandati", "4",
                                                      "--misurati", "4.04"};
    const Row rows[] = {
        // a belt axis, its firmware, several axes
        {beltAxis, "ingressi/puleggia_asse", "\"20\""},
        {beltAxis, "ingressi/profilo_cinghia", "\"GT2\""},
        {beltAxis, "ingressi/passi", "\"200\""},
        {beltAxis, "scelte/passo", "\"micropassi\""},
        {beltAxis, "scelte/micropassi", "16"},
        {beltAxis, "scelte/accoppiamento", "\"diretto\""},
        {beltAxis, "scelte/firmware", "\"linuxcnc\""},
        {beltAxis, "scelte/asse", "\"XA\""},
        {beltAxis, "scelte/giunti", "[0,5]"},
        {beltAxis, "risultati/corsa_per_giro_mm/numero", "40"},
        {beltAxis, "risultati/step_mm/testo", "\"80.000000000\""},
        {beltAxis, "risultati/risoluzione_mm/numero", "0.0125"},
        {beltAxis, "firmware/4", "\"SCALE = 80\""},
        // the window's entries, the exact distance, the step angle
        {{"--json", "--ingranaggi", "--esatto", "--angolo-passo", "7.5"}, "ingressi/angolo_passo",
         "\"7.5\""},
        {{"--json", "--ingranaggi", "--esatto"}, "ingressi/cinta", "\"120\""},
        {{"--json", "--ingranaggi", "--esatto"}, "ingressi/motore", "\"17\""},
        {{"--json", "--ingranaggi", "--esatto"}, "ingressi/vite", "\"36\""},
        {{"--json", "--ingranaggi", "--esatto"}, "ingressi/passo_vite", "\"3\""},
        {{"--json", "--ingranaggi", "--esatto"}, "scelte/passo", "\"mezzo-passo\""},
        {{"--json", "--ingranaggi", "--esatto"}, "risultati/interasse_mm/testo", "\"83.69\""},
        {{"--json", "--ingranaggi", "--esatto"}, "risultati/interasse_esatto_mm/numero", "83.68"},
        // errors: after the firmware's lines, of usage, of a question of its own
        {{"--json", "--ingranaggi", "--cinta", "65", "--firmware", "marlin"}, "firmware/0",
         "\"M92 X282.35294\"", 1},
        {{"--json", "--ingranaggi", "--cinta", "65"}, "errore/campo", "\"Cinta\"", 1},
        {{"--json", "--ingranaggi", "--cinta", "65"}, "errore/tipo", "\"Argomento non valido\"", 1},
        {{"--json", "--passi", "0"}, "errore/campo", "\"Passi del motore\"", 1},
        {{"--bogus", "--json"}, "errore/tipo", "\"uso\"", 2},
        {{"--bogus", "--json"}, "errore/campo", "null", 2},
        {{"--json", "--interasse-voluto", "100"}, "ingressi/interasse_voluto", "\"100\""},
        {{"--json", "--interasse-voluto", "100"}, "risultati/cinta_piu_corta/codice", "\"132XL\""},
        {{"--json", "--interasse-voluto", "100"}, "risultati/cinta_piu_lunga/denti", "67"},
        {{"--json", "--interasse-voluto", "100"},
         "risultati/cinta_piu_lunga/interasse_esatto_mm/testo", "\"101.71\""},
        {{"--json", "--interasse-voluto", "40"}, "risultati/cinta_piu_corta", "null", 1},
        {{"--json", "--interasse-voluto", "40"}, "errore/tipo", "\"Argomento non valido\"", 1},
        // the stepping's answers and calibration
        {layers, "ingressi/strato", "\"0.01\""},
        {layers, "ingressi/velocita", "\"100\""},
        {layers, "ingressi/frequenza_max", "\"40\""},
        {layers, "risultati/passo_intero_mm/testo", "\"0.015000000\""},
        {layers, "risultati/strato_per_difetto_mm", "null"},
        {layers, "risultati/strato_per_eccesso_mm/passi", "1"},
        {layers, "risultati/strato_per_eccesso_mm/numero", "0.015"},
        {layers, "risultati/frequenza_khz/testo", "\"13.333333\""},
        {layers, "risultati/velocita_max_mm_s/numero", "300"},
        {layers, "risultati/velocita_max_mm_min/testo", "\"18000.000\""},
        {calibration, "ingressi/attuali", "\"80\""},
        {calibration, "ingressi/comandati", "\"100\""},
        {calibration, "ingressi/misurati", "\"101\""},
        {calibration, "scelte/micropassi", "16"},
        {calibration, "scelte/firmware", "\"reprapfirmware\""},
        {calibration, "risultati/step_mm_corretti/testo", "\"79.207920792\""},
        {calibration, "risultati/correzione_percento/testo", "\"-0.9901\""},
        {calibration, "risultati/correzione_percento/numero", "-0.9901"},
        {calibration, "firmware/0", "\"M92 X79.207921 S16\""},
        {klipper, "ingressi/rotation_distance", "\"40\""},
        {klipper, "risultati/rotation_distance_corretta/numero", "39.6"},
        {klipper, "risultati/correzione_percento/testo", "\"-1.0000\""},
        {klipper, "risultati/correzione_percento/corregge", "\"rotation_distance\""},
        {calibration, "risultati/correzione_percento/corregge", "\"step_mm\""},
        {klipper, "firmware/1", "\"rotation_distance: 39.6\""},
        {{"--json", "--calibra", "--attuali", "80", "--comandati", "x", "--misurati", "99"},
         "errore/campo", "null", 1},
        // a screw by threads per inch, starts, an inch machine
        {acme, "ingressi/filetti_pollice", "\"10\""},
        {acme, "ingressi/passo_vite", "null"},
        {acme, "scelte/pollici", "true"},
        {acme, "risultati/corsa_per_giro_mm/testo", "\"2.540000000\""},
        {acme, "risultati/step_pollice/testo", "\"16000.000000000\""},
        {acme, "risultati/risoluzione_pollici/numero", "6.25e-05"},
        // an inch machine's answers beside the mm ones, its inputs as typed
        {inchAnswers, "ingressi/strato", "\"0.001\""},
        {inchAnswers, "risultati/passo_intero_mm/testo", "\"0.012700000\""},
        {inchAnswers, "risultati/passo_intero_pollici/testo", "\"0.000500000\""},
        {inchAnswers, "risultati/strato_per_difetto_pollici/passi", "2"},
        {inchAnswers, "risultati/strato_per_eccesso_mm/numero", "0.0254"},
        {inchAnswers, "risultati/velocita_pollici_s/testo", "\"1.000\""},
        {inchAnswers, "risultati/velocita_pollici_min/numero", "60"},
        {inchAnswers, "risultati/velocita_mm_s/numero", "25.4"},
        {inchAnswers, "risultati/velocita_mm_min/testo", "\"1524.000\""},
        {inchAnswers, "risultati/frequenza_khz/numero", "16"},
        {inchAnswers, "risultati/velocita_max_mm_s/numero", "63.5"},
        {inchAnswers, "risultati/velocita_max_pollici_s/testo", "\"2.500\""},
        {inchAnswers, "risultati/velocita_max_pollici_min/numero", "150"},
        {inchCalibration, "ingressi/comandati", "\"4\""},
        {inchCalibration, "scelte/pollici", "true"},
        {inchCalibration, "risultati/step_mm_corretti/testo", "\"79.207920792\""},
        {inchCalibration, "risultati/step_pollice_corretti/testo", "\"2011.881188119\""},
        {{"--json", "--passo-vite", "2", "--principi", "4"}, "ingressi/principi", "\"4\""},
        {{"--json", "--passo-vite", "2", "--principi", "4"}, "risultati/corsa_per_giro_mm/numero",
         "8"},
        {{"--json", "--principi", "0"}, "errore/campo", "null", 1},
        {{"--json", "--filetti-pollice", "1" + std::string(400, '0')}, "errore/tipo",
         "\"Overflow\"", 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.path);
        const CliRun run = runCli(row.arguments);
        EXPECT_EQ(run.status, row.status) << run.err;
        QJsonParseError error;
        const QJsonDocument report = QJsonDocument::fromJson(QByteArray::fromStdString(run.out), &error);
        ASSERT_EQ(error.error, QJsonParseError::NoError) << run.out;
        QJsonValue value = report.object();
        for (const QString& key : QString(row.path).split('/')) {
            bool index = false;
            const int number = key.toInt(&index);
            value = index ? value.toArray().at(number) : value.toObject().value(key);
        }
        const QJsonDocument shown = value.isArray()  ? QJsonDocument(value.toArray())
                                    : value.isObject() ? QJsonDocument(value.toObject())
                                                       : QJsonDocument(QJsonArray{value});
        QByteArray compact = shown.toJson(QJsonDocument::Compact);
        if (!value.isArray() && !value.isObject()) compact = compact.mid(1, compact.size() - 2);
        EXPECT_EQ(compact.toStdString(), row.json) << run.out;
    }
}

// The README's machines, answered by the program.
TEST(Cli, Machines) {
    const std::string printer = MACHINES_DIR "/printer.toml";
    const CliRun marlin = runCli({"--machine", printer, "--firmware", "marlin"});
    EXPECT_EQ(marlin.out,
              "X Step/mm: 160.000000000\nX Risoluzione del passo (mm): 0.006250000\n"
              "Y Step/mm: 160.000000000\nY Risoluzione del passo (mm): 0.006250000\n"
              "Z Step/mm: 400.000000000\nZ Risoluzione del passo (mm): 0.002500000\n"
              "E Step/mm: 410.391472920\nE Risoluzione del passo (mm): 0.002436698\n"
              "M92 X160 Y160 Z400 E410.39147\nM500\n"
              "#define DEFAULT_AXIS_STEPS_PER_UNIT { 160, 160, 400, 410.39147 }\n");
    EXPECT_EQ(marlin.status, 0) << marlin.err;

    const CliRun router = runCli({"--macchina", MACHINES_DIR "/router.toml", "--json"});
    const QJsonObject report = QJsonDocument::fromJson(QByteArray::fromStdString(router.out)).object();
    EXPECT_EQ(report["nome"].toString(), "Router");
    EXPECT_EQ(report["assi"]["A"]["risultati"]["step_grado"]["testo"].toString(), "800.000000000");
    EXPECT_EQ(report["firmware"][2].toString(), "KINEMATICS = trivkins coordinates=XYYZA");
    EXPECT_EQ(report["errori"].toArray().size(), 0);
    EXPECT_FALSE(report.contains("errore"));

    const CliRun grbl = runCli({"--macchina", printer, "--firmware", "grbl", "--json"});
    EXPECT_EQ(grbl.status, 2);
    EXPECT_EQ(grbl.err, printer + ": asse E: grbl non ha righe per l'asse E (assi: XYZ)\n");
    const QJsonObject refused = QJsonDocument::fromJson(QByteArray::fromStdString(grbl.out)).object();
    EXPECT_EQ(refused["errori"][0]["asse"].toString(), "E");
    EXPECT_EQ(refused["errore"]["tipo"].toString(), "uso");
}

TEST(Cli, AnUnwritableOutputFails) {
    const std::vector<std::string> commandLines[] = {{}, {"--help"}, {"--json"}};
    for (const auto& arguments : commandLines) {
        const CliRun run = runCli(arguments, {{"LC_ALL", "C"}}, "/dev/full");
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.err.find("impossibile scrivere"), std::string::npos) << run.err;
    }
}

// The messages' language, chosen as gettext chooses it, from catalogues
// beside the program in the build tree, with no locale installed on the
// system; the C locale is Italian byte for byte.
TEST(Cli, AnswersInTheEnvironmentsLanguage) {
    const std::string italian = "cnc-axis-calc-cli: impossibile scrivere l'uscita\n";
    const std::string english = "cnc-axis-calc-cli: cannot write the output\n";
    struct Row {
        std::vector<std::pair<std::string, std::string>> environment;
        std::string err;
    };
    const Row rows[] = {
        {{}, italian},
        {{{"LC_ALL", "C"}, {"LANGUAGE", "de"}}, italian},
        {{{"LANG", "C.UTF-8"}, {"LANGUAGE", "fr"}}, italian},
        {{{"LANG", "it_IT.UTF-8"}}, italian},
        {{{"LANG", "en_US.UTF-8"}}, english},
        {{{"LANG", "de_DE.UTF-8"}},
         "cnc-axis-calc-cli: die Ausgabe kann nicht geschrieben werden\n"},
        {{{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "fr_FR.UTF-8"}},
         "cnc-axis-calc-cli: impossible d'écrire la sortie\n"},
        {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "pt:es"}},
         "cnc-axis-calc-cli: no se puede escribir la salida\n"},
        {{{"LANG", "ja_JP.UTF-8"}}, english},
    };
    for (const Row& row : rows) {
        const CliRun run = runCli({}, row.environment, "/dev/full");
        EXPECT_EQ(run.err, row.err) << (row.environment.empty() ? "" : row.environment[0].second);
    }
}

TEST(Cli, HelpAndVersionGoToStdout) {
    const CliRun help = runCli({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--passo-vite"), std::string::npos);
    const CliRun version = runCli({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("cnc-axis-calc-cli ", 0), 0u) << version.out;
}

TEST(Cli, TakesTheSeparatorFromTheEnvironmentLikeQt) {
    struct Row {
        std::vector<std::pair<std::string, std::string>> environment;
        std::vector<std::string> arguments;
        std::string firstLine;
    };
    const Row rows[] = {
        {{{"LANG", "it_IT.UTF-8"}}, {}, "Step/mm: 133,333333333\n"},
        {{{"LANG", "it_IT.UTF-8"}}, {"--passo-vite", "3,14159"}, "Step/mm: 127,324062020\n"},
        {{{"LANG", "it_IT.UTF-8"}}, {"--passo-vite", "3.14159"}, "Step/mm: 127,324062020\n"},
        {{{"LANG", "en_US.UTF-8"}, {"LC_NUMERIC", "de_DE.UTF-8"}}, {}, "Steps/mm: 133,333333333\n"},
        {{{"LANG", "it_IT.UTF-8"}, {"LC_ALL", "en_GB.UTF-8"}}, {}, "Steps/mm: 133.333333333\n"},
        {{}, {}, "Step/mm: 133.333333333\n"},
        {{{"LANG", "it_IT.UTF-8"}},
         {"--interasse-voluto", "99,5"},
         "Cinta più corta: 132XL (66 denti), interasse esatto 99,14 mm\n"},
        {{{"LANG", "it_IT.UTF-8"}},
         {"--calibra", "--attuali", "80,5", "--comandati", "100", "--misurati", "99"},
         "Step/mm corretti: 81,313131313\n"},
    };
    for (const Row& row : rows) {
        const CliRun run = runCli(row.arguments, row.environment);
        EXPECT_EQ(run.out.substr(0, run.out.find('\n') + 1), row.firstLine)
            << (row.environment.empty() ? "no locale" : row.environment.back().second);
        EXPECT_EQ(run.status, 0) << run.err;
    }
}

TEST(Cli, ItalianLocaleWritesCommasEverywhere) {
    const CliRun run = runCli({"--ingranaggi"}, {{"LANG", "it_IT.UTF-8"}});
    EXPECT_EQ(run.out,
              "Step/mm: 282,352941176\nRisoluzione del passo (mm): 0,00354167\n"
              "Interasse: 83,69 mm\n");
    const CliRun inches = runCli({"--micropassi", "16", "--filetti-pollice", "12,5", "--pollici"},
                                 {{"LANG", "it_IT.UTF-8"}});
    EXPECT_EQ(inches.out,
              "Step/mm: 1574,803149606\nRisoluzione del passo (mm): 0,000635000\n"
              "Step/pollice: 40000,000000000\n"
              "Risoluzione del passo (pollici): 0,000025000\n");
}

}  // namespace
