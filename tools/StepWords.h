// The words a user reads for modes, steps, points and numbers (UTF-8). The
// guide's tables and the launchers' menus and messages both take them from
// here, so the two always say the same.
#pragma once

#include <string>

#include "figures/Figure.h"
#include "figures/StepInputs.h"

namespace tools {

const char* FigureName(const figures::ModeSpec& mode);
const char* StepName(int step);  // how step 1..6 takes the size
const char* PointName(figures::PointRole role);
const char* NumberName(figures::NumberRole role);
// The unit a typed number is in, empty when the name already says it.
const char* NumberUnit(figures::NumberRole role);
// What a skipped number stands for: the dialog's design-time value, as text.
std::string NumberDefault(figures::NumberRole role);

}  // namespace tools
