// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/drive_calculation.h"

#include <bitset>

#include "calc/calc_error.h"

namespace cnc {
namespace {

// Passes everything on to the form it wraps, noting which fields were written.
class WriteRecorder : public Form {
public:
    explicit WriteRecorder(Form& form) : form_(form) {}

    std::string text(Field field) const override { return form_.text(field); }
    void setText(Field field, std::string_view text) override {
        written_.set(static_cast<std::size_t>(field));
        form_.setText(field, text);
    }
    bool isSelected(SteppingMode mode) const override { return form_.isSelected(mode); }
    bool isSelected(Coupling coupling) const override { return form_.isSelected(coupling); }

    bool wasWritten(Field field) const { return written_.test(static_cast<std::size_t>(field)); }

private:
    Form& form_;
    std::bitset<kFieldCount> written_;
};

}  // namespace

void computeCentreDistanceOfCoupling(Form& form, std::string_view decimalSeparator,
                                     std::string_view groupSeparator, double beltPitch) {
    try {
        computeCentreDistance(form, decimalSeparator, groupSeparator, beltPitch);
    } catch (const CalcError&) {
        if (form.isSelected(Coupling::Belt)) throw;
        form.setText(Field::CentreDistance, "");
        form.setText(Field::CentreDistanceMm, "");
    }
}

void calculate(Form& form, std::string_view decimalSeparator, std::string_view groupSeparator,
               double beltPitch) {
    computeSteppingResolution(form, decimalSeparator, groupSeparator);
    computeCentreDistanceOfCoupling(form, decimalSeparator, groupSeparator, beltPitch);
}

void calculateWithoutStaleResults(Form& form, std::string_view decimalSeparator,
                                  std::string_view groupSeparator, double beltPitch) {
    WriteRecorder recorder(form);
    try {
        calculate(recorder, decimalSeparator, groupSeparator, beltPitch);
    } catch (const CalcError&) {
        for (std::size_t i = 0; i < kFieldCount; ++i) {
            const auto field = static_cast<Field>(i);
            if (!isEntry(field) && !recorder.wasWritten(field)) form.setText(field, "");
        }
        throw;
    }
}

}  // namespace cnc
