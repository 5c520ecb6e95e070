// The window and its controls, built from the declared layout and laid out
// at the window's DPI: the layout's pixels are those of a 96 dpi screen.
#include "win32view/Win32Platform.h"
// commctrl.h after windows.h
#include <commctrl.h>
#include <imm.h>

#include "win32view/Cp932.h"
#include "win32view/Dpi.h"

namespace win32view {

namespace {

constexpr DWORD kWindowStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kWindowExStyle = WS_EX_APPWINDOW;
constexpr const wchar_t* kClassName = L"t742Form1";
constexpr const wchar_t* kApplicationClassName = L"t742Application";
// A combo box's height is that of its list dropped down.
constexpr int kDroppedComboHeight = 300;

int CALLBACK FoundFont(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

// The family the dialog's rules choose among those the system has, Shift-JIS.
HFONT DialogFont(int pixels) {
    static const std::wstring chosen = [] {
        HDC dc = ::GetDC(nullptr);
        const char* family = Unit1::DialogFontFamily([dc](const char* name) {
            LOGFONTW lf{};
            lf.lfCharSet = SHIFTJIS_CHARSET;
            const std::wstring wide = FromCp932(name);
            if (wide.size() >= LF_FACESIZE) return false;
            wide.copy(lf.lfFaceName, wide.size());
            bool exists = false;
            ::EnumFontFamiliesExW(dc, &lf, FoundFont, reinterpret_cast<LPARAM>(&exists), 0);
            return exists;
        });
        ::ReleaseDC(nullptr, dc);
        return FromCp932(family);
    }();
    return ::CreateFontW(-pixels, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                         OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                         FIXED_PITCH | FF_MODERN, chosen.c_str());
}

// The application's own hidden window, which carries the application title
// and owns the form.
HWND ApplicationWindow() {
    static HWND window = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = ::DefWindowProcW;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = kApplicationClassName;
        ::RegisterClassExW(&wc);
        return ::CreateWindowExW(0, kApplicationClassName,
                                 FromCp932(Unit1::kApplicationTitle).c_str(), WS_POPUP, 0, 0, 0, 0,
                                 nullptr, nullptr, wc.hInstance, nullptr);
    }();
    return window;
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    }
    auto* self = reinterpret_cast<Win32Platform*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self != nullptr && self->Window() == hwnd) return self->Handle(msg, wp, lp);
    return ::DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace

Win32Platform::~Win32Platform() {
    if (hwnd_ != nullptr) ::DestroyWindow(hwnd_);
    if (font_ != nullptr) ::DeleteObject(font_);
    for (auto& [colour, brush] : brushes_) ::DeleteObject(brush);
}

Unit1::ScreenPoint Win32Platform::WindowSize() {
    // Before the window exists: its size on the monitor under the cursor,
    // where it is going to be centred.
    POINT cursor{};
    ::GetCursorPos(&cursor);
    const UINT dpi = DpiAt(cursor);
    const auto px = [dpi](int n) { return ::MulDiv(n, static_cast<int>(dpi), 96); };
    const SIZE s = OuterSize(px(Unit1::kClientWidth), px(Unit1::kClientHeight), kWindowStyle,
                             kWindowExStyle, dpi);
    return {s.cx, s.cy};
}

HWND Win32Platform::Add(const Unit1::ControlLayout& c) {
    using K = Unit1::ControlKind;
    const wchar_t* cls = WC_BUTTONW;
    DWORD style = 0;
    switch (c.Kind) {
        case K::PageControl:
            cls = WC_TABCONTROLW;
            style = TCS_FIXEDWIDTH | WS_CLIPSIBLINGS;
            break;
        case K::TabSheet:
            return nullptr;
        case K::Label:
            cls = WC_STATICW;
            style = SS_LEFT;
            break;
        case K::GroupBox:
            // Drawn here: filled with the group's colour, which a Win32 group
            // box does not do; it clips what lies over it.
            cls = WC_STATICW;
            style = SS_OWNERDRAW | WS_CLIPSIBLINGS;
            break;
        case K::Edit:
            cls = WC_EDITW;
            style = ES_AUTOHSCROLL | WS_BORDER;
            break;
        case K::Radio:
            style = BS_AUTORADIOBUTTON;
            break;
        case K::CheckBox:
            style = BS_AUTOCHECKBOX;
            break;
        case K::Button:
        case K::CancelButton:
            style = BS_PUSHBUTTON;
            break;
        case K::DefaultButton:
            style = BS_DEFPUSHBUTTON;
            break;
        case K::FlatButton:
            style = BS_OWNERDRAW;
            break;
        case K::ComboList:
        case K::ComboEdit:
            cls = WC_COMBOBOXW;
            style = (c.Kind == K::ComboList ? CBS_DROPDOWNLIST : CBS_DROPDOWN) | WS_VSCROLL;
            break;
        case K::ListBox:
            cls = WC_LISTBOXW;
            style = LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER;
            break;
    }
    if (c.TabStop) style |= WS_TABSTOP;
    if (c.GroupStart) style |= WS_GROUP;
    const int id = c.Kind == K::DefaultButton  ? IDOK
                   : c.Kind == K::CancelButton ? IDCANCEL
                                               : 100 + static_cast<int>(controls_.size());
    // Placed by LayOut, at the window's DPI.
    HWND h = ::CreateWindowExW(0, cls, FromCp932(c.Caption).c_str(), WS_CHILD | WS_VISIBLE | style,
                               0, 0, 0, 0, hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               nullptr, nullptr);
    controls_[c.Name] = Control{h, &c};
    names_[h] = c.Name;
    if (c.Kind == K::Edit) {
        const auto limit = static_cast<WPARAM>(Unit1::FormEdit(*form_, c)->MaxLength);
        ::SendMessageW(h, EM_SETLIMITTEXT, limit, 0);
    }
    if (Unit1::TakesNoInputMethod(c.Kind)) {
        ::ImmAssociateContextEx(h, nullptr, 0);
        // What the user types into a combo box goes to its edit, a window of its own.
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        if (c.Kind != K::Edit && ::GetComboBoxInfo(h, &info) && info.hwndItem != nullptr &&
            info.hwndItem != h)
            ::ImmAssociateContextEx(info.hwndItem, nullptr, 0);
    }
    return h;
}

void Win32Platform::LayOut() {
    HFONT old = font_;
    font_ = DialogFont(Px(Unit1::kFontPixels));
    // Edges are scaled rather than sizes, so that controls that meet at 96
    // dpi still meet.
    for (const auto& [name, c] : controls_) {
        const Unit1::ClientRect r = Unit1::PlaceOf(*c.Layout);
        const bool combo = c.Layout->Kind == Unit1::ControlKind::ComboList ||
                           c.Layout->Kind == Unit1::ControlKind::ComboEdit;
        const int x = Px(r.X), y = Px(r.Y);
        const int h = combo ? Px(kDroppedComboHeight) : Px(r.Y + r.H) - y;
        ::SetWindowPos(c.Hwnd, nullptr, x, y, Px(r.X + r.W) - x, h,
                       SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
        ::SendMessageW(c.Hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
        if (c.Layout->Kind == Unit1::ControlKind::ListBox)
            ::SendMessageW(c.Hwnd, LB_SETITEMHEIGHT, 0,
                           static_cast<LPARAM>(Px(Unit1::kListRowHeight)));
    }
    TabCtrl_SetItemSize(tab_, Px(Unit1::kTabWidth), Px(Unit1::kTabHeight));
    if (old != nullptr) ::DeleteObject(old);
    const SIZE s = OuterSize(Px(Unit1::kClientWidth), Px(Unit1::kClientHeight), kWindowStyle,
                             kWindowExStyle, dpi_);
    ::SetWindowPos(hwnd_, nullptr, 0, 0, s.cx, s.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // Where the frame is not the size the system computed for the DPI, the
    // client area is still made exact.
    RECT client{};
    ::GetClientRect(hwnd_, &client);
    const int dx = Px(Unit1::kClientWidth) - client.right;
    const int dy = Px(Unit1::kClientHeight) - client.bottom;
    if (dx != 0 || dy != 0)
        ::SetWindowPos(hwnd_, nullptr, 0, 0, s.cx + dx, s.cy + dy,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Win32Platform::OnDpiChanged(UINT dpi, const RECT& suggested) {
    // Moved to a monitor of another scale: where Windows suggests, at the new size.
    dpi_ = dpi;
    ::SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    LayOut();
}

HWND Win32Platform::Create(Unit1::TForm1& form, int left, int top) {
    form_ = &form;
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&icc);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    // The program's own icon (resource 1), also in the title bar and task bar.
    wc.hIcon = ::LoadIconW(wc.hInstance, MAKEINTRESOURCEW(1));
    wc.hIconSm = static_cast<HICON>(::LoadImageW(wc.hInstance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                                 ::GetSystemMetrics(SM_CXSMICON),
                                                 ::GetSystemMetrics(SM_CYSMICON), 0));
    wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = kClassName;
    ::RegisterClassExW(&wc);
    const Unit1::ScreenPoint size = WindowSize();
    hwnd_ = ::CreateWindowExW(kWindowExStyle, kClassName, FromCp932(Unit1::kFormCaption).c_str(),
                              kWindowStyle, left, top, size.X, size.Y, ApplicationWindow(), nullptr,
                              wc.hInstance, this);
    if (hwnd_ == nullptr) return nullptr;  // no display to show it on
    ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    dpi_ = DpiOfWindow(hwnd_);

    // Created in the declared order, which is the Tab order and makes the
    // radio groups; the tab control comes last and so lies under the pages.
    for (const Unit1::ControlLayout& c : Unit1::kForm1Layout) {
        if (c.Kind == Unit1::ControlKind::TabSheet) {
            std::wstring t = FromCp932(c.Caption);
            TCITEMW item{};
            item.mask = TCIF_TEXT;
            item.pszText = t.data();
            ::SendMessageW(tab_, TCM_INSERTITEMW, static_cast<WPARAM>(c.Page),
                           reinterpret_cast<LPARAM>(&item));
            continue;
        }
        HWND h = Add(c);
        if (c.Kind == Unit1::ControlKind::PageControl) tab_ = h;
    }
    // The groups lie under what they hold, the page group under its frames,
    // and the tab control under all.
    for (auto c = std::rbegin(Unit1::kForm1Layout); c != std::rend(Unit1::kForm1Layout); ++c)
        if (c->Kind == Unit1::ControlKind::GroupBox)
            ::SetWindowPos(Hwnd(*c), HWND_BOTTOM, 0, 0, 0, 0,
                           SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ::SetWindowPos(tab_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    LayOut();
    // Placed on a monitor of another scale than the cursor's: centred as planned.
    RECT r{};
    ::GetWindowRect(hwnd_, &r);
    if (r.right - r.left != size.X || r.bottom - r.top != size.Y)
        ::SetWindowPos(hwnd_, nullptr, left + (size.X - (r.right - r.left)) / 2,
                       top + (size.Y - (r.bottom - r.top)) / 2, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Push();
    return hwnd_;
}

}  // namespace win32view
