#include "tools/GuideTable.h"

#include <algorithm>
#include <string>

#include "figures/Figure.h"
#include "figures/StepInputs.h"
#include "tools/Cells.h"
#include "tools/Launchers.h"
#include "tools/Words.h"
#include "words/Guide.h"
#include "words/Launchers.h"

namespace tools {

namespace {

using figures::NumberRole;

namespace w = words::utf8;

std::string Picture(const std::string& cell) {
    return "![](cells/" + cell + ".svg)";
}

// A Markdown table's header and its rule.
std::string Header(const std::vector<const char*>& columns, const std::string& rule) {
    std::string out = "|";
    for (const char* c : columns) out += std::string(" ") + c + " |";
    return out + "\n" + rule + "\n";
}

// How a size is taken, in what a user wants: the left column of the menu table.
const char* StepPurpose(int step) {
    static constexpr const char* kPurposes[] = {w::PurposePoints,    w::PurposeLast,
                                                w::PurposeNumbers,   w::PurposeCircle3,
                                                w::PurposeRectangle, w::PurposeDialog};
    return kPurposes[std::clamp(step, 1, 6) - 1];
}

std::string Overview() {
    std::string out = Header({w::ColumnDraws, w::ColumnLauncher, w::ColumnSolid, w::ColumnPicture},
                             "|---|---|---|---|");
    for (const Launcher& launcher : LauncherSet()) {
        if (launcher.Mode == 0) continue;
        const figures::ModeSpec& m = *figures::FindMode(launcher.Mode);
        out += "| " + LauncherFigure(launcher) + " | `" + launcher.FileName + "` | " +
               HostSolidName(m, launcher.Option) + " | " + Picture(CellFor(launcher)) + " |\n";
    }
    out += "\n" + Header({w::ColumnHow, w::ColumnItem}, "|---|---|");
    const figures::Shape full{false, false}, arc{true, false};
    for (int step = 1; step <= 6; ++step) {
        std::string item = std::to_string(step) + ". " + StepName(full, step);
        if (StepName(arc, step) != StepName(full, step))
            item += Fill(w::ArcItem, "item", StepName(arc, step));
        out += std::string("| ") + StepPurpose(step) + " | " + item + " |\n";
    }
    return out;
}

std::string Command(const figures::ModeSpec& m, int step) {
    std::string c = std::to_string(m.Mode) + " " + std::to_string(step);
    if (step == 3) {
        for (NumberRole r : figures::NumbersRead(m)) c += std::string(" ") + NumberName(r);
    } else if (m.TakesOption) {
        c += std::string(" ") + w::Option;
    }
    return "`" + c + "`";
}

std::string Tables() {
    std::string out = std::string(w::HeadingLaunchers) + "\n\n" + LauncherTable();
    out += std::string("\n") + w::HeadingModes + "\n\n" +
           Header({w::ColumnMode, w::ColumnDraws, w::ColumnSolid, w::ColumnOutput},
                  "|---:|---|---|---|");
    for (int mode = 1; mode <= figures::kModeCount; ++mode) {
        const figures::ModeSpec& m = *figures::FindMode(mode);
        std::string host = HostSolidName(m, -1);
        if (m.TakesOption)
            host = Fill(Fill(w::WithOption, "solid", HostSolidName(m, 0)), "option", "0") +
                   w::ListComma +
                   Fill(Fill(w::WithOption, "solid", HostSolidName(m, 1)), "option", "1");
        out += "| " + std::to_string(mode) + " | " + FigureWords(m, -1) + " | " + host + " | `" +
               m.Answer + "` |\n";
    }
    out += std::string("\n") + w::HeadingSteps + "\n\n" +
           Header({w::ColumnCommand, w::ColumnSize, w::ColumnPoints, w::ColumnResult},
                  "|---|---|---|---|");
    for (int mode = 1; mode <= figures::kModeCount; ++mode) {
        const figures::ModeSpec& m = *figures::FindMode(mode);
        for (int step = 1; step <= 6; ++step) {
            const std::string picture = step <= 5 ? Picture(CellFor(mode, step)) : "—";
            out += "| " + Command(m, step) + " | " + StepName(m.shape, step) + " | " +
                   PointList(m.shape, step) + " | " + picture + " |\n";
        }
    }
    return out;
}

}  // namespace

std::vector<GuidePart> GuideParts() {
    return {{"overview", Overview()}, {"tables", Tables()}};
}

std::string BeginMarker(const std::string& part) {
    return "<!-- BEGIN: made by build/t742guide: " + part + " -->";
}

std::string EndMarker(const std::string& part) {
    return "<!-- END: made by build/t742guide: " + part + " -->";
}

bool FillGuide(const std::string& guide, std::string& filled) {
    std::string out = guide;
    for (const GuidePart& part : GuideParts()) {
        const size_t begin = out.find(BeginMarker(part.Name) + "\n");
        const size_t end = out.find(EndMarker(part.Name));
        if (begin == std::string::npos || end == std::string::npos || end < begin) return false;
        const size_t from = begin + BeginMarker(part.Name).size() + 1;
        out.replace(from, end - from, "\n" + part.Text + "\n");
    }
    filled = out;
    return true;
}

std::string FillReadme(const std::string& readmeTemplate, const std::string& version) {
    std::string list;
    for (const Launcher& launcher : LauncherSet()) {
        std::string name = launcher.FileName;
        name.resize(16, ' ');
        // The note without the program's name, which the file name already says.
        list += "  " + name + LauncherNote(launcher).substr(5) + "\n";
    }
    std::string out = readmeTemplate;
    for (size_t at; (at = out.find("@VERSION@")) != std::string::npos;) out.replace(at, 9, version);
    const size_t at = out.find("@LAUNCHERS@\n");
    if (at != std::string::npos) out.replace(at, 12, list);
    return out;
}

std::vector<std::string> GuidePictures() {
    std::vector<std::string> pictures;
    for (const GuidePart& part : GuideParts())
        for (size_t at = 0; (at = part.Text.find("](cells/", at)) != std::string::npos;) {
            at += 2;
            pictures.push_back(part.Text.substr(at, part.Text.find(')', at) - at));
        }
    return pictures;
}

}  // namespace tools
