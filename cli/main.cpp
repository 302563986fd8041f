// SPDX-License-Identifier: GPL-3.0-or-later
// cnc-axis-calc-cli: the window's calculation from the command line, and what
// goes beyond the window. Prints each result as soon as it is produced, so
// that an error after the first results still leaves them on stdout, as the
// window keeps them on screen.

#include <QLocale>

#include <iostream>
#include <string>
#include <vector>

#include "calc/calc_error.h"
#include "cli/belt_answers.h"
#include "cli/json_report.h"
#include "cli/options.h"
#include "cli/run.h"
#include "version_notice.h"

namespace {

// The same rule as the window's: Qt reads LC_ALL, then LC_NUMERIC, then LANG,
// with its own locale data, so no system locale needs to be installed.
std::string userDecimalSeparator() { return QLocale::system().decimalPoint().toStdString(); }
std::string userGroupSeparator() { return QLocale::system().groupSeparator().toStdString(); }

// The three results the window shows in its results group, labelled with
// their captions.
void printResult(cnc::Field field, std::string_view text) {
    if (field == cnc::Field::StepsPerMm || field == cnc::Field::MmPerStep ||
        field == cnc::Field::CentreDistanceMm) {
        std::cout << cnc::fieldCaption(field) << ": " << text << '\n' << std::flush;
    }
}

int calculate(const cnc::cli::Options& options, const std::string& separator,
              const std::string& group) {
    const bool json = options.json;
    const cnc::cli::Outcome outcome = cnc::cli::run(
        options, separator, group,
        json ? cnc::cli::ResultListener([](auto, auto) {}) : cnc::cli::ResultListener(printResult));
    if (json) {
        std::cout << cnc::cli::jsonReport(options, outcome, separator);
    } else {
        if (!outcome.exactDistance.empty()) {
            std::cout << "Interasse esatto: " << outcome.exactDistance << " mm\n";
        }
        for (const std::string& line : outcome.firmwareLines) std::cout << line << '\n';
    }
    if (outcome.failure) {
        std::cerr << outcome.failure->message << '\n';
        return 1;
    }
    return 0;
}

// --interasse-voluto: a question of its own, answered from the two pulleys.
int answerWantedDistance(const cnc::cli::Options& options, const std::string& separator,
                         const std::string& group) {
    try {
        std::cout << cnc::cli::nearestBeltLines(options.form, *options.wantedDistance, separator,
                                                group);
    } catch (const cnc::CalcError& error) {
        std::cerr << (error.field() ? "" : "--interasse-voluto: ") << error.what() << '\n';
        return 1;
    }
    return 0;
}

int runCommandLine(const std::vector<std::string>& arguments) {
    const std::string separator = userDecimalSeparator();
    const std::string group = userGroupSeparator();
    auto parsed = cnc::cli::parseOptions(arguments, separator, group);
    if (const auto* error = std::get_if<cnc::cli::UsageError>(&parsed)) {
        std::cerr << "cnc-axis-calc-cli: " << error->message
                  << "; usare «cnc-axis-calc-cli --help» per le opzioni\n";
        return 2;
    }
    const auto& options = std::get<cnc::cli::Options>(parsed);
    if (options.help) {
        std::cout << cnc::cli::usage();
        return 0;
    }
    if (options.version) {
        std::cout << "cnc-axis-calc-cli" << cnc::kVersionNotice;
        return 0;
    }
    if (options.wantedDistance) return answerWantedDistance(options, separator, group);
    return calculate(options, separator, group);
}

}  // namespace

int main(int argc, char** argv) {
    const int status = runCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    // Output that never arrived is a failure, whatever the calculation did.
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "cnc-axis-calc-cli: impossibile scrivere l'uscita\n";
        return 1;
    }
    return status;
}
