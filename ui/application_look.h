// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace cnc::ui {

// Gives the whole program one look on every desktop: the Fusion style with its
// standard light palette. The window's own colours are all light, so a dark
// desktop theme would put light text on them; and platform styles paint
// option buttons and text boxes in colours of their own.
void applyLook();

// The workbench's look, which follows the desktop: the same Fusion style, whose
// drawing follows any palette, with the desktop's own palette, dark included.
// The window's fixed light palette is not set.
void applyDesktopLook();

}  // namespace cnc::ui
