// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/amounts.h"

#include <string>

#include "calc/calc_error.h"

namespace cnc::cli {
namespace {

constexpr int kLargestPowerOfTen = 300;

}  // namespace

Ratio positiveAmount(std::string_view text, std::string_view option,
                     std::string_view decimalSeparator) {
    const std::string hint = std::string(option) + " vuole un numero maggiore di zero, non «" +
                             std::string(text) + "».";
    Ratio amount;
    try {
        amount = decimalRatio(text, decimalSeparator);
    } catch (const CalcError&) {
        throw CalcError(ErrorKind::TypeMismatch, std::nullopt, hint);
    }
    if (amount.negative || amount.numerator.isZero()) {
        throw CalcError(ErrorKind::InvalidArgument, std::nullopt, hint);
    }
    return amount;
}

const Ratio& withinRange(const Ratio& value, std::string_view option) {
    if (!belowPowerOfTen(value, kLargestPowerOfTen)) {
        throw CalcError(ErrorKind::Overflow, std::nullopt,
                        std::string(option) + ": il risultato è fuori dall'intervallo di calcolo.");
    }
    return value;
}

}  // namespace cnc::cli
