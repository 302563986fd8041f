// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Internal to the calculation: runs one conversion or tested operation and,
// if it raises, names the field whose text is to blame.

#include <string_view>

#include "calc/calc_error.h"
#include "calc/entry_value.h"

namespace cnc::detail {

template <class Operation>
auto blamingOn(Field field, Operation&& operation) -> decltype(operation()) {
    try {
        return operation();
    } catch (const CalcError& error) {
        throw error.blaming(field);
    }
}

inline EntryValue entryValueOf(std::string_view text, Field field, std::string_view separator,
                               std::string_view groupSeparator) {
    return blamingOn(field, [&] { return parseEntryValue(text, separator, groupSeparator); });
}

}  // namespace cnc::detail
