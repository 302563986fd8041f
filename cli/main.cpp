// SPDX-License-Identifier: GPL-3.0-or-later
// cnc-axis-calc-cli: the window's calculation from the command line, and what
// goes beyond the window.

#include <QLocale>

#include <iostream>
#include <string>
#include <vector>

#include "calc/translation.h"
#include "calc/user_language.h"
#include "cli/command_line.h"

namespace {

// The same rule as the window's: Qt reads LC_ALL, then LC_NUMERIC, then LANG,
// with its own locale data, so no system locale needs to be installed.
cnc::cli::Separators userSeparators() {
    const QLocale locale = QLocale::system();
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

}  // namespace

int main(int argc, char** argv) {
    cnc::useTheEnvironmentsLanguage();
    const int status = cnc::cli::runCommandLine(std::vector<std::string>(argv + 1, argv + argc),
                                                userSeparators(), std::cout, std::cerr);
    // Output that never arrived is a failure, whatever the calculation did.
    std::cout.flush();
    if (!std::cout) {
        // TRANSLATORS: standard output (a pipe, a file, a full disk) refused the results
        std::cerr << "cnc-axis-calc-cli: " << cnc::_("impossibile scrivere l'uscita") << '\n';
        return 1;
    }
    return status;
}
