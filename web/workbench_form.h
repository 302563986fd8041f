// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The workbench's form as the page's workbench and each axis of its machine
// share it: the entries the page gives, and the labels of the inputs that
// name a unit of the machine's.

#include <string>

#include "web/json/json_value.h"
#include "workbench/workbench.h"

namespace cnc::web {

// [{key, label, description}] of every input with an inch label, each as
// `entries` choose the machine's unit (inches or millimetres), in the
// language in use; the page relabels its inputs with them.
std::string jsonUnitLabels(const workbench::Entries& entries);

// The entries of the page's form, {texts: {key: text}, chosen: {key:
// index}}, over the initial ones; a text that is no string, or an index that
// names no alternative of its choice, is left out rather than trusted.
workbench::Entries entriesFrom(const JsonValue& given);

}  // namespace cnc::web
