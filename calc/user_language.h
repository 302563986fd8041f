// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which language the programs answer in, chosen from the environment as
// every gettext program chooses it, and where they find its catalogue.
//
// The locale is the first non-empty of LC_ALL, LC_MESSAGES and LANG. The C
// locale (empty, "C", "POSIX", "C.UTF-8") answers in Italian, untranslated,
// and ignores LANGUAGE, as gettext does. Otherwise the first entry of
// LANGUAGE ("fr:de", each a language or a locale) that has a catalogue
// answers, where an entry "C" stops the search in Italian; else the
// locale's own language; a language without a catalogue gets English.
// Italian, the language the texts are written in, needs no catalogue.
//
//   LANG=de_DE.UTF-8                     -> "de"
//   LANGUAGE=pt:fr LANG=de_DE.UTF-8      -> "fr"
//   LANGUAGE=fr LC_ALL=C                 -> "it"
//   LANG=ja_JP.UTF-8                     -> "en"
//
// No locale needs to be installed on the system: the catalogue is read
// directly (translation.h says why).

#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace cnc {

struct LocaleVariables {
    std::string_view language;    // LANGUAGE
    std::string_view lcAll;       // LC_ALL
    std::string_view lcMessages;  // LC_MESSAGES
    std::string_view lang;        // LANG
};

// The language code ("it", "en", "de", ...) that answers, among Italian and
// the `translated` languages.
std::string chosenLanguage(const LocaleVariables& variables,
                           std::span<const std::string_view> translated);

// The languages whose catalogues are built with the programs (po/LINGUAS).
std::span<const std::string_view> translatedLanguages();

// A language's catalogue for a program installed in `programDirectory`, in
// the tree beside it, so that the build tree and any installed prefix work
// alike with no setting:
//   ("/usr/bin", "de") -> "/usr/bin/../share/locale/de/LC_MESSAGES/cnc-axis-calc.mo"
std::filesystem::path catalogueBeside(const std::filesystem::path& programDirectory,
                                      std::string_view language);

// The start of either program: the language this process's environment
// asks for, its catalogue read from beside the running program (then from
// the installed locale directory) and made the process's. A catalogue that
// cannot be found or read leaves the Italian texts, silently. Gives the
// language whose texts are now shown: "it" when no catalogue was read.
std::string useTheEnvironmentsLanguage();

}  // namespace cnc
