// The form's state into the controls and back. A text the user did not
// change keeps the form's own bytes.
#include "win32view/Win32Platform.h"
// commctrl.h after windows.h
#include <commctrl.h>

#include "win32view/Cp932.h"

namespace win32view {

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

}  // namespace win32view
