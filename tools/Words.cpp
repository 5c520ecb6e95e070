#include "tools/Words.h"

#include "Unit1/Form.h"

namespace tools {

using figures::Drawing;
using figures::NumberRole;
using figures::PointRole;

std::string FigureWords(const figures::ModeSpec& m, int option) {
    const bool arc = m.shape.Arc;
    switch (m.Draws) {
        case Drawing::Line:
            return arc ? "円弧（線）" : "円周（線）";
        case Drawing::Filled:
            return "塗りつぶし円";
        case Drawing::Sector:
            return "扇形";
        case Drawing::Segment:
            return "弓形";
        case Drawing::Outside:
            return "円外側";
        case Drawing::Ring:
            break;
    }
    const std::string ring = arc ? "部分リング" : "リング";
    if (option < 0) return ring;
    return ring + (option == 1 ? "（幅一定）" : "（扁平率一定）");
}

std::string HostSolidName(const figures::ModeSpec& m, int option) {
    switch (m.Draws) {
        case Drawing::Line:
            return "円周ソリッド";
        case Drawing::Filled:
            return "全円ソリッド";
        case Drawing::Sector:
            return "扇形ソリッド";
        case Drawing::Segment:
            return "弓形ソリッド";
        case Drawing::Outside:
            return "外側円弧ソリッド";
        case Drawing::Ring:
            break;
    }
    if (option < 0) return "円環ソリッド";
    return option == 1 ? "円環ソリッド（幅一定）" : "円環ソリッド（扁平率一定）";
}

std::string StepName(const figures::Shape& shape, int step) {
    switch (step) {
        case 1:
            return "指示点で";
        case 2:
            return "前回と同じ大きさで";
        case 3:
            return "数値で";
        case 4:
            return shape.Arc ? "3点を通る円弧で" : "3点を通る円で";
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
            return "内側円周上の点（内側円半径）";
        case PointRole::StartDirection:
            return "開始角度の方向";
        case PointRole::EndDirection:
            return "終了角度の方向（反時計回り）";
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
            return "開始角度";
        case NumberRole::EndDegrees:
            return "終了角度";
    }
    return "";
}

const char* NumberUnit(NumberRole r) {
    switch (r) {
        case NumberRole::Radius:
        case NumberRole::InnerRadius:
            return "実寸mm";
        case NumberRole::StartDegrees:
        case NumberRole::EndDegrees:
            return "度";
        case NumberRole::Option:
            break;
    }
    return "";
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

std::string NumberPrompt(NumberRole r) {
    // Full-width digits read as no number at all, so the prompt says which to type.
    return std::string(NumberName(r)) + "を半角数字で入力（" + NumberUnit(r) + "、空欄は " +
           NumberDefault(r) + "）";
}

}  // namespace tools
