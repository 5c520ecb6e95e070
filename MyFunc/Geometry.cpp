#include "MyFunc/Geometry.h"

#include <cmath>

#include "MyFunc/Tolerances.h"

namespace MyFunc {

// Every formula keeps its written order of operations so that results are
// reproducible to the last bit (the build forbids contraction into FMA).

double PointDistance(double x1, double y1, double x2, double y2) {
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    return std::sqrt(dx * dx + dy * dy);
}

double DirectionAngle(double dx, double dy) {
    if (std::fabs(dx) < kZeroTolerance && std::fabs(dy) < kZeroTolerance) return 0.0;
    double theta = std::atan2(dy, dx);
    if (theta < 0.0) theta = theta + kTwoPi;
    return theta;
}

void RotatePoint(double px, double py, double cx, double cy, double angle, double& x, double& y) {
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    x = cx + c * (px - cx) - s * (py - cy);
    y = cy + s * (px - cx) + c * (py - cy);
}

void RotatePointDeg(double px, double py, double cx, double cy, double angleDeg, double& x,
                    double& y) {
    RotatePoint(px, py, cx, cy, angleDeg / 180.0 * kPi, x, y);
}

double RotatedPointY(double px, double py, double cx, double cy, double angle) {
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    return cy + s * (px - cx) + c * (py - cy);
}

double PointLineDistance(double x1, double y1, double x2, double y2, double px, double py) {
    const double theta = DirectionAngle(x2 - x1, y2 - y1);
    const double y = RotatedPointY(px, py, x1, y1, -theta);
    return std::fabs(y - y1);
}

bool CircleThrough3Points(double x1, double y1, double x2, double y2, double x3, double y3,
                          double& cx, double& cy, double& radius, double& start, double& end,
                          bool& ccw) {
    cx = cy = radius = start = end = 0.0;
    ccw = false;
    if (PointLineDistance(x1, y1, x2, y2, x3, y3) < kZeroTolerance) return false;
    const double d = (x1 - x2) * (y3 - y2) - (y1 - y2) * (x3 - x2);
    if (std::fabs(d) < kZeroTolerance) return false;
    const double s1 = x2 * x2 + y2 * y2 - x1 * x1 - y1 * y1;
    const double s3 = x2 * x2 + y2 * y2 - x3 * x3 - y3 * y3;
    cx = (-0.5 * (y3 - y2) * s1 + 0.5 * (y1 - y2) * s3) / d;
    cy = (-0.5 * (x1 - x2) * s3 + 0.5 * (x3 - x2) * s1) / d;
    radius = PointDistance(cx, cy, x1, y1);
    if (radius < kZeroTolerance) return false;
    const double a1 = DirectionAngle(x1 - cx, y1 - cy);
    const double a2 = DirectionAngle(x2 - cx, y2 - cy);
    const double a3 = DirectionAngle(x3 - cx, y3 - cy);
    const bool inOrder = a1 <= a3;
    const double lo = inOrder ? a1 : a3;
    const double hi = inOrder ? a3 : a1;
    if (lo <= a2 && a2 <= hi) {
        start = lo;
        end = hi;
        ccw = inOrder;
    } else {
        start = hi;
        end = lo;
        ccw = !inOrder;
    }
    return true;
}

}  // namespace MyFunc
