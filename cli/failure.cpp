// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/failure.h"

#include <utility>

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
    Wording said{std::string(errorName(error.kind()))};
    if (error.field()) said.text(" in ").field(*error.field());
    said.text(": ").text(error.hint());
    return Failure(std::string(errorName(error.kind())), error.field(), std::nullopt,
                   std::move(said));
}

Failure failureOf(const OptionError& error) {
    Wording said{std::string(errorName(error.kind())) + ": "};
    said += error.wording();
    return Failure(std::string(errorName(error.kind())), std::nullopt, error.option(),
                   std::move(said));
}

Failure failureOf(const FirmwareRefusal& refusal, std::string_view firmware,
                  std::optional<Field> field) {
    return Failure("Firmware", field, "firmware", std::string(firmware) + ": " + refusal.what());
}

}  // namespace cnc::cli
