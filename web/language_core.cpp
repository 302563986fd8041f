// SPDX-License-Identifier: GPL-3.0-or-later
// The language of the module's messages, as the page's language.js sets it:
// the catalogue it fetched for the language the user reads (the same .mo
// files the programs read), and the texts of the page's own scripts.

#include <string>
#include <utility>

#include "calc/message_catalogue.h"
#include "calc/translation.h"
#include "exports.h"

namespace cnc::web {
namespace {

// bytes: a .mo file's bytes, or none for Italian. Gives
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

extern "C" EMSCRIPTEN_KEEPALIVE int useCatalogue(const char* bytes, std::size_t size) {
    return cnc::web::useLanguage(cnc::web::argumentText(bytes, size)) ? 1 : 0;
}

extern "C" EMSCRIPTEN_KEEPALIVE const char* translate(const char* italian, std::size_t size) {
    return cnc::web::answerOf(cnc::web::translate(cnc::web::argumentText(italian, size)));
}
