#include "calc/calc_error.h"

#include <utility>

namespace cnc {

std::string_view errorName(ErrorKind kind) {
    switch (kind) {
        case ErrorKind::TypeMismatch: return "Tipo non corrispondente";
        case ErrorKind::Overflow: return "Overflow";
        case ErrorKind::DivisionByZero: return "Divisione per zero";
        case ErrorKind::InvalidArgument: return "Argomento non valido";
    }
    return "";
}

namespace {

std::string_view usualHint(ErrorKind kind) {
    switch (kind) {
        case ErrorKind::TypeMismatch: return "il campo è vuoto o non contiene un numero.";
        case ErrorKind::Overflow: return "il numero è fuori dall'intervallo di calcolo.";
        case ErrorKind::DivisionByZero: return "il valore non può essere zero.";
        case ErrorKind::InvalidArgument: return "la cinta è troppo corta per queste pulegge.";
    }
    return "";
}

}  // namespace

std::string errorMessage(ErrorKind kind, std::optional<Field> field, std::string_view hint) {
    std::string message(errorName(kind));
    if (field) {
        message += " in «";
        message += fieldCaption(*field);
        message += "»";
    }
    message += ": ";
    message += hint.empty() ? usualHint(kind) : hint;
    return message;
}

CalcError::CalcError(ErrorKind kind, std::optional<Field> field, std::string hint)
    : std::runtime_error(errorMessage(kind, field, hint)),
      kind_(kind),
      field_(field),
      hint_(std::move(hint)) {}

}  // namespace cnc
