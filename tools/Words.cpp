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

const char* PointName(PointRole r) {
    switch (r) {
        case PointRole::Centre:
            return w::PointCentre;
        case PointRole::OnFigure:
            return w::PointOnFigure;
        case PointRole::OnHole:
            return w::PointOnHole;
        case PointRole::StartDirection:
            return w::PointStartDirection;
        case PointRole::EndDirection:
            return w::PointEndDirection;
        case PointRole::ArcStart:
            return w::PointArcStart;
        case PointRole::ArcEnd:
            return w::PointArcEnd;
        case PointRole::Between:
            return w::PointBetween;
        case PointRole::OnCircle:
            return w::PointOnCircle;
        case PointRole::Corner:
            return w::PointCorner;
        case PointRole::OppositeCorner:
            return w::PointOppositeCorner;
    }
    return "";
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

const char* NumberUnit(NumberRole r) {
    switch (r) {
        case NumberRole::Radius:
        case NumberRole::InnerRadius:
            return w::RealMm;
        case NumberRole::StartDegrees:
        case NumberRole::EndDegrees:
            return w::DegreeUnit;
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
    std::string prompt = Fill(w::NumberPrompt, "name", NumberName(r));
    prompt = Fill(prompt, "unit", NumberUnit(r));
    return Fill(prompt, "default", NumberDefault(r));
}

}  // namespace tools
