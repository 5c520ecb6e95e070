// What both windows do alike: the dialog's rules, and the mirror that puts the
// form's state into a window and back, here against a window of plain values
// whose text, like a real one, cannot hold every byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>
#include <random>

#include "TestSupport.h"
#include "Unit1/DialogMirror.h"
#include "Unit1/DialogRules.h"
#include "Unit1/HeadlessPlatform.h"

using namespace Unit1;

namespace {

class PlainWindow : public ControlValues<std::u32string> {
  public:
    // Bytes above ASCII cannot be shown: they come back as '?'.
    std::u32string Shown(const std::string& bytes) const override {
        std::u32string t;
        for (unsigned char b : bytes) t += b < 0x80 ? char32_t{b} : U'\uFFFD';
        return t;
    }
    std::string Bytes(const std::u32string& text) const override {
        std::string b;
        for (char32_t c : text) b += c < 0x80 ? static_cast<char>(c) : '?';
        return b;
    }
    std::u32string GetText(const ControlLayout& c) const override { return Texts.at(&c); }
    void SetText(const ControlLayout& c, const std::u32string& t) override {
        Texts[&c] = t;
        Unannounced += !InPush;
    }
    bool GetCheck(const ControlLayout& c) const override { return Checks.at(&c); }
    void SetCheck(const ControlLayout& c, bool on) override { Checks[&c] = on; }
    void SetItems(const ControlLayout& c, const std::vector<std::string>& items) override {
        Counts[&c] = static_cast<int>(items.size());
        Rows[&c] = -1;
    }
    int GetRow(const ControlLayout& c) const override { return Rows.at(&c); }
    void SetRow(const ControlLayout& c, int row) override {
        Rows[&c] = row < Counts[&c] ? row : -1;
        Unannounced += !InPush;
    }
    // A real window must tell the values given from the user's changes.
    void Pushing() override { InPush = true; }
    void Pushed() override { InPush = false; }
    void SetFontColour(const ControlLayout&, int) override {}
    void SetLook(const ControlLayout&, ControlLook) override {}
    int GetPage() const override { return Page; }
    void SetPage(int page) override { Page = page; }

    std::map<const ControlLayout*, std::u32string> Texts;
    std::map<const ControlLayout*, bool> Checks;
    std::map<const ControlLayout*, int> Rows, Counts;
    int Page = -1;
    bool InPush = false;
    int Unannounced = 0;  // values given outside Pushing and Pushed
};

// Everything of the form the mirror reads back, as text.
std::string Mirrored(TForm1& f) {
    std::string s = std::to_string(f.ActivePage);
    for (const ControlLayout& c : kForm1Layout) {
        if (TEdit* e = FormEdit(f, c.Name)) s += "|" + e->Text;
        if (bool* b = FormCheck(f, c.Name)) s += *b ? "|1" : "|0";
        if (TListBox* l = FormList(f, c.Name)) s += "|" + std::to_string(l->ItemIndex);
        if (TComboBox* b = FormCombo(f, c.Name))
            s += "|" + std::to_string(b->ItemIndex) + "|" + b->Text;
    }
    return s;
}

}  // namespace

// Random forms go into the window; the user changes some controls; what comes
// back is what the user changed, and every text left alone keeps its bytes,
// even those the window showed otherwise.
TEST(DialogMirror, RandomSessionsGiveBackWhatTheUserChangedAndNothingElse) {
    std::mt19937 rng(742);
    const auto pick = [&rng](int lo, int hi) {
        return std::uniform_int_distribution<int>(lo, hi)(rng);
    };
    const auto bytes = [&] {
        std::string s;
        for (int n = pick(0, 8); n > 0; --n) s += "1.-a\x82\xff"[pick(0, 5)];
        return s;
    };
    for (int session = 0; session < 300; ++session) {
        TForm1 form, expected;
        for (const ControlLayout& c : kForm1Layout) {
            const std::string text = bytes();
            const bool on = pick(0, 1) == 1;
            std::vector<std::string> items(static_cast<size_t>(pick(0, 4)));
            const int row = pick(-1, static_cast<int>(items.size()) - 1);
            for (TForm1* f : {&form, &expected}) {
                if (TEdit* e = FormEdit(*f, c.Name)) e->Text = text;
                if (bool* b = FormCheck(*f, c.Name)) *b = on;
                if (TListBox* l = FormList(*f, c.Name)) *l = {items, row};
                if (TComboBox* b = FormCombo(*f, c.Name)) *b = {items, row, text};
            }
        }
        form.ActivePage = expected.ActivePage = pick(0, 3);
        PlainWindow window;
        DialogMirror<std::u32string> mirror;
        mirror.Push(form, window);
        ASSERT_EQ(window.Page, form.ActivePage);
        for (const ControlLayout& c : kForm1Layout) {
            if (pick(0, 3) != 0) continue;
            if (window.Texts.count(&c) &&
                (FormEdit(expected, c.Name) || FormCombo(expected, c.Name))) {
                // Typed anew, or typed as it was shown: only a change counts.
                std::string& into = FormEdit(expected, c.Name) ? FormEdit(expected, c.Name)->Text
                                                               : FormCombo(expected, c.Name)->Text;
                if (pick(0, 1) == 0) into = std::to_string(pick(0, 999));
                window.Texts[&c] = window.Shown(into);
            } else if (window.Checks.count(&c)) {
                window.Checks[&c] = !window.Checks[&c];
                *FormCheck(expected, c.Name) = window.Checks[&c];
            } else if (window.Rows.count(&c) && window.Counts[&c] > 0) {
                window.Rows[&c] = pick(0, window.Counts[&c] - 1);
                if (TListBox* l = FormList(expected, c.Name)) l->ItemIndex = window.Rows[&c];
                if (TComboBox* b = FormCombo(expected, c.Name)) b->ItemIndex = window.Rows[&c];
            }
        }
        window.Page = expected.ActivePage = pick(0, 3);
        // A handler that closes the form gets the window's state and gives nothing back.
        mirror.Fire(
            form, window, [](TForm1& f, FormEvent) { f.Closed = true; }, FormEvent::Button1);
        ASSERT_EQ(Mirrored(form), Mirrored(expected)) << "session " << session;
        // One that does not close gives its changes back.
        form.Closed = false;
        mirror.Fire(
            form, window, [](TForm1& f, FormEvent) { f.EditA1.Text = "\xff"; }, FormEvent::Button3);
        ASSERT_EQ(window.Texts.at(FindRow("EditA1")), U"\uFFFD") << "session " << session;
        ASSERT_EQ(window.Unannounced, 0);
    }
}

// For every kind of start: the page, the control focused first (one that can
// hold the focus, on the page shown), and which controls are greyed.
TEST(DialogRules, FocusAndLooksForEveryKindOfStart) {
    struct Case {
        std::vector<std::string> args;
        const char* focus;
        int page, greyedPage;  // 0: none greyed
    };
    const Case cases[] = {{{}, "ComboBox1", 0, 0},
                          {{"1", "6"}, "PageControl1", 1, 2},
                          {{"8", "6"}, "PageControl1", 2, 1},
                          {{"1", "7"}, "PageControl1", 0, 0}};
    for (const Case& k : cases) {
        t742test::TempDir dir;
        HeadlessPlatform platform;
        TForm1 form;
        form.Platform = &platform;
        platform.UserActions = [&](TForm1& f) {
            const ControlLayout& focus = FirstFocus(f);
            EXPECT_STREQ(focus.Name, k.focus);
            EXPECT_TRUE(focus.TabStop && ShownOnPage(focus, f.ActivePage));
            EXPECT_EQ(f.ActivePage, k.page);
            for (const ControlLayout& c : kForm1Layout) {
                const ControlLook look = LookOf(f, c);
                const bool greyed =
                    k.greyedPage > 0 && c.Page == k.greyedPage && c.Kind != ControlKind::TabSheet;
                EXPECT_EQ(look.Enabled, !greyed) << c.Name;
                EXPECT_EQ(look.Ground, greyed ? kGreyedGround : kWindowGround) << c.Name;
            }
            f.Button2Click();
        };
        form.FormShow(dir.File("t742"), k.args);
        EXPECT_EQ(platform.ShowCount, 1);
    }
    EXPECT_EQ(EventOfKind(ControlKind::DefaultButton), FormEvent::Button1);  // Enter is OK
    EXPECT_EQ(EventOfKind(ControlKind::CancelButton), FormEvent::Button2);   // Esc cancels
}

TEST(DialogRules, TheFirstInstalledFamilyOfTheListElseTheHostsOwn) {
    const std::vector<std::pair<std::vector<std::string>, const char*>> cases = {
        {{}, kFontFamilies[0]},
        {{"IPAGothic", "Arial"}, "IPAGothic"},
        {{"VL Gothic", "MS Gothic", "IPAGothic"}, "MS Gothic"},
        {{kFontFamilies[0], "MS Gothic"}, kFontFamilies[0]}};
    for (const auto& [installed, want] : cases) {
        const char* got = DialogFontFamily([&](const char* family) {
            return std::find(installed.begin(), installed.end(), family) != installed.end();
        });
        EXPECT_STREQ(got, want);
    }
}

namespace {

// The window's state as the key rule sees it: the page shown and the figure
// page greyed (0: none). Tabs have no control of their own.
struct Usable {
    int page, greyed;
    bool operator()(const ControlLayout& c) const {
        return c.Kind != ControlKind::TabSheet && ShownOnPage(c, page) &&
               (greyed == 0 || c.Page != greyed);
    }
};

// "shift+Tab", "alt+s", "Return", "a", "space" (a key the rule has no name for).
KeyPress ParseKey(std::string name) {
    KeyPress k;
    for (auto [prefix, held] :
         {std::pair{"shift+", &k.Shift}, {"ctrl+", &k.Control}, {"alt+", &k.Alt}})
        if (name.rfind(prefix, 0) == 0) *held = true, name.erase(0, std::strlen(prefix));
    static const std::map<std::string, Key> named = {
        {"Tab", Key::Tab}, {"Return", Key::Enter}, {"Escape", Key::Escape}, {"Left", Key::Left},
        {"Up", Key::Up},   {"Right", Key::Right},  {"Down", Key::Down}};
    if (const auto found = named.find(name); found != named.end())
        k.Code = found->second;
    else if (name.size() == 1)
        k.Code = Key::Character, k.Character = name[0];
    return k;
}

std::string Describe(const KeyAnswer& a) {
    if (!a.Taken) return "own";
    std::string s;
    if (a.Page >= 0) s += " page " + std::to_string(a.Page);
    if (a.Focus != nullptr) s += std::string(" focus ") + a.Focus->Name;
    if (a.SelectText) s += " select";
    if (a.Check) s += " check";
    if (a.Press != nullptr) s += std::string(" press ") + a.Press->Name;
    return s.empty() ? "nothing" : s.substr(1);
}

KeyAnswer Answer(const char* focus, Usable usable, const std::string& key) {
    return AnswerKey(ParseKey(key), focus != nullptr ? FindRow(focus) : nullptr, usable);
}

// The row that starts a control's group.
const ControlLayout* GroupOf(const ControlLayout& c) {
    const ControlLayout* p = &c;
    while (p != kForm1Layout && !p->GroupStart) --p;
    return p;
}

}  // namespace

// What a key does on a control, as a user meets it on each page.
TEST(DialogRules, WhatAKeyDoesOnAControl) {
    struct Case {
        const char* focus;
        Usable usable;
        const char* key;
        const char* does;
    };
    const Case cases[] = {
        // Arrows: within the group, round, over what is hidden or has no Tab stop.
        {"RBA1", {1, 2}, "Down", "focus RBA2 check"},
        {"RBA2", {1, 2}, "Right", "focus RBA1 check"},
        {"RBA1", {1, 1}, "Down", "nothing"},  // its partner is greyed too
        {"RBA1", {1, 2}, "alt+Down", "nothing"},
        {"Button3", {0, 0}, "Right", "focus Button4"},
        {"Button4", {0, 0}, "Down", "focus ListBox1"},
        {"CheckBox1", {0, 0}, "Down", "focus ComboBox3 select"},
        {"CheckBox1", {0, 0}, "shift+Up", "focus ComboBox1"},
        {"CBA1", {1, 2}, "Down", "focus EditA6 select"},
        {"Button5", {1, 2}, "Down", "focus EditA5 select"},
        {"Button1", {2, 1}, "Left", "focus Button2"},
        {"Button9", {3, 0}, "Down", "focus ListBox2"},
        {"ComboBox1", {0, 0}, "Down", "own"},
        {"EditA1", {1, 2}, "Left", "own"},
        {"PageControl1", {0, 0}, "Right", "own"},
        {nullptr, {0, 0}, "Down", "own"},
        // Tab: the declared order, round, over what is hidden or greyed.
        {"Button2", {0, 0}, "Tab", "focus PageControl1"},
        {"PageControl1", {0, 0}, "shift+Tab", "focus Button2"},
        {"PageControl1", {1, 2}, "Tab", "focus RBA1"},
        {"PageControl1", {1, 1}, "Tab", "focus Button1"},
        {"RBA1", {1, 2}, "Tab", "focus EditA1 select"},
        {"CheckBox1", {0, 0}, "Tab", "focus ComboBox3 select"},
        {"Button1", {3, 0}, "shift+Tab", "focus Button9"},
        {nullptr, {0, 0}, "Tab", "focus ComboBox1"},
        {nullptr, {0, 0}, "shift+Tab", "focus PageControl1"},
        {"ListBox1", {0, 0}, "ctrl+Tab", "own"},
        // Enter presses the focused push button, else OK; Esc is Cancel.
        {"Button3", {0, 0}, "Return", "press Button3"},
        {"Button2", {0, 0}, "Return", "press Button2"},
        {"EditA1", {1, 2}, "shift+Return", "press Button1"},
        {"ListBox2", {3, 0}, "Return", "press Button1"},
        {"Button7", {0, 0}, "Return", "press Button1"},  // a hidden button is not pressed
        {"EditA1", {1, 2}, "alt+Return", "own"},
        {"ComboBox3", {0, 0}, "Escape", "press Button2"},
        // Alt and a letter: a page, or a shown button; never typed.
        {"EditA3", {1, 2}, "alt+2", "page 2 focus PageControl1"},
        {"ListBox2", {3, 0}, "alt+S", "page 0 focus PageControl1"},
        {"ListBox2", {3, 0}, "alt+a", "focus Button7 press Button7"},
        {"ListBox1", {0, 0}, "alt+a", "nothing"},
        {"Button3", {0, 0}, "alt+y", "focus Button1 press Button1"},
        {"ComboBox1", {0, 0}, "alt+q", "nothing"},
        {"ComboBox1", {0, 0}, "ctrl+alt+s", "own"},
        {"EditA1", {1, 2}, "s", "own"},
        {"Button3", {0, 0}, "space", "own"},
    };
    for (const Case& k : cases)
        EXPECT_EQ(Describe(Answer(k.focus, k.usable, k.key)), k.does)
            << (k.focus ? k.focus : "no focus") << " page " << k.usable.page << " greyed "
            << k.usable.greyed << " " << k.key;
}

// Every key on every control of every page, greyed or not: each answer agrees
// with the layout, and the moves are ones a user can take back.
TEST(DialogRules, EveryKeyOnEveryControlAgreesWithTheLayout) {
    std::vector<std::string> names = {
        "Tab", "shift+Tab", "ctrl+Tab", "Return",   "shift+Return", "alt+Return", "Escape", "Left",
        "Up",  "Right",     "Down",     "alt+Down", "space",        "a",          "alt+q"};
    std::map<char, const ControlLayout*> letters;
    for (const ControlLayout& c : kForm1Layout) {
        if (c.Accelerator == 0) continue;
        EXPECT_TRUE(letters.emplace(c.Accelerator, &c).second) << "two rows take " << c.Accelerator;
        names.push_back(std::string("alt+") + static_cast<char>(std::tolower(c.Accelerator)));
    }
    const std::map<Key, Key> opposite = {{Key::Left, Key::Right},
                                         {Key::Right, Key::Left},
                                         {Key::Up, Key::Down},
                                         {Key::Down, Key::Up}};
    std::vector<std::string> faults;
    for (int page = 0; page < 4; ++page)
        for (int greyed = 0; greyed < 3; ++greyed) {
            const Usable usable{page, greyed};
            std::vector<const ControlLayout*> stops, focuses = {nullptr};
            for (const ControlLayout& c : kForm1Layout) {
                focuses.push_back(&c);
                if (c.TabStop && usable(c)) stops.push_back(&c);
            }
            for (const ControlLayout* focus : focuses)
                for (const std::string& name : names) {
                    const KeyPress key = ParseKey(name);
                    const KeyAnswer a = AnswerKey(key, focus, usable);
                    const auto fault = [&](const char* what) {
                        faults.push_back(std::string(focus ? focus->Name : "no focus") + " page " +
                                         std::to_string(page) + " greyed " +
                                         std::to_string(greyed) + " " + name + " -> " +
                                         Describe(a) + ": " + what);
                    };
                    const bool arrow = opposite.count(key.Code) > 0;
                    if (!a.Taken && Describe(a) != "own") fault("acts on a key it leaves");
                    if (a.Focus && !usable(*a.Focus)) fault("a hidden or greyed control focused");
                    if (a.Press && !(usable(*a.Press) && IsPushButton(a.Press->Kind)))
                        fault("presses what is no shown push button");
                    if (a.SelectText != (a.Focus && TakesText(a.Focus->Kind)))
                        fault("a text field's text not selected, or another's");
                    if (a.Check && (a.Focus->Kind != ControlKind::Radio || key.Code == Key::Tab))
                        fault("checks what is no radio button, or by Tab");
                    if (a.Page >= 0 &&
                        (a.Focus->Kind != ControlKind::PageControl ||
                         letters.at(static_cast<char>(std::toupper(key.Character)))->Page !=
                             a.Page))
                        fault("a page not the letter's tab's, or the focus not on the tabs");
                    // OK and Cancel are below the pages: the keyboard can always leave.
                    if ((key.Code == Key::Enter || key.Code == Key::Escape) && !key.Alt &&
                        a.Press == nullptr)
                        fault("Enter or Esc presses nothing");
                    KeyPress upper = key;
                    upper.Character = static_cast<char>(std::toupper(key.Character));
                    if (Describe(AnswerKey(upper, focus, usable)) != Describe(a))
                        fault("a letter's case matters");
                    // Tab goes round the usable Tab stops in order; Shift+Tab back.
                    const auto at = std::find(stops.begin(), stops.end(), focus);
                    if (key.Code == Key::Tab && !key.Control && at != stops.end()) {
                        const size_t i = static_cast<size_t>(at - stops.begin()), n = stops.size();
                        if (a.Focus != stops[(key.Shift ? i + n - 1 : i + 1) % n])
                            fault("not the next Tab stop");
                    }
                    // An arrow stays in the group, and the opposite arrow comes back
                    // unless it is the control's own.
                    if (arrow && a.Focus != nullptr) {
                        if (GroupOf(*a.Focus) != GroupOf(*focus)) fault("leaves the group");
                        KeyPress back = key;
                        back.Code = opposite.at(key.Code);
                        if (usable(*focus) && !TakesArrows(a.Focus->Kind) &&
                            (focus->TabStop || focus->Kind == ControlKind::Radio) &&
                            AnswerKey(back, a.Focus, usable).Focus != focus)
                            fault("the opposite arrow does not come back");
                    }
                }
        }
    EXPECT_TRUE(faults.empty()) << faults.size() << " faults, the first: " << faults.front();
}
