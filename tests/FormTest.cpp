// The form's handlers, the settings file and the list files, without a window.
#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "JwwGaibu/HostState.h"
#include "TestSupport.h"
#include "Unit1/EditCombo.h"
#include "Unit1/Form.h"
#include "Unit1/HeadlessPlatform.h"

using Unit1::TForm1;
using namespace t742test;
using Lines = std::vector<std::string>;

namespace {

class Form : public ::testing::Test {
  protected:
    TempDir dir;
    Unit1::HeadlessPlatform platform;
    TForm1 form;

    Form() { form.Platform = &platform; }
    void Show(const Lines& args) { form.FormShow(dir.File("t742"), args); }
    Lines Exchange() const { return SplitCrLf(dir.Read("JWC_TEMP.TXT")); }
    Lines Settings() const { return SplitCrLf(dir.Read("t742.dat")); }
};

}  // namespace

TEST(CommandLine, ModesStepsOptionsAndNumbers) {
    struct Case {
        Lines args;
        bool dialog;
        int mode, step, option;
        std::array<std::string, 4> numbers;
    };
    const Case cases[] = {
        {{}, true, 0, 0, 0, {}},
        {{"1"}, true, 0, 0, 0, {}},
        {{"1", "3", "25"}, false, 1, 3, 0, {"25", "", "", ""}},
        {{"2", "6"}, true, 2, 6, 0, {}},
        {{"1", "7"}, true, 1, 7, 0, {}},
        {{"9", "3"}, true, 0, 0, 0, {}},
        {{"0", "1"}, true, 0, 0, 0, {}},
        {{"x", "1"}, true, 0, 0, 0, {}},
        {{"7", "3", "1", "40", "20"}, false, 7, 3, 1, {"40", "20", "", ""}},
        {{"7", "3"}, false, 7, 3, 0, {}},
        {{"8", "3", "0", "1", "2", "3", "4", "5"}, false, 8, 3, 0, {"1", "2", "3", "4"}},
        {{"7", "3", "0", "1", "2", "3", "4", "5"}, false, 7, 3, 0, {"1", "2", "3", "4"}},
        {{"2", "3", "1", "2", "3", "4"}, false, 2, 3, 0, {"1", "2", "3", ""}},
        {{"-3", "3", "1"}, true, 0, 0, 0, {"1", "", "", ""}},
    };
    for (const Case& c : cases) {
        TForm1 form;
        form.ParseCommandLine(c.args);
        const std::string what = ::testing::PrintToString(c.args);
        EXPECT_EQ(form.ShowDialog, c.dialog) << what;
        EXPECT_EQ(form.Mode, c.mode) << what;
        EXPECT_EQ(form.Step, c.step) << what;
        EXPECT_EQ(form.ModeOption, c.option) << what;
        EXPECT_EQ(form.NumberTexts, c.numbers) << what;
    }
}

TEST_F(Form, NoArgumentsOpensTheSettingsPage) {
    dir.Write("JWC_TEMP.TXT", "hk 30.5\r\n");
    platform.UserActions = [](TForm1& f) {
        EXPECT_EQ(f.ActivePage, 0);
        EXPECT_EQ(f.FocusedControl, "ComboBox1");
        EXPECT_TRUE(f.GroupBoxA.Enabled && f.GroupBoxB.Enabled);
        EXPECT_EQ(f.LabelA1.Caption,
                  "\x8e\xb2\x8a\x70\x81\x46"
                  "30.5\x81\x8b");
        EXPECT_EQ(f.ComboBox1.Items.size(), 266u);
        EXPECT_EQ(f.ComboBox1.Items[9],
                  "\x90\xfc\x90\x46"
                  "9");
        EXPECT_EQ(f.ComboBox1.Items[265], "SXF-256");
        EXPECT_EQ(f.ComboBox3.Text, "");
        f.Button1Click();
    };
    Show({});
    EXPECT_EQ(platform.ShownAt.X, 400 - 210);
    EXPECT_EQ(platform.ShownAt.Y, 300 - 130);
    EXPECT_EQ(dir.Read("JWC_TEMP.TXT"), "hk 30.5\r\n");  // untouched without arguments
    EXPECT_EQ(dir.Read("t318.lst"), "0\r\n");
    EXPECT_EQ(dir.Read("t742.lst"), "0\r\n");
    EXPECT_EQ(Settings().size(), 32u);
}

TEST_F(Form, StepSixOnTheArcPageRunsTheArcFromTheDialog) {
    dir.Write("JWC_TEMP.TXT", "hp1 10 20\r\n");
    platform.UserActions = [](TForm1& f) {
        EXPECT_EQ(f.ActivePage, 2);
        EXPECT_FALSE(f.GroupBoxA.Enabled);
        EXPECT_EQ(f.GroupBoxA.Color, 0xC0C0C0);
        EXPECT_TRUE(f.GroupBoxB.Enabled);
        f.EditB8.Text = "90";
        f.ComboBox3.Text = "25";
        f.ComboBox1.ItemIndex = 3;
        f.Button1Click();
    };
    Show({"2", "6"});
    EXPECT_EQ(Exchange(), (Lines{"lc3", "lw25", "se 10 20 100 1 0 0 1.5707963267949 0"}));
    const auto s = Settings();
    EXPECT_EQ(s[2], "3");
    EXPECT_EQ(s[5], "25");
    EXPECT_EQ(s[22], "90");
    EXPECT_EQ(s[31], "1.5707963267949");
}

TEST_F(Form, InvalidStepEmitsOnlyColourAndWidth) {
    platform.UserActions = [](TForm1& f) {
        EXPECT_EQ(f.ActivePage, 0);  // pages as designed
        f.Button1Click();
    };
    Show({"1", "7"});
    EXPECT_EQ(Exchange(), (Lines{"lc1", "lw0"}));
}

TEST_F(Form, InvalidModeStillWritesTheExchangeFile) {
    dir.Write("JWC_TEMP.TXT", "hp1 10 20\r\n");
    platform.UserActions = [](TForm1& f) { f.Button1Click(); };
    Show({"9", "3"});
    EXPECT_EQ(Exchange(), (Lines{"hq"}));
}

TEST_F(Form, CancelKeepsOnlyListEdits) {
    dir.Write("t742.dat", "1\r\n2\r\n");
    platform.UserActions = [](TForm1& f) {
        f.EditA1.Text = "55";
        f.Button5Click();
        f.Button2Click();
    };
    Show({"1", "6"});
    EXPECT_EQ(dir.Read("t742.dat"), "1\r\n2\r\n");
    EXPECT_EQ(SplitCrLf(dir.Read("t742.lst")),
              (Lines{"1", "S=0 A=55 B=0 C=0 D=0 E=0 J=0 F=0 G=0 H=360"}));
    EXPECT_EQ(Exchange(), (Lines{"hq"}));
}

TEST_F(Form, CloseBoxSavesNothing) {
    platform.UserActions = [](TForm1& f) {
        f.Button3Click();
        f.CloseBox();
    };
    Show({"1", "6"});
    EXPECT_EQ(dir.Entries(), (Lines{"JWC_TEMP.TXT"}));
    EXPECT_EQ(platform.CloseCount, 1);
}

TEST_F(Form, WithoutAWindowTheDialogActsAsClosed) {
    form.Platform = nullptr;
    Show({"2", "6"});
    EXPECT_EQ(dir.Entries(), (Lines{"JWC_TEMP.TXT"}));
    EXPECT_EQ(Exchange(), (Lines{"hq"}));
}

TEST_F(Form, AWindowGoneWithoutACloseEventActsAsClosed) {
    platform.UserActions = [](TForm1&) {};
    Show({"2", "6"});
    EXPECT_EQ(dir.Entries(), (Lines{"JWC_TEMP.TXT"}));
    EXPECT_EQ(Exchange(), (Lines{"hq"}));
}

// The settings file sits beside the program, named after it.
TEST_F(Form, SettingsFileIsNamedAfterTheProgram) {
    const std::pair<const char*, const char*> cases[] = {
        {"/cad/t742", "/cad/t742.dat"},
        {"/cad.v2/t742", "/cad.v2/t742.dat"},
        {"C:\\CAD\\t742.exe", "C:\\CAD\\t742.dat"},
        {"C:\\CAD.v2\\t742", "C:\\CAD.v2\\t742.dat"},
        {"t742.exe", "t742.dat"},
    };
    platform.UserActions = [](TForm1& f) { f.CloseBox(); };
    for (const auto& [program, settings] : cases) {
        form.FormShow(program, {});
        EXPECT_EQ(form.SettingsPath, settings) << program;
    }
}

TEST_F(Form, SilentRunNeverShowsTheWindow) {
    dir.Write("JWC_TEMP.TXT", "hp1 10 20\r\n");
    Show({"1", "3", "25"});
    EXPECT_EQ(platform.ShowCount, 0);
    EXPECT_TRUE(form.Minimised);
    EXPECT_EQ(Exchange(), (Lines{"lc1", "lw0", "se 10 20 25 1 0 0 6.28318530717959 100"}));
}

TEST_F(Form, SettingsDefaultsAndShortFiles) {
    form.SettingsPath = dir.File("t742.dat");
    form.RgbColor = 0x123456;  // nothing of a form's earlier state survives a load
    form.LoadSettings();
    EXPECT_EQ(form.RgbColor, 0);
    EXPECT_EQ(form.RememberedFigure.LastRadius, 100);
    EXPECT_EQ(form.LineWidth, -1);
    EXPECT_EQ(form.EditB8.Text, "360");
    EXPECT_TRUE(form.RBA1.Checked);

    dir.Write("t742.dat", "1E-5\r\n2\r\n3\r\n1\r\n255\r\n-1\r\n");
    form.LoadSettings();
    EXPECT_EQ(form.RememberedFigure.LastPointX, 1e-5);
    EXPECT_EQ(form.ColorIndex, 3);
    EXPECT_EQ(form.RgbColor, 255);
    EXPECT_EQ(form.LineWidth, -1);
    EXPECT_EQ(form.EditA1.Text, "");
    EXPECT_FALSE(form.RBA1.Checked || form.RBA2.Checked || form.CBB1.Checked);
    EXPECT_EQ(form.RememberedFigure.LastRadius, 0);
    EXPECT_EQ(form.RememberedFigure.LastInnerRadius, 0);
}

// The dialog shows the stored colour (selected only when the list has it), the
// RGB choice and the width (0 is a width), and OK keeps what it showed.
TEST_F(Form, TheDialogShowsTheStoredColourAndWidth) {
    struct Case {
        int ColorIndex, UseRgbColor, LineWidth;
        int Selected;
        std::string Width;
    };
    const Case cases[] = {
        {265, 0, 0, 265, "0"}, {266, 1, -1, -1, ""}, {-1, 0, 5, -1, "5"}, {0, 1, 1, 0, "1"}};
    form.ExeFolder = dir.Path() + "/";
    form.SettingsPath = dir.File("t742.dat");
    for (const Case& c : cases) {
        form.ColorIndex = c.ColorIndex;
        form.UseRgbColor = c.UseRgbColor;
        form.LineWidth = c.LineWidth;
        form.PrepareDialog();
        EXPECT_EQ(form.ComboBox1.ItemIndex, c.Selected) << c.ColorIndex;
        EXPECT_EQ(form.CheckBox1.Checked, c.UseRgbColor == 1);
        EXPECT_EQ(form.ComboBox3.Text, c.Width) << c.LineWidth;
        form.Closed = false;
        form.Button1Click();
        EXPECT_EQ(form.ColorIndex, c.Selected);
        EXPECT_EQ(form.UseRgbColor, c.UseRgbColor);
        EXPECT_EQ(form.LineWidth, c.LineWidth);
    }
    // The axis angle as the label shows it: six decimals at most, no trailing zeros.
    const std::pair<double, const char*> angles[] = {
        {30.5, "30.5"}, {-12.3456789, "-12.345679"}, {0, "0"}, {123456.1234567, "123456.123457"}};
    for (const auto& [angle, shown] : angles) {
        JwwGaibu::HostState.AxisAngle = angle;
        form.PrepareDialog();
        EXPECT_EQ(form.LabelA1.Caption,
                  "\x8e\xb2\x8a\x70\x81\x46" + std::string(shown) + "\x81\x8b");
    }
}

TEST_F(Form, SettingsRoundTripAndRadioPairs) {
    form.SettingsPath = dir.File("t742.dat");
    Lines lines(32, "7");
    lines[12] = lines[13] = "1";    // both radio lines on: the second wins
    lines[23] = lines[24] = "0";    // both off: neither checked
    lines[6] = "\x82\x50\x82\x4f";  // edits keep their bytes
    std::string bytes;
    for (const auto& l : lines) bytes += l + "\n";  // a lone LF is accepted
    dir.Write("t742.dat", bytes);
    form.LoadSettings();
    EXPECT_FALSE(form.RBA1.Checked);
    EXPECT_TRUE(form.RBA2.Checked);
    EXPECT_FALSE(form.RBB1.Checked || form.RBB2.Checked);
    form.SaveSettings();
    const auto saved = Settings();
    ASSERT_EQ(saved.size(), 32u);
    EXPECT_EQ(saved[6], lines[6]);
    EXPECT_EQ(saved[12], "0");
    EXPECT_EQ(saved[13], "1");
    EXPECT_EQ(saved[14], "0");  // "7" is no true word
    EXPECT_EQ(saved[31], "7");
}

TEST_F(Form, ColourWidthEntries) {
    form.ComboBox1.Items = Lines(266, "x");
    form.ComboBox1.ItemIndex = 3;
    form.CheckBox1.Checked = true;
    form.SpeedButton1.FontColor = 255;
    form.ComboBox3.Text = "25";
    form.Button3Click();
    form.ComboBox3.Text = "";
    form.CheckBox1.Checked = false;
    form.Button3Click();
    EXPECT_EQ(form.ListBox1.Items, (Lines{"C=3 F=1 S=255 W=25", "C=3 F=0 S=255 W="}));

    form.ListBox1Click();  // nothing selected: nothing happens
    EXPECT_EQ(form.ComboBox3.Text, "");
    form.ListBox1.ItemIndex = 0;
    form.ComboBox1.ItemIndex = 0;
    form.SpeedButton1.FontColor = 0;
    form.ListBox1Click();
    EXPECT_EQ(form.ComboBox1.ItemIndex, 3);
    EXPECT_TRUE(form.CheckBox1.Checked);
    EXPECT_EQ(form.SpeedButton1.FontColor, 255);
    EXPECT_EQ(form.ComboBox3.Text, "25");
    form.ListBox1.ItemIndex = 1;
    form.ListBox1Click();
    EXPECT_FALSE(form.CheckBox1.Checked);
    EXPECT_EQ(form.ComboBox3.Text, "");
    form.Button4Click();
    EXPECT_EQ(form.ListBox1.Items.size(), 1u);
    // An entry without its separators is not applied.
    form.ListBox1.Items = {"C=5 F=1"};
    form.ListBox1.ItemIndex = 0;
    form.ListBox1Click();
    EXPECT_EQ(form.ComboBox1.ItemIndex, 3);
    // A colour past either end of the list selects none; an index past the
    // entries is no selection.
    for (const char* entry : {"C=266 F=0 S=0 W=", "C=-2 F=0 S=0 W="}) {
        form.ComboBox1.ItemIndex = 3;
        form.ListBox1.Items = {entry};
        form.ListBox1.ItemIndex = 0;
        form.ListBox1Click();
        EXPECT_EQ(form.ComboBox1.ItemIndex, -1) << entry;
    }
    form.ComboBox1.ItemIndex = 3;
    form.ListBox1.ItemIndex = 1;
    form.ListBox1Click();
    EXPECT_EQ(form.ComboBox1.ItemIndex, 3);
}

TEST_F(Form, PresetEntries) {
    form.Button5Click();
    EXPECT_EQ(form.ListBox2.Items[0], "S=0 A=100 B=100 C=100 D=100 E=0 J=0 F=50 G=0 H=360");
    form.EditB1.Text = "100.0";
    form.EditB2.Text = "abc";
    form.EditB7.Text = "30";
    form.EditB8.Text = "120";
    Unit1::CheckRadio(form.RBB2, form.RBB1);
    form.CBB1.Checked = true;
    form.Button6Click();
    EXPECT_EQ(form.ListBox2.Items[1], "S=1 A=100 B=0 C=100 D=100 E=0 J=1 F=50 G=30 H=120");

    // Each value of an entry goes to its own edit, on either page.
    const std::string distinct = "S=1 A=11 B=22 C=33 D=44 E=55 J=0 F=66 G=77 H=88";
    form.ListBox2.Items.push_back(distinct);
    form.ListBox2.ItemIndex = 2;
    form.Button8Click();
    form.Button6Click();
    EXPECT_EQ(form.ListBox2.Items.back(), distinct);
    form.Button7Click();
    form.Button5Click();
    EXPECT_EQ(form.ListBox2.Items.back(), "S=1 A=11 B=22 C=33 D=44 E=55 J=0 F=66 G=0 H=360");
    form.ListBox2.Items.resize(2);

    form.ListBox2.ItemIndex = 1;
    form.Button7Click();
    EXPECT_TRUE(form.RBA2.Checked);
    EXPECT_FALSE(form.RBA1.Checked);
    EXPECT_TRUE(form.CBA1.Checked);
    EXPECT_EQ(form.EditA2.Text, "0");
    form.ListBox2.ItemIndex = 0;
    form.Button8Click();
    EXPECT_TRUE(form.RBB1.Checked);
    EXPECT_EQ(form.EditB7.Text, "0");
    EXPECT_EQ(form.EditB8.Text, "360");
    form.Button9Click();
    EXPECT_EQ(form.ListBox2.Items.size(), 1u);
    form.Button9Click();  // nothing selected now
    EXPECT_EQ(form.ListBox2.Items.size(), 1u);
}

TEST_F(Form, ListFilesLoadAndSave) {
    form.ExeFolder = dir.Path() + "/";
    dir.Write("t318.lst", "3\r\nC=1 F=0 S=0 W=\r\nC=2 F=0 S=0 W=10\r\n");
    dir.Write("t742.lst", "2147483647\r\nS=0 A=1 B=1 C=1 D=1 E=0 J=0 F=0 G=0 H=360\r\n");
    form.LoadColorWidthList();
    form.LoadPresetList();
    EXPECT_EQ(form.ListBox1.Items, (Lines{"C=1 F=0 S=0 W=", "C=2 F=0 S=0 W=10", ""}));
    EXPECT_EQ(form.ListBox2.Items.size(), 10000u);  // a damaged count stays bounded
    for (const char* count : {"-4", "abc", ""}) {
        dir.Write("t318.lst", std::string(count) + "\r\nC=1 F=0 S=0 W=\r\n");
        form.LoadColorWidthList();
        EXPECT_TRUE(form.ListBox1.Items.empty()) << count;
    }
    form.ListBox1.Items = {"a", "b"};
    form.SaveColorWidthList();
    EXPECT_EQ(dir.Read("t318.lst"), "2\r\na\r\nb\r\n");
}

TEST_F(Form, ColourChooser) {
    form.SpeedButton1.FontColor = 0x123456;
    platform.ChooserConfirms = false;
    form.SpeedButton1Click();
    EXPECT_EQ(form.SpeedButton1.FontColor, 0x123456);
    EXPECT_EQ(platform.ChooserPreset, 0x123456);
    platform.ChooserConfirms = true;
    platform.ChooserColor = 0xFF;
    form.SpeedButton1Click();
    EXPECT_EQ(form.SpeedButton1.FontColor, 0xFF);
    EXPECT_FALSE(form.CheckBox1.Checked);
}

TEST_F(Form, WindowStaysOnTheCursorsScreen) {
    platform.Cursor = {1910, 1075};  // the bottom-right corner
    platform.UserActions = [](TForm1& f) { f.CloseBox(); };
    Show({});
    EXPECT_EQ(platform.ShownAt.X, 1920 - 420);
    EXPECT_EQ(platform.ShownAt.Y, 1080 - 260);
    // A second screen left of the first, and a window larger than the screen.
    EXPECT_EQ(Unit1::KeepOnScreen({-2000, 10}, {420, 260}, {-1280, 0, 1280, 1024}).X, -1280);
    EXPECT_EQ(Unit1::KeepOnScreen({5, 5}, {3000, 260}, {0, 0, 1280, 1024}).X, 0);
    // A screen that reports no width or height is no screen: the window stays where it is.
    EXPECT_EQ(Unit1::KeepOnScreen({5000, 5}, {420, 260}, {0, 0, 0, 1024}).X, 5000);
    EXPECT_EQ(Unit1::KeepOnScreen({5000, 5}, {420, 260}, {0, 0, 1280, 0}).X, 5000);
}

// The width box's closed list under the keys, against what Windows' combo box
// (Wine's) was seen to leave in the box. Steps: "t25" the runner's typing
// (all erased, then one character at a time), "c4" characters typed where the
// caret is, "b" Backspace, "R" the form's state pushed back, "U"/"D" the
// arrows, "PU"/"PD" the page keys.
TEST(EditCombo, TheWidthBoxUnderTheKeys) {
    const std::vector<std::string> items = TForm1().ComboBox3.Items;
    const std::pair<const char*, const char*> cases[] = {
        {"D", ""},
        {"D D", "10"},
        {"U", ""},
        {"t17 U", ""},
        {"t17 D", ""},
        {"t17 D D", "10"},
        {"t25 D", "25"},
        {"t25 D D", "30"},
        {"t25 U", "25"},
        {"t25 U U", "20"},
        {"t2 D", "20"},
        {"t2 D D D U", "25"},
        {"t25 D D c4 D", "35"},  // the first change after an arrow is not followed
        {"t25 D D c45 D", "45"},
        {"t25 D c7", "7"},
        {"t25 R D", ""},
        {"t25 R D D", "10"},
        {"t100 D", "100"},
        {"t100 D D", "100"},
        {"t1 U", "10"},
        {"t1 U U", ""},
        {"t25 D R b D", ""},
        {"t25 R b D", "20"},
        {"D U c3 D", "10"},
        {"t30 D D c5 D", "40"},
        {"t25 PD", "25"},
        {"t25 PU", "25"},
        {"t25 PD PU", ""},
        {"t25 PU PD", "100"},
        {"t25 PD D", "30"},
        {"D PD", "100"},
        {"D PD U U U PU", ""},
        {"D c3 PU", ""},
        {"D c3 U c5", "5"},
        {"t100 D c5 D c7", "7"},
        {"t17 U U c5", "5"},
    };
    for (const auto& [steps, expected] : cases) {
        Unit1::EditComboList list;
        std::string text;
        bool selected = false;
        const auto edit = [&](std::string now) {
            text = std::move(now);
            selected = false;
            list.Edited(items, text);
        };
        std::istringstream in(steps);
        for (std::string step; in >> step;) {
            const std::map<std::string, int> moves = {{"U", -1}, {"D", 1}, {"PU", -12}, {"PD", 12}};
            if (const auto m = moves.find(step); m != moves.end()) {
                const int row = list.Move(static_cast<int>(items.size()), m->second);
                if (row >= 0) text = items[static_cast<size_t>(row)], selected = true;
            } else if (step == "R") {
                list.Refilled();
                selected = false;
            } else if (step == "b") {
                edit(selected ? "" : text.substr(0, text.size() - 1));
            } else {
                if (step[0] == 't') edit("");
                for (char c : step.substr(1)) edit((selected ? "" : text) + c);
            }
        }
        EXPECT_EQ(text, expected) << steps;
    }
    EXPECT_EQ(Unit1::FirstEntryBegunBy({"", "Ab", "\x82\x60x", "abc"}, "aB"), 1);
    // The second byte of a two-byte character is not folded.
    EXPECT_EQ(Unit1::FirstEntryBegunBy({"\x83\x41", "\x83\x61x"}, "\x83\x61"), 1);
    EXPECT_EQ(Unit1::FirstEntryBegunBy({"", "10"}, ""), -1);
}
