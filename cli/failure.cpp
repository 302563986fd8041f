// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/failure.h"

#include <algorithm>
#include <utility>

#include "calc/translation.h"

namespace cnc::cli {

OptionError::OptionError(ErrorKind kind, std::string_view option, Wording hint)
    : CalcError(kind, std::nullopt, hint.commandLine()), option_(option), said_(std::move(hint)) {}

Failure::Failure(std::string kindName, std::optional<Field> fieldAtFault,
                 std::optional<std::string> optionAtFault, Wording wording)
    : kind(std::move(kindName)),
      field(fieldAtFault),
      option(std::move(optionAtFault)),
      said(std::move(wording)),
      message(said.commandLine()) {}

// As errorMessage writes it: "Name in «caption»: hint".
Failure failureOf(const CalcError& error) {
    const std::string title = errorTitle(error.kind());
    Wording said =
        error.field() ? Wording(_("{0} in {1}: {2}"), {say::text(title), say::field(*error.field()),
                                                       say::text(error.hint())})
                      : Wording(_("{0}: {1}"), {say::text(title), say::text(error.hint())});
    return Failure(std::string(errorName(error.kind())), error.field(), std::nullopt,
                   std::move(said));
}

// "Name: " and the option's wording, whose names each view chooses: the
// translated "{0}: {1}" around it, wherever the language puts {1}.
Failure failureOf(const OptionError& error) {
    const std::string pattern = filled(_("{0}: {1}"), {errorTitle(error.kind()), "{1}"});
    const std::size_t at = std::min(pattern.find("{1}"), pattern.size());
    Wording said(pattern.substr(0, at));
    said += error.wording();
    said += Wording(pattern.substr(std::min(at + 3, pattern.size())));
    return Failure(std::string(errorName(error.kind())), std::nullopt, error.option(),
                   std::move(said));
}

Failure failureOf(const FirmwareRefusal& refusal, std::string_view firmware,
                  std::optional<Field> field) {
    return Failure("Firmware", field, "firmware",
                   filled(_("{0}: {1}"), {firmware, refusal.what()}));
}

}  // namespace cnc::cli
