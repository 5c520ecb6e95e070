// The host stand-in draws what a known answer says.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "TestSupport.h"
#include "hoststandin/Session.h"
#include "hoststandin/Svg.h"

using namespace hoststandin;

namespace {

constexpr double kPi = 3.141592653589793;

const char* const kAnswer =
    "lc3\r\nlw5\r\n"
    "se 1 2 10 0.5 0.523598775598299 0 6.28318530717959 100\r\n"
    "sc 0 0 10 1 0 0 1.5707963267949 0\r\n"
    "lc10 255\r\n"
    "so 0 0 10 1 0 0 6.28318530717959 5\r\n"
    "sg 0 0 10 1 0 0.5 1 4\r\n"
    "se 1 2\r\n"
    "xyzzy\r\n";

double Radius(Pt p, double cx = 0, double cy = 0) {
    return std::hypot(p.X - cx, p.Y - cy);
}

}  // namespace

TEST(HostStandIn, ReadsEveryCommandOfAnAnswer) {
    const Answer a = ReadAnswer(kAnswer);
    ASSERT_EQ(a.Commands.size(), 9u);
    EXPECT_EQ(a.Commands[0].Report, "line colour 3");
    EXPECT_EQ(a.Commands[4].Report, "arbitrary colour #0000FF (BBGGRR)");
    EXPECT_FALSE(a.Commands[7].Understood);
    EXPECT_FALSE(a.Commands[8].Understood);
    ASSERT_EQ(a.Solids.size(), 4u);
    EXPECT_EQ(a.Solids[0].Color, 3);
    EXPECT_EQ(a.Solids[0].Width, 5);
    EXPECT_EQ(a.Solids[2].Color, 10);
    EXPECT_EQ(ColorOf(a.Solids[2].Color, a.Solids[2].Rgb), "#ff0000");
    EXPECT_EQ(a.Solids[3].Figure.Keyword, "sg");
}

TEST(HostStandIn, FullEllipseWithTilt) {
    const Solid s = ReadAnswer(kAnswer).Solids[0].Figure;
    const auto outlines = Outlines(s);
    ASSERT_EQ(outlines.size(), 1u);
    const double t = kPi / 6;
    for (Pt p : outlines[0]) {
        const double u = (p.X - 1) * std::cos(t) + (p.Y - 2) * std::sin(t);
        const double v = -(p.X - 1) * std::sin(t) + (p.Y - 2) * std::cos(t);
        EXPECT_NEAR(u * u / 100 + v * v / 25, 1, 1e-9);
    }
    EXPECT_EQ(Describe(s).rfind("ellipse at (1, 2), radius 10, flatness 0.5, tilt 30 deg", 0), 0u);
}

TEST(HostStandIn, ArcSectorRingAndPartialRing) {
    const Answer a = ReadAnswer(kAnswer);
    const auto sector = Outlines(a.Solids[1].Figure)[0];
    EXPECT_NEAR(sector.front().X, 10, 1e-9);
    EXPECT_NEAR(sector[sector.size() - 2].Y, 10, 1e-9);  // the arc ends at a quarter turn
    EXPECT_NEAR(Radius(sector.back()), 0, 1e-12);        // and closes through the centre

    const auto ring = Outlines(a.Solids[2].Figure);
    ASSERT_EQ(ring.size(), 2u);  // outer outline and hole
    for (Pt p : ring[0]) EXPECT_NEAR(Radius(p), 10, 1e-9);
    for (Pt p : ring[1]) EXPECT_NEAR(Radius(p), 5, 1e-9);

    const auto part = Outlines(a.Solids[3].Figure);
    ASSERT_EQ(part.size(), 1u);
    EXPECT_NEAR(Radius(part[0].front()), 10, 1e-9);
    EXPECT_NEAR(std::atan2(part[0].front().Y, part[0].front().X), 0.5, 1e-9);
    EXPECT_NEAR(Radius(part[0].back()), 4, 1e-9);
    EXPECT_NEAR(std::atan2(part[0].back().Y, part[0].back().X), 0.5, 1e-9);
    const Pt middle = part[0][part[0].size() / 4];  // on the outer arc, within the sweep
    EXPECT_GT(std::atan2(middle.Y, middle.X), 0.5);
    EXPECT_LT(std::atan2(middle.Y, middle.X), 1.5);

    const std::string svg = RenderSvg({{"t", nullptr, a.Solids, {{1, 0, 0}}}}, 1, 200, 200);
    EXPECT_NE(svg.find("stroke-dasharray"), std::string::npos);  // the "sg" ring
    EXPECT_NE(svg.find("fill=\"#ff0000\""), std::string::npos);
}

TEST(HostStandIn, RoundTripThroughTheProgram) {
    t742test::Installed t;
    Request r;
    r.AxisAngle = 20;
    r.Drawing = "0 0 10 0";
    r.Picks = {{1, 10, 20}};
    r.Args = {"7", "3", "1", "40", "20"};
    EXPECT_EQ(HostFileText(r), "hk 20\r\n0 0 10 0\r\nhp1 10 20\r\n");
    const Answer a = RoundTrip(t.File("t742"), r);
    EXPECT_EQ(a.ExitStatus, 0);
    ASSERT_EQ(a.Solids.size(), 1u);
    EXPECT_EQ(a.Solids[0].Figure.Keyword, "sg");
    EXPECT_EQ(a.Solids[0].Figure.InnerRadius, 20);
    EXPECT_EQ(a.Solids[0].Figure.X, 10);
}
