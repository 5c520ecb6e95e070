// What each step of a mode reads: which picked points, in the order of their
// numbers, and which numbers of the command line. The user's guide is made
// from this, and a test holds it to what the steps really read.
#pragma once

#include <vector>

#include "figures/Figure.h"

namespace figures {

enum class PointRole {
    Centre,          // the figure's centre
    OnFigure,        // a point on the figure: its radius
    OnHole,          // a point on the hole's circle (or ellipse)
    StartDirection,  // the direction of the start, seen from the centre
    EndDirection,    // the direction of the end (counter-clockwise from the start)
    ArcStart,        // three points: where the arc starts
    ArcEnd,          // three points: where it ends
    Between,         // three points: a point the arc passes between them
    OnCircle,        // three points of a full circle
    Corner,          // a corner of the rectangle on the axis angle
    OppositeCorner,  // the opposite corner
};

enum class NumberRole { Option, Radius, InnerRadius, StartDegrees, EndDegrees };

// Picked points 1, 2, ... that step 1..5 (6: the dialog) of a mode of this shape reads.
std::vector<PointRole> PointsRead(const Shape& shape, int step);
// The command line after MODE and STEP for step 3 (modes 7 and 8 take the
// option first in every step).
std::vector<NumberRole> NumbersRead(const ModeSpec& mode);

}  // namespace figures
