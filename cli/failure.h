// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What stopped a run or a calibration, with what is to blame: the window's
// field whose text it is, or the option whose text or answer it is, or the
// firmware that refused its lines. The message is kept as a wording, so that
// a view can name the field or the option by its own label.
//
//   CalcError(DivisionByZero, MotorSteps) -> field MotorSteps, message
//     "Divisione per zero in «Passi del motore»: il valore non può essere zero."
//   OptionError(InvalidArgument, "strato", ...) -> option "strato", message
//     "Argomento non valido: --strato vuole un numero maggiore di zero, non «0»."

#include <optional>
#include <string>
#include <string_view>

#include "calc/calc_error.h"
#include "calc/firmware_lines.h"
#include "cli/wording.h"

namespace cnc::cli {

// The error of an option's text, or of the answer it asks for, which no
// field of the window holds. Its message is the command line's.
class OptionError : public CalcError {
public:
    // `hint` names the option as the message's subject.
    OptionError(ErrorKind kind, std::string_view option, Wording hint);

    const std::string& option() const noexcept { return option_; }
    const Wording& wording() const noexcept { return said_; }

private:
    std::string option_;  // without dashes: "strato"
    Wording said_;
};

struct Failure {
    Failure(std::string kind, std::optional<Field> field, std::optional<std::string> option,
            Wording said);

    std::string kind;  // errorName's, "Overflow", "Divisione per zero", ..., or "Firmware"
    std::optional<Field> field;
    std::optional<std::string> option;  // without dashes; "firmware" for a refusal
    Wording said;
    std::string message;  // said as the command line says it, in the language of the messages
};

Failure failureOf(const CalcError& error);
Failure failureOf(const OptionError& error);
// `firmware`'s refusal, "klipper: ...", blamed on `field` where it names one.
Failure failureOf(const FirmwareRefusal& refusal, std::string_view firmware,
                  std::optional<Field> field);

}  // namespace cnc::cli
