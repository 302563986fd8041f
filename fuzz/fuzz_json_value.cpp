// SPDX-License-Identifier: GPL-3.0-or-later
// Any text as the page's JSON: reading it, and asking its values for what
// the module asks (members, elements, texts, indexes), must stay inside the
// text and the stack (the sanitizers watch).

#include <cstdint>
#include <string_view>

#include "web/json/json_value.h"

namespace {

void visit(const cnc::web::JsonValue& value) {
    (void)value.text();
    (void)value.index();
    for (const std::string_view key : {"texts", "chosen", "axes", "state", "a", ""}) {
        (void)value[key].text();
    }
    for (std::size_t i = 0; i < value.size(); ++i) visit(value[i]);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    visit(cnc::web::JsonValue::parse(std::string_view(reinterpret_cast<const char*>(data), size)));
    return 0;
}
