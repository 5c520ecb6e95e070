#include "tools/Launchers.h"

#include "Unit1/Notices.h"
#include "cp932iconv/Cp932Iconv.h"
#include "figures/Figure.h"
#include "figures/StepInputs.h"
#include "tools/Words.h"
#include "words/Guide.h"
#include "words/Launchers.h"

namespace tools {

namespace {

using figures::NumberRole;
namespace w = words::utf8;

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
    for (NumberRole r : figures::NumbersRead(*figures::FindMode(mode)))
        if (r != NumberRole::Option) typed.push_back(r);
    return typed;
}

// The directives of one menu item: the points of the step, then its numbers.
void AppendItem(std::vector<std::string>& lines, int mode, int step) {
    lines.push_back("REM #:" + std::to_string(step));
    lines.push_back("REM #h0");
    int n = 1;
    for (const std::string& point : PointNames(figures::FindMode(mode)->shape, step))
        lines.push_back("REM #" + std::to_string(n++) + " " + Fill(w::PickPrompt, "point", point));
    if (step == 3)
        for (NumberRole r : TypedNumbers(mode))
            lines.push_back("REM #c " + NumberPrompt(r) + " /_" + Prefix(r));
    lines.push_back("REM #e");
}

// t742.exe and the exchange file, named from the current folder: the host
// makes the launcher's folder current (#cd), and so the folder's name never
// goes through cmd's parsing (Wine's cmd drops a "%" from %~dp0 and %CD%).
const char* const kProgram = ".\\t742.exe";
const char* const kAnswer = ">JWC_TEMP.TXT";

// The line before each echo of Japanese text: Windows' cmd reads every line of
// a batch in the console's current code page, which a user may have set to
// UTF-8. (Wine's chcp fails without a console and says so on standard output;
// a Windows without chcp.com would say so on standard error.)
const char* const kCodePage932 = "\"%SystemRoot%\\System32\\chcp.com\" 932 >nul 2>&1";

// The batch after the directives. Every value (the folder may hold blanks or
// Japanese characters; typed text may hold & | < > ^ % !) is expanded only
// inside double quotes, where cmd takes none of them for an operator; delayed
// expansion stays off, so a "!" is kept as it is. (A typed double quote would
// end the quotes: cmd offers no plain way to take one from an argument.)
//
// The host passes each typed value as its prefix and the text, unquoted, so
// cmd splits the text at blanks, commas, semicolons and equals signs; it
// passes nothing, or the prefix alone, for an empty answer. So a value is
// found by its prefix (case-sensitive: a piece that starts with a lower-case
// letter stays a piece), an empty one keeps the default its prompt names, and
// an argument without a prefix is a piece of the value before it: it is put
// back after a blank, so that t742 refuses the value rather than read its first
// piece alone (1,000 reaches it as "1 000", never as 1).
void AppendBatch(std::vector<std::string>& lines, const Launcher& launcher) {
    lines.insert(lines.end(), {"@echo off", "setlocal EnableExtensions DisableDelayedExpansion",
                               "if not exist \"" + std::string(kProgram) + "\" goto missing"});
    if (launcher.Mode == 0) {
        lines.insert(lines.end(),
                     {"\"" + std::string(kProgram) + "\"", "set \"STATUS=%ERRORLEVEL%\"",
                      "rem Without this the host would report that nothing ran.", kCodePage932,
                      std::string(kAnswer) + " echo h#" + w::SettingsClosed,
                      "rem t742's status, not that of chcp.", "exit /b %STATUS%"});
    } else {
        lines.push_back("set \"ITEM=%~1\"");
        const auto typed = TypedNumbers(launcher.Mode);
        std::string known;  // the condition that the argument starts with no prefix
        for (NumberRole r : typed) {
            lines.push_back(std::string("set \"") + Prefix(r) + "=\"");
            known += std::string("if not \"%P%\"==\"") + Prefix(r) + "\" ";
        }
        lines.insert(lines.end(),
                     {"set \"LAST=\"", ":next", "shift", "set \"A=%~1\"",
                      "if not defined A goto run", "set \"P=%A:~0,1%\"", known + "goto piece",
                      "set \"LAST=%P%\"", "set \"%P%=%A:~1%\"", "goto next", ":piece"});
        for (NumberRole r : typed)
            lines.push_back(std::string("if \"%LAST%\"==\"") + Prefix(r) + "\" set \"" + Prefix(r) +
                            "=%" + Prefix(r) + "% %A%\"");
        lines.insert(lines.end(), {"goto next", ":run"});
        for (NumberRole r : typed)
            lines.push_back(std::string("if not defined ") + Prefix(r) + " set \"" + Prefix(r) +
                            "=" + NumberDefault(r) + "\"");
        for (int step = 1; step <= 6; ++step) {
            // The switch makes a run that draws nothing tell the host why.
            std::string run = "if \"%ITEM%\"==\"" + std::to_string(step) + "\" \"" + kProgram +
                              "\" " + Unit1::kExplainSwitch + " " + std::to_string(launcher.Mode) +
                              " " + std::to_string(step);
            if (launcher.Option >= 0) run += " " + std::to_string(launcher.Option);
            if (step == 3)
                for (NumberRole r : typed) run += std::string(" \"%") + Prefix(r) + "%\"";
            lines.push_back(run);
        }
        lines.push_back("goto :eof");
    }
    lines.insert(lines.end(),
                 {":missing", kCodePage932, std::string(kAnswer) + " echo he" + w::MissingProgram});
}

// A byte the host or cmd takes for a separator, or a `#` the host takes for a
// directive, must not stand where it would be read so. The second byte of a
// double-byte character may be '|' or '^': cmd reads the characters of a
// comment whole, but the host splits the menu line at every '|', and a line
// cmd runs is kept free of both.
bool SafeLines(const std::string& bytes) {
    const size_t last = bytes.rfind("\r\nREM #e\r\n");
    const size_t blockEnd = last == std::string::npos ? 0 : last + 10;
    for (size_t lineStart = 0; lineStart < bytes.size();) {
        const size_t end = bytes.find("\r\n", lineStart);
        if (end == std::string::npos) return false;
        const std::string line = bytes.substr(lineStart, end - lineStart);
        const bool comment = line.rfind("REM ", 0) == 0 || line.rfind("@REM ", 0) == 0;
        const bool menu = line.rfind("REM #hm ", 0) == 0;
        for (size_t i = 0; i < line.size(); ++i) {
            const auto c = static_cast<unsigned char>(line[i]);
            if (c == '\r' || c == '\n') return false;
            if (!((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC))) continue;
            if (++i >= line.size()) return false;
            const char trail = line[i];
            if ((trail == '|' && (menu || !comment)) || (trail == '^' && !comment)) return false;
        }
        const bool directive = lineStart < blockEnd && line.rfind("REM #", 0) == 0;
        if (!directive && line.substr(0, 10).find('#') != std::string::npos) return false;
        lineStart = end + 2;
    }
    return true;
}

// The menu line holds no word whose bytes hold a '|': such a word is written
// by its reading there (弓 is 0x8B 0x7C).
std::string ForMenu(std::string text) {
    const std::string segment = w::Segment;
    for (size_t at; (at = text.find(segment)) != std::string::npos;)
        text.replace(at, segment.size(), w::SegmentInMenu);
    return text;
}

}  // namespace

std::vector<Launcher> LauncherSet() {
    std::vector<Launcher> set;
    for (int mode = 1; mode <= figures::kModeCount; ++mode) {
        if (figures::FindMode(mode)->TakesOption) {
            // The option is the ring's record (so or sg): a user picks it with
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

std::string LauncherFigure(const Launcher& launcher) {
    if (launcher.Mode == 0) return w::SettingsOnly;
    return FigureWords(*figures::FindMode(launcher.Mode), launcher.Option);
}

std::string LauncherNote(const Launcher& launcher) {
    if (launcher.Mode == 0) return w::SettingsNote;
    const figures::ModeSpec& m = *figures::FindMode(launcher.Mode);
    // The plain words first; the host's name of the solid says the same the
    // way its own commands do; the mode, for those who write launchers, last.
    // (A ring's hole is already in the plain words.)
    std::string solid = HostSolidName(m, -1);
    if (m.Draws == figures::Drawing::Line || m.Draws == figures::Drawing::Filled)
        solid = Fill(m.shape.Arc ? w::NoteOfArc : w::NoteOfFull, "solid", solid);
    std::string note = Fill(w::Note, "figure", LauncherFigure(launcher));
    note = Fill(note, "solid", solid);
    return Fill(note, "mode", std::to_string(launcher.Mode));
}

std::string LauncherText(const Launcher& launcher) {
    std::vector<std::string> lines{"@REM " + LauncherNote(launcher), "REM #jww", "REM #cd"};
    if (launcher.Mode == 0) {
        lines.insert(lines.end(), {"REM #h0", "REM #e"});
    } else {
        const figures::ModeSpec& m = *figures::FindMode(launcher.Mode);
        lines.push_back("REM #hc " + MenuPrompt(launcher));
        std::string menu = "REM #hm " + MenuTitle(launcher) + " |";
        for (int step = 1; step <= 6; ++step) menu += StepName(m.shape, step) + "|";
        lines.push_back(menu);
        for (int step = 1; step <= 6; ++step) AppendItem(lines, launcher.Mode, step);
    }
    AppendBatch(lines, launcher);
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

std::string MenuTitle(const Launcher& launcher) {
    return ForMenu(Fill(w::MenuTitle, "figure", LauncherFigure(launcher)));
}

std::string MenuPrompt(const Launcher& launcher) {
    return Fill(w::MenuPrompt, "figure", LauncherFigure(launcher));
}

std::string LauncherBytes(const Launcher& launcher) {
    std::string bytes;
    if (!cp932iconv::Utf8ToCp932(LauncherText(launcher), bytes) || !SafeLines(bytes)) return {};
    return bytes;
}

std::string LauncherTable() {
    namespace g = words::utf8;
    std::string out = std::string("| ") + g::ColumnLauncher + " | " + g::ColumnMenu + " | " +
                      g::ColumnPoints + " | " + g::ColumnNumbers + " |\n|---|---|---|---|\n";
    for (const Launcher& launcher : LauncherSet()) {
        const std::string name = "`" + launcher.FileName + "`<br>" + LauncherFigure(launcher);
        if (launcher.Mode == 0) {
            out += "| " + name + " | " + g::NoMenu + " | — | — |\n";
            continue;
        }
        const figures::ModeSpec& m = *figures::FindMode(launcher.Mode);
        for (int step = 1; step <= 6; ++step) {
            std::string numbers;
            if (step == 3)
                for (NumberRole r : TypedNumbers(launcher.Mode))
                    numbers += (numbers.empty() ? "" : g::ListComma) +
                               Fill(Fill(g::NumberWithDefault, "name", NumberName(r)), "default",
                                    NumberDefault(r));
            out += "| " + (step == 1 ? name : "") + " | " + std::to_string(step) + ". " +
                   StepName(m.shape, step) + " | " + PointList(m.shape, step) + " | " +
                   (numbers.empty() ? "—" : numbers) + " |\n";
        }
    }
    return out;
}

std::string PointList(const figures::Shape& shape, int step) {
    std::string points;
    int n = 1;
    for (const std::string& point : PointNames(shape, step)) {
        points += (n > 1 ? words::utf8::ListComma : "") + std::to_string(n) + ": " + point;
        ++n;
    }
    return points;
}

}  // namespace tools
