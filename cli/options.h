// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line of cnc-axis-calc-cli: the window's entries and choices as
// options, each TEXT taken as an entry field's text exactly as given, and
// what goes beyond the window: microstepping, belt-driven axes, gears,
// wheels, racks and rotary axes, firmware lines, JSON and whole machines.
// Every option has its Italian name and most an English one (--passo-vite,
// --lead); both always work. The options are known by their Italian names
// (keys without dashes, "passo-vite"); messages show the name of their
// language (optionNameShown).

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "calc/firmware_lines.h"
#include "calc/memory_form.h"
#include "cli/wording.h"

namespace cnc::cli {

inline constexpr int kMaxMicrosteps = 256;
inline constexpr std::string_view kAxisLetters = "XYZEABC";
inline constexpr std::string_view kRotaryAxisLetters = "ABC";

// An axis moved by a belt in place of the screw, as given.
struct BeltAxis {
    std::string teeth;
    std::string profile;  // a profile's name or a pitch in mm
    std::string travel;   // teeth times pitch, mm, with '.'
};

struct Options {
    // The window's initial texts and choices, then the options; with a belt
    // axis, its travel as the screw pitch.
    MemoryForm form;
    std::optional<int> microsteps;
    std::optional<BeltAxis> beltAxis;
    std::optional<FirmwareName> firmware;
    Axes axes;                             // --asse, --giunto
    std::optional<std::string> stepAngle;  // --angolo-passo, as typed; its steps are in the form
    std::optional<std::string> threadsPerInch;  // --filetti-pollice, as typed, read by the run
    std::optional<std::string> starts;          // --principi, as typed, read by the run
    // --principi other than one start (any text that does not read as 1): the
    // lead is the pitch times the starts, computed. One start leads by the
    // pitch typed, so the run is the one without --principi, digit for digit.
    bool startsLead = false;
    bool inches = false;                        // --pollici
    bool json = false;
    bool exactDistance = false;                 // --esatto
    std::optional<std::string> wantedDistance;  // --interasse-voluto: a question of its own
    // --calibra, a question of its own: the figure the firmware has (steps per
    // mm, or Klipper's rotation_distance), the move commanded and measured, as typed.
    bool calibrate = false;
    std::optional<std::string> currentStepsPerMm;  // --attuali
    std::optional<std::string> rotationDistance;   // --rotation-distance
    std::optional<std::string> commandedMove;      // --comandati
    std::optional<std::string> measuredMove;       // --misurati
    // Beside the calculation, from its stepping, as typed.
    std::optional<std::string> layerHeight;   // --strato, mm
    std::optional<std::string> speed;         // --velocita, mm/s
    std::optional<std::string> maxFrequency;  // --frequenza-max, kHz
    // The drives beyond screws and belts, as typed, read by the run.
    std::optional<std::string> gearRatio;        // --rapporto, "50:17" or "57:11,2:1"
    std::optional<std::string> wheelDiameter;    // --diametro-ruota, mm
    std::optional<std::string> pinionTeeth;      // --denti-pignone
    std::optional<std::string> rackModule;       // --modulo, mm
    std::optional<std::string> rackPitch;        // --passo-cremagliera, mm
    std::optional<std::string> knownStepsPerMm;  // --step-mm
    bool rotary = false;                         // --rotativo: figures per degree
    std::optional<std::string> machineFile;      // --macchina: a question of its own
    bool help = false;
    bool version = false;
    // An option the window does not have was given (a single start aside):
    // its answers want whole steps and teeth.
    bool beyondWindow = false;
    // The drive has the XL belt whose centre distance is computed: the
    // reduction's, or the window's own drive (only its options, --esatto and
    // --json), which shows it with either coupling. A drive beyond the
    // window's with the direct coupling has no such belt.
    bool xlBelt = false;
};

// Options the command line cannot take together, or a text an option cannot
// take, with the options to blame: for a text, its option; for options that
// contradict each other or need another, each of them, the one to change
// first (the one missing, for a need) in front.
//   --micropassi 0                  -> {"micropassi"}
//   --puleggia-asse 20              -> {"profilo-cinghia", "puleggia-asse"}
//   --firmware grbl --asse A        -> {"asse", "firmware"}
struct UsageError {
    UsageError(Wording wording, std::vector<std::string> optionsAtFault = {});

    std::string message;  // as the command line says it, without its program's name
    Wording said;
    std::vector<std::string> options;  // keys without dashes; none for an unknown option
};

// Reads the arguments after the program name. `--name TEXT` and `--name=TEXT`
// are both accepted; an option given twice keeps its last value; options
// that contradict each other are a usage error. `decimalSeparator` is the
// user's, for a belt pitch typed as a number.
std::variant<Options, UsageError> parseOptions(const std::vector<std::string>& arguments,
                                               std::string_view decimalSeparator = ".",
                                               std::string_view groupSeparator = "");

// Whether the options, each {key without dashes, text}, give a drive with
// the XL belt whose centre distance is computed, as Options::xlBelt:
//   {{"ingranaggi", ""}, {"micropassi", "16"}}     -> true
//   {{"passi", "400"}}                             -> true (the window's own drive)
//   {{"micropassi", "16"}}                         -> false
//   {{"diametro-ruota", "7"}, {"ingranaggi", ""}} -> true (the reduction's belt)
//   {{"rapporto", "5:1"}}                          -> false
bool hasXlBelt(const std::vector<std::pair<std::string, std::string>>& options,
               std::string_view decimalSeparator);

// Whether the option `name` ("--strato") takes a text: false for a flag
// ("--pollici"), nullopt for a name that is no option. Either name serves.
std::optional<bool> takesText(std::string_view name);

// The option's Italian name for either of its names: "--gear-ratio" ->
// "--rapporto", "--rapporto" -> "--rapporto"; nullopt for no option.
std::optional<std::string_view> optionName(std::string_view name);

// The option `key` (without dashes, either name) as messages and the help
// name it: by its Italian name while the messages are Italian
// (speaksItalian), else by its English one where it has one:
//   "passo-vite" -> "--passo-vite" in Italian, "--lead" in any other language
//   "firmware"   -> "--firmware"
// A key that is no option is named as it is, "--key".
std::string optionNameShown(std::string_view key);

// The options with an English name, in the help's order.
struct OptionNames {
    std::string_view italian;  // "--passo-vite"
    std::string_view english;  // "--lead"
};
std::vector<OptionNames> optionNames();

// A rotary axis is one of kRotaryAxisLetters: the usage error for `letters`
// that are not, blaming {"asse", "rotativo"}, else nullopt.
std::optional<UsageError> rotaryAxisError(std::string_view letters);

// The microsteps per full step the calculation runs with: the option's, else
// the stepping mode's (2 in half step).
int microstepsOf(const Options& options);

std::string usage();

}  // namespace cnc::cli
