// What the system's controls do not draw as the dialog wants: the figure
// pages' group colours (white, or grey when the mode does not use the page),
// the group frames filled with that colour, and the flat colour button.
#include "win32view/Win32Platform.h"
// uxtheme.h after windows.h
#include <uxtheme.h>

#include "win32view/Cp932.h"

namespace win32view {

namespace {
constexpr COLORREF kWhite = RGB(0xFF, 0xFF, 0xFF), kGrey = RGB(0xC0, 0xC0, 0xC0);
}

LRESULT Win32Platform::ControlColour(UINT msg, HDC dc, HWND control) {
    const Unit1::ControlLayout* c = LayoutOf(control);
    const Unit1::TGroupBox* group = c == nullptr ? nullptr : Unit1::PageGroup(*form_, c->Page);
    const bool grey = group != nullptr && !group->Enabled;
    // An enabled edit keeps the system's own colours.
    if (msg == WM_CTLCOLOREDIT && !grey)
        return ::DefWindowProcW(hwnd_, msg, reinterpret_cast<WPARAM>(dc),
                                reinterpret_cast<LPARAM>(control));
    ::SetBkColor(dc, grey ? kGrey : kWhite);
    return reinterpret_cast<LRESULT>(grey ? grey_ : white_);
}

void Win32Platform::MatchGroup(HWND button, bool enabled) {
    // A visual style draws a disabled button's caption in a light grey made
    // for a white ground, which vanishes on the greyed group: there radio
    // buttons and check boxes are drawn the classic way, embossed as the
    // labels beside them.
    ::SetWindowTheme(button, enabled ? nullptr : L"", enabled ? nullptr : L"");
}

void Win32Platform::DrawItem(const DRAWITEMSTRUCT& d) {
    const Unit1::ControlLayout* c = LayoutOf(d.hwndItem);
    if (c != nullptr && c->Kind == Unit1::ControlKind::GroupBox) {
        const Unit1::TGroupBox* group = Unit1::PageGroup(*form_, c->Page);
        ::FillRect(d.hDC, &d.rcItem, group != nullptr && !group->Enabled ? grey_ : white_);
        RECT frame = d.rcItem;
        frame.top += Px(6);  // as a group box's frame, below its caption's middle
        ::DrawEdge(d.hDC, &frame, EDGE_ETCHED, BF_RECT);
        return;
    }
    // The flat colour button: its caption in the chosen colour.
    RECT r = d.rcItem;
    ::FillRect(d.hDC, &r, white_);
    if (d.itemState & ODS_SELECTED) ::DrawEdge(d.hDC, &r, BDR_SUNKENOUTER, BF_RECT);
    ::SetBkMode(d.hDC, TRANSPARENT);
    ::SetTextColor(d.hDC, static_cast<COLORREF>(form_->SpeedButton1.FontColor));
    HGDIOBJ old = ::SelectObject(d.hDC, font_);
    const std::wstring caption = FromCp932(controls_["SpeedButton1"].Layout->Caption);
    ::DrawTextW(d.hDC, caption.c_str(), -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    ::SelectObject(d.hDC, old);
}

}  // namespace win32view
