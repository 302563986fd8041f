// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/calc_error.h"

#include <cstdint>
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

std::string_view kindHint(ErrorKind kind) {
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
    message += hint.empty() ? kindHint(kind) : hint;
    return message;
}

CalcError::CalcError(ErrorKind kind, std::optional<Field> field, std::string hint)
    : std::runtime_error(errorMessage(kind, field, hint)),
      kind_(kind),
      field_(field),
      hint_(std::move(hint)) {}

std::string_view CalcError::hint() const noexcept {
    return hint_.empty() ? kindHint(kind_) : std::string_view(hint_);
}

CalcError beltTooShort(double smallestCode) {
    // The entry's count of ten-thousandths is a signed 64-bit integer.
    constexpr double kLargestEntry = 922337203685477.0;
    std::string hint;
    if (!(smallestCode <= kLargestEntry)) {
        hint =
            "la cinta è troppo corta per queste pulegge, e nessuna cinta entro l'intervallo "
            "di calcolo è abbastanza lunga.";
    } else {
        const auto whole = static_cast<std::int64_t>(smallestCode);
        const std::string code = std::to_string(whole);
        hint = "la cinta è troppo corta per queste pulegge; la più corta che ci sta è " + code +
               " (cinta " + code + "XL, " + std::to_string(whole / 2) + " denti).";
    }
    return CalcError(ErrorKind::InvalidArgument, Field::BeltLengthCode, std::move(hint));
}

CalcError pulleysOverlap(std::string_view leastDistance) {
    std::string hint = "a questo interasse le pulegge si sovrappongono; deve superare ";
    hint += leastDistance;
    hint += " mm.";
    return CalcError(ErrorKind::InvalidArgument, std::nullopt, std::move(hint));
}

}  // namespace cnc
