// What a construction reads, gathered by the form: the picked points, the
// axis angle, the typed numbers, one figure page of the dialog as numbers,
// and the remembered figure. A construction reads nothing else.
#pragma once

#include <array>

#include "figures/Figure.h"

namespace figures {

struct Point {
    double X = 0, Y = 0;
};

// A figure page's values, each text read as a number.
struct PageValues {
    bool ByFlatness = true;  // radius and flatness, else the two axis radii
    double Radius = 0;
    double FlatnessPercent = 0;
    double XRadius = 0;
    double YRadius = 0;
    double TiltDegrees = 0;
    bool TiltFromAxis = false;  // the tilt counts from the axis angle
    double InnerRadius = 0;
    double StartDegrees = 0;  // the arc page only
    double EndDegrees = 0;
};

struct Inputs {
    // Picked point n at [n], for the points 1 to 5 a step may read; a point
    // the host did not give is (0, 0).
    std::array<Point, 6> Picked{};
    double AxisAngle = 0;  // degrees
    // Step 3: radius, then the inner radius of a ring, then the start and end
    // angles of an arc, in degrees (the order of NumbersRead without the option).
    std::array<double, 4> Numbers{};
    PageValues Page;  // step 6
    Figure Last;      // step 2: the remembered figure
};

}  // namespace figures
