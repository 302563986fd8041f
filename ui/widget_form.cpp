// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widget_form.h"

#include <QString>

#include "ui/qt_text.h"

namespace cnc::ui {

WidgetForm::WidgetForm(const TextBoxes& texts, const OptionPair& stepping,
                       const OptionPair& coupling)
    : texts_(texts), stepping_(stepping), coupling_(coupling) {}

QLineEdit& WidgetForm::box(Field field) const {
    return *texts_.at(static_cast<std::size_t>(field));
}

std::string WidgetForm::text(Field field) const { return box(field).text().toStdString(); }

void WidgetForm::setText(Field field, std::string_view text) {
    box(field).setText(qText(text));
}

bool WidgetForm::isSelected(SteppingMode mode) const {
    return stepping_.at(static_cast<std::size_t>(mode))->isChecked();
}

bool WidgetForm::isSelected(Coupling coupling) const {
    return coupling_.at(static_cast<std::size_t>(coupling))->isChecked();
}

}  // namespace cnc::ui
