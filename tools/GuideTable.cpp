#include "tools/GuideTable.h"

#include <string>

#include "figures/Figure.h"
#include "figures/StepInputs.h"

namespace tools {

namespace {

using figures::NumberRole;
using figures::PointRole;

const char* FigureName(const figures::ModeSpec& m) {
    if (m.Mode == 6) return "円弧・扇形を 1/4 周ごとに分けて";
    if (m.shape.Ring)
        return m.shape.Arc ? "部分リング（穴のある扇形）" : "リング（穴のある円・楕円）";
    return m.shape.Arc ? "円弧・扇形" : "円・楕円";
}

const char* PointName(PointRole r) {
    switch (r) {
        case PointRole::Centre:
            return "中心";
        case PointRole::OnFigure:
            return "円周上の点（半径）";
        case PointRole::OnHole:
            return "穴の円周上の点（内径）";
        case PointRole::StartDirection:
            return "始点の方向";
        case PointRole::EndDirection:
            return "終点の方向（反時計回り）";
        case PointRole::ArcStart:
            return "円弧の始点";
        case PointRole::ArcEnd:
            return "円弧の終点";
        case PointRole::Between:
            return "円弧が通る中間の点";
        case PointRole::OnCircle:
            return "円周上の点";
        case PointRole::Corner:
            return "矩形の角";
        case PointRole::OppositeCorner:
            return "対角の角";
    }
    return "";
}

const char* NumberName(NumberRole r) {
    switch (r) {
        case NumberRole::Option:
            return "オプション";
        case NumberRole::Radius:
            return "半径";
        case NumberRole::InnerRadius:
            return "内径";
        case NumberRole::StartDegrees:
            return "始角°";
        case NumberRole::EndDegrees:
            return "終角°";
    }
    return "";
}

const char* StepName(int step) {
    switch (step) {
        case 1:
            return "指示点で";
        case 2:
            return "前回と同じ大きさで";
        case 3:
            return "数値で";
        case 4:
            return "3点を通る円で";
        case 5:
            return "軸角の矩形に内接";
        default:
            return "ダイアログの値で";
    }
}

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
    std::string out = "| モード | 描く図形 | ホストへの出力 |\n|---:|---|---|\n";
    for (int mode = 1; mode <= figures::kModeCount; ++mode) {
        const figures::ModeSpec& m = *figures::FindMode(mode);
        out += "| " + std::to_string(mode) + " | " + FigureName(m) + " | `" + m.Answer + "` |\n";
    }
    out += "\n| コマンド | 大きさ | 指示する点（番号順） | 結果 |\n|---|---|---|---|\n";
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
