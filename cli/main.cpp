// cnc-axis-calc-cli: the window's calculation from the command line. Prints
// each result as soon as it is produced, so that an error after the first
// results still leaves them on stdout, as the window keeps them on screen.

#include <QLocale>

#include <iostream>
#include <string>
#include <vector>

#include "calc/calc_error.h"
#include "calc/drive_calculation.h"
#include "cli/belt_answers.h"
#include "cli/options.h"

namespace {

// Stores like the in-memory form, and prints the three results the window
// shows in its results group, labelled with their captions.
class PrintingForm : public cnc::MemoryForm {
public:
    explicit PrintingForm(const cnc::MemoryForm& form) : cnc::MemoryForm(form) {}

    void setText(cnc::Field field, std::string_view text) override {
        cnc::MemoryForm::setText(field, text);
        if (field == cnc::Field::StepsPerMm || field == cnc::Field::MmPerStep ||
            field == cnc::Field::CentreDistanceMm) {
            std::cout << cnc::fieldCaption(field) << ": " << text << '\n' << std::flush;
        }
    }
};

// The same rule as the window's: Qt reads LC_ALL, then LC_NUMERIC, then LANG,
// with its own locale data, so no system locale needs to be installed.
std::string userDecimalSeparator() { return QLocale::system().decimalPoint().toStdString(); }

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    auto parsed = cnc::cli::parseOptions(arguments);
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
        std::cout << "cnc-axis-calc-cli " CNC_VERSION "\n"
                  << "Copyright (C) 2026 gli sviluppatori di cnc-axis-calc\n"
                  << "Licenza GPLv3+: GNU GPL versione 3 o successiva"
                  << " <https://gnu.org/licenses/gpl.html>\n"
                  << "Software libero, senza ALCUNA GARANZIA nei limiti permessi dalla legge.\n";
        return 0;
    }

    const std::string separator = userDecimalSeparator();
    if (options.wantedDistance) {
        try {
            std::cout << cnc::cli::nearestBeltLines(options.form, *options.wantedDistance,
                                                    separator);
        } catch (const cnc::CalcError& error) {
            std::cerr << (error.field() ? "" : "--interasse-voluto: ") << error.what() << '\n';
            return 1;
        }
        return 0;
    }

    PrintingForm form(options.form);
    try {
        cnc::calculate(form, separator, cnc::kXlBeltPitch);
        if (options.exactDistance) std::cout << cnc::cli::exactDistanceLine(form, separator);
    } catch (const cnc::CalcError& error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
    return 0;
}
