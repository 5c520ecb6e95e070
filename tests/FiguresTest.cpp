// The constructions of every mode, through the route a run takes: the
// command line, the settings file, the construction and the records it leaves.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <sstream>

#include "JwwGaibu/Drawable.h"
#include "JwwGaibu/HostState.h"
#include "JwwGaibu/Output.h"
#include "MyFunc/Geometry.h"
#include "TestSupport.h"
#include "Unit1/Form.h"
#include "Unit1/SettingsFile.h"
#include "figures/Figure.h"
#include "figures/Rules.h"

using JwwGaibu::HostState;
using Unit1::TForm1;
using namespace t742test;
using Lines = std::vector<std::string>;

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kTwoPi = 6.283185307179586;

struct Point {
    double X, Y;
};

struct Case {
    const char* What;
    // Command lines, run one after another as separate runs: the settings
    // file carries the remembered figure from one to the next.
    std::vector<std::string> Runs;
    std::vector<Point> Picks;  // picked points 1, 2, ...
    double Axis;
    // Settings lines by name before the first run ("LastArcAngle=2 EditA1=-50").
    std::string Before;
    // The records of all runs; a number written "~N" matches N within 1e-9.
    Lines Records;
    // Settings lines by name after the last run.
    std::string After;
};

std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

bool Matches(const std::string& expected, const std::string& actual) {
    const auto e = Words(expected), a = Words(actual);
    if (e.size() != a.size()) return false;
    for (size_t i = 0; i < e.size(); ++i) {
        if (e[i].rfind('~', 0) == 0) {
            if (!(std::fabs(std::stod(e[i].substr(1)) - std::stod(a[i])) <= 1e-9)) return false;
        } else if (e[i] != a[i]) {
            return false;
        }
    }
    return true;
}

// The line of the settings file that holds a "NAME=VALUE" setting, and the value.
std::pair<size_t, std::string> SettingLine(const std::string& setting) {
    static const std::vector<std::string> names = Unit1::SettingsLineNames();
    const size_t eq = setting.find('=');
    const auto at = std::find(names.begin(), names.end(), setting.substr(0, eq));
    EXPECT_NE(at, names.end()) << setting;
    return {static_cast<size_t>(at - names.begin()), setting.substr(eq + 1)};
}

// Each "NAME=VALUE" of `settings` as a line of the settings file.
std::string Patched(const std::string& file, const std::string& settings) {
    const std::vector<std::string> names = Unit1::SettingsLineNames();
    Lines lines = SplitCrLf(file);
    for (const std::string& setting : Words(settings)) {
        const size_t eq = setting.find('=');
        const auto at = std::find(names.begin(), names.end(), setting.substr(0, eq));
        EXPECT_NE(at, names.end()) << setting;
        if (at != names.end())
            lines[static_cast<size_t>(at - names.begin())] = setting.substr(eq + 1);
    }
    std::string out;
    for (const std::string& line : lines) out += line + "\r\n";
    return out;
}

void RunCase(const Case& c) {
    SCOPED_TRACE(c.What);
    TempDir dir;
    TForm1 form;
    form.SettingsPath = dir.File("t742.dat");
    form.SaveSettings();  // a first run's settings
    dir.Write("t742.dat", Patched(dir.Read("t742.dat"), c.Before));
    Lines records;
    for (const std::string& run : c.Runs) {
        FreshHost();
        HostState.AxisAngle = c.Axis;
        for (size_t n = 0; n < c.Picks.size(); ++n)
            Pick(static_cast<int>(n + 1), c.Picks[n].X, c.Picks[n].Y);
        form.LoadSettings();
        form.ParseCommandLine(Words(run));
        if (form.Step == 6)
            form.RunDialogConstruction();
        else
            form.RunConstruction(form.Step);
        form.SaveSettings();
        for (const std::string& line : Output()) records.push_back(line);
    }
    ASSERT_EQ(records.size(), c.Records.size()) << ::testing::PrintToString(records);
    for (size_t i = 0; i < records.size(); ++i)
        EXPECT_TRUE(Matches(c.Records[i], records[i])) << c.Records[i] << " / " << records[i];
    const Lines saved = SplitCrLf(dir.Read("t742.dat"));
    for (const std::string& setting : Words(c.After)) {
        const auto [line, value] = SettingLine(setting);
        ASSERT_LT(line, saved.size()) << setting;
        EXPECT_TRUE(Matches(value, saved[line])) << setting << " / " << saved[line];
    }
}

Point Turned(double x, double y, double degrees) {
    Point p{};
    MyFunc::RotatePointDeg(x, y, 0, 0, degrees, p.X, p.Y);
    return p;
}

const std::string kFull = "0 6.28318530717959 100";  // start, arc angle and kind of a full figure

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

TEST(Rules, ClosingRuleDrawableAndQuarters) {
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
    using JwwGaibu::SolidFault;
    const auto ring = [](double r, double inner, double flatness = 1) {
        return JwwGaibu::CheckRing(0, 0, r, flatness, 0, 0, kTwoPi, inner);
    };
    EXPECT_EQ(ring(40, 40), SolidFault::HoleNotInside);
    EXPECT_EQ(ring(40, 40 - 0.5e-8), SolidFault::HoleNotInside);
    EXPECT_EQ(ring(40, 40 - 2e-8), SolidFault::None);
    EXPECT_EQ(ring(1, 1e-8), SolidFault::ZeroHole);
    EXPECT_EQ(ring(1, 1.0000001e-8), SolidFault::None);
    EXPECT_EQ(ring(1e-8, 0.5e-8), SolidFault::ZeroRadius);
    EXPECT_EQ(ring(1, 0.5, -1e-8), SolidFault::ZeroFlatness);
    EXPECT_EQ(ring(1, 0.5, INFINITY), SolidFault::NotFinite);
    EXPECT_EQ(JwwGaibu::CheckSolid(0, NAN, 1, 1, 0, 0, 1), SolidFault::NotFinite);
    EXPECT_EQ(JwwGaibu::CheckSolid(0, 0, 1, -0.5, 0, 0, 1), SolidFault::None);

    // Below a quarter turn plus 1e-10: one piece; above it: two.
    figures::Figure f;
    f.Radius = 1;
    f.ArcAngle = kPi / 2 + 0.5e-10;
    EXPECT_EQ(figures::QuarterPieces(f).size(), 1u);
    f.ArcAngle = kPi / 2 + 3e-10;
    EXPECT_EQ(figures::QuarterPieces(f).size(), 2u);
}

TEST(Figures, ConstructionsOfEveryMode) {
    const Point turned[] = {Turned(0, 0, 30), Turned(10, 4, 30), Turned(5, 4, 30),
                            Turned(0, 2, 30)};
    const Case cases[] = {
        // Full circles and ellipses (modes 1 and 3).
        {"centre and a point",
         {"1 1"},
         {{10, 20}, {13, 24}},
         0,
         "",
         {"se 10 20 5 1 0 " + kFull},
         "LastRadius=5 LastPointX=13"},
        {"a negative radius: no absolute value",
         {"1 3 -5"},
         {{10, 20}},
         0,
         "",
         {},
         "LastRadius=100 LastPointX=10"},
        {"a radius",
         {"1 3 25"},
         {{10, 20}},
         0,
         "",
         {"se 10 20 25 1 0 " + kFull},
         "LastRadius=25 LastArcAngle=6.28318530717959"},
        {"equal points: only the last point moves",
         {"1 1"},
         {{10, 20}, {10, 20}},
         0,
         "LastRadius=25",
         {},
         "LastRadius=25 LastPointX=10"},
        {"a remembered arc repeats as the full figure",
         {"1 2"},
         {{1, 2}},
         0,
         "LastStartAngle=0.5 LastArcAngle=2 LastFlatness=0.5",
         {"se 1 2 100 0.5 0 " + kFull},
         "LastStartAngle=0.5 LastArcAngle=2"},
        {"three points", {"1 4"}, {{1, 0}, {-1, 0}, {0, 1}}, 0, "", {"se 0 0 1 1 0 " + kFull}, ""},
        // The second point off the x axis: a centre computed with a wrong sign moves.
        {"three points anywhere",
         {"3 4"},
         {{3, 7}, {-1, 3}, {3, -1}},
         0,
         "",
         {"sc 3 3 4 1 0 " + kFull},
         ""},
        {"three points on a line", {"1 4"}, {{1, 0}, {-1, 0}, {2, 0}}, 0, "", {}, "LastPointX=2"},
        {"rectangle",
         {"1 5"},
         {{0, 0}, {10, 4}},
         0,
         "",
         {"se 5 2 5 0.4 0 " + kFull},
         "LastFlatness=0.4"},
        {"rectangle on the axis angle 90",
         {"1 5"},
         {{0, 0}, {4, 10}},
         90,
         "",
         {"se ~2 ~5 ~5 ~0.4 1.5707963267949 " + kFull},
         "LastTilt=1.5707963267949"},
        {"rectangle of no height", {"1 5"}, {{0, 0}, {10, 0}}, 0, "", {}, "LastPointX=10"},
        {"rectangle too wide for a double: not drawn, not remembered",
         {"1 5"},
         {{-1e308, 0}, {1e308, 10}},
         0,
         "",
         {},
         "LastRadius=100 LastPointX=1E308"},
        {"dialog: radius and flatness, tilt from the axis",
         {"1 6"},
         {{3, 4}},
         15,
         "EditA1=-50 EditA2=80 EditA5=30 CBA1=1",
         {"se 3 4 50 0.8 0.785398163397448 " + kFull},
         "LastTilt=0.785398163397448"},
        {"dialog: axis radii",
         {"1 6"},
         {{3, 4}},
         0,
         "RBA2=1 EditA3=40 EditA4=-10",
         {"se 3 4 40 0.25 0 " + kFull},
         "LastRadius=40 LastFlatness=0.25"},
        {"dialog: axis radii with an x radius of 0",
         {"1 6"},
         {{3, 4}},
         0,
         "RBA2=1 EditA3=0 EditA4=30 LastRadius=50",
         {},
         "LastRadius=50 LastPointX=3"},
        {"dialog: a flatness of 0 is neither drawn nor remembered",
         {"1 6"},
         {{3, 4}},
         0,
         "EditA1=20 EditA2=",
         {},
         "LastRadius=100 LastFlatness=1"},
        {"modes 3, 4 and 5: the same figures as sc records",
         {"3 3 10", "4 3 10 0 90", "5 3 10 0 90", "5 3 10 30 30"},
         {{0, 0}},
         0,
         "",
         {"sc 0 0 10 1 0 " + kFull, "sc 0 0 10 1 0 0 1.5707963267949 0",
          "sc 0 0 10 1 0 0 1.5707963267949 5",
          "sc 0 0 10 1 0 0.523598775598299 6.28318530717959 100"},
         ""},

        // Arcs (mode 2).
        {"arcs by numbers",
         {"2 3 10 90 0", "2 3 10 -90 90", "2 3 10 720 45", "2 3 10 0 360", "2 3 10 30 30.000001"},
         {{0, 0}},
         0,
         "",
         {"se 0 0 10 1 0 1.5707963267949 4.71238898038469 0",
          "se 0 0 10 1 0 4.71238898038469 3.14159265358979 0",
          "se 0 0 10 1 0 0 0.785398163397448 0", "se 0 0 10 1 0 " + kFull,
          "se 0 0 10 1 0 0.523598775598299 1.74532925889537E-8 0"},
         ""},
        {"arc by numbers on a negative axis angle: tilted by 330 degrees",
         {"2 3 10 0 90"},
         {{0, 0}},
         -30,
         "",
         {"se 0 0 10 1 5.75958653158129 0 1.5707963267949 0"},
         ""},
        {"arc by points; a start direction of no length is 0",
         {"2 1"},
         {{0, 0}, {5, 0}, {0, 0}, {0, 7}},
         0,
         "",
         {"se 0 0 5 1 0 0 1.5707963267949 0"},
         ""},
        {"arc by points about a centre off the origin",
         {"2 1"},
         {{10, 20}, {15, 20}, {15, 25}, {5, 20}},
         0,
         "",
         {"se 10 20 5 1 0 0.785398163397448 2.35619449019234 0"},
         "LastPointX=5"},
        {"arc by points in one direction: closed",
         {"2 1"},
         {{0, 0}, {5, 0}, {1, 1}, {2, 2}},
         0,
         "",
         {"se 0 0 5 1 0 0.785398163397448 6.28318530717959 100"},
         "LastPointX=2"},
        {"arc through the upper point",
         {"2 4"},
         {{1, 0}, {-1, 0}, {0, 1}},
         0,
         "",
         {"se 0 0 1 1 0 0 3.14159265358979 0"},
         ""},
        {"arc through the lower point",
         {"2 4"},
         {{1, 0}, {-1, 0}, {0, -1}},
         0,
         "",
         {"se 0 0 1 1 0 3.14159265358979 3.14159265358979 0"},
         ""},
        {"elliptic arc in a rectangle",
         {"2 5"},
         {{0, 0}, {10, 4}, {10, 2}, {5, 4}},
         0,
         "",
         {"se 5 2 5 0.4 0 0 1.5707963267949 0"},
         ""},
        {"elliptic arc in a rectangle: directions in the ellipse's parameter",
         {"2 5"},
         {{0, 0}, {10, 4}, {10, 4}, {0, 0}},
         0,
         "",
         {"se 5 2 5 0.4 0 0.785398163397448 3.14159265358979 0"},
         ""},
        {"elliptic arc on the axis angle: parameter angles in the turned frame",
         {"2 5"},
         {turned[0], turned[1], turned[2], turned[3]},
         30,
         "",
         {"se ~3.33012701892219 ~4.23205080756888 ~5 ~0.4 ~0.523598775598299 ~1.5707963267949 "
          "~1.5707963267949 0"},
         "LastPointX=~-1"},
        {"arc same as last on first settings closes; the dialog's 0 to 360 too",
         {"2 2", "2 6"},
         {{1, 1}},
         0,
         "",
         {"se 1 1 100 1 0 " + kFull, "se 1 1 100 1 0 " + kFull},
         ""},
        {"a negative remembered arc angle is not corrected",
         {"2 2"},
         {{1, 1}},
         0,
         "LastArcAngle=-1",
         {"se 1 1 100 1 0 0 -1 0"},
         ""},

        // Quarter pieces (mode 6).
        {"a quarter turn: one piece",
         {"6 3 10 0 90"},
         {{0, 0}},
         0,
         "",
         {"sc 0 0 10 1 0 0 1.5707963267949 -1"},
         ""},
        {"just over a quarter turn: two",
         {"6 3 10 0 90.000001"},
         {{0, 0}},
         0,
         "",
         {"sc 0 0 10 1 0 0 0.785398172124095 -1",
          "sc 0 0 10 1 0 0.785398172124095 0.785398172124095 -1"},
         ""},
        {"three quarters: three",
         {"6 3 10 0 270"},
         {{0, 0}},
         0,
         "",
         {"sc 0 0 10 1 0 0 1.5707963267949 -1", "sc 0 0 10 1 0 1.5707963267949 1.5707963267949 -1",
          "sc 0 0 10 1 0 3.14159265358979 1.5707963267949 -1"},
         ""},
        {"a full turn: four, remembered as a full turn",
         {"6 3 10 0 360"},
         {{0, 0}},
         0,
         "",
         {"sc 0 0 10 1 0 0 1.5707963267949 -1", "sc 0 0 10 1 0 1.5707963267949 1.5707963267949 -1",
          "sc 0 0 10 1 0 3.14159265358979 1.5707963267949 -1",
          "sc 0 0 10 1 0 4.71238898038469 1.5707963267949 -1"},
         "LastArcAngle=6.28318530717959"},
        {"the running start is not reduced",
         {"6 3 10 300 60"},
         {{0, 0}},
         0,
         "",
         {"sc 0 0 10 1 0 5.23598775598299 1.0471975511966 -1",
          "sc 0 0 10 1 0 6.28318530717959 1.0471975511966 -1"},
         "LastArcAngle=2.09439510239319"},
        {"a hand-edited arc angle beyond a turn: four pieces",
         {"6 2"},
         {{0, 0}},
         0,
         "LastArcAngle=1E300",
         {"sc 0 0 100 1 0 0 1.5707963267949 -1",
          "sc 0 0 100 1 0 1.5707963267949 1.5707963267949 -1",
          "sc 0 0 100 1 0 3.14159265358979 1.5707963267949 -1",
          "sc 0 0 100 1 0 4.71238898038469 1.5707963267949 -1"},
         "LastArcAngle=1E300"},
        {"due east to due south by points",
         {"6 1"},
         {{0, 0}, {3, 0}, {5, 0}, {0, -5}},
         0,
         "",
         {"sc 0 0 3 1 0 0 1.5707963267949 -1", "sc 0 0 3 1 0 1.5707963267949 1.5707963267949 -1",
          "sc 0 0 3 1 0 3.14159265358979 1.5707963267949 -1"},
         ""},

        // Rings (modes 7 and 8).
        {"rings by numbers: option 1 sg, else so; holes that do not fit",
         {"7 3 1 40 20", "7 3 2 40 20", "7 3 2 40 40", "7 3 2 20 40"},
         {{0, 0}},
         0,
         "",
         {"sg 0 0 40 1 0 0 6.28318530717959 20", "so 0 0 40 1 0 0 6.28318530717959 20"},
         "LastInnerRadius=20"},
        {"a hole within the length tolerance of the radius: neither drawn nor remembered",
         {"7 3 0 40 39.999999995"},
         {{0, 0}},
         0,
         "LastRadius=30 LastInnerRadius=10",
         {},
         "LastRadius=30 LastInnerRadius=10"},
        {"elliptic rings in a rectangle; a hole point outside draws nothing",
         {"7 5 0"},
         {{0, 0}, {10, 4}, {7, 2}},
         0,
         "",
         {"so 5 2 5 0.4 0 0 6.28318530717959 2"},
         ""},
        {"an elliptic ring's hole through a point across the axis",
         {"7 5 0"},
         {{0, 0}, {10, 4}, {5, 3.6}},
         0,
         "",
         {"so 5 2 5 0.4 0 0 6.28318530717959 ~4"},
         ""},
        {"an elliptic ring's hole point outside",
         {"7 5 0"},
         {{0, 0}, {10, 4}, {11, 2}},
         0,
         "",
         {},
         "LastPointX=11"},
        {"dialog: a negative hole stays negative", {"7 6 0"}, {{0, 0}}, 0, "EditA6=-20", {}, ""},
        {"dialog ring",
         {"7 6 0"},
         {{0, 0}},
         0,
         "EditA2=50 EditA6=50",
         {"so 0 0 100 0.5 0 0 6.28318530717959 50"},
         ""},
        {"ring same as last after other modes",
         {"1 3 30", "7 2 0", "8 3 0 100 50 0 90", "7 2 0", "2 2"},
         {{0, 0}},
         0,
         "",
         {"se 0 0 30 1 0 " + kFull, "so 0 0 100 1 0 0 1.5707963267949 50",
          "so 0 0 100 1 0 0 6.28318530717959 50", "se 0 0 100 1 0 0 1.5707963267949 0"},
         ""},
        {"partial rings through three points",
         {"8 4 1"},
         {{10, 0}, {-10, 0}, {0, 10}, {0, 5}},
         0,
         "",
         {"sg 0 0 10 1 0 0 3.14159265358979 5"},
         ""},
        {"partial ring through the lower point",
         {"8 4 1"},
         {{10, 0}, {-10, 0}, {0, -10}, {0, 5}},
         0,
         "",
         {"sg 0 0 10 1 0 3.14159265358979 3.14159265358979 5"},
         ""},
        {"partial elliptic ring in a rectangle",
         {"8 5 0"},
         {{0, 0}, {10, 4}, {7, 2}, {10, 2}, {5, 4}},
         0,
         "",
         {"so 5 2 5 0.4 0 0 1.5707963267949 2"},
         "LastPointX=5"},
        {"partial ring by points; the dialog's hole as large as the figure",
         {"8 1 0", "8 6 0"},
         {{0, 0}, {4, 0}, {2, 0}, {1, 0}, {0, 1}},
         0,
         "EditB6=100 EditB8=90",
         {"so 0 0 4 1 0 0 1.5707963267949 2"},
         "LastRadius=4 LastInnerRadius=2"},
    };
    for (const Case& c : cases) RunCase(c);
}

// Every cell of the dispatch runs its own mode's construction: on random
// inputs the form's run leaves what that mode's construction leaves, and each
// cell draws on some of them.
TEST(Figures, EveryModeAndStepRunsItsOwnConstruction) {
    std::mt19937 random(742);
    auto uniform = [&](double lo, double hi) {
        return std::uniform_real_distribution<double>(lo, hi)(random);
    };
    auto text = [](double v) {  // exact: the texts read back as the numbers
        char digits[32];
        std::snprintf(digits, sizeof digits, "%.17g", v);
        return std::string(digits);
    };
    for (int mode = 1; mode <= 8; ++mode) {
        for (int step = 1; step <= 6; ++step) {
            int drawn = 0;
            for (int trial = 0; trial < 12; ++trial) {
                std::vector<Point> picks;
                for (int n = 0; n < 5; ++n) picks.push_back({uniform(-50, 50), uniform(-50, 50)});
                const double r = uniform(10, 50);
                const std::array<double, 4> numbers{r, uniform(1, r - 1), uniform(-180, 180),
                                                    uniform(-180, 180)};
                const int option = trial % 2;
                auto run = [&](bool dispatched) {
                    FreshHost();
                    for (size_t n = 0; n < picks.size(); ++n)
                        Pick(static_cast<int>(n + 1), picks[n].X, picks[n].Y);
                    TForm1 form;
                    form.Mode = mode;
                    form.Step = step;
                    form.ModeOption = option;
                    form.RememberedFigure.LastRadius = r;
                    form.RememberedFigure.LastInnerRadius = numbers[1];
                    form.RememberedFigure.LastArcAngle = numbers[2];
                    for (size_t i = 0; i < numbers.size(); ++i)
                        form.NumberTexts[i] = text(numbers[i]);
                    if (!dispatched)
                        form.DrawFigure(*figures::FindMode(mode), step, numbers);
                    else if (step == 6)
                        form.RunDialogConstruction();
                    else
                        form.RunConstruction(step);
                    const auto& m = form.RememberedFigure;
                    Lines left;  // the remembered values and the outcome, then the records
                    for (double v :
                         {m.LastPointX, m.LastPointY, m.LastRadius, m.LastFlatness,
                          m.LastInnerRadius, m.LastTilt, m.LastStartAngle, m.LastArcAngle})
                        left.push_back(text(v));
                    left.push_back(std::to_string(static_cast<int>(form.Outcome)));
                    for (const std::string& record : Output()) left.push_back(record);
                    return left;
                };
                const Lines own = run(false);
                ASSERT_EQ(run(true), own) << "mode " << mode << " step " << step;
                if (own.size() > 9) ++drawn;
            }
            EXPECT_GT(drawn, 0) << "mode " << mode << " step " << step << " never drew";
        }
    }
}
