// Whether a solid can be drawn: decided here once, for the constructions (which
// say why a figure is not drawn) and for the emitters (which write only what
// passes).
#pragma once

namespace JwwGaibu {

enum class SolidFault {
    None,           // drawable
    NotFinite,      // a value beyond what a double holds: the host could not read it
    ZeroRadius,     // the radius is not above the length tolerance
    ZeroHole,       // a ring's inner radius is not above it
    HoleNotInside,  // a ring's inner radius is not below the radius by more than it
    ZeroFlatness,   // the flatness is within it of 0
};

// An "sc" or "se" figure.
SolidFault CheckSolid(double x, double y, double radius, double flatness, double tilt,
                      double startAngle, double arcAngle);
// An "so" or "sg" ring.
SolidFault CheckRing(double x, double y, double radius, double flatness, double tilt,
                     double startAngle, double arcAngle, double innerRadius);

}  // namespace JwwGaibu
