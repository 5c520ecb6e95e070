// What both windows do alike: the dialog's rules, and the mirror that puts the
// form's state into a window and back, here against a window of plain values
// whose text, like a real one, cannot hold every byte.
#include <gtest/gtest.h>

#include <algorithm>
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
