// The named constructions of each mode, each one step of the one construction
// route (DrawFigure), and the dispatch from (mode, step) to them. Modes 3, 4
// and 5 run those of modes 1 and 2 with their own records.
#include "Unit1/Form.h"
#include "figures/Figure.h"

namespace Unit1 {

const figures::ModeSpec& TForm1::SpecFor(const figures::ModeSpec& base) const {
    const figures::ModeSpec* running = figures::FindMode(Mode);
    return (running != nullptr && running->Mirrors == base.Mode) ? *running : base;
}

namespace {
const figures::ModeSpec& M(int mode) {
    return *figures::FindMode(mode);
}
}  // namespace

void TForm1::RunNamedConstruction(int step, const std::array<double, 4>& n) {
    const figures::ModeSpec* running = figures::FindMode(Mode);
    if (running == nullptr) return;
    // clang-format off
    switch (running->Mirrors * 10 + step) {  // 13: mode 1 (or a mode mirroring it), step 3
        case 11: return FullCircleByPoint();
        case 12: return FullCircleSameAsLast();
        case 13: return FullCircleByRadius(n[0]);
        case 14: return FullCircleBy3Points();
        case 15: return FullEllipseInRectangle();
        case 16: return FullCircleFromDialog();
        case 21: return ArcByPoints();
        case 22: return ArcSameAsLast();
        case 23: return ArcByNumbers(n[0], n[1], n[2]);
        case 24: return ArcBy3Points();
        case 25: return EllipticArcInRectangle();
        case 26: return ArcFromDialog();
        case 61: return SplitArcByPoints();
        case 62: return SplitArcSameAsLast();
        case 63: return SplitArcByNumbers(n[0], n[1], n[2]);
        case 64: return SplitArcBy3Points();
        case 65: return SplitEllipticArcInRectangle();
        case 66: return SplitArcFromDialog();
        case 71: return RingByPoints();
        case 72: return RingSameAsLast();
        case 73: return RingByNumbers(n[0], n[1]);
        case 74: return RingBy3Points();
        case 75: return EllipticRingInRectangle();
        case 76: return RingFromDialog();
        case 81: return ArcRingByPoints();
        case 82: return ArcRingSameAsLast();
        case 83: return ArcRingByNumbers(n[0], n[1], n[2], n[3]);
        case 84: return ArcRingBy3Points();
        case 85: return EllipticArcRingInRectangle();
        case 86: return ArcRingFromDialog();
        default: return;
    }
    // clang-format on
}

// Mode 1: full circles and ellipses.
void TForm1::FullCircleByPoint() {
    DrawFigure(SpecFor(M(1)), 1);
}
void TForm1::FullCircleSameAsLast() {
    DrawFigure(SpecFor(M(1)), 2);
}
void TForm1::FullCircleByRadius(double r) {
    DrawFigure(SpecFor(M(1)), 3, {r, 0, 0, 0});
}
void TForm1::FullCircleBy3Points() {
    DrawFigure(SpecFor(M(1)), 4);
}
void TForm1::FullEllipseInRectangle() {
    DrawFigure(SpecFor(M(1)), 5);
}
void TForm1::FullCircleFromDialog() {
    DrawFigure(SpecFor(M(1)), 6);
}

// Mode 2: arcs and sectors.
void TForm1::ArcByPoints() {
    DrawFigure(SpecFor(M(2)), 1);
}
void TForm1::ArcSameAsLast() {
    DrawFigure(SpecFor(M(2)), 2);
}
void TForm1::ArcByNumbers(double r, double startDeg, double endDeg) {
    DrawFigure(SpecFor(M(2)), 3, {r, startDeg, endDeg, 0});
}
void TForm1::ArcBy3Points() {
    DrawFigure(SpecFor(M(2)), 4);
}
void TForm1::EllipticArcInRectangle() {
    DrawFigure(SpecFor(M(2)), 5);
}
void TForm1::ArcFromDialog() {
    DrawFigure(SpecFor(M(2)), 6);
}

// Mode 6: the arcs of mode 2 in quarter-turn pieces.
void TForm1::SplitArcByPoints() {
    DrawFigure(M(6), 1);
}
void TForm1::SplitArcSameAsLast() {
    DrawFigure(M(6), 2);
}
void TForm1::SplitArcByNumbers(double r, double startDeg, double endDeg) {
    DrawFigure(M(6), 3, {r, startDeg, endDeg, 0});
}
void TForm1::SplitArcBy3Points() {
    DrawFigure(M(6), 4);
}
void TForm1::SplitEllipticArcInRectangle() {
    DrawFigure(M(6), 5);
}
void TForm1::SplitArcFromDialog() {
    DrawFigure(M(6), 6);
}

// Mode 7: full rings.
void TForm1::RingByPoints() {
    DrawFigure(M(7), 1);
}
void TForm1::RingSameAsLast() {
    DrawFigure(M(7), 2);
}
void TForm1::RingByNumbers(double outer, double inner) {
    DrawFigure(M(7), 3, {outer, inner, 0, 0});
}
void TForm1::RingBy3Points() {
    DrawFigure(M(7), 4);
}
void TForm1::EllipticRingInRectangle() {
    DrawFigure(M(7), 5);
}
void TForm1::RingFromDialog() {
    DrawFigure(M(7), 6);
}

// Mode 8: partial rings.
void TForm1::ArcRingByPoints() {
    DrawFigure(M(8), 1);
}
void TForm1::ArcRingSameAsLast() {
    DrawFigure(M(8), 2);
}
void TForm1::ArcRingByNumbers(double outer, double inner, double startDeg, double endDeg) {
    DrawFigure(M(8), 3, {outer, inner, startDeg, endDeg});
}
void TForm1::ArcRingBy3Points() {
    DrawFigure(M(8), 4);
}
void TForm1::EllipticArcRingInRectangle() {
    DrawFigure(M(8), 5);
}
void TForm1::ArcRingFromDialog() {
    DrawFigure(M(8), 6);
}

}  // namespace Unit1
