// The host stand-in draws what a known answer says, as the host draws it: the
// shapes are held by their areas to the formulas of the host's records.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <regex>

#include "MyFunc/TextConv.h"
#include "TestSupport.h"
#include "hoststandin/Gallery.h"
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

Solid OneSolid(const std::string& record) {
    const Answer a = ReadAnswer(record + "\r\n");
    EXPECT_EQ(a.Solids.size(), 1u) << record;
    return a.Solids.empty() ? Solid{} : a.Solids[0].Figure;
}

// The areas the host's records stand for, of a figure of radius R, flatness
// f and arc angle t (its ellipse's parameter angle), inner radius r.
double Whole(double R, double f) {
    return kPi * R * R * std::fabs(f);
}
double Sector(double R, double f, double t) {
    return R * R * std::fabs(f) * t / 2;
}
double Segment(double R, double f, double t) {
    return R * R * std::fabs(f) * (t - std::sin(t)) / 2;
}
double Outside(double R, double f, double t) {
    return R * R * std::fabs(f) * (std::tan(t / 2) - t / 2);
}
// The hole keeps the flatness ("so") or the width R - r all round ("sg").
// A partial ring from parameter angle s over t joins its two curves at the
// same parameter angles: for "sg" those ends do not run through the centre,
// which adds the triangles they cut off (by Green's theorem).
double Ring(double R, double f, double ha, double hb, double s, double t) {
    const double a = R, b = R * f;
    if (hb == 0) return std::fabs(a * b * t / 2);  // no hole: a sector
    const double ends = (a * hb - ha * b) * (std::sin(2 * (s + t)) - std::sin(2 * s)) / 4;
    return std::fabs((a * b - ha * hb) * t / 2 + ends);
}
double RingSo(double R, double f, double r, double t, double s = 0) {
    return Ring(R, f, r, r * f, s, t);
}
double RingSg(double R, double f, double r, double t, double s = 0) {
    const double g = R - r, b = R * f;
    return Ring(R, f, R - g, std::copysign(std::max(0.0, std::fabs(b) - g), b), s, t);
}

std::string Record(const char* keyword, double R, double f, double tilt, double start, double t,
                   const std::string& last) {
    std::string line = keyword;
    for (double v : {3.0, -4.0, R, f, tilt, start, t}) line += " " + MyFunc::FloatToText(v);
    return line + " " + last;
}

// What one panel of a rendered picture holds, read back from its SVG.
struct Framed {
    double Left = 0, Top = 0, Right = 0, Bottom = 0;                  // the panel's border
    double MinX = 1e300, MinY = 1e300, MaxX = -1e300, MaxY = -1e300;  // all that is drawn
    double SolidW = 0, SolidH = 0;  // the span of the solids alone
};

// Reads every panel of `svg` and checks that all it draws (outlines, picked
// points' marks and their numbers, a number's glyphs taken as 6 x 10 pixels)
// lies inside the panel's border and below its title, and that the picture
// scales whole (its view box is its size).
std::vector<Framed> ReadFramed(const std::string& svg, const std::string& what) {
    std::smatch m;
    EXPECT_TRUE(std::regex_search(
        svg, m, std::regex("width=\"(\\d+)\" height=\"(\\d+)\" viewBox=\"0 0 (\\d+) (\\d+)\"")))
        << what;
    if (!m.empty()) {
        EXPECT_TRUE(m[1] == m[3] && m[2] == m[4]) << what;
    }
    const std::regex rect(
        "<rect x=\"([-\\d.]+)\" y=\"([-\\d.]+)\" width=\"([-\\d.]+)\" height=\"([-\\d.]+)\"");
    const std::regex title("font-size=\"12\">([^<]*)<");
    const std::regex path("<path d=\"([^\"]*)\"([^>]*)>");
    const std::regex point("[ML]([-\\d.]+) ([-\\d.]+)");
    const std::regex mark("<circle cx=\"([-\\d.]+)\" cy=\"([-\\d.]+)\" r=\"([\\d.]+)\"");
    const std::regex number(
        "<text x=\"([-\\d.]+)\" y=\"([-\\d.]+)\" dx=\"4\" dy=\"-4\"[^>]*>(\\d+)<");
    std::vector<Framed> panels;
    for (size_t at = svg.find("<g>"); at != std::string::npos;) {
        const size_t end = svg.find("</g>", at);
        const std::string g = svg.substr(at, end - at);
        at = svg.find("<g>", end);
        Framed f;
        if (!std::regex_search(g, m, rect)) {
            ADD_FAILURE() << what << ": a panel without its border";
            continue;
        }
        f.Left = std::stod(m[1]), f.Top = std::stod(m[2]);
        f.Right = f.Left + std::stod(m[3]), f.Bottom = f.Top + std::stod(m[4]);
        const bool titled = std::regex_search(g, m, title) && m[1].length() > 0;
        double sx0 = 1e300, sy0 = 1e300, sx1 = -1e300, sy1 = -1e300;
        auto add = [&](double x0, double y0, double x1, double y1) {
            f.MinX = std::min(f.MinX, x0), f.MaxX = std::max(f.MaxX, x1);
            f.MinY = std::min(f.MinY, y0), f.MaxY = std::max(f.MaxY, y1);
        };
        for (auto p = std::sregex_iterator(g.begin(), g.end(), path); p != std::sregex_iterator();
             ++p) {
            // The drawing's own lines and fills are grey.
            const std::string d = (*p)[1], attributes = (*p)[2];
            const bool solid = attributes.find("#e0e0e0") == std::string::npos &&
                               attributes.find("#909090") == std::string::npos;
            for (auto q = std::sregex_iterator(d.begin(), d.end(), point);
                 q != std::sregex_iterator(); ++q) {
                const double x = std::stod((*q)[1]), y = std::stod((*q)[2]);
                add(x, y, x, y);
                if (solid) {
                    sx0 = std::min(sx0, x), sx1 = std::max(sx1, x);
                    sy0 = std::min(sy0, y), sy1 = std::max(sy1, y);
                }
            }
        }
        for (auto c = std::sregex_iterator(g.begin(), g.end(), mark); c != std::sregex_iterator();
             ++c) {
            const double x = std::stod((*c)[1]), y = std::stod((*c)[2]), r = std::stod((*c)[3]);
            add(x - r, y - r, x + r, y + r);
        }
        for (auto t = std::sregex_iterator(g.begin(), g.end(), number); t != std::sregex_iterator();
             ++t) {
            const double x = std::stod((*t)[1]) + 4, y = std::stod((*t)[2]) - 4;
            add(x, y - 10, x + 6 * static_cast<double>((*t)[3].length()), y);
        }
        const std::string where = what + ", panel at " + std::to_string(f.Left);
        EXPECT_GE(f.MinX, f.Left) << where;
        EXPECT_LE(f.MaxX, f.Right) << where;
        EXPECT_GE(f.MinY, f.Top + (titled ? 18 : 0)) << where << (titled ? ": over its title" : "");
        EXPECT_LE(f.MaxY, f.Bottom) << where;
        if (sx1 >= sx0) f.SolidW = sx1 - sx0, f.SolidH = sy1 - sy0;
        panels.push_back(f);
    }
    return panels;
}

}  // namespace

TEST(HostStandIn, ReadsEveryCommandOfAnAnswer) {
    const Answer a = ReadAnswer(kAnswer);
    ASSERT_EQ(a.Commands.size(), 9u);
    EXPECT_EQ(a.Commands[0].Report, "line colour 3");
    EXPECT_EQ(a.Commands[4].Report, "arbitrary colour #0000FF (BBGGRR)");
    EXPECT_EQ(a.Commands[2].Report.rfind("ellipse's circumference (line) at (1, 2), radius 10, "
                                         "flatness 0.5, tilt 30 deg",
                                         0),
              0u);
    EXPECT_FALSE(a.Commands[7].Understood);
    EXPECT_FALSE(a.Commands[8].Understood);
    ASSERT_EQ(a.Solids.size(), 4u);
    EXPECT_EQ(a.Solids[0].Color, 3);
    EXPECT_EQ(a.Solids[0].Width, 5);
    EXPECT_EQ(a.Solids[2].Color, 10);
    EXPECT_EQ(ColorOf(a.Solids[2].Color, a.Solids[2].Rgb), "#ff0000");
    EXPECT_EQ(a.Solids[3].Figure.Keyword, "sg");
}

// Each record's shape, by its filled area; a circumference solid fills nothing.
TEST(HostStandIn, EveryRecordDrawsTheShapeOfItsKind) {
    const double q = kPi / 2, full = 2 * kPi;
    struct Case {
        std::string Record;
        double Area;
    };
    const Case cases[] = {
        {"sc 0 0 10 1 0 0 6.28318530717959 100", Whole(10, 1)},
        {"sc 0 0 10 0.5 0.3 0 6.28318530717959 100", Whole(10, 0.5)},
        {"sc 0 0 10 1 0 0.4 1.5707963267949 0", Sector(10, 1, q)},
        {"sc 0 0 10 0.5 0 0.4 4 0", Sector(10, 0.5, 4)},
        {"sc 0 0 10 1 0 0.4 1.5707963267949 5", Segment(10, 1, q)},
        {"sc 0 0 10 -0.5 0 0 4 5", Segment(10, 0.5, 4)},
        {"sc 0 0 10 1 0 0 1.5707963267949 -1", Outside(10, 1, q)},
        {"sc 5 5 10 0.4 1 2 1 -1", Outside(10, 0.4, 1)},
        {"se 0 0 10 1 0 0 6.28318530717959 100", 0},
        {"se 0 0 10 1 0 1 2 0", 0},
        {"so 0 0 10 1 0 0 6.28318530717959 5", RingSo(10, 1, 5, full)},
        {"sg 0 0 10 1 0 0 6.28318530717959 5", RingSo(10, 1, 5, full)},  // a circle: the same
        // On an ellipse the two holes differ.
        {"so 0 0 40 0.5 0 0 6.28318530717959 22", RingSo(40, 0.5, 22, full)},
        {"sg 0 0 40 0.5 0 0 6.28318530717959 22", RingSg(40, 0.5, 22, full)},
        {"so 0 0 40 0.5 0.2 1 2 22", RingSo(40, 0.5, 22, 2, 1)},
        {"sg 0 0 40 0.5 0.2 1 2 22", RingSg(40, 0.5, 22, 2, 1)},
        // A width beyond the short semi-axis leaves no hole.
        {"sg 0 0 40 0.25 0 0 6.28318530717959 20", Whole(40, 0.25)},
    };
    for (const Case& c : cases) {
        const Drawn d = Draw(OneSolid(c.Record), 1 << 14);
        EXPECT_TRUE(d.Undrawable.empty()) << c.Record;
        EXPECT_NEAR(Area(d), c.Area, 1e-5 * std::max(1.0, c.Area)) << c.Record;
        EXPECT_EQ(d.Line.empty(), c.Record[1] != 'e') << c.Record << ": only se is a line";
    }
    EXPECT_NE(RingSo(40, 0.5, 22, full), RingSg(40, 0.5, 22, full));
    // Tangents at the ends of half a turn never meet: no outside to fill.
    EXPECT_FALSE(Draw(OneSolid("sc 0 0 10 1 0 0 3.2 -1")).Undrawable.empty());
}

// Random records of every kind against the formulas, with tilt, start and
// centre anywhere.
TEST(HostStandIn, RandomRecordsHaveTheAreasOfTheirFormulas) {
    std::mt19937 rng(742);
    std::uniform_real_distribution<double> u(0, 1);
    for (int i = 0; i < 400; ++i) {
        const double R = 0.5 + 100 * u(rng), f = (u(rng) < 0.2 ? -1 : 1) * (0.1 + 2 * u(rng));
        const double tilt = 7 * u(rng) - 3, start = 7 * u(rng) - 3;
        const double t = 0.01 + (2 * kPi - 0.02) * u(rng), r = R * (0.01 + 0.98 * u(rng));
        std::string record;
        double area = 0;
        switch (i % 6) {
            case 0:
                record = Record("sc", R, f, tilt, start, t, "0"), area = Sector(R, f, t);
                break;
            case 1:
                record = Record("sc", R, f, tilt, start, t, "5"), area = Segment(R, f, t);
                break;
            case 2: {
                const double piece = t / 2.2;  // below half a turn
                record = Record("sc", R, f, tilt, start, piece, "-1"), area = Outside(R, f, piece);
                break;
            }
            case 3:
                record = Record("sc", R, f, tilt, start, t, "100"), area = Whole(R, f);
                break;
            case 4:
                record = Record("so", R, f, tilt, start, t, MyFunc::FloatToText(r));
                area = RingSo(R, f, r, t, start);
                break;
            default:
                record = Record("sg", R, f, tilt, start, t, MyFunc::FloatToText(r));
                area = RingSg(R, f, r, t, start);
                break;
        }
        const Solid s = OneSolid(record);
        const Drawn d = Draw(s, 1 << 14);
        // The arcs are polygons: within a millionth of the figure's own size.
        EXPECT_NEAR(Area(d), area, 1e-6 * R * R * std::max(1.0, std::fabs(f))) << record;
        // Every outline point lies within the figure's ellipse, or on its
        // tangents for the outside of an arc.
        const double axis = R * std::max(1.0, std::fabs(f));
        const double reach = s.Kind == -1 ? axis / std::cos(t / 4.4) : axis;
        for (const auto& ring : d.Areas)
            for (Pt p : ring) EXPECT_LE(std::hypot(p.X - 3, p.Y + 4), reach * (1 + 1e-9)) << record;
    }
}

// The curve of "se": a closed ellipse for 100, the arc alone for 0.
TEST(HostStandIn, CircumferenceIsTheCurveItself) {
    const Solid ellipse = ReadAnswer(kAnswer).Solids[0].Figure;
    const Drawn d = Draw(ellipse);
    EXPECT_TRUE(d.Areas.empty());
    EXPECT_TRUE(d.LineClosed);
    const double t = kPi / 6;
    for (Pt p : d.Line) {
        const double x = (p.X - 1) * std::cos(t) + (p.Y - 2) * std::sin(t);
        const double y = -(p.X - 1) * std::sin(t) + (p.Y - 2) * std::cos(t);
        EXPECT_NEAR(x * x / 100 + y * y / 25, 1, 1e-9);
    }
    const Drawn arc = Draw(OneSolid("se 0 0 10 1 0 0.5 1 0"), 1 << 12);
    EXPECT_FALSE(arc.LineClosed);
    EXPECT_NEAR(std::atan2(arc.Line.front().Y, arc.Line.front().X), 0.5, 1e-12);
    EXPECT_NEAR(std::atan2(arc.Line.back().Y, arc.Line.back().X), 1.5, 1e-12);
    double length = 0;
    for (size_t i = 1; i < arc.Line.size(); ++i)
        length += std::hypot(arc.Line[i].X - arc.Line[i - 1].X, arc.Line[i].Y - arc.Line[i - 1].Y);
    EXPECT_NEAR(length, 10, 1e-5);

    const std::string svg =
        RenderSvg({{"t", nullptr, ReadAnswer(kAnswer).Solids, {{1, 0, 0}}}}, 1, 200, 200);
    EXPECT_NE(svg.find("fill=\"none\" stroke=\"#00a000\" stroke-width=\"3.00\""),
              std::string::npos);
    EXPECT_EQ(svg.find("stroke-dasharray"), std::string::npos);
    EXPECT_NE(svg.find("fill=\"#ff0000\""), std::string::npos);
}

// A full circle of mode 6 comes back in four pieces that fill the corners of
// its square, turned by the start angle.
TEST(HostStandIn, SplitFullCircleFillsTheCornersOfItsSquare) {
    t742test::Installed t;
    for (const char* start : {"0", "30"}) {
        Request r;
        r.Picks = {{1, 10, 20}};
        r.Args = {"6", "3", "25", start, std::string(start) == "0" ? "360" : "390"};
        const Answer a = RoundTrip(t.File("t742"), r);
        ASSERT_EQ(a.Solids.size(), 4u);
        const double turn = std::stod(start) / 180 * kPi;
        double area = 0;
        for (const DrawnSolid& s : a.Solids) {
            const Drawn d = Draw(s.Figure, 1 << 14);
            area += Area(d);
            for (Pt p : d.Areas.at(0)) {
                const double x = (p.X - 10) * std::cos(turn) + (p.Y - 20) * std::sin(turn);
                const double y = -(p.X - 10) * std::sin(turn) + (p.Y - 20) * std::cos(turn);
                EXPECT_LE(std::max(std::fabs(x), std::fabs(y)), 25 * (1 + 1e-9));
            }
        }
        EXPECT_NEAR(area, (4 - kPi) * 25 * 25, 1e-3);
    }
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

// Every picture of the guide holds its whole figure and the points read, and
// the figure fills most of it; random answers and drawings in random panels
// stay inside theirs.
TEST(HostStandIn, PicturesHoldTheirWholeFigure) {
    t742test::Installed t;
    const std::vector<GalleryRun> runs = RunGallery(t.File("t742"), "");
    ASSERT_EQ(runs.size(), GalleryPlan("").size());
    for (const GalleryRun& run : runs) {
        ASSERT_FALSE(run.Ans.Solids.empty()) << run.Title;
        const std::vector<Framed> cell = ReadFramed(CellSvg(run), run.Title);
        ASSERT_EQ(cell.size(), 1u) << run.Title;
        // Framed on what it shows: that reaches the room left for the marks on
        // two opposite sides, and the figure spans most of the picture.
        const Framed& f = cell[0];
        const double w = f.Right - f.Left, h = f.Bottom - f.Top;
        EXPECT_GT(std::max((f.MaxX - f.MinX) / w, (f.MaxY - f.MinY) / h), 0.8) << run.Title;
        EXPECT_GT(std::max(f.SolidW / w, f.SolidH / h), 0.45) << run.Title;
    }

    std::mt19937 rng(7421);
    std::uniform_real_distribution<double> u(0, 1);
    const JwwGaibu::HostStateRecord drawing =
        ReadDrawing("-500 0 50 0\r\nci 40 -60 80\r\nsl 0 0 5 0 5 5 0 5\r\n");
    const char* const kinds[] = {"sc", "se", "so", "sg"};
    const char* const lasts[] = {"0", "5", "-1", "100"};  // kinds of sc / se, rings' hole
    for (int i = 0; i < 60; ++i) {
        std::vector<Panel> panels;
        const int columns = 1 + static_cast<int>(3 * u(rng));
        for (int p = 0, n = 1 + static_cast<int>(5 * u(rng)); p < n; ++p) {
            std::string answer;
            for (int k = static_cast<int>(3 * u(rng)); k > 0; --k) {
                const double R = 1000 * u(rng) * u(rng), arc = 0.01 + 6.27 * u(rng);
                answer += Record(kinds[static_cast<int>(4 * u(rng))], R, 0.1 + 2 * u(rng),
                                 7 * u(rng), 7 * u(rng), arc, lasts[static_cast<int>(4 * u(rng))]) +
                          "\r\n";
            }
            std::vector<Pick> picks;
            for (int k = static_cast<int>(6 * u(rng)); k > 0; --k)
                picks.push_back(
                    {k + (u(rng) < 0.1 ? 9 : 0), 400 * u(rng) - 200, 400 * u(rng) - 200});
            panels.push_back({u(rng) < 0.5 ? "" : "t742 random " + std::to_string(i),
                              u(rng) < 0.5 ? nullptr : &drawing, ReadAnswer(answer).Solids, picks});
        }
        const int w = 120 + static_cast<int>(300 * u(rng)),
                  h = 100 + static_cast<int>(200 * u(rng));
        EXPECT_EQ(
            ReadFramed(RenderSvg(panels, columns, w, h), "random " + std::to_string(i)).size(),
            panels.size());
    }
}
