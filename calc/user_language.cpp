// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/user_language.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <vector>

#include "calc/translation.h"

// Set by calc/CMakeLists.txt: the languages of po/LINGUAS, separated by
// spaces, and the locale directory of an installation.
#ifndef CNC_TRANSLATED_LANGUAGES
#error "CNC_TRANSLATED_LANGUAGES names the languages built (po/LINGUAS)"
#endif
#ifndef CNC_INSTALLED_LOCALE_DIR
#error "CNC_INSTALLED_LOCALE_DIR is the installed locale directory"
#endif

namespace cnc {
namespace {

constexpr std::string_view kItalian = "it";
constexpr std::string_view kEnglish = "en";
constexpr std::string_view kDomain = "cnc-axis-calc.mo";
// Far more than a catalogue of ours holds: a path that leads to something
// endless (a device) is not read to its end.
constexpr std::size_t kLargestCatalogue = 16 << 20;

bool isCLocale(std::string_view locale) {
    return locale.empty() || locale == "C" || locale == "POSIX" || locale.starts_with("C.");
}

// "de_DE.UTF-8@euro" -> "de"
std::string_view languageOf(std::string_view locale) {
    return locale.substr(0, locale.find_first_of("_.@"));
}

std::optional<MessageCatalogue> readCatalogue(const std::filesystem::path& file) {
    std::ifstream stream(file, std::ios::binary);
    if (!stream) return std::nullopt;
    std::string bytes;
    char chunk[1 << 16];
    while (stream.read(chunk, sizeof chunk) || stream.gcount() > 0) {
        bytes.append(chunk, static_cast<std::size_t>(stream.gcount()));
        if (bytes.size() > kLargestCatalogue) return std::nullopt;
    }
    if (stream.bad()) return std::nullopt;
    return MessageCatalogue::read(std::move(bytes));
}

std::string_view variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

}  // namespace

std::string chosenLanguage(const LocaleVariables& variables,
                           std::span<const std::string_view> translated) {
    std::string_view locale = variables.lcAll;
    for (const std::string_view next : {variables.lcMessages, variables.lang}) {
        if (locale.empty()) locale = next;
    }
    if (isCLocale(locale)) return std::string(kItalian);

    const auto ours = [&](std::string_view language) {
        return language == kItalian ||
               std::find(translated.begin(), translated.end(), language) != translated.end();
    };
    for (std::string_view rest = variables.language; !rest.empty();) {
        const std::string_view entry = rest.substr(0, rest.find(':'));
        rest.remove_prefix(std::min(rest.size(), entry.size() + 1));
        if (entry.empty()) continue;
        if (entry == "C" || entry == "POSIX") return std::string(kItalian);
        if (ours(languageOf(entry))) return std::string(languageOf(entry));
    }
    if (ours(languageOf(locale))) return std::string(languageOf(locale));
    return std::string(kEnglish);
}

std::span<const std::string_view> translatedLanguages() {
    static const std::vector<std::string_view> languages = [] {
        std::vector<std::string_view> found;
        for (std::string_view rest = CNC_TRANSLATED_LANGUAGES; !rest.empty();) {
            const std::string_view language = rest.substr(0, rest.find(' '));
            rest.remove_prefix(std::min(rest.size(), language.size() + 1));
            if (!language.empty()) found.push_back(language);
        }
        return found;
    }();
    return languages;
}

std::filesystem::path catalogueBeside(const std::filesystem::path& programDirectory,
                                      std::string_view language) {
    return programDirectory / ".." / "share" / "locale" / language / "LC_MESSAGES" / kDomain;
}

std::string useTheEnvironmentsLanguage() {
    const std::string language = chosenLanguage(
        {variable("LANGUAGE"), variable("LC_ALL"), variable("LC_MESSAGES"), variable("LANG")},
        translatedLanguages());
    if (language == kItalian) return language;

    // Where the running program is, on Linux; elsewhere, or without /proc,
    // the installed directory alone is tried. Never a path relative to the
    // working directory, which could hold anything.
    std::vector<std::filesystem::path> candidates;
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error && program.is_absolute()) {
        candidates.push_back(catalogueBeside(program.parent_path(), language));
    }
    candidates.push_back(std::filesystem::path(CNC_INSTALLED_LOCALE_DIR) / language /
                         "LC_MESSAGES" / kDomain);
    for (const std::filesystem::path& file : candidates) {
        if (auto catalogue = readCatalogue(file)) {
            useCatalogue(std::move(*catalogue));
            return language;
        }
    }
    return std::string(kItalian);
}

}  // namespace cnc
