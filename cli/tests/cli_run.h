// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs the real cnc-axis-calc-cli as a user would, with only the locale
// variables given in its environment (none of the caller's).

#include <QProcess>
#include <QProcessEnvironment>

#include <string>
#include <utility>
#include <vector>

struct CliRun {
    std::string out;
    std::string err;
    int status = -1;
};

inline CliRun runCli(const std::vector<std::string>& arguments,
                     const std::vector<std::pair<std::string, std::string>>& locale = {{"LC_ALL",
                                                                                        "C"}},
                     const QString& outputFile = {}) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LC_ALL", "LC_NUMERIC", "LC_MESSAGES", "LANG", "LANGUAGE"}) {
        environment.remove(name);
    }
    for (const auto& [name, value] : locale) {
        environment.insert(QString::fromStdString(name), QString::fromStdString(value));
    }
    QStringList args;
    for (const std::string& a : arguments) args << QString::fromStdString(a);

    QProcess process;
    process.setProcessEnvironment(environment);
    if (!outputFile.isEmpty()) process.setStandardOutputFile(outputFile);
    process.start(CLI_PATH, args);
    process.waitForFinished(10000);
    return {process.readAllStandardOutput().toStdString(),
            process.readAllStandardError().toStdString(), process.exitCode()};
}
