// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The workbench ("Banco dell'asse"): the command line's questions as one
// form, described once without Qt so that the desktop window and the page
// render the same inputs, choices and results.
//
// Its vocabulary is the command line's: the state is a list of options
// without their dashes ({"micropassi", "16"}, {"ingranaggi", ""}), which is
// also what `cnc-axis-calc --banco --micropassi 16` gives and what the page
// keeps in its address ("micropassi=16&ingranaggi"). The results are the
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

namespace cnc::workbench {

enum class InputKind {
    Text,    // an option with a text: its key is the option's name
    Choice,  // one of several alternatives, each an option it stands for
};

struct Alternative {
    std::string_view label;
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
    // Shown only while this option is chosen in a choice (empty: always).
    std::string_view shownWith = {};
    std::string_view initial = {};  // a text input's initial text
};

// Every input, section by section, in the order they are shown.
std::span<const Input> inputs();
const Input* inputNamed(std::string_view key);

// A common screw: the options it fills.
struct CommonScrew {
    std::string_view label;
    std::string_view pitch;   // passo-vite, or empty
    std::string_view threads; // filetti-pollice, or empty
    std::string_view starts;  // principi
};
std::span<const CommonScrew> commonScrews();
inline constexpr std::string_view kCommonScrewsLabel = "Viti comuni";
// The input every common screw fills: the screws head its section and are
// offered while it is shown, that is while the axis has a screw.
inline constexpr std::string_view kScrewStartsKey = "principi";

// The labels of the results, in the order the command line prints them; a
// result is shown when the command line prints it.
std::span<const std::string_view> resultLabels();
inline constexpr std::string_view kFirmwareLinesLabel = "Righe per il firmware";
inline constexpr std::string_view kCopyLabel = "Copia";
inline constexpr std::string_view kTitle = "Banco dell'asse";

// The results a phone keeps pinned in view while the user types, with the
// first message, in this order; those the answers hold are shown.
std::span<const std::string_view> summaryLabels();
inline constexpr std::string_view kSummaryHint = "Vai a tutti i risultati";
// The sections a user may skip: they start folded and open when one of their
// inputs holds text.
std::span<const std::string_view> foldedSections();

// The page's start, which offers the workbench and the classic window, each
// with one line saying what it is; each view links to the other by its title.
inline constexpr std::string_view kStartTitle = "Calcolo asse CNC";
inline constexpr std::string_view kWorkbenchLine =
    "Tutte le domande in un modulo: vite, cinghia o riduzione, righe per il firmware, "
    "calibrazione, strato e velocità; i risultati cambiano mentre scrivi.";
inline constexpr std::string_view kClassicTitle = "Calcolo classico";
inline constexpr std::string_view kClassicLine =
    "La finestra classica: passi per millimetro, risoluzione e interasse di un asse a vite, "
    "diretto o con pulegge e cinghia XL, con «calcola».";

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

Entries initialEntries();
bool isShown(const Input& input, const Entries& entries);

// `entries` with `screw` filled in: its pitch or threads per inch, its starts,
// and in its choice the alternative that shows that kind of screw.
Entries withScrew(Entries entries, const CommonScrew& screw);
// The common screw the shown inputs hold, by its index in commonScrews().
std::optional<std::size_t> screwShown(const Entries& entries);

// The shown input an error of the option `key` belongs to: the text input of
// that option, or else the choice whose chosen alternative is that option
// ("firmware"); nullptr for the rest, whose errors stand for the whole
// workbench. The text input comes first: choosing "Cinghia" is not what a
// wrong number of teeth is about.
const Input* inputOfError(std::string_view key, const Entries& entries);

// Shown text inputs that are not empty, and the chosen alternatives' options.
State stateOf(const Entries& entries);
// The entries that give `state`; nullopt when an option is not the workbench's.
std::optional<Entries> entriesOf(const State& state);

// --name TEXT pairs and flags, as the command line takes them, and back.
std::vector<std::string> argumentsOf(const State& state);
std::optional<State> stateOfArguments(const std::vector<std::string>& arguments);

// "micropassi=16&ingranaggi", each text percent-encoded (UTF-8), and back.
std::string addressOf(const State& state);
State stateOfAddress(std::string_view query);

struct Result {
    std::string label;
    std::string value;
};

struct Evaluation {
    std::vector<Result> results;
    std::vector<std::string> firmwareLines;
    // An input that cannot be used, by key, with the command line's message.
    std::vector<std::pair<std::string, std::string>> errors;
};

// The command line's answers for `state`: what it prints for the options,
// and, where one option stops it, that option's message; the questions that
// option does not touch are answered without it.
Evaluation evaluate(const State& state, std::string_view decimalSeparator,
                    std::string_view groupSeparator);

}  // namespace cnc::workbench
