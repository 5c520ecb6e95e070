// The window's messages and keys, its message loop, and the form's events
// they fire.
#include "win32view/Win32Platform.h"
// commctrl.h after windows.h
#include <commctrl.h>
#include <commdlg.h>

#include <map>

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

namespace {

// A key message as the core's rules take it: a key pressed, or Alt with a
// character. Alt with any other key is the system's (its menu, Alt+F4).
Unit1::KeyPress KeyOf(const MSG& msg) {
    using Unit1::Key;
    Unit1::KeyPress k;
    if (msg.message == WM_SYSCHAR) {
        const WPARAM c = msg.wParam;
        if ((c >= L'0' && c <= L'9') || (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z')) {
            k.Code = Key::Character;
            k.Character = static_cast<char>(c);
        }
        k.Alt = true;
        return k;
    }
    if (msg.message != WM_KEYDOWN) return k;
    static const std::map<WPARAM, Key> named = {
        {VK_TAB, Key::Tab}, {VK_RETURN, Key::Enter}, {VK_ESCAPE, Key::Escape}, {VK_LEFT, Key::Left},
        {VK_UP, Key::Up},   {VK_RIGHT, Key::Right},  {VK_DOWN, Key::Down}};
    const auto found = named.find(msg.wParam);
    if (found != named.end()) k.Code = found->second;
    k.Shift = (::GetKeyState(VK_SHIFT) & 0x8000) != 0;
    k.Control = (::GetKeyState(VK_CONTROL) & 0x8000) != 0;
    return k;
}

}  // namespace

bool Win32Platform::PreTranslate(const MSG& msg) {
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSCHAR) return false;
    // A combo box's edit is a window of its own: the key is on the combo box.
    HWND focus = ::GetFocus();
    const Unit1::ControlLayout* c = LayoutOf(focus);
    if (c == nullptr && focus != nullptr) {
        focus = ::GetParent(focus);
        c = LayoutOf(focus);
    }
    // A combo box's dropped list has every key, Enter and Esc too.
    if (c != nullptr &&
        (c->Kind == Unit1::ControlKind::ComboList || c->Kind == Unit1::ControlKind::ComboEdit) &&
        ::SendMessageW(focus, CB_GETDROPPEDSTATE, 0, 0))
        return false;
    const auto usable = [this](const Unit1::ControlLayout& t) {
        HWND h = Hwnd(t);
        return h != nullptr && ::IsWindowVisible(h) && ::IsWindowEnabled(h);
    };
    const Unit1::KeyAnswer answer = Unit1::AnswerKey(KeyOf(msg), c, usable);
    if (!answer.Taken) return false;
    Apply(answer);
    return true;
}

void Win32Platform::Apply(const Unit1::KeyAnswer& answer) {
    if (answer.Page >= 0) SelectPage(answer.Page);
    if (const Unit1::ControlLayout* focus = answer.Focus) {
        HWND h = Hwnd(*focus);
        ::SetFocus(h);
        // Focus rectangles shown from now on, as a dialog does after a key.
        ::SendMessageW(hwnd_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
        // A combo box's edit is a window the combo box selects in; some
        // select it on their own only the first time they get the focus.
        if (answer.SelectText && focus->Kind == Unit1::ControlKind::ComboEdit)
            ::SendMessageW(h, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
        else if (answer.SelectText)
            ::SendMessageW(h, EM_SETSEL, 0, -1);
        if (answer.Check) ::SendMessageW(h, BM_CLICK, 0, 0);
    }
    if (answer.Press != nullptr) Fire(static_cast<FormEvent>(answer.Press->Event));
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
        // The keys the core leaves to the controls, as in a dialog.
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
