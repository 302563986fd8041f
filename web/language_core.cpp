// SPDX-License-Identifier: GPL-3.0-or-later
// The language of the module's messages, as the page's language.js sets it:
// the catalogue it fetched for the language the user reads (the same .mo
// files the programs read), and the texts of the page's own scripts.

#include <emscripten/bind.h>

#include <string>
#include <utility>

#include "calc/message_catalogue.h"
#include "calc/translation.h"

namespace cnc::web {
namespace {

// bytes: a .mo file's bytes (a Uint8Array), or none for Italian. Gives
// whether they were a catalogue; bytes that are not leave every message in
// Italian.
bool useLanguage(const std::string& bytes) {
    auto catalogue = MessageCatalogue::read(bytes);
    const bool usable = catalogue.has_value() || bytes.empty();
    useCatalogue(catalogue ? std::move(*catalogue) : MessageCatalogue());
    return usable;
}

// A text of the page's scripts, marked there with _("...").
std::string translate(const std::string& italian) { return _(italian); }

}  // namespace
}  // namespace cnc::web

EMSCRIPTEN_BINDINGS(cnc_axis_calc_language) {
    emscripten::function("useCatalogue", &cnc::web::useLanguage);
    emscripten::function("translate", &cnc::web::translate);
}
