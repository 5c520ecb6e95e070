// The eight modes. A new mode is one row here, plus an output stage when it
// hands its figures to the host in a new way.
#include "JwwGaibu/Emitters.h"
#include "figures/Figure.h"
#include "figures/Rules.h"

namespace figures {

namespace {

void OutputSe(const Figure& f, bool closed, int) {
    JwwGaibu::EmitSe(closed ? 100 : 0, f.X, f.Y, f.Radius, f.Flatness, f.Tilt, f.StartAngle,
                     f.ArcAngle);
}

void OutputSc(const Figure& f, bool closed, int) {
    JwwGaibu::EmitSc(closed ? 100 : 0, f.X, f.Y, f.Radius, f.Flatness, f.Tilt, f.StartAngle,
                     f.ArcAngle);
}

void OutputScKind5(const Figure& f, bool closed, int) {
    JwwGaibu::EmitSc(closed ? 100 : 5, f.X, f.Y, f.Radius, f.Flatness, f.Tilt, f.StartAngle,
                     f.ArcAngle);
}

void OutputQuarters(const Figure& f, bool, int) {
    EmitQuarterSplit(f);
}

void OutputRing(const Figure& f, bool, int modeOption) {
    auto emit = modeOption == 1 ? JwwGaibu::EmitSg : JwwGaibu::EmitSo;
    emit(f.X, f.Y, f.Radius, f.Flatness, f.Tilt, f.StartAngle, f.ArcAngle, f.InnerRadius);
}

constexpr Shape kFull{false, false};
constexpr Shape kArc{true, false};
constexpr Shape kFullRing{false, true};
constexpr Shape kArcRing{true, true};

constexpr ModeSpec kModes[] = {
    {1, kFull, OutputSe, 1, "se 100", Drawing::Line, false},
    {2, kArc, OutputSe, 2, "se 0 / se 100", Drawing::Line, false},
    {3, kFull, OutputSc, 1, "sc 100", Drawing::Filled, false},
    {4, kArc, OutputSc, 2, "sc 0 / sc 100", Drawing::Sector, false},
    {5, kArc, OutputScKind5, 2, "sc 5 / sc 100", Drawing::Segment, false},
    {6, kArc, OutputQuarters, 6, "sc -1 x 1..4", Drawing::Outside, false},
    {7, kFullRing, OutputRing, 7, "so / sg", Drawing::Ring, true},
    {8, kArcRing, OutputRing, 8, "so / sg", Drawing::Ring, true},
};

}  // namespace

const ModeSpec* FindMode(int mode) {
    for (const ModeSpec& modeSpec : kModes)
        if (modeSpec.Mode == mode) return &modeSpec;
    return nullptr;
}

}  // namespace figures
