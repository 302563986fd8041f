// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The workbench ("Banco dell'asse"): the command line's questions as one
// form, described once without Qt so that the desktop window and the page
// render the same inputs, choices and results.
//
// Its vocabulary is the command line's: the state is a list of options
// without their dashes ({"micropassi", "16"}, {"ingranaggi", ""}), which is
// also what `cnc-axis-calc --banco --micropassi 16` gives and what the page
// keeps in its address ("micropassi=16&ingranaggi"). An option is kept by
// its Italian name; its English one is read as the same option
// ("microsteps=16" is {"micropassi", "16"}), so that links written by the
// page keep one key per option.
//
// Every text here (labels, descriptions, sections, titles) is the Italian
// text, marked N_: a view shows it through _(), in the language of the
// messages. The results and messages evaluate gives are already in it, so a
// result is found by its label through _() too. It has no defaults of
// its own: an input left empty is an option not given, whose default the
// command line chooses (and the input shows as its placeholder), so an
// empty workbench is the command line with no options. The results are the
// command line's own lines for those options, "Label: value", with the
// user's decimal separator.
//
//   evaluate({{"micropassi", "16"}, {"puleggia-asse", "20"}, {"profilo-cinghia", "GT2"}}, ".", "")
//     -> results {"Step/mm", "80.000000000"}, {"Risoluzione del passo (mm)", "0.012500000"}

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calc/translation.h"

namespace cnc::workbench {

enum class InputKind {
    Text,    // an option with a text: its key is the option's name
    Choice,  // one of several alternatives, each an option it stands for
};

struct Alternative {
    std::string_view label;  // shown through _()
    // A flag set while chosen ("ingranaggi"), or a text input shown while
    // chosen ("angolo-passo"); empty: neither (no firmware, millimetres).
    std::string_view option;
    std::string_view value = {};  // a value the option takes while chosen ("klipper")
};

struct Input {
    InputKind kind;
    std::string_view key;    // the option (Text) or the choice's own name (Choice)
    std::string_view label;  // the accessible name
    std::string_view description;  // what to type, and the unit
    std::string_view section;
    std::span<const Alternative> alternatives = {};
    // Shown only while one of these options, separated by spaces, is chosen
    // in a choice, "option=value" while it is with that value ("firmware=linuxcnc");
    // empty: always.
    std::string_view shownWith = {};
    // A text input's hint while empty: the command line's default, where it
    // has one. An input a choice shows that has none stays in the state when
    // empty, so that the choice stays and the input's error is its own.
    std::string_view placeholder = {};
    // A number, whose decimal separator an address writes as '.' and reads
    // as the reader's.
    bool number = false;
    // The label and description while the machine is in inches, for a
    // length or a speed the command line then reads in inches; empty: the
    // same in either unit.
    std::string_view inchLabel = {};
    std::string_view inchDescription = {};
};

// Every input, section by section, in the order they are shown.
std::span<const Input> inputs();
const Input* inputNamed(std::string_view key);

// A common drive: the options it fills, those that are not empty. `mover`
// is the text input that moves the axis, which its alternative of «L'asse è
// mosso da» shows; a screw always gives its starts, 1 for one.
struct CommonDrive {
    std::string_view label;
    std::string_view mover;  // passo-vite, filetti-pollice or diametro-ruota
    std::string_view travel;  // the mover's text
    std::string_view starts = {};      // principi, for a screw
    std::string_view ratio = {};       // rapporto
    std::string_view microsteps = {};  // micropassi
};
std::span<const CommonDrive> commonDrives();
inline constexpr std::string_view kCommonDrivesLabel = N_("Trasmissioni comuni");
// The input of a screw's starts: the common drives head its section.
inline constexpr std::string_view kScrewStartsKey = "principi";

// The labels of the results, in the order the command line prints them; a
// result is shown when the command line prints it.
std::span<const std::string_view> resultLabels();
inline constexpr std::string_view kFirmwareLinesLabel = N_("Righe per il firmware");
// TRANSLATORS: the button that copies the firmware's lines to the clipboard
inline constexpr std::string_view kCopyLabel = N_("Copia");
inline constexpr std::string_view kTitle = N_("Banco dell'asse");
// The results' own heading.
inline constexpr std::string_view kResultsLabel = N_("Risultati");

// The results a phone keeps pinned in view while the user types, with the
// first message, in this order; those the answers hold are shown.
std::span<const std::string_view> summaryLabels();
inline constexpr std::string_view kSummaryHint = N_("Vai a tutti i risultati");
// The sections a user may skip: they start folded and open when one of their
// inputs holds text.
std::span<const std::string_view> foldedSections();

// The page's start, which offers the workbench, the machine (machine.h) and
// the classic window, each with one line saying what it is; the views link to
// each other by their titles.
inline constexpr std::string_view kStartTitle = N_("Calcolo asse CNC");
inline constexpr std::string_view kWorkbenchLine =
    N_("Tutte le domande in un modulo: vite, cinghia o riduzione, righe per il firmware, "
       "calibrazione, strato e velocità; i risultati cambiano mentre scrivi.");
// TRANSLATORS: the original window's own design, whose captions stay Italian
inline constexpr std::string_view kClassicTitle = N_("Calcolo classico");
inline constexpr std::string_view kClassicLine =
    // TRANSLATORS: «calcola» is the classic window's button, which stays Italian
    N_("La finestra classica: passi per millimetro, risoluzione e interasse di un asse a vite, "
       "diretto o con pulegge e cinghia XL, con «calcola».");

// The options, without dashes, in the order of the inputs.
using State = std::vector<std::pair<std::string, std::string>>;

// What the user sees: each text input's text and each choice's alternative.
struct Entries {
    std::vector<std::pair<std::string, std::string>> texts;  // by input key
    std::vector<std::pair<std::string, std::size_t>> chosen;  // by choice key

    std::string text(std::string_view key) const;
    std::size_t choice(std::string_view key) const;  // 0 when not set
    void setText(std::string_view key, std::string text);
    void choose(std::string_view key, std::size_t alternative);
};

// The workbench as it opens: every text empty, each choice at its first
// alternative.
Entries initialEntries();
bool isShown(const Input& input, const Entries& entries);

// Whether the machine's unit chosen is the inch ("Pollici").
bool inInches(const Entries& entries);
// The label and the description `input` shows: its inch ones, in the user's
// language, while `inches`, where it has them.
//   labelOf(velocita, false) -> "Velocità (mm/s)"
//   labelOf(velocita, true)  -> "Velocità (pollici/s)"
std::string labelOf(const Input& input, bool inches);
std::string descriptionOf(const Input& input, bool inches);

// `entries` with `drive` filled in, and in each choice the alternative that
// shows what it fills: the screw, the wheel, the gear ratio.
Entries withDrive(Entries entries, const CommonDrive& drive);
// The common drive the shown inputs hold, by its index in commonDrives().
std::optional<std::size_t> driveShown(const Entries& entries);
// The common drives are offered while the axis is moved as one of them
// moves it (a screw or a wheel): choosing one then changes only its texts.
bool commonDrivesOffered(const Entries& entries);

// The shown input an error blamed on `options` (the one to change first in
// front) belongs to: for the first option that has one, the text input of
// that option, or else the choice whose chosen alternative is that option
// ("firmware"); nullptr for the rest, whose errors stand for the whole
// workbench. The text input comes first: choosing "Cinghia" is not what a
// wrong number of teeth is about.
const Input* inputOfError(std::span<const std::string> options, const Entries& entries);

// Shown text inputs that are not empty (and those a choice shows that have
// no placeholder, even empty), and the chosen alternatives' options.
State stateOf(const Entries& entries);
// The entries that give `state`; nullopt when an option is not the workbench's.
std::optional<Entries> entriesOf(const State& state);

// --name TEXT pairs and flags, as the command line takes them, and back.
std::vector<std::string> argumentsOf(const State& state);
std::optional<State> stateOfArguments(const std::vector<std::string>& arguments);

// "micropassi=16&ingranaggi&velocita=30.5", and back. Every byte but
// [A-Za-z0-9._-] is percent-encoded (UTF-8); a number's decimal separator,
// `decimalSeparator` when written, is '.', and a '.' or ',' that is no
// decimal separator is encoded, so the address reads back as written. A
// number read takes the reader's separator for a '.' or ',' as it is
// ("velocita=30,5" and "velocita=30.5" both give "30,5" in Italian); '+' is
// a plus. An address with an empty or unknown option is no state: nullopt.
std::string addressOf(const State& state, std::string_view decimalSeparator);
std::optional<State> stateOfAddress(std::string_view query, std::string_view decimalSeparator);

// What a view says, in one line, of an address that is no state; it keeps
// what it showed.
inline constexpr std::string_view kInvalidAddressMessage =
    N_("Il collegamento non è valido: il banco resta com'era.");

struct Result {
    std::string label;
    std::string value;
};

// What stopped an answer: the options to blame, the one to change first in
// front (none: the workbench as a whole), and the command line's message
// with each option and field named by the label of its input.
struct Error {
    std::vector<std::string> options;
    std::string message;

    friend bool operator==(const Error&, const Error&) = default;
};

struct Evaluation {
    std::vector<Result> results;
    std::vector<std::string> firmwareLines;
    std::vector<Error> errors;
};

// The command line's answers for `state`: what it prints for the options,
// and, where an option stops it, its error. An input stops only what
// depends on it: a layer, a speed, the largest step rate and the firmware's
// lines (firmware, axis, joints) are each a question of their own, asked
// again without it however many stop; the XL belt's centre distance, which
// depends on the pulleys and the belt alone, is asked on its own where the
// drive stopped before it. A calibration's lines take the place of the
// drive's.
Evaluation evaluate(const State& state, std::string_view decimalSeparator,
                    std::string_view groupSeparator);

}  // namespace cnc::workbench
