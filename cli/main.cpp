// cnc-axis-calc-cli: the window's calculation from the command line. Prints
// each result as soon as it is produced, so that an error after the first
// results still leaves them on stdout, as the window keeps them on screen.

#include <QLocale>

#include <iostream>
#include <string>
#include <vector>

#include "calc/calc_error.h"
#include "calc/drive_calculation.h"
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
std::string userGroupSeparator() { return QLocale::system().groupSeparator().toStdString(); }

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    auto parsed = cnc::cli::parseOptions(arguments);
    if (const auto* error = std::get_if<cnc::cli::UsageError>(&parsed)) {
        std::cerr << "cnc-axis-calc-cli: " << error->message << "\n\n" << cnc::cli::usage();
        return 2;
    }
    const auto& options = std::get<cnc::cli::Options>(parsed);
    if (options.help) {
        std::cout << cnc::cli::usage();
        return 0;
    }
    if (options.version) {
        std::cout << "cnc-axis-calc-cli " CNC_VERSION "\n";
        return 0;
    }

    PrintingForm form(options.form);
    try {
        cnc::calculate(form, userDecimalSeparator(), userGroupSeparator(), cnc::kXlBeltPitch);
    } catch (const cnc::CalcError& error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
    return 0;
}
