// The user's guide tells which points each step reads: its tables are the
// program's own, and the steps read exactly the points they name.
#include <gtest/gtest.h>

#include <set>

#include "MyFunc/Files.h"
#include "TestSupport.h"
#include "Unit1/Form.h"
#include "figures/Figure.h"
#include "figures/StepInputs.h"
#include "hoststandin/Gallery.h"
#include "tools/GuideTable.h"

using namespace t742test;

TEST(Guide, HoldsTheTablesOfTheModeTableAndShowsPicturesTheGalleryMakes) {
    std::string guide, filled;
    ASSERT_TRUE(MyFunc::ReadFileBytes(T742_SOURCE_DIR "/docs/guide-ja.md", guide));
    ASSERT_TRUE(tools::FillGuide(guide, filled));
    EXPECT_EQ(filled, guide) << "run build/t742guide --write docs/guide-ja.md";
    std::set<std::string> cells;
    for (const auto& e : hoststandin::GalleryPlan("")) cells.insert("cells/" + e.Cell + ".svg");
    for (const std::string& picture : tools::GuidePictures())
        EXPECT_EQ(cells.count(picture), 1u) << picture << " is not drawn by the gallery";
}

// What a user reads names the CAD as its users do, and the guide puts what a
// user needs before the command syntax and the step tables.
TEST(Guide, UserTextsSayCadAndPutTheAppendixLast) {
    std::string text;
    for (const char* file : {"/words/launchers.txt", "/words/notices.txt", "/words/guide.txt",
                             "/words/readme.txt", "/docs/guide-ja.md"}) {
        ASSERT_TRUE(MyFunc::ReadFileBytes(std::string(T742_SOURCE_DIR) + file, text)) << file;
        EXPECT_EQ(text.find("ホスト"), std::string::npos) << file;
    }
    size_t at = 0;
    const std::string order[] = {"## 描きたいものとランチャー", "## 1. インストール",
                                 "## 2. 何も起きないとき", "## 付録 A.",
                                 tools::BeginMarker("tables")};
    for (const std::string& heading : order) {
        const size_t next = text.find(heading);
        EXPECT_NE(next, std::string::npos) << heading;
        EXPECT_GE(next, at) << heading << " comes too early";
        at = next;
    }
}

namespace {

// Points that give every step a drawable figure.
std::vector<std::pair<double, double>> PointsFor(int step) {
    switch (step) {
        case 4:
            return {{40, 0}, {0, 40}, {-28, -28}, {10, 0}, {3, 3}};
        case 5:
            return {{-40, -20}, {40, 20}, {20, 5}, {-30, 15}, {10, -20}};
        default:
            return {{0, 0}, {40, 0}, {15, 10}, {-10, 30}, {0, -30}};
    }
}

std::vector<std::string> RunWithPointMoved(int mode, int step, int moved) {
    FreshHost();
    Unit1::TForm1 form;
    form.Mode = mode;
    form.RememberedFigure.LastRadius = 30;
    form.RememberedFigure.LastFlatness = 1;
    form.RememberedFigure.LastInnerRadius = 10;
    form.RememberedFigure.LastArcAngle = 2;
    // Step 3's numbers by their role (the option is not among the number texts).
    const char* byRole[] = {"", "30", "15", "45", "300"};
    size_t k = 0;
    for (figures::NumberRole r : figures::NumbersRead(*figures::FindMode(mode)))
        if (r != figures::NumberRole::Option) form.NumberTexts[k++] = byRole[static_cast<int>(r)];
    const auto points = PointsFor(step);
    for (int n = 1; n <= 5; ++n) {
        const double shift = n == moved ? 1.25 : 0;
        Pick(n, points[n - 1].first + shift, points[n - 1].second - shift);
    }
    form.RunConstruction(step);
    return Output();
}

}  // namespace

TEST(Guide, StepsReadExactlyThePointsItNames) {
    for (int mode = 1; mode <= figures::kModeCount; ++mode) {
        for (int step = 1; step <= 5; ++step) {
            const auto base = RunWithPointMoved(mode, step, 0);
            ASSERT_FALSE(base.empty()) << mode << " " << step;
            const size_t read = figures::PointsRead(figures::FindMode(mode)->shape, step).size();
            for (int n = 1; n <= 5; ++n)
                EXPECT_EQ(RunWithPointMoved(mode, step, n) != base, static_cast<size_t>(n) <= read)
                    << "mode " << mode << " step " << step << " point " << n;
        }
    }
}
