// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The labels of the inputs that name a unit of the machine's, for the page's
// workbench and each axis of its machine alike.

#include <string>

#include "workbench/workbench.h"

namespace cnc::web {

// [{key, label, description}] of every input with an inch label, each as
// `entries` choose the machine's unit (inches or millimetres), in the
// language in use; the page relabels its inputs with them.
std::string jsonUnitLabels(const workbench::Entries& entries);

}  // namespace cnc::web
