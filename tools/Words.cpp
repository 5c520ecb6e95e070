#include "tools/Words.h"

#include <algorithm>
#include <utility>

#include "Unit1/FigurePage.h"
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

namespace {

// What a kind of drawing is called: in plain words (as a full figure and as an
// arc) and by the CAD's name of its solid.
struct DrawingWords {
    Drawing Kind;
    const char* Full;
    const char* Arc;
    const char* Solid;
};
constexpr DrawingWords kDrawingWords[] = {
    {Drawing::Line, w::FullLine, w::ArcLine, w::SolidLine},
    {Drawing::Filled, w::Filled, w::Filled, w::SolidFilled},
    {Drawing::Sector, w::Sector, w::Sector, w::SolidSector},
    {Drawing::Segment, w::Segment, w::Segment, w::SolidSegment},
    {Drawing::Outside, w::Outside, w::Outside, w::SolidOutside},
    {Drawing::Ring, w::Ring, w::ArcRing, w::SolidRing},
};

// The word for a key of a small table of (key, word) pairs.
template <class Key, size_t N>
const char* WordFor(const std::pair<Key, const char*> (&table)[N], Key key) {
    for (const auto& [k, word] : table)
        if (k == key) return word;
    return "";
}

constexpr std::pair<PointRole, const char*> kPointNames[] = {
    {PointRole::Centre, w::PointCentre},
    {PointRole::OnFigure, w::PointOnFigure},
    {PointRole::OnHole, w::PointOnHole},
    {PointRole::StartDirection, w::PointStartDirection},
    {PointRole::EndDirection, w::PointEndDirection},
    {PointRole::ArcStart, w::PointArcStart},
    {PointRole::ArcEnd, w::PointArcEnd},
    {PointRole::Between, w::PointBetween},
    {PointRole::OnCircle, w::PointOnCircle},  // "{n}": the points are told apart by order
    {PointRole::Corner, w::PointCorner},
    {PointRole::OppositeCorner, w::PointOppositeCorner},
};

// The dialog's captions of the typed values.
constexpr std::pair<NumberRole, const char*> kNumberNames[] = {
    {NumberRole::Option, w::Option},           {NumberRole::Radius, w::Radius},
    {NumberRole::InnerRadius, w::InnerRadius}, {NumberRole::StartDegrees, w::StartAngle},
    {NumberRole::EndDegrees, w::EndAngle},
};

const DrawingWords& WordsOf(Drawing kind) {
    for (const DrawingWords& d : kDrawingWords)
        if (d.Kind == kind) return d;
    return kDrawingWords[0];
}

}  // namespace

std::string FigureWords(const figures::ModeSpec& m, int option) {
    const DrawingWords& d = WordsOf(m.Draws);
    const std::string words = m.shape.Arc ? d.Arc : d.Full;
    if (m.Draws != Drawing::Ring || option < 0) return words;
    return words + (option == 1 ? w::KeepsWidth : w::KeepsFlatness);
}

std::string HostSolidName(const figures::ModeSpec& m, int option) {
    if (m.Draws == Drawing::Ring && option >= 0)
        return option == 1 ? w::SolidRingWidth : w::SolidRingFlatness;
    return WordsOf(m.Draws).Solid;
}

std::string StepName(const figures::Shape& shape, int step) {
    static constexpr const char* kSteps[] = {w::StepPoints,  w::StepLast,      w::StepNumbers,
                                             w::StepCircle3, w::StepRectangle, w::StepDialog};
    if (step == 4 && shape.Arc) return w::StepArc3;
    return kSteps[std::clamp(step, 1, 6) - 1];
}

std::vector<std::string> PointNames(const figures::Shape& shape, int step) {
    std::vector<std::string> names;
    int onCircle = 0;
    for (PointRole r : figures::PointsRead(shape, step))
        names.push_back(Fill(WordFor(kPointNames, r), "n",
                             std::to_string(r == PointRole::OnCircle ? ++onCircle : 0)));
    return names;
}

const char* NumberName(NumberRole r) {
    return WordFor(kNumberNames, r);
}

std::string NumberDefault(NumberRole r) {
    // The dialog's design-time values: the arc page holds all four.
    const Unit1::TForm1 form;
    const Unit1::FigurePage& page = Unit1::kArcPage;
    const std::pair<NumberRole, Unit1::TEdit Unit1::TForm1::*> edits[] = {
        {NumberRole::Radius, page.Radius},
        {NumberRole::InnerRadius, page.InnerRadius},
        {NumberRole::StartDegrees, page.StartDegrees},
        {NumberRole::EndDegrees, page.EndDegrees}};
    for (const auto& [role, edit] : edits)
        if (role == r) return (form.*edit).Text;
    return "0";
}

std::string NumberPrompt(NumberRole r) {
    const bool angle = r == NumberRole::StartDegrees || r == NumberRole::EndDegrees;
    std::string prompt = Fill(angle ? w::AnglePrompt : w::NumberPrompt, "name", NumberName(r));
    prompt = Fill(prompt, "unit", w::RealMm);
    return Fill(prompt, "default", NumberDefault(r));
}

}  // namespace tools
