// The named constructions of each mode. Modes 3, 4 and 5 run those of modes 1
// and 2 with their own output stage.
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

// Mode 1: full circles and ellipses.
void TForm1::FullCircleByPoint() {
    FigureByPoints(SpecFor(M(1)));
}
void TForm1::FullCircleSameAsLast() {
    FigureSameAsLast(SpecFor(M(1)));
}
void TForm1::FullCircleByRadius(double r) {
    const double n[4] = {r, 0, 0, 0};
    FigureByNumbers(SpecFor(M(1)), n);
}
void TForm1::FullCircleBy3Points() {
    FigureBy3Points(SpecFor(M(1)));
}
void TForm1::FullEllipseInRectangle() {
    FigureInRectangle(SpecFor(M(1)));
}
void TForm1::FullCircleFromDialog() {
    FigureFromDialog(SpecFor(M(1)));
}

// Mode 2: arcs and sectors.
void TForm1::ArcByPoints() {
    FigureByPoints(SpecFor(M(2)));
}
void TForm1::ArcSameAsLast() {
    FigureSameAsLast(SpecFor(M(2)));
}
void TForm1::ArcByNumbers(double r, double startDeg, double endDeg) {
    const double n[4] = {r, startDeg, endDeg, 0};
    FigureByNumbers(SpecFor(M(2)), n);
}
void TForm1::ArcBy3Points() {
    FigureBy3Points(SpecFor(M(2)));
}
void TForm1::EllipticArcInRectangle() {
    FigureInRectangle(SpecFor(M(2)));
}
void TForm1::ArcFromDialog() {
    FigureFromDialog(SpecFor(M(2)));
}

// Mode 6: the arcs of mode 2 in quarter-turn pieces.
void TForm1::SplitArcByPoints() {
    FigureByPoints(M(6));
}
void TForm1::SplitArcSameAsLast() {
    FigureSameAsLast(M(6));
}
void TForm1::SplitArcByNumbers(double r, double startDeg, double endDeg) {
    const double n[4] = {r, startDeg, endDeg, 0};
    FigureByNumbers(M(6), n);
}
void TForm1::SplitArcBy3Points() {
    FigureBy3Points(M(6));
}
void TForm1::SplitEllipticArcInRectangle() {
    FigureInRectangle(M(6));
}
void TForm1::SplitArcFromDialog() {
    FigureFromDialog(M(6));
}

// Mode 7: full rings.
void TForm1::RingByPoints() {
    FigureByPoints(M(7));
}
void TForm1::RingSameAsLast() {
    FigureSameAsLast(M(7));
}
void TForm1::RingByNumbers(double outer, double inner) {
    const double n[4] = {outer, inner, 0, 0};
    FigureByNumbers(M(7), n);
}
void TForm1::RingBy3Points() {
    FigureBy3Points(M(7));
}
void TForm1::EllipticRingInRectangle() {
    FigureInRectangle(M(7));
}
void TForm1::RingFromDialog() {
    FigureFromDialog(M(7));
}

// Mode 8: partial rings.
void TForm1::ArcRingByPoints() {
    FigureByPoints(M(8));
}
void TForm1::ArcRingSameAsLast() {
    FigureSameAsLast(M(8));
}
void TForm1::ArcRingByNumbers(double outer, double inner, double startDeg, double endDeg) {
    const double n[4] = {outer, inner, startDeg, endDeg};
    FigureByNumbers(M(8), n);
}
void TForm1::ArcRingBy3Points() {
    FigureBy3Points(M(8));
}
void TForm1::EllipticArcRingInRectangle() {
    FigureInRectangle(M(8));
}
void TForm1::ArcRingFromDialog() {
    FigureFromDialog(M(8));
}

}  // namespace Unit1
