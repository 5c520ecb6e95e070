// What every window of the dialog does alike, decided here once: which control
// has the focus first, which font family is used, the colours of enabled and
// greyed controls, which controls a page shows, which take no input method,
// and what a key does on a control. A window only applies them with its
// toolkit's means.
// Header-only: the Qt window, a module that links no part of the core, uses it.
#pragma once

#include <iterator>

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
// The first row of a kind; null for none.
inline const ControlLayout* FirstOfKind(ControlKind kind) {
    for (const ControlLayout& c : kForm1Layout)
        if (c.Kind == kind) return &c;
    return nullptr;
}

inline const ControlLayout& FirstFocus(const TForm1& f) {
    const ControlLayout* named = FindRow(f.FocusedControl);
    if (named != nullptr && named->TabStop) return *named;
    const ControlLayout* tabs = FirstOfKind(ControlKind::PageControl);
    return tabs != nullptr ? *tabs : kForm1Layout[0];
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
    const ControlLayout* c = FirstOfKind(kind);
    return c != nullptr ? static_cast<FormEvent>(c->Event) : FormEvent::CloseBox;
}

// The keys. A window turns its toolkit's key into a KeyPress, asks AnswerKey
// about the control that has the focus, and does what the answer says; it
// decides nothing about a key itself.

// The next (or previous) control of `from`'s group, round, that `take`
// accepts; null when there is none but `from`. A group runs from a row that
// starts one to the next such row.
template <class Take>
const ControlLayout* NextInGroup(const ControlLayout& from, bool forward, Take take) {
    const ControlLayout* begin = std::begin(kForm1Layout);
    const ControlLayout* end = std::end(kForm1Layout);
    const ControlLayout* first = &from;
    while (first != begin && !first->GroupStart) --first;
    const ControlLayout* last = &from + 1;
    while (last != end && !last->GroupStart) ++last;
    const ControlLayout* c = &from;
    do {
        if (forward)
            c = c + 1 == last ? first : c + 1;
        else
            c = c == first ? last - 1 : c - 1;
    } while (c != &from && !take(*c));
    return c == &from ? nullptr : c;
}

// The next (or previous) radio button of `radio`'s group, round; null when it
// has no partner. Checking one unchecks the others of its group.
inline const ControlLayout* NextRadio(const ControlLayout& radio, bool forward) {
    return NextInGroup(radio, forward,
                       [](const ControlLayout& c) { return c.Kind == ControlKind::Radio; });
}

// Whether a control uses the arrow keys itself: a caret, a row, a choice or a
// page. On the others they move the focus within the control's group.
inline constexpr bool TakesArrows(ControlKind kind) {
    return kind == ControlKind::Edit || kind == ControlKind::ComboList ||
           kind == ControlKind::ComboEdit || kind == ControlKind::ListBox ||
           kind == ControlKind::PageControl;
}

inline constexpr bool IsPushButton(ControlKind kind) {
    return kind == ControlKind::Button || kind == ControlKind::DefaultButton ||
           kind == ControlKind::CancelButton;
}

// A text field: the keyboard that brings the focus to it selects its text.
inline constexpr bool TakesText(ControlKind kind) {
    return kind == ControlKind::Edit || kind == ControlKind::ComboEdit;
}

// Where Tab (forward) or Shift+Tab takes the focus from `from` (null: from no
// control, to the first or the last): the next row in the declared order,
// round, that holds a Tab stop and is `usable`; null when none is.
template <class Usable>
const ControlLayout* NextTabStop(const ControlLayout* from, bool forward, Usable usable) {
    const int n = static_cast<int>(std::size(kForm1Layout));
    const int start = from != nullptr ? static_cast<int>(from - kForm1Layout) : forward ? -1 : n;
    for (int step = 1; step <= n; ++step) {
        const int i = ((start + (forward ? step : -step)) % n + n) % n;
        if (kForm1Layout[i].TabStop && usable(kForm1Layout[i])) return &kForm1Layout[i];
    }
    return nullptr;
}

// Where an arrow key takes the focus from a control that does not use it: from
// a radio button to its group's next radio button, from another control to
// the next one of its group that holds a Tab stop; either `usable`. Null
// keeps the focus.
template <class Usable>
const ControlLayout* ArrowTarget(const ControlLayout& from, bool forward, Usable usable) {
    const bool radio = from.Kind == ControlKind::Radio;
    return NextInGroup(from, forward, [&](const ControlLayout& c) {
        return (radio ? c.Kind == ControlKind::Radio : c.TabStop) && usable(c);
    });
}

// A key as every window gives it to the core, whatever its toolkit.
enum class Key { Other, Tab, Enter, Escape, Left, Up, Right, Down, Character };
struct KeyPress {
    Key Code = Key::Other;
    char Character = 0;  // with Key::Character: a letter (either case) or a digit
    bool Shift = false, Control = false, Alt = false;
};

// What a key does. Not taken: it is the control's own (a caret, a row, a
// choice, a page turned, Space, typing) or the system's, and the window lets
// its toolkit have it. Taken: the window keeps it from the control and does
// what is set, in this order: shows Page, moves the focus to Focus (selecting
// its text, checking it), presses Press (fires its event). Taken with nothing
// set, the key does nothing.
struct KeyAnswer {
    bool Taken = false;
    int Page = -1;
    const ControlLayout* Focus = nullptr;
    bool SelectText = false;
    bool Check = false;
    const ControlLayout* Press = nullptr;
};

namespace keys {
inline KeyAnswer FocusOn(const ControlLayout* c, bool check = false) {
    KeyAnswer a;
    a.Taken = true;
    a.Focus = c;
    a.SelectText = c != nullptr && TakesText(c->Kind);
    a.Check = check && c != nullptr && c->Kind == ControlKind::Radio;
    return a;
}

template <class Usable>
KeyAnswer PressIfUsable(const ControlLayout* c, Usable usable) {
    KeyAnswer a;
    a.Taken = true;
    if (c != nullptr && usable(*c)) a.Press = c;
    return a;
}

// Alt and a letter is never typed: it shows the page of the tab whose letter
// it is, with the focus on the tabs, or goes to the control whose letter it
// is, pressing a push button and checking a radio button; else nothing.
template <class Usable>
KeyAnswer Accelerator(char letter, Usable usable) {
    if (letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - 'a' + 'A');
    const ControlLayout* tabs = FirstOfKind(ControlKind::PageControl);
    for (const ControlLayout& c : kForm1Layout) {
        if (c.Accelerator == 0 || c.Accelerator != letter) continue;
        if (c.Kind == ControlKind::TabSheet) {
            if (tabs == nullptr || !usable(*tabs)) continue;
            KeyAnswer a = FocusOn(tabs);
            a.Page = c.Page;
            return a;
        }
        if (!usable(c)) continue;
        KeyAnswer a = FocusOn(&c, true);
        if (IsPushButton(c.Kind) && c.Event != kNoEvent) a.Press = &c;
        return a;
    }
    KeyAnswer none;
    none.Taken = true;
    return none;
}
}  // namespace keys

// What `key` does with the focus on `focus` (null: on no control of the
// layout). `usable` says whether a control is shown and enabled in the window
// now: only such a control takes the focus or is pressed.
//   Tab, Shift+Tab: the next or previous Tab stop in the declared order.
//   An arrow on a control that does not use it (TakesArrows): within the
//   group (ArrowTarget), checking a radio button it reaches; with Alt, nothing.
//   Enter (Shift or Ctrl held too): presses the focused push button, else the
//   default button (a hidden button cannot be pressed).
//   Esc: presses the cancel button.
//   Alt and a letter or digit: Accelerator.
// A text field the focus is moved to by a key has its text selected.
template <class Usable>
KeyAnswer AnswerKey(const KeyPress& key, const ControlLayout* focus, Usable usable) {
    const bool forward = key.Code == Key::Right || key.Code == Key::Down;
    switch (key.Code) {
        case Key::Tab:
            if (key.Control || key.Alt) break;
            return keys::FocusOn(NextTabStop(focus, !key.Shift, usable));
        case Key::Enter:
            if (key.Alt) break;
            if (focus != nullptr && IsPushButton(focus->Kind) && usable(*focus))
                return keys::PressIfUsable(focus, usable);
            return keys::PressIfUsable(FirstOfKind(ControlKind::DefaultButton), usable);
        case Key::Escape:
            if (key.Alt) break;
            return keys::PressIfUsable(FirstOfKind(ControlKind::CancelButton), usable);
        case Key::Left:
        case Key::Up:
        case Key::Right:
        case Key::Down:
            if (focus == nullptr || TakesArrows(focus->Kind)) break;
            if (key.Alt) return keys::FocusOn(nullptr);
            return keys::FocusOn(ArrowTarget(*focus, forward, usable), true);
        case Key::Character:
            if (!key.Alt || key.Control) break;
            return keys::Accelerator(key.Character, usable);
        case Key::Other:
            break;
    }
    return {};
}

}  // namespace Unit1
