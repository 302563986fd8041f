// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one error type of the calculation. An error ends the calculation where
// it is raised; results stored before it stay. It names its kind and, where
// one text is to blame, the field that holds it, so that a front end can put
// the user back there.

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "calc/form.h"

namespace cnc {

enum class ErrorKind {
    TypeMismatch,     // "Tipo non corrispondente": empty text or not a number
    Overflow,         // "Overflow": outside the fixed-point or the double range
    DivisionByZero,   // "Divisione per zero": also zero divided by zero
    InvalidArgument,  // "Argomento non valido": a belt or a distance the pulleys cannot have
};

class CalcError : public std::runtime_error {
public:
    // An empty `hint` is the kind's own (see errorMessage).
    explicit CalcError(ErrorKind kind, std::optional<Field> field = std::nullopt,
                       std::string hint = {});

    ErrorKind kind() const noexcept { return kind_; }
    std::optional<Field> field() const noexcept { return field_; }
    // What the message says after the field: the hint given, or the kind's
    // own in the language of the messages.
    std::string hint() const;

    // The same error, blamed on `field`.
    CalcError blaming(Field field) const { return CalcError(kind_, field, hint_); }

private:
    ErrorKind kind_;
    std::optional<Field> field_;
    std::string hint_;
};

// The Italian name of the error ("Overflow", "Divisione per zero", ...),
// the same in every language: what JSON's "tipo" holds.
std::string_view errorName(ErrorKind kind);
// The name in the language of the messages ("Type mismatch" in English).
std::string errorTitle(ErrorKind kind);

// The message shown to the user, in the language of the messages: the
// error's name, the caption of the field at fault, quoted, and a plain
// hint, e.g.
//   Tipo non corrispondente in «Passi del motore»: il campo è vuoto o non contiene un numero.
// A non-empty `hint`, already translated, replaces the kind's own.
std::string errorMessage(ErrorKind kind, std::optional<Field> field, std::string_view hint = {});

// The belt of «Cinta» cannot go round the pulleys: "Argomento non valido",
// naming `smallestCode`, the smallest even length code that would, e.g.
//   Argomento non valido in «Cinta»: la cinta è troppo corta per queste
//   pulegge; la più corta che ci sta è 90 (cinta 90XL, 45 denti).
// A code beyond what the entry holds (922337203685477) is said to be none.
CalcError beltTooShort(double smallestCode);

// A wanted centre distance at which the pulleys would overlap, with the
// distance, already written as a result text, that it must exceed, e.g.
//   Argomento non valido: a questo interasse le pulegge si sovrappongono;
//   deve superare 42.86 mm.
// The text is the caller's to round up: a limit of 42.8509 shown as 42.85
// would ask for a distance that is still refused.
CalcError pulleysOverlap(std::string_view leastDistance);

}  // namespace cnc
