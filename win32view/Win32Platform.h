// The Win32 backend of the form's platform seam: a native window with the
// system's controls, built into t742.exe (no toolkit DLLs beside it).
// Its parts by concern: Build.cpp (the window and its controls from the
// declared layout, scaled to the window's DPI), Mirror.cpp (the form's state
// into the controls and back), Messages.cpp (messages, keys, the loop),
// Draw.cpp (group colours and the owner-drawn controls).
#pragma once

#include <windows.h>
// commctrl.h after windows.h
#include <commctrl.h>

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
    // A control's window by its name in the layout; null for none.
    HWND ControlWindow(const std::string& name) const {
        const auto it = controls_.find(name);
        return it == controls_.end() ? nullptr : it->second.Hwnd;
    }
    // The DPI the window is laid out for (96 is the declared layout's).
    UINT Dpi() const { return dpi_; }
    // A length of the declared layout at the window's DPI.
    int Px(int length) const { return ::MulDiv(length, static_cast<int>(dpi_), 96); }

    // Window procedure plumbing.
    LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);

  private:
    struct Control {
        HWND Hwnd = nullptr;
        const Unit1::ControlLayout* Layout = nullptr;
    };

    // Build.cpp
    HWND Add(const Unit1::ControlLayout& c);
    void LayOut();
    void OnDpiChanged(UINT dpi, const RECT& suggested);
    // Mirror.cpp
    void Push();
    void Pull();
    void KeepRadiosInTabOrder();
    static std::wstring Text(HWND h);
    // Messages.cpp
    void Fire(Unit1::FormEvent event);
    // Keys a dialog would take that the window itself must handle first.
    bool PreTranslate(const MSG& msg);
    void SelectComboText(HWND focus);
    // Draw.cpp
    LRESULT ControlColour(UINT msg, HDC dc, HWND control);
    LRESULT CustomDraw(const NMCUSTOMDRAW& d);
    void DrawItem(const DRAWITEMSTRUCT& d);

    const Unit1::ControlLayout* LayoutOf(HWND h);

    Unit1::FormInvoke invoke_;
    Unit1::TForm1* form_ = nullptr;
    HWND hwnd_ = nullptr;
    HWND tab_ = nullptr;
    HFONT font_ = nullptr;
    HBRUSH white_ = nullptr, grey_ = nullptr;
    UINT dpi_ = 96;
    bool closing_ = false;
    std::map<std::string, Control> controls_;
    std::map<HWND, std::string> names_;
    std::map<HWND, std::wstring> pushed_;
};

}  // namespace win32view
