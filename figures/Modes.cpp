// The eight modes. A new mode is one row here, plus a kind of Records when it
// hands its figures to the host in a new way.
#include "figures/Figure.h"

namespace figures {

namespace {

constexpr Shape kFull{false, false};
constexpr Shape kArc{true, false};
constexpr Shape kFullRing{false, true};
constexpr Shape kArcRing{true, true};

constexpr ModeSpec kModes[] = {
    {1, kFull, Records::Se, 1, "se 100", Drawing::Line, false},
    {2, kArc, Records::Se, 2, "se 0 / se 100", Drawing::Line, false},
    {3, kFull, Records::Sc, 1, "sc 100", Drawing::Filled, false},
    {4, kArc, Records::Sc, 2, "sc 0 / sc 100", Drawing::Sector, false},
    {5, kArc, Records::ScSegment, 2, "sc 5 / sc 100", Drawing::Segment, false},
    {6, kArc, Records::Quarters, 6, "sc -1 x 1..4", Drawing::Outside, false},
    {7, kFullRing, Records::Ring, 7, "so / sg", Drawing::Ring, true},
    {8, kArcRing, Records::Ring, 8, "so / sg", Drawing::Ring, true},
};

}  // namespace

const ModeSpec* FindMode(int mode) {
    for (const ModeSpec& modeSpec : kModes)
        if (modeSpec.Mode == mode) return &modeSpec;
    return nullptr;
}

}  // namespace figures
