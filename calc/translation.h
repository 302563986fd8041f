// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The messages in the user's language. The program's texts are written in
// Italian, its original language, and each is looked up in the one
// catalogue of the process (message_catalogue.h); without a catalogue, or
// without that message in it, the Italian text itself answers. So the C
// locale, and every test and script written for it, sees the Italian texts
// byte for byte.
//
// Marking a message, so that xgettext finds it (scripts/catalogues):
//   _("impossibile scrivere l'uscita")         -> the text now
//   N_("Banco dell'asse")                      -> the Italian text, unchanged, for a
//                                                 table; _(its entry) where it is shown
//   _n("{0} dente", "{0} denti", teeth)        -> the form for that number
//   filled(_("Cinta più corta: {0}"), {code})  -> the placeholders filled in
// A message with values has numbered placeholders {0}, {1} (the order of the
// words differs between languages); the template marks it so that msgfmt
// checks that every translation keeps each placeholder. A comment
// "// TRANSLATORS: ..." on the line before a message reaches the translators.
//
// Why a lookup of our own rather than glibc's gettext: glibc translates only
// when the user's locale is installed on the system (setlocale must succeed
// first) and knows no fallback language but LANGUAGE, while this program
// reads numbers through Qt's own locale data so that no system locale needs
// installing, and the page, compiled to WebAssembly, has no libintl at all.
//
// The catalogue is the one piece of global state of the calculation's
// layer: every message of every layer would otherwise need a language passed
// down to it. It is chosen once, at start-up, before any thread starts
// (user_language.h), and on the page when the user picks a language;
// useCatalogue is not safe against a lookup running at the same time.

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "calc/message_catalogue.h"

namespace cnc {

// Makes `catalogue` the process's from now on; an empty one gives Italian.
void useCatalogue(MessageCatalogue catalogue);

// Whether the messages are the Italian texts as written: no catalogue is in
// use (the C locale, an Italian one, the page's classic window). What a
// message names by a name of its own language (a command-line option) is
// then named in Italian, else in English.
bool speaksItalian();

// `italian` in the catalogue's language, or `italian` itself; a copy, so
// that a catalogue replaced later leaves no text dangling.
std::string _(std::string_view italian);

// Marks a text for the catalogues where it is not translated at once (an
// entry of a constant table): the text itself.
constexpr std::string_view N_(std::string_view italian) { return italian; }

// The form of a message for the number `n`, in the catalogue's language
// (its own plural rule: French says "1 dent", "0 dent"), or the Italian
// `singular` for 1 and `plural` otherwise. The rules read a count's last
// digits and whether it is above one: a count past a million is read as a
// million and its last six digits, so that 2^53 steps fit the rules'
// unsigned long wherever it is 32 bits (the page's).
std::string _n(std::string_view singular, std::string_view plural, std::uint64_t n);

// `pattern` with each {i} replaced by values[i]; "{{" and "}}" are single
// braces. Anything else ("{7}" beyond the values, a lone brace, "{0:.2f}")
// is kept as written, so that a translation gone wrong shows, never fails.
//   filled("{1} di {0}", {"Vite", "Passo"})  -> "Passo di Vite"
//   filled("{{{0}}}", {"x"})                 -> "{x}"
std::string filled(std::string_view pattern, std::initializer_list<std::string_view> values);
std::string filled(std::string_view pattern, std::span<const std::string> values);

// A name or a typed text quoted in a message, as the language quotes:
//   quoted("Cinta") -> "«Cinta»" in Italian, "“Cinta”" in English
std::string quoted(std::string_view text);

}  // namespace cnc
