#include "tools/Cells.h"

namespace tools {

std::string CellFor(int mode, int step) {
    return "m" + std::to_string(mode) + "s" + std::to_string(step);
}

std::string CellFor(const Launcher& launcher) {
    switch (launcher.Mode) {
        case 6:
            return "m6full";  // the corners of a circle show the outside best
        case 7:
        case 8:
            // The ellipse, where the two holes differ.
            return CellFor(launcher.Mode, 5) + (launcher.Option == 1 ? "sg" : "so");
        default:
            return CellFor(launcher.Mode, 1);
    }
}

}  // namespace tools
