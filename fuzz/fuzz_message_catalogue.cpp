// SPDX-License-Identifier: GPL-3.0-or-later
// A catalogue's bytes as a file or a page may hand them over: reading them,
// looking texts up and choosing plural forms must stay inside the bytes
// (the sanitizers watch) and give a form the rule has; the same bytes as a
// header's text must give a plural rule whose forms are in range.

#include <cstdlib>
#include <string>
#include <string_view>

#include "calc/message_catalogue.h"
#include "calc/plural_forms.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    constexpr std::string_view kOriginals[] = {"", "Vite", "{0} dente", "Banco dell'asse"};
    if (const auto catalogue = cnc::MessageCatalogue::read(bytes)) {
        for (const std::string_view original : kOriginals) {
            (void)catalogue->translation(original);
            for (unsigned long n : {0ul, 1ul, 2ul, 5ul, 11ul, 21ul, 101ul, 4294967295ul}) {
                (void)catalogue->pluralTranslation(original, n);
            }
        }
    }
    if (const auto rule = cnc::PluralForms::ofHeader(bytes)) {
        for (unsigned long n = 0; n < 200; ++n) {
            if (rule->formFor(n) >= rule->count()) std::abort();
        }
    }
    return 0;
}
