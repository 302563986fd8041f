// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/memory_form.h"

namespace cnc {
namespace {

std::size_t slot(Field field) { return static_cast<std::size_t>(field); }

}  // namespace

MemoryForm::MemoryForm() {
    for (std::size_t i = 0; i < texts_.size(); ++i) {
        texts_[i] = initialText(static_cast<Field>(i));
    }
}

std::string MemoryForm::text(Field field) const { return texts_[slot(field)]; }

void MemoryForm::setText(Field field, std::string_view text) { texts_[slot(field)] = text; }

bool MemoryForm::isSelected(SteppingMode mode) const { return steppingMode_ == mode; }

bool MemoryForm::isSelected(Coupling coupling) const { return coupling_ == coupling; }

}  // namespace cnc
