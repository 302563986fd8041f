#include "calc/memory_form.h"

namespace cnc {
namespace {

std::size_t slot(Field field) { return static_cast<std::size_t>(field); }
std::size_t slot(OptionArray array) { return static_cast<std::size_t>(array); }

}  // namespace

MemoryForm::MemoryForm() : selected_{kInitialStepping, kInitialCoupling} {
    for (std::size_t i = 0; i < texts_.size(); ++i) {
        texts_[i] = initialText(static_cast<Field>(i));
    }
}

std::string MemoryForm::text(Field field) const { return texts_[slot(field)]; }

void MemoryForm::setText(Field field, std::string_view text) { texts_[slot(field)] = text; }

bool MemoryForm::isSelected(OptionArray array, int index) const {
    return selected_[slot(array)] == index;
}

void MemoryForm::select(OptionArray array, int index) { selected_[slot(array)] = index; }

}  // namespace cnc
