// SPDX-License-Identifier: GPL-3.0-or-later
// The whole command line in process, over arbitrary arguments and separators.
// It must end with a status of 0, 1 or 2; with --json, whatever the outcome,
// its output is exactly one JSON object, with an error object when and only
// when the status is not 0, of the kind "uso" for a usage error; without it a
// run that succeeds writes nothing on the error output.

#include <QJsonDocument>
#include <QJsonObject>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "fuzz_input.h"

namespace {

const cnc::cli::Separators kSeparators[] = {
    {".", ","}, {",", "."}, {"?", ","}, {".", ""}, {"\xd9\xab", "\xd9\xac"},
};
constexpr std::size_t kMostArguments = 12;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const cnc::cli::Separators& separators = kSeparators[data[0] % std::size(kSeparators)];
    const bool json = (data[0] & 0x80) != 0;
    std::vector<std::string> arguments = fuzz::splitFields(data + 1, size - 1, kMostArguments);
    while (!arguments.empty() && arguments.back().empty()) arguments.pop_back();
    // A machine file is a file of the host, which a fuzzer does not open (it
    // could name a device that never ends); its reader has a target of its own.
    for (const std::string& argument : arguments) {
        if (argument.starts_with("--macchina") || argument.starts_with("--machine")) return 0;
    }
    // First, where no option can take it for its text.
    if (json) arguments.insert(arguments.begin(), "--json");

    std::ostringstream out;
    std::ostringstream err;
    const int status = cnc::cli::runCommandLine(arguments, separators, out, err);
    if (status < 0 || status > 2) std::abort();
    if (!json) {
        if (status == 0 && !err.str().empty()) std::abort();
        return 0;
    }
    QJsonParseError error;
    const QJsonDocument report = QJsonDocument::fromJson(QByteArray::fromStdString(out.str()), &error);
    if (error.error != QJsonParseError::NoError || !report.isObject()) std::abort();
    const QJsonObject object = report.object();
    if (object.contains("errore") != (status != 0)) std::abort();
    if ((object["errore"].toObject()["tipo"].toString() == QLatin1String("uso")) != (status == 2))
        std::abort();
    return 0;
}
