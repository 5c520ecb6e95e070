#include "figures/Construct.h"

#include <cmath>

#include "JwwGaibu/Drawable.h"
#include "MyFunc/Geometry.h"
#include "MyFunc/Tolerances.h"
#include "figures/Rules.h"

namespace figures {

namespace {

using MyFunc::DirectionAngle;
using MyFunc::kLengthTolerance;
using MyFunc::kPi;
using MyFunc::kTwoPi;
using MyFunc::kZeroTolerance;
using MyFunc::PointDistance;
using MyFunc::RotatePointDeg;

bool AxisAnglePresent(const Inputs& in) {
    return std::fabs(in.AxisAngle) >= kZeroTolerance;
}

// Picked point n turned into the frame in which the axis runs along x.
Point InAxisFrame(const Inputs& in, int n) {
    Point p = in.Picked[static_cast<size_t>(n)];
    if (AxisAnglePresent(in)) RotatePointDeg(p.X, p.Y, 0.0, 0.0, -in.AxisAngle, p.X, p.Y);
    return p;
}

const Point& Picked(const Inputs& in, int n) {
    return in.Picked[static_cast<size_t>(n)];
}

// The full figure: start 0, a full turn.
bool FullTurn(Figure& f) {
    f.StartAngle = 0.0;
    f.ArcAngle = kTwoPi;
    return true;
}

// Start angle and arc angle from two directions typed in degrees.
bool AnglesFromDegrees(double startDeg, double endDeg, Figure& f) {
    f.StartAngle = ReduceDegrees(startDeg) / 180.0 * kPi;
    return ArcBetween(f.StartAngle, ReduceDegrees(endDeg) / 180.0 * kPi, f.ArcAngle);
}

// The construction's result, judged by the one test of what is drawable.
Construction Judged(const Shape& shape, const Figure& f, bool closed, int lastPoint,
                    bool remember = true) {
    return {f, closed, WhyNotDrawn(shape, f), lastPoint, remember};
}

Construction ByPoints(const Shape& shape, const Inputs& in) {
    const Point& centre = Picked(in, 1);
    const Point& onCircle = Picked(in, 2);
    Figure f;
    f.X = centre.X;
    f.Y = centre.Y;
    f.Radius = PointDistance(centre.X, centre.Y, onCircle.X, onCircle.Y);
    int next = 3;
    if (shape.Ring) {
        const Point& onHole = Picked(in, next++);
        f.InnerRadius = PointDistance(centre.X, centre.Y, onHole.X, onHole.Y);
    }
    bool closed = FullTurn(f);
    if (shape.Arc) {
        const Point& from = Picked(in, next++);
        const Point& to = Picked(in, next++);
        f.StartAngle = DirectionAngle(from.X - centre.X, from.Y - centre.Y);
        closed =
            ArcBetween(f.StartAngle, DirectionAngle(to.X - centre.X, to.Y - centre.Y), f.ArcAngle);
    }
    return Judged(shape, f, closed, next - 1);
}

Construction SameAsLast(const Shape& shape, const Inputs& in) {
    const Point& centre = Picked(in, 1);
    Figure f = in.Last;
    f.X = centre.X;
    f.Y = centre.Y;
    bool closed = FullTurn(f);
    if (shape.Arc) {
        f.StartAngle = in.Last.StartAngle;
        f.ArcAngle = in.Last.ArcAngle;  // no correction of a negative value here
        closed = ApplyClosingRule(f.ArcAngle);
    }
    return Judged(shape, f, closed, 1, false);
}

Construction ByNumbers(const Shape& shape, const Inputs& in) {
    const Point& centre = Picked(in, 1);
    Figure f;
    f.X = centre.X;
    f.Y = centre.Y;
    size_t next = 0;
    f.Radius = in.Numbers[next++];
    if (shape.Ring) f.InnerRadius = in.Numbers[next++];
    bool closed = FullTurn(f);
    if (shape.Arc) {
        // Arcs typed as numbers lie in the axis direction, even at axis angle 0.
        f.Tilt = ReduceDegrees(in.AxisAngle) / 180.0 * kPi;
        closed = AnglesFromDegrees(in.Numbers[next], in.Numbers[next + 1], f);
    }
    return Judged(shape, f, closed, 1);
}

Construction By3Points(const Shape& shape, const Inputs& in) {
    const Point& p1 = Picked(in, 1);
    const Point& p2 = Picked(in, 2);
    const Point& p3 = Picked(in, 3);
    Figure f;
    double start = 0, end = 0;
    bool ccw = false;
    const int lastPoint = shape.Ring ? 4 : 3;
    // Point 3 is the one the arc passes between points 1 and 2.
    if (!MyFunc::CircleThrough3Points(p1.X, p1.Y, p3.X, p3.Y, p2.X, p2.Y, f.X, f.Y, f.Radius, start,
                                      end, ccw))
        return {f, false, NotDrawn::NoCircle, lastPoint, false};
    if (shape.Ring) {
        const Point& onHole = Picked(in, 4);
        f.InnerRadius = PointDistance(f.X, f.Y, onHole.X, onHole.Y);
    }
    bool closed = FullTurn(f);
    if (shape.Arc) {
        f.StartAngle = start;
        closed = ArcBetween(start, end, f.ArcAngle);
    }
    return Judged(shape, f, closed, lastPoint);
}

Construction InRectangle(const Shape& shape, const Inputs& in) {
    const Point q1 = InAxisFrame(in, 1);
    const Point q2 = InAxisFrame(in, 2);
    const double mx = (q1.X + q2.X) / 2.0;
    const double my = (q1.Y + q2.Y) / 2.0;
    const double rx = std::fabs(q1.X - q2.X) / 2.0;
    const double ry = std::fabs(q1.Y - q2.Y) / 2.0;
    int next = 3;
    const int lastPoint = 2 + (shape.Ring ? 1 : 0) + (shape.Arc ? 2 : 0);
    Figure f;
    if (rx <= kLengthTolerance || ry <= kLengthTolerance)
        return {f, false, NotDrawn::EmptyRectangle, lastPoint, false};
    f.Radius = rx;
    f.Flatness = ry / rx;
    if (shape.Ring) {
        // The x radius of the ellipse of the same flatness through point 3.
        const Point q = InAxisFrame(in, next++);
        f.InnerRadius = PointDistance(0.0, 0.0, q.X - mx, (q.Y - my) / f.Flatness);
    }
    bool closed = FullTurn(f);
    if (shape.Arc) {
        // Angles of the ellipse's parameter: the ellipse stretched to a circle.
        const Point from = InAxisFrame(in, next++);
        const Point to = InAxisFrame(in, next++);
        f.StartAngle = DirectionAngle(from.X - mx, (from.Y - my) / f.Flatness);
        closed = ArcBetween(f.StartAngle, DirectionAngle(to.X - mx, (to.Y - my) / f.Flatness),
                            f.ArcAngle);
    }
    f.X = mx;
    f.Y = my;
    if (AxisAnglePresent(in)) {
        RotatePointDeg(mx, my, 0.0, 0.0, in.AxisAngle, f.X, f.Y);
        f.Tilt = in.AxisAngle / 180.0 * kPi;
    }
    return Judged(shape, f, closed, lastPoint);
}

Construction FromDialog(const Shape& shape, const Inputs& in) {
    const PageValues& page = in.Page;
    const Point& centre = Picked(in, 1);
    Figure f;
    f.X = centre.X;
    f.Y = centre.Y;
    if (page.ByFlatness) {
        f.Radius = std::fabs(page.Radius);
        f.Flatness = std::fabs(page.FlatnessPercent) / 100.0;
    } else {
        f.Radius = std::fabs(page.XRadius);
        const double yRadius = std::fabs(page.YRadius);
        f.Flatness = 1.0;
        if (f.Radius > kLengthTolerance) f.Flatness = yRadius / f.Radius;
    }
    double tilt = page.TiltDegrees;
    if (page.TiltFromAxis) tilt = tilt + in.AxisAngle;
    f.Tilt = tilt / 180.0 * kPi;
    // The hole keeps its sign: a negative one is not drawn.
    if (shape.Ring) f.InnerRadius = page.InnerRadius;
    bool closed = FullTurn(f);
    if (shape.Arc) closed = AnglesFromDegrees(page.StartDegrees, page.EndDegrees, f);
    return Judged(shape, f, closed, 1);
}

NotDrawn FromFault(JwwGaibu::SolidFault fault) {
    using JwwGaibu::SolidFault;
    // A switch, so that the compiler names a fault added without its reason.
    switch (fault) {
        case SolidFault::None:
            return NotDrawn::None;
        case SolidFault::NotFinite:
            return NotDrawn::TooLarge;
        case SolidFault::ZeroRadius:
            return NotDrawn::ZeroRadius;
        case SolidFault::ZeroHole:
            return NotDrawn::ZeroHole;
        case SolidFault::HoleNotInside:
            return NotDrawn::HoleNotInside;
        case SolidFault::ZeroFlatness:
            break;
    }
    return NotDrawn::ZeroFlatness;
}

}  // namespace

NotDrawn WhyNotDrawn(const Shape& shape, const Figure& f) {
    return FromFault(shape.Ring ? JwwGaibu::CheckRing(f.X, f.Y, f.Radius, f.Flatness, f.Tilt,
                                                      f.StartAngle, f.ArcAngle, f.InnerRadius)
                                : JwwGaibu::CheckSolid(f.X, f.Y, f.Radius, f.Flatness, f.Tilt,
                                                       f.StartAngle, f.ArcAngle));
}

Construction Construct(const ModeSpec& mode, int step, const Inputs& in) {
    using Step = Construction (*)(const Shape&, const Inputs&);
    static constexpr Step kSilentSteps[] = {ByPoints, SameAsLast, ByNumbers, By3Points,
                                            InRectangle};
    const Step construct = step >= 1 && step <= 5 ? kSilentSteps[step - 1] : FromDialog;
    return construct(mode.shape, in);
}

}  // namespace figures
