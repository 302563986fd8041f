// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A message catalogue's plural rule, from the Plural-Forms line of its
// header: how many forms a plural message has in that language, and which
// form a count takes. The expression is the C subset gettext reads (n,
// whole numbers, ! * / % + - < > <= >= == != && || ?: and parentheses), in
// unsigned arithmetic as gettext computes it.
//
//   "nplurals=2; plural=(n > 1);"                     fr: 0 -> 0, 1 -> 0, 2 -> 1
//   "nplurals=2; plural=(n != 1);"                    de: 0 -> 1, 1 -> 0, 2 -> 1
//   "nplurals=3; plural=(n%10==1 && n%100!=11 ? 0 : n%10>=2 && n%10<=4 &&
//    (n%100<10 || n%100>=20) ? 1 : 2);"               ru: 1 -> 0, 3 -> 1, 11 -> 2
//
// A division or remainder by zero gives 0 rather than stopping (it may sit in
// the branch of a ?: that is not taken). Nothing here fails at run time: a
// header that cannot be read gives no rule, and the caller falls back.

#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace cnc {

class PluralForms {
public:
    // The rule of a catalogue header's text (its "Plural-Forms: ..." line
    // among the others); nullopt when the header has none, the number of
    // forms is not 1 to 100, or the expression cannot be read whole.
    static std::optional<PluralForms> ofHeader(std::string_view header);

    unsigned long count() const { return count_; }
    // The form for `n`: 0 to count() - 1; an expression that points beyond
    // the forms gives 0, as gettext does.
    unsigned long formFor(unsigned long n) const;

private:
    PluralForms(unsigned long count, std::string expression)
        : count_(count), expression_(std::move(expression)) {}
    unsigned long count_;
    std::string expression_;  // checked by ofHeader, evaluated again for each n
};

}  // namespace cnc
