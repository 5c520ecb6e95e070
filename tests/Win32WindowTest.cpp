// The Win32 window's properties that no key press or click can show under
// Wine and Xvfb: the input method, the application title and the glyphs of
// its font. The window itself is built as t742.exe builds it.
#include <windows.h>
// after windows.h
#include <gtest/gtest.h>
#include <imm.h>

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

}  // namespace
