// A windowless backend: it "shows" the form by running a script of user
// actions, so every behaviour of the dialog can be tested without a display.
#pragma once

#include <functional>

#include "Unit1/Platform.h"

namespace Unit1 {

class HeadlessPlatform : public FormPlatform {
  public:
    bool Available() override { return true; }
    ScreenPoint CursorPos() override { return Cursor; }
    ScreenPoint WindowSize() override { return Size; }
    ScreenRect ScreenAt(ScreenPoint) override { return Screen; }
    void ShowAt(TForm1& form, int left, int top) override {
        ShownAt = {left, top};
        ++ShowCount;
        if (UserActions) UserActions(form);
    }
    bool PickColor(int initial, int& chosen) override {
        ChooserPreset = initial;
        if (!ChooserConfirms) return false;
        chosen = ChooserColor;
        return true;
    }
    void Close() override { ++CloseCount; }

    ScreenPoint Cursor{400, 300};
    ScreenPoint Size{420, 260};
    ScreenRect Screen{0, 0, 1920, 1080};
    // What the user does while the window is shown.
    std::function<void(TForm1&)> UserActions;
    bool ChooserConfirms = true;
    int ChooserColor = 0;

    ScreenPoint ShownAt{-1, -1};
    int ShowCount = 0;
    int CloseCount = 0;
    int ChooserPreset = -1;
};

}  // namespace Unit1
