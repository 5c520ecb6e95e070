#include "tools/GuideTable.h"

#include <string>

#include "figures/Figure.h"
#include "figures/StepInputs.h"
#include "hoststandin/Gallery.h"
#include "tools/Launchers.h"
#include "tools/Words.h"

namespace tools {

namespace {

using figures::NumberRole;
using figures::PointRole;

std::string Picture(const std::string& cell) {
    return "![](cells/" + cell + ".svg)";
}

// How a size is taken, in what a user wants: the left column of the menu table.
const char* StepPurpose(int step) {
    switch (step) {
        case 1:
            return "中心点と円周上の点を指示して（円弧では開始・終了角度の方向も）";
        case 2:
            return "前回描いた図形と同じ大きさで、中心点だけ指示して";
        case 3:
            return "半径や角度を半角数字で入力して";
        case 4:
            return "3点を指示して、それを通る円（円弧）で";
        case 5:
            return "軸角に沿った矩形の対角の2点を指示して、それに内接させて";
        default:
            return "設定ダイアログの値で";
    }
}

std::string Overview() {
    std::string out =
        "| 描くもの | ランチャー | ホストの名前 | 図 |\n"
        "|---|---|---|---|\n";
    for (const Launcher& launcher : LauncherSet()) {
        if (launcher.Mode == 0) continue;
        const figures::ModeSpec& m = *figures::FindMode(launcher.Mode);
        out += "| " + LauncherFigure(launcher) + " | `" + launcher.FileName + "` | " +
               HostSolidName(m, launcher.Option) + " | " + Picture(hoststandin::CellFor(launcher)) +
               " |\n";
    }
    out +=
        "\n| 大きさの取り方 | メニュー項目 |\n"
        "|---|---|\n";
    const figures::Shape full{false, false}, arc{true, false};
    for (int step = 1; step <= 6; ++step) {
        std::string item = std::to_string(step) + ". " + StepName(full, step);
        if (StepName(arc, step) != StepName(full, step))
            item += "（円弧のランチャーでは「" + StepName(arc, step) + "」）";
        out += std::string("| ") + StepPurpose(step) + " | " + item + " |\n";
    }
    return out;
}

std::string Command(const figures::ModeSpec& m, int step) {
    std::string c = std::to_string(m.Mode) + " " + std::to_string(step);
    if (step == 3) {
        for (NumberRole r : figures::NumbersRead(m)) c += std::string(" ") + NumberName(r);
    } else if (m.TakesOption) {
        c += " オプション";
    }
    return "`" + c + "`";
}

std::string Tables() {
    std::string out = "### ランチャーとメニュー\n\n" + LauncherTable();
    out +=
        "\n### モードと出力\n\n| モード | 描くもの | ホストの名前 | ホストへの出力 |\n"
        "|---:|---|---|---|\n";
    for (int mode = 1; mode <= figures::kModeCount; ++mode) {
        const figures::ModeSpec& m = *figures::FindMode(mode);
        std::string host = HostSolidName(m, -1);
        if (m.TakesOption)
            host = HostSolidName(m, 0) + "（オプション 0）、" + HostSolidName(m, 1) +
                   "（オプション 1）";
        out += "| " + std::to_string(mode) + " | " + FigureWords(m, -1) + " | " + host + " | `" +
               m.Answer + "` |\n";
    }
    out +=
        "\n### モードとステップ\n\n| コマンド | 大きさ | 指示する点（番号順） | 結果 "
        "|\n|---|---|---|---|\n";
    for (int mode = 1; mode <= figures::kModeCount; ++mode) {
        const figures::ModeSpec& m = *figures::FindMode(mode);
        for (int step = 1; step <= 6; ++step) {
            std::string points;
            int n = 1;
            for (PointRole r : figures::PointsRead(m.shape, step)) {
                points += (n > 1 ? "、" : "") + std::to_string(n) + ": " + PointName(r);
                ++n;
            }
            const std::string picture = step <= 5 ? Picture(hoststandin::CellFor(mode, step)) : "—";
            out += "| " + Command(m, step) + " | " + StepName(m.shape, step) + " | " + points +
                   " | " + picture + " |\n";
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
