// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/amounts.h"

#include <string>

#include "calc/calc_error.h"

namespace cnc::cli {
namespace {

constexpr int kLargestPowerOfTen = 300;

}  // namespace

CalcError optionError(ErrorKind kind, std::string_view option, std::string_view wanted,
                      std::string_view text) {
    return CalcError(kind, std::nullopt,
                     std::string(option) + " vuole " + std::string(wanted) + ", non «" +
                         std::string(text) + "».");
}

Ratio positiveAmount(std::string_view text, std::string_view option,
                     std::string_view decimalSeparator, std::string_view wanted) {
    Ratio amount;
    try {
        amount = decimalRatio(text, decimalSeparator);
    } catch (const CalcError&) {
        throw optionError(ErrorKind::TypeMismatch, option, wanted, text);
    }
    if (amount.negative || amount.numerator.isZero()) {
        throw optionError(ErrorKind::InvalidArgument, option, wanted, text);
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
