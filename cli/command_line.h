// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// cnc-axis-calc-cli as a function: the arguments after the program name in,
// what it prints on `out` and `err` and its exit status out (0 done, 1 a
// calculation error or a firmware's refusal, 2 a usage error). With --json
// every outcome is one JSON object on `out`.

#include <ostream>
#include <string>
#include <vector>

namespace cnc::cli {

// The user's separators, for reading the entries and writing the results.
struct Separators {
    std::string decimal = ".";
    std::string group;
};

int runCommandLine(const std::vector<std::string>& arguments, const Separators& separators,
                   std::ostream& out, std::ostream& err);

}  // namespace cnc::cli
