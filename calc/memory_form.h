#pragma once
// A form held in memory, starting as the window starts: the entries' initial
// texts, empty results, half step and direct coupling selected.

#include <array>
#include <string>

#include "calc/form.h"

namespace cnc {

class MemoryForm : public Form {
public:
    MemoryForm();

    std::string text(Field field) const override;
    void setText(Field field, std::string_view text) override;
    bool isSelected(OptionArray array, int index) const override;

    // Selects one element of an array, clearing the others; -1 clears all.
    void select(OptionArray array, int index);

private:
    std::array<std::string, 9> texts_;
    std::array<int, 2> selected_;
};

}  // namespace cnc
