#include "tools/GuideTable.h"

#include <string>

#include "figures/Figure.h"
#include "figures/StepInputs.h"
#include "tools/Launchers.h"
#include "tools/StepWords.h"

namespace tools {

namespace {

using figures::NumberRole;
using figures::PointRole;

std::string Command(const figures::ModeSpec& m, int step) {
    std::string c = std::to_string(m.Mode) + " " + std::to_string(step);
    if (step == 3) {
        for (NumberRole r : figures::NumbersRead(m.Mode, m.shape))
            c += std::string(" ") + NumberName(r);
    } else if (m.Mode >= 7) {
        c += " オプション";
    }
    return "`" + c + "`";
}

}  // namespace

std::string GuideTables() {
    std::string out = "### ランチャーとメニュー\n\n" + LauncherTable();
    out += "\n### モードと出力\n\n| モード | 描く図形 | ホストへの出力 |\n|---:|---|---|\n";
    for (int mode = 1; mode <= figures::kModeCount; ++mode) {
        const figures::ModeSpec& m = *figures::FindMode(mode);
        out += "| " + std::to_string(mode) + " | " + FigureName(m) + " | `" + m.Answer + "` |\n";
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
            const std::string picture = step <= 5 ? "![](cells/m" + std::to_string(mode) + "s" +
                                                        std::to_string(step) + ".svg)"
                                                  : "—";
            out += "| " + Command(m, step) + " | " + StepName(step) + " | " + points + " | " +
                   picture + " |\n";
        }
    }
    return out;
}

}  // namespace tools
