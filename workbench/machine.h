// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The machine ("Macchina"): the workbench's drive form for each axis of a
// whole machine, with one firmware and one block of lines for them all, as
// `cnc-axis-calc-cli --macchina FILE` answers it. Described here without Qt,
// so that the desktop window and the page show the same machine.
//
// A machine is a firmware, a name and its axes by letter, in the order X, Y,
// Z, E, A, B, C, each with the one-axis workbench's state, the options of
// its drive (never the firmware, the axis letters or a calibration, which
// are the machine's or no part of it):
//   {"marlin", "", {{'X', {{"micropassi", "16"}, {"passo-vite", "8"}}}, {'Z', {}}}}
// Its address holds it whole, each axis's options prefixed by its letter and
// an axis of no options by its bare letter:
//   "firmware=marlin&X.micropassi=16&X.passo-vite=8&Z"
// and its file is the command line's machine file, read and written by the
// command line's own reader and writer (cli/machine_file.h).
//
// Numbers are the user's: in a number's text the user's decimal separator
// is written '.', in the address as in the file, and a '.' or ',' read back
// is the reader's separator, so that a file or a link made in Italian opens
// anywhere with the same figures.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "calc/translation.h"
#include "workbench/workbench.h"

namespace cnc::workbench {

struct MachineAxis {
    char letter;
    State state;

    friend bool operator==(const MachineAxis&, const MachineAxis&) = default;
};

struct MachineState {
    std::string firmware;           // a name of the firmware choice's ("marlin"), or empty: none
    std::string name;               // empty: none
    std::vector<MachineAxis> axes;  // in cli::kMachineAxisOrder, each letter once

    friend bool operator==(const MachineState&, const MachineState&) = default;
};

inline constexpr std::string_view kMachineTitle = N_("Macchina");
// The page's start offers the machine with this line.
inline constexpr std::string_view kMachineLine =
    N_("Tutti gli assi di una stampante o di una fresa: il modulo del banco per ciascuno, le "
       "righe del firmware per l'intera macchina, il suo file da aprire e salvare.");
// The machine's own inputs and commands; its firmware is the workbench's
// choice «Firmware».
inline constexpr std::string_view kMachineNameLabel = N_("Nome della macchina");
inline constexpr std::string_view kMachineNameDescription =
    N_("Facoltativo: il nome della macchina, scritto nel suo file.");
inline constexpr std::string_view kMachineAxesLabel = N_("Assi");
inline constexpr std::string_view kNewAxisLabel = N_("Lettera del nuovo asse");
inline constexpr std::string_view kAddAxisLabel = N_("Aggiungi l'asse");
inline constexpr std::string_view kDuplicateAxisLabel = N_("Aggiungilo come l'asse mostrato");
inline constexpr std::string_view kRemoveAxisLabel = N_("Rimuovi l'asse mostrato");
inline constexpr std::string_view kOpenMachineLabel = N_("Apri un file");
inline constexpr std::string_view kSaveMachineLabel = N_("Salva il file");
inline constexpr std::string_view kInvalidMachineAddressMessage =
    N_("Il collegamento non è valido: la macchina resta com'era.");

// The machine as a view opens it: one axis, X, with no options.
MachineState newMachine();

// The letters a machine may still add, in order: "YZEABC" for a new one.
std::string freeLetters(const MachineState& machine);
// The machine with an axis `letter` of `state`, in its place; nullopt when
// the letter is no axis's or already used. Duplicating Y as X is
// withAxis(machine, 'Y', axis X's state).
std::optional<MachineState> withAxis(MachineState machine, char letter, State state = {});
// The machine without the axis `letter`; its last axis stays.
MachineState withoutAxis(MachineState machine, char letter);

// Whether `input` belongs to an axis's form: it holds an option of the
// axis's drive, not the machine's firmware or the axis letters, nor a
// calibration.
bool isAxisInput(const Input& input);
// The entries of the axis at `index`, with the machine's firmware chosen too,
// so that what shows with a firmware shows (LinuxCNC's joints).
Entries axisEntries(const MachineState& machine, std::size_t index);
// The axis's state the entries of an axis's form give.
State axisStateOf(const Entries& entries);

// "firmware=marlin&nome=Stampante&X.micropassi=16&Z", and back: each
// option's text as the one-axis address writes and reads it. An address
// with no axis is the new machine; one with a key or a value the machine
// cannot show is none: nullopt.
std::string machineAddressOf(const MachineState& machine, std::string_view decimalSeparator);
std::optional<MachineState> machineOfAddress(std::string_view query,
                                             std::string_view decimalSeparator);

// The machine file's text, and the machine of a file's text; a file that
// cannot be read as a machine, or that holds what no input shows (an option
// the command line alone has, a belt profile given by its pitch), gives the
// first of its problems in one line, "printer.toml:3:7: ...".
std::string machineText(const MachineState& machine, std::string_view decimalSeparator);
std::variant<MachineState, std::string> machineOfText(std::string_view text,
                                                      std::string_view fileName,
                                                      std::string_view decimalSeparator);
// The same for the file at `path`, read as the command line reads it (1 MiB
// at most), its problems naming it by `path`.
std::variant<MachineState, std::string> machineOfFile(const std::string& path,
                                                      std::string_view decimalSeparator);

// A problem of the machine as a whole, or of an axis among the others (two
// axes on one joint): what stops its block beyond each axis's own errors.
struct MachineError {
    std::optional<char> axis;
    std::string message;

    friend bool operator==(const MachineError&, const MachineError&) = default;
};

struct AxisEvaluation {
    char letter;
    // Its results and errors as the one-axis workbench gives them for its
    // options with the machine's firmware and its letter; no lines.
    Evaluation evaluation;
};

struct MachineEvaluation {
    std::vector<AxisEvaluation> axes;
    std::vector<std::string> firmwareLines;  // the block, when every axis is answered
    std::vector<MachineError> errors;
};

// The command line's answer for the machine, axis by axis and its block.
// An axis with errors stops the block, as it stops the command line's.
MachineEvaluation evaluateMachine(const MachineState& machine, std::string_view decimalSeparator,
                                  std::string_view groupSeparator);

}  // namespace cnc::workbench
