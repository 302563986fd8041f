#pragma once
// The one error type of the calculation. An error ends the calculation where
// it is raised; results stored before it stay. It names its kind and, where
// one text is to blame, the field that holds it, so that a front end can put
// the user back there.

#include <optional>
#include <stdexcept>
#include <string>

#include "calc/form.h"

namespace cnc {

enum class ErrorKind {
    TypeMismatch,     // "Tipo non corrispondente": empty text or not a number
    Overflow,         // "Overflow": outside the fixed-point or the double range
    DivisionByZero,   // "Divisione per zero": also zero divided by zero
    InvalidArgument,  // "Argomento non valido": square root of a negative number
};

class CalcError : public std::runtime_error {
public:
    // An empty `hint` stands for the kind's usual one.
    explicit CalcError(ErrorKind kind, std::optional<Field> field = std::nullopt,
                       std::string hint = {});

    ErrorKind kind() const noexcept { return kind_; }
    std::optional<Field> field() const noexcept { return field_; }

    // The same error, blamed on `field`.
    CalcError blaming(Field field) const { return CalcError(kind_, field, hint_); }

private:
    ErrorKind kind_;
    std::optional<Field> field_;
    std::string hint_;
};

// The Italian name of the error ("Overflow", "Divisione per zero", ...).
std::string_view errorName(ErrorKind kind);

// The message shown to the user: the error's name, the caption of the field at
// fault in «», and a plain hint (the kind's usual one unless `hint` is given), e.g.
//   Tipo non corrispondente in «Passi del motore»: il campo è vuoto o non contiene un numero.
std::string errorMessage(ErrorKind kind, std::optional<Field> field, std::string_view hint = {});

}  // namespace cnc
