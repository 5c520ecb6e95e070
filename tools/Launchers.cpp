#include "tools/Launchers.h"

#include "figures/Figure.h"
#include "figures/StepInputs.h"
#include "qtview/Cp932Iconv.h"
#include "tools/StepWords.h"

namespace tools {

namespace {

using figures::NumberRole;

constexpr const char* kPickTail = "を指示 (L)free (R)Read";

// The prefix the host puts before a typed number, and the batch's variable
// that holds it: one letter each, so the batch finds a number by its prefix
// whichever of them the user skipped.
const char* Prefix(NumberRole r) {
    switch (r) {
        case NumberRole::Radius:
            return "R";
        case NumberRole::InnerRadius:
            return "I";
        case NumberRole::StartDegrees:
            return "S";
        case NumberRole::EndDegrees:
            return "E";
        case NumberRole::Option:
            break;
    }
    return "";
}

std::vector<NumberRole> TypedNumbers(int mode) {
    std::vector<NumberRole> typed;
    for (NumberRole r : figures::NumbersRead(mode, figures::FindMode(mode)->shape))
        if (r != NumberRole::Option) typed.push_back(r);
    return typed;
}

std::string PromptMessage(NumberRole r) {
    std::string unit = NumberUnit(r);
    if (!unit.empty()) unit += "、";
    return std::string(NumberName(r)) + "を入力（" + unit + "空欄は " + NumberDefault(r) + "）";
}

// The directives of one menu item: the points of the step, then its numbers.
void AppendItem(std::vector<std::string>& lines, int mode, int step) {
    lines.push_back("REM #:" + std::to_string(step));
    lines.push_back("REM #h0");
    int n = 1;
    for (figures::PointRole r : figures::PointsRead(figures::FindMode(mode)->shape, step))
        lines.push_back("REM #" + std::to_string(n++) + " " + PointName(r) + kPickTail);
    if (step == 3)
        for (NumberRole r : TypedNumbers(mode))
            lines.push_back("REM #c " + PromptMessage(r) + " /_" + Prefix(r));
    lines.push_back("REM #e");
}

// The batch after the directives. Every value (the folder may hold blanks or
// Japanese characters; typed text may hold & | < > ^ % !) is expanded only
// inside double quotes, where cmd takes none of them for an operator; delayed
// expansion stays off, so a "!" is kept as it is. (A typed double quote would
// end the quotes: cmd offers no plain way to take one from an argument.)
void AppendBatch(std::vector<std::string>& lines, const Launcher& launcher) {
    lines.insert(lines.end(), {"@echo off", "setlocal EnableExtensions DisableDelayedExpansion",
                               "set \"T742=%~dp0t742.exe\"", "set \"ANSWER=%~dp0JWC_TEMP.TXT\"",
                               "if not exist \"%T742%\" goto missing"});
    if (launcher.Mode == 0) {
        lines.insert(lines.end(),
                     {"\"%T742%\"", "rem Without this the host would report that nothing ran.",
                      ">\"%ANSWER%\" echo h#t742 の設定を閉じました。", "goto :eof"});
    } else {
        lines.push_back("set \"ITEM=%~1\"");
        const auto typed = TypedNumbers(launcher.Mode);
        for (NumberRole r : typed)
            lines.push_back(std::string("set \"") + Prefix(r) + "=" + NumberDefault(r) + "\"");
        lines.insert(lines.end(), {":next", "shift", "set \"A=%~1\"", "if not defined A goto run"});
        for (NumberRole r : typed)
            lines.push_back(std::string("if /i \"%A:~0,1%\"==\"") + Prefix(r) + "\" set \"" +
                            Prefix(r) + "=%A:~1%\"");
        lines.insert(lines.end(), {"goto next", ":run"});
        for (int step = 1; step <= 6; ++step) {
            std::string run = "if \"%ITEM%\"==\"" + std::to_string(step) + "\" \"%T742%\" " +
                              std::to_string(launcher.Mode) + " " + std::to_string(step);
            if (launcher.Option >= 0) run += " " + std::to_string(launcher.Option);
            if (step == 3)
                for (NumberRole r : typed) run += std::string(" \"%") + Prefix(r) + "%\"";
            lines.push_back(run);
        }
        lines.push_back("goto :eof");
    }
    lines.insert(lines.end(), {":missing", std::string(">\"%ANSWER%\" echo he") + kMissingProgram});
}

// A byte the host or cmd takes for a separator, or a `#` the host takes for a
// directive, must not stand where it would be read so.
bool SafeLines(const std::string& bytes) {
    const size_t last = bytes.rfind("\r\nREM #e\r\n");
    const size_t blockEnd = last == std::string::npos ? 0 : last + 10;
    size_t lineStart = 0;
    for (size_t i = 0; i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if ((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC)) {
            if (i + 1 >= bytes.size()) return false;
            const char trail = bytes[++i];
            if (trail == '|' || trail == '^' || trail == '\r') return false;
            continue;
        }
        if (c == '\n') {
            if (i == 0 || bytes[i - 1] != '\r') return false;
            const std::string line = bytes.substr(lineStart, i - 1 - lineStart);
            const bool directive = lineStart < blockEnd && line.rfind("REM #", 0) == 0;
            if (!directive && line.substr(0, 10).find('#') != std::string::npos) return false;
            lineStart = i + 1;
        }
    }
    return lineStart == bytes.size();
}

}  // namespace

std::vector<Launcher> LauncherSet() {
    std::vector<Launcher> set;
    for (int mode = 1; mode <= figures::kModeCount; ++mode) {
        if (figures::FindMode(mode)->shape.Ring) {
            // The ring option is the record (so or sg): a user picks it with
            // the launcher, not by typing a number at every use.
            set.push_back({"t742_" + std::to_string(mode) + "so.bat", mode, 0});
            set.push_back({"t742_" + std::to_string(mode) + "sg.bat", mode, 1});
        } else {
            set.push_back({"t742_" + std::to_string(mode) + ".bat", mode, -1});
        }
    }
    set.push_back({"t742_set.bat", 0, -1});
    return set;
}

std::string LauncherNote(const Launcher& launcher) {
    if (launcher.Mode == 0) return "t742 設定（線色・線幅・図形の値・設定リスト）";
    const figures::ModeSpec& m = *figures::FindMode(launcher.Mode);
    // The record tells modes of the same figure apart (se or sc; so or sg).
    const std::string answer = m.Answer;
    const std::string record =
        launcher.Option == 1 ? "sg 外形破線" : answer.substr(0, answer.find(' '));
    return std::string("t742 ") + FigureName(m) + "（モード " + std::to_string(launcher.Mode) +
           "、" + record + "）";
}

std::string LauncherText(const Launcher& launcher) {
    std::vector<std::string> lines{"@REM " + LauncherNote(launcher), "REM #jww", "REM #cd"};
    if (launcher.Mode == 0) {
        lines.insert(lines.end(), {"REM #h0", "REM #e"});
    } else {
        const figures::ModeSpec& m = *figures::FindMode(launcher.Mode);
        lines.push_back(std::string("REM #hc ") + FigureName(m) +
                        "：大きさの取り方を選んでください");
        std::string menu = "REM #hm " + LauncherNote(launcher) + " |";
        for (int step = 1; step <= 6; ++step) menu += std::string(StepName(step)) + "|";
        lines.push_back(menu);
        for (int step = 1; step <= 6; ++step) AppendItem(lines, launcher.Mode, step);
    }
    AppendBatch(lines, launcher);
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

std::string LauncherBytes(const Launcher& launcher) {
    std::string bytes;
    if (!qtview::Utf8ToCp932(LauncherText(launcher), bytes) || !SafeLines(bytes)) return {};
    return bytes;
}

std::string LauncherTable() {
    std::string out =
        "| ランチャー | メニュー | 指示する点（番号順） | 入力する数値（空欄のとき） |\n"
        "|---|---|---|---|\n";
    for (const Launcher& launcher : LauncherSet()) {
        const std::string name = "`" + launcher.FileName + "`<br>" + LauncherNote(launcher);
        if (launcher.Mode == 0) {
            out += "| " + name +
                   " | メニューなし：設定ダイアログだけを開きます（作図しません） | — | — |\n";
            continue;
        }
        for (int step = 1; step <= 6; ++step) {
            std::string points, numbers;
            int n = 1;
            for (auto r : figures::PointsRead(figures::FindMode(launcher.Mode)->shape, step)) {
                points += (n > 1 ? "、" : "") + std::to_string(n) + ": " + PointName(r);
                ++n;
            }
            if (step == 3)
                for (NumberRole r : TypedNumbers(launcher.Mode))
                    numbers += (numbers.empty() ? "" : "、") + std::string(NumberName(r)) + "（" +
                               NumberDefault(r) + "）";
            out += "| " + (step == 1 ? name : "") + " | " + std::to_string(step) + ". " +
                   StepName(step) + " | " + points + " | " + (numbers.empty() ? "—" : numbers) +
                   " |\n";
        }
    }
    return out;
}

}  // namespace tools
