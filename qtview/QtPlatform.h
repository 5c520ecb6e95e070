// The Qt backend of the form's platform seam.
#pragma once

#include <QApplication>
#include <memory>

#include "Unit1/Platform.h"

struct xcb_connection_t;

namespace qtview {

class Form1Window;

class QtPlatform : public Unit1::FormPlatform {
  public:
    explicit QtPlatform(Unit1::FormInvoke invoke) : invoke_(invoke) {}
    ~QtPlatform() override;
    bool Available() override;
    Unit1::ScreenPoint CursorPos() override;
    Unit1::ScreenPoint WindowSize() override;
    Unit1::ScreenRect ScreenAt(Unit1::ScreenPoint point) override;
    void ShowAt(Unit1::TForm1& form, int left, int top) override;
    bool PickColor(int initial, int& chosen) override;
    void Close() override;

    // The window while it is shown (tests drive it through this).
    Form1Window* Window() const { return window_; }

  private:
    Unit1::FormInvoke invoke_;
    std::unique_ptr<QApplication> app_;
    Form1Window* window_ = nullptr;
    int argc_ = 1;
    char name_[5] = "t742";
    char* argv_[2] = {name_, nullptr};
};

// Whether Qt's platform can open a window here: asking Qt itself aborts the
// program when no display answers. The probe's X connection stays open while
// it lives, so that Qt connects before it closes: an X server left without
// clients resets and refuses whoever connects at that moment.
class DisplayProbe {
  public:
    DisplayProbe();
    ~DisplayProbe();
    DisplayProbe(const DisplayProbe&) = delete;
    DisplayProbe& operator=(const DisplayProbe&) = delete;
    bool Reachable() const { return reachable_; }

  private:
    xcb_connection_t* connection_ = nullptr;
    bool reachable_ = false;
};

}  // namespace qtview
