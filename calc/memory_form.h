// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A form held in memory, starting as the window starts: the entries' initial
// texts, empty results, half step and direct coupling selected.

#include <array>
#include <optional>
#include <string>

#include "calc/form.h"

namespace cnc {

class MemoryForm : public Form {
public:
    MemoryForm();

    std::string text(Field field) const override;
    void setText(Field field, std::string_view text) override;
    bool isSelected(SteppingMode mode) const override;
    bool isSelected(Coupling coupling) const override;

    // Selects one element of a choice; nullopt selects none, which the window
    // never shows but the calculation must survive.
    void select(std::optional<SteppingMode> mode) { steppingMode_ = mode; }
    void select(std::optional<Coupling> coupling) { coupling_ = coupling; }

private:
    std::array<std::string, kFieldCount> texts_;
    std::optional<SteppingMode> steppingMode_ = kInitialSteppingMode;
    std::optional<Coupling> coupling_ = kInitialCoupling;
};

}  // namespace cnc
