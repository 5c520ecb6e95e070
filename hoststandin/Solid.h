// The geometry of one solid record as the host draws it.
//
//   sc 100  the whole circle or ellipse, filled
//   sc 0    a sector: filled from the arc to the centre
//   sc 5    a segment: filled from the arc to its chord
//   sc -1   the region outside the arc, up to the tangents at its ends (the
//           pieces of a split arc; the tangents of half a turn or more never meet)
//   se      not filled: the curve itself (100 the whole one, 0 the arc) as a line
//   so      a ring whose hole keeps the flatness: hole semi-axes r and r * f
//   sg      a ring of constant width g = R - r: hole semi-axes R - g and R * f - g
//           (a width beyond the short semi-axis leaves no hole)
// A ring is full or partial by its arc angle alone.
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

// The point at parameter angle `t` of the ellipse with semi-axes `a` (along
// the tilt) and `b`, about the solid's centre.
Pt PointAt(const Solid& s, double a, double b, double t);

// What is drawn, in world coordinates.
struct Drawn {
    // Closed outlines, filled by the even-odd rule: one for a filled figure,
    // the outer one and then its hole for a full ring.
    std::vector<std::vector<Pt>> Areas;
    // The "se" curve, drawn as a line; closed for the whole curve.
    std::vector<Pt> Line;
    bool LineClosed = false;
    // Why the record cannot be drawn; empty when it can.
    std::string Undrawable;
};

// `perTurn` points per full turn of an arc.
Drawn Draw(const Solid& s, int perTurn = 144);

// The filled area of what is drawn (0 for a line).
double Area(const Drawn& d);

// One line describing the solid, for the report.
std::string Describe(const Solid& s);

}  // namespace hoststandin
