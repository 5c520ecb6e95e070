// What a mode draws and how it hands the figure to the host. Every mode is a
// shape (full or arc, with or without a hole) and an output stage; the five
// steps and the dialog construction are written once for all of them.
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
    bool Ring = false;  // a concentric hole, else filled to the centre
};

// Hands one figure to the emitters; `closed` tells a full turn from a partial arc.
using OutputStage = void (*)(const Figure& figure, bool closed, int modeOption);

struct ModeSpec {
    int Mode;
    Shape shape;
    OutputStage Output;
    int Mirrors;         // the mode whose named constructions this one runs (itself if none)
    const char* Answer;  // the records the host gets, as the user's guide shows them
};

inline constexpr int kModeCount = 8;

// The definition of a mode 1..8; null for any other number.
const ModeSpec* FindMode(int mode);

}  // namespace figures
