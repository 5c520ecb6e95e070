// TForm1: the program's one form. It holds the command-line values, the
// settings, the remembered figure and the dialog's controls, and all handlers
// and figure constructions are its operations.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "Unit1/Controls.h"
#include "Unit1/Platform.h"

namespace figures {
struct ModeSpec;
enum class NotDrawn;
}  // namespace figures

namespace Unit1 {

// The last figure drawn, which step 2 repeats at a new point; lengths in mm,
// angles in radians.
struct RememberedFigureRecord {
    double LastPointX = 0, LastPointY = 0;  // the last point a step read
    double LastRadius = 100, LastFlatness = 1, LastInnerRadius = 50;
    double LastTilt = 0, LastStartAngle = 0, LastArcAngle = 0;
};

class TForm1 {
  public:
    TForm1();

    // --- Command line and files -------------------------------------------
    std::string ExeFolder;     // with its trailing separator
    std::string SettingsPath;  // the program's path with ".dat"
    int ArgumentCount = 0;
    bool ShowDialog = true;
    int Mode = 0;
    int Step = 0;
    int ModeOption = 0;
    std::string OptionText;  // modes 7 and 8: the option as it was given
    std::array<std::string, 4> NumberTexts;
    // A launcher asked that a run which draws nothing says why (kExplainSwitch).
    bool Explain = false;
    // Why the last construction drew nothing; NotDrawn::None when it drew.
    figures::NotDrawn Outcome{};

    // --- Settings ----------------------------------------------------------
    int ColorIndex = 0;
    int UseRgbColor = 0;
    int RgbColor = 0;
    int LineWidth = -1;
    RememberedFigureRecord RememberedFigure;

    // --- Dialog controls ---------------------------------------------------
    int ActivePage = 0;  // 0 TabSheet1 .. 3 TabSheet4
    std::string FocusedControl;
    bool Minimised = false;
    bool Closed = false;
    int Left = 0, Top = 0;

    TLabel LabelA1;
    TComboBox ComboBox1;  // colour list
    TCheckBox CheckBox1;  // arbitrary colour
    TSpeedButton SpeedButton1;
    TComboBox ComboBox3;  // width
    TListBox ListBox1;    // colour/width list
    TListBox ListBox2;    // presets

    TGroupBox GroupBoxA;
    TRadioButton RBA1, RBA2;
    TEdit EditA1, EditA2, EditA3, EditA4, EditA5, EditA6;
    TCheckBox CBA1;

    TGroupBox GroupBoxB;
    TRadioButton RBB1, RBB2;
    TEdit EditB1, EditB2, EditB3, EditB4, EditB5, EditB6, EditB7, EditB8;
    TCheckBox CBB1;

    // Where windows come from; null for a program that has none.
    FormPlatform* Platform = nullptr;

    // --- Events --------------------------------------------------------------
    // `args` are the command-line arguments after the program's own path.
    void FormShow(const std::string& exePath, const std::vector<std::string>& args);
    void FormClose();
    void Button1Click();  // OK
    void Button2Click();  // Cancel
    void Button3Click();  // register colour/width
    void Button4Click();  // delete colour/width
    void ListBox1Click();
    void Button5Click();  // register full-circle preset
    void Button6Click();  // register arc preset
    void Button7Click();  // apply preset to the full-circle page
    void Button8Click();  // apply preset to the arc page
    void Button9Click();  // delete preset
    void SpeedButton1Click();
    // The window's close box: nothing is saved, the exchange file is written.
    void CloseBox();
    // Closes the window whichever way; FormClose follows once.
    void Close();

    // --- Steps of FormShow, callable alone ---------------------------------
    void ParseCommandLine(const std::vector<std::string>& args);
    void PrepareDialog();
    void RunSilent();
    // Runs the construction of (Mode, Step); numbers come from NumberTexts.
    void RunConstruction(int step);
    void RunDialogConstruction();

    // --- Settings and list files ------------------------------------------
    void LoadSettings();
    void SaveSettings();
    void LoadColorWidthList();
    void SaveColorWidthList();
    void LoadPresetList();
    void SavePresetList();

    // --- Constructions -------------------------------------------------------
    void FullCircleByPoint();
    void FullCircleSameAsLast();
    void FullCircleByRadius(double r);
    void FullCircleBy3Points();
    void FullEllipseInRectangle();
    void FullCircleFromDialog();

    void ArcByPoints();
    void ArcSameAsLast();
    void ArcByNumbers(double r, double startDeg, double endDeg);
    void ArcBy3Points();
    void EllipticArcInRectangle();
    void ArcFromDialog();

    void SplitArcByPoints();
    void SplitArcSameAsLast();
    void SplitArcByNumbers(double r, double startDeg, double endDeg);
    void SplitArcBy3Points();
    void SplitEllipticArcInRectangle();
    void SplitArcFromDialog();

    void RingByPoints();
    void RingSameAsLast();
    void RingByNumbers(double outer, double inner);
    void RingBy3Points();
    void EllipticRingInRectangle();
    void RingFromDialog();

    void ArcRingByPoints();
    void ArcRingSameAsLast();
    void ArcRingByNumbers(double outer, double inner, double startDeg, double endDeg);
    void ArcRingBy3Points();
    void EllipticArcRingInRectangle();
    void ArcRingFromDialog();

    // The construction of step 1..6 (6: the dialog's) for the mode: its inputs
    // gathered from the host state, `numbers` (step 3: radius, inner radius,
    // start and end angle, as the mode reads them) and the dialog page; its
    // figure handed to the emitters and remembered when it is drawn.
    void DrawFigure(const figures::ModeSpec& modeSpec, int step,
                    const std::array<double, 4>& numbers = {});

  private:
    void EmitColorAndWidth();
    // With Explain, puts the reason the construction drew nothing before the answer.
    void ExplainOutcome();
    // The named construction of (Mode, step); step 3 passes it `numbers` in its
    // declared order. A mode or step without one runs nothing.
    void RunNamedConstruction(int step, const std::array<double, 4>& numbers);
    // The running mode when it mirrors `base` (modes 3, 4 and 5), else `base`.
    const figures::ModeSpec& SpecFor(const figures::ModeSpec& base) const;
};

}  // namespace Unit1
