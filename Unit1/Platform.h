// What the form needs from a windowing toolkit. The Qt view implements it; a
// headless backend serves the tests; a silent run needs none.
#pragma once

namespace Unit1 {

class TForm1;

struct ScreenPoint {
    int X = 0;
    int Y = 0;
};

class FormPlatform {
  public:
    virtual ~FormPlatform() = default;
    // False when no window can be shown (no display, no view library).
    virtual bool Available() = 0;
    virtual ScreenPoint CursorPos() = 0;
    // The window's outer size, for centring it on the cursor.
    virtual ScreenPoint WindowSize() = 0;
    // Shows the window at (left, top) and runs it until the form closes.
    virtual void ShowAt(TForm1& form, int left, int top) = 0;
    // Runs the colour chooser preset with `initial`; true and `chosen` set when
    // the user confirms.
    virtual bool ChooseColor(int initial, int& chosen) = 0;
    virtual void Close() = 0;
};

}  // namespace Unit1
