// The launchers, read back by the stand-in's directive reader: every item asks
// for the points its step reads, in their order, and its batch line hands each
// typed number to the argument place of its role. (tests/launcher_test.sh runs
// them in a real command interpreter.)
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <set>

#include "Cp932Text.h"
#include "TestSupport.h"
#include "cp932iconv/Cp932Iconv.h"
#include "figures/Figure.h"
#include "figures/StepInputs.h"
#include "hoststandin/Launcher.h"
#include "hoststandin/LauncherRun.h"
#include "tools/Launchers.h"
#include "tools/Words.h"

using namespace hoststandin;
using t742test::Cp932;

namespace {

std::vector<std::string> Lines(const std::string& bytes) {
    std::vector<std::string> lines;
    for (size_t at = 0, end; (end = bytes.find("\r\n", at)) != std::string::npos; at = end + 2)
        lines.push_back(bytes.substr(at, end - at));
    return lines;
}

// The batch's words after `head` on the line that starts with it, split at blanks.
std::vector<std::string> WordsAfter(const std::vector<std::string>& lines,
                                    const std::string& head) {
    for (const std::string& line : lines) {
        if (line.rfind(head, 0) != 0) continue;
        std::vector<std::string> words;
        for (size_t at = head.size(), end; at < line.size(); at = end + 1) {
            end = std::min(line.find(' ', at), line.size());
            words.push_back(line.substr(at, end - at));
        }
        return words;
    }
    return {"(no line " + head + ")"};
}

}  // namespace

TEST(Launchers, BytesAreCodePage932WithCrLfAndNoStrayDirective) {
    for (const tools::Launcher& launcher : tools::LauncherSet()) {
        const std::string bytes = tools::LauncherBytes(launcher);
        ASSERT_FALSE(bytes.empty()) << launcher.FileName;
        EXPECT_TRUE(cp932iconv::IsCp932(bytes)) << launcher.FileName;
        const auto lines = Lines(bytes);
        size_t length = 0;
        for (const auto& line : lines) length += line.size() + 2;
        EXPECT_EQ(length, bytes.size()) << launcher.FileName << ": a line without CR LF";
        EXPECT_EQ(bytes.find_first_of("\r\n"), bytes.find("\r\n")) << launcher.FileName;
        // Past the directives' last #e, the host must find no `#` where it looks.
        const auto last = std::find(lines.rbegin(), lines.rend(), "REM #e");
        ASSERT_NE(last, lines.rend()) << launcher.FileName;
        for (auto line = last.base(); line != lines.end(); ++line) {
            EXPECT_EQ(line->substr(0, 10).find('#'), std::string::npos) << *line;
            // Windows' cmd reads a line in the console's code page, which may be
            // UTF-8: a line that writes Japanese follows one that sets 932.
            const bool japanese = std::any_of(line->begin(), line->end(), [](char c) {
                return static_cast<unsigned char>(c) >= 0x80;
            });
            if (japanese && line->rfind("rem ", 0) != 0) {
                EXPECT_EQ(*(line - 1), "\"%SystemRoot%\\System32\\chcp.com\" 932 >nul 2>&1")
                    << *line;
            }
        }
        EXPECT_TRUE(ReadLauncher(bytes).Problems.empty()) << launcher.FileName;
        EXPECT_EQ(launcher.FileName.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789_."),
                  std::string::npos);
    }
}

TEST(Launchers, EveryItemAsksForItsStepsPointsAndPlacesItsNumbers) {
    std::map<std::pair<int, int>, int> cells;  // (mode, option) -> launchers
    for (const tools::Launcher& launcher : tools::LauncherSet()) {
        const std::string bytes = tools::LauncherBytes(launcher);
        const LauncherDirectives d = ReadLauncher(bytes);
        const auto lines = Lines(bytes);
        EXPECT_EQ(d.Note, Cp932(tools::LauncherNote(launcher)));
        EXPECT_TRUE(d.Jww && d.Cd) << launcher.FileName;
        if (launcher.Mode == 0) {  // the settings: t742 with no arguments
            EXPECT_TRUE(d.MenuItems.empty() && d.Common.H0 && d.Common.Picks.empty());
            EXPECT_NE(std::find(lines.begin(), lines.end(), "\".\\t742.exe\""), lines.end());
            continue;
        }
        ++cells[{launcher.Mode, launcher.Option}];
        const figures::ModeSpec& m = *figures::FindMode(launcher.Mode);
        ASSERT_EQ(d.MenuItems.size(), 6u) << launcher.FileName;
        for (int step = 1; step <= 6; ++step) {
            SCOPED_TRACE(launcher.FileName + " item " + std::to_string(step));
            const LauncherSection& s = d.Sections[static_cast<size_t>(step) - 1];
            EXPECT_EQ(d.MenuItems[static_cast<size_t>(step) - 1],
                      Cp932(tools::StepName(m.shape, step)));
            EXPECT_TRUE(s.H0);
            const auto names = tools::PointNames(m.shape, step);
            ASSERT_EQ(s.Picks.size(), figures::PointsRead(m.shape, step).size());
            std::set<std::string> prompts;
            for (size_t i = 0; i < names.size(); ++i) {
                EXPECT_EQ(s.Picks[i].N, static_cast<int>(i) + 1);
                EXPECT_EQ(s.Picks[i].Message.rfind(Cp932(names[i]) + Cp932("を指示"), 0), 0u);
                // The status bar never asks for the same point twice in one item.
                EXPECT_TRUE(prompts.insert(s.Picks[i].Message).second) << names[i];
            }
            // t742's arguments as the batch gives them: mode, step, option, numbers.
            const auto args = WordsAfter(
                lines, "if \"%ITEM%\"==\"" + std::to_string(step) + "\" \".\\t742.exe\" ");
            // The line that sends an argument with no known prefix to the pieces.
            const auto knownLine = std::find_if(
                lines.begin(), lines.end(),
                [](const std::string& l) { return l.rfind("if not \"%P%\"==", 0) == 0; });
            const std::string known = knownLine == lines.end() ? "" : *knownLine;
            std::vector<std::string> expected{"/explain", std::to_string(launcher.Mode),
                                              std::to_string(step)};
            if (m.TakesOption) expected.push_back(std::to_string(launcher.Option));
            size_t prompt = 0;
            if (step == 3) {
                for (figures::NumberRole r : figures::NumbersRead(m)) {
                    if (r == figures::NumberRole::Option) continue;
                    ASSERT_LT(prompt, s.Prompts.size());
                    const LauncherPrompt& p = s.Prompts[prompt++];
                    EXPECT_EQ(p.Message.rfind(Cp932(tools::NumberName(r)) + Cp932("を入力"), 0),
                              0u);
                    // The batch knows the prefix, takes the pieces after it into its
                    // variable, and gives it the default the prompt names when empty.
                    const std::string& var = p.Prefix;
                    EXPECT_NE(known.find("if not \"%P%\"==\"" + var + "\" "), std::string::npos)
                        << var;
                    const std::string deflt = tools::NumberDefault(r);
                    EXPECT_NE(p.Message.find(Cp932("空欄は " + deflt + "）")), std::string::npos);
                    for (const std::string& line :
                         {"if \"%LAST%\"==\"" + var + "\" set \"" + var + "=%" + var + "% %A%\"",
                          "if not defined " + var + " set \"" + var + "=" + deflt + "\""})
                        EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
                    expected.push_back("\"%" + var + "%\"");
                }
            }
            EXPECT_EQ(prompt, s.Prompts.size());
            EXPECT_EQ(args, expected);
        }
    }
    // Every mode once, the ring modes once per option.
    std::map<std::pair<int, int>, int> all{{{1, -1}, 1}, {{2, -1}, 1}, {{3, -1}, 1}, {{4, -1}, 1},
                                           {{5, -1}, 1}, {{6, -1}, 1}, {{7, 0}, 1},  {{7, 1}, 1},
                                           {{8, 0}, 1},  {{8, 1}, 1}};
    EXPECT_EQ(cells, all);
}

// What the host shows must fit where it shows it: a prompt or a menu's title
// in the status bar, an item in the menu (columns as code page 932 bytes: a
// full-width character takes two).
TEST(Launchers, PromptsTitlesAndItemsFitTheHostsLines) {
    for (const tools::Launcher& launcher : tools::LauncherSet()) {
        const LauncherDirectives d = ReadLauncher(tools::LauncherBytes(launcher));
        std::vector<std::string> prompts{d.MenuPrompt, d.MenuTitle};
        for (const LauncherSection& s : d.Sections) {
            for (const LauncherPick& p : s.Picks) prompts.push_back(p.Message);
            for (const LauncherPrompt& p : s.Prompts) prompts.push_back(p.Message);
        }
        for (const std::string& p : prompts)
            EXPECT_LE(p.size(), 60u) << launcher.FileName << ": " << cp932iconv::Cp932ToUtf8(p);
        for (const std::string& item : d.MenuItems)
            EXPECT_LE(item.size(), 24u)
                << launcher.FileName << ": " << cp932iconv::Cp932ToUtf8(item);
    }
}

// The stand-in refuses what the host would not do, and writes the header and
// the asked points in the asked order.
TEST(Launchers, StandInFollowsOnlyWhatTheLauncherAsks) {
    t742test::TempDir dir;
    const tools::Launcher launcher{"t742_8sg.bat", 8, 1};
    dir.Write(launcher.FileName, tools::LauncherBytes(launcher));
    struct Case {
        int Item;
        std::vector<Pick> Picks;
        std::vector<std::optional<std::string>> Typed;
        const char* Error;                // empty: runs
        std::vector<std::string> Args{};  // the batch's arguments, as cmd splits them
    };
    const Case cases[] = {
        {3, {{1, 5, 6}}, {"40", std::nullopt, "-30", "12.5"}, "", {"3", "R40", "S-30", "E12.5"}},
        // Typed text goes unquoted: blanks split it; an empty answer is the prefix alone.
        {3,
         {{1, 5, 6}},
         {"1,000", "", std::nullopt, " 2  5"},
         "",
         {"3", "R1,000", "I", "E", "2", "5"}},
        {3, {{1, 5, 6}}, {"40"}, "typed value"},
        {3, {{1, 5, 6}, {2, 0, 0}}, {{}, {}, {}, {}}, "point 2 was not asked"},
        {1, {{1, 0, 0}, {2, 1, 0}, {3, 0.5, 0}, {5, 0, 1}}, {}, "point 4 was not picked"},
        {1, {{5, 0, 1}, {4, 1, 1}, {3, 0.5, 0}, {2, 1, 0}, {1, 0, 0}}, {}, ""},
        {7, {{1, 0, 0}}, {}, "menu item"},
    };
    for (const Case& c : cases) {
        LauncherInput in{
            dir.File(launcher.FileName), c.Item, c.Picks, c.Typed, 0, {"true"}, nullptr};
        const LauncherRun run = FollowLauncher(in);
        EXPECT_NE(run.Error.find(c.Error), std::string::npos) << run.Error;
        if (*c.Error) continue;
        EXPECT_EQ(run.Question.rfind("hq\r\nhk 0\r\nhs 1 1 ", 0), 0u);
        size_t at = 0;
        for (size_t n = 1; n <= c.Picks.size(); ++n) {
            at = run.Question.find("\r\nhp" + std::to_string(n) + "   ", at);
            EXPECT_NE(at, std::string::npos) << "hp" << n << " missing or out of order";
        }
        if (!c.Args.empty()) {
            EXPECT_EQ(run.Req.Args, c.Args);
        }
        EXPECT_EQ(dir.Read("JWC_TEMP.TXT"), run.Question);
    }
}
