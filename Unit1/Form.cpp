#include "Unit1/Form.h"

#include "JwwGaibu/ExchangeReader.h"
#include "JwwGaibu/HostState.h"
#include "JwwGaibu/Output.h"
#include "MyFunc/TextConv.h"
#include "Unit1/DialogRules.h"
#include "Unit1/FigurePage.h"
#include "Unit1/Notices.h"
#include "Unit1/Texts.h"
#include "Unit1/TypedValues.h"
#include "figures/Figure.h"

namespace Unit1 {

using MyFunc::TextToFloat;
using MyFunc::TextToInt;

TForm1::TForm1() {
    // Design-time values of the dialog: both figure pages alike.
    for (const FigurePage* page : {&kFullCirclePage, &kArcPage}) {
        (this->*page->ByFlatness).Checked = true;
        for (TEdit TForm1::*edit :
             {page->Radius, page->FlatnessPercent, page->XRadius, page->YRadius})
            (this->*edit).Text = "100";
        (this->*page->TiltDegrees).Text = "0";
        (this->*page->InnerRadius).Text = "50";
    }
    EditB7.Text = "0";
    EditB8.Text = "360";
    ComboBox3.Items = {"", "10", "15", "20", "25", "30", "35", "40", "45", "50", "80", "100"};
}

namespace {

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The program's own path with its extension replaced by ".dat".
std::string SettingsPathOf(const std::string& exePath) {
    const size_t slash = exePath.find_last_of("/\\");
    const size_t dot = exePath.find_last_of('.');
    const bool hasExtension =
        dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return (hasExtension ? exePath.substr(0, dot) : exePath) + ".dat";
}

}  // namespace

void TForm1::ParseCommandLine(const std::vector<std::string>& args) {
    ArgumentCount = static_cast<int>(args.size());
    ShowDialog = true;
    Mode = Step = ModeOption = 0;
    OptionText.clear();
    NumberTexts = {};
    if (args.size() < 2) return;
    Mode = TextToInt(args[0]);
    Step = TextToInt(args[1]);
    // Modes 7 and 8 take an integer option before their numbers.
    size_t firstNumber = 2;
    if (Mode >= 7) {
        if (args.size() > 2) ModeOption = TextToInt(OptionText = args[2]);
        firstNumber = 3;
    }
    const size_t numberCount = Mode >= 7 ? 4 : 3;
    for (size_t i = 0; i < numberCount && firstNumber + i < args.size(); ++i)
        NumberTexts[i] = args[firstNumber + i];
    if (Mode >= 1 && Mode <= 8) {
        if (Step >= 1 && Step <= 5) ShowDialog = false;
    } else {
        Mode = Step = ModeOption = 0;
    }
}

void TForm1::FormShow(const std::string& exePath, const std::vector<std::string>& args) {
    // The switch stands before the mode, so a run without it reads its
    // arguments exactly as before.
    Explain = !args.empty() && args.front() == kExplainSwitch;
    ParseCommandLine(Explain ? std::vector<std::string>(args.begin() + 1, args.end()) : args);
    if (!ShowDialog) Minimised = true;
    JwwGaibu::InitHostState();
    ExeFolder = FolderOf(exePath);
    SettingsPath = SettingsPathOf(exePath);
    JwwGaibu::ReadExchangeFile(ExeFolder + kExchangeFileName);
    LoadSettings();
    // A launcher's typed values, read as the user meant them: one that is not
    // a number stops the run before anything is drawn or shown.
    if (Explain && !ReadTypedValues(*this)) {
        EmitColorAndWidth();
        ExplainOutcome();
        return Close();
    }
    if (!ShowDialog) return RunSilent();
    if (Platform == nullptr || !Platform->Available()) return CloseBox();
    PrepareDialog();
    // Centred on the cursor, then kept wholly on that screen so that OK can
    // always be reached.
    const ScreenPoint cursor = Platform->CursorPos();
    const ScreenPoint size = Platform->WindowSize();
    const ScreenPoint at = KeepOnScreen({cursor.X - size.X / 2, cursor.Y - size.Y / 2}, size,
                                        Platform->ScreenAt(cursor));
    Left = at.X;
    Top = at.Y;
    Platform->ShowAt(*this, Left, Top);
    if (!Closed) CloseBox();  // the window went away without a close event
}

void TForm1::EmitColorAndWidth() {
    JwwGaibu::ResetOutputState();
    if (UseRgbColor == 0)
        JwwGaibu::EmitLineColor(ColorIndex, 1);
    else
        JwwGaibu::EmitRgbColor(RgbColor);
    JwwGaibu::EmitLineWidth(LineWidth);
}

void TForm1::RunSilent() {
    EmitColorAndWidth();
    RunConstruction(Step);
    ExplainOutcome();
    SaveSettings();
    Close();
}

void TForm1::ExplainOutcome() {
    // First, so that the host shows it and carries out nothing after it.
    if (Explain && Outcome != figures::NotDrawn::None)
        JwwGaibu::PrependOutputLine("he" + NotDrawnNotice(*this));
}

void TForm1::RunConstruction(int step) {
    Outcome = figures::NotDrawn::None;
    if (step < 1 || step > 5) return;
    std::array<double, 4> numbers{};
    for (size_t i = 0; i < numbers.size(); ++i) numbers[i] = TextToFloat(NumberTexts[i]);
    RunNamedConstruction(step, numbers);
}

void TForm1::RunDialogConstruction() {
    Outcome = figures::NotDrawn::None;
    RunNamedConstruction(6, {});
}

void TForm1::PrepareDialog() {
    LabelA1.Caption = std::string(kAxisAnglePrefix) +
                      MyFunc::FloatToTextTrimmed(12, 6, false, JwwGaibu::HostState.AxisAngle) +
                      kDegreeSign;
    ComboBox1.Items = ColourListItems();
    CheckBox1.Checked = false;
    ComboBox3.Text.clear();
    ComboBox1.ItemIndex = (ColorIndex >= 0 && ColorIndex < static_cast<int>(ComboBox1.Items.size()))
                              ? ColorIndex
                              : -1;
    CheckBox1.Checked = UseRgbColor == 1;
    SpeedButton1.FontColor = RgbColor;
    if (LineWidth >= 0) ComboBox3.Text = std::to_string(LineWidth);
    LoadColorWidthList();
    LoadPresetList();

    const figures::ModeSpec* modeSpec = figures::FindMode(Mode);
    auto enable = [](TGroupBox& g, bool on) {
        g.Enabled = on;
        g.Color = GroupGround(on);
    };
    if (Mode == 0) {
        enable(GroupBoxA, true);
        enable(GroupBoxB, true);
        ActivePage = 0;
        FocusedControl = "ComboBox1";
    } else if (modeSpec != nullptr && Step == 6) {
        const bool arcPage = modeSpec->shape.Arc;
        enable(GroupBoxA, !arcPage);
        enable(GroupBoxB, arcPage);
        ActivePage = arcPage ? 2 : 1;
        FocusedControl = arcPage ? "TabSheet3" : "TabSheet2";
    }
}

void TForm1::Button1Click() {
    ColorIndex = ComboBox1.ItemIndex;
    UseRgbColor = CheckBox1.Checked ? 1 : 0;
    RgbColor = SpeedButton1.FontColor;
    LineWidth = ComboBox3.Text.empty() ? -1 : TextToInt(ComboBox3.Text);
    SaveColorWidthList();
    SavePresetList();
    if (Mode > 0) {
        EmitColorAndWidth();
        if (Step == 6) {
            RunDialogConstruction();
            ExplainOutcome();
        }
    }
    SaveSettings();
    Close();
}

void TForm1::Button2Click() {
    SaveColorWidthList();
    SavePresetList();
    Close();
}

void TForm1::CloseBox() {
    Close();
}

void TForm1::Close() {
    if (Closed) return;
    Closed = true;
    if (Platform != nullptr && Platform->Available()) Platform->Close();
    FormClose();
}

void TForm1::FormClose() {
    if (ArgumentCount >= 2) JwwGaibu::WriteExchangeFile(ExeFolder + kExchangeFileName);
    JwwGaibu::ReleaseHostState();
}

void TForm1::SpeedButton1Click() {
    if (Platform == nullptr) return;
    int chosen = 0;
    if (Platform->PickColor(SpeedButton1.FontColor, chosen)) SpeedButton1.FontColor = chosen;
}

}  // namespace Unit1
