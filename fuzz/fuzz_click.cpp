// A whole press of "calcola" over arbitrary entry texts and choices. Each run
// must end with its results or one calculation error; every result written
// must be a number the program itself reads, and Text8 must repeat Text7.

#include <cstdlib>
#include <string>

#include "calc/calc_error.h"
#include "calc/drive_calculation.h"
#include "calc/entry_value.h"
#include "calc/memory_form.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const std::uint8_t choices = data[0];
    const auto fields = fuzz::splitFields(data + 1, size - 1, 5);

    cnc::MemoryForm form;
    const cnc::Field entries[] = {cnc::Field::Text1, cnc::Field::Text2, cnc::Field::Text5,
                                  cnc::Field::Text6, cnc::Field::Text9};
    for (std::size_t i = 0; i < 5; ++i) form.setText(entries[i], fields[i]);
    form.select(cnc::OptionArray::Option1, choices & 1);
    form.select(cnc::OptionArray::Option2, (choices >> 1) & 1);
    const std::string separator = (choices & 4) ? "," : ".";

    try {
        cnc::calculate(form, separator, cnc::kXlBeltPitch);
    } catch (const cnc::CalcError&) {
    }
    for (cnc::Field result : {cnc::Field::Text3, cnc::Field::Text4, cnc::Field::Text7}) {
        const std::string text = form.text(result);
        if (!text.empty()) cnc::parseDouble(text, separator);  // throws, so aborts, if not
    }
    const std::string shown = form.text(cnc::Field::Text7);
    if (form.text(cnc::Field::Text8) != (shown.empty() ? "" : shown + " mm")) std::abort();
    return 0;
}
