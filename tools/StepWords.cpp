#include "tools/StepWords.h"

#include "Unit1/Form.h"

namespace tools {

using figures::NumberRole;
using figures::PointRole;

const char* FigureName(const figures::ModeSpec& m) {
    if (m.Mode == 6) return "円弧・扇形を 1/4 周ごとに分けて";
    if (m.shape.Ring)
        return m.shape.Arc ? "部分リング（穴のある扇形）" : "リング（穴のある円・楕円）";
    return m.shape.Arc ? "円弧・扇形" : "円・楕円";
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

const char* PointName(PointRole r) {
    switch (r) {
        case PointRole::Centre:
            return "中心点";
        case PointRole::OnFigure:
            return "円周上の点（半径）";
        case PointRole::OnHole:
            // "内径" would read as a diameter; the hole is given by its radius.
            return "穴の円周上の点（内側円半径）";
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
            return "内側円半径";
        case NumberRole::StartDegrees:
            return "始角°";
        case NumberRole::EndDegrees:
            return "終角°";
    }
    return "";
}

const char* NumberUnit(NumberRole r) {
    return r == NumberRole::Radius || r == NumberRole::InnerRadius ? "実寸mm" : "";
}

std::string NumberDefault(NumberRole r) {
    const Unit1::TForm1 form;  // the arc page holds all four values
    switch (r) {
        case NumberRole::Radius:
            return form.EditB1.Text;
        case NumberRole::InnerRadius:
            return form.EditB6.Text;
        case NumberRole::StartDegrees:
            return form.EditB7.Text;
        case NumberRole::EndDegrees:
            return form.EditB8.Text;
        case NumberRole::Option:
            break;
    }
    return "0";
}

}  // namespace tools
