// The dialog's window as data: every control with its kind, page, caption,
// place and keyboard role. Both windows are built from this one table, row by
// row, and the tests of the real windows find a control's place in it.
// Header-only, so a view that links no part of the core can use it.
// Captions are code page 932 bytes.
#pragma once

#include <cstring>
#include <string>
#include <utility>

#include "Unit1/Form.h"
#include "Unit1/Platform.h"

namespace Unit1 {

inline constexpr const char* kFormCaption = "Velmora";
inline constexpr const char* kApplicationTitle = "t742\x81\x7cVelmora";  // t742－Velmora
inline constexpr int kClientWidth = 414, kClientHeight = 223;
inline constexpr int kFontPixels = 13;
// The host's Gothic first; where it is missing (Wine on a fresh machine, or
// Linux), the first installed Japanese Gothic, which has every glyph.
inline constexpr const char* kFontFamilies[] = {
    "\x82\x6c\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4e",  // ＭＳ ゴシック
    "MS Gothic",
    "IPAGothic",
    "IPA\x83\x53\x83\x56\x83\x62\x83\x4e",  // IPAゴシック
    "Noto Sans CJK JP",
    "VL Gothic",
    "TakaoGothic"};
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

struct ControlLayout {
    const char* Name;
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
inline constexpr ControlLayout Row(const char* name, K kind, int page, const char* caption, int x,
                                   int y, int w, int h, bool tab = false, bool group = false,
                                   char accel = 0, int event = kNoEvent) {
    return {name, kind, page, caption, x, y, w, h, tab, group, accel, event};
}
inline constexpr ControlLayout Lbl(const char* name, int page, const char* caption, int x, int y,
                                   int w) {
    return Row(name, K::Label, page, caption, x, y, w, 16);
}
inline constexpr ControlLayout Ed(const char* name, int page, int x, int y, bool group = false) {
    return Row(name, K::Edit, page, "", x, y, 72, 20, true, group);
}

inline constexpr const char* kMm = "\x8e\xc0\x90\xa1mm";              // 実寸mm
inline constexpr const char* kDegree = "\x81\x8b";                    // °
inline constexpr const char* kRegister = "\x93\x6f\x98\x5e\x81\xa8";  // 登録→

inline constexpr const char* kRadius = "\x94\xbc\x8c\x61";                         // 半径
inline constexpr const char* kFlatness = "\x95\xce\x95\xbd\x97\xa6";               // 偏平率
inline constexpr const char* kPercent = "\x81\x93";                                // ％
inline constexpr const char* kXRadius = "\x82\x77\x94\xbc\x8c\x61";                // Ｘ半径
inline constexpr const char* kYRadius = "\x82\x78\x94\xbc\x8c\x61";                // Ｙ半径
inline constexpr const char* kTilt = "\x8c\x58\x82\xab\x8a\x70\x93\x78";           // 傾き角度
inline constexpr const char* kInner = "\x93\xe0\x91\xa4\x89\x7e\x94\xbc\x8c\x61";  // 内側円半径
inline constexpr const char* kByFlatness =
    "\x95\xce\x95\xbd\x97\xa6\x8e\x77\x92\xe8";  // 偏平率指定
inline constexpr const char* kByAxes = "\x8e\xb2\x94\xbc\x8c\x61\x8e\x77\x92\xe8";  // 軸半径指定
inline constexpr const char* kFromAxis =
    "\x8e\xb2\x8a\x70\x8a\xee\x8f\x80\x82\xc6\x82\xb7\x82\xe9";  // 軸角基準とする

inline constexpr ControlLayout kForm1Layout[] = {
    // The colour and width page.
    Row("Label1", K::Label, 0, "\x90\xfc\x90\x46", 8, 10, 34, 18),  // 線色
    Row("ComboBox1", K::ComboList, 0, "", 44, 6, 130, 22, true, true),
    Row("CheckBox1", K::CheckBox, 0, "\x94\x43\x88\xd3\x90\x46", 8, 36, 74, 20, true),  // 任意色
    // A flat button, as a speed button: clicked, never focused. 任意色■
    Row("SpeedButton1", K::FlatButton, 0, "\x94\x43\x88\xd3\x90\x46\x81\xa1", 84, 34, 90, 22, false,
        false, 0, E(FormEvent::SpeedButton1)),
    Row("Label3", K::Label, 0, "\x90\xfc\x95\x9d", 8, 66, 34, 18),  // 線幅
    Row("ComboBox3", K::ComboEdit, 0, "", 44, 62, 130, 22, true),
    Row("Button3", K::Button, 0, kRegister, 8, 92, 80, 24, true, false, 0, E(FormEvent::Button3)),
    Row("Button4", K::Button, 0, "\x8d\xed\x8f\x9c\x81\xa9", 94, 92, 80, 24, true, false, 0,
        E(FormEvent::Button4)),  // 削除←
    // ※右リストはTarvinel / の外部変形と共用しています
    Lbl("Label27", 0, "\x81\xa6\x89\x45\x83\x8a\x83\x58\x83\x67\x82\xcdTarvinel", 8, 122, 190),
    Lbl("Label32", 0,
        "\x82\xcc\x8a\x4f\x95\x94\x95\xcf\x8c\x60\x82\xc6\x8b\xa4\x97\x70\x82\xb5\x82\xc4\x82\xa2"
        "\x82\xdc\x82\xb7",
        8, 138, 190),
    Row("ListBox1", K::ListBox, 0, "", 200, 6, 196, 148, true, false, 0, E(FormEvent::ListBox1)),

    // The full-circle page.
    Row("GroupBoxA", K::GroupBox, 1, "", 2, 2, 398, 152),
    Row("RBA1", K::Radio, 1, kByFlatness, 10, 6, 150, 20, true, true),
    Row("GroupBox1", K::GroupBox, 1, "", 10, 24, 188, 56), Lbl("Label2", 1, kRadius, 16, 34, 50),
    Ed("EditA1", 1, 68, 32), Lbl("Label4", 1, kMm, 144, 34, 50),
    Lbl("Label5", 1, kFlatness, 16, 57, 50), Ed("EditA2", 1, 68, 55),
    Lbl("Label6", 1, kPercent, 144, 57, 20),
    Row("RBA2", K::Radio, 1, kByAxes, 206, 6, 150, 20, true),
    Row("GroupBox2", K::GroupBox, 1, "", 206, 24, 188, 56), Lbl("Label7", 1, kXRadius, 212, 34, 50),
    Ed("EditA3", 1, 264, 32), Lbl("Label8", 1, kMm, 340, 34, 50),
    Lbl("Label9", 1, kYRadius, 212, 57, 50), Ed("EditA4", 1, 264, 55),
    Lbl("Label10", 1, kMm, 340, 57, 50), Lbl("Label11", 1, kTilt, 16, 90, 70),
    Ed("EditA5", 1, 88, 88, true), Lbl("Label12", 1, kDegree, 164, 90, 14),
    Row("CBA1", K::CheckBox, 1, kFromAxis, 206, 88, 150, 20, true),
    Lbl("Label30", 1, kInner, 16, 116, 84), Ed("EditA6", 1, 102, 114),
    Lbl("Label31", 1, kMm, 178, 116, 50),
    Row("Button5", K::Button, 1, kRegister, 312, 120, 80, 24, true, false, 0,
        E(FormEvent::Button5)),

    // The arc page: two rows of angles under the tilt.
    Row("GroupBoxB", K::GroupBox, 2, "", 2, 2, 398, 152),
    Row("RBB1", K::Radio, 2, kByFlatness, 10, 6, 150, 20, true, true),
    Row("GroupBox3", K::GroupBox, 2, "", 10, 24, 188, 56), Lbl("Label13", 2, kRadius, 16, 34, 50),
    Ed("EditB1", 2, 68, 32), Lbl("Label14", 2, kMm, 144, 34, 50),
    Lbl("Label15", 2, kFlatness, 16, 57, 50), Ed("EditB2", 2, 68, 55),
    Lbl("Label16", 2, kPercent, 144, 57, 20),
    Row("RBB2", K::Radio, 2, kByAxes, 206, 6, 150, 20, true),
    Row("GroupBox4", K::GroupBox, 2, "", 206, 24, 188, 56),
    Lbl("Label17", 2, kXRadius, 212, 34, 50), Ed("EditB3", 2, 264, 32),
    Lbl("Label18", 2, kMm, 340, 34, 50), Lbl("Label19", 2, kYRadius, 212, 57, 50),
    Ed("EditB4", 2, 264, 55), Lbl("Label20", 2, kMm, 340, 57, 50),
    Lbl("Label21", 2, kTilt, 16, 86, 70), Ed("EditB5", 2, 88, 84, true),
    Lbl("Label22", 2, kDegree, 164, 86, 14),
    Row("CBB1", K::CheckBox, 2, kFromAxis, 206, 84, 150, 20, true),
    Lbl("Label23", 2, "\x8a\x4a\x8e\x6e\x8a\x70\x93\x78", 16, 108, 70),  // 開始角度
    Ed("EditB7", 2, 88, 106), Lbl("Label24", 2, kDegree, 164, 108, 14),
    Lbl("Label25", 2, "\x8f\x49\x97\xb9\x8a\x70\x93\x78", 206, 108, 70),  // 終了角度
    Ed("EditB8", 2, 278, 106), Lbl("Label26", 2, kDegree, 354, 108, 14),
    Lbl("Label28", 2, kInner, 16, 131, 84), Ed("EditB6", 2, 102, 129),
    Lbl("Label29", 2, kMm, 178, 131, 50),
    Row("Button6", K::Button, 2, kRegister, 312, 126, 80, 24, true, false, 0,
        E(FormEvent::Button6)),

    // The preset page.
    Row("ListBox2", K::ListBox, 3, "", 6, 6, 252, 148, true, true),
    // →全円設定へ(&A), →円弧設定へ(&B), →　削　除　(&D)
    Row("Button7", K::Button, 3, "\x81\xa8\x91\x53\x89\x7e\x90\xdd\x92\xe8\x82\xd6(&A)", 266, 10,
        130, 26, true, false, 'A', E(FormEvent::Button7)),
    Row("Button8", K::Button, 3, "\x81\xa8\x89\x7e\x8c\xca\x90\xdd\x92\xe8\x82\xd6(&B)", 266, 44,
        130, 26, true, false, 'B', E(FormEvent::Button8)),
    Row("Button9", K::Button, 3, "\x81\xa8\x81\x40\x8d\xed\x81\x40\x8f\x9c\x81\x40(&D)", 266, 78,
        130, 26, true, false, 'D', E(FormEvent::Button9)),

    // Below the pages.
    Row("LabelA1", K::Label, -1, "", 8, 198, 230, 18, false, true),
    Row("Button1", K::DefaultButton, -1, "OK(&Y)", 236, 194, 80, 25, true, false, 'Y',
        E(FormEvent::Button1)),
    // キャンセル(&N)
    Row("Button2", K::CancelButton, -1, "\x83\x4c\x83\x83\x83\x93\x83\x5a\x83\x8b(&N)", 320, 194,
        90, 25, true, false, 'N', E(FormEvent::Button2)),

    // The tab control comes last: it lies under the pages, and the Tab key
    // reaches its tabs after Cancel.
    Row("PageControl1", K::PageControl, -1, "", 4, 4, 406, 184, true, true),
    Row("TabSheet1", K::TabSheet, 0, "\x90\xdd\x92\xe8(&S)", 6, 4, kTabWidth, kTabHeight, false,
        false, 'S'),  // 設定
    Row("TabSheet2", K::TabSheet, 1, "\x91\x53\x89\x7e(&1)", 6 + kTabWidth, 4, kTabWidth,
        kTabHeight, false, false, '1'),  // 全円
    Row("TabSheet3", K::TabSheet, 2, "\x89\x7e\x8c\xca(&2)", 6 + 2 * kTabWidth, 4, kTabWidth,
        kTabHeight, false, false, '2'),  // 円弧
    Row("TabSheet4", K::TabSheet, 3, "\x90\xdd\x92\xe8\x83\x8a\x83\x58\x83\x67(&L)",
        6 + 3 * kTabWidth, 4, kTabWidth, kTabHeight, false, false, 'L'),  // 設定リスト
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

// The form's state behind a control, by its name; null when it has none of
// that kind.
inline TEdit* FormEdit(TForm1& f, const char* name) {
    TEdit* edits[] = {&f.EditA1, &f.EditA2, &f.EditA3, &f.EditA4, &f.EditA5, &f.EditA6, &f.EditB1,
                      &f.EditB2, &f.EditB3, &f.EditB4, &f.EditB5, &f.EditB6, &f.EditB7, &f.EditB8};
    if (std::strncmp(name, "Edit", 4) != 0 || std::strlen(name) != 6) return nullptr;
    const int page = name[4] == 'A' ? 0 : name[4] == 'B' ? 6 : -1;
    const int n = name[5] - '1';
    if (page < 0 || n < 0 || n >= (page == 0 ? 6 : 8)) return nullptr;
    return edits[page + n];
}

inline bool* FormCheck(TForm1& f, const char* name) {
    const std::pair<const char*, bool*> checks[] = {{"CheckBox1", &f.CheckBox1.Checked},
                                                    {"RBA1", &f.RBA1.Checked},
                                                    {"RBA2", &f.RBA2.Checked},
                                                    {"RBB1", &f.RBB1.Checked},
                                                    {"RBB2", &f.RBB2.Checked},
                                                    {"CBA1", &f.CBA1.Checked},
                                                    {"CBB1", &f.CBB1.Checked}};
    for (auto [n, b] : checks)
        if (std::strcmp(n, name) == 0) return b;
    return nullptr;
}

inline TListBox* FormList(TForm1& f, const char* name) {
    if (std::strcmp(name, "ListBox1") == 0) return &f.ListBox1;
    if (std::strcmp(name, "ListBox2") == 0) return &f.ListBox2;
    return nullptr;
}

inline TComboBox* FormCombo(TForm1& f, const char* name) {
    if (std::strcmp(name, "ComboBox1") == 0) return &f.ComboBox1;
    if (std::strcmp(name, "ComboBox3") == 0) return &f.ComboBox3;
    return nullptr;
}

inline TLabel* FormLabel(TForm1& f, const char* name) {
    return std::strcmp(name, "LabelA1") == 0 ? &f.LabelA1 : nullptr;
}

inline TSpeedButton* FormFlatButton(TForm1& f, const char* name) {
    return std::strcmp(name, "SpeedButton1") == 0 ? &f.SpeedButton1 : nullptr;
}

// The group that colours and enables a figure page's controls.
inline const TGroupBox* PageGroup(const TForm1& f, int page) {
    return page == 1 ? &f.GroupBoxA : page == 2 ? &f.GroupBoxB : nullptr;
}

}  // namespace Unit1
