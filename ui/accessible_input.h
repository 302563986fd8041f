// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A form's inputs as assistive technology should see them, where Qt's own
// accessible interfaces fall short:
//
// - a drop-down is named by its label (its accessibleName, «Firmware») and
//   gives its chosen text ("Grbl") as its value; Qt's names it on Linux by
//   its chosen text, so that a screen reader says "Grbl" and never what
//   Grbl is the answer to;
// - a line edit that holds an entry that cannot be used says so: its text
//   carries the text attribute "invalid:true" (the attribute browsers give
//   the text of an aria-invalid field) while it is marked. Qt 6.4 has no
//   invalid-entry state to give it, and its Linux bridge none to send.
//
// Everything else (the line edit's text, cursor, selection and editing
// through the accessibility interface, the drop-down's list and its action)
// is what Qt's interfaces for QLineEdit and QComboBox give.
//
// Contract: accessibleInput() must be called on a widget right after it is
// constructed, before anything is set on it: Qt makes a widget's interface
// at the first accessibility event about it and keeps that one for the
// widget's life.

class QComboBox;
class QLineEdit;
class QWidget;

namespace cnc::ui {

// `input`, given this file's accessible interface; returns it.
QLineEdit* accessibleInput(QLineEdit* input);
QComboBox* accessibleInput(QComboBox* input);

// Marks the line edit `input` (made by accessibleInput()) as holding an entry
// that cannot be used, or clears the mark. The message itself goes in the
// accessible description, whose change screen readers announce.
void markInvalid(QLineEdit* input, bool invalid);

}  // namespace cnc::ui
