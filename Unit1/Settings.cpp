// The settings file: 32 lines beside the program, each one value, read and
// written from the one table of its lines.
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "MyFunc/Files.h"
#include "MyFunc/TextConv.h"
#include "Unit1/FigurePage.h"
#include "Unit1/Form.h"
#include "Unit1/Layout.h"
#include "Unit1/LineReader.h"
#include "Unit1/SettingsFile.h"

namespace Unit1 {

namespace {

using MyFunc::TextToBool;
using MyFunc::TextToFloat;
using MyFunc::TextToInt;

// A flag line of a radio button: true checks it (unchecking its partner),
// false only unchecks it.
struct RadioLine {
    TRadioButton TForm1::*Button;
    TRadioButton TForm1::*Partner;
};

// What a line holds: a number of the remembered figure, an integer setting,
// an edit's text as it stands, or a flag.
using LineValue = std::variant<double RememberedFigureRecord::*, int TForm1::*, TEdit TForm1::*,
                               TCheckBox TForm1::*, RadioLine>;

struct Line {
    const char* Name;
    LineValue Value;
};

// A figure page's lines: its edits in the page's order, then its flags, each
// by its control's name.
void AppendPage(std::vector<Line>& lines, const FigurePage& p) {
    for (TEdit TForm1::*edit : {p.Radius, p.FlatnessPercent, p.XRadius, p.YRadius, p.TiltDegrees,
                                p.InnerRadius, p.StartDegrees, p.EndDegrees})
        if (edit != nullptr) lines.push_back({NameOf(edit), edit});
    lines.push_back({NameOf(p.ByFlatness), RadioLine{p.ByFlatness, p.ByAxisRadii}});
    lines.push_back({NameOf(p.ByAxisRadii), RadioLine{p.ByAxisRadii, p.ByFlatness}});
    lines.push_back({NameOf(p.TiltFromAxis), p.TiltFromAxis});
}

const std::vector<Line>& Lines() {
    static const std::vector<Line> lines = [] {
        using R = RememberedFigureRecord;
        std::vector<Line> l = {
            {"LastPointX", &R::LastPointX},      {"LastPointY", &R::LastPointY},
            {"ColorIndex", &TForm1::ColorIndex}, {"UseRgbColor", &TForm1::UseRgbColor},
            {"RgbColor", &TForm1::RgbColor},     {"LineWidth", &TForm1::LineWidth}};
        AppendPage(l, kFullCirclePage);
        AppendPage(l, kArcPage);
        l.insert(l.end(), {{"LastRadius", &R::LastRadius},
                           {"LastFlatness", &R::LastFlatness},
                           {"LastInnerRadius", &R::LastInnerRadius},
                           {"LastTilt", &R::LastTilt},
                           {"LastStartAngle", &R::LastStartAngle},
                           {"LastArcAngle", &R::LastArcAngle}});
        return l;
    }();
    return lines;
}

// std::visit over the alternatives of a line.
template <class... F>
struct Overloaded : F... {
    using F::operator()...;
};
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

}  // namespace

std::vector<std::string> SettingsLineNames() {
    std::vector<std::string> names;
    for (const Line& line : Lines()) names.emplace_back(line.Name);
    return names;
}

void TForm1::LoadSettings() {
    ColorIndex = 0;
    UseRgbColor = 0;
    RgbColor = 0;
    LineWidth = -1;
    RememberedFigure = RememberedFigureRecord{};

    std::string bytes;
    if (!MyFunc::FileExists(SettingsPath)) return;
    MyFunc::ReadFileBytes(SettingsPath, bytes);  // what was read before an error still applies
    LineReader reader(bytes);
    for (const Line& line : Lines()) {
        const std::string_view text = reader.Next();  // the empty text past the end
        std::visit(
            Overloaded{
                [&](double RememberedFigureRecord::*n) { RememberedFigure.*n = TextToFloat(text); },
                [&](int TForm1::*i) { this->*i = TextToInt(text); },
                [&](TEdit TForm1::*e) { (this->*e).Text = std::string(text); },
                [&](TCheckBox TForm1::*c) { (this->*c).Checked = TextToBool(text); },
                [&](RadioLine r) {
                    if (TextToBool(text))
                        CheckRadio(this->*r.Button, this->*r.Partner);
                    else
                        (this->*r.Button).Checked = false;
                },
            },
            line.Value);
    }
}

void TForm1::SaveSettings() {
    std::string out;
    for (const Line& line : Lines()) {
        std::visit(Overloaded{
                       [&](double RememberedFigureRecord::*n) {
                           MyFunc::AppendFloatText(out, RememberedFigure.*n);
                       },
                       [&](int TForm1::*i) { MyFunc::AppendIntText(out, this->*i); },
                       [&](TEdit TForm1::*e) { out += (this->*e).Text; },
                       [&](TCheckBox TForm1::*c) { out += MyFunc::BoolToText((this->*c).Checked); },
                       [&](RadioLine r) { out += MyFunc::BoolToText((this->*r.Button).Checked); },
                   },
                   line.Value);
        out += "\r\n";
    }
    // Replaced atomically: a failed save keeps the previous settings.
    MyFunc::WriteFileAtomic(SettingsPath, out);
}

}  // namespace Unit1
