#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "JwwGaibu/Emitters.h"
#include "JwwGaibu/HostState.h"
#include "JwwGaibu/Output.h"
#include "MyFunc/WriteFaults.h"
#include "TestSupport.h"

using namespace JwwGaibu;
using namespace t742test;
using Lines = std::vector<std::string>;

constexpr double kTwoPi = 6.283185307179586;

class OutputSide : public ::testing::Test {
  protected:
    void SetUp() override { FreshHost(); }
};

TEST_F(OutputSide, AttributeCommandsOnlyWhenChanged) {
    EmitLineColor(3, 1);
    EmitLineColor(3, 1);
    EmitLineWidth(-1);
    EmitLineWidth(0);
    EmitRgbColor(255);
    EmitRgbColor(255);
    EmitLineColor(10, 0);  // after an arbitrary colour, colour 10 is current already
    EmitLineColor(12, 1);
    EmitRgbColor(-5);
    EmitLineWidth(40000);
    EXPECT_EQ(Output(), (Lines{"lc3", "lw0", "lc10 255", "lc103", "lc10 0"}));
}

TEST_F(OutputSide, FreshFlagsForceTheFirstCommand) {
    HostState.DefaultColor = 7;
    HostState.DefaultWidth = 50000;
    EmitLineColor(1, 0);
    EmitLineColor(0, 1);
    EmitLineWidth(-1);
    ResetOutputState();
    EmitLineColor(7, 0);
    EmitLineWidth(30000);  // the widest the host takes
    EmitLineWidth(30001);
    EXPECT_EQ(Output(), (Lines{"lc1", "lc7", "lw0", "lc7", "lw30000", "lw0"}));
}

TEST_F(OutputSide, MapColorIndex) {
    HostState.DefaultColor = 4;
    EXPECT_EQ(MapColorIndex(0), 4);
    EXPECT_EQ(MapColorIndex(-3), 4);
    EXPECT_EQ(MapColorIndex(1), 1);
    EXPECT_EQ(MapColorIndex(9), 9);
    EXPECT_EQ(MapColorIndex(10), 101);
    EXPECT_EQ(MapColorIndex(21), 112);
}

TEST_F(OutputSide, SolidRecordsAndTheirChecks) {
    EmitSe(100, 10, 20, 5, 1, 0, 0, kTwoPi);
    EmitSc(-1, 0.00001, 0, 1, -0.5, 0, 0, 1);
    EmitSe(-1, 0, 0, 1, 1, 0, 0, 1);
    EmitSe(5, 0, 0, 1, 1, 0, 0, 1);
    EmitSc(7, 0, 0, 1, 1, 0, 0, 1);
    EmitSc(0, 0, 0, 1e-8, 1, 0, 0, 1);
    EmitSc(0, 0, 0, 1, 1e-8, 0, 0, 1);
    EmitSc(0, 0, 0, 1, -1e-8, 0, 0, 1);
    EmitSo(0, 0, 10, 1, 0, 0, kTwoPi, 10);
    EmitSo(0, 0, 10, 1, 0, 0, kTwoPi, 9.99999999995);
    EmitSo(0, 0, 10, 1, 0, 0, kTwoPi, 0);
    EmitSg(0, 0, 10, 1, 0, 0, kTwoPi, 5);
    EXPECT_EQ(Output(), (Lines{"se 10 20 5 1 0 0 6.28318530717959 100", "sc 1E-5 0 1 -0.5 0 0 1 -1",
                               "sg 0 0 10 1 0 0 6.28318530717959 5"}));
}

TEST_F(OutputSide, NonFiniteValuesAreNeverWritten) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EmitSe(100, inf, 0, 1, 1, 0, 0, 1);
    EmitSc(100, 0, 0, inf, 1, 0, 0, 1);
    EmitSc(100, 0, 0, 1, nan, 0, 0, 1);
    EmitSo(0, 0, 10, 1, nan, 0, 1, 5);
    EmitSg(0, 0, inf, 1, 0, 0, 1, 5);
    EXPECT_TRUE(Output().empty());
}

TEST_F(OutputSide, ExchangeFileBytes) {
    EXPECT_EQ(ExchangeFileBytes(), "hq\r\n");
    AppendOutputLine(std::string(300, 'a'));
    EXPECT_EQ(Output()[0].size(), 255u);
    HostState.OutputLines = {"ch 0 0 1 0 \"", "text", "", "a\"", "b\"", "c", "end\""};
    EXPECT_EQ(ExchangeFileBytes(), "ch 0 0 1 0 \"text\r\n\r\na\"b\"\r\nc\r\nend\"");
}

TEST_F(OutputSide, WriteReplacesOrRemovesTheFile) {
    TempDir dir;
    dir.Write("JWC_TEMP.TXT", "hp1 1 2\r\n");
    AppendOutputLine("lc1");
    EXPECT_TRUE(WriteExchangeFile(dir.File("JWC_TEMP.TXT")));
    EXPECT_EQ(dir.Read("JWC_TEMP.TXT"), "lc1\r\n");
    // A folder that cannot be written: the host's listing must not stay behind.
    EXPECT_FALSE(WriteExchangeFile(dir.File("missing/JWC_TEMP.TXT")));
    EXPECT_EQ(dir.Entries(), (Lines{"JWC_TEMP.TXT"}));
    // A write that fails halfway removes the listing and leaves no temporary file.
    MyFunc::SetWriteFailureStep(2);
    EXPECT_FALSE(WriteExchangeFile(dir.File("JWC_TEMP.TXT")));
    MyFunc::SetWriteFailureStep(0);
    EXPECT_TRUE(dir.Entries().empty());
}
