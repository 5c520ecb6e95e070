// What a mode draws and how it hands the figure to the host. Every mode is a
// shape (full or arc, with or without a hole) and the records it answers
// with; the five steps and the dialog construction are written once for all.
#pragma once

namespace figures {

struct Figure {
    double X = 0, Y = 0;    // centre
    double Radius = 0;      // x radius (outer radius of a ring)
    double Flatness = 1;    // y radius / x radius
    double Tilt = 0;        // radians
    double StartAngle = 0;  // radians
    double ArcAngle = 0;    // extent counter-clockwise from StartAngle, radians
    double InnerRadius = 0;
};

struct Shape {
    bool Arc = false;   // start and end directions, else the full figure
    bool Ring = false;  // a concentric hole, else none
};

// What the host draws for a mode's records.
enum class Drawing {
    Line,     // "se": the circumference (or the arc) itself, as a solid line
    Filled,   // "sc" 100: the whole circle or ellipse, filled
    Sector,   // "sc" 0: from the arc to the centre
    Segment,  // "sc" 5: from the arc to its chord
    Outside,  // "sc" -1: outside the arc, up to the tangents at its ends
    Ring,     // "so" / "sg": a ring, its hole by the option
};

// Why a run drew no figure.
enum class NotDrawn {
    None,            // a figure was drawn
    NoCircle,        // three points on one line, or two of them at one place
    EmptyRectangle,  // the rectangle of two corners has no width or no height
    ZeroRadius,      // the radius is 0 or less (not above the length tolerance)
    ZeroFlatness,    // the flatness is 0 (within the length tolerance)
    ZeroHole,        // a ring's inner radius is 0 or less
    HoleNotInside,   // a ring's inner radius is not below its radius
    TooLarge,        // a value beyond what a double can hold
    NotANumber,      // a launcher's typed value is not a number alone: nothing was constructed
};

// The records a mode answers with (figures/Solids.h makes them).
enum class Records {
    Se,         // one "se": kind 100 when closed, 0 for an arc
    Sc,         // one "sc": kind 100 when closed, 0 for an arc
    ScSegment,  // one "sc": kind 100 when closed, 5 for an arc
    Quarters,   // "sc" of kind -1, one per piece of at most a quarter turn
    Ring,       // one "so", or "sg" when the option is 1
};

struct ModeSpec {
    int Mode;
    Shape shape;
    Records Output;
    int Mirrors;         // the mode whose named constructions this one runs (itself if none)
    const char* Answer;  // the records the host gets, as the user's guide shows them
    Drawing Draws;
    // An integer option comes before the numbers in every step: the ring's
    // record, 1 for "sg", any other value "so".
    bool TakesOption;
};

inline constexpr int kModeCount = 8;

// The definition of a mode 1..8; null for any other number.
const ModeSpec* FindMode(int mode);

}  // namespace figures
