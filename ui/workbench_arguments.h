// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// `cnc-axis-calc --banco [OPTIONS]` (or --bench): the workbench, filled in
// from the command line's own options written after it, by either of their
// names.
//
//   {"cnc-axis-calc"}                                 -> not asked for
//   {"cnc-axis-calc", "--banco", "--micropassi", "16"} -> entries with micropassi 16
//   {"cnc-axis-calc", "--bench", "--microsteps", "16"} -> entries with micropassi 16
//   {"cnc-axis-calc", "--banco", "--velocita-luce"}   -> unusable "--velocita-luce"

#include <QString>
#include <QStringList>

#include "workbench/workbench.h"

namespace cnc::ui {

struct WorkbenchRequest {
    bool asked = false;          // "--banco" or "--bench" was given
    workbench::Entries entries;  // what the workbench opens with
    // The first argument after "--banco" that is not a workbench option, or
    // an option whose text is none of its choice's; empty when all are.
    QString unusable;
};

// `arguments` as QApplication::arguments() gives them, the program's name
// first and Qt's own options already taken out. What comes before "--banco"
// is left alone, as the window always has.
WorkbenchRequest workbenchRequest(const QStringList& arguments);

}  // namespace cnc::ui
