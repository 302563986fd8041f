// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// --macchina FILE: the machine file answered on `out`, its problems one a
// line on `err`; the exit status of machine_answer.h. With --json, one
// object:
//   {"nome": ..., "assi": {"X": {the one-axis report}, ...},
//    "firmware": [the block's lines], "errori": [{"asse", "chiave", "tipo",
//    "campo", "messaggio"}, ...], "errore": the first of them when the status
//    is not 0}

#include <ostream>

#include "cli/command_line.h"
#include "cli/options.h"

namespace cnc::cli {

int answerMachineFile(const Options& options, const Separators& separators, std::ostream& out,
                      std::ostream& err);

}  // namespace cnc::cli
