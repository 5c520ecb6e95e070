// The dialog's window as data: every control with its kind, page, caption,
// place and keyboard role. Both windows are built from this one table, row by
// row, and the tests of the real windows find a control's place in it.
// Header-only, so a view that links no part of the core can use it.
// Captions are code page 932 bytes, from words/dialog.txt.
#pragma once

#include <cstring>
#include <string>
#include <utility>
#include <variant>

#include "Unit1/Form.h"
#include "Unit1/Platform.h"
#include "words/Dialog.h"

namespace Unit1 {

inline constexpr const char* kFormCaption = words::FormCaption;
inline constexpr const char* kApplicationTitle = words::ApplicationTitle;
inline constexpr int kClientWidth = 414, kClientHeight = 223;
inline constexpr int kFontPixels = 13;
// The host's Gothic first; where it is missing (Wine on a fresh machine, or
// Linux), the first installed Japanese Gothic, which has every glyph.
inline constexpr const char* kFontFamilies[] = {
    words::FontMsGothic, "MS Gothic", "IPAGothic",  words::FontIpaGothic,
    "Noto Sans CJK JP",  "VL Gothic", "TakaoGothic"};
// Where the pages' controls start, in the client area: below the tab row.
inline constexpr int kPageLeft = 6, kPageTop = 27;
// Every tab of the page control is this size, so a tab's place is known.
inline constexpr int kTabWidth = 100, kTabHeight = 20;
// Every row of a list box is this high, so a row's place is known.
inline constexpr int kListRowHeight = 16;

enum class ControlKind {
    PageControl,  // the tab control
    TabSheet,     // a tab of it; its page is the one it shows
    Label,
    GroupBox,  // a page's group or a frame in it, coloured with the group
    Edit,
    Radio,
    CheckBox,
    Button,
    DefaultButton,  // Enter
    CancelButton,   // Esc
    FlatButton,
    ComboList,  // a drop-down list of fixed choices
    ComboEdit,  // an editable combo box
    ListBox,
};

inline constexpr int kNoEvent = -1;

// The form's state a control shows and edits: its member of TForm1, or none
// (a label with a fixed caption, a frame, a push button, a tab).
using FormMember =
    std::variant<std::monostate, TEdit TForm1::*, TCheckBox TForm1::*, TRadioButton TForm1::*,
                 TComboBox TForm1::*, TListBox TForm1::*, TLabel TForm1::*, TSpeedButton TForm1::*>;

struct ControlLayout {
    const char* Name;
    FormMember Member;
    ControlKind Kind;
    int Page;  // 0..3, or -1 for the controls below the pages
    const char* Caption;
    // In the page's coordinates (from kPageLeft, kPageTop), or in the client
    // area's for page -1 and the tab control.
    int X, Y, W, H;
    bool TabStop;
    // Starts a group: radio buttons up to the next start form one group, and
    // the arrow keys stay within it.
    bool GroupStart;
    char Accelerator;  // the letter after "&" in the caption, or 0
    int Event;         // the FormEvent a click (a list: a change of row) fires
};

namespace layout {
using K = ControlKind;
inline constexpr int E(FormEvent e) {
    return static_cast<int>(e);
}
inline constexpr ControlLayout Row(const char* name, FormMember member, K kind, int page,
                                   const char* caption, int x, int y, int w, int h,
                                   bool tab = false, bool group = false, char accel = 0,
                                   int event = kNoEvent) {
    return {name, member, kind, page, caption, x, y, w, h, tab, group, accel, event};
}
inline constexpr ControlLayout Row(const char* name, K kind, int page, const char* caption, int x,
                                   int y, int w, int h, bool tab = false, bool group = false,
                                   char accel = 0, int event = kNoEvent) {
    return Row(name, {}, kind, page, caption, x, y, w, h, tab, group, accel, event);
}
inline constexpr ControlLayout Lbl(const char* name, int page, const char* caption, int x, int y,
                                   int w) {
    return Row(name, K::Label, page, caption, x, y, w, 16);
}
inline constexpr ControlLayout Ed(const char* name, TEdit TForm1::*member, int page, int x, int y,
                                  bool group = false) {
    return Row(name, member, K::Edit, page, "", x, y, 72, 20, true, group);
}

inline constexpr ControlLayout kForm1Layout[] = {
    // The colour and width page.
    Row("Label1", K::Label, 0, words::LineColour, 8, 10, 34, 18),
    Row("ComboBox1", &TForm1::ComboBox1, K::ComboList, 0, "", 44, 6, 130, 22, true, true),
    Row("CheckBox1", &TForm1::CheckBox1, K::CheckBox, 0, words::ArbitraryColour, 8, 36, 74, 20,
        true),
    // A flat button, as a speed button: clicked, never focused.
    Row("SpeedButton1", &TForm1::SpeedButton1, K::FlatButton, 0, words::ArbitraryColourButton, 84,
        34, 90, 22, false, false, 0, E(FormEvent::SpeedButton1)),
    Row("Label3", K::Label, 0, words::LineWidth, 8, 66, 34, 18),
    Row("ComboBox3", &TForm1::ComboBox3, K::ComboEdit, 0, "", 44, 62, 130, 22, true),
    Row("Button3", K::Button, 0, words::Register, 8, 92, 80, 24, true, false, 0,
        E(FormEvent::Button3)),
    Row("Button4", K::Button, 0, words::Delete, 94, 92, 80, 24, true, false, 0,
        E(FormEvent::Button4)),
    Lbl("Label27", 0, words::SharedListNote1, 8, 122, 190),
    Lbl("Label32", 0, words::SharedListNote2, 8, 138, 190),
    Row("ListBox1", &TForm1::ListBox1, K::ListBox, 0, "", 200, 6, 196, 148, true, false, 0,
        E(FormEvent::ListBox1)),

    // The full-circle page.
    Row("GroupBoxA", K::GroupBox, 1, "", 2, 2, 398, 152),
    Row("RBA1", &TForm1::RBA1, K::Radio, 1, words::ByFlatness, 10, 6, 150, 20, true, true),
    Row("GroupBox1", K::GroupBox, 1, "", 10, 24, 188, 56),
    Lbl("Label2", 1, words::Radius, 16, 34, 50),
    Ed("EditA1", &TForm1::EditA1, 1, 68, 32),
    Lbl("Label4", 1, words::RealMm, 144, 34, 50),
    Lbl("Label5", 1, words::Flatness, 16, 57, 50),
    Ed("EditA2", &TForm1::EditA2, 1, 68, 55),
    Lbl("Label6", 1, words::Percent, 144, 57, 20),
    Row("RBA2", &TForm1::RBA2, K::Radio, 1, words::ByAxisRadii, 206, 6, 150, 20, true),
    Row("GroupBox2", K::GroupBox, 1, "", 206, 24, 188, 56),
    Lbl("Label7", 1, words::XRadius, 212, 34, 50),
    Ed("EditA3", &TForm1::EditA3, 1, 264, 32),
    Lbl("Label8", 1, words::RealMm, 340, 34, 50),
    Lbl("Label9", 1, words::YRadius, 212, 57, 50),
    Ed("EditA4", &TForm1::EditA4, 1, 264, 55),
    Lbl("Label10", 1, words::RealMm, 340, 57, 50),
    Lbl("Label11", 1, words::Tilt, 16, 90, 70),
    Ed("EditA5", &TForm1::EditA5, 1, 88, 88, true),
    Lbl("Label12", 1, words::Degree, 164, 90, 14),
    Row("CBA1", &TForm1::CBA1, K::CheckBox, 1, words::TiltFromAxis, 206, 88, 150, 20, true),
    Lbl("Label30", 1, words::InnerRadius, 16, 116, 84),
    Ed("EditA6", &TForm1::EditA6, 1, 102, 114),
    Lbl("Label31", 1, words::RealMm, 178, 116, 50),
    Row("Button5", K::Button, 1, words::Register, 312, 120, 80, 24, true, false, 0,
        E(FormEvent::Button5)),

    // The arc page: two rows of angles under the tilt.
    Row("GroupBoxB", K::GroupBox, 2, "", 2, 2, 398, 152),
    Row("RBB1", &TForm1::RBB1, K::Radio, 2, words::ByFlatness, 10, 6, 150, 20, true, true),
    Row("GroupBox3", K::GroupBox, 2, "", 10, 24, 188, 56),
    Lbl("Label13", 2, words::Radius, 16, 34, 50),
    Ed("EditB1", &TForm1::EditB1, 2, 68, 32),
    Lbl("Label14", 2, words::RealMm, 144, 34, 50),
    Lbl("Label15", 2, words::Flatness, 16, 57, 50),
    Ed("EditB2", &TForm1::EditB2, 2, 68, 55),
    Lbl("Label16", 2, words::Percent, 144, 57, 20),
    Row("RBB2", &TForm1::RBB2, K::Radio, 2, words::ByAxisRadii, 206, 6, 150, 20, true),
    Row("GroupBox4", K::GroupBox, 2, "", 206, 24, 188, 56),
    Lbl("Label17", 2, words::XRadius, 212, 34, 50),
    Ed("EditB3", &TForm1::EditB3, 2, 264, 32),
    Lbl("Label18", 2, words::RealMm, 340, 34, 50),
    Lbl("Label19", 2, words::YRadius, 212, 57, 50),
    Ed("EditB4", &TForm1::EditB4, 2, 264, 55),
    Lbl("Label20", 2, words::RealMm, 340, 57, 50),
    Lbl("Label21", 2, words::Tilt, 16, 86, 70),
    Ed("EditB5", &TForm1::EditB5, 2, 88, 84, true),
    Lbl("Label22", 2, words::Degree, 164, 86, 14),
    Row("CBB1", &TForm1::CBB1, K::CheckBox, 2, words::TiltFromAxis, 206, 84, 150, 20, true),
    Lbl("Label23", 2, words::StartAngle, 16, 108, 70),
    Ed("EditB7", &TForm1::EditB7, 2, 88, 106),
    Lbl("Label24", 2, words::Degree, 164, 108, 14),
    Lbl("Label25", 2, words::EndAngle, 206, 108, 70),
    Ed("EditB8", &TForm1::EditB8, 2, 278, 106),
    Lbl("Label26", 2, words::Degree, 354, 108, 14),
    Lbl("Label28", 2, words::InnerRadius, 16, 131, 84),
    Ed("EditB6", &TForm1::EditB6, 2, 102, 129),
    Lbl("Label29", 2, words::RealMm, 178, 131, 50),
    Row("Button6", K::Button, 2, words::Register, 312, 126, 80, 24, true, false, 0,
        E(FormEvent::Button6)),

    // The preset page.
    Row("ListBox2", &TForm1::ListBox2, K::ListBox, 3, "", 6, 6, 252, 148, true, true),
    Row("Button7", K::Button, 3, words::ToFullCirclePage, 266, 10, 130, 26, true, false, 'A',
        E(FormEvent::Button7)),
    Row("Button8", K::Button, 3, words::ToArcPage, 266, 44, 130, 26, true, false, 'B',
        E(FormEvent::Button8)),
    Row("Button9", K::Button, 3, words::DeletePreset, 266, 78, 130, 26, true, false, 'D',
        E(FormEvent::Button9)),

    // Below the pages.
    Row("LabelA1", &TForm1::LabelA1, K::Label, -1, "", 8, 198, 230, 18, false, true),
    Row("Button1", K::DefaultButton, -1, words::Ok, 236, 194, 80, 25, true, false, 'Y',
        E(FormEvent::Button1)),
    Row("Button2", K::CancelButton, -1, words::Cancel, 320, 194, 90, 25, true, false, 'N',
        E(FormEvent::Button2)),

    // The tab control comes last: it lies under the pages, and the Tab key
    // reaches its tabs after Cancel.
    Row("PageControl1", K::PageControl, -1, "", 4, 4, 406, 184, true, true),
    Row("TabSheet1", K::TabSheet, 0, words::SettingsTab, 6, 4, kTabWidth, kTabHeight, false, false,
        'S'),
    Row("TabSheet2", K::TabSheet, 1, words::FullCircleTab, 6 + kTabWidth, 4, kTabWidth, kTabHeight,
        false, false, '1'),
    Row("TabSheet3", K::TabSheet, 2, words::ArcTab, 6 + 2 * kTabWidth, 4, kTabWidth, kTabHeight,
        false, false, '2'),
    Row("TabSheet4", K::TabSheet, 3, words::PresetTab, 6 + 3 * kTabWidth, 4, kTabWidth, kTabHeight,
        false, false, 'L'),
};
}  // namespace layout

using layout::kForm1Layout;

// The declared row of a control by its name; null for none.
inline const ControlLayout* FindRow(const std::string& name) {
    for (const ControlLayout& c : kForm1Layout)
        if (name == c.Name) return &c;
    return nullptr;
}

// A control's rectangle in the window's client area.
struct ClientRect {
    int X, Y, W, H;
};
inline ClientRect PlaceOf(const ControlLayout& c) {
    const bool onPage = c.Page >= 0 && c.Kind != ControlKind::TabSheet;
    return {c.X + (onPage ? kPageLeft : 0), c.Y + (onPage ? kPageTop : 0), c.W, c.H};
}

// The form's state behind a control, by its row's member column; null when
// it has none of that kind.
template <class T>
T* FormState(TForm1& f, const ControlLayout& c) {
    const auto* member = std::get_if<T TForm1::*>(&c.Member);
    return member != nullptr ? &(f.**member) : nullptr;
}

inline TEdit* FormEdit(TForm1& f, const ControlLayout& c) {
    return FormState<TEdit>(f, c);
}

// A check box's or a radio button's state.
inline bool* FormCheck(TForm1& f, const ControlLayout& c) {
    if (TCheckBox* box = FormState<TCheckBox>(f, c)) return &box->Checked;
    if (TRadioButton* radio = FormState<TRadioButton>(f, c)) return &radio->Checked;
    return nullptr;
}

inline TListBox* FormList(TForm1& f, const ControlLayout& c) {
    return FormState<TListBox>(f, c);
}

inline TComboBox* FormCombo(TForm1& f, const ControlLayout& c) {
    return FormState<TComboBox>(f, c);
}

inline TLabel* FormLabel(TForm1& f, const ControlLayout& c) {
    return FormState<TLabel>(f, c);
}

inline TSpeedButton* FormFlatButton(TForm1& f, const ControlLayout& c) {
    return FormState<TSpeedButton>(f, c);
}

// The same by the control's name, for the tools and tests that name controls.
template <class Get>
auto ByName(TForm1& f, const char* name, Get get) -> decltype(get(f, kForm1Layout[0])) {
    const ControlLayout* c = FindRow(name);
    return c != nullptr ? get(f, *c) : nullptr;
}
inline TEdit* FormEdit(TForm1& f, const char* name) {
    return ByName(f, name, [](TForm1& g, const ControlLayout& c) { return FormEdit(g, c); });
}
inline bool* FormCheck(TForm1& f, const char* name) {
    return ByName(f, name, [](TForm1& g, const ControlLayout& c) { return FormCheck(g, c); });
}
inline TListBox* FormList(TForm1& f, const char* name) {
    return ByName(f, name, [](TForm1& g, const ControlLayout& c) { return FormList(g, c); });
}
inline TComboBox* FormCombo(TForm1& f, const char* name) {
    return ByName(f, name, [](TForm1& g, const ControlLayout& c) { return FormCombo(g, c); });
}

// The name of the control that shows a member of the form; null for none.
template <class T>
const char* NameOf(T TForm1::*member) {
    for (const ControlLayout& c : kForm1Layout) {
        const auto* m = std::get_if<T TForm1::*>(&c.Member);
        if (m != nullptr && *m == member) return c.Name;
    }
    return nullptr;
}

// The group that colours and enables a figure page's controls.
inline const TGroupBox* PageGroup(const TForm1& f, int page) {
    return page == 1 ? &f.GroupBoxA : page == 2 ? &f.GroupBoxB : nullptr;
}

}  // namespace Unit1
