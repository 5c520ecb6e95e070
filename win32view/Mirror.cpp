// The controls' own values, read and written for the core's mirror, which
// walks the layout and keeps the form's bytes of a text the user left alone.
#include "win32view/Win32Platform.h"
// commctrl.h after windows.h
#include <commctrl.h>

#include "win32view/Cp932.h"

namespace win32view {

using Unit1::ControlKind;
using Unit1::ControlLayout;

void Win32Platform::SelectPage(int page) {
    TabCtrl_SetCurSel(tab_, page);
    // Only the page's tab is marked pressed. A tab control may leave the tab
    // the arrow keys left marked, and then takes the next click on a tab for
    // one that chooses no tab at all.
    for (int i = 0; i < TabCtrl_GetItemCount(tab_); ++i) {
        TCITEMW item{};
        item.mask = TCIF_STATE;
        item.dwStateMask = TCIS_BUTTONPRESSED;
        item.dwState = i == page ? TCIS_BUTTONPRESSED : 0;
        TabCtrl_SetItem(tab_, i, &item);
    }
    for (auto& [name, c] : controls_) {
        const bool shown = Unit1::ShownOnPage(*c.Layout, page);
        const bool visible = (::GetWindowLongPtrW(c.Hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
        if (shown != visible) ::ShowWindow(c.Hwnd, shown ? SW_SHOW : SW_HIDE);
    }
}

std::wstring Win32Platform::Text(HWND h) {
    std::wstring t(static_cast<size_t>(::GetWindowTextLengthW(h)) + 1, L'\0');
    t.resize(static_cast<size_t>(::GetWindowTextW(h, t.data(), static_cast<int>(t.size()))));
    return t;
}

void Win32Platform::Push() {
    mirror_.Push(*form_, *this);
}

void Win32Platform::Pushed() {
    KeepRadiosInTabOrder();
    ::InvalidateRect(hwnd_, nullptr, TRUE);
}

void Win32Platform::KeepRadiosInTabOrder() {
    // Checking a radio button takes the Tab stop from its unchecked partners;
    // the page's keyboard order has both.
    for (auto& [name, c] : controls_) {
        if (c.Layout->Kind != ControlKind::Radio || !c.Layout->TabStop) continue;
        const LONG_PTR style = ::GetWindowLongPtrW(c.Hwnd, GWL_STYLE);
        if ((style & WS_TABSTOP) == 0) ::SetWindowLongPtrW(c.Hwnd, GWL_STYLE, style | WS_TABSTOP);
    }
}

std::wstring Win32Platform::Shown(const std::string& bytes) const {
    return FromCp932(bytes);
}

std::string Win32Platform::Bytes(const std::wstring& text) const {
    return ToCp932(text);
}

std::wstring Win32Platform::GetText(const ControlLayout& c) const {
    return Text(Hwnd(c));
}

void Win32Platform::SetText(const ControlLayout& c, const std::wstring& text) {
    ::SetWindowTextW(Hwnd(c), text.c_str());
}

bool Win32Platform::GetCheck(const ControlLayout& c) const {
    return ::SendMessageW(Hwnd(c), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32Platform::SetCheck(const ControlLayout& c, bool checked) {
    ::SendMessageW(Hwnd(c), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void Win32Platform::SetItems(const ControlLayout& c, const std::vector<std::string>& items) {
    const bool list = c.Kind == ControlKind::ListBox;
    HWND h = Hwnd(c);
    ::SendMessageW(h, list ? LB_RESETCONTENT : CB_RESETCONTENT, 0, 0);
    for (const auto& item : items)
        ::SendMessageW(h, list ? LB_ADDSTRING : CB_ADDSTRING, 0,
                       reinterpret_cast<LPARAM>(FromCp932(item).c_str()));
}

int Win32Platform::GetRow(const ControlLayout& c) const {
    const UINT get = c.Kind == ControlKind::ListBox ? LB_GETCURSEL : CB_GETCURSEL;
    return static_cast<int>(::SendMessageW(Hwnd(c), get, 0, 0));
}

void Win32Platform::SetRow(const ControlLayout& c, int row) {
    const UINT set = c.Kind == ControlKind::ListBox ? LB_SETCURSEL : CB_SETCURSEL;
    ::SendMessageW(Hwnd(c), set, static_cast<WPARAM>(row), 0);
}

void Win32Platform::SetFontColour(const ControlLayout& c, int bgr) {
    Control& control = controls_.at(c.Name);
    control.FontColour = bgr;
    ::InvalidateRect(control.Hwnd, nullptr, TRUE);
}

void Win32Platform::SetLook(const ControlLayout& c, Unit1::ControlLook look) {
    const auto it = controls_.find(c.Name);
    if (it == controls_.end()) return;  // a tab: part of the tab control
    it->second.Look = look;
    ::EnableWindow(it->second.Hwnd, look.Enabled);
}

int Win32Platform::GetPage() const {
    return TabCtrl_GetCurSel(tab_);
}

}  // namespace win32view
