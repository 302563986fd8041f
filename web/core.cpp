// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation as the page calls it, compiled to WebAssembly: one press of
// "calcola" over the texts the page holds, and the window's layout for the
// page to build its controls from. No rule of the calculation lives in
// JavaScript.

#include <emscripten/bind.h>
#include <emscripten/val.h>
#include <fmt/format.h>

#include <array>
#include <iterator>
#include <string>

#include "calc/calc_error.h"
#include "calc/drive_calculation.h"
#include "calc/memory_form.h"
#include "web/window_layout.h"

namespace cnc::web {
namespace {

using emscripten::val;

// Remembers which fields the click wrote, so that a failed click can empty
// the results it did not reach: none of them may show a number computed from
// earlier entries beside the new ones.
class PageForm : public MemoryForm {
public:
    void setText(Field field, std::string_view text) override {
        written_[static_cast<std::size_t>(field)] = true;
        MemoryForm::setText(field, text);
    }
    void emptyResultsNotWritten() {
        for (Field field : {Field::StepsPerMm, Field::MmPerStep, Field::CentreDistance,
                            Field::CentreDistanceMm}) {
            if (!written_[static_cast<std::size_t>(field)]) MemoryForm::setText(field, "");
        }
    }

private:
    std::array<bool, kFieldCount> written_{};
};

// texts: the nine fields' texts in the order of Field. Gives
// {texts: the nine texts after the click, error: "" or the message,
//  field: the index of the field at fault or -1}.
val pressCalcola(const val& texts, bool fullStep, bool belt, const std::string& decimalSeparator,
                 const std::string& groupSeparator) {
    PageForm form;
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        form.MemoryForm::setText(static_cast<Field>(i), texts[i].as<std::string>());
    }
    form.select(fullStep ? SteppingMode::FullStep : SteppingMode::HalfStep);
    form.select(belt ? Coupling::Belt : Coupling::Direct);

    val outcome = val::object();
    outcome.set("error", std::string());
    outcome.set("field", -1);
    try {
        calculate(form, decimalSeparator, groupSeparator, kXlBeltPitch);
    } catch (const CalcError& error) {
        form.emptyResultsNotWritten();
        outcome.set("error", std::string(error.what()));
        if (error.field()) outcome.set("field", static_cast<int>(*error.field()));
    }
    val after = val::array();
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        after.call<void>("push", form.text(static_cast<Field>(i)));
    }
    outcome.set("texts", after);
    return outcome;
}

constexpr std::array<std::string_view, 8> kKindNames = {
    "frame", "label", "textbox", "option", "button", "picture", "line", "circle"};

std::string jsonString(std::string_view text) {
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') quoted += '\\';
        quoted += c;
    }
    return quoted + '"';
}

std::string jsonColour(const std::optional<Rgb>& colour) {
    if (!colour) return "null";
    return fmt::format("[{},{},{}]", colour->red, colour->green, colour->blue);
}

// The layout as JSON: {"controls": [...], and the names of the option groups
// "stepping" and "coupling", the "beltGroups", the "calculate" and "end"
// buttons}, the controls of each container front to back. A text box
// carries its field's index, caption (its accessible name) and initial text.
std::string layoutJson() {
    std::string json = fmt::format(
        R"({{"stepping":{},"coupling":{},"beltGroups":[{},{}],"calculate":{},"end":{},)"
        R"("controls":[)",
        jsonString(kSteppingGroup), jsonString(kCouplingGroup), jsonString(kBeltGroups[0]),
        jsonString(kBeltGroups[1]), jsonString(kCalculateButton), jsonString(kEndButton));
    const std::size_t start = json.size();
    auto out = std::back_inserter(json);
    for (const Control& c : kWindowLayout) {
        if (json.size() > start) json += ',';
        fmt::format_to(out,
                       R"({{"kind":"{}","name":{},"container":{},"left":{},"top":{},)"
                       R"("width":{},"height":{},"caption":{},"points":{},"text":{},)"
                       R"("background":{},"centred":{},"tabIndex":{},"selected":{},)"
                       R"("lineWidth":{},"readOnly":{},"tooltip":{})",
                       kKindNames[static_cast<std::size_t>(c.kind)], jsonString(c.name),
                       jsonString(c.container), c.left, c.top, c.width, c.height,
                       jsonString(c.caption), c.points, jsonColour(c.text),
                       jsonColour(c.background), c.centred, c.tabIndex, c.selected, c.lineWidth,
                       c.readOnly, jsonString(c.tooltip));
        if (c.field) {
            fmt::format_to(out, R"(,"field":{},"fieldCaption":{},"initialText":{})",
                           static_cast<int>(*c.field), jsonString(fieldCaption(*c.field)),
                           jsonString(initialText(*c.field)));
        }
        json += '}';
    }
    return json + "]}";
}

}  // namespace
}  // namespace cnc::web

EMSCRIPTEN_BINDINGS(cnc_axis_calc) {
    emscripten::function("pressCalcola", &cnc::web::pressCalcola);
    emscripten::function("layoutJson", &cnc::web::layoutJson);
}
