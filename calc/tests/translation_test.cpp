// SPDX-License-Identifier: GPL-3.0-or-later
// The messages' language: msgfmt's own .mo files read in both byte orders,
// damaged ones refused, plural rules, placeholders, and the language the
// environment chooses.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/message_catalogue.h"
#include "calc/plural_forms.h"
#include "calc/translation.h"
#include "calc/user_language.h"

namespace cnc {
namespace {

std::string bytesOf(const char* file) {
    std::ifstream stream(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(stream), {}};
}

// catalogue_test.po, as msgfmt writes it on either kind of machine, and as
// the page's build writes it, the originals named by their digests.
const char* const kCatalogueFiles[] = {CATALOGUE_LITTLE_ENDIAN, CATALOGUE_BIG_ENDIAN,
                                       CATALOGUE_DIGESTED};

TEST(MessageCatalogue, FindsEachMessageInEitherByteOrderAndByDigest) {
    struct Row {
        std::string_view original;
        std::optional<std::string_view> translation;
    };
    const Row rows[] = {
        {"Vite", "Винт"},
        {"Vite a ricircolo", "Шарико-винтовая пара"},
        {"Banco dell'asse", "Верстак оси"},
        {"Velocità", "Скорость"},
        {"«{0}» non è un numero", "«{0}» — не число"},
        // not in the catalogue: before the first, between two, after the last
        {"Asse", std::nullopt},
        {"Vit", std::nullopt},
        {"Vite a", std::nullopt},
        {"Zeta", std::nullopt},
        {"Non tradotto", std::nullopt},  // left untranslated in the .po
        {"", std::nullopt},              // the header, which is no message
        {"{0} dente", "{0} зуб"},        // a plural message asked as one: its first form
    };
    for (const char* file : kCatalogueFiles) {
        const auto catalogue = MessageCatalogue::read(bytesOf(file));
        ASSERT_TRUE(catalogue) << file;
        for (const Row& row : rows) {
            EXPECT_EQ(catalogue->translation(row.original), row.translation)
                << file << ": " << row.original;
        }
        const std::pair<unsigned long, std::string_view> plurals[] = {
            {1, "{0} зуб"},    {21, "{0} зуб"},   {2, "{0} зуба"},    {24, "{0} зуба"},
            {0, "{0} зубьев"}, {5, "{0} зубьев"}, {11, "{0} зубьев"}, {112, "{0} зубьев"}};
        for (const auto& [n, form] : plurals) {
            EXPECT_EQ(catalogue->pluralTranslation("{0} dente", n), form) << file << ": " << n;
        }
        EXPECT_EQ(catalogue->pluralTranslation("{0} vite", 2), std::nullopt);
    }
}

TEST(MessageCatalogue, RefusesBytesThatAreNoCatalogue) {
    const std::string good = bytesOf(CATALOGUE_LITTLE_ENDIAN);
    const auto word = [&](std::size_t at, std::uint32_t value) {
        std::string bytes = good;
        for (std::size_t i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>(value >> (8 * i));
        return bytes;
    };
    struct Row {
        const char* what;
        std::string bytes;
    };
    const Row rows[] = {
        {"nothing", ""},
        {"a header cut short", good.substr(0, 27)},
        {"another magic", word(0, 0x950412dfu)},
        {"a newer major revision", word(4, 0x00020000u)},
        {"more messages than the tables hold", word(8, 0x01000000u)},
        {"the originals' table beyond the end", word(12, static_cast<std::uint32_t>(good.size()))},
        {"a text beyond the end", word(28 + 8 + 4, static_cast<std::uint32_t>(good.size()))},
        {"a length reaching past the end", word(28, 0xfffffff0u)},
        {"the last text cut off", good.substr(0, good.size() - 4)},
    };
    for (const Row& row : rows) {
        EXPECT_FALSE(MessageCatalogue::read(row.bytes)) << row.what;
    }
}

TEST(PluralForms, EachLanguagesRuleGivesItsForm) {
    struct Row {
        std::string_view header;
        std::vector<unsigned long> forms;  // of n = 0, 1, 2, 5, 11, 21, 102
    };
    const Row rows[] = {
        {"Plural-Forms: nplurals=2; plural=(n != 1);", {1, 0, 1, 1, 1, 1, 1}},
        {"Plural-Forms: nplurals=2; plural=(n > 1);", {0, 0, 1, 1, 1, 1, 1}},
        {"Plural-Forms: nplurals=1; plural=0;", {0, 0, 0, 0, 0, 0, 0}},
        {"Language: pl\nPlural-Forms: nplurals=3; plural=(n==1 ? 0 : n%10>=2 && n%10<=4 && "
         "(n%100<10 || n%100>=20) ? 1 : 2);\n",
         {2, 0, 1, 2, 2, 2, 1}},
        {"Plural-Forms: nplurals=6; plural=(n==0 ? 0 : n==1 ? 1 : n==2 ? 2 : n%100>=3 && "
         "n%100<=10 ? 3 : n%100>=11 ? 4 : 5);",
         {0, 1, 2, 3, 4, 4, 5}},
        // a form beyond nplurals is the first; a division by zero is 0
        {"Plural-Forms: nplurals=2; plural=n;", {0, 1, 0, 0, 0, 0, 0}},
        {"Plural-Forms: nplurals=2; plural=!(n/(n-n));", {1, 1, 1, 1, 1, 1, 1}},
    };
    const unsigned long counts[] = {0, 1, 2, 5, 11, 21, 102};
    for (const Row& row : rows) {
        const auto rule = PluralForms::ofHeader(row.header);
        ASSERT_TRUE(rule) << row.header;
        for (std::size_t i = 0; i < std::size(counts); ++i) {
            EXPECT_EQ(rule->formFor(counts[i]), row.forms[i]) << row.header << " n=" << counts[i];
        }
    }
}

TEST(PluralForms, RefusesWhatIsNoRule) {
    const std::string deep = std::string(10000, '(') + "n" + std::string(10000, ')');
    const std::string rows[] = {
        "",
        "Plural-Forms: nplurals=2;",
        "Plural-Forms: plural=(n != 1);",
        "Plural-Forms: nplurals=0; plural=0;",
        "Plural-Forms: nplurals=2; plural=(n != 1;",
        "Plural-Forms: nplurals=2; plural=n !;",
        "Plural-Forms: nplurals=2; plural=n ? 1;",
        "Plural-Forms: nplurals=2; plural=m;",
        "Plural-Forms: nplurals=2; plural=" + deep + ";",
        "X-Plural-Forms: nplurals=2; plural=0;",
    };
    for (const std::string& header : rows) {
        EXPECT_FALSE(PluralForms::ofHeader(header)) << header.substr(0, 60);
    }
}

TEST(Translation, FillsNumberedPlaceholders) {
    struct Row {
        std::string_view pattern;
        std::string_view filled;
    };
    const Row rows[] = {
        {"{1} di {0}", "Passo di Vite"},
        {"{0}{0}", "ViteVite"},
        {"{{{0}}}", "{Vite}"},
        // kept as written: a placeholder with no value, a format, lone braces
        {"{2}", "{2}"},
        {"{0:.2f}", "{0:.2f}"},
        {"{ {0", "{ {0"},
        {"a } b", "a } b"},
        {"{99999999999999999999}", "{99999999999999999999}"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(filled(row.pattern, {"Vite", "Passo"}), row.filled) << row.pattern;
    }
}

TEST(Translation, UsesTheProcessCatalogueOrTheItalianText) {
    useCatalogue(*MessageCatalogue::read(bytesOf(CATALOGUE_BIG_ENDIAN)));
    EXPECT_EQ(_("Vite"), "Винт");
    EXPECT_EQ(_("Asse"), "Asse");
    EXPECT_EQ(_n("{0} dente", "{0} denti", 3), "{0} зуба");
    EXPECT_EQ(_n("{0} vite", "{0} viti", 1), "{0} vite");
    useCatalogue(MessageCatalogue());
    EXPECT_EQ(_("Vite"), "Vite");
    EXPECT_EQ(_n("{0} dente", "{0} denti", 3), "{0} denti");
}

TEST(UserLanguage, ChosenFromTheEnvironmentAsGettextDoes) {
    struct Row {
        LocaleVariables variables;  // LANGUAGE, LC_ALL, LC_MESSAGES, LANG
        std::string_view language;
    };
    const Row rows[] = {
        // the C locale answers in Italian, whatever LANGUAGE says
        {{}, "it"},
        {{"de", "", "", ""}, "it"},
        {{"de", "C", "", "fr_FR.UTF-8"}, "it"},
        {{"de", "", "", "POSIX"}, "it"},
        {{"de", "", "C.UTF-8", ""}, "it"},
        // the first of LC_ALL, LC_MESSAGES, LANG that is set
        {{"", "", "", "de_DE.UTF-8"}, "de"},
        {{"", "", "fr_CA", "de_DE.UTF-8"}, "fr"},
        {{"", "es_ES.UTF-8@euro", "fr_FR", "de_DE"}, "es"},
        {{"", "", "", "it_IT.UTF-8"}, "it"},
        // LANGUAGE: the first entry there is a catalogue for; "C" stops in Italian
        {{"pt_BR:fr:de", "", "", "de_DE.UTF-8"}, "fr"},
        {{"::de", "", "", "en_US.UTF-8"}, "de"},
        {{"it:en", "", "", "de_DE.UTF-8"}, "it"},
        {{"C:fr", "", "", "de_DE.UTF-8"}, "it"},
        {{"pt:ja", "", "", "es_ES.UTF-8"}, "es"},
        // a language without a catalogue: English
        {{"", "", "", "ja_JP.UTF-8"}, "en"},
        {{"pt_BR", "", "", "nl_NL.UTF-8"}, "en"},
    };
    const std::string_view translated[] = {"en", "de", "fr", "es"};
    for (const Row& row : rows) {
        EXPECT_EQ(chosenLanguage(row.variables, translated), row.language)
            << "LANGUAGE=" << row.variables.language << " LC_ALL=" << row.variables.lcAll
            << " LC_MESSAGES=" << row.variables.lcMessages << " LANG=" << row.variables.lang;
    }
}

}  // namespace
}  // namespace cnc
