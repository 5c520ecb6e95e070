// A launcher's run that draws nothing tells the host why; a run that draws, or
// a plain run without the switch, answers exactly as before.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "Cp932Text.h"
#include "TestSupport.h"
#include "Unit1/Form.h"
#include "Unit1/HeadlessPlatform.h"
#include "Unit1/Notices.h"
#include "cp932iconv/Cp932Iconv.h"
#include "figures/Figure.h"
#include "figures/StepInputs.h"

using namespace t742test;
using Lines = std::vector<std::string>;

namespace {

std::string Points(const std::vector<std::pair<double, double>>& points) {
    std::string text = "hk 0\r\n";
    int n = 1;
    for (auto [x, y] : points)
        text +=
            "hp" + std::to_string(n++) + " " + std::to_string(x) + " " + std::to_string(y) + "\r\n";
    return text;
}

// Settings whose remembered figure has the radius and inner radius, flatness 1.
std::string RememberedSettings(const char* radius, const char* inner) {
    std::string dat;
    for (int line = 1; line <= 32; ++line)
        dat += std::string(line == 27   ? radius
                           : line == 29 ? inner
                           : line == 28 ? "1"
                                        : "0") +
               "\r\n";
    return dat;
}

}  // namespace

TEST(Notice, SaysWhatWasWrongAndWhatToDo) {
    const std::string on = "t742：";
    struct Case {
        Lines Args;
        std::string Exchange;
        std::string Notice;  // UTF-8, after the program's name; empty: none
        std::string Settings = "";
    };
    const std::string line3 = Points({{0, 0}, {10, 10}, {5, 5}, {3, 0}});
    const Case cases[] = {
        {{"1", "4"},
         line3,
         "3点が一直線上にあるか重なっていて、円が決まりません。3点を指示し直してください。"},
        {{"8", "4", "1"},
         line3,
         "3点が一直線上にあるか重なっていて、円が決まりません。3点を指示し直してください。"},
        // Three points so close that their circle has no size: the points are the fault.
        {{"1", "4"},
         Points({{0, 0}, {1e-9, 0}, {0, 1e-9}}),
         "3点が一直線上にあるか重なっていて、円が決まりません。3点を指示し直してください。"},
        {{"7", "4", "0"},
         Points({{10, 0}, {-10, 0}, {0, 10}, {20, 0}}),
         "内側円半径が半径以上です。内側円周上の点を円周より内側に指示してください。"},
        {{"2", "4"},
         Points({{1, 1}, {1, 1}, {1, 1}}),
         "3点が一直線上にあるか重なっていて、円が決まりません。3点を指示し直してください。"},
        {{"1", "3", "0"},
         line3,
         "半径が 0 以下です。0 より大きい半径を半角数字で入力してください。"},
        {{"4", "3", "0", "10", "20"},
         line3,
         "半径が 0 以下です。0 より大きい半径を半角数字で入力してください。"},
        // Smaller than the host draws.
        {{"1", "3", "0.000000005"},
         line3,
         "半径が 0 以下です。0 より大きい半径を半角数字で入力してください。"},
        {{"7", "3", "1", "40", "40"},
         line3,
         "内側円半径が半径以上です。半径より小さい正の内側円半径を半角数字で入力してください。"},
        {{"7", "3", "0", "40", "0"},
         line3,
         "内側円半径が 0 以下です。半径より小さい正の内側円半径を半角数字で入力してください。"},
        {{"1", "1"},
         Points({{2, 2}, {2, 2}}),
         "半径が 0 以下です。中心から離れた円周上の点を指示してください。"},
        {{"7", "1", "0"},
         Points({{0, 0}, {10, 0}, {0, 0}}),
         "内側円半径が 0 以下です。中心から離れた内側円周上の点を指示してください。"},
        {{"8", "1", "0"},
         Points({{0, 0}, {10, 0}, {20, 0}, {0, 1}, {1, 0}}),
         "内側円半径が半径以上です。内側円周上の点を円周より内側に指示してください。"},
        {{"3", "5"},
         Points({{0, 0}, {10, 0}}),
         "矩形の幅か高さが 0 です。軸角の向きの矩形の対角の2点を指示し直してください。"},
        {{"8", "2", "0"},
         line3,
         "前回の図形はリングではないか、その内側円（半径 50）が外側（半径 30）に収まりません。"
         "リングをほかの作図方法で一度作図してから、選び直してください。",
         RememberedSettings("30", "50")},
        {{"1", "2"},
         line3,
         "前回の図形の半径が 0 以下です。ほかの作図方法で一度作図してください。",
         RememberedSettings("0", "0")},
        {{"1", "1"},
         Points({{-1e308, 0}, {1e308, 0}}),
         "数値が大きすぎます。点を指示し直してください。"},
        {{"1", "3", "1e308"}, line3, ""},
        // Drawn: no notice.
        {{"1", "3", "25"}, line3, ""},
        {{"6", "4"}, Points({{10, 0}, {-10, 0}, {0, 10}}), ""},
        {{"7", "5", "1"}, Points({{-40, -20}, {40, 20}, {20, 5}}), ""},
    };
    for (const Case& c : cases) {
        Installed plain, asked;
        for (const Installed* t : {&plain, &asked}) {
            t->Write("JWC_TEMP.TXT", c.Exchange);
            if (!c.Settings.empty()) t->Write("t742.dat", c.Settings);
        }
        Lines args = c.Args;
        ASSERT_EQ(plain.Run(args), 0);
        args.insert(args.begin(), Unit1::kExplainSwitch);
        ASSERT_EQ(asked.Run(args), 0);
        Lines expected = plain.ExchangeLines();
        if (!c.Notice.empty()) expected.insert(expected.begin(), "he" + Cp932(on + c.Notice));
        EXPECT_EQ(asked.ExchangeLines(), expected) << ::testing::PrintToString(c.Args);
        EXPECT_EQ(asked.Read("t742.dat"), plain.Read("t742.dat"));
    }
}

// OK in the dialog explains too: a hole not inside the figure, a flatness that
// cannot be read.
TEST(Notice, DialogOkExplainsWhatItsValuesCannotDraw) {
    struct Case {
        const char* Mode;
        void (*Edit)(Unit1::TForm1&);
        std::string Notice;
    };
    const Case cases[] = {
        {"7", [](Unit1::TForm1& f) { f.EditA6.Text = "100"; },
         "内側円半径が半径以上です。ダイアログで半径より小さい正の内側円半径を入力してください。"},
        {"2", [](Unit1::TForm1& f) { f.EditB2.Text = "abc"; },
         "「abc」は数値として読めません。半角数字で入力してください。"},
        {"2", [](Unit1::TForm1& f) { f.EditB2.Text = "0 5"; },
         "「0 5」は数値として読めません。半角数字で入力してください。"},
        // Quoted up to 16 bytes, in whole characters.
        {"2", [](Unit1::TForm1& f) { f.EditB2.Text = Cp932("ｂｂｂｂｂｂｂｂｂ"); },
         "「ｂｂｂｂｂｂｂｂ」は数値として読めません。半角数字で入力してください。"},
        {"2", [](Unit1::TForm1& f) { f.EditB2.Text = "abcdefghijklmnopq"; },
         "「abcdefghijklmnop」は数値として読めません。半角数字で入力してください。"},
        {"2", [](Unit1::TForm1& f) { f.EditB2.Text = "abcdefghijklmno" + Cp932("ｂ"); },
         "「abcdefghijklmno」は数値として読めません。半角数字で入力してください。"},
        {"2", [](Unit1::TForm1& f) { f.EditB2.Text = "a\tb\x01"; },
         "「ab」は数値として読めません。半角数字で入力してください。"},
        {"2", [](Unit1::TForm1& f) { f.EditB2.Text = "0"; },
         "偏平率が 0 です。ダイアログで 0 より大きい偏平率を入力してください。"},
        {"1", [](Unit1::TForm1& f) { f.EditA1.Text = ""; },
         "半径が 0 以下です。ダイアログで 0 より大きい半径を入力してください。"},
        {"8", [](Unit1::TForm1& f) { f.EditB5.Text = "x"; }, ""},  // a tilt never stops it
    };
    for (const Case& c : cases) {
        TempDir dir;
        dir.Write("JWC_TEMP.TXT", "hp1 5 5\r\n");
        Unit1::HeadlessPlatform platform;
        platform.UserActions = [&](Unit1::TForm1& f) {
            c.Edit(f);
            f.Button1Click();
        };
        Unit1::TForm1 form;
        form.Platform = &platform;
        form.FormShow(dir.File("t742"), {Unit1::kExplainSwitch, c.Mode, "6", "0"});
        const Lines out = SplitCrLf(dir.Read("JWC_TEMP.TXT"));
        ASSERT_FALSE(out.empty());
        if (c.Notice.empty())
            EXPECT_NE(out.front().rfind("lc", 0), std::string::npos) << c.Mode;
        else
            EXPECT_EQ(out.front(), "he" + Cp932("t742：" + c.Notice)) << c.Mode;
    }
}

// Random runs, with degenerate picks and unreadable or zero numbers now and
// then: with the switch, a run that drew answers exactly as without it, and one
// that drew nothing answers the same behind one "he" line; the settings are
// the same either way. A run whose step reads a number that is not one is
// refused before its construction: the notice, no figure, no settings written.
TEST(Notice, RandomRunsDifferOnlyByTheNoticeOfNothingDrawn) {
    std::mt19937 rng(4742);
    auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    auto number = [&]() -> std::string {
        switch (below(8)) {
            case 0:
                return "0";
            case 1:
                return "x1";
            case 2:
                return "-" + std::to_string(below(50));
            default:
                return std::to_string(below(120)) + "." + std::to_string(below(10));
        }
    };
    int notices = 0, drawn = 0, refused = 0;
    for (int i = 0; i < 120; ++i) {
        const int mode = 1 + below(8), step = 1 + below(5);
        std::vector<std::pair<double, double>> points;
        for (int n = 0; n < 5; ++n) {
            const double x = below(5) == 0 && n > 0 ? points[0].first : below(41) - 20;
            points.push_back({x, below(4) == 0 ? x : below(41) - 20});  // now and then on a line
        }
        Lines args{std::to_string(mode), std::to_string(step)};
        if (figures::FindMode(mode)->TakesOption) args.push_back(std::to_string(below(2)));
        for (int n = 0; n < 4; ++n) args.push_back(number());
        Installed plain, asked;
        plain.Write("JWC_TEMP.TXT", Points(points));
        asked.Write("JWC_TEMP.TXT", Points(points));
        ASSERT_EQ(plain.Run(args), 0);
        Lines explained = args;
        explained.insert(explained.begin(), Unit1::kExplainSwitch);
        ASSERT_EQ(asked.Run(explained), 0);
        Lines expected = plain.ExchangeLines();
        Lines got = asked.ExchangeLines();
        const bool any = std::any_of(expected.begin(), expected.end(),
                                     [](const std::string& l) { return l.rfind("s", 0) == 0; });
        const std::string what = ::testing::PrintToString(args);
        // The numbers step 3 reads: the first ones after the option.
        Lines read;
        for (figures::NumberRole r : figures::NumbersRead(*figures::FindMode(mode)))
            if (r != figures::NumberRole::Option)
                read.push_back(args[args.size() - 4 + read.size()]);
        if (step == 3 && std::count(read.begin(), read.end(), "x1") > 0) {
            ASSERT_FALSE(got.empty()) << what;
            EXPECT_EQ(
                got.front(),
                "he" + Cp932("t742：「x1」は数値として読めません。半角数字で入力してください。"))
                << what;
            got.erase(got.begin());
            expected.erase(
                std::remove_if(expected.begin(), expected.end(),
                               [](const std::string& l) { return l.rfind("s", 0) == 0; }),
                expected.end());
            EXPECT_EQ(got, expected) << what;
            EXPECT_FALSE(asked.Exists("t742.dat")) << what;
            ++refused;
            continue;
        }
        if (!any) {
            ASSERT_FALSE(got.empty()) << what;
            EXPECT_EQ(got.front().rfind("he" + Cp932("t742："), 0), 0u) << what;
            EXPECT_EQ(got.front().find(Cp932("図形を作図できませんでした")), std::string::npos)
                << what << ": a reason every such run must have";
            got.erase(got.begin());
            ++notices;
        } else {
            ++drawn;
        }
        EXPECT_EQ(got, expected) << what;
        EXPECT_EQ(asked.Read("t742.dat"), plain.Read("t742.dat")) << what;
    }
    EXPECT_GT(notices, 10);
    EXPECT_GT(drawn, 10);
    EXPECT_GT(refused, 3);
}
