// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/amounts.h"

#include <charconv>
#include <string>

#include "calc/calc_error.h"
#include "calc/translation.h"

namespace cnc::cli {
namespace {

constexpr int kLargestPowerOfTen = 300;

}  // namespace

OptionError optionError(ErrorKind kind, std::string_view option, std::string_view wanted,
                        std::string_view text) {
    return OptionError(
        kind, option,
        // TRANSLATORS: {0} is an option or an input of the workbench, {1} what it takes, {2} the
        // text given, quoted
        Wording(_("{0} vuole {1}, non {2}."),
                {say::option(option), say::text(_(wanted)), say::typed(std::string(text))}));
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
        throw OptionError(ErrorKind::Overflow, option,
                          // TRANSLATORS: {0} is the option whose answer it is
                          Wording(_("{0}: il risultato è fuori dall'intervallo di calcolo."),
                                  {say::option(option)}));
    }
    return value;
}

Ratio perMinute(const Ratio& perSecond) { return perSecond * ratioOf(60); }

std::uint64_t countOf(const Natural& count) {
    const std::string digits = count.decimalDigits();
    std::uint64_t value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value;
}

}  // namespace cnc::cli
