#include "tools/Words.h"

#include "Unit1/Form.h"
#include "words/Dialog.h"
#include "words/Launchers.h"

namespace tools {

using figures::Drawing;
using figures::NumberRole;
using figures::PointRole;
namespace w = words::utf8;

std::string Fill(std::string text, const std::string& name, const std::string& value) {
    const std::string mark = "{" + name + "}";
    for (size_t at = 0; (at = text.find(mark, at)) != std::string::npos; at += value.size())
        text.replace(at, mark.size(), value);
    return text;
}

std::string FigureWords(const figures::ModeSpec& m, int option) {
    const bool arc = m.shape.Arc;
    switch (m.Draws) {
        case Drawing::Line:
            return arc ? w::ArcLine : w::FullLine;
        case Drawing::Filled:
            return w::Filled;
        case Drawing::Sector:
            return w::Sector;
        case Drawing::Segment:
            return w::Segment;
        case Drawing::Outside:
            return w::Outside;
        case Drawing::Ring:
            break;
    }
    const std::string ring = arc ? w::ArcRing : w::Ring;
    if (option < 0) return ring;
    return ring + (option == 1 ? w::KeepsWidth : w::KeepsFlatness);
}

std::string HostSolidName(const figures::ModeSpec& m, int option) {
    switch (m.Draws) {
        case Drawing::Line:
            return w::SolidLine;
        case Drawing::Filled:
            return w::SolidFilled;
        case Drawing::Sector:
            return w::SolidSector;
        case Drawing::Segment:
            return w::SolidSegment;
        case Drawing::Outside:
            return w::SolidOutside;
        case Drawing::Ring:
            break;
    }
    if (option < 0) return w::SolidRing;
    return option == 1 ? w::SolidRingWidth : w::SolidRingFlatness;
}

std::string StepName(const figures::Shape& shape, int step) {
    switch (step) {
        case 1:
            return w::StepPoints;
        case 2:
            return w::StepLast;
        case 3:
            return w::StepNumbers;
        case 4:
            return shape.Arc ? w::StepArc3 : w::StepCircle3;
        case 5:
            return w::StepRectangle;
        default:
            return w::StepDialog;
    }
}

std::vector<std::string> PointNames(const figures::Shape& shape, int step) {
    std::vector<std::string> names;
    int onCircle = 0;
    for (PointRole r : figures::PointsRead(shape, step)) {
        switch (r) {
            case PointRole::Centre:
                names.emplace_back(w::PointCentre);
                break;
            case PointRole::OnFigure:
                names.emplace_back(w::PointOnFigure);
                break;
            case PointRole::OnHole:
                names.emplace_back(w::PointOnHole);
                break;
            case PointRole::StartDirection:
                names.emplace_back(w::PointStartDirection);
                break;
            case PointRole::EndDirection:
                names.emplace_back(w::PointEndDirection);
                break;
            case PointRole::ArcStart:
                names.emplace_back(w::PointArcStart);
                break;
            case PointRole::ArcEnd:
                names.emplace_back(w::PointArcEnd);
                break;
            case PointRole::Between:
                names.emplace_back(w::PointBetween);
                break;
            case PointRole::OnCircle:
                names.push_back(Fill(w::PointOnCircle, "n", std::to_string(++onCircle)));
                break;
            case PointRole::Corner:
                names.emplace_back(w::PointCorner);
                break;
            case PointRole::OppositeCorner:
                names.emplace_back(w::PointOppositeCorner);
                break;
        }
    }
    return names;
}

const char* NumberName(NumberRole r) {
    switch (r) {
        case NumberRole::Option:
            return w::Option;
        case NumberRole::Radius:
            return w::Radius;
        case NumberRole::InnerRadius:
            return w::InnerRadius;
        case NumberRole::StartDegrees:
            return w::StartAngle;
        case NumberRole::EndDegrees:
            return w::EndAngle;
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
    const bool angle = r == NumberRole::StartDegrees || r == NumberRole::EndDegrees;
    std::string prompt = Fill(angle ? w::AnglePrompt : w::NumberPrompt, "name", NumberName(r));
    prompt = Fill(prompt, "unit", w::RealMm);
    return Fill(prompt, "default", NumberDefault(r));
}

}  // namespace tools
