#pragma once
// The command line of cnc-axis-calc-cli: the window's entries and choices as
// options, each TEXT taken as an entry field's text exactly as given.

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "calc/memory_form.h"

namespace cnc::cli {

struct Options {
    MemoryForm form;  // the window's initial texts and choices, then the options
    bool help = false;
    bool version = false;
    bool exactDistance = false;                 // --esatto
    std::optional<std::string> wantedDistance;  // --interasse-voluto: a question of its own
};

struct UsageError {
    std::string message;
};

// Reads the arguments after the program name. `--name TEXT` and `--name=TEXT`
// are both accepted; a choice given twice the same way is fine, two opposite
// choices are a usage error.
std::variant<Options, UsageError> parseOptions(const std::vector<std::string>& arguments);

std::string usage();

}  // namespace cnc::cli
