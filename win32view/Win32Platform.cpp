#include "win32view/Win32Platform.h"

#include <commctrl.h>
#include <commdlg.h>
#include <imm.h>

namespace win32view {

using Unit1::FormEvent;

namespace {

using Unit1::kClientHeight;
using Unit1::kClientWidth;
constexpr DWORD kWindowStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr const wchar_t* kClassName = L"t742Form1";
constexpr const wchar_t* kApplicationClassName = L"t742Application";

// Code page 932 bytes to the window's text and back: the platform's converter.
std::wstring FromCp932(const std::string& bytes) {
    if (bytes.empty()) return {};
    const int n =
        ::MultiByteToWideChar(932, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring w(static_cast<size_t>(n), L'\0');
    ::MultiByteToWideChar(932, 0, bytes.data(), static_cast<int>(bytes.size()), w.data(), n);
    return w;
}

std::string ToCp932(const std::wstring& text) {
    if (text.empty()) return {};
    const int n = ::WideCharToMultiByte(932, 0, text.data(), static_cast<int>(text.size()), nullptr,
                                        0, "?", nullptr);
    std::string s(static_cast<size_t>(n), '\0');
    ::WideCharToMultiByte(932, 0, text.data(), static_cast<int>(text.size()), s.data(), n, "?",
                          nullptr);
    return s;
}

int CALLBACK FoundFont(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

// The host's Gothic, 13 pixels, Shift-JIS; where it is missing (Wine on a
// fresh machine) a Japanese Gothic that has it all, half-width glyphs too,
// rather than a substitute that draws boxes.
HFONT DialogFont() {
    std::wstring chosen = FromCp932(Unit1::kFontFamilies[0]);
    HDC dc = ::GetDC(nullptr);
    for (const char* family : Unit1::kFontFamilies) {
        LOGFONTW lf{};
        lf.lfCharSet = SHIFTJIS_CHARSET;
        const std::wstring name = FromCp932(family);
        if (name.size() >= LF_FACESIZE) continue;
        name.copy(lf.lfFaceName, name.size());
        bool found = false;
        ::EnumFontFamiliesExW(dc, &lf, FoundFont, reinterpret_cast<LPARAM>(&found), 0);
        if (found) {
            chosen = name;
            break;
        }
    }
    ::ReleaseDC(nullptr, dc);
    return ::CreateFontW(-Unit1::kFontPixels, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                         SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
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
    if (white_ != nullptr) ::DeleteObject(white_);
    if (grey_ != nullptr) ::DeleteObject(grey_);
}

Unit1::ScreenPoint Win32Platform::CursorPos() {
    POINT p{};
    ::GetCursorPos(&p);
    return {p.x, p.y};
}

Unit1::ScreenPoint Win32Platform::WindowSize() {
    RECT r{0, 0, kClientWidth, kClientHeight};
    ::AdjustWindowRectEx(&r, kWindowStyle, FALSE, 0);
    return {r.right - r.left, r.bottom - r.top};
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

HWND Win32Platform::Add(const Unit1::ControlLayout& c) {
    using K = Unit1::ControlKind;
    const wchar_t* cls = WC_BUTTONW;
    DWORD style = 0;
    int height = c.H;
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
            height = 300;  // with its list dropped down
            break;
        case K::ListBox:
            cls = WC_LISTBOXW;
            style = LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER;
            break;
    }
    if (c.TabStop) style |= WS_TABSTOP;
    if (c.GroupStart) style |= WS_GROUP;
    const std::string name = c.Name;
    const int id = c.Kind == K::DefaultButton  ? IDOK
                   : c.Kind == K::CancelButton ? IDCANCEL
                                               : 100 + static_cast<int>(controls_.size());
    const Unit1::ClientRect r = Unit1::PlaceOf(c);
    HWND h = ::CreateWindowExW(0, cls, FromCp932(c.Caption).c_str(), WS_CHILD | WS_VISIBLE | style,
                               r.X, r.Y, r.W, height, hwnd_,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    ::SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
    controls_[name] = Control{h, &c};
    names_[h] = name;
    if (c.Kind == K::Edit) {
        const auto limit = static_cast<WPARAM>(Unit1::FormEdit(*form_, c.Name)->MaxLength);
        ::SendMessageW(h, EM_SETLIMITTEXT, limit, 0);
        ::ImmAssociateContextEx(h, nullptr, 0);  // the input method stays off
    }
    if (c.Kind == K::ComboList || c.Kind == K::ComboEdit) {
        ::ImmAssociateContextEx(h, nullptr, 0);
        // What the user types goes to the combo box's edit, a window of its own.
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        if (::GetComboBoxInfo(h, &info) && info.hwndItem != nullptr && info.hwndItem != h)
            ::ImmAssociateContextEx(info.hwndItem, nullptr, 0);
    }
    if (c.Kind == K::ListBox)
        ::SendMessageW(h, LB_SETITEMHEIGHT, 0, static_cast<LPARAM>(Unit1::kListRowHeight));
    return h;
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
    white_ = ::CreateSolidBrush(RGB(0xFF, 0xFF, 0xFF));
    grey_ = ::CreateSolidBrush(RGB(0xC0, 0xC0, 0xC0));
    font_ = DialogFont();
    const Unit1::ScreenPoint size = WindowSize();
    hwnd_ = ::CreateWindowExW(WS_EX_APPWINDOW, kClassName, FromCp932(Unit1::kFormCaption).c_str(),
                              kWindowStyle, left, top, size.X, size.Y, ApplicationWindow(), nullptr,
                              wc.hInstance, this);
    if (hwnd_ == nullptr) return nullptr;  // no display to show it on
    ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));

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
        if (c.Kind == Unit1::ControlKind::PageControl) {
            tab_ = h;
            TabCtrl_SetItemSize(tab_, Unit1::kTabWidth, Unit1::kTabHeight);
        }
    }
    // The groups lie under what they hold, the page group under its frames,
    // and the tab control under all.
    for (auto c = std::rbegin(Unit1::kForm1Layout); c != std::rend(Unit1::kForm1Layout); ++c)
        if (c->Kind == Unit1::ControlKind::GroupBox)
            ::SetWindowPos(controls_[c->Name].Hwnd, HWND_BOTTOM, 0, 0, 0, 0,
                           SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ::SetWindowPos(tab_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Push();
    return hwnd_;
}

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
    for (auto& [name, c] : controls_)
        if (c.Layout->Page >= 0) ::ShowWindow(c.Hwnd, c.Layout->Page == page ? SW_SHOW : SW_HIDE);
}

std::wstring Win32Platform::Text(HWND h) {
    std::wstring t(static_cast<size_t>(::GetWindowTextLengthW(h)) + 1, L'\0');
    t.resize(static_cast<size_t>(::GetWindowTextW(h, t.data(), static_cast<int>(t.size()))));
    return t;
}

void Win32Platform::Push() {
    Unit1::TForm1& f = *form_;
    pushed_.clear();
    auto setText = [this](HWND h, const std::string& bytes) {
        pushed_[h] = FromCp932(bytes);
        ::SetWindowTextW(h, pushed_[h].c_str());
    };
    for (auto& [name, c] : controls_) {
        const char* n = name.c_str();
        HWND h = c.Hwnd;
        if (name == "LabelA1") setText(h, f.LabelA1.Caption);
        if (auto* edit = Unit1::FormEdit(f, n)) setText(h, edit->Text);
        if (bool* checked = Unit1::FormCheck(f, n))
            ::SendMessageW(h, BM_SETCHECK, *checked ? BST_CHECKED : BST_UNCHECKED, 0);
        if (auto* list = Unit1::FormList(f, n)) {
            ::SendMessageW(h, LB_RESETCONTENT, 0, 0);
            for (const auto& item : list->Items)
                ::SendMessageW(h, LB_ADDSTRING, 0,
                               reinterpret_cast<LPARAM>(FromCp932(item).c_str()));
            ::SendMessageW(h, LB_SETCURSEL, static_cast<WPARAM>(list->ItemIndex), 0);
        }
        if (auto* combo = Unit1::FormCombo(f, n)) {
            ::SendMessageW(h, CB_RESETCONTENT, 0, 0);
            for (const auto& item : combo->Items)
                ::SendMessageW(h, CB_ADDSTRING, 0,
                               reinterpret_cast<LPARAM>(FromCp932(item).c_str()));
            if (c.Layout->Kind == Unit1::ControlKind::ComboEdit)
                setText(h, combo->Text);
            else
                ::SendMessageW(h, CB_SETCURSEL, static_cast<WPARAM>(combo->ItemIndex), 0);
        }
        if (auto* group = Unit1::PageGroup(f, c.Layout->Page)) ::EnableWindow(h, group->Enabled);
    }
    KeepRadiosInTabOrder();
    ::InvalidateRect(controls_["SpeedButton1"].Hwnd, nullptr, TRUE);
    SelectPage(f.ActivePage);
    ::InvalidateRect(hwnd_, nullptr, TRUE);
}

void Win32Platform::Pull() {
    Unit1::TForm1& f = *form_;
    // A text the user did not change keeps the form's own bytes.
    auto getText = [this](HWND h, std::string& into) {
        const std::wstring now = Text(h);
        if (pushed_[h] != now) into = ToCp932(now);
    };
    for (auto& [name, c] : controls_) {
        const char* n = name.c_str();
        HWND h = c.Hwnd;
        if (auto* edit = Unit1::FormEdit(f, n)) getText(h, edit->Text);
        if (bool* checked = Unit1::FormCheck(f, n))
            *checked = ::SendMessageW(h, BM_GETCHECK, 0, 0) == BST_CHECKED;
        if (auto* list = Unit1::FormList(f, n))
            list->ItemIndex = static_cast<int>(::SendMessageW(h, LB_GETCURSEL, 0, 0));
        if (auto* combo = Unit1::FormCombo(f, n)) {
            if (c.Layout->Kind == Unit1::ControlKind::ComboEdit)
                getText(h, combo->Text);
            else
                combo->ItemIndex = static_cast<int>(::SendMessageW(h, CB_GETCURSEL, 0, 0));
        }
    }
    // The page the user is on stays when the form's state comes back.
    f.ActivePage = TabCtrl_GetCurSel(tab_);
}

void Win32Platform::KeepRadiosInTabOrder() {
    // Checking a radio button takes the Tab stop from its unchecked partners;
    // the page's keyboard order has both.
    for (auto& [name, c] : controls_) {
        if (c.Layout->Kind != Unit1::ControlKind::Radio || !c.Layout->TabStop) continue;
        const LONG_PTR style = ::GetWindowLongPtrW(c.Hwnd, GWL_STYLE);
        if ((style & WS_TABSTOP) == 0) ::SetWindowLongPtrW(c.Hwnd, GWL_STYLE, style | WS_TABSTOP);
    }
}

void Win32Platform::Fire(FormEvent event) {
    Pull();
    invoke_(*form_, event);
    if (!closing_ && hwnd_ != nullptr) Push();
}

LRESULT Win32Platform::Handle(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_COMMAND: {
            const int code = HIWORD(wp);
            if (LOWORD(wp) == IDOK && (lp == 0 || code == BN_CLICKED))
                return Fire(FormEvent::Button1), 0;
            if (LOWORD(wp) == IDCANCEL && (lp == 0 || code == BN_CLICKED))
                return Fire(FormEvent::Button2), 0;
            const auto it = names_.find(reinterpret_cast<HWND>(lp));
            if (it == names_.end()) break;
            const Unit1::ControlLayout& c = *controls_[it->second].Layout;
            if (c.Kind == Unit1::ControlKind::Radio && code == BN_CLICKED) KeepRadiosInTabOrder();
            if (c.Event == Unit1::kNoEvent) break;
            const bool list = c.Kind == Unit1::ControlKind::ListBox;
            if ((list && code == LBN_SELCHANGE) || (!list && code == BN_CLICKED))
                return Fire(static_cast<FormEvent>(c.Event)), 0;
            break;
        }
        case WM_NOTIFY:
            if (reinterpret_cast<NMHDR*>(lp)->hwndFrom == tab_ &&
                reinterpret_cast<NMHDR*>(lp)->code == TCN_SELCHANGE)
                SelectPage(TabCtrl_GetCurSel(tab_));
            return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT: {
            // A figure page's group is white, or grey when the mode does not use it.
            const auto it = names_.find(reinterpret_cast<HWND>(lp));
            const Unit1::TGroupBox* group =
                it == names_.end() ? nullptr
                                   : Unit1::PageGroup(*form_, controls_[it->second].Layout->Page);
            const bool grey = group != nullptr && !group->Enabled;
            if (msg == WM_CTLCOLOREDIT && !grey) break;
            ::SetBkColor(reinterpret_cast<HDC>(wp),
                         grey ? RGB(0xC0, 0xC0, 0xC0) : RGB(0xFF, 0xFF, 0xFF));
            return reinterpret_cast<LRESULT>(grey ? grey_ : white_);
        }
        case WM_DRAWITEM: {
            auto* d = reinterpret_cast<DRAWITEMSTRUCT*>(lp);
            const auto it = names_.find(d->hwndItem);
            const Unit1::ControlLayout* c =
                it == names_.end() ? nullptr : controls_[it->second].Layout;
            if (c != nullptr && c->Kind == Unit1::ControlKind::GroupBox) {
                const Unit1::TGroupBox* group = Unit1::PageGroup(*form_, c->Page);
                ::FillRect(d->hDC, &d->rcItem,
                           group != nullptr && !group->Enabled ? grey_ : white_);
                RECT frame = d->rcItem;
                frame.top += 6;  // as a group box's frame, below its caption's middle
                ::DrawEdge(d->hDC, &frame, EDGE_ETCHED, BF_RECT);
                return TRUE;
            }
            // The flat colour button: its caption in the chosen colour.
            ::FillRect(d->hDC, &d->rcItem, white_);
            if (d->itemState & ODS_SELECTED)
                ::DrawEdge(d->hDC, &d->rcItem, BDR_SUNKENOUTER, BF_RECT);
            ::SetBkMode(d->hDC, TRANSPARENT);
            ::SetTextColor(d->hDC, static_cast<COLORREF>(form_->SpeedButton1.FontColor));
            HGDIOBJ old = ::SelectObject(d->hDC, font_);
            const std::wstring caption = FromCp932(controls_["SpeedButton1"].Layout->Caption);
            ::DrawTextW(d->hDC, caption.c_str(), -1, &d->rcItem,
                        DT_CENTER | DT_VCENTER | DT_SINGLELINE);
            ::SelectObject(d->hDC, old);
            return TRUE;
        }
        case WM_CLOSE:
            if (!closing_) Fire(FormEvent::CloseBox);
            return 0;
        default:
            break;
    }
    return ::DefWindowProcW(hwnd_, msg, wp, lp);
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
        const auto it = names_.find(::GetFocus());
        const Unit1::ControlLayout* c = it == names_.end() ? nullptr : controls_[it->second].Layout;
        if (c != nullptr && !Unit1::TakesArrows(c->Kind)) {
            const bool forward = msg.wParam == VK_DOWN || msg.wParam == VK_RIGHT;
            const auto usable = [this](const Unit1::ControlLayout& t) {
                const auto found = controls_.find(t.Name);
                return found != controls_.end() && ::IsWindowVisible(found->second.Hwnd) &&
                       ::IsWindowEnabled(found->second.Hwnd);
            };
            if (const Unit1::ControlLayout* next = Unit1::ArrowTarget(*c, forward, usable)) {
                HWND h = controls_[next->Name].Hwnd;
                ::SetFocus(h);
                if (next->Kind == Unit1::ControlKind::Edit) ::SendMessageW(h, EM_SETSEL, 0, -1);
                if (next->Kind == Unit1::ControlKind::Radio) ::SendMessageW(h, BM_CLICK, 0, 0);
            }
            return true;
        }
    }
    // Enter presses a focused push button, as in a dialog; elsewhere it is OK.
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_RETURN) {
        const auto it = names_.find(::GetFocus());
        if (it != names_.end()) {
            const Unit1::ControlKind kind = controls_[it->second].Layout->Kind;
            if (kind == Unit1::ControlKind::Button || kind == Unit1::ControlKind::CancelButton) {
                ::SendMessageW(it->first, BM_CLICK, 0, 0);
                return true;
            }
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
    ::SetFocus(form.FocusedControl == "ComboBox1" ? controls_["ComboBox1"].Hwnd : tab_);
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
