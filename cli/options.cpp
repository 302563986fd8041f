// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/options.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <span>

#include "calc/belt_axis.h"
#include "calc/calc_error.h"
#include "calc/decimal_text.h"
#include "calc/exact_ratio.h"

namespace cnc::cli {
namespace {

// The options read so far.
struct Parsing {
    std::string_view separator;  // the user's decimal separator
    Options options;
    std::vector<std::string_view> given;  // names, as in the table
    int pulleyTeeth = 0;
    std::string pulleyTeethText;
    std::string profile;

    bool wasGiven(std::string_view name) const {
        return std::find(given.begin(), given.end(), name) != given.end();
    }
};

// What an option's text cannot be, said with its name: a usage error of that option.
using Complaint = std::optional<Wording>;

// Handles one option's value; returns what is wrong with it, if anything.
using Handler = Complaint (*)(Parsing&, std::string_view value);

struct Option {
    std::string_view name;  // Italian, the one messages use
    bool takesValue;
    Handler handle;
    std::string_view alias = {};  // English
};

template <Field field>
Complaint setText(Parsing& parsing, std::string_view text) {
    parsing.options.form.setText(field, text);
    return std::nullopt;
}

template <auto choice>
Complaint select(Parsing& parsing, std::string_view) {
    parsing.options.form.select(choice);
    return std::nullopt;
}

template <bool Options::*flag>
Complaint setFlag(Parsing& parsing, std::string_view) {
    parsing.options.*flag = true;
    return std::nullopt;
}

// Digits only, no sign or blanks, from `least` to `most`.
std::optional<int> wholeNumber(std::string_view text, int least, int most) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || text.front() == '-' || ec != std::errc() ||
        end != text.data() + text.size() || value < least || value > most) {
        return std::nullopt;
    }
    return value;
}

std::string quoted(std::string_view text) { return "«" + std::string(text) + "»"; }

// "--option vuole WHAT, non «text»".
Wording wants(std::string_view option, std::string_view what, std::string_view text) {
    return Wording().option(option).text(" vuole " + std::string(what) + ", non " + quoted(text));
}

Complaint setWantedDistance(Parsing& parsing, std::string_view text) {
    parsing.options.wantedDistance = std::string(text);
    return std::nullopt;
}

template <std::optional<std::string> Options::*text>
Complaint setOptionText(Parsing& parsing, std::string_view value) {
    parsing.options.*text = std::string(value);
    return std::nullopt;
}

Complaint setMicrosteps(Parsing& parsing, std::string_view text) {
    parsing.options.microsteps = wholeNumber(text, 1, kMaxMicrosteps);
    if (parsing.options.microsteps) return std::nullopt;
    return wants("micropassi", "un numero intero da 1 a " + std::to_string(kMaxMicrosteps), text);
}

Complaint setPulleyTeeth(Parsing& parsing, std::string_view text) {
    const std::optional<int> teeth = wholeNumber(text, 1, kMaxPulleyTeeth);
    if (!teeth) {
        return wants("puleggia-asse",
                     "un numero intero di denti da 1 a " + std::to_string(kMaxPulleyTeeth), text);
    }
    parsing.pulleyTeeth = *teeth;
    parsing.pulleyTeethText = text;
    return std::nullopt;
}

// A text of --principi that reads as exactly one start; any other, a
// wrong one too, is for the run to read.
bool isOneStart(std::string_view text, std::string_view separator) {
    try {
        const Ratio starts = decimalRatio(text, separator);
        return !starts.negative && compare(starts.numerator, starts.denominator) == 0;
    } catch (const CalcError&) {
        return false;
    }
}

Complaint setStarts(Parsing& parsing, std::string_view text) {
    parsing.options.starts = std::string(text);
    parsing.options.startsLead = !isOneStart(text, parsing.separator);
    return std::nullopt;
}

Complaint setProfile(Parsing& parsing, std::string_view text) {
    parsing.profile = text;
    return std::nullopt;
}

// The names of a table's rows, separated by commas.
template <class Table>
std::string namesOf(const Table& table) {
    std::string names;
    for (const auto& row : table) names += (names.empty() ? "" : ", ") + std::string(row.name);
    return names;
}

Complaint setFirmware(Parsing& parsing, std::string_view name) {
    parsing.options.firmware = firmwareNamed(name);
    if (parsing.options.firmware) return std::nullopt;
    return "firmware sconosciuto: " + quoted(name) + " (" + namesOf(kFirmwares) + ")";
}

char upper(char letter) { return letter >= 'a' && letter <= 'z' ? letter - 'a' + 'A' : letter; }

Complaint setAxes(Parsing& parsing, std::string_view letters) {
    std::string axes;
    for (const char letter : letters) {
        const char axis = upper(letter);
        if (kAxisLetters.find(axis) == std::string_view::npos || axes.find(axis) != axes.npos) {
            axes.clear();
            break;
        }
        axes += axis;
    }
    if (axes.empty()) {
        return wants("asse", "una o più lettere tra X, Y, Z, E, A, B, C, ciascuna una volta",
                     letters);
    }
    parsing.options.axes.letters = axes;
    return std::nullopt;
}

Complaint setJoints(Parsing& parsing, std::string_view list) {
    std::vector<int> joints;
    for (std::string_view rest = list;;) {
        const std::size_t comma = rest.find(',');
        const auto joint = wholeNumber(rest.substr(0, comma), 0, kMostJoints - 1);
        if (!joint || std::find(joints.begin(), joints.end(), *joint) != joints.end()) {
            return wants("giunto",
                         "numeri di giunto da 0 a " + std::to_string(kMostJoints - 1) +
                             " separati da virgole, ciascuno una volta",
                         list);
        }
        joints.push_back(*joint);
        if (comma == rest.npos) break;
        rest.remove_prefix(comma + 1);
    }
    parsing.options.axes.joints = std::move(joints);
    return std::nullopt;
}

// The angle of one of `steps` steps, four decimals at most, with the user's
// separator.
std::string degrees(std::uint64_t steps, std::string_view separator) {
    std::string written(
        withoutTrailingZeros(roundedText(Ratio{Natural(360), Natural(steps), false}, 4, ".")));
    if (const auto point = written.find('.'); point != written.npos) {
        written.replace(point, 1, separator);
    }
    return written;
}

// More steps per revolution than any entry holds.
constexpr double kMostSteps = 1e14;

// The motor's steps from the angle of one step: 360 / angle, which must be whole.
Complaint setStepAngle(Parsing& parsing, std::string_view text) {
    const Wording wrong =
        wants("angolo-passo", "l'angolo di un passo in gradi, maggiore di zero", text);
    Ratio angle;
    try {
        angle = decimalRatio(text, parsing.separator);
    } catch (const CalcError&) {
        return wrong;
    }
    if (angle.negative || angle.numerator.isZero()) return wrong;
    const double nearest = std::max(1.0, std::round(360 / nearestDouble(angle)));
    if (!(nearest < kMostSteps)) return wrong;
    const auto steps = static_cast<std::uint64_t>(nearest);
    if (compare(angle.numerator * Natural(steps), Natural(360) * angle.denominator) != 0) {
        return Wording().option("angolo-passo").text(
            " " + quoted(text) + ": 360 diviso l'angolo non dà un numero intero di passi; il più "
            "vicino è " + std::to_string(steps) + " passi (" + degrees(steps, parsing.separator) +
            "°)");
    }
    parsing.options.form.setText(Field::MotorSteps, std::to_string(steps));
    parsing.options.stepAngle = std::string(text);
    return std::nullopt;
}

// Adding an option is one row here and, for a new kind, one handler above.
constexpr Option kOptions[] = {
    {"--passi", true, setText<Field::MotorSteps>},
    {"--passo-vite", true, setText<Field::ScrewPitch>},
    {"--motore", true, setText<Field::MotorTeeth>},
    {"--vite", true, setText<Field::ScrewTeeth>},
    {"--cinta", true, setText<Field::BeltLengthCode>},
    {"--mezzo-passo", false, select<SteppingMode::HalfStep>},
    {"--passo-intero", false, select<SteppingMode::FullStep>},
    {"--diretto", false, select<Coupling::Direct>},
    {"--ingranaggi", false, select<Coupling::Belt>},
    {"--micropassi", true, setMicrosteps},
    {"--puleggia-asse", true, setPulleyTeeth},
    {"--profilo-cinghia", true, setProfile},
    {"--firmware", true, setFirmware},
    {"--angolo-passo", true, setStepAngle},
    {"--filetti-pollice", true, setOptionText<&Options::threadsPerInch>},
    {"--principi", true, setStarts},
    {"--pollici", false, setFlag<&Options::inches>},
    {"--asse", true, setAxes},
    {"--giunto", true, setJoints},
    {"--esatto", false, setFlag<&Options::exactDistance>},
    {"--interasse-voluto", true, setWantedDistance},
    {"--calibra", false, setFlag<&Options::calibrate>},
    {"--attuali", true, setOptionText<&Options::currentStepsPerMm>},
    {"--rotation-distance", true, setOptionText<&Options::rotationDistance>},
    {"--comandati", true, setOptionText<&Options::commandedMove>},
    {"--misurati", true, setOptionText<&Options::measuredMove>},
    {"--strato", true, setOptionText<&Options::layerHeight>},
    {"--velocita", true, setOptionText<&Options::speed>},
    {"--frequenza-max", true, setOptionText<&Options::maxFrequency>},
    {"--rapporto", true, setOptionText<&Options::gearRatio>, "--gear-ratio"},
    {"--diametro-ruota", true, setOptionText<&Options::wheelDiameter>, "--wheel-diameter"},
    {"--denti-pignone", true, setOptionText<&Options::pinionTeeth>, "--pinion-teeth"},
    {"--modulo", true, setOptionText<&Options::rackModule>, "--module"},
    {"--passo-cremagliera", true, setOptionText<&Options::rackPitch>, "--rack-pitch"},
    {"--rotativo", false, setFlag<&Options::rotary>, "--rotary"},
    {"--step-mm", true, setOptionText<&Options::knownStepsPerMm>, "--steps-per-mm"},
    {"--macchina", true, setOptionText<&Options::machineFile>, "--machine"},
    {"--json", false, setFlag<&Options::json>},
    {"--help", false, setFlag<&Options::help>},
    {"-h", false, setFlag<&Options::help>},
    {"--version", false, setFlag<&Options::version>},
};

struct Pair {
    std::string_view first;
    std::string_view second;
};

// Options that contradict each other.
constexpr Pair kConflicts[] = {
    {"--mezzo-passo", "--passo-intero"}, {"--diretto", "--ingranaggi"},
    {"--micropassi", "--mezzo-passo"},   {"--micropassi", "--passo-intero"},
    {"--puleggia-asse", "--passo-vite"}, {"--profilo-cinghia", "--passo-vite"},
    {"--angolo-passo", "--passi"},
    {"--attuali", "--rotation-distance"},
    {"--filetti-pollice", "--passo-vite"}, {"--filetti-pollice", "--puleggia-asse"},
    {"--filetti-pollice", "--profilo-cinghia"}, {"--principi", "--puleggia-asse"},
    {"--principi", "--profilo-cinghia"},
    // A ratio, or a figure that holds every reduction, has no XL belt to measure.
    {"--rapporto", "--ingranaggi"}, {"--step-mm", "--ingranaggi"},
    {"--esatto", "--rapporto"}, {"--esatto", "--step-mm"},
    {"--modulo", "--passo-cremagliera"},
    // An axis that turns has no inches and no layers.
    {"--rotativo", "--pollici"}, {"--rotativo", "--strato"},
};

// What moves the axis: options of two of these contradict each other.
constexpr std::string_view kScrewDrive[] = {"--passo-vite", "--filetti-pollice", "--principi"};
constexpr std::string_view kBeltAxisDrive[] = {"--puleggia-asse", "--profilo-cinghia"};
constexpr std::string_view kWheelDrive[] = {"--diametro-ruota"};
constexpr std::string_view kRackDrive[] = {"--denti-pignone", "--modulo", "--passo-cremagliera"};
constexpr std::string_view kKnownStepsDrive[] = {"--step-mm"};
constexpr std::string_view kRotaryDrive[] = {"--rotativo"};
constexpr std::span<const std::string_view> kDrives[] = {
    kScrewDrive, kBeltAxisDrive, kWheelDrive, kRackDrive, kKnownStepsDrive, kRotaryDrive,
};

// Options that mean nothing without another.
constexpr Pair kRequirements[] = {
    {"--puleggia-asse", "--profilo-cinghia"},
    {"--profilo-cinghia", "--puleggia-asse"},
    {"--asse", "--firmware"},
    {"--giunto", "--firmware"},
    {"--attuali", "--calibra"},          {"--rotation-distance", "--calibra"},
    {"--comandati", "--calibra"},        {"--misurati", "--calibra"},
    {"--calibra", "--comandati"},        {"--calibra", "--misurati"},
    {"--modulo", "--denti-pignone"},     {"--passo-cremagliera", "--denti-pignone"},
};

// What a question of its own, --interasse-voluto, reads: the two pulleys.
constexpr std::string_view kWantedDistanceOptions[] = {
    "--interasse-voluto", "--motore", "--vite", "--json", "--help", "-h", "--version",
};

// What a machine file, a question of its own, reads beside it.
constexpr std::string_view kMachineOptions[] = {
    "--macchina", "--firmware", "--json", "--help", "-h", "--version",
};

// What the window does not have.
constexpr std::string_view kBeyondWindow[] = {
    "--micropassi", "--puleggia-asse", "--profilo-cinghia", "--firmware", "--asse",
    "--giunto",     "--esatto",        "--angolo-passo",    "--json",
    "--strato",     "--velocita",      "--frequenza-max",
    "--filetti-pollice", "--principi", "--pollici",
    "--rapporto", "--diametro-ruota", "--denti-pignone", "--modulo", "--passo-cremagliera",
    "--rotativo", "--step-mm",
};

// Of those, the ones that ask about the window's own drive: its belt's exact
// distance, and its answers as JSON.
constexpr std::string_view kAboutTheWindowsDrive[] = {"--esatto", "--json"};

// What --calibra reads: its own options and where its lines go.
constexpr std::string_view kCalibrationOptions[] = {
    "--calibra", "--attuali", "--rotation-distance", "--comandati", "--misurati",
    "--firmware", "--asse",   "--giunto",            "--micropassi", "--json",
    "--pollici",  "--help",   "-h",                  "--version",
};

// The option as a key, without its dashes.
std::string keyOf(std::string_view name) {
    return std::string(name.substr(name.find_first_not_of('-')));
}

// Whether the option `name` is one the window does not have; --principi
// only when it is more than the pitch typed (`startsLead`).
bool isBeyondWindow(std::string_view name, bool startsLead) {
    if (name == "--principi") return startsLead;
    return std::find(std::begin(kBeyondWindow), std::end(kBeyondWindow), name) !=
           std::end(kBeyondWindow);
}

// Whether the option `name` takes the drive beyond the window's own, whose
// direct coupling always shows the belt's centre distance: beyond it the XL
// belt is there only with --ingranaggi.
bool leavesWindowsDrive(std::string_view name, bool startsLead) {
    return isBeyondWindow(name, startsLead) &&
           std::find(std::begin(kAboutTheWindowsDrive), std::end(kAboutTheWindowsDrive), name) ==
               std::end(kAboutTheWindowsDrive);
}

std::optional<std::string_view> firstBeyondWindowsDrive(const Parsing& parsing) {
    for (const std::string_view name : parsing.given) {
        if (leavesWindowsDrive(name, parsing.options.startsLead)) return name;
    }
    return std::nullopt;
}

// The first option given that a question of its own does not read.
std::optional<std::string_view> firstNotRead(const Parsing& parsing,
                                             std::span<const std::string_view> read) {
    for (const std::string_view option : parsing.given) {
        if (std::find(read.begin(), read.end(), option) == read.end()) return option;
    }
    return std::nullopt;
}

// The firmware lines of a calibration are for the figure that was given:
// Klipper keeps a rotation_distance, the others steps per millimetre, and
// RepRapFirmware states the microstepping of the figure.
std::optional<UsageError> checkCalibration(const Parsing& parsing) {
    if (const auto option = firstNotRead(parsing, kCalibrationOptions)) {
        return UsageError(Wording()
                              .option("calibra")
                              .text(" legge solo ")
                              .option("attuali")
                              .text(" o ")
                              .option("rotation-distance")
                              .text(", ")
                              .option("comandati")
                              .text(", ")
                              .option("misurati")
                              .text(" e le opzioni del firmware, non ")
                              .option(keyOf(*option)),
                          {keyOf(*option), "calibra"});
    }
    const bool klipperFigure = parsing.wasGiven("--rotation-distance");
    if (!klipperFigure && !parsing.wasGiven("--attuali")) {
        return UsageError(Wording()
                              .option("calibra")
                              .text(" vuole ")
                              .option("attuali")
                              .text(" (passi per mm) o ")
                              .option("rotation-distance")
                              .text(" (Klipper)"),
                          {"attuali", "rotation-distance"});
    }
    // A firmware that keeps the other figure: its lines cannot be written,
    // the figure still can.
    const auto& firmware = parsing.options.firmware;
    const bool klipper = firmware && firmware->firmware == Firmware::Klipper;
    const bool repRap = firmware && firmware->firmware == Firmware::RepRapFirmware;
    if (firmware && klipper != klipperFigure) {
        if (klipper) {
            return UsageError(Wording("Klipper non ha un'impostazione dei passi per mm: con ")
                                  .option("firmware")
                                  .text(" klipper si calibra ")
                                  .option("rotation-distance"),
                              {"firmware", "attuali"});
        }
        return UsageError(Wording()
                              .option("rotation-distance")
                              .text(" è di Klipper: con ")
                              .option("firmware")
                              .text(" " + std::string(firmware->name) + " si calibra ")
                              .option("attuali"),
                          {"firmware", "rotation-distance"});
    }
    if (repRap && !parsing.wasGiven("--micropassi")) {
        return UsageError(Wording("con ")
                              .option("calibra")
                              .text(", reprapfirmware vuole ")
                              .option("micropassi")
                              .text(": la riga M92 dice con S a quanti micropassi sono i passi "
                                    "per mm"),
                          {"micropassi", "firmware"});
    }
    if (!repRap && parsing.wasGiven("--micropassi")) {
        return UsageError(Wording("con ")
                              .option("calibra")
                              .text(", ")
                              .option("micropassi")
                              .text(" vale solo per ")
                              .option("firmware")
                              .text(" reprapfirmware"),
                          {"micropassi"});
    }
    return std::nullopt;
}

// Why a firmware's lines cannot be per degree.
Wording withoutRotaryAxes(const FirmwareName& firmware) {
    Wording said = Wording().option("rotativo");
    switch (firmware.firmware) {
        case Firmware::Marlin:
            return said.text(
                ": le righe M92 di marlin sono qui per assi in millimetri (un asse rotativo di "
                "Marlin si dichiara quando lo si compila)");
        case Firmware::Grbl:
            return said.text(": grbl non ha assi rotativi, solo X, Y e Z in millimetri");
        case Firmware::Klipper:
            return said.text(
                ": klipper non ha assi rotativi, la sua rotation_distance è in millimetri");
        case Firmware::RepRapFirmware:
        case Firmware::LinuxCnc:
        case Firmware::GrblHal: break;
    }
    return said.text(": " + std::string(firmware.name) + " non ha assi rotativi");
}

// A rotary axis is A, B or C, of a firmware that has it turn.
std::optional<UsageError> checkRotaryAxes(const Parsing& parsing) {
    const auto& firmware = parsing.options.firmware;
    if (!parsing.options.rotary || !firmware) return std::nullopt;
    if (firmware->rotaryAxes.empty()) {
        return UsageError(withoutRotaryAxes(*firmware), {"rotativo", "firmware"});
    }
    return rotaryAxisError(parsing.options.axes.letters);
}

std::optional<UsageError> checkAxes(const Parsing& parsing) {
    const auto& firmware = parsing.options.firmware;
    const Axes& axes = parsing.options.axes;
    if (!firmware) return std::nullopt;
    if (auto error = checkRotaryAxes(parsing)) return error;
    for (const char axis : axes.letters) {
        if (firmware->axes.find(axis) == std::string_view::npos) {
            return UsageError(std::string(firmware->name) + " non ha righe per l'asse " + axis +
                                  " (assi: " + std::string(firmware->axes) + ")",
                              {"asse", "firmware"});
        }
    }
    if (axes.joints.empty()) return std::nullopt;
    if (firmware->firmware != Firmware::LinuxCnc) {
        return UsageError(Wording()
                              .option("giunto")
                              .text(" vale per linuxcnc, che numera i giunti, non per " +
                                    std::string(firmware->name)),
                          {"giunto", "firmware"});
    }
    if (axes.letters.size() > 1 && axes.joints.size() != axes.letters.size()) {
        return UsageError(Wording()
                              .option("giunto")
                              .text(" vuole un giunto per ciascuno degli assi " + axes.letters +
                                    " (o più giunti per un asse solo)"),
                          {"giunto", "asse"});
    }
    return std::nullopt;
}

UsageError conflict(std::string_view first, std::string_view second) {
    return UsageError(
        Wording("opzioni in contrasto: ").option(keyOf(first)).text(" e ").option(keyOf(second)),
        {keyOf(first), keyOf(second)});
}

// The first option given of `options`.
std::optional<std::string_view> firstGiven(const Parsing& parsing,
                                           std::span<const std::string_view> options) {
    for (const std::string_view option : options) {
        if (parsing.wasGiven(option)) return option;
    }
    return std::nullopt;
}

// One drive moves the axis.
std::optional<UsageError> checkDrives(const Parsing& parsing) {
    std::optional<std::string_view> given;
    for (const auto drive : kDrives) {
        const auto option = firstGiven(parsing, drive);
        if (!option) continue;
        if (given) return conflict(*given, *option);
        given = option;
    }
    return std::nullopt;
}

std::optional<UsageError> checkCombinations(const Parsing& parsing) {
    for (const auto& [first, second] : kConflicts) {
        if (parsing.wasGiven(first) && parsing.wasGiven(second)) return conflict(first, second);
    }
    if (auto error = checkDrives(parsing)) return error;
    for (const auto& [option, needed] : kRequirements) {
        if (parsing.wasGiven(option) && !parsing.wasGiven(needed)) {
            return UsageError(
                Wording().option(keyOf(option)).text(" vuole anche ").option(keyOf(needed)),
                {keyOf(needed), keyOf(option)});
        }
    }
    if (parsing.wasGiven("--denti-pignone") && !parsing.wasGiven("--modulo") &&
        !parsing.wasGiven("--passo-cremagliera")) {
        return UsageError(Wording()
                              .option("denti-pignone")
                              .text(" vuole anche ")
                              .option("modulo")
                              .text(" o ")
                              .option("passo-cremagliera"),
                          {"modulo", "passo-cremagliera", "denti-pignone"});
    }
    if (parsing.wasGiven("--macchina")) {
        if (const auto option = firstNotRead(parsing, kMachineOptions)) {
            return UsageError(Wording()
                                  .option("macchina")
                                  .text(" legge solo ")
                                  .option("firmware")
                                  .text(" e ")
                                  .option("json")
                                  .text(", non ")
                                  .option(keyOf(*option)),
                              {keyOf(*option), "macchina"});
        }
    }
    if (parsing.wasGiven("--interasse-voluto")) {
        if (const auto option = firstNotRead(parsing, kWantedDistanceOptions)) {
            return UsageError(Wording()
                                  .option("interasse-voluto")
                                  .text(" legge solo ")
                                  .option("motore")
                                  .text(" e ")
                                  .option("vite")
                                  .text(", non ")
                                  .option(keyOf(*option)),
                              {keyOf(*option), "interasse-voluto"});
        }
    }
    if (parsing.wasGiven("--calibra")) {
        if (auto error = checkCalibration(parsing)) return error;
    }
    // Beyond the window's drive the XL belt is the reduction's: without it
    // there is none to measure (an axis pulley's, wheel's or pinion's drive
    // has none of its own).
    const auto beyond = firstBeyondWindowsDrive(parsing);
    if (parsing.wasGiven("--esatto") && beyond &&
        !parsing.options.form.isSelected(Coupling::Belt)) {
        return UsageError(Wording()
                              .option("esatto")
                              .text(" misura la cinta XL tra motore e vite: con ")
                              .option(keyOf(*beyond))
                              .text(" vuole ")
                              .option("ingranaggi"),
                          {"esatto", keyOf(*beyond)});
    }
    return checkAxes(parsing);
}


// The travel of the axis pulley takes the place of the screw pitch.
// In the pitch field the travel is written with the user's decimal separator,
// as if typed: a '.' would be refused where it groups thousands ("32.512").
std::optional<UsageError> placeBeltAxis(Parsing& parsing, std::string_view separator,
                                        std::string_view group) {
    const UsageError wrongProfile(
        Wording().option("profilo-cinghia").text(" " + quoted(parsing.profile) +
                                                 " non è un profilo (" + namesOf(kBeltProfiles) +
                                                 ") né un passo in mm maggiore di zero"),
        {"profilo-cinghia"});
    EntryValue travel;
    try {
        travel = pulleyTravel(parsing.pulleyTeeth, parsing.profile, separator, group);
    } catch (const CalcError& error) {
        if (error.kind() != ErrorKind::Overflow) return wrongProfile;
        return UsageError(Wording()
                              .option("puleggia-asse")
                              .text(" per ")
                              .option("profilo-cinghia")
                              .text(": la corsa per giro è fuori dall'intervallo di calcolo"),
                          {"puleggia-asse", "profilo-cinghia"});
    }
    if (travel.tenThousandths <= 0) return wrongProfile;
    BeltAxis axis{parsing.pulleyTeethText, parsing.profile, entryValueText(travel)};
    std::string typed = axis.travel;
    if (const auto point = typed.find('.'); point != typed.npos) typed.replace(point, 1, separator);
    parsing.options.form.setText(Field::ScrewPitch, typed);
    parsing.options.beltAxis = std::move(axis);
    return std::nullopt;
}

const Option* optionNamed(std::string_view name) {
    const Option* option =
        std::find_if(std::begin(kOptions), std::end(kOptions), [&](const Option& each) {
            return each.name == name || (!each.alias.empty() && each.alias == name);
        });
    return option == std::end(kOptions) ? nullptr : option;
}

}  // namespace

UsageError::UsageError(Wording wording, std::vector<std::string> optionsAtFault)
    : message(wording.commandLine()),
      said(std::move(wording)),
      options(std::move(optionsAtFault)) {}

std::optional<UsageError> rotaryAxisError(std::string_view letters) {
    if (letters.find_first_not_of(kRotaryAxisLetters) == std::string_view::npos) {
        return std::nullopt;
    }
    return UsageError(wants("rotativo", "un asse A, B o C", letters), {"asse", "rotativo"});
}

bool hasXlBelt(const std::vector<std::pair<std::string, std::string>>& options,
               std::string_view decimalSeparator) {
    // As parsed: an option given twice keeps its last text, and either of
    // its names serves.
    const auto nameOf = [](const std::string& key) {
        const std::string name = "--" + key;
        return std::string(optionName(name).value_or(name));
    };
    bool startsLead = false;
    for (const auto& [key, text] : options) {
        const std::string name = nameOf(key);
        if (name == "--ingranaggi") return true;
        if (name == "--principi") startsLead = !isOneStart(text, decimalSeparator);
    }
    return std::none_of(options.begin(), options.end(), [&](const auto& option) {
        return leavesWindowsDrive(nameOf(option.first), startsLead);
    });
}

std::optional<bool> takesText(std::string_view name) {
    const Option* option = optionNamed(name);
    return option ? std::optional<bool>(option->takesValue) : std::nullopt;
}

std::optional<std::string_view> optionName(std::string_view name) {
    const Option* option = optionNamed(name);
    return option ? std::optional<std::string_view>(option->name) : std::nullopt;
}

std::variant<Options, UsageError> parseOptions(const std::vector<std::string>& arguments,
                                               std::string_view decimalSeparator,
                                               std::string_view groupSeparator) {
    Parsing parsing;
    parsing.separator = decimalSeparator;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        const std::size_t equals = argument.starts_with("--") ? argument.find('=') : argument.npos;
        const Option* option = optionNamed(argument.substr(0, equals));
        if (!option) return UsageError("opzione sconosciuta: " + std::string(argument));
        const std::string key = keyOf(option->name);
        std::string_view value;
        if (equals != argument.npos) {
            if (!option->takesValue) {
                return UsageError(Wording().option(key).text(" non vuole un testo"), {key});
            }
            value = argument.substr(equals + 1);
        } else if (option->takesValue) {
            if (i + 1 == arguments.size()) {
                return UsageError(Wording("manca il testo dopo ").option(key), {key});
            }
            value = arguments[++i];
        }
        parsing.given.push_back(option->name);
        if (auto complaint = option->handle(parsing, value)) return UsageError(*complaint, {key});
    }
    // A rotary axis's firmware lines are for A unless said.
    if (parsing.options.rotary && !parsing.wasGiven("--asse")) parsing.options.axes.letters = "A";
    if (auto error = checkCombinations(parsing)) return *error;
    parsing.options.beyondWindow =
        std::any_of(parsing.given.begin(), parsing.given.end(), [&](std::string_view name) {
            return isBeyondWindow(name, parsing.options.startsLead);
        });
    parsing.options.xlBelt =
        parsing.options.form.isSelected(Coupling::Belt) || !firstBeyondWindowsDrive(parsing);
    if (parsing.wasGiven("--puleggia-asse")) {
        if (auto error = placeBeltAxis(parsing, decimalSeparator, groupSeparator)) return *error;
    }
    return std::move(parsing.options);
}

std::string usage() {
    return "uso: cnc-axis-calc-cli [--passi TESTO | --angolo-passo GRADI]\n"
           "         [--passo-vite TESTO | --filetti-pollice T |\n"
           "          --puleggia-asse DENTI --profilo-cinghia P | --diametro-ruota D |\n"
           "          --denti-pignone Z (--modulo M | --passo-cremagliera P) |\n"
           "          --step-mm S | --rotativo] [--principi N] [--pollici]\n"
           "         [--rapporto A:B[,A:B...]]\n"
           "         [--mezzo-passo | --passo-intero | --micropassi N]\n"
           "         [--diretto | --ingranaggi] [--motore TESTO] [--vite TESTO] [--cinta TESTO]\n"
           "         [--firmware NOME [--asse LETTERE] [--giunto N[,N...]]]\n"
           "         [--esatto] [--strato H] [--velocita V] [--frequenza-max F] [--json]\n"
           "       cnc-axis-calc-cli [--motore TESTO] [--vite TESTO] --interasse-voluto D\n"
           "       cnc-axis-calc-cli --calibra (--attuali S | --rotation-distance R)\n"
           "         --comandati C --misurati M [--firmware NOME [--asse LETTERE]\n"
           "         [--giunto N[,N...]] [--micropassi N]] [--pollici] [--json]\n"
           "       cnc-axis-calc-cli --macchina FILE [--firmware NOME] [--json]\n"
           "       cnc-axis-calc-cli -h | --help | --version\n"
           "\n"
           "Calcola passi per millimetro, millimetri per passo e interasse delle pulegge.\n"
           "Le opzioni oltre la finestra vogliono passi per giro e denti interi.\n"
           "\n"
           "  --passi TESTO          passi del motore per giro (200)\n"
           "  --angolo-passo GRADI   al posto di --passi, l'angolo di un passo: 1.8 per 200\n"
           "                         passi, 0.9 per 400; 360 / GRADI dev'essere intero\n"
           "  --passo-vite TESTO     passo della vite in mm (3); per una vite a più principi\n"
           "                         l'avanzamento per giro (8 per una T8x8)\n"
           "  --filetti-pollice T    al posto di --passo-vite, i filetti per pollice della\n"
           "                         vite: passo 25,4 / T mm (10 per una 1/2\"-10 ACME)\n"
           "  --principi N           principi della vite, intero da 1 in su: avanzamento =\n"
           "                         passo x N (--passo-vite 2 --principi 4 per una T8 a\n"
           "                         4 principi); non con --puleggia-asse\n"
           "  --pollici              macchina in pollici: aggiunge step per pollice e\n"
           "                         risoluzione in pollici; SCALE per pollice in linuxcnc;\n"
           "                         --strato, --velocita e le distanze di --calibra in\n"
           "                         pollici, le risposte in pollici e in mm\n"
           "  --mezzo-passo          scheda in mezzo passo (predefinito)\n"
           "  --passo-intero         scheda in passo intero\n"
           "  --micropassi N         scheda a N micropassi per passo, da 1 a 256\n"
           "  --diretto              accoppiamento diretto (predefinito)\n"
           "  --ingranaggi           accoppiamento con pulegge e cinta\n"
           "  --motore TESTO         denti della puleggia del motore (17)\n"
           "  --vite TESTO           denti della puleggia della vite (36)\n"
           "  --cinta TESTO          codice di lunghezza della cinta XL, il numero prima di\n"
           "                         \"XL\" (decimi di pollice, il doppio dei denti): 120 per\n"
           "                         una cinta 120XL037 di 60 denti (120)\n"
           "  --puleggia-asse DENTI  asse mosso da una cinghia al posto della vite: denti\n"
           "                         della sua puleggia, da 1 a 32767\n"
           "  --profilo-cinghia P    GT2, GT3, HTD3M, HTD5M, T2.5, T5, MXL, XL, L,\n"
           "                         oppure il passo della cinghia in mm\n"
           "  --rapporto A:B[,A:B...]\n"
           "                         riduzione dopo il motore: giri del motore e giri\n"
           "                         dell'uscita, interi (50:17 per un ingranaggio di 17\n"
           "                         denti che ne muove 50, 5:1 per un riduttore); più stadi\n"
           "                         separati da virgole si moltiplicano; non con --ingranaggi\n"
           "  --diametro-ruota D     al posto della vite, una ruota di D mm: corsa per giro\n"
           "                         pi greco x D (l'ingranaggio di un estrusore, un rullo)\n"
           "  --denti-pignone Z      al posto della vite, un pignone di Z denti su una\n"
           "                         cremagliera di modulo M o di passo P\n"
           "  --modulo M             il modulo della cremagliera: corsa pi greco x M x Z mm\n"
           "  --passo-cremagliera P  il passo della cremagliera in mm: corsa P x Z mm\n"
           "  --step-mm S            al posto della vite, i passi per mm già noti (da una\n"
           "                         configurazione): per klipper rotation_distance =\n"
           "                         passi x micropassi x rapporto / S\n"
           "  --rotativo             asse rotativo, in gradi: Step/grado e risoluzione in\n"
           "                         gradi, velocità in gradi; righe per l'asse A\n"
           "                         (predefinito), B o C di linuxcnc, reprapfirmware o\n"
           "                         grblhal; non con vite, cinghia, ruota, cremagliera,\n"
           "                         --step-mm, --pollici o --strato\n"
           "  --firmware NOME        dopo i risultati, le righe da incollare in marlin,\n"
           "                         reprapfirmware, grbl, grblhal, klipper o linuxcnc\n"
           "  --asse LETTERE         l'asse di quelle righe: X (predefinito), Y, Z, E, A, B, C;\n"
           "                         più lettere per più assi dello stesso azionamento (XY)\n"
           "  --giunto N[,N...]      solo linuxcnc: i giunti [JOINT_n], da 0 a 15; più giunti\n"
           "                         per un asse a portale (--asse Y --giunto 1,2)\n"
           "  --esatto               dopo i risultati, l'interasse dalla geometria esatta\n"
           "                         della cinta; oltre le opzioni della finestra vuole\n"
           "                         --ingranaggi, che sola dà la cinta XL\n"
           "  --interasse-voluto D   le due cinte XL a denti interi con l'interasse esatto\n"
           "                         più vicino a D mm, sotto e sopra; legge solo --motore\n"
           "                         e --vite, e non vuole altre opzioni del calcolo\n"
           "  --strato H             dopo i risultati, il movimento di un passo intero e i\n"
           "                         suoi multipli più vicini ad H mm, sotto e sopra\n"
           "                         (H in pollici con --pollici)\n"
           "  --velocita V           la frequenza dei passi, in kHz, a V mm/s (pollici/s con\n"
           "                         --pollici)\n"
           "  --frequenza-max F      la velocità massima, in mm/s e mm/min, a F kHz di passi\n"
           "                         (anche in pollici/s e pollici/min con --pollici)\n"
           "  --calibra              corregge i passi per mm da un movimento misurato: con\n"
           "                         --attuali S (i passi per mm del firmware) o, per\n"
           "                         Klipper, --rotation-distance R, --comandati C (mm\n"
           "                         comandati) e --misurati M (mm misurati); legge solo\n"
           "                         queste e le opzioni del firmware (reprapfirmware vuole\n"
           "                         --micropassi); con --pollici C e M in pollici\n"
           "  --macchina FILE        una macchina intera da un file TOML: firmware, nome e\n"
           "                         una tabella [asse.X] per asse con le opzioni qui sopra\n"
           "                         senza trattini; ogni riga di un asse comincia con la\n"
           "                         sua lettera, poi le righe del firmware per tutta la\n"
           "                         macchina; --firmware sostituisce quello del file\n"
           "  --json                 un oggetto JSON al posto delle righe, anche per gli errori\n"
           "  -h, --help             mostra questo aiuto\n"
           "  --version              mostra la versione e la licenza\n"
           "\n"
           "Nomi inglesi delle stesse opzioni: --gear-ratio (--rapporto), --wheel-diameter\n"
           "(--diametro-ruota), --pinion-teeth (--denti-pignone), --module (--modulo),\n"
           "--rack-pitch (--passo-cremagliera), --rotary (--rotativo), --steps-per-mm\n"
           "(--step-mm), --machine (--macchina).\n"
           "\n"
           "Esempi, con un motore di 200 passi:\n"
           "  a 1/16 con una vite T8x8: 400 passi/mm\n"
           "    cnc-axis-calc-cli --micropassi 16 --passo-vite 8\n"
           "  a 1/16 con una puleggia GT2 di 20 denti: 80 passi/mm\n"
           "    cnc-axis-calc-cli --micropassi 16 --puleggia-asse 20 --profilo-cinghia GT2\n"
           "  a 1/8 con una vite 1/2\"-10 ACME, in pollici: 16000 passi/pollice\n"
           "    cnc-axis-calc-cli --micropassi 8 --filetti-pollice 10 --pollici\n"
           "  un estrusore: ingranaggi 17 e 50, ruota di 7,3 mm, le righe di Klipper\n"
           "    cnc-axis-calc-cli --micropassi 16 --rapporto 50:17 --diametro-ruota 7.3 \\\n"
           "      --firmware klipper --asse E\n"
           "  una tavola rotante a vite senza fine 90:1: 800 passi/grado\n"
           "    cnc-axis-calc-cli --micropassi 16 --rotativo --rapporto 90:1\n"
           "  le righe per l'asse Y di Klipper\n"
           "    cnc-axis-calc-cli --micropassi 16 --passo-vite 8 --firmware klipper --asse Y\n"
           "  in JSON\n"
           "    cnc-axis-calc-cli --micropassi 16 --passo-vite 8 --json\n"
           "  le cinte per pulegge di 17 e 36 denti a 100 mm: 132XL e 134XL\n"
           "    cnc-axis-calc-cli --interasse-voluto 100\n"
           "  80 passi per mm, 100 mm comandati, 99 misurati: 80.808080808 passi per mm\n"
           "    cnc-axis-calc-cli --calibra --attuali 80 --comandati 100 --misurati 99\n"
           "  una stampante intera, le righe di Marlin\n"
           "    cnc-axis-calc-cli --macchina stampante.toml --firmware marlin\n"
           "\n"
           "I numeri usano il separatore decimale della lingua (LC_ALL, LC_NUMERIC, LANG);\n"
           "il punto è sempre accettato. Le righe dei firmware e il JSON usano il punto.\n";
}

int microstepsOf(const Options& options) {
    if (options.microsteps) return *options.microsteps;
    return options.form.isSelected(SteppingMode::HalfStep) ? 2 : 1;
}

}  // namespace cnc::cli
