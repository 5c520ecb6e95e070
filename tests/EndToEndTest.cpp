// The built program run as the host runs it: a copy in a folder of its own,
// JWC_TEMP.TXT beside it, the settings file written back.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "TestSupport.h"
#include "figures/Figure.h"

using namespace t742test;
using Lines = std::vector<std::string>;

namespace {

// A drawing with five picked points and a few entities of its own.
const char* const kSample =
    "hk 0\r\nlc2\r\nlw3\r\n0 0 100 0\r\nci 50 50 20\r\n"
    "hp1 0 0\r\nhp2 10 4\r\nhp3- 7 2\r\nhp4ln 10 2\r\nhp5 5 4\r\n";

bool WellFormed(const Lines& lines) {
    for (const auto& l : lines) {
        const std::string k = l.substr(0, 3);
        if (l.rfind("lc", 0) != 0 && l.rfind("lw", 0) != 0 && k != "se " && k != "sc " &&
            k != "so " && k != "sg " && l != "hq")
            return false;
    }
    return !lines.empty();
}

}  // namespace

TEST(EndToEnd, WorkedExample) {
    Installed t;
    t.Write("JWC_TEMP.TXT", "hk 0\r\nhp1 10 20\r\n");
    EXPECT_EQ(t.Run({"1", "3", "25"}), 0);
    EXPECT_EQ(t.Read("JWC_TEMP.TXT"), "lc1\r\nlw0\r\nse 10 20 25 1 0 0 6.28318530717959 100\r\n");
    const Lines settings = SplitCrLf(t.Read("t742.dat"));
    ASSERT_EQ(settings.size(), 32u);
    EXPECT_EQ(settings[0], "10");
    EXPECT_EQ(settings[26], "25");
    EXPECT_EQ(settings[31], "6.28318530717959");
    Lines expected{"JWC_TEMP.TXT", kProgramName, "t742.dat"};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(t.Entries(), expected);
}

TEST(EndToEnd, EveryModeAndStep) {
    // Step 3's numbers for each mode (modes 7 and 8 take their option first).
    const std::vector<Lines> numbers = {{},
                                        {"25"},
                                        {"10", "0", "90"},
                                        {"25"},
                                        {"10", "0", "90"},
                                        {"10", "0", "90"},
                                        {"10", "0", "270"},
                                        {"1", "40", "20"},
                                        {"0", "40", "20", "0", "90"}};
    // The picked point each step reads last, where t742.dat remembers the
    // figure: points 1 and 2 of a circle, then its hole, then its two
    // directions; three points and a hole; two corners, a hole, two directions.
    const int lastPoint[9][6] = {{},
                                 {0, 2, 1, 1, 3, 2},
                                 {0, 4, 1, 1, 3, 4},
                                 {0, 2, 1, 1, 3, 2},
                                 {0, 4, 1, 1, 3, 4},
                                 {0, 4, 1, 1, 3, 4},
                                 {0, 4, 1, 1, 3, 4},
                                 {0, 3, 1, 1, 4, 3},
                                 {0, 5, 1, 1, 4, 5}};
    const Lines pointX{"", "0", "10", "7", "10", "5"}, pointY{"", "0", "4", "2", "2", "4"};
    for (int mode = 1; mode <= 8; ++mode) {
        for (int step = 1; step <= 5; ++step) {
            Installed t;
            t.Write("JWC_TEMP.TXT", kSample);
            Lines args{std::to_string(mode), std::to_string(step)};
            if (step == 3)
                args.insert(args.end(), numbers[mode].begin(), numbers[mode].end());
            else if (figures::FindMode(mode)->TakesOption)
                args.push_back(mode == 7 ? "1" : "0");
            ASSERT_EQ(t.Run(args), 0);
            const Lines out = t.ExchangeLines();
            EXPECT_TRUE(WellFormed(out)) << mode << " " << step;
            EXPECT_EQ(out.at(0), "lc2") << "the host's own first colour";
            EXPECT_EQ(out.at(1), "lw3");
            const Lines settings = SplitCrLf(t.Read("t742.dat"));
            ASSERT_EQ(settings.size(), 32u);
            const int last = lastPoint[mode][step];
            EXPECT_EQ(Lines(settings.begin(), settings.begin() + 2),
                      (Lines{pointX[last], pointY[last]}))
                << mode << " " << step;
        }
    }
}

TEST(EndToEnd, SelectedFiguresToTheLastDigit) {
    struct Case {
        Lines args;
        Lines figure;
    };
    const Case cases[] = {
        {{"1", "1"}, {"se 0 0 10.770329614269 1 0 0 6.28318530717959 100"}},
        {{"1", "5"}, {"se 5 2 5 0.4 0 0 6.28318530717959 100"}},
        {{"2", "5"}, {"se 5 2 5 0.4 0 0 6.28318530717959 100"}},  // points 3 and 4 in one direction
        {{"5", "3", "10", "0", "90"}, {"sc 0 0 10 1 0 0 1.5707963267949 5"}},
        {{"6", "3", "10", "0", "180"},
         {"sc 0 0 10 1 0 0 1.5707963267949 -1",
          "sc 0 0 10 1 0 1.5707963267949 1.5707963267949 -1"}},
        {{"7", "3", "1", "40", "20"}, {"sg 0 0 40 1 0 0 6.28318530717959 20"}},
        {{"7", "5"}, {"so 5 2 5 0.4 0 0 6.28318530717959 2"}},
        {{"8", "3", "1", "40", "20", "0", "90"}, {"sg 0 0 40 1 0 0 1.5707963267949 20"}},
        {{"8", "3", "0", "40", "20", "0", "360"}, {"so 0 0 40 1 0 0 6.28318530717959 20"}},
        {{"8", "5"}, {"so 5 2 5 0.4 0 0 1.5707963267949 2"}},
    };
    for (const Case& c : cases) {
        Installed t;
        t.Write("JWC_TEMP.TXT", kSample);
        ASSERT_EQ(t.Run(c.args), 0);
        Lines expected{"lc2", "lw3"};
        expected.insert(expected.end(), c.figure.begin(), c.figure.end());
        EXPECT_EQ(t.ExchangeLines(), expected) << ::testing::PrintToString(c.args);
    }
}

TEST(EndToEnd, RememberedFigureCarriesOverBetweenModes) {
    Installed t;
    auto run = [&t](const Lines& args, const std::string& exchange) {
        t.Write("JWC_TEMP.TXT", exchange);
        EXPECT_EQ(t.Run(args), 0);
        const Lines out = t.ExchangeLines();
        return Lines(out.begin() + 2, out.end());
    };
    EXPECT_EQ(run({"8", "3", "1", "40", "20", "0", "90"}, "hp1 0 0\r\n"),
              (Lines{"sg 0 0 40 1 0 0 1.5707963267949 20"}));
    // Mode 6 repeats the partial ring's arc in pieces at a new point.
    EXPECT_EQ(run({"6", "2"}, "hp1 5 5\r\n"), (Lines{"sc 5 5 40 1 0 0 1.5707963267949 -1"}));
    EXPECT_EQ(run({"7", "2"}, "hp1 1 1\r\n"), (Lines{"so 1 1 40 1 0 0 6.28318530717959 20"}));
    EXPECT_EQ(run({"3", "2"}, "hp1 2 2\r\n"), (Lines{"sc 2 2 40 1 0 0 6.28318530717959 100"}));
    EXPECT_EQ(run({"1", "3", "30"}, "hp1 0 0\r\n"),
              (Lines{"se 0 0 30 1 0 0 6.28318530717959 100"}));
    // The hole of the partial ring outlives the full circle that came after it.
    EXPECT_EQ(run({"8", "2"}, "hp1 0 0\r\n"), (Lines{"so 0 0 30 1 0 0 6.28318530717959 20"}));
}

TEST(EndToEnd, NothingToDrawWritesHq) {
    Installed t;
    t.Write("JWC_TEMP.TXT", "hp1 0 0\r\n");
    t.Write("t742.dat", "0\r\n0\r\n0\r\n1\r\n65280\r\n25\r\n");
    EXPECT_EQ(t.Run({"1", "3", "-5"}), 0);
    EXPECT_EQ(t.ExchangeLines(), (Lines{"lc10 65280", "lw25"}));
#ifndef _WIN32  // t742.exe always has its window; that start is tested under a display
    EXPECT_EQ(t.Run({"1", "9"}), 0);  // invalid step, no window here: closed as by its close box
    EXPECT_EQ(t.ExchangeLines(), (Lines{"hq"}));
#endif
}

TEST(EndToEnd, HostileFilesNeverBreakARun) {
    std::mt19937 rng(7);
    std::vector<std::string> inputs = {
        "",  // an empty exchange file and an empty settings file
        std::string("\0\0hp1 1 2\0\r\n\0", 14),
        "hp1 10 20\r\n" + std::string(10 * 1024 * 1024, 'a') + "\r\nhp2 3 4\r\n",
        "hp1 \x82\r\nhp2 1 \x82",  // truncated double-byte characters
        std::string(100000, '\r'),
        "\x1a",
    };
    std::string garbage(1 << 20, '\0');
    for (auto& c : garbage) c = static_cast<char>(rng());
    inputs.push_back(garbage);
    std::string manyFields = "hs";
    for (int i = 0; i < 100000; ++i) manyFields += " 1";
    inputs.push_back(manyFields);
    for (const auto& input : inputs) {
        Installed t;
        t.Write("JWC_TEMP.TXT", input);
        t.Write("t742.dat", input);
        ASSERT_EQ(t.Run({"8", "1", "1"}), 0);
        EXPECT_TRUE(WellFormed(t.ExchangeLines()));
        EXPECT_EQ(SplitCrLf(t.Read("t742.dat")).size(), 32u);
    }
}

TEST(EndToEnd, FailingWritesKeepThePreviousFiles) {
    const std::string settings = "1\r\n2\r\n";
    // Steps: settings create, write, close, rename; then the same for the exchange file.
    for (int step = 1; step <= 8; ++step) {
        Installed t(T742_FAULTS_BINARY);
        t.Write("JWC_TEMP.TXT", "hp1 0 0\r\n");
        t.Write("t742.dat", settings);
        ASSERT_EQ(t.Run({"1", "3", "5"}, {"T742_FAIL_WRITE_STEP=" + std::to_string(step)}), 0);
        const std::string dat = t.Read("t742.dat");
        if (step <= 4)
            EXPECT_EQ(dat, settings) << step;
        else
            EXPECT_EQ(SplitCrLf(dat).size(), 32u) << step;
        if (step > 4)
            EXPECT_FALSE(t.Exists("JWC_TEMP.TXT")) << step;
        else
            EXPECT_EQ(t.ExchangeLines().size(), 3u) << step;
        EXPECT_EQ(t.Entries().size(), step > 4 ? 2u : 3u) << "no temporary file is left";
    }
}
