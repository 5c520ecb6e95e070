// Plane geometry shared by the figure constructions. Angles are radians unless
// the name says degrees; directions are normalised to [0, 2*pi].
#pragma once

namespace MyFunc {

inline constexpr double kPi = 3.14159265358979323846;
inline constexpr double kTwoPi = 2.0 * kPi;

double PointDistance(double x1, double y1, double x2, double y2);
double DirectionAngle(double dx, double dy);
void RotatePoint(double px, double py, double cx, double cy, double angle, double& x, double& y);
void RotatePointDeg(double px, double py, double cx, double cy, double angleDeg, double& x,
                    double& y);
double RotatedPointY(double px, double py, double cx, double cy, double angle);
double PointLineDistance(double x1, double y1, double x2, double y2, double px, double py);

// The circle through three points, P2 being the point the arc passes between the
// other two. The arc runs counter-clockwise from `start` to `end` (start may be
// greater than end when it crosses the zero direction); `ccw` is true when the
// start is P1's. False for collinear or coincident points.
bool CircleThrough3Points(double x1, double y1, double x2, double y2, double x3, double y3,
                          double& cx, double& cy, double& radius, double& start, double& end,
                          bool& ccw);

}  // namespace MyFunc
