// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The numbers the command line's own questions read and answer, kept exact.

#include <string_view>

#include "calc/exact_ratio.h"

namespace cnc::cli {

// The text of `option` as an exact number above zero, with the user's
// separator or '.': "0,2" -> 2/10. Throws CalcError naming the option, with
// no field: TypeMismatch for no number, InvalidArgument for zero or less:
//   Argomento non valido: --strato vuole un numero maggiore di zero, non «0».
Ratio positiveAmount(std::string_view text, std::string_view option,
                     std::string_view decimalSeparator);

// `value`, the answer to `option`, when a double holds it (|value| < 10^300),
// as JSON needs; else throws CalcError Overflow naming the option.
const Ratio& withinRange(const Ratio& value, std::string_view option);

}  // namespace cnc::cli
