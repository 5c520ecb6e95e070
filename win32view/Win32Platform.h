// The Win32 backend of the form's platform seam: a native window with the
// system's controls, built into t742.exe (no toolkit DLLs beside it).
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "Unit1/Form.h"
#include "Unit1/Layout.h"
#include "Unit1/Platform.h"

namespace win32view {

class Win32Platform : public Unit1::FormPlatform {
  public:
    explicit Win32Platform(Unit1::FormInvoke invoke) : invoke_(invoke) {}
    ~Win32Platform() override;
    bool Available() override { return true; }
    Unit1::ScreenPoint CursorPos() override;
    Unit1::ScreenPoint WindowSize() override;
    Unit1::ScreenRect ScreenAt(Unit1::ScreenPoint point) override;
    void ShowAt(Unit1::TForm1& form, int left, int top) override;
    bool PickColor(int initial, int& chosen) override;
    void Close() override;

    // Builds the window for `form` without running it (ShowAt does both);
    // used to render the pages to pictures.
    HWND Create(Unit1::TForm1& form, int left, int top);
    void SelectPage(int page);
    HWND Window() const { return hwnd_; }

    // Window procedure plumbing.
    LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);

  private:
    struct Control {
        HWND Hwnd = nullptr;
        const Unit1::ControlLayout* Layout = nullptr;
    };

    HWND Add(const Unit1::ControlLayout& c);
    void Push();
    void Pull();
    void Fire(Unit1::FormEvent event);
    void KeepRadiosInTabOrder();
    // Keys a dialog would take that the window itself must handle first.
    bool PreTranslate(const MSG& msg);
    static std::wstring Text(HWND h);

    Unit1::FormInvoke invoke_;
    Unit1::TForm1* form_ = nullptr;
    HWND hwnd_ = nullptr;
    HWND tab_ = nullptr;
    HFONT font_ = nullptr;
    HBRUSH white_ = nullptr, grey_ = nullptr;
    bool closing_ = false;
    std::map<std::string, Control> controls_;
    std::map<HWND, std::string> names_;
    std::map<HWND, std::wstring> pushed_;
};

}  // namespace win32view
