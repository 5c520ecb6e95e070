// The names of the guide's pictures ("cells"): which round trip of the gallery
// each shows. The gallery draws them under these names, and the guide's tables
// show them by these names.
#pragma once

#include <string>

#include "tools/Launchers.h"

namespace tools {

// The cell of a mode's step in the gallery's rows.
std::string CellFor(int mode, int step);
// The cell that shows what a launcher draws.
std::string CellFor(const Launcher& launcher);

}  // namespace tools
