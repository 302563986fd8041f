#pragma once
// The program-wide values that live outside the window.

namespace cnc::ui::Module1 {

// The belt pitch in millimetres that the centre distance is computed with.
// Form_Load sets it when the window loads; nothing else writes it (the
// belt-type options of the window do not).
extern double BeltPitch;

}  // namespace cnc::ui::Module1
