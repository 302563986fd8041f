// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation as the page calls it, compiled to WebAssembly: one press of
// "calcola" over the texts the page holds, and the window's layout for the
// page to build its controls from. No rule of the calculation lives in
// JavaScript.

#include <fmt/compile.h>

#include <array>
#include <iterator>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

#include "calc/calc_error.h"
#include "calc/drive_calculation.h"
#include "calc/memory_form.h"
#include "exports.h"
#include "json_text.h"
#include "ui/layout/window_layout.h"

namespace cnc::web {
namespace {

// texts: the nine fields' texts in the order of Field; what is not a text
// is empty. Gives {"error": "" or the message, "field": the index of the
// field at fault or -1, "texts": the nine texts after the click}.
std::string pressCalcola(const JsonValue& texts, bool fullStep, bool belt,
                         const std::string& decimalSeparator, const std::string& groupSeparator) {
    MemoryForm form;
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        form.MemoryForm::setText(static_cast<Field>(i), texts[i].text());
    }
    form.select(fullStep ? SteppingMode::FullStep : SteppingMode::HalfStep);
    form.select(belt ? Coupling::Belt : Coupling::Direct);

    std::string error;
    int field = -1;
    try {
        calculateWithoutStaleResults(form, decimalSeparator, groupSeparator, kXlBeltPitch);
    } catch (const CalcError& calcError) {
        error = calcError.what();
        if (calcError.field()) field = static_cast<int>(*calcError.field());
    }
    std::vector<std::string> after;
    for (std::size_t i = 0; i < kFieldCount; ++i) after.push_back(form.text(static_cast<Field>(i)));
    return R"({"error":)" + jsonString(error) + R"(,"field":)" + std::to_string(field) +
           R"(,"texts":)" + jsonArray(after, jsonString) + '}';
}

constexpr std::array<std::string_view, 8> kKindNames = {"frame", "option", "button", "textbox",
                                                        "label", "line",   "shape",  "picture"};

std::string jsonColour(const std::optional<layout::Rgb>& colour) {
    if (!colour) return "null";
    return fmt::format(FMT_COMPILE("[{},{},{}]"), colour->red, colour->green, colour->blue);
}

// What a control stands for: a field, an option of a choice, or a command.
std::string jsonIdentity(const layout::Identity& identity) {
    return std::visit(
        [](const auto& what) -> std::string {
            using T = std::decay_t<decltype(what)>;
            if constexpr (std::is_same_v<T, Field>) {
                return fmt::format(FMT_COMPILE(R"(,"field":{})"), static_cast<int>(what));
            } else if constexpr (std::is_same_v<T, SteppingMode>) {
                return fmt::format(FMT_COMPILE(R"(,"stepping":{})"), static_cast<int>(what));
            } else if constexpr (std::is_same_v<T, Coupling>) {
                return fmt::format(FMT_COMPILE(R"(,"coupling":{})"), static_cast<int>(what));
            } else if constexpr (std::is_same_v<T, layout::Command>) {
                return what == layout::Command::Calculate ? R"(,"command":"calculate")"
                                                          : R"(,"command":"quit")";
            } else {
                return "";
            }
        },
        identity);
}

std::string jsonControl(const layout::Control& c) {
    std::string json = fmt::format(
        FMT_COMPILE(
            R"({{"kind":{},"name":{},"container":{},"left":{},"top":{},"width":{},"height":{},)"
            R"("x1":{},"y1":{},"x2":{},"y2":{},"lineWidth":{},"text":{},"points":{},"bold":{},)"
            R"("foreground":{},"background":{},"transparent":{},"centred":{},"readOnly":{},)"
            R"("hidden":{},"selected":{},"tabIndex":{},"image":{},"accessibleName":{},)"
            R"("describedBy":{},"tooltip":{},"shownWith":{})"),
        jsonString(kKindNames[static_cast<std::size_t>(c.kind)]), jsonString(c.name),
        jsonString(c.container), c.rect.left, c.rect.top, c.rect.width, c.rect.height, c.from.x,
        c.from.y, c.to.x, c.to.y, c.lineWidth, jsonString(c.text), c.font ? c.font->points : 0,
        jsonBool(c.font && c.font->bold), jsonColour(c.foreground), jsonColour(c.background),
        jsonBool(c.transparent), jsonBool(c.alignment == layout::Alignment::Centre),
        jsonBool(c.readOnly), jsonBool(c.hidden), jsonBool(c.selected), c.tabIndex.value_or(-1),
        jsonString(c.image), jsonString(c.accessibleName), jsonString(c.describedBy),
        jsonString(c.tooltip), c.shownWith ? static_cast<int>(*c.shownWith) : -1);
    return json + jsonIdentity(c.identity) + '}';
}

// The window's layout table as JSON, for the page to build its controls from:
// {"window": {name, title, background, width, height}, "controls": [...]},
// containers before what they contain, each container's children back to
// front.
std::string layoutJson() {
    const layout::Window& window = layout::window();
    return fmt::format(
        FMT_COMPILE(R"({{"window":{{"name":{},"title":{},"background":{},"width":{},"height":{}}},)"
                    R"("controls":{}}})"),
        jsonString(window.name), jsonString(window.title), jsonColour(window.background),
        window.widthTwips, window.heightTwips, jsonArray(layout::controls(), jsonControl));
}

}  // namespace
}  // namespace cnc::web

extern "C" EMSCRIPTEN_KEEPALIVE const char* pressCalcola(const char* texts, std::size_t textsSize,
                                                         int fullStep, int belt,
                                                         const char* decimal,
                                                         std::size_t decimalSize, const char* group,
                                                         std::size_t groupSize) {
    namespace web = cnc::web;
    return web::answerOf(web::pressCalcola(web::argumentJson(texts, textsSize), fullStep != 0,
                                           belt != 0, web::argumentText(decimal, decimalSize),
                                           web::argumentText(group, groupSize)));
}

extern "C" EMSCRIPTEN_KEEPALIVE const char* layoutJson() {
    return cnc::web::answerOf(cnc::web::layoutJson());
}
