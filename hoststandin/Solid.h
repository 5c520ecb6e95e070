// The geometry of one solid record as the stand-in draws it.
//
// Kinds, as the stand-in reads them: 100 the full figure; 0 and -1 a sector
// (filled from the arc to the centre; -1 marks the pieces of a split arc, which
// join into one sector); 5 a segment (filled from the arc to its chord).
// "so" and "sg" are both rings; "sg" is outlined dashed to tell it apart.
#pragma once

#include <string>
#include <vector>

namespace hoststandin {

struct Pt {
    double X = 0, Y = 0;
};

struct Solid {
    std::string Keyword;  // "sc", "se", "so", "sg"
    double X = 0, Y = 0, Radius = 0, Flatness = 1, Tilt = 0, StartAngle = 0, ArcAngle = 0;
    double InnerRadius = 0;  // rings only
    int Kind = 100;          // "sc"/"se" only
    bool IsRing() const { return Keyword == "so" || Keyword == "sg"; }
    bool IsFull() const;
};

// The point at parameter angle `t` of the solid's ellipse scaled to x radius `r`.
Pt PointAt(const Solid& s, double r, double t);

// Closed outlines, world coordinates: one for a filled figure, two (outer, then
// hole) for a ring. `perTurn` points per full turn.
std::vector<std::vector<Pt>> Outlines(const Solid& s, int perTurn = 144);

// One line describing the solid, for the report.
std::string Describe(const Solid& s);

}  // namespace hoststandin
