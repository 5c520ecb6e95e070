// What the system's controls do not draw as the dialog wants: the figure
// pages' group colours (white, or grey when the mode does not use the page),
// the group frames filled with that colour, the radio buttons and check
// boxes of a greyed page, and the flat colour button.
#include "win32view/Win32Platform.h"
// commctrl.h and uxtheme.h after windows.h
#include <commctrl.h>
#include <uxtheme.h>
#include <vssym32.h>

#include "win32view/Cp932.h"

namespace win32view {

namespace {
constexpr int kGlyphSize = 13;  // a check box's square at 96 dpi
}  // namespace

HBRUSH Win32Platform::Brush(int bgr) {
    HBRUSH& b = brushes_[bgr];
    if (b == nullptr) b = ::CreateSolidBrush(static_cast<COLORREF>(bgr));
    return b;
}

LRESULT Win32Platform::ControlColour(UINT msg, HDC dc, HWND control) {
    const Control* c = ControlOf(control);
    const Unit1::ControlLook look = c != nullptr ? c->Look : Control{}.Look;
    // An enabled edit keeps the system's own colours.
    if (msg == WM_CTLCOLOREDIT && look.Enabled)
        return ::DefWindowProcW(hwnd_, msg, reinterpret_cast<WPARAM>(dc),
                                reinterpret_cast<LPARAM>(control));
    ::SetBkColor(dc, static_cast<COLORREF>(look.Ground));
    return reinterpret_cast<LRESULT>(Brush(look.Ground));
}

LRESULT Win32Platform::CustomDraw(const NMCUSTOMDRAW& d) {
    // A visual style draws a disabled button's caption in a light grey made
    // for a white ground, which vanishes on the greyed group: there radio
    // buttons and check boxes are drawn here, their captions in a dark grey
    // that stays readable on the group's grey, as in the Qt window.
    const Control* c = ControlOf(d.hdr.hwndFrom);
    if (d.dwDrawStage != CDDS_PREPAINT || c == nullptr || ::IsWindowEnabled(d.hdr.hwndFrom) ||
        (c->Layout->Kind != Unit1::ControlKind::Radio &&
         c->Layout->Kind != Unit1::ControlKind::CheckBox))
        return CDRF_DODEFAULT;
    const bool radio = c->Layout->Kind == Unit1::ControlKind::Radio;
    const bool checked = ::SendMessageW(d.hdr.hwndFrom, BM_GETCHECK, 0, 0) == BST_CHECKED;
    ::FillRect(d.hdc, &d.rc, Brush(c->Look.Ground));
    const int box = Px(kGlyphSize);
    const int top = (d.rc.top + d.rc.bottom - box) / 2;
    RECT glyph{d.rc.left, top, d.rc.left + box, top + box};
    if (HTHEME theme = ::OpenThemeData(d.hdr.hwndFrom, L"BUTTON")) {
        const int state = radio ? int{checked ? RBS_CHECKEDDISABLED : RBS_UNCHECKEDDISABLED}
                                : int{checked ? CBS_CHECKEDDISABLED : CBS_UNCHECKEDDISABLED};
        ::DrawThemeBackground(theme, d.hdc, radio ? BP_RADIOBUTTON : BP_CHECKBOX, state, &glyph,
                              nullptr);
        ::CloseThemeData(theme);
    } else {
        ::DrawFrameControl(d.hdc, &glyph, DFC_BUTTON,
                           (radio ? DFCS_BUTTONRADIO : DFCS_BUTTONCHECK) | DFCS_INACTIVE |
                               (checked ? DFCS_CHECKED : 0));
    }
    RECT text = d.rc;
    text.left = glyph.right + Px(4);
    ::SetBkMode(d.hdc, TRANSPARENT);
    ::SetTextColor(d.hdc, static_cast<COLORREF>(Unit1::kDisabledText));
    HGDIOBJ old = ::SelectObject(d.hdc, font_);
    ::DrawTextW(d.hdc, Text(d.hdr.hwndFrom).c_str(), -1, &text,
                DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_HIDEPREFIX);
    ::SelectObject(d.hdc, old);
    return CDRF_SKIPDEFAULT;
}

void Win32Platform::DrawItem(const DRAWITEMSTRUCT& d) {
    const Control* c = ControlOf(d.hwndItem);
    if (c == nullptr) return;
    RECT r = d.rcItem;
    ::FillRect(d.hDC, &r, Brush(c->Look.Ground));
    if (c->Layout->Kind == Unit1::ControlKind::GroupBox) {
        r.top += Px(6);  // as a group box's frame, below its caption's middle
        ::DrawEdge(d.hDC, &r, EDGE_ETCHED, BF_RECT);
        return;
    }
    // The flat colour button: its caption in the chosen colour.
    if (d.itemState & ODS_SELECTED) ::DrawEdge(d.hDC, &r, BDR_SUNKENOUTER, BF_RECT);
    ::SetBkMode(d.hDC, TRANSPARENT);
    ::SetTextColor(d.hDC, static_cast<COLORREF>(c->FontColour));
    HGDIOBJ old = ::SelectObject(d.hDC, font_);
    const std::wstring caption = FromCp932(c->Layout->Caption);
    ::DrawTextW(d.hDC, caption.c_str(), -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    ::SelectObject(d.hDC, old);
}

}  // namespace win32view
