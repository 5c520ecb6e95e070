// What the form needs from a windowing toolkit. The Qt view implements it; a
// headless backend serves the tests; a silent run needs none.
#pragma once

namespace Unit1 {

class TForm1;

struct ScreenPoint {
    int X = 0;
    int Y = 0;
};

struct ScreenRect {
    int Left = 0, Top = 0, Width = 0, Height = 0;
};

class FormPlatform {
  public:
    virtual ~FormPlatform() = default;
    // False when no window can be shown (no display, no view library).
    virtual bool Available() = 0;
    virtual ScreenPoint CursorPos() = 0;
    // The window's outer size, for centring it on the cursor.
    virtual ScreenPoint WindowSize() = 0;
    // The screen that holds the point (an empty rect when unknown).
    virtual ScreenRect ScreenAt(ScreenPoint point) = 0;
    // Shows the window at (left, top) and runs it until the form closes.
    virtual void ShowAt(TForm1& form, int left, int top) = 0;
    // Runs the colour chooser preset with `initial` (0xBBGGRR); true and
    // `chosen` set when the user confirms.
    virtual bool PickColor(int initial, int& chosen) = 0;
    virtual void Close() = 0;
};

// The form's events, for a view that forwards them without linking the form.
enum class FormEvent {
    Button1,
    Button2,
    Button3,
    Button4,
    Button5,
    Button6,
    Button7,
    Button8,
    Button9,
    ListBox1,
    SpeedButton1,
    CloseBox,
};

// Runs the form's handler for an event.
void InvokeFormEvent(TForm1& form, FormEvent event);
using FormInvoke = void (*)(TForm1& form, FormEvent event);

// Moves a window of the given size at (left, top) just enough to lie wholly on
// the screen; a window larger than the screen keeps its top-left corner on it.
ScreenPoint KeepOnScreen(ScreenPoint topLeft, ScreenPoint size, ScreenRect screen);

}  // namespace Unit1
