#include "ui/module1.h"

namespace cnc::ui::Module1 {

double BeltPitch = 0.0;

}  // namespace cnc::ui::Module1
