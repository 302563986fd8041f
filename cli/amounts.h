// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The numbers the command line's own questions read and answer, kept exact.

#include <cstdint>
#include <string_view>

#include "calc/calc_error.h"
#include "calc/exact_ratio.h"
#include "calc/translation.h"
#include "cli/failure.h"

namespace cnc::cli {

inline constexpr std::string_view kAboveZero = N_("un numero maggiore di zero");

// The error of the text of `option` (its key, without dashes), e.g. for "strato":
//   Argomento non valido: --strato vuole un numero maggiore di zero, non «0».
// `wanted` is an Italian text marked N_, said in the language of the messages.
OptionError optionError(ErrorKind kind, std::string_view option, std::string_view wanted,
                        std::string_view text);

// The text of `option` as an exact number above zero, with the user's
// separator or '.': "0,2" -> 2/10. Throws optionError: TypeMismatch for no
// number, InvalidArgument for zero or less; `wanted` says what it wants.
Ratio positiveAmount(std::string_view text, std::string_view option,
                     std::string_view decimalSeparator, std::string_view wanted = kAboveZero);

// `value`, the answer to `option`, when a double holds it (|value| < 10^300),
// as JSON needs; else throws OptionError Overflow:
//   Overflow: --strato: il risultato è fuori dall'intervallo di calcolo.
const Ratio& withinRange(const Ratio& value, std::string_view option);

// The decimals the answers print: a length (a layer, the full step), kHz of
// the step rate, and a speed per second or per minute.
inline constexpr int kLengthDecimals = 9;
inline constexpr int kKilohertzDecimals = 6;
inline constexpr int kSpeedDecimals = 3;

// A speed per second as per minute: exactly 60 times it.
Ratio perMinute(const Ratio& perSecond);

// `count` for a message's plural rule (_n); 0 for a count past 2^64, which
// no drive's steps reach.
std::uint64_t countOf(const Natural& count);

}  // namespace cnc::cli
