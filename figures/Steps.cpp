// The five silent steps and the dialog construction, once for every mode.
#include <cmath>

#include "JwwGaibu/HostState.h"
#include "MyFunc/Geometry.h"
#include "MyFunc/TextConv.h"
#include "Unit1/Form.h"
#include "figures/Figure.h"
#include "figures/Rules.h"

using JwwGaibu::HostState;
using MyFunc::DirectionAngle;
using MyFunc::kPi;
using MyFunc::kTwoPi;
using MyFunc::PointDistance;
using MyFunc::RotatePointDeg;
using MyFunc::TextToFloat;

namespace figures {
namespace {

struct Point {
    double X = 0, Y = 0;
};

Point Picked(int n) {
    const auto& p = HostState.PickedPoints[static_cast<size_t>(n)];
    return {p.X, p.Y};
}

bool AxisAnglePresent() {
    return std::fabs(HostState.AxisAngle) >= 1e-10;
}

// Picked point n turned into the frame in which the axis runs along x.
Point InAxisFrame(int n) {
    Point p = Picked(n);
    if (AxisAnglePresent()) RotatePointDeg(p.X, p.Y, 0.0, 0.0, -HostState.AxisAngle, p.X, p.Y);
    return p;
}

bool Finite(const Figure& f) {
    return std::isfinite(f.X) && std::isfinite(f.Y) && std::isfinite(f.Radius) &&
           std::isfinite(f.Flatness) && std::isfinite(f.Tilt) && std::isfinite(f.StartAngle) &&
           std::isfinite(f.ArcAngle) && std::isfinite(f.InnerRadius);
}

// The test a figure passes before it is drawn and remembered: a ring needs a
// real hole inside it, any other figure a radius above 1e-8.
bool Drawable(const Shape& shape, const Figure& f) {
    return shape.Ring ? PassesRingTest(f.Radius, f.InnerRadius) : f.Radius > 1e-8;
}

// Which of its values kept a figure from being drawn: the tests of the
// construction and of the emitters, in the order a user would mend them.
NotDrawn WhyNotDrawn(const Shape& shape, const Figure& f) {
    if (!Finite(f)) return NotDrawn::TooLarge;
    if (!(f.Radius > 1e-8)) return NotDrawn::ZeroRadius;
    if (shape.Ring && !(f.InnerRadius > 1e-8)) return NotDrawn::ZeroHole;
    if (shape.Ring && !(f.InnerRadius < f.Radius - 1e-8)) return NotDrawn::HoleNotInside;
    return NotDrawn::ZeroFlatness;
}

// Radius, flatness and tilt as a dialog page gives them.
struct DialogPage {
    const Unit1::TRadioButton& ByFlatness;
    const Unit1::TEdit& Radius;
    const Unit1::TEdit& FlatnessPercent;
    const Unit1::TEdit& XRadius;
    const Unit1::TEdit& YRadius;
    const Unit1::TEdit& TiltDeg;
    const Unit1::TCheckBox& TiltFromAxis;
    const Unit1::TEdit& InnerRadius;
};

void ReadSize(const DialogPage& page, Figure& f) {
    if (page.ByFlatness.Checked) {
        f.Radius = std::fabs(TextToFloat(page.Radius.Text));
        f.Flatness = std::fabs(TextToFloat(page.FlatnessPercent.Text)) / 100.0;
    } else {
        f.Radius = std::fabs(TextToFloat(page.XRadius.Text));
        const double yRadius = std::fabs(TextToFloat(page.YRadius.Text));
        f.Flatness = 1.0;
        if (f.Radius > 1e-8) f.Flatness = yRadius / f.Radius;
    }
    double tilt = TextToFloat(page.TiltDeg.Text);
    if (page.TiltFromAxis.Checked) tilt = tilt + HostState.AxisAngle;
    f.Tilt = tilt / 180.0 * kPi;
}

// Start angle and arc angle from two directions typed in degrees.
bool AnglesFromDegrees(double startDeg, double endDeg, Figure& f) {
    f.StartAngle = ReduceDegrees(startDeg) / 180.0 * kPi;
    return ArcBetween(f.StartAngle, ReduceDegrees(endDeg) / 180.0 * kPi, f.ArcAngle);
}

// The full figure: start 0, a full turn.
bool FullTurn(Figure& f) {
    f.StartAngle = 0.0;
    f.ArcAngle = kTwoPi;
    return true;
}

}  // namespace
}  // namespace figures

namespace Unit1 {

using figures::Figure;
using figures::ModeSpec;

// Hands a figure that passed its test to the mode's output stage and keeps it
// as the remembered figure; the last point is kept in every case. A figure with
// a non-finite value is never drawn or remembered.
void TForm1::Finish(const ModeSpec& modeSpec, bool drawn, const Figure& f, bool closed,
                    bool remember, int lastPoint, figures::NotDrawn failure) {
    const size_t before = JwwGaibu::HostState.OutputLines.size();
    if (drawn && figures::Finite(f)) {
        modeSpec.Output(f, closed, ModeOption);
        if (remember) {
            RememberedFigureRecord& m = RememberedFigure;
            m.LastRadius = f.Radius;
            m.LastFlatness = f.Flatness;
            m.LastTilt = f.Tilt;
            m.LastStartAngle = f.StartAngle;
            m.LastArcAngle = f.ArcAngle;
            if (modeSpec.shape.Ring) m.LastInnerRadius = f.InnerRadius;
        }
    }
    if (JwwGaibu::HostState.OutputLines.size() > before)
        Outcome = figures::NotDrawn::None;
    else
        Outcome =
            failure != figures::NotDrawn::None ? failure : figures::WhyNotDrawn(modeSpec.shape, f);
    const auto last = figures::Picked(lastPoint);
    RememberedFigure.LastPointX = last.X;
    RememberedFigure.LastPointY = last.Y;
}

void TForm1::FigureByPoints(const ModeSpec& modeSpec) {
    const auto centre = figures::Picked(1);
    const auto onCircle = figures::Picked(2);
    Figure f;
    f.X = centre.X;
    f.Y = centre.Y;
    f.Radius = PointDistance(centre.X, centre.Y, onCircle.X, onCircle.Y);
    int next = 3;
    if (modeSpec.shape.Ring) {
        const auto onHole = figures::Picked(next++);
        f.InnerRadius = PointDistance(centre.X, centre.Y, onHole.X, onHole.Y);
    }
    bool closed = figures::FullTurn(f);
    if (modeSpec.shape.Arc) {
        const auto from = figures::Picked(next++);
        const auto to = figures::Picked(next++);
        f.StartAngle = DirectionAngle(from.X - centre.X, from.Y - centre.Y);
        closed = figures::ArcBetween(f.StartAngle, DirectionAngle(to.X - centre.X, to.Y - centre.Y),
                                     f.ArcAngle);
    }
    Finish(modeSpec, figures::Drawable(modeSpec.shape, f), f, closed, true, next - 1,
           figures::NotDrawn::None);
}

void TForm1::FigureSameAsLast(const ModeSpec& modeSpec) {
    const RememberedFigureRecord& m = RememberedFigure;
    const auto centre = figures::Picked(1);
    Figure f;
    f.X = centre.X;
    f.Y = centre.Y;
    f.Radius = m.LastRadius;
    f.Flatness = m.LastFlatness;
    f.Tilt = m.LastTilt;
    f.InnerRadius = m.LastInnerRadius;
    bool closed = figures::FullTurn(f);
    if (modeSpec.shape.Arc) {
        f.StartAngle = m.LastStartAngle;
        f.ArcAngle = m.LastArcAngle;  // no correction of a negative value here
        closed = figures::ApplyClosingRule(f.ArcAngle);
    }
    Finish(modeSpec, figures::Drawable(modeSpec.shape, f), f, closed, false, 1,
           figures::NotDrawn::None);
}

void TForm1::FigureByNumbers(const ModeSpec& modeSpec, const double numbers[4]) {
    const auto centre = figures::Picked(1);
    Figure f;
    f.X = centre.X;
    f.Y = centre.Y;
    int next = 0;
    f.Radius = numbers[next++];
    if (modeSpec.shape.Ring) f.InnerRadius = numbers[next++];
    bool closed = figures::FullTurn(f);
    if (modeSpec.shape.Arc) {
        // Arcs typed as numbers lie in the axis direction, even at axis angle 0.
        f.Tilt = figures::ReduceDegrees(HostState.AxisAngle) / 180.0 * kPi;
        closed = figures::AnglesFromDegrees(numbers[next], numbers[next + 1], f);
    }
    Finish(modeSpec, figures::Drawable(modeSpec.shape, f), f, closed, true, 1,
           figures::NotDrawn::None);
}

void TForm1::FigureBy3Points(const ModeSpec& modeSpec) {
    const auto p1 = figures::Picked(1);
    const auto p2 = figures::Picked(2);
    const auto p3 = figures::Picked(3);
    Figure f;
    double start = 0, end = 0;
    bool ccw = false;
    // Point 3 is the one the arc passes between points 1 and 2.
    const bool found = MyFunc::CircleThrough3Points(p1.X, p1.Y, p3.X, p3.Y, p2.X, p2.Y, f.X, f.Y,
                                                    f.Radius, start, end, ccw);
    const int lastPoint = modeSpec.shape.Ring ? 4 : 3;
    if (!found)
        return Finish(modeSpec, false, f, false, false, lastPoint, figures::NotDrawn::NoCircle);
    if (modeSpec.shape.Ring) {
        const auto onHole = figures::Picked(4);
        f.InnerRadius = PointDistance(f.X, f.Y, onHole.X, onHole.Y);
    }
    bool closed = figures::FullTurn(f);
    if (modeSpec.shape.Arc) {
        f.StartAngle = start;
        closed = figures::ArcBetween(start, end, f.ArcAngle);
    }
    // Without a hole the circle is drawn as found: the emitter judges its radius.
    const bool drawn =
        modeSpec.shape.Ring ? figures::PassesRingTest(f.Radius, f.InnerRadius) : true;
    Finish(modeSpec, drawn, f, closed, true, lastPoint, figures::NotDrawn::None);
}

void TForm1::FigureInRectangle(const ModeSpec& modeSpec) {
    const auto q1 = figures::InAxisFrame(1);
    const auto q2 = figures::InAxisFrame(2);
    const double mx = (q1.X + q2.X) / 2.0;
    const double my = (q1.Y + q2.Y) / 2.0;
    const double rx = std::fabs(q1.X - q2.X) / 2.0;
    const double ry = std::fabs(q1.Y - q2.Y) / 2.0;
    int next = 3;
    const int lastPoint = 2 + (modeSpec.shape.Ring ? 1 : 0) + (modeSpec.shape.Arc ? 2 : 0);
    Figure f;
    if (rx <= 1e-8 || ry <= 1e-8)
        return Finish(modeSpec, false, f, false, false, lastPoint,
                      figures::NotDrawn::EmptyRectangle);
    f.Radius = rx;
    f.Flatness = ry / rx;
    if (modeSpec.shape.Ring) {
        // The x radius of the ellipse of the same flatness through point 3.
        const auto q = figures::InAxisFrame(next++);
        f.InnerRadius = PointDistance(0.0, 0.0, q.X - mx, (q.Y - my) / f.Flatness);
    }
    bool closed = figures::FullTurn(f);
    if (modeSpec.shape.Arc) {
        // Angles of the ellipse's parameter: the ellipse stretched to a circle.
        const auto from = figures::InAxisFrame(next++);
        const auto to = figures::InAxisFrame(next++);
        f.StartAngle = DirectionAngle(from.X - mx, (from.Y - my) / f.Flatness);
        closed = figures::ArcBetween(
            f.StartAngle, DirectionAngle(to.X - mx, (to.Y - my) / f.Flatness), f.ArcAngle);
    }
    f.X = mx;
    f.Y = my;
    if (figures::AxisAnglePresent()) {
        RotatePointDeg(mx, my, 0.0, 0.0, HostState.AxisAngle, f.X, f.Y);
        f.Tilt = HostState.AxisAngle / 180.0 * kPi;
    }
    const bool drawn =
        modeSpec.shape.Ring ? figures::PassesRingTest(f.Radius, f.InnerRadius) : true;
    Finish(modeSpec, drawn, f, closed, true, lastPoint, figures::NotDrawn::None);
}

void TForm1::FigureFromDialog(const ModeSpec& modeSpec) {
    const bool arcPage = modeSpec.shape.Arc;
    const figures::DialogPage page =
        arcPage ? figures::DialogPage{RBB1, EditB1, EditB2, EditB3, EditB4, EditB5, CBB1, EditB6}
                : figures::DialogPage{RBA1, EditA1, EditA2, EditA3, EditA4, EditA5, CBA1, EditA6};
    const auto centre = figures::Picked(1);
    Figure f;
    f.X = centre.X;
    f.Y = centre.Y;
    figures::ReadSize(page, f);
    // The hole keeps its sign: a negative one fails the ring test.
    if (modeSpec.shape.Ring) f.InnerRadius = TextToFloat(page.InnerRadius.Text);
    bool closed = figures::FullTurn(f);
    if (arcPage)
        closed = figures::AnglesFromDegrees(TextToFloat(EditB7.Text), TextToFloat(EditB8.Text), f);
    Finish(modeSpec, figures::Drawable(modeSpec.shape, f), f, closed, true, 1,
           figures::NotDrawn::None);
}

}  // namespace Unit1
