#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "MyFunc/Geometry.h"

using namespace MyFunc;

TEST(DirectionAngle, ZeroVectorAndQuadrants) {
    EXPECT_EQ(DirectionAngle(0, 0), 0.0);
    EXPECT_EQ(DirectionAngle(1e-11, -1e-11), 0.0);
    EXPECT_NEAR(DirectionAngle(1e-11, 1), kPi / 2, 1e-10);  // both components must be small
    EXPECT_DOUBLE_EQ(DirectionAngle(0, -1), 3 * kPi / 2);
    EXPECT_EQ(DirectionAngle(-1, 0), kPi);
    EXPECT_EQ(DirectionAngle(1, 0), 0.0);
    // A tiny negative arctangent plus 2*pi rounds to 2*pi: closed at both ends.
    EXPECT_EQ(DirectionAngle(1, -1e-20), 6.283185307179586);
}

TEST(Rotation, DegreesAndRadians) {
    double x = 0, y = 0;
    RotatePointDeg(1, 0, 0, 0, 90, x, y);
    EXPECT_NEAR(x, 0, 1e-15);
    EXPECT_NEAR(y, 1, 1e-15);
    RotatePointDeg(3, 4, 1, 1, 0, x, y);
    EXPECT_EQ(x, 3);
    EXPECT_EQ(y, 4);
    RotatePoint(2, 1, 1, 1, kPi, x, y);
    EXPECT_NEAR(x, 0, 1e-15);
    EXPECT_NEAR(y, 1, 1e-15);
    EXPECT_EQ(RotatedPointY(2, 1, 1, 1, kPi), y);
}

TEST(Rotation, RandomRotationsKeepTheDistanceAndTurnByTheAngle) {
    std::mt19937 rng(7);
    auto uniform = [&rng](double lo, double hi) {
        return std::uniform_real_distribution<double>(lo, hi)(rng);
    };
    for (int i = 0; i < 2000; ++i) {
        const double cx = uniform(-1000, 1000), cy = uniform(-1000, 1000);
        const double r = uniform(0.1, 1000), from = uniform(0, kTwoPi), turn = uniform(-7, 7);
        double x, y, xd, yd;
        RotatePoint(cx + r * std::cos(from), cy + r * std::sin(from), cx, cy, turn, x, y);
        RotatePointDeg(cx + r * std::cos(from), cy + r * std::sin(from), cx, cy, turn * 180 / kPi,
                       xd, yd);
        const double tol = 1e-12 * (std::fabs(cx) + std::fabs(cy) + r);
        EXPECT_NEAR(PointDistance(cx, cy, x, y), r, tol) << i;
        EXPECT_NEAR(std::remainder(DirectionAngle(x - cx, y - cy) - from - turn, kTwoPi), 0,
                    tol / r)
            << i;
        EXPECT_NEAR(xd, x, tol) << i;
        EXPECT_NEAR(yd, y, tol) << i;
        EXPECT_EQ(RotatedPointY(cx + r * std::cos(from), cy + r * std::sin(from), cx, cy, turn), y);
        // The same point at r along a line through the centre in direction
        // `from + turn`, offset by h across it.
        const double h = uniform(-100, 100), a = from + turn;
        EXPECT_NEAR(PointLineDistance(cx, cy, cx + std::cos(a), cy + std::sin(a),
                                      x - h * std::sin(a), y + h * std::cos(a)),
                    std::fabs(h), tol + 1e-12 * std::fabs(h))
            << i;
    }
}

TEST(PointLineDistance, LineAndDegenerateLine) {
    EXPECT_NEAR(PointLineDistance(0, 0, 10, 0, 5, -3), 3, 1e-15);
    EXPECT_EQ(PointLineDistance(2, 2, 2, 2, 7, 5), 3);
    EXPECT_NEAR(PointLineDistance(0, 0, 1, 1, 0, 2), std::sqrt(2.0), 1e-15);
}

TEST(CircleThrough3Points, StartDependsOnTurningSense) {
    double cx, cy, r, s, e;
    bool ccw;
    ASSERT_TRUE(CircleThrough3Points(1, 0, 0, 1, -1, 0, cx, cy, r, s, e, ccw));
    EXPECT_NEAR(cx, 0, 1e-15);
    EXPECT_NEAR(cy, 0, 1e-15);
    EXPECT_DOUBLE_EQ(r, 1);
    EXPECT_EQ(s, 0);
    EXPECT_DOUBLE_EQ(e, kPi);
    EXPECT_TRUE(ccw);

    ASSERT_TRUE(CircleThrough3Points(-1, 0, 0, 1, 1, 0, cx, cy, r, s, e, ccw));
    EXPECT_EQ(s, 0);
    EXPECT_DOUBLE_EQ(e, kPi);
    EXPECT_FALSE(ccw);

    // The middle point lies outside [0, pi]: the arc crosses the zero direction.
    ASSERT_TRUE(CircleThrough3Points(1, 0, 0, -1, -1, 0, cx, cy, r, s, e, ccw));
    EXPECT_DOUBLE_EQ(s, kPi);
    EXPECT_EQ(e, 0);
    EXPECT_FALSE(ccw);
}

TEST(CircleThrough3Points, DegenerateInputClearsOutputs) {
    double cx = 9, cy = 9, r = 9, s = 9, e = 9;
    bool ccw = true;
    EXPECT_FALSE(CircleThrough3Points(0, 0, 1, 1, 2, 2, cx, cy, r, s, e, ccw));
    EXPECT_EQ(cx + cy + r + s + e, 0);
    EXPECT_FALSE(ccw);
    EXPECT_FALSE(CircleThrough3Points(1, 1, 1, 1, 5, 0, cx, cy, r, s, e, ccw));
}

TEST(CircleThrough3Points, RandomCirclesGiveBackCentreRadiusAndArc) {
    // Three points of a random circle, in turn a tenth of a radian apart at
    // least, taken counter-clockwise or clockwise: the circle and the arc from
    // the first point through the second to the third come back.
    std::mt19937 rng(742);
    auto uniform = [&rng](double lo, double hi) {
        return std::uniform_real_distribution<double>(lo, hi)(rng);
    };
    auto angleNear = [](double a, double b, double tol) {
        return std::fabs(std::remainder(a - b, kTwoPi)) <= tol;
    };
    for (int i = 0; i < 5000; ++i) {
        const double r = std::pow(10.0, uniform(-1, 3));
        const double x0 = uniform(-1000, 1000), y0 = uniform(-1000, 1000);
        const double t1 = uniform(0, kTwoPi), d1 = uniform(0.1, kTwoPi - 0.2);
        const double t[3] = {t1, t1 + d1, t1 + d1 + uniform(0.1, kTwoPi - 0.1 - d1)};
        const bool counterClockwise = rng() % 2 == 0;
        double x[3], y[3];
        for (int k = 0; k < 3; ++k) {
            const double a = t[counterClockwise ? k : 2 - k];
            x[k] = x0 + r * std::cos(a);
            y[k] = y0 + r * std::sin(a);
        }
        double cx, cy, radius, start, end;
        bool ccw;
        ASSERT_TRUE(CircleThrough3Points(x[0], y[0], x[1], y[1], x[2], y[2], cx, cy, radius, start,
                                         end, ccw))
            << i;
        const double tol = 1e-9 * (std::fabs(x0) + std::fabs(y0) + r);
        EXPECT_NEAR(cx, x0, tol) << i;
        EXPECT_NEAR(cy, y0, tol) << i;
        EXPECT_NEAR(radius, r, tol) << i;
        EXPECT_EQ(ccw, counterClockwise) << i;
        EXPECT_TRUE(angleNear(start, t[0], tol / r) && angleNear(end, t[2], tol / r))
            << i << ": " << start << " " << end;
        for (double a : {start, end}) EXPECT_TRUE(a >= 0 && a <= kTwoPi) << i << ": " << a;
    }
}
