// What every window of the dialog does alike, decided here once: which control
// has the focus first, which font family is used, the colours of enabled and
// greyed controls, which controls a page shows, which take no input method,
// and which events Enter and Esc fire. A window only applies them with its
// toolkit's means.
// Header-only: the Qt window, a module that links no part of the core, uses it.
#pragma once

#include "Unit1/Form.h"
#include "Unit1/Layout.h"

namespace Unit1 {

// Colours, 0xBBGGRR. The window and an enabled figure group are white; the
// figure group of the page the mode does not use is grey, and the captions
// disabled on it are a dark grey that stays readable there.
inline constexpr int kWindowGround = 0xFFFFFF;
inline constexpr int kGreyedGround = 0xC0C0C0;
inline constexpr int kDisabledText = 0x707070;

inline constexpr int GroupGround(bool enabled) {
    return enabled ? kWindowGround : kGreyedGround;
}

struct ControlLook {
    bool Enabled;
    int Ground;  // the colour behind the control
};

// A control on a figure page takes its group's state and colour; the tabs and
// every other control are enabled on the window's white.
inline ControlLook LookOf(const TForm1& f, const ControlLayout& c) {
    const TGroupBox* group = c.Kind == ControlKind::TabSheet ? nullptr : PageGroup(f, c.Page);
    return group != nullptr ? ControlLook{group->Enabled, group->Color}
                            : ControlLook{true, kWindowGround};
}

// The control that has the keyboard focus when the window comes up: the one
// the form names if it can hold the focus, else the tabs.
inline const ControlLayout& FirstFocus(const TForm1& f) {
    const ControlLayout* named = FindRow(f.FocusedControl);
    if (named != nullptr && named->TabStop) return *named;
    for (const ControlLayout& c : kForm1Layout)
        if (c.Kind == ControlKind::PageControl) return c;
    return kForm1Layout[0];
}

// The first family of kFontFamilies that `installed` (taking a code page 932
// name) says the system has; the host's own where none is, so that the
// system's substitution picks the same for every window.
template <class Installed>
const char* DialogFontFamily(Installed installed) {
    for (const char* family : kFontFamilies)
        if (installed(family)) return family;
    return kFontFamilies[0];
}

// Text fields and the combo boxes take digits and choices: no input method.
inline constexpr bool TakesNoInputMethod(ControlKind kind) {
    return kind == ControlKind::Edit || kind == ControlKind::ComboList ||
           kind == ControlKind::ComboEdit;
}

// Whether a control is to be seen while `page` is shown: the pages' own
// controls on their page only; the tabs and what lies below the pages always.
inline constexpr bool ShownOnPage(const ControlLayout& c, int page) {
    return c.Page < 0 || c.Kind == ControlKind::TabSheet || c.Page == page;
}

// The event of the first row of a kind: Enter fires the default button's,
// Esc the cancel button's.
inline FormEvent EventOfKind(ControlKind kind) {
    for (const ControlLayout& c : kForm1Layout)
        if (c.Kind == kind) return static_cast<FormEvent>(c.Event);
    return FormEvent::CloseBox;
}

}  // namespace Unit1
