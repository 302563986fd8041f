// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the real binary as a user would, with the locale in the environment.

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

struct CliRun {
    std::string out;
    std::string err;
    int status = -1;
};

CliRun runCli(const std::vector<std::string>& arguments,
           const std::vector<std::pair<std::string, std::string>>& locale = {{"LC_ALL", "C"}},
           const QString& outputFile = {}) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LC_ALL", "LC_NUMERIC", "LANG", "LANGUAGE"}) environment.remove(name);
    for (const auto& [name, value] : locale) {
        environment.insert(QString::fromStdString(name), QString::fromStdString(value));
    }
    QStringList args;
    for (const std::string& a : arguments) args << QString::fromStdString(a);

    QProcess process;
    process.setProcessEnvironment(environment);
    if (!outputFile.isEmpty()) process.setStandardOutputFile(outputFile);
    process.start(CLI_PATH, args);
    process.waitForFinished(10000);
    return {process.readAllStandardOutput().toStdString(),
            process.readAllStandardError().toStdString(), process.exitCode()};
}

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
    CliCase{"belts either side of a wanted distance, other entries unread",
            {"--passi", "", "--cinta", "x", "--esatto", "--interasse-voluto=100"},
            "Cinta più corta: 132XL (66 denti), interasse esatto 99.14 mm\n"
            "Cinta più lunga: 134XL (67 denti), interasse esatto 101.71 mm\n"},
    CliCase{"1/16, T8x8 lead screw", {"--micropassi", "16", "--passo-vite", "8"},
            "Step/mm: 400.000000000\nRisoluzione del passo (mm): 0.002500000\n"
            "Interasse: 83.69 mm\n"},
    CliCase{"1/16, 20-tooth GT2 pulley, Klipper's Y",
            {"--micropassi", "16", "--puleggia-asse", "20", "--profilo-cinghia", "GT2",
             "--firmware", "klipper", "--asse", "Y"},
            "Step/mm: 80.000000000\nRisoluzione del passo (mm): 0.012500000\n"
            "Interasse: 83.69 mm\n[stepper_y]\nrotation_distance: 40\nmicrosteps: 16\n"
            "full_steps_per_rotation: 200\n"},
    CliCase{"Marlin", {"--micropassi", "16", "--passo-vite", "8", "--firmware", "marlin"},
            "Step/mm: 400.000000000\nRisoluzione del passo (mm): 0.002500000\n"
            "Interasse: 83.69 mm\nM92 X400\n"}));

INSTANTIATE_TEST_SUITE_P(Errors, CliTest, testing::Values(
    CliCase{"belt too short", {"--cinta", "65"},
            "Step/mm: 133.333333333\nRisoluzione del passo (mm): 0.007500000\n", 1,
            "Argomento non valido in «Cinta»"},
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
    CliCase{"unknown option", {"--velocita", "3"}, "", 2, "opzione sconosciuta: --velocita"},
    CliCase{"missing text", {"--cinta"}, "", 2, "manca il testo dopo --cinta"},
    CliCase{"microsteps with half step", {"--micropassi", "16", "--mezzo-passo"}, "", 2,
            "in contrasto: --micropassi e --mezzo-passo"},
    CliCase{"firmware refuses a negative pitch", {"--passo-vite", "-8", "--firmware", "grbl"},
            "Step/mm: -50.000000000\nRisoluzione del passo (mm): -0.020000000\n"
            "Interasse: 83.69 mm\n", 1, "grbl: il firmware vuole passi per millimetro maggiori"}));

// The same entries through the stepping modes and through microsteps 1 and 2.
TEST(Cli, MicrostepsOneAndTwoPrintWhatFullAndHalfStepPrint) {
    const std::vector<std::vector<std::string>> entries = {
        {},
        {"--ingranaggi", "--vite", "17"},
        {"--passi", "0"},
        {"--passi", "461168601842738.7904"},
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
            EXPECT_EQ(run.out, expected.out) << count;
            EXPECT_EQ(run.err, expected.err) << count;
            EXPECT_EQ(run.status, expected.status) << count;
        }
    }
}

TEST(Cli, JsonIsTheSameInEveryLocaleAndItsNumbersAreTheTexts) {
    const std::vector<std::string> cases[] = {
        {"--json", "--ingranaggi", "--passo-vite", "3.14159", "--esatto"},
        {"--json", "--micropassi", "16", "--puleggia-asse", "20", "--profilo-cinghia", "GT2",
         "--firmware", "klipper"},
        {"--json", "--passi", "0"},
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
        EXPECT_EQ(runCli(arguments, {{"LANG", "en_US.UTF-8"}}).out, run.out);
    }
    const CliRun failed = runCli({"--json", "--passi", "0"});
    const QJsonObject report = QJsonDocument::fromJson(QByteArray::fromStdString(failed.out)).object();
    const QJsonObject error = report["errore"].toObject();
    EXPECT_EQ(error["tipo"].toString(), "Divisione per zero");
    EXPECT_EQ(error["campo"].toString(), "Passi del motore");
}

TEST(Cli, AnUnwritableOutputFails) {
    const std::vector<std::string> commandLines[] = {{}, {"--help"}, {"--json"}};
    for (const auto& arguments : commandLines) {
        const CliRun run = runCli(arguments, {{"LC_ALL", "C"}}, "/dev/full");
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.err.find("impossibile scrivere"), std::string::npos) << run.err;
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
        {{{"LANG", "en_US.UTF-8"}, {"LC_NUMERIC", "de_DE.UTF-8"}}, {}, "Step/mm: 133,333333333\n"},
        {{{"LANG", "it_IT.UTF-8"}, {"LC_ALL", "en_GB.UTF-8"}}, {}, "Step/mm: 133.333333333\n"},
        {{}, {}, "Step/mm: 133.333333333\n"},
        {{{"LANG", "it_IT.UTF-8"}}, {"--interasse-voluto", "99,5"},
         "Cinta più corta: 132XL (66 denti), interasse esatto 99,14 mm\n"},
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
}

}  // namespace
