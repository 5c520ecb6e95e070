// The window's messages and keys, its message loop, and the form's events
// they fire.
#include "win32view/Win32Platform.h"
// commctrl.h after windows.h
#include <commctrl.h>
#include <commdlg.h>

namespace win32view {

using Unit1::FormEvent;

Unit1::ScreenPoint Win32Platform::CursorPos() {
    POINT p{};
    ::GetCursorPos(&p);
    return {p.x, p.y};
}

Unit1::ScreenRect Win32Platform::ScreenAt(Unit1::ScreenPoint point) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!::GetMonitorInfoW(::MonitorFromPoint(POINT{point.X, point.Y}, MONITOR_DEFAULTTONEAREST),
                           &info))
        return {};
    const RECT& r = info.rcWork;
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

const Win32Platform::Control* Win32Platform::ControlOf(HWND h) const {
    const auto it = names_.find(h);
    return it == names_.end() ? nullptr : &controls_.at(it->second);
}

const Unit1::ControlLayout* Win32Platform::LayoutOf(HWND h) const {
    const Control* c = ControlOf(h);
    return c == nullptr ? nullptr : c->Layout;
}

void Win32Platform::Fire(FormEvent event) {
    mirror_.Fire(*form_, *this, invoke_, event);
}

LRESULT Win32Platform::Handle(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_COMMAND: {
            const int code = HIWORD(wp);
            if (LOWORD(wp) == IDOK && (lp == 0 || code == BN_CLICKED))
                return Fire(Unit1::EventOfKind(Unit1::ControlKind::DefaultButton)), 0;
            if (LOWORD(wp) == IDCANCEL && (lp == 0 || code == BN_CLICKED))
                return Fire(Unit1::EventOfKind(Unit1::ControlKind::CancelButton)), 0;
            const Unit1::ControlLayout* c = LayoutOf(reinterpret_cast<HWND>(lp));
            if (c == nullptr) break;
            if (c->Kind == Unit1::ControlKind::Radio && code == BN_CLICKED) KeepRadiosInTabOrder();
            if (c->Event == Unit1::kNoEvent) break;
            const bool list = c->Kind == Unit1::ControlKind::ListBox;
            if ((list && code == LBN_SELCHANGE) || (!list && code == BN_CLICKED))
                return Fire(static_cast<FormEvent>(c->Event)), 0;
            break;
        }
        case WM_NOTIFY: {
            const auto* n = reinterpret_cast<NMHDR*>(lp);
            if (n->code == NM_CUSTOMDRAW) return CustomDraw(*reinterpret_cast<NMCUSTOMDRAW*>(lp));
            if (n->hwndFrom == tab_ && n->code == TCN_SELCHANGE)
                SelectPage(TabCtrl_GetCurSel(tab_));
            return 0;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
            return ControlColour(msg, reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp));
        case WM_DRAWITEM:
            DrawItem(*reinterpret_cast<DRAWITEMSTRUCT*>(lp));
            return TRUE;
        case WM_DPICHANGED:
            OnDpiChanged(HIWORD(wp), *reinterpret_cast<RECT*>(lp));
            return 0;
        case WM_CLOSE:
            if (!closing_) Fire(FormEvent::CloseBox);
            return 0;
        default:
            break;
    }
    return ::DefWindowProcW(hwnd_, msg, wp, lp);
}

void Win32Platform::SelectComboText(HWND focus) {
    // A text field the keyboard brings the focus to has its text selected, as
    // a dialog does for an edit. A combo box's edit is a window of its own,
    // which the dialog manager leaves to the combo box, and some combo boxes
    // select it only the first time they receive the focus.
    HWND combo = ::GetParent(focus);
    const Unit1::ControlLayout* c = LayoutOf(combo);
    if (c != nullptr && c->Kind == Unit1::ControlKind::ComboEdit)
        ::SendMessageW(combo, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
}

bool Win32Platform::PreTranslate(const MSG& msg) {
    // Alt and a tab's letter choose its page; the tab control knows no accelerators.
    if (msg.message == WM_SYSCHAR) {
        for (const Unit1::ControlLayout& c : Unit1::kForm1Layout) {
            if (c.Kind != Unit1::ControlKind::TabSheet || c.Accelerator == 0) continue;
            wchar_t letter = static_cast<wchar_t>(msg.wParam);
            if (letter >= L'a' && letter <= L'z')
                letter = static_cast<wchar_t>(letter - L'a' + L'A');
            if (letter != static_cast<wchar_t>(c.Accelerator)) continue;
            SelectPage(c.Page);
            ::SetFocus(tab_);
            return true;
        }
    }
    // An arrow key on a control that does not use it moves the focus within the
    // control's group, and checks a radio button it reaches. Done here rather
    // than left to the dialog manager, which asks a window that is not a
    // dialog box to move the focus, and where that is ignored the focus stays.
    if (msg.message == WM_KEYDOWN && (msg.wParam == VK_UP || msg.wParam == VK_DOWN ||
                                      msg.wParam == VK_LEFT || msg.wParam == VK_RIGHT)) {
        const Unit1::ControlLayout* c = LayoutOf(::GetFocus());
        if (c != nullptr && !Unit1::TakesArrows(c->Kind)) {
            const bool forward = msg.wParam == VK_DOWN || msg.wParam == VK_RIGHT;
            const auto usable = [this](const Unit1::ControlLayout& t) {
                const auto found = controls_.find(t.Name);
                return found != controls_.end() && ::IsWindowVisible(found->second.Hwnd) &&
                       ::IsWindowEnabled(found->second.Hwnd);
            };
            if (const Unit1::ControlLayout* next = Unit1::ArrowTarget(*c, forward, usable)) {
                HWND h = Hwnd(*next);
                ::SetFocus(h);
                if (next->Kind == Unit1::ControlKind::Edit) ::SendMessageW(h, EM_SETSEL, 0, -1);
                if (next->Kind == Unit1::ControlKind::Radio) ::SendMessageW(h, BM_CLICK, 0, 0);
                SelectComboText(::GetFocus());
            }
            return true;
        }
    }
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB) {
        MSG tab = msg;
        ::IsDialogMessageW(hwnd_, &tab);
        SelectComboText(::GetFocus());
        return true;
    }
    // Enter presses a focused push button, as in a dialog; elsewhere it is OK.
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_RETURN) {
        const Unit1::ControlLayout* c = LayoutOf(::GetFocus());
        if (c != nullptr && (c->Kind == Unit1::ControlKind::Button ||
                             c->Kind == Unit1::ControlKind::CancelButton)) {
            ::SendMessageW(::GetFocus(), BM_CLICK, 0, 0);
            return true;
        }
    }
    return false;
}

void Win32Platform::ShowAt(Unit1::TForm1& form, int left, int top) {
    if (Create(form, left, top) == nullptr) {
        // No window can be shown: as if it were closed by its close box.
        invoke_(form, FormEvent::CloseBox);
        return;
    }
    ::ShowWindow(hwnd_, SW_SHOW);
    ::SetForegroundWindow(hwnd_);
    ::SetFocus(ControlWindow(Unit1::FirstFocus(form).Name));
    MSG msg;
    while (!closing_ && ::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (PreTranslate(msg)) continue;
        // Tab, Enter (OK), Esc (Cancel) and the buttons' letters as in a dialog.
        if (::IsDialogMessageW(hwnd_, &msg)) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    ::DestroyWindow(hwnd_);
    hwnd_ = nullptr;
}

bool Win32Platform::PickColor(int initial, int& chosen) {
    static COLORREF custom[16] = {};
    CHOOSECOLORW cc{};
    cc.lStructSize = sizeof cc;
    cc.hwndOwner = hwnd_;
    cc.rgbResult = static_cast<COLORREF>(initial);
    cc.lpCustColors = custom;
    cc.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!::ChooseColorW(&cc)) return false;
    chosen = static_cast<int>(cc.rgbResult & 0xFFFFFF);
    return true;
}

void Win32Platform::Close() {
    closing_ = true;
    if (hwnd_ != nullptr) ::ShowWindow(hwnd_, SW_HIDE);
    ::PostMessageW(hwnd_, WM_NULL, 0, 0);  // wakes the loop so it sees closing_
}

}  // namespace win32view
