// SPDX-License-Identifier: GPL-3.0-or-later
// A whole press of "calcola" over arbitrary entry texts and choices. Each run
// must end with its results or one calculation error; every result written
// must be a number the program itself reads, and the distance with its unit
// must repeat the distance the drawing shows.

#include <cstdlib>
#include <string>

#include "calc/calc_error.h"
#include "calc/drive_calculation.h"
#include "calc/entry_value.h"
#include "calc/memory_form.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const std::uint8_t choices = data[0];
    const auto fields = fuzz::splitFields(data + 1, size - 1, 5);

    cnc::MemoryForm form;
    const cnc::Field entries[] = {cnc::Field::MotorSteps, cnc::Field::ScrewPitch,
                                  cnc::Field::MotorTeeth, cnc::Field::ScrewTeeth,
                                  cnc::Field::BeltLengthCode};
    for (std::size_t i = 0; i < 5; ++i) form.setText(entries[i], fields[i]);
    form.select((choices & 1) ? cnc::SteppingMode::FullStep : cnc::SteppingMode::HalfStep);
    form.select((choices & 2) ? cnc::Coupling::Belt : cnc::Coupling::Direct);
    const std::string separator = (choices & 4) ? "," : ".";
    const std::string group = (choices & 4) ? "." : ",";

    try {
        cnc::calculate(form, separator, group, cnc::kXlBeltPitch);
    } catch (const cnc::CalcError&) {
    }
    for (cnc::Field result :
         {cnc::Field::StepsPerMm, cnc::Field::MmPerStep, cnc::Field::CentreDistance}) {
        const std::string text = form.text(result);
        if (!text.empty()) cnc::parseDouble(text, separator, group);  // throws, so aborts, if not
    }
    const std::string shown = form.text(cnc::Field::CentreDistance);
    if (form.text(cnc::Field::CentreDistanceMm) != (shown.empty() ? "" : shown + " mm"))
        std::abort();
    return 0;
}
