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
#include "calc/translation.h"

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
    std::string_view name;  // Italian
    bool takesValue;
    Handler handle;
    std::string_view alias = {};  // English, where it differs
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

// "--option vuole WHAT, non «text»".
Wording wants(std::string_view key, std::string what, std::string_view text) {
    // TRANSLATORS: {0} is an option (--micropassi) or an input of the workbench, {1} what it takes,
    // {2} the text given, quoted
    return Wording(_("{0} vuole {1}, non {2}"),
                   {say::option(key), say::text(std::move(what)), say::typed(std::string(text))});
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
    return wants("micropassi",
                 filled(_("un numero intero da 1 a {0}"), {std::to_string(kMaxMicrosteps)}), text);
}

Complaint setPulleyTeeth(Parsing& parsing, std::string_view text) {
    const std::optional<int> teeth = wholeNumber(text, 1, kMaxPulleyTeeth);
    if (!teeth) {
        return wants(
            "puleggia-asse",
            filled(_("un numero intero di denti da 1 a {0}"), {std::to_string(kMaxPulleyTeeth)}),
            text);
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
    // TRANSLATORS: {0} is the name given, quoted; {1} the firmwares' names
    return Wording(_("firmware sconosciuto: {0} ({1})"),
                   {say::typed(std::string(name)), say::text(namesOf(kFirmwares))});
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
        return wants("asse", _("una o più lettere tra X, Y, Z, E, A, B, C, ciascuna una volta"),
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
                         filled(_("numeri di giunto da 0 a {0} separati da virgole, ciascuno "
                                  "una volta"),
                                {std::to_string(kMostJoints - 1)}),
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
        wants("angolo-passo", _("l'angolo di un passo in gradi, maggiore di zero"), text);
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
        // TRANSLATORS: {0} is --angolo-passo, {1} the angle given, quoted, {2} the motor's steps
        // per revolution nearest to it, {3} their angle in degrees
        return Wording(
            _("{0} {1}: 360 diviso l'angolo non dà un numero intero di passi; il più "
              "vicino è {2} passi ({3}°)"),
            {say::option("angolo-passo"), say::typed(std::string(text)),
             say::text(std::to_string(steps)), say::text(degrees(steps, parsing.separator))});
    }
    parsing.options.form.setText(Field::MotorSteps, std::to_string(steps));
    parsing.options.stepAngle = std::string(text);
    return std::nullopt;
}

// Adding an option is one row here and, for a new kind, one handler above.
constexpr Option kOptions[] = {
    {"--passi", true, setText<Field::MotorSteps>, "--steps"},
    {"--passo-vite", true, setText<Field::ScrewPitch>, "--lead"},
    {"--motore", true, setText<Field::MotorTeeth>, "--motor-teeth"},
    {"--vite", true, setText<Field::ScrewTeeth>, "--screw-teeth"},
    {"--cinta", true, setText<Field::BeltLengthCode>, "--belt-code"},
    {"--mezzo-passo", false, select<SteppingMode::HalfStep>, "--half-step"},
    {"--passo-intero", false, select<SteppingMode::FullStep>, "--full-step"},
    {"--diretto", false, select<Coupling::Direct>, "--direct"},
    {"--ingranaggi", false, select<Coupling::Belt>, "--belt-reduction"},
    {"--micropassi", true, setMicrosteps, "--microsteps"},
    {"--puleggia-asse", true, setPulleyTeeth, "--axis-pulley"},
    {"--profilo-cinghia", true, setProfile, "--belt-profile"},
    {"--firmware", true, setFirmware},
    {"--angolo-passo", true, setStepAngle, "--step-angle"},
    {"--filetti-pollice", true, setOptionText<&Options::threadsPerInch>, "--threads-per-inch"},
    {"--principi", true, setStarts, "--starts"},
    {"--pollici", false, setFlag<&Options::inches>, "--inch"},
    {"--asse", true, setAxes, "--axis"},
    {"--giunto", true, setJoints, "--joint"},
    {"--esatto", false, setFlag<&Options::exactDistance>, "--exact"},
    {"--interasse-voluto", true, setWantedDistance, "--wanted-centre-distance"},
    {"--calibra", false, setFlag<&Options::calibrate>, "--calibrate"},
    {"--attuali", true, setOptionText<&Options::currentStepsPerMm>, "--current"},
    {"--rotation-distance", true, setOptionText<&Options::rotationDistance>},
    {"--comandati", true, setOptionText<&Options::commandedMove>, "--commanded"},
    {"--misurati", true, setOptionText<&Options::measuredMove>, "--measured"},
    {"--strato", true, setOptionText<&Options::layerHeight>, "--layer"},
    {"--velocita", true, setOptionText<&Options::speed>, "--speed"},
    {"--frequenza-max", true, setOptionText<&Options::maxFrequency>, "--max-step-rate"},
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
        // TRANSLATORS: {0} is --calibra, {1} to {4} the options it reads, {5} the option given
        return UsageError(Wording(_("{0} legge solo {1} o {2}, {3}, {4} e le opzioni del "
                                    "firmware, non {5}"),
                                  {say::option("calibra"), say::option("attuali"),
                                   say::option("rotation-distance"), say::option("comandati"),
                                   say::option("misurati"), say::option(keyOf(*option))}),
                          {keyOf(*option), "calibra"});
    }
    const bool klipperFigure = parsing.wasGiven("--rotation-distance");
    if (!klipperFigure && !parsing.wasGiven("--attuali")) {
        // TRANSLATORS: {0} is --calibra, {1} the option of the steps per mm, {2} Klipper's
        // --rotation-distance
        return UsageError(Wording(_("{0} vuole {1} (passi per mm) o {2} (Klipper)"),
                                  {say::option("calibra"), say::option("attuali"),
                                   say::option("rotation-distance")}),
                          {"attuali", "rotation-distance"});
    }
    // A firmware that keeps the other figure: its lines cannot be written,
    // the figure still can.
    const auto& firmware = parsing.options.firmware;
    const bool klipper = firmware && firmware->firmware == Firmware::Klipper;
    const bool repRap = firmware && firmware->firmware == Firmware::RepRapFirmware;
    if (firmware && klipper != klipperFigure) {
        if (klipper) {
            // TRANSLATORS: {0} is --firmware, {1} --rotation-distance
            return UsageError(Wording(_("Klipper non ha un'impostazione dei passi per mm: con {0} "
                                        "klipper si calibra {1}"),
                                      {say::option("firmware"), say::option("rotation-distance")}),
                              {"firmware", "attuali"});
        }
        // TRANSLATORS: {0} is --rotation-distance, {1} --firmware, {2} the firmware's name, {3} the
        // option of the steps per mm
        return UsageError(Wording(_("{0} è di Klipper: con {1} {2} si calibra {3}"),
                                  {say::option("rotation-distance"), say::option("firmware"),
                                   say::text(std::string(firmware->name)), say::option("attuali")}),
                          {"firmware", "rotation-distance"});
    }
    if (repRap && !parsing.wasGiven("--micropassi")) {
        // TRANSLATORS: {0} is --calibra, {1} --micropassi
        return UsageError(Wording(_("con {0}, reprapfirmware vuole {1}: la riga M92 dice con S a "
                                    "quanti micropassi sono i passi per mm"),
                                  {say::option("calibra"), say::option("micropassi")}),
                          {"micropassi", "firmware"});
    }
    if (!repRap && parsing.wasGiven("--micropassi")) {
        // TRANSLATORS: {0} is --calibra, {1} --micropassi, {2} --firmware
        return UsageError(
            Wording(_("con {0}, {1} vale solo per {2} reprapfirmware"),
                    {say::option("calibra"), say::option("micropassi"), say::option("firmware")}),
            {"micropassi"});
    }
    return std::nullopt;
}

// Why a firmware's lines cannot be per degree.
Wording withoutRotaryAxes(const FirmwareName& firmware) {
    std::string why;
    switch (firmware.firmware) {
        case Firmware::Marlin:
            // TRANSLATORS: {0} is --rotativo
            why =
                _("{0}: le righe M92 di marlin sono qui per assi in millimetri (un asse "
                  "rotativo di Marlin si dichiara quando lo si compila)");
            break;
        case Firmware::Grbl:
            // TRANSLATORS: {0} is --rotativo
            why = _("{0}: grbl non ha assi rotativi, solo X, Y e Z in millimetri");
            break;
        case Firmware::Klipper:
            // TRANSLATORS: {0} is --rotativo
            why = _("{0}: klipper non ha assi rotativi, la sua rotation_distance è in millimetri");
            break;
        case Firmware::RepRapFirmware:
        case Firmware::LinuxCnc:
        case Firmware::GrblHal:
            // TRANSLATORS: {0} is --rotativo, {1} a firmware's name
            why = _("{0}: {1} non ha assi rotativi");
            break;
    }
    return Wording(std::move(why),
                   {say::option("rotativo"), say::text(std::string(firmware.name))});
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
            // TRANSLATORS: {0} is a firmware's name, {1} an axis letter, {2} the letters of the
            // axes it has
            return UsageError(filled(_("{0} non ha righe per l'asse {1} (assi: {2})"),
                                     {firmware->name, std::string(1, axis), firmware->axes}),
                              {"asse", "firmware"});
        }
    }
    if (axes.joints.empty()) return std::nullopt;
    if (firmware->firmware != Firmware::LinuxCnc) {
        // TRANSLATORS: {0} is --giunto, {1} a firmware's name
        return UsageError(Wording(_("{0} vale per linuxcnc, che numera i giunti, non per {1}"),
                                  {say::option("giunto"), say::text(std::string(firmware->name))}),
                          {"giunto", "firmware"});
    }
    if (axes.letters.size() > 1 && axes.joints.size() != axes.letters.size()) {
        // TRANSLATORS: {0} is --giunto, {1} the axes' letters (XY)
        return UsageError(Wording(_("{0} vuole un giunto per ciascuno degli assi {1} (o più "
                                    "giunti per un asse solo)"),
                                  {say::option("giunto"), say::text(axes.letters)}),
                          {"giunto", "asse"});
    }
    return std::nullopt;
}

// "--question legge solo --first e --second, non --given".
Wording readsOnly(std::string_view question, std::string_view first, std::string_view second,
                  const std::string& given) {
    // TRANSLATORS: {0} is an option that asks a question of its own, {1} and {2} the options it
    // reads, {3} the option given
    return Wording(
        _("{0} legge solo {1} e {2}, non {3}"),
        {say::option(question), say::option(first), say::option(second), say::option(given)});
}

UsageError conflict(std::string_view first, std::string_view second) {
    // TRANSLATORS: {0} and {1} are options
    return UsageError(Wording(_("opzioni in contrasto: {0} e {1}"),
                              {say::option(keyOf(first)), say::option(keyOf(second))}),
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
            // TRANSLATORS: {0} and {1} are options
            return UsageError(Wording(_("{0} vuole anche {1}"),
                                      {say::option(keyOf(option)), say::option(keyOf(needed))}),
                              {keyOf(needed), keyOf(option)});
        }
    }
    if (parsing.wasGiven("--denti-pignone") && !parsing.wasGiven("--modulo") &&
        !parsing.wasGiven("--passo-cremagliera")) {
        // TRANSLATORS: {0}, {1} and {2} are options
        return UsageError(Wording(_("{0} vuole anche {1} o {2}"),
                                  {say::option("denti-pignone"), say::option("modulo"),
                                   say::option("passo-cremagliera")}),
                          {"modulo", "passo-cremagliera", "denti-pignone"});
    }
    if (parsing.wasGiven("--macchina")) {
        if (const auto option = firstNotRead(parsing, kMachineOptions)) {
            return UsageError(readsOnly("macchina", "firmware", "json", keyOf(*option)),
                              {keyOf(*option), "macchina"});
        }
    }
    if (parsing.wasGiven("--interasse-voluto")) {
        if (const auto option = firstNotRead(parsing, kWantedDistanceOptions)) {
            return UsageError(readsOnly("interasse-voluto", "motore", "vite", keyOf(*option)),
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
        // TRANSLATORS: {0} is --esatto, {1} the option given, {2} --ingranaggi
        return UsageError(Wording(_("{0} misura la cinta XL tra motore e vite: con {1} vuole {2}"),
                                  {say::option("esatto"), say::option(keyOf(*beyond)),
                                   say::option("ingranaggi")}),
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
        // TRANSLATORS: {0} is --profilo-cinghia, {1} the text given, quoted, {2} the profiles'
        // names
        Wording(_("{0} {1} non è un profilo ({2}) né un passo in mm maggiore di zero"),
                {say::option("profilo-cinghia"), say::typed(parsing.profile),
                 say::text(namesOf(kBeltProfiles))}),
        {"profilo-cinghia"});
    EntryValue travel;
    try {
        travel = pulleyTravel(parsing.pulleyTeeth, parsing.profile, separator, group);
    } catch (const CalcError& error) {
        if (error.kind() != ErrorKind::Overflow) return wrongProfile;
        // TRANSLATORS: {0} is --puleggia-asse, {1} --profilo-cinghia
        return UsageError(Wording(_("{0} per {1}: la corsa per giro è fuori dall'intervallo di "
                                    "calcolo"),
                                  {say::option("puleggia-asse"), say::option("profilo-cinghia")}),
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
    return UsageError(wants("rotativo", _("un asse A, B o C"), letters), {"asse", "rotativo"});
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

std::string optionNameShown(std::string_view key) {
    const std::string name = "--" + std::string(key);
    const Option* option = optionNamed(name);
    if (!option) return name;
    return std::string(speaksItalian() || option->alias.empty() ? option->name : option->alias);
}

std::vector<OptionNames> optionNames() {
    std::vector<OptionNames> names;
    for (const Option& option : kOptions) {
        if (!option.alias.empty()) names.push_back({option.name, option.alias});
    }
    return names;
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
        if (!option) {
            // TRANSLATORS: {0} is the argument given, as written
            return UsageError(filled(_("opzione sconosciuta: {0}"), {argument}));
        }
        const std::string key = keyOf(option->name);
        std::string_view value;
        if (equals != argument.npos) {
            if (!option->takesValue) {
                // TRANSLATORS: {0} is an option that is a switch, given a text with "="
                return UsageError(Wording(_("{0} non vuole un testo"), {say::option(key)}), {key});
            }
            value = argument.substr(equals + 1);
        } else if (option->takesValue) {
            if (i + 1 == arguments.size()) {
                // TRANSLATORS: {0} is the option given last, without its text
                return UsageError(Wording(_("manca il testo dopo {0}"), {say::option(key)}), {key});
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

int microstepsOf(const Options& options) {
    if (options.microsteps) return *options.microsteps;
    return options.form.isSelected(SteppingMode::HalfStep) ? 2 : 1;
}

}  // namespace cnc::cli
