// The Win32 window's properties that no key press or click can show under
// Wine and Xvfb: the input method, the application title and the glyphs of
// its font. The window itself is built as t742.exe builds it.
#include <windows.h>
// after windows.h
#include <commctrl.h>
#include <gtest/gtest.h>
#include <imm.h>

#include <cmath>
#include <cwctype>
#include <string>
#include <vector>

#include "JwwGaibu/HostState.h"
#include "TestSupport.h"
#include "Unit1/Form.h"
#include "Unit1/Layout.h"
#include "win32view/Win32Platform.h"

namespace {

std::wstring Wide(const char* cp932) {
    const int n = ::MultiByteToWideChar(932, 0, cp932, -1, nullptr, 0);
    std::wstring w(static_cast<size_t>(n > 0 ? n - 1 : 0), L'\0');
    ::MultiByteToWideChar(932, 0, cp932, -1, w.data(), n);
    return w;
}

std::wstring ClassOf(HWND h) {
    wchar_t name[64] = {};
    ::GetClassNameW(h, name, 64);
    return name;
}

class Win32Window : public ::testing::Test {
  protected:
    void SetUp() override {
        JwwGaibu::InitHostState();
        form.Mode = 2;
        form.Step = 6;
        form.PrepareDialog();
        window = view.Create(form, 0, 0);
        ASSERT_NE(window, nullptr);
    }

    std::vector<HWND> Children() const {
        std::vector<HWND> all;
        ::EnumChildWindows(
            window,
            [](HWND h, LPARAM to) {
                reinterpret_cast<std::vector<HWND>*>(to)->push_back(h);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&all));
        return all;
    }

    Unit1::TForm1 form;
    win32view::Win32Platform view{&Unit1::InvokeFormEvent};
    HWND window = nullptr;
};

TEST_F(Win32Window, NothingTypedGoesThroughTheInputMethod) {
    // Every edit, the combo boxes' own edits included.
    int edits = 0;
    for (HWND h : Children()) {
        const std::wstring cls = ClassOf(h);
        if (cls != L"Edit" && cls != L"ComboBox") continue;
        edits += cls == L"Edit";
        HIMC imc = ::ImmGetContext(h);
        EXPECT_EQ(imc, nullptr) << "control " << ::GetDlgCtrlID(h) << " of class "
                                << (cls == L"Edit" ? "Edit" : "ComboBox");
        if (imc != nullptr) ::ImmReleaseContext(h, imc);
    }
    EXPECT_EQ(edits, 15);  // the 14 figure edits and the width box's
}

TEST_F(Win32Window, TheApplicationTitleIsOnTheWindowThatOwnsIt) {
    HWND owner = ::GetWindow(window, GW_OWNER);
    ASSERT_NE(owner, nullptr);
    wchar_t title[64] = {};
    ::GetWindowTextW(owner, title, 64);
    EXPECT_EQ(std::wstring(title), Wide(Unit1::kApplicationTitle));
    EXPECT_FALSE(::IsWindowVisible(owner));
}

TEST_F(Win32Window, TheFontHasEveryGlyphOfEveryCaption) {
    HFONT font = reinterpret_cast<HFONT>(::SendMessageW(window, WM_GETFONT, 0, 0));
    for (HWND h : Children())
        if (font == nullptr) font = reinterpret_cast<HFONT>(::SendMessageW(h, WM_GETFONT, 0, 0));
    ASSERT_NE(font, nullptr);
    HDC dc = ::GetDC(window);
    HGDIOBJ old = ::SelectObject(dc, font);
    for (const Unit1::ControlLayout& c : Unit1::kForm1Layout) {
        const std::wstring text = Wide(c.Caption) + Wide(Unit1::kFormCaption);
        std::vector<WORD> glyphs(text.size());
        ::GetGlyphIndicesW(dc, text.c_str(), static_cast<int>(text.size()), glyphs.data(),
                           GGI_MARK_NONEXISTING_GLYPHS);
        for (size_t i = 0; i < text.size(); ++i)
            EXPECT_NE(glyphs[i], 0xFFFF)
                << c.Name << ": U+" << std::hex << static_cast<int>(text[i]) << " has no glyph";
    }
    ::SelectObject(dc, old);
    ::ReleaseDC(window, dc);
}

TEST_F(Win32Window, TheControlsAreTheThemedCommonControls) {
    // Version 6, which t742.exe's manifest asks for, lives in the side-by-side store.
    HWND tab = view.ControlWindow("PageControl1");
    ASSERT_NE(tab, nullptr);
    // The module whose code runs the tab control.
    HMODULE module = nullptr;
    ::GetModuleHandleExW(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<LPCWSTR>(::GetWindowLongPtrW(tab, GWLP_WNDPROC)), &module);
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(module, path, MAX_PATH);
    std::wstring lower(path);
    for (wchar_t& ch : lower) ch = static_cast<wchar_t>(std::towlower(ch));
    EXPECT_NE(lower.find(L"common-controls"), std::wstring::npos) << "comctl32 from " << lower;
}

TEST_F(Win32Window, AtEveryDpiTheDeclaredLayoutIsScaled) {
    // Moved to a monitor of another scale and back: every place, the font,
    // the tabs, the list rows and the client area follow, within rounding.
    for (const UINT dpi : {144u, 120u, 192u, 96u}) {
        const double s = dpi / 96.0;
        const auto Scaled = [s](LRESULT got, int declared) {
            return std::abs(static_cast<double>(got) - declared * s) <= 1;
        };
        RECT suggested{};
        ::GetWindowRect(window, &suggested);
        ::SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                       reinterpret_cast<LPARAM>(&suggested));
        ASSERT_EQ(view.Dpi(), dpi);
        RECT client{};
        ::GetClientRect(window, &client);
        EXPECT_TRUE(Scaled(client.right, Unit1::kClientWidth) &&
                    Scaled(client.bottom, Unit1::kClientHeight))
            << dpi << " dpi: client area " << client.right << "x" << client.bottom;
        for (const Unit1::ControlLayout& c : Unit1::kForm1Layout) {
            HWND h = view.ControlWindow(c.Name);
            if (c.Kind == Unit1::ControlKind::TabSheet) {
                RECT tab{};
                TabCtrl_GetItemRect(view.ControlWindow("PageControl1"), c.Page, &tab);
                EXPECT_TRUE(Scaled(tab.right - tab.left, c.W) && Scaled(tab.bottom - tab.top, c.H))
                    << dpi << " dpi: " << c.Name;
                continue;
            }
            ASSERT_NE(h, nullptr) << c.Name;
            RECT r{};
            ::GetWindowRect(h, &r);
            ::MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
            const Unit1::ClientRect want = Unit1::PlaceOf(c);
            // A combo box's height is its own, from the font.
            const bool combo =
                c.Kind == Unit1::ControlKind::ComboList || c.Kind == Unit1::ControlKind::ComboEdit;
            EXPECT_TRUE(Scaled(r.left, want.X) && Scaled(r.top, want.Y) &&
                        Scaled(r.right - r.left, want.W) &&
                        (combo || Scaled(r.bottom - r.top, want.H)))
                << dpi << " dpi: " << c.Name << " at " << r.left << "," << r.top << " "
                << r.right - r.left << "x" << r.bottom - r.top;
            LOGFONTW font{};
            ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(h, WM_GETFONT, 0, 0)), sizeof font,
                         &font);
            EXPECT_TRUE(Scaled(-font.lfHeight, Unit1::kFontPixels)) << dpi << " dpi: " << c.Name;
            if (c.Kind == Unit1::ControlKind::ListBox) {
                EXPECT_TRUE(
                    Scaled(::SendMessageW(h, LB_GETITEMHEIGHT, 0, 0), Unit1::kListRowHeight))
                    << dpi << " dpi: " << c.Name;
            }
        }
    }
}

}  // namespace
