// The settings file: 32 positional lines beside the program.
#include <string>
#include <string_view>

#include "MyFunc/Files.h"
#include "MyFunc/TextConv.h"
#include "Unit1/Form.h"
#include "Unit1/LineReader.h"

namespace Unit1 {

using MyFunc::TextToBool;
using MyFunc::TextToFloat;
using MyFunc::TextToInt;

namespace {

// A flag line: true checks the button (unchecking its partner), false only
// unchecks it.
void SetRadio(TRadioButton& button, TRadioButton& partner, std::string_view line) {
    if (TextToBool(line))
        CheckRadio(button, partner);
    else
        button.Checked = false;
}

}  // namespace

void TForm1::LoadSettings() {
    ColorIndex = 0;
    UseRgbColor = 0;
    RgbColor = 0;
    LineWidth = -1;
    RememberedFigure = RememberedFigureRecord{};

    std::string bytes;
    if (!MyFunc::FileExists(SettingsPath)) return;
    MyFunc::ReadFileBytes(SettingsPath, bytes);  // what was read before an error still applies
    LineReader lines(bytes);
    RememberedFigureRecord& m = RememberedFigure;
    m.LastPointX = TextToFloat(lines.Next());
    m.LastPointY = TextToFloat(lines.Next());
    ColorIndex = TextToInt(lines.Next());
    UseRgbColor = TextToInt(lines.Next());
    RgbColor = TextToInt(lines.Next());
    LineWidth = TextToInt(lines.Next());
    for (TEdit* e : {&EditA1, &EditA2, &EditA3, &EditA4, &EditA5, &EditA6})
        e->Text = std::string(lines.Next());
    SetRadio(RBA1, RBA2, lines.Next());
    SetRadio(RBA2, RBA1, lines.Next());
    CBA1.Checked = TextToBool(lines.Next());
    for (TEdit* e : {&EditB1, &EditB2, &EditB3, &EditB4, &EditB5, &EditB6, &EditB7, &EditB8})
        e->Text = std::string(lines.Next());
    SetRadio(RBB1, RBB2, lines.Next());
    SetRadio(RBB2, RBB1, lines.Next());
    CBB1.Checked = TextToBool(lines.Next());
    m.LastRadius = TextToFloat(lines.Next());
    m.LastFlatness = TextToFloat(lines.Next());
    m.LastInnerRadius = TextToFloat(lines.Next());
    m.LastTilt = TextToFloat(lines.Next());
    m.LastStartAngle = TextToFloat(lines.Next());
    m.LastArcAngle = TextToFloat(lines.Next());
}

void TForm1::SaveSettings() {
    std::string out;
    auto number = [&out](double v) {
        MyFunc::AppendFloatText(out, v);
        out += "\r\n";
    };
    auto integer = [&out](int v) {
        MyFunc::AppendIntText(out, v);
        out += "\r\n";
    };
    auto text = [&out](const std::string& s) {
        out += s;
        out += "\r\n";
    };
    auto flag = [&text](bool b) { text(MyFunc::BoolToText(b)); };

    const RememberedFigureRecord& m = RememberedFigure;
    number(m.LastPointX);
    number(m.LastPointY);
    integer(ColorIndex);
    integer(UseRgbColor);
    integer(RgbColor);
    integer(LineWidth);
    for (const TEdit* e : {&EditA1, &EditA2, &EditA3, &EditA4, &EditA5, &EditA6}) text(e->Text);
    flag(RBA1.Checked);
    flag(RBA2.Checked);
    flag(CBA1.Checked);
    for (const TEdit* e : {&EditB1, &EditB2, &EditB3, &EditB4, &EditB5, &EditB6, &EditB7, &EditB8})
        text(e->Text);
    flag(RBB1.Checked);
    flag(RBB2.Checked);
    flag(CBB1.Checked);
    number(m.LastRadius);
    number(m.LastFlatness);
    number(m.LastInnerRadius);
    number(m.LastTilt);
    number(m.LastStartAngle);
    number(m.LastArcAngle);
    // Replaced atomically: a failed save keeps the previous settings.
    MyFunc::WriteFileAtomic(SettingsPath, out);
}

}  // namespace Unit1
