// SPDX-License-Identifier: GPL-3.0-or-later
// The command line in every language it speaks, read from the catalogues
// beside it with no locale installed: the same numbers everywhere, only the
// decimal separator following the locale; the words of the language, the
// options named in it; both names of every option working in each.

#include <QRegularExpression>
#include <QString>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "cli/options.h"
#include "cli_run.h"

namespace {

using Locale = std::vector<std::pair<std::string, std::string>>;

const Locale kItalianC = {{"LC_ALL", "C"}};
const Locale kOtherLanguages[] = {{{"LANG", "en_US.UTF-8"}},
                                  {{"LANG", "de_DE.UTF-8"}},
                                  {{"LANG", "fr_FR.UTF-8"}},
                                  {{"LANG", "es_ES.UTF-8"}}};

// Every number printed, a decimal comma read as a point, in order of size.
std::vector<std::string> numbersOf(const std::string& text) {
    static const QRegularExpression number(QStringLiteral("\\d+(?:[.,]\\d+)?"));
    std::vector<std::string> numbers;
    for (const auto& match : number.globalMatch(QString::fromStdString(text))) {
        numbers.push_back(
            match.captured().replace(QLatin1Char(','), QLatin1Char('.')).toStdString());
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

// The words of the Italian messages and labels that no other language shares.
bool holdsItalian(const std::string& text) {
    static const QRegularExpression italian(
        QStringLiteral("\\b(passo|passi|vite|risoluzione|interasse|non|della|correzione|cinta|"
                       "strato|frequenza|velocità|denti|corretti|vuole|righe|intero)\\b"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    return italian.match(QString::fromStdString(text)).hasMatch();
}

std::string shown(const CliRun& run) { return run.out + run.err; }

TEST(Languages, EveryLanguageGivesTheSameNumbersInItsOwnWords) {
    struct Row {
        std::vector<std::string> italian;
        std::vector<std::string> english;  // the same options by their English names
    };
    const std::string printer = MACHINES_DIR "/printer.toml";
    const Row rows[] = {
        // a screw, a belt axis, the XL reduction
        {{"--micropassi", "16", "--passo-vite", "8"}, {"--microsteps", "16", "--lead", "8"}},
        {{"--micropassi", "16", "--puleggia-asse", "20", "--profilo-cinghia", "GT2"},
         {"--microsteps", "16", "--axis-pulley", "20", "--belt-profile", "GT2"}},
        {{"--passo-intero", "--ingranaggi", "--esatto", "--motore", "15"},
         {"--full-step", "--belt-reduction", "--exact", "--motor-teeth", "15"}},
        {{"--filetti-pollice", "10", "--principi", "2", "--pollici"},
         {"--threads-per-inch", "10", "--starts", "2", "--inch"}},
        // a layer and speeds
        {{"--strato", "0.2", "--velocita", "100", "--frequenza-max", "40"},
         {"--layer", "0.2", "--speed", "100", "--max-step-rate", "40"}},
        // a calibration
        {{"--calibra", "--attuali", "80", "--comandati", "100", "--misurati", "101"},
         {"--calibrate", "--current", "80", "--commanded", "100", "--measured", "101"}},
        // each firmware's lines
        {{"--micropassi", "16", "--passo-vite", "8", "--firmware", "klipper", "--asse", "Z"},
         {"--microsteps", "16", "--lead", "8", "--firmware", "klipper", "--axis", "Z"}},
        {{"--micropassi", "16", "--firmware", "marlin"},
         {"--microsteps", "16", "--firmware", "marlin"}},
        {{"--angolo-passo", "0.9", "--firmware", "reprapfirmware", "--asse", "XY"},
         {"--step-angle", "0.9", "--firmware", "reprapfirmware", "--axis", "XY"}},
        {{"--mezzo-passo", "--firmware", "grbl"}, {"--half-step", "--firmware", "grbl"}},
        {{"--micropassi", "8", "--firmware", "grblhal", "--asse", "A", "--rotativo"},
         {"--microsteps", "8", "--firmware", "grblhal", "--axis", "A", "--rotary"}},
        {{"--micropassi", "8", "--firmware", "linuxcnc", "--asse", "Y", "--giunto", "1,2"},
         {"--microsteps", "8", "--firmware", "linuxcnc", "--axis", "Y", "--joint", "1,2"}},
        // a machine file, the belts for a distance
        {{"--macchina", printer}, {"--machine", printer}},
        {{"--vite", "40", "--interasse-voluto", "100"},
         {"--screw-teeth", "40", "--wanted-centre-distance", "100"}},
        // errors: of an entry, of an option's text, of the options together
        {{"--ingranaggi", "--cinta", "65"}, {"--belt-reduction", "--belt-code", "65"}},
        {{"--micropassi", "0"}, {"--microsteps", "0"}},
        {{"--diretto", "--ingranaggi"}, {"--direct", "--belt-reduction"}},
        {{"--firmware", "klipper", "--passi", "202"}, {"--firmware", "klipper", "--steps", "202"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.italian[0] + " " + row.italian.back());
        const CliRun c = runCli(row.italian, kItalianC);
        EXPECT_EQ(shown(runCli(row.english, kItalianC)), shown(c));
        for (const Locale& language : kOtherLanguages) {
            SCOPED_TRACE(language[0].second);
            const CliRun run = runCli(row.english, language);
            EXPECT_EQ(run.status, c.status);
            EXPECT_EQ(numbersOf(shown(run)), numbersOf(shown(c))) << shown(run);
            EXPECT_FALSE(holdsItalian(shown(run))) << shown(run);
            EXPECT_EQ(shown(runCli(row.italian, language)), shown(run));
        }
    }
}

// What an English speaker reads, word for word.
TEST(Languages, SpeaksEnglishWithTheEnglishNames) {
    struct Row {
        std::vector<std::string> arguments;
        std::string out;
        std::string err;
    };
    const Row rows[] = {
        {{"--microsteps", "16", "--lead", "8", "--firmware", "klipper"},
         "Steps/mm: 400.000000000\nResolution (mm): 0.002500000\n[stepper_x]\n"
         "rotation_distance: 8\nmicrosteps: 16\nfull_steps_per_rotation: 200\n",
         ""},
        {{"--lead", "x"},
         "",
         "Type mismatch in “Lead (mm)”: the field is empty or holds no number.\n"},
        {{"--passo-vite", "8", "--puleggia-asse", "20"},
         "",
         "cnc-axis-calc-cli: conflicting options: --axis-pulley and --lead; see "
         "“cnc-axis-calc-cli --help” for the options\n"},
        {{"--layer", "0"},
         "Steps/mm: 133.333333333\nResolution (mm): 0.007500000\n",
         "Invalid argument: --layer wants a number above zero, not “0”.\n"},
    };
    for (const Row& row : rows) {
        const CliRun run = runCli(row.arguments, {{"LANG", "en_GB.UTF-8"}});
        EXPECT_EQ(run.out, row.out) << row.arguments[0];
        EXPECT_EQ(run.err, row.err) << row.arguments[0];
    }
}

// The help names each option as the messages do: by its Italian name in C,
// by its English one in every other language, the other names listed apart.
TEST(Languages, HelpNamesTheOptionsInItsLanguage) {
    static const QRegularExpression option(QStringLiteral("--[a-z][a-z-]*"));
    const std::vector<cnc::cli::OptionNames> named = cnc::cli::optionNames();
    std::vector<Locale> locales{kItalianC};
    locales.insert(locales.end(), std::begin(kOtherLanguages), std::end(kOtherLanguages));
    for (const Locale& locale : locales) {
        const bool italian = locale == kItalianC;
        const QString help = QString::fromStdString(runCli({"--help"}, locale).out);
        for (const QString& paragraph : help.split(QStringLiteral("\n\n"))) {
            // The other language's names, each beside the one used.
            if (paragraph.contains(QStringLiteral("(--steps)")) ||
                paragraph.contains(QStringLiteral("(--passi)"))) {
                continue;
            }
            for (const auto& match : option.globalMatch(paragraph)) {
                const std::string name = match.captured().toStdString();
                const auto italianName = cnc::cli::optionName(name);
                ASSERT_TRUE(italianName) << locale[0].second << ": " << name;
                const bool hasEnglish =
                    std::any_of(named.begin(), named.end(),
                                [&](const auto& names) { return names.italian == *italianName; });
                EXPECT_TRUE(!hasEnglish || (*italianName == name) == italian)
                    << locale[0].second << ": " << name;
            }
        }
    }
}

}  // namespace
