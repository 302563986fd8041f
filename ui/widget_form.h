// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The calculation's form over the window's live widgets: every read takes the
// text the field holds now, every write replaces the field's text at once.

#include <QLineEdit>
#include <QRadioButton>

#include <array>

#include "calc/form.h"

namespace cnc::ui {

// The text boxes, in the order of cnc::Field.
using TextBoxes = std::array<QLineEdit*, kFieldCount>;
// The option buttons of one choice, by element index.
using OptionPair = std::array<QRadioButton*, kChoiceElements>;

class WidgetForm : public Form {
public:
    // Holds the arrays by reference: the window fills them as it builds itself.
    WidgetForm(const TextBoxes& texts, const OptionPair& stepping, const OptionPair& coupling);

    std::string text(Field field) const override;
    void setText(Field field, std::string_view text) override;
    bool isSelected(SteppingMode mode) const override;
    bool isSelected(Coupling coupling) const override;

private:
    QLineEdit& box(Field field) const;

    const TextBoxes& texts_;
    const OptionPair& stepping_;
    const OptionPair& coupling_;
};

}  // namespace cnc::ui
