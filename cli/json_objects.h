// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The objects of the JSON reports, for the reports made of several of them
// (a machine's). Internal to the command line's reports.

#include <QJsonObject>
#include <QString>

#include <optional>
#include <string>
#include <string_view>

#include "calc/form.h"
#include "cli/options.h"
#include "cli/run.h"

namespace cnc::cli {

QString jsonText(std::string_view text);

// What jsonReport writes for one run.
QJsonObject runReportObject(const Options& options, const Outcome& outcome,
                            std::string_view decimalSeparator);

// {"tipo": kind, "campo": the field's caption or null, "messaggio": message}
QJsonObject errorReportObject(std::string_view kind, std::optional<Field> field,
                              std::string_view message);

// The report as printed, indented.
std::string reportText(const QJsonObject& report);

}  // namespace cnc::cli
