#include "win32view/Win32Platform.h"

#include <commctrl.h>
#include <commdlg.h>
#include <imm.h>

namespace win32view {

using Unit1::FormEvent;

namespace {

constexpr int kClientWidth = 414, kClientHeight = 223;
constexpr DWORD kWindowStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr const wchar_t* kClassName = L"t742Form1";

std::wstring W(const char* utf8) {
    const int n = ::MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
    std::wstring w(static_cast<size_t>(n > 0 ? n - 1 : 0), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8, -1, w.data(), n);
    return w;
}

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

HWND Win32Platform::Add(const char* name, const wchar_t* cls, const char* caption, DWORD style,
                        int page, int x, int y, int w, int h) {
    static int nextId = 100;
    const std::string n = name;
    const int id = n == "Button1" ? IDOK : n == "Button2" ? IDCANCEL : nextId++;
    const int ox = page >= 0 ? origin_.x : 0, oy = page >= 0 ? origin_.y : 0;
    HWND c = ::CreateWindowExW(0, cls, W(caption).c_str(), WS_CHILD | WS_VISIBLE | style, ox + x,
                               oy + y, w, h, hwnd_,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    ::SendMessageW(c, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
    if (!n.empty()) {
        controls_[n] = Control{c, page, page == 1 || page == 2};
        names_[c] = n;
    } else {
        controls_["#" + std::to_string(id)] = Control{c, page, page == 1 || page == 2};
    }
    return c;
}

void Win32Platform::BuildSettingsPage() {
    const DWORD label = SS_LEFT;
    Add("", WC_STATICW, "線色", label, 0, 8, 10, 34, 18);
    Add("ComboBox1", WC_COMBOBOXW, "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, 44, 6, 130,
        300);
    Add("CheckBox1", WC_BUTTONW, "任意色", BS_AUTOCHECKBOX | WS_TABSTOP, 0, 8, 36, 74, 20);
    Add("SpeedButton1", WC_BUTTONW, "任意色■", BS_OWNERDRAW | WS_TABSTOP, 0, 84, 34, 90, 22);
    Add("", WC_STATICW, "線幅", label, 0, 8, 66, 34, 18);
    Add("ComboBox3", WC_COMBOBOXW, "", CBS_DROPDOWN | WS_VSCROLL | WS_TABSTOP, 0, 44, 62, 130, 300);
    Add("Button3", WC_BUTTONW, "登録→", BS_PUSHBUTTON | WS_TABSTOP, 0, 8, 92, 80, 24);
    Add("Button4", WC_BUTTONW, "削除←", BS_PUSHBUTTON | WS_TABSTOP, 0, 94, 92, 80, 24);
    Add("", WC_STATICW, "※右リストはTarvinel", label, 0, 8, 122, 190, 16);
    Add("", WC_STATICW, "の外部変形と共用しています", label, 0, 8, 138, 190, 16);
    Add("ListBox1", WC_LISTBOXW, "", LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP, 0, 200, 6,
        196, 148);
    for (const char* n : {"ComboBox1", "ComboBox3"})
        ::ImmAssociateContextEx(controls_[n].Hwnd, nullptr, 0);
}

void Win32Platform::BuildFigurePage(bool arc) {
    const int page = arc ? 2 : 1;
    const std::string p = arc ? "EditB" : "EditA";
    const char* group = arc ? "GroupBoxB" : "GroupBoxA";
    auto label = [&](const char* text, int x, int y, int w) {
        Add("", WC_STATICW, text, SS_LEFT, page, x, y + 2, w, 16);
    };
    auto edit = [&](int n, int x, int y) {
        const std::string name = p + std::to_string(n);
        HWND e = Add(name.c_str(), WC_EDITW, "", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, page, x,
                     y, 72, 20);
        ::SendMessageW(e, EM_SETLIMITTEXT, 24, 0);
        ::ImmAssociateContextEx(e, nullptr, 0);  // the input method stays off
    };
    // Created in keyboard order: radio, its frame, radio, its frame, tilt, axis
    // check, (start, end,) inner radius, register.
    Add(group, WC_BUTTONW, "", BS_GROUPBOX, page, 2, 2, 398, 152);
    Add(arc ? "RBB1" : "RBA1", WC_BUTTONW, "偏平率指定", BS_AUTORADIOBUTTON | WS_TABSTOP | WS_GROUP,
        page, 10, 6, 150, 20);
    Add(arc ? "GroupBox3" : "GroupBox1", WC_BUTTONW, "", BS_GROUPBOX, page, 10, 24, 188, 56);
    label("半径", 16, 32, 50);
    edit(1, 68, 32);
    label("実寸mm", 144, 32, 50);
    label("偏平率", 16, 55, 50);
    edit(2, 68, 55);
    label("％", 144, 55, 20);
    Add(arc ? "RBB2" : "RBA2", WC_BUTTONW, "軸半径指定", BS_AUTORADIOBUTTON | WS_TABSTOP, page, 206,
        6, 150, 20);
    Add(arc ? "GroupBox4" : "GroupBox2", WC_BUTTONW, "", BS_GROUPBOX, page, 206, 24, 188, 56);
    label("Ｘ半径", 212, 32, 50);
    edit(3, 264, 32);
    label("実寸mm", 340, 32, 50);
    label("Ｙ半径", 212, 55, 50);
    edit(4, 264, 55);
    label("実寸mm", 340, 55, 50);
    const int tiltY = arc ? 84 : 88;
    label("傾き角度", 16, tiltY, 70);
    edit(5, 88, tiltY);
    label("°", 164, tiltY, 14);
    Add(arc ? "CBB1" : "CBA1", WC_BUTTONW, "軸角基準とする", BS_AUTOCHECKBOX | WS_TABSTOP, page,
        206, tiltY, 150, 20);
    if (arc) {
        label("開始角度", 16, 106, 70);
        edit(7, 88, 106);
        label("°", 164, 106, 14);
        label("終了角度", 206, 106, 70);
        edit(8, 278, 106);
        label("°", 354, 106, 14);
    }
    const int innerY = arc ? 129 : 114;
    label("内側円半径", 16, innerY, 84);
    edit(6, 102, innerY);
    label("実寸mm", 178, innerY, 50);
    Add(arc ? "Button6" : "Button5", WC_BUTTONW, "登録→", BS_PUSHBUTTON | WS_TABSTOP, page, 312,
        arc ? 126 : 120, 80, 24);
}

void Win32Platform::BuildPresetPage() {
    Add("ListBox2", WC_LISTBOXW, "", LBS_NOTIFY | WS_VSCROLL | WS_HSCROLL | WS_BORDER | WS_TABSTOP,
        3, 6, 6, 252, 148);
    Add("Button7", WC_BUTTONW, "→全円設定へ(&A)", BS_PUSHBUTTON | WS_TABSTOP, 3, 266, 10, 130, 26);
    Add("Button8", WC_BUTTONW, "→円弧設定へ(&B)", BS_PUSHBUTTON | WS_TABSTOP, 3, 266, 44, 130, 26);
    Add("Button9", WC_BUTTONW, "→　削　除　(&D)", BS_PUSHBUTTON | WS_TABSTOP, 3, 266, 78, 130, 26);
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
    font_ = ::CreateFontW(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                          FIXED_PITCH | FF_MODERN, W("ＭＳ ゴシック").c_str());
    const Unit1::ScreenPoint size = WindowSize();
    hwnd_ = ::CreateWindowExW(0, kClassName, L"Velmora", kWindowStyle, left, top, size.X, size.Y,
                              nullptr, nullptr, wc.hInstance, this);
    if (hwnd_ == nullptr) return nullptr;  // no display to show it on
    ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));

    tab_ =
        Add("PageControl1", WC_TABCONTROLW, "", WS_TABSTOP | WS_CLIPSIBLINGS, -1, 4, 4, 406, 184);
    const char* tabs[] = {"設定(&S)", "全円(&1)", "円弧(&2)", "設定リスト(&L)"};
    for (int i = 0; i < 4; ++i) {
        std::wstring t = W(tabs[i]);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = t.data();
        ::SendMessageW(tab_, TCM_INSERTITEMW, static_cast<WPARAM>(i),
                       reinterpret_cast<LPARAM>(&item));
    }
    RECT area{4, 4, 410, 188};
    TabCtrl_AdjustRect(tab_, FALSE, &area);
    origin_ = POINT{area.left - 2, area.top - 2};
    BuildSettingsPage();
    BuildFigurePage(false);
    BuildFigurePage(true);
    BuildPresetPage();
    Add("LabelA1", WC_STATICW, "", SS_LEFT, -1, 8, 198, 230, 18);
    Add("Button1", WC_BUTTONW, "OK(&Y)", BS_DEFPUSHBUTTON | WS_TABSTOP, -1, 236, 194, 80, 25);
    Add("Button2", WC_BUTTONW, "キャンセル(&N)", BS_PUSHBUTTON | WS_TABSTOP, -1, 320, 194, 90, 25);
    // The pages lie over the tab control.
    for (auto& [name, c] : controls_)
        if (c.Page >= 0) ::SetWindowPos(c.Hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    Push();
    return hwnd_;
}

void Win32Platform::SelectPage(int page) {
    TabCtrl_SetCurSel(tab_, page);
    for (auto& [name, c] : controls_)
        if (c.Page >= 0) ::ShowWindow(c.Hwnd, c.Page == page ? SW_SHOW : SW_HIDE);
}

Unit1::TEdit* Win32Platform::FormEdit(const std::string& name) {
    Unit1::TForm1& f = *form_;
    Unit1::TEdit* edits[] = {&f.EditA1, &f.EditA2, &f.EditA3, &f.EditA4, &f.EditA5,
                             &f.EditA6, &f.EditB1, &f.EditB2, &f.EditB3, &f.EditB4,
                             &f.EditB5, &f.EditB6, &f.EditB7, &f.EditB8};
    return edits[(name[4] == 'A' ? 0 : 6) + (name[5] - '1')];
}

std::wstring Win32Platform::Text(const char* name) {
    HWND h = controls_[name].Hwnd;
    std::wstring t(static_cast<size_t>(::GetWindowTextLengthW(h)) + 1, L'\0');
    t.resize(static_cast<size_t>(::GetWindowTextW(h, t.data(), static_cast<int>(t.size()))));
    return t;
}

void Win32Platform::Push() {
    Unit1::TForm1& f = *form_;
    pushed_.clear();
    auto setText = [this](const char* name, const std::string& bytes) {
        pushed_[name] = FromCp932(bytes);
        ::SetWindowTextW(controls_[name].Hwnd, pushed_[name].c_str());
    };
    setText("LabelA1", f.LabelA1.Caption);
    HWND combo1 = controls_["ComboBox1"].Hwnd;
    ::SendMessageW(combo1, CB_RESETCONTENT, 0, 0);
    for (const auto& item : f.ComboBox1.Items)
        ::SendMessageW(combo1, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(FromCp932(item).c_str()));
    ::SendMessageW(combo1, CB_SETCURSEL, static_cast<WPARAM>(f.ComboBox1.ItemIndex), 0);
    HWND combo3 = controls_["ComboBox3"].Hwnd;
    ::SendMessageW(combo3, CB_RESETCONTENT, 0, 0);
    for (const auto& item : f.ComboBox3.Items)
        ::SendMessageW(combo3, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(FromCp932(item).c_str()));
    setText("ComboBox3", f.ComboBox3.Text);
    for (auto [name, list] :
         {std::pair{"ListBox1", &f.ListBox1}, std::pair{"ListBox2", &f.ListBox2}}) {
        HWND h = controls_[name].Hwnd;
        ::SendMessageW(h, LB_RESETCONTENT, 0, 0);
        for (const auto& item : list->Items)
            ::SendMessageW(h, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(FromCp932(item).c_str()));
        ::SendMessageW(h, LB_SETCURSEL, static_cast<WPARAM>(list->ItemIndex), 0);
    }
    for (const char* e : {"EditA1", "EditA2", "EditA3", "EditA4", "EditA5", "EditA6", "EditB1",
                          "EditB2", "EditB3", "EditB4", "EditB5", "EditB6", "EditB7", "EditB8"})
        setText(e, FormEdit(e)->Text);
    auto check = [this](const char* name, bool on) {
        ::SendMessageW(controls_[name].Hwnd, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
    };
    check("CheckBox1", f.CheckBox1.Checked);
    check("RBA1", f.RBA1.Checked);
    check("RBA2", f.RBA2.Checked);
    check("RBB1", f.RBB1.Checked);
    check("RBB2", f.RBB2.Checked);
    check("CBA1", f.CBA1.Checked);
    check("CBB1", f.CBB1.Checked);
    for (auto& [name, c] : controls_) {
        if (!c.OnFigurePage) continue;
        const bool enabled = (c.Page == 1 ? f.GroupBoxA : f.GroupBoxB).Enabled;
        ::EnableWindow(c.Hwnd, enabled);
    }
    ::InvalidateRect(controls_["SpeedButton1"].Hwnd, nullptr, TRUE);
    SelectPage(f.ActivePage);
    ::InvalidateRect(hwnd_, nullptr, TRUE);
}

void Win32Platform::Pull() {
    Unit1::TForm1& f = *form_;
    // A text the user did not change keeps the form's own bytes.
    auto getText = [this](const char* name, std::string& into) {
        const std::wstring now = Text(name);
        if (pushed_[name] != now) into = ToCp932(now);
    };
    f.ComboBox1.ItemIndex =
        static_cast<int>(::SendMessageW(controls_["ComboBox1"].Hwnd, CB_GETCURSEL, 0, 0));
    getText("ComboBox3", f.ComboBox3.Text);
    f.ListBox1.ItemIndex =
        static_cast<int>(::SendMessageW(controls_["ListBox1"].Hwnd, LB_GETCURSEL, 0, 0));
    f.ListBox2.ItemIndex =
        static_cast<int>(::SendMessageW(controls_["ListBox2"].Hwnd, LB_GETCURSEL, 0, 0));
    for (const char* e : {"EditA1", "EditA2", "EditA3", "EditA4", "EditA5", "EditA6", "EditB1",
                          "EditB2", "EditB3", "EditB4", "EditB5", "EditB6", "EditB7", "EditB8"})
        getText(e, FormEdit(e)->Text);
    auto checked = [this](const char* name) {
        return ::SendMessageW(controls_[name].Hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
    };
    f.CheckBox1.Checked = checked("CheckBox1");
    f.RBA1.Checked = checked("RBA1");
    f.RBA2.Checked = checked("RBA2");
    f.RBB1.Checked = checked("RBB1");
    f.RBB2.Checked = checked("RBB2");
    f.CBA1.Checked = checked("CBA1");
    f.CBB1.Checked = checked("CBB1");
}

void Win32Platform::Fire(FormEvent event) {
    Pull();
    invoke_(*form_, event);
    if (!closing_ && hwnd_ != nullptr) Push();
}

LRESULT Win32Platform::Handle(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_COMMAND: {
            const auto it = names_.find(reinterpret_cast<HWND>(lp));
            const int code = HIWORD(wp);
            if (LOWORD(wp) == IDOK && (lp == 0 || code == BN_CLICKED))
                return Fire(FormEvent::Button1), 0;
            if (LOWORD(wp) == IDCANCEL && (lp == 0 || code == BN_CLICKED))
                return Fire(FormEvent::Button2), 0;
            if (it == names_.end()) break;
            const std::string& n = it->second;
            if (n == "ListBox1" && code == LBN_SELCHANGE) return Fire(FormEvent::ListBox1), 0;
            if (code != BN_CLICKED) break;
            if (n == "SpeedButton1") return Fire(FormEvent::SpeedButton1), 0;
            static const std::pair<const char*, FormEvent> kButtons[] = {
                {"Button3", FormEvent::Button3}, {"Button4", FormEvent::Button4},
                {"Button5", FormEvent::Button5}, {"Button6", FormEvent::Button6},
                {"Button7", FormEvent::Button7}, {"Button8", FormEvent::Button8},
                {"Button9", FormEvent::Button9}};
            for (auto [name, event] : kButtons)
                if (n == name) return Fire(event), 0;
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
            HWND child = reinterpret_cast<HWND>(lp);
            bool grey = false;
            for (auto& [name, c] : controls_)
                if (c.Hwnd == child && c.OnFigurePage)
                    grey = !(c.Page == 1 ? form_->GroupBoxA : form_->GroupBoxB).Enabled;
            if (msg == WM_CTLCOLOREDIT && !grey) break;
            ::SetBkColor(reinterpret_cast<HDC>(wp),
                         grey ? RGB(0xC0, 0xC0, 0xC0) : RGB(0xFF, 0xFF, 0xFF));
            return reinterpret_cast<LRESULT>(grey ? grey_ : white_);
        }
        case WM_DRAWITEM: {
            // The flat colour button: its caption in the chosen colour.
            auto* d = reinterpret_cast<DRAWITEMSTRUCT*>(lp);
            ::FillRect(d->hDC, &d->rcItem, white_);
            if (d->itemState & ODS_SELECTED)
                ::DrawEdge(d->hDC, &d->rcItem, BDR_SUNKENOUTER, BF_RECT);
            ::SetBkMode(d->hDC, TRANSPARENT);
            ::SetTextColor(d->hDC, static_cast<COLORREF>(form_->SpeedButton1.FontColor));
            HGDIOBJ old = ::SelectObject(d->hDC, font_);
            std::wstring caption = W("任意色■");
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
        // Tab, Enter (OK) and Esc (Cancel) as in a dialog.
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
