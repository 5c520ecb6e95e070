#include <gtest/gtest.h>

#include "JwwGaibu/ExchangeReader.h"
#include "JwwGaibu/HostState.h"
#include "TestSupport.h"

using JwwGaibu::HostState;
using namespace t742test;

class Reader : public ::testing::Test {
  protected:
    void SetUp() override { JwwGaibu::InitHostState(); }
};

TEST_F(Reader, DefaultsWithoutLines) {
    const auto& h = HostState;
    EXPECT_EQ(h.PickedPointCount, 0);
    EXPECT_FALSE(h.PickedPoints[1].IsSet);
    EXPECT_EQ(h.AxisAngle, 0);
    EXPECT_EQ(h.PaperWidth * h.PaperHeight, 1189.0 * 841.0);
    for (int i = 1; i <= 10; ++i) {
        EXPECT_EQ(h.TextStyles[i].Width, 3.0);
        EXPECT_EQ(h.TextStyles[i].Color, 2);
    }
    EXPECT_EQ(h.CurrentFontName, "<\x82\x6c\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4e>");
    EXPECT_EQ(h.GroupScales[15], 1.0);
}

TEST_F(Reader, PickedPoints) {
    Parse({"hp1 10 20", "hp2ln 3 4", "hp3- 5 6", "hp4ci 1 1", "hp5ch 2 2", "hp0 9 9", "hp100 9 9",
           "hp6 7", "hp1 11 21"});
    const auto& p = HostState.PickedPoints;
    EXPECT_EQ(p[1].X, 11);
    EXPECT_EQ(p[1].Y, 21);
    EXPECT_EQ(p[1].Kind, 0);
    EXPECT_EQ(p[2].Kind, 2);
    EXPECT_EQ(p[2].X, 3);
    EXPECT_EQ(p[3].Kind, 1);
    EXPECT_EQ(p[4].Kind, 3);
    EXPECT_EQ(p[5].Kind, 4);
    EXPECT_FALSE(p[0].IsSet);
    EXPECT_FALSE(p[6].IsSet);
    EXPECT_EQ(HostState.PickedPointCount, 6);  // a repeated number counts again
}

TEST_F(Reader, SettingsLines) {
    Parse({"hk 30", "hk", "hzs 420 297", "hn 1 2 3 4", "bz",
           "hs 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16", "hcw 1 2 3 4 5 6 7 8 9 10",
           "hcc 1 2 3 4 5 6 7 8 9 10", "file=C:\\My Drawings\\plan a.zqd"});
    const auto& h = HostState;
    EXPECT_EQ(h.AxisAngle, 30);
    EXPECT_EQ(h.PaperWidth, 420);
    EXPECT_EQ(h.HnValues[4], 4);
    EXPECT_TRUE(h.BzFlag);
    EXPECT_EQ(h.GroupScales[15], 16);
    EXPECT_EQ(h.TextStyles[10].Width, 10);
    EXPECT_EQ(h.TextStyles[3].Color, 3);
    EXPECT_EQ(h.HostFileName, "C:\\My Drawings\\plan a.zqd");
}

TEST_F(Reader, Attributes) {
    Parse({"lgA", "ly3 7", "lgZ", "lc5", "lc10 255", "lc4 255", "lw3", "lw9", "lt2", "ccX", "cc7",
           "z1", "z3", "pn6", "lyn\x8a\x4f\x95\xc7", "cn$Gothic", "cn$Other"});
    const auto& h = HostState;
    EXPECT_EQ(h.FirstGroup, 10);
    EXPECT_EQ(h.CurrentGroup, 0);  // Z is no hexadecimal digit
    EXPECT_EQ(h.LayerValues[10 * 16 + 3], 7);
    EXPECT_EQ(h.DefaultColor, 5);
    EXPECT_EQ(h.CurrentColor, 4);
    EXPECT_EQ(h.CurrentRgb, 255);  // colour 4 leaves it alone
    EXPECT_EQ(h.DefaultWidth, 3);
    EXPECT_EQ(h.CurrentWidth, 9);
    EXPECT_EQ(h.TextCc, 7);
    EXPECT_EQ(h.ZFlags, 5);
    EXPECT_EQ(h.PointColor, 6);
    EXPECT_EQ(h.LayerNames[0 * 16 + 3], "\x8a\x4f\x95\xc7");
    EXPECT_EQ(h.DefaultFontName, "Gothic");
    EXPECT_EQ(h.CurrentFontName, "Other");
    Parse({"cc9"});  // outside 0..8
    EXPECT_EQ(h.TextCc, 0);
}

TEST_F(Reader, EntityOrderAndPolylines) {
    Parse(
        {"1 2 3 4", "ci 0 0 5", "pl", "5 6 7 8", "9 10 11 12", "ci 1 1 1 0 0 1 1", "13 14 15 16"});
    const auto& h = HostState;
    ASSERT_EQ(h.EntityOrder.size(), 6u);
    EXPECT_EQ(h.EntityOrder[0].Type, JwwGaibu::kLine);
    EXPECT_EQ(h.EntityOrder[1].Type, JwwGaibu::kCi);
    EXPECT_EQ(h.EntityOrder[2].Index, 1);
    EXPECT_EQ(h.EntityOrder[4].Type, JwwGaibu::kCiArc);
    EXPECT_EQ(h.Lines[0].X2, 3);
    EXPECT_EQ(h.Lines[0].PolylineNumber, 0);
    EXPECT_EQ(h.Lines[1].PolylineNumber, 1);
    EXPECT_EQ(h.Lines[2].PolylineNumber, 1);
    EXPECT_EQ(h.Lines[3].PolylineNumber, 0);  // the circle ended the run
}

TEST_F(Reader, CompoundAndTexts) {
    Parse({"cn0 4 5 0.5 3", "msg", "1 2 3 4", "cs 0 0 1 0 \"hello world\"", "ch 1 2 3 4 text",
           "cn10", "cv 1 2 3 4 styled"});
    const auto& h = HostState;
    EXPECT_TRUE(h.Lines.empty());
    ASSERT_EQ(h.Compounds.size(), 1u);
    EXPECT_EQ(h.Compounds[0].Line.X2, 3);
    EXPECT_EQ(h.Compounds[0].Text.Text, "hello world\"");  // only the first quote is dropped
    EXPECT_EQ(h.Compounds[0].Text.TextKind, 2);
    ASSERT_EQ(h.Texts.size(), 2u);
    EXPECT_EQ(h.Texts[0].Text, "text");
    EXPECT_EQ(h.Texts[0].Width, 4);  // free style 0
    EXPECT_EQ(h.Texts[0].Header.Color, 3);
    EXPECT_EQ(h.Texts[1].Width, 3);  // style 10, the last of the host's ten
    EXPECT_EQ(h.Texts[1].Header.Color, 2);
}

TEST_F(Reader, SolidsFromSl) {
    Parse({"sl 0 0 0 0 5 5", "sl 0 0 1 0 1 1 0 1", "sl 0 0 1 0 1 0 1 0", "sl 1 2 3 4", "sl 1 2 3",
           "se 1 2 3 1 0 0 6.28 100", "so 1 2 3 1 0 0 6.28 1", "sl 0 0 0 1e-10 7 7"});
    const auto& h = HostState;
    ASSERT_EQ(h.Solids2.size(), 4u);
    EXPECT_EQ(h.Solids2[3].X2, 7);  // points 1e-10 apart coincide
    EXPECT_EQ(h.Solids2[0].X2, 5);
    EXPECT_EQ(h.Solids2[1].X2, 1);  // P2 = P3 = P4
    EXPECT_EQ(h.Solids4.size(), 1u);
    ASSERT_EQ(h.Lines.size(), 1u);  // "sl" with four fields is a plain line from 0
    EXPECT_EQ(h.Lines[0].X1, 0);
    EXPECT_EQ(h.Lines[0].Y2, 3);
    EXPECT_EQ(h.SeSolids[0].Kind, 100);
    EXPECT_EQ(h.SoSolids[0].InnerRadius, 1);
}

TEST_F(Reader, Tokenizer) {
    // Blanks and tabs split; a quote or "=" stops splitting; control bytes vanish.
    Parse({"  hp1\t 10 \x01 20  "});  // trailing blanks make an empty last field: 4 fields
    EXPECT_TRUE(HostState.PickedPoints[1].IsSet);
    EXPECT_EQ(HostState.PickedPoints[1].Y, 20);
    Parse({"   ", "", "\t\t"});
    EXPECT_TRUE(HostState.Lines.empty());
    // A lead byte takes the next byte whatever it is, and is dropped at the end.
    JwwGaibu::InitHostState();
    Parse({"BL 1 2 \x81\x20name\x81"});
    ASSERT_EQ(HostState.Blocks.size(), 1u);
    EXPECT_EQ(HostState.Blocks[0].Name, "\x81\x20name");
}

TEST_F(Reader, MoreThan32Fields) {
    std::string line = "hs";
    for (int i = 0; i < 40; ++i) line += " " + std::to_string(i + 2);
    Parse({line});
    EXPECT_EQ(HostState.GroupScales[15], 17);
}

TEST_F(Reader, FileEndsAtCtrlZAndDropsLoneCr) {
    TempDir dir;
    dir.Write("x.txt", "hp1 1\r2 3\r\nhp2 5 6\n\x1ahp3 7 8\r\nhp4 9 9");
    EXPECT_TRUE(JwwGaibu::ReadExchangeFile(dir.File("x.txt")));
    EXPECT_EQ(HostState.PickedPoints[1].X, 12);
    EXPECT_EQ(HostState.PickedPoints[2].Y, 6);
    EXPECT_FALSE(HostState.PickedPoints[3].IsSet);
    EXPECT_FALSE(HostState.PickedPoints[4].IsSet);
    EXPECT_FALSE(JwwGaibu::ReadExchangeFile(dir.File("missing.txt")));
}

TEST_F(Reader, LinesLongerThanAChunk) {
    TempDir dir;
    std::string bytes(600000, 'x');
    bytes += "\r\nhp1 3 4\r\n";
    bytes += "hp2 " + std::string(300000, '1') + " 2";  // last line without a line end
    dir.Write("x.txt", bytes);
    EXPECT_TRUE(JwwGaibu::ReadExchangeFile(dir.File("x.txt")));
    EXPECT_EQ(HostState.PickedPoints[1].Y, 4);
    EXPECT_TRUE(HostState.PickedPoints[2].IsSet);
    EXPECT_EQ(HostState.PickedPoints[2].X, 0);  // out of range: 0
}
