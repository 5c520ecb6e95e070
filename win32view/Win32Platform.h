// The Win32 backend of the form's platform seam: a native window with the
// system's controls, built into t742.exe (no toolkit DLLs beside it). What
// both windows do alike is the core's (Unit1/DialogRules.h, DialogMirror.h);
// this applies it with Win32's means. Its parts by concern: Build.cpp (the
// window and its controls from the declared layout, scaled to the window's
// DPI), Mirror.cpp (the controls' values for the mirror), Messages.cpp
// (messages, keys into the core's rule and its answers, the loop), Draw.cpp (group colours and the
// owner-drawn controls).
#pragma once

#include <windows.h>
// commctrl.h after windows.h
#include <commctrl.h>

#include <map>
#include <string>
#include <vector>

#include "Unit1/DialogMirror.h"
#include "Unit1/DialogRules.h"
#include "Unit1/Form.h"
#include "Unit1/Layout.h"
#include "Unit1/Platform.h"

namespace win32view {

class Win32Platform : public Unit1::FormPlatform, private Unit1::ControlValues<std::wstring> {
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
        // As the mirror last gave them, for drawing.
        Unit1::ControlLook Look{true, Unit1::kWindowGround};
        int FontColour = 0;
    };

    // Build.cpp
    HWND Add(const Unit1::ControlLayout& c);
    void LayOut();
    void OnDpiChanged(UINT dpi, const RECT& suggested);
    // Mirror.cpp
    void Push();
    void Pushed() override;
    void KeepRadiosInTabOrder();
    static std::wstring Text(HWND h);
    HWND Hwnd(const Unit1::ControlLayout& c) const { return ControlWindow(c.Name); }
    std::wstring Shown(const std::string& bytes) const override;
    std::string Bytes(const std::wstring& text) const override;
    std::wstring GetText(const Unit1::ControlLayout& c) const override;
    void SetText(const Unit1::ControlLayout& c, const std::wstring& text) override;
    bool GetCheck(const Unit1::ControlLayout& c) const override;
    void SetCheck(const Unit1::ControlLayout& c, bool checked) override;
    void SetItems(const Unit1::ControlLayout& c, const std::vector<std::string>& items) override;
    int GetRow(const Unit1::ControlLayout& c) const override;
    void SetRow(const Unit1::ControlLayout& c, int row) override;
    void SetFontColour(const Unit1::ControlLayout& c, int bgr) override;
    void SetLook(const Unit1::ControlLayout& c, Unit1::ControlLook look) override;
    int GetPage() const override;
    void SetPage(int page) override { SelectPage(page); }
    // Messages.cpp
    void Fire(Unit1::FormEvent event);
    // A key message the core's rule takes, done here before the dialog
    // manager or a control has it.
    bool PreTranslate(const MSG& msg);
    void Apply(const Unit1::KeyAnswer& answer);
    // Draw.cpp
    LRESULT ControlColour(UINT msg, HDC dc, HWND control);
    LRESULT CustomDraw(const NMCUSTOMDRAW& d);
    void DrawItem(const DRAWITEMSTRUCT& d);
    HBRUSH Brush(int bgr);

    const Control* ControlOf(HWND h) const;
    const Unit1::ControlLayout* LayoutOf(HWND h) const;

    Unit1::FormInvoke invoke_;
    Unit1::TForm1* form_ = nullptr;
    Unit1::DialogMirror<std::wstring> mirror_;
    HWND hwnd_ = nullptr;
    HWND tab_ = nullptr;
    HFONT font_ = nullptr;
    std::map<int, HBRUSH> brushes_;  // by colour, 0xBBGGRR
    UINT dpi_ = 96;
    bool closing_ = false;
    std::map<std::string, Control> controls_;
    std::map<HWND, std::string> names_;
};

}  // namespace win32view
