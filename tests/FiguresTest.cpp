// The constructions of every mode, run on the form without a window.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "JwwGaibu/HostState.h"
#include "MyFunc/Geometry.h"
#include "TestSupport.h"
#include "Unit1/Form.h"
#include "figures/Rules.h"

using JwwGaibu::HostState;
using Unit1::TForm1;
using namespace t742test;
using Lines = std::vector<std::string>;

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kTwoPi = 6.283185307179586;

// Fields of the one output line, after its keyword.
std::vector<double> Numbers(const std::string& line) {
    std::vector<double> v;
    std::istringstream in(line.substr(3));
    double d;
    while (in >> d) v.push_back(d);
    return v;
}

class Figures : public ::testing::Test {
  protected:
    void SetUp() override { FreshHost(); }
    TForm1 form;
    void Mode(int m) { form.Mode = m; }
    const Unit1::RememberedFigureRecord& Last() const { return form.RememberedFigure; }
};

}  // namespace

TEST(Rules, DegreeReduction) {
    using figures::ReduceDegrees;
    EXPECT_EQ(ReduceDegrees(-90), 270);
    EXPECT_EQ(ReduceDegrees(720), 0);
    EXPECT_EQ(ReduceDegrees(360), 0);
    EXPECT_EQ(ReduceDegrees(-360), 0);
    EXPECT_EQ(ReduceDegrees(-1e-20), 0);  // 360 after rounding becomes 0
    EXPECT_EQ(ReduceDegrees(45.5 + 360 * 1000), 45.5);
    EXPECT_EQ(ReduceDegrees(1e300), std::fmod(1e300, 360.0));  // ends at once, exact
    EXPECT_GE(ReduceDegrees(-1e300), 0);
    EXPECT_LT(ReduceDegrees(-1e300), 360);
    EXPECT_EQ(ReduceDegrees(-725), 355);
}

TEST(Rules, ClosingRuleAndRingTest) {
    double a = 0;
    EXPECT_TRUE(figures::ApplyClosingRule(a));
    EXPECT_EQ(a, kTwoPi);
    for (double v : {0.99e-10, -0.99e-10, kTwoPi - 0.99e-10, kTwoPi + 0.99e-10}) {
        a = v;
        EXPECT_TRUE(figures::ApplyClosingRule(a)) << v;
    }
    for (double v : {1.01e-10, kTwoPi - 1.01e-10, kTwoPi + 1.01e-10}) {
        a = v;
        EXPECT_FALSE(figures::ApplyClosingRule(a)) << v;
        EXPECT_EQ(a, v);
    }
    EXPECT_FALSE(figures::PassesRingTest(40, 40));
    EXPECT_FALSE(figures::PassesRingTest(20, 40));
    EXPECT_FALSE(figures::PassesRingTest(1, 1e-8));
    EXPECT_TRUE(figures::PassesRingTest(1, 1.0000001e-8));
}

TEST_F(Figures, FullCircleSteps) {
    Mode(1);
    Pick(1, 10, 20);
    Pick(2, 13, 24);
    form.FullCircleByPoint();
    form.FullCircleByRadius(-5);  // no absolute value: nothing
    form.FullCircleByRadius(25);
    EXPECT_EQ(Output(), (Lines{"se 10 20 5 1 0 0 6.28318530717959 100",
                               "se 10 20 25 1 0 0 6.28318530717959 100"}));
    EXPECT_EQ(Last().LastRadius, 25);
    EXPECT_EQ(Last().LastArcAngle, kTwoPi);
    // Equal points: nothing drawn, only the last point moves.
    Pick(2, 10, 20);
    form.FullCircleByPoint();
    EXPECT_EQ(Output().size(), 2u);
    EXPECT_EQ(Last().LastRadius, 25);
    EXPECT_EQ(Last().LastPointX, 10);
}

TEST_F(Figures, SameAsLastDrawsARememberedArcAsTheFullFigure) {
    Mode(1);
    Pick(1, 1, 2);
    form.RememberedFigure.LastStartAngle = 0.5;
    form.RememberedFigure.LastArcAngle = 2;
    form.RememberedFigure.LastFlatness = 0.5;
    form.FullCircleSameAsLast();
    EXPECT_EQ(Output(), (Lines{"se 1 2 100 0.5 0 0 6.28318530717959 100"}));
    EXPECT_EQ(Last().LastStartAngle, 0.5);
    EXPECT_EQ(Last().LastArcAngle, 2);
}

TEST_F(Figures, ThreePointsAndRectangle) {
    Mode(1);
    Pick(1, 1, 0);
    Pick(2, -1, 0);
    Pick(3, 0, 1);
    form.FullCircleBy3Points();
    Pick(3, 2, 0);  // collinear
    form.FullCircleBy3Points();
    ASSERT_EQ(Output().size(), 1u);
    EXPECT_EQ(Output()[0], "se 0 0 1 1 0 0 6.28318530717959 100");
    EXPECT_EQ(Last().LastPointX, 2);

    FreshHost();
    Pick(1, 0, 0);
    Pick(2, 10, 4);
    form.FullEllipseInRectangle();
    EXPECT_EQ(Output(), (Lines{"se 5 2 5 0.4 0 0 6.28318530717959 100"}));
    EXPECT_EQ(Last().LastFlatness, 0.4);

    // Axis angle 90: extents 10 along and 4 across the axis.
    FreshHost();
    HostState.AxisAngle = 90;
    Pick(1, 0, 0);
    Pick(2, 4, 10);
    form.FullEllipseInRectangle();
    const auto v = Numbers(Output().at(0));
    EXPECT_NEAR(v[0], 2, 1e-12);
    EXPECT_NEAR(v[1], 5, 1e-12);
    EXPECT_NEAR(v[2], 5, 1e-12);
    EXPECT_NEAR(v[3], 0.4, 1e-12);
    EXPECT_EQ(Last().LastTilt, kPi / 2);

    // Zero height across the axis: nothing.
    FreshHost();
    Pick(1, 0, 0);
    Pick(2, 10, 0);
    form.FullEllipseInRectangle();
    EXPECT_TRUE(Output().empty());
}

TEST_F(Figures, FullCircleFromDialog) {
    Mode(1);
    Pick(1, 3, 4);
    form.EditA1.Text = "-50";
    form.EditA2.Text = "80";
    form.EditA5.Text = "30";
    form.CBA1.Checked = true;
    HostState.AxisAngle = 15;
    form.FullCircleFromDialog();
    EXPECT_EQ(Output(), (Lines{"se 3 4 50 0.8 0.785398163397448 0 6.28318530717959 100"}));
    EXPECT_EQ(Last().LastTilt, 45.0 / 180.0 * kPi);

    // Axis radii with an x radius of 0: nothing but the last point.
    Unit1::CheckRadio(form.RBA2, form.RBA1);
    form.EditA3.Text = "0";
    form.EditA4.Text = "30";
    form.FullCircleFromDialog();
    EXPECT_EQ(Output().size(), 1u);
    EXPECT_EQ(Last().LastRadius, 50);

    // A flatness of 0 is remembered but not drawn.
    Unit1::CheckRadio(form.RBA1, form.RBA2);
    form.EditA1.Text = "20";
    form.EditA2.Text = "";
    form.FullCircleFromDialog();
    EXPECT_EQ(Output().size(), 1u);
    EXPECT_EQ(Last().LastRadius, 20);
    EXPECT_EQ(Last().LastFlatness, 0);
}

TEST_F(Figures, ArcByNumbers) {
    Mode(2);
    Pick(1, 0, 0);
    form.ArcByNumbers(10, 90, 0);
    form.ArcByNumbers(10, -90, 90);
    form.ArcByNumbers(10, 720, 45);
    form.ArcByNumbers(10, 0, 360);
    form.ArcByNumbers(10, 30, 30.000001);
    EXPECT_EQ(Output(),
              (Lines{"se 0 0 10 1 0 1.5707963267949 4.71238898038469 0",
                     "se 0 0 10 1 0 4.71238898038469 3.14159265358979 0",
                     "se 0 0 10 1 0 0 0.785398163397448 0", "se 0 0 10 1 0 0 6.28318530717959 100",
                     "se 0 0 10 1 0 0.523598775598299 1.74532925889537E-8 0"}));
    // A negative axis angle is reduced: -30 tilts by 330 degrees.
    FreshHost();
    HostState.AxisAngle = -30;
    form.ArcByNumbers(10, 0, 90);
    EXPECT_NEAR(Numbers(Output().at(0))[4], 330.0 / 180.0 * kPi, 1e-14);
}

TEST_F(Figures, ArcByPointsAndThreePoints) {
    Mode(2);
    Pick(1, 0, 0);
    Pick(2, 5, 0);
    Pick(3, 0, 0);  // start direction of a zero vector is 0
    Pick(4, 0, 7);
    form.ArcByPoints();
    Pick(3, 1, 1);
    Pick(4, 2, 2);  // same direction: closed
    form.ArcByPoints();
    EXPECT_EQ(Output(), (Lines{"se 0 0 5 1 0 0 1.5707963267949 0",
                               "se 0 0 5 1 0 0.785398163397448 6.28318530717959 100"}));
    EXPECT_EQ(Last().LastPointX, 2);

    FreshHost();
    Pick(1, 1, 0);
    Pick(2, -1, 0);
    Pick(3, 0, 1);
    form.ArcBy3Points();
    Pick(3, 0, -1);
    form.ArcBy3Points();
    const auto a = Numbers(Output().at(0));
    const auto b = Numbers(Output().at(1));
    EXPECT_EQ(a[5], 0);
    EXPECT_NEAR(a[6], kPi, 1e-14);
    EXPECT_NEAR(b[5], kPi, 1e-14);
    EXPECT_NEAR(b[6], kPi, 1e-14);
}

TEST_F(Figures, EllipticArcInRectangle) {
    Mode(2);
    Pick(1, 0, 0);
    Pick(2, 10, 4);
    Pick(3, 10, 2);
    Pick(4, 5, 4);
    form.EllipticArcInRectangle();
    EXPECT_EQ(Output(), (Lines{"se 5 2 5 0.4 0 0 1.5707963267949 0"}));
    // Under an axis angle the parameter angles are taken in the turned frame.
    FreshHost();
    HostState.AxisAngle = 30;
    double x, y;
    auto turned = [&](double px, double py) {
        MyFunc::RotatePointDeg(px, py, 0, 0, 30, x, y);
        return std::pair{x, y};
    };
    auto [x1, y1] = turned(0, 0);
    auto [x2, y2] = turned(10, 4);
    auto [x3, y3] = turned(5, 4);
    auto [x4, y4] = turned(0, 2);
    Pick(1, x1, y1);
    Pick(2, x2, y2);
    Pick(3, x3, y3);
    Pick(4, x4, y4);
    form.EllipticArcInRectangle();
    const auto v = Numbers(Output().at(0));
    EXPECT_NEAR(v[4], kPi / 6, 1e-14);
    EXPECT_NEAR(v[5], kPi / 2, 1e-9);
    EXPECT_NEAR(v[6], kPi / 2, 1e-9);
    EXPECT_EQ(Last().LastPointX, x4);  // as picked, not turned
}

TEST_F(Figures, ArcSameAsLastAndDialog) {
    Mode(2);
    Pick(1, 1, 1);
    form.ArcSameAsLast();  // fresh settings: arc angle 0 closes
    form.ArcFromDialog();  // defaults 0 and 360: closed
    EXPECT_EQ(Output(), (Lines{"se 1 1 100 1 0 0 6.28318530717959 100",
                               "se 1 1 100 1 0 0 6.28318530717959 100"}));
    // A negative remembered arc angle is not corrected before the closing rule.
    form.RememberedFigure.LastArcAngle = -1;
    form.ArcSameAsLast();
    EXPECT_EQ(Output().back(), "se 1 1 100 1 0 0 -1 0");
}

TEST_F(Figures, EmitterVariants) {
    Pick(1, 0, 0);
    Mode(3);
    form.FullCircleByRadius(10);
    Mode(4);
    form.ArcByNumbers(10, 0, 90);
    Mode(5);
    form.ArcByNumbers(10, 0, 90);
    form.ArcByNumbers(10, 30, 30);
    EXPECT_EQ(Output(),
              (Lines{"sc 0 0 10 1 0 0 6.28318530717959 100", "sc 0 0 10 1 0 0 1.5707963267949 0",
                     "sc 0 0 10 1 0 0 1.5707963267949 5",
                     "sc 0 0 10 1 0 0.523598775598299 6.28318530717959 100"}));
}

TEST_F(Figures, QuarterSplitPieceCounts) {
    Mode(6);
    Pick(1, 0, 0);
    auto pieces = [&](double startDeg, double endDeg) {
        FreshHost();
        Pick(1, 0, 0);
        form.SplitArcByNumbers(10, startDeg, endDeg);
        return Output();
    };
    EXPECT_EQ(pieces(0, 90).size(), 1u);
    EXPECT_EQ(pieces(0, 90.000001).size(), 2u);
    EXPECT_EQ(pieces(0, 180).size(), 2u);
    EXPECT_EQ(pieces(0, 270).size(), 3u);
    const auto full = pieces(0, 360);
    EXPECT_EQ(full, (Lines{"sc 0 0 10 1 0 0 1.5707963267949 -1",
                           "sc 0 0 10 1 0 1.5707963267949 1.5707963267949 -1",
                           "sc 0 0 10 1 0 3.14159265358979 1.5707963267949 -1",
                           "sc 0 0 10 1 0 4.71238898038469 1.5707963267949 -1"}));
    EXPECT_EQ(form.RememberedFigure.LastArcAngle, kTwoPi);
    // The running start is not reduced into [0, 2*pi).
    EXPECT_EQ(pieces(300, 60), (Lines{"sc 0 0 10 1 0 5.23598775598299 1.0471975511966 -1",
                                      "sc 0 0 10 1 0 6.28318530717959 1.0471975511966 -1"}));
    EXPECT_NEAR(form.RememberedFigure.LastArcAngle, 2 * kPi / 3, 1e-15);

    // Below a quarter turn plus 1e-10: one piece; above it: two.
    figures::Figure f;
    f.Radius = 1;
    f.ArcAngle = kPi / 2 + 0.5e-10;
    FreshHost();
    figures::EmitQuarterSplit(f);
    EXPECT_EQ(Output().size(), 1u);
    f.ArcAngle = kPi / 2 + 3e-10;
    FreshHost();
    figures::EmitQuarterSplit(f);
    EXPECT_EQ(Output().size(), 2u);
}

TEST_F(Figures, QuarterSplitIsBoundedForHandEditedArcAngles) {
    Mode(6);
    Pick(1, 0, 0);
    form.RememberedFigure.LastArcAngle = 1e300;
    form.SplitArcSameAsLast();
    EXPECT_EQ(Output().size(), 4u);
    FreshHost();
    form.RememberedFigure.LastArcAngle = 0;  // fresh settings: closed, four pieces
    form.SplitArcSameAsLast();
    EXPECT_EQ(Output().size(), 4u);
    EXPECT_EQ(form.RememberedFigure.LastArcAngle, 0);
}

TEST_F(Figures, SplitArcByPointsDueEastToDueSouth) {
    Mode(6);
    Pick(1, 0, 0);
    Pick(2, 3, 0);
    Pick(3, 5, 0);
    Pick(4, 0, -5);
    form.SplitArcByPoints();
    ASSERT_EQ(Output().size(), 3u);
    EXPECT_NEAR(Numbers(Output()[2])[5], kPi, 1e-14);
}

TEST_F(Figures, Rings) {
    Pick(1, 0, 0);
    Mode(7);
    form.ModeOption = 1;
    form.RingByNumbers(40, 20);
    form.ModeOption = 2;
    form.RingByNumbers(40, 20);
    form.RingByNumbers(40, 40);
    form.RingByNumbers(20, 40);
    form.RingByNumbers(40, 39.999999995);  // remembered, but the emitter refuses it
    EXPECT_EQ(Output(), (Lines{"sg 0 0 40 1 0 0 6.28318530717959 20",
                               "so 0 0 40 1 0 0 6.28318530717959 20"}));
    EXPECT_EQ(Last().LastInnerRadius, 39.999999995);

    FreshHost();
    Pick(1, 0, 0);
    Pick(2, 10, 4);
    Pick(3, 7, 2);
    form.EllipticRingInRectangle();
    Pick(3, 5, 3.6);
    form.EllipticRingInRectangle();
    Pick(3, 11, 2);  // outside: no ring
    form.EllipticRingInRectangle();
    ASSERT_EQ(Output().size(), 2u);
    EXPECT_EQ(Output()[0], "so 5 2 5 0.4 0 0 6.28318530717959 2");
    EXPECT_NEAR(Numbers(Output()[1])[7], 4, 1e-12);
    EXPECT_EQ(Last().LastPointX, 11);

    // Dialog: a negative hole stays negative.
    FreshHost();
    form.EditA6.Text = "-20";
    form.RingFromDialog();
    form.EditA2.Text = "50";
    form.EditA6.Text = "50";
    form.RingFromDialog();
    EXPECT_EQ(Output(), (Lines{"so 0 0 100 0.5 0 0 6.28318530717959 50"}));
}

TEST_F(Figures, RingSameAsLastAfterOtherModes) {
    Pick(1, 0, 0);
    Mode(1);
    form.FullCircleByRadius(30);
    Mode(7);
    form.RingSameAsLast();  // radius 30 against the hole 50: nothing
    EXPECT_EQ(Output().size(), 1u);
    Mode(8);
    form.ArcRingByNumbers(100, 50, 0, 90);
    Mode(7);
    form.RingSameAsLast();
    EXPECT_EQ(Output().back(), "so 0 0 100 1 0 0 6.28318530717959 50");
    Mode(2);
    form.ArcSameAsLast();
    EXPECT_EQ(Output().back(), "se 0 0 100 1 0 0 1.5707963267949 0");
}

TEST_F(Figures, ArcRings) {
    Mode(8);
    form.ModeOption = 1;
    Pick(1, 10, 0);
    Pick(2, -10, 0);
    Pick(3, 0, 10);
    Pick(4, 0, 5);
    form.ArcRingBy3Points();
    Pick(3, 0, -10);
    form.ArcRingBy3Points();
    ASSERT_EQ(Output().size(), 2u);
    const auto a = Numbers(Output()[0]);
    EXPECT_NEAR(a[0], 0, 1e-12);
    EXPECT_EQ(a[5], 0);
    EXPECT_NEAR(a[6], kPi, 1e-14);
    EXPECT_DOUBLE_EQ(a[7], 5);
    EXPECT_NEAR(Numbers(Output()[1])[5], kPi, 1e-14);

    FreshHost();
    Pick(1, 0, 0);
    Pick(2, 10, 4);
    Pick(3, 7, 2);
    Pick(4, 10, 2);
    Pick(5, 5, 4);
    form.ModeOption = 0;
    form.EllipticArcRingInRectangle();
    EXPECT_EQ(Output(), (Lines{"so 5 2 5 0.4 0 0 1.5707963267949 2"}));
    EXPECT_EQ(Last().LastPointX, 5);

    FreshHost();
    Pick(1, 0, 0);
    Pick(2, 4, 0);
    Pick(3, 2, 0);
    Pick(4, 1, 0);
    Pick(5, 0, 1);
    form.ArcRingByPoints();
    form.EditB6.Text = "100";
    form.EditB8.Text = "90";
    form.ArcRingFromDialog();  // hole as large as the figure
    EXPECT_EQ(Output(), (Lines{"so 0 0 4 1 0 0 1.5707963267949 2"}));
}

TEST_F(Figures, NonFiniteFiguresAreNotRemembered) {
    Mode(1);
    Pick(1, 0, 0);
    Pick(2, 1e308, 10);
    Pick(1, -1e308, 0);
    form.FullEllipseInRectangle();  // the width overflows to infinity
    EXPECT_TRUE(Output().empty());
    EXPECT_EQ(Last().LastRadius, 100);
    EXPECT_EQ(Last().LastPointX, 1e308);
}
