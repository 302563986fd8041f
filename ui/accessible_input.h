// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A form's inputs as assistive technology should see them, where Qt's own
// accessible interfaces fall short:
//
// - a drop-down is named by its label (its accessibleName, «Firmware») and
//   gives its chosen text ("Grbl") as its value; Qt's names it on Linux by
//   its chosen text, so that a screen reader says "Grbl" and never what
//   Grbl is the answer to;
// - an input that holds an entry that cannot be used says so: its message
//   leads its description, and a line edit's text carries the text attribute
//   "invalid:true", AT-SPI's mark of invalid text. Qt 6.4 has no
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
class QString;
class QWidget;

namespace cnc::ui {

// `input`, given this file's accessible interface; returns it.
QLineEdit* accessibleInput(QLineEdit* input);
QComboBox* accessibleInput(QComboBox* input);

// Shows `error` (empty: none) on `input` (made by accessibleInput()) to
// assistive technology: while it stands, the message leads the accessible
// description, before `description`, the input's own, and a line edit's text
// is invalid. Only a description that changes is announced: Qt announces
// every one set, so that setting them all at each keystroke would have a
// screen reader hear of every input.
void showInputError(QWidget* input, const QString& error, const QString& description);

}  // namespace cnc::ui
