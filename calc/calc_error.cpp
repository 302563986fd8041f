// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/calc_error.h"

#include <cstdint>
#include <utility>

#include "calc/translation.h"

namespace cnc {

std::string_view errorName(ErrorKind kind) {
    switch (kind) {
        // TRANSLATORS: the name of an error, which begins its message: the text is no number
        case ErrorKind::TypeMismatch: return N_("Tipo non corrispondente");
        // TRANSLATORS: the name of an error: a number outside the range of the calculation
        case ErrorKind::Overflow: return N_("Overflow");
        case ErrorKind::DivisionByZero: return N_("Divisione per zero");
        // TRANSLATORS: the name of an error: a value that is a number but cannot be used
        case ErrorKind::InvalidArgument: return N_("Argomento non valido");
    }
    return "";
}

namespace {

std::string_view kindHint(ErrorKind kind) {
    switch (kind) {
        case ErrorKind::TypeMismatch: return N_("il campo è vuoto o non contiene un numero.");
        case ErrorKind::Overflow: return N_("il numero è fuori dall'intervallo di calcolo.");
        case ErrorKind::DivisionByZero: return N_("il valore non può essere zero.");
        case ErrorKind::InvalidArgument: return N_("la cinta è troppo corta per queste pulegge.");
    }
    return "";
}

}  // namespace

std::string errorTitle(ErrorKind kind) { return _(errorName(kind)); }

std::string errorMessage(ErrorKind kind, std::optional<Field> field, std::string_view hint) {
    const std::string said = hint.empty() ? _(kindHint(kind)) : std::string(hint);
    if (!field) {
        // TRANSLATORS: {0} is an error's name, {1} what is wrong
        return filled(_("{0}: {1}"), {errorTitle(kind), said});
    }
    // TRANSLATORS: {0} is an error's name, {1} the name of the field at fault, quoted, {2} what is
    // wrong
    return filled(_("{0} in {1}: {2}"), {errorTitle(kind), quoted(_(fieldCaption(*field))), said});
}

CalcError::CalcError(ErrorKind kind, std::optional<Field> field, std::string hint)
    : std::runtime_error(errorMessage(kind, field, hint)),
      kind_(kind),
      field_(field),
      hint_(std::move(hint)) {}

std::string CalcError::hint() const { return hint_.empty() ? _(kindHint(kind_)) : hint_; }

CalcError beltTooShort(double smallestCode) {
    // The entry's count of ten-thousandths is a signed 64-bit integer.
    constexpr double kLargestEntry = 922337203685477.0;
    std::string hint;
    if (!(smallestCode <= kLargestEntry)) {
        hint =
            _("la cinta è troppo corta per queste pulegge, e nessuna cinta entro "
              "l'intervallo di calcolo è abbastanza lunga.");
    } else {
        const auto whole = static_cast<std::int64_t>(smallestCode);
        const std::string code = std::to_string(whole);
        // TRANSLATORS: {0} is the XL belt's length code (90 for a 90XL belt), {1} its teeth
        hint = filled(_n("la cinta è troppo corta per queste pulegge; la più corta che ci sta è "
                         "{0} (cinta {0}XL, {1} dente).",
                         "la cinta è troppo corta per queste pulegge; la più corta che ci sta è "
                         "{0} (cinta {0}XL, {1} denti).",
                         static_cast<std::uint64_t>(whole / 2)),
                      {code, std::to_string(whole / 2)});
    }
    return CalcError(ErrorKind::InvalidArgument, Field::BeltLengthCode, std::move(hint));
}

CalcError pulleysOverlap(std::string_view leastDistance) {
    std::string hint =
        // TRANSLATORS: {0} is a distance in mm, a result written with the user's decimal separator
        filled(_("a questo interasse le pulegge si sovrappongono; deve superare {0} mm."),
               {leastDistance});
    return CalcError(ErrorKind::InvalidArgument, std::nullopt, std::move(hint));
}

}  // namespace cnc
