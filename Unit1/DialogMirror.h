// The form's state into a window's controls and back, the same for every
// window: the mirror walks the declared layout, and the window only reads and
// writes one control's own value. A text the user left alone keeps the form's
// bytes exactly, even bytes code page 932 cannot show.
// Header-only: the Qt window, a module that links no part of the core, uses it.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "Unit1/DialogRules.h"
#include "Unit1/Form.h"
#include "Unit1/Layout.h"

namespace Unit1 {

// A window's controls as the mirror sees them; `Text` is the window's own text.
template <class Text>
class ControlValues {
  public:
    virtual ~ControlValues() = default;
    // Code page 932 bytes as the window's text, and back.
    virtual Text Shown(const std::string& bytes) const = 0;
    virtual std::string Bytes(const Text& text) const = 0;
    // An edit's, a label's or an editable combo box's text.
    virtual Text GetText(const ControlLayout& c) const = 0;
    virtual void SetText(const ControlLayout& c, const Text& text) = 0;
    virtual bool GetCheck(const ControlLayout& c) const = 0;
    virtual void SetCheck(const ControlLayout& c, bool checked) = 0;
    // A list's or a combo box's entries, and the row chosen (-1 for none).
    virtual void SetItems(const ControlLayout& c, const std::vector<std::string>& items) = 0;
    virtual int GetRow(const ControlLayout& c) const = 0;
    virtual void SetRow(const ControlLayout& c, int row) = 0;
    virtual void SetFontColour(const ControlLayout& c, int bgr) = 0;
    virtual void SetLook(const ControlLayout& c, ControlLook look) = 0;
    virtual int GetPage() const = 0;
    virtual void SetPage(int page) = 0;
    // Around the values given: a window tells its own changes from the user's.
    virtual void Pushing() {}
    // Every value given: what the window redoes as a whole.
    virtual void Pushed() {}
};

template <class Text>
class DialogMirror {
  public:
    void Push(TForm1& f, ControlValues<Text>& w) {
        w.Pushing();
        pushed_.clear();
        for (const ControlLayout& c : kForm1Layout) {
            if (TLabel* label = FormLabel(f, c)) Put(w, c, label->Caption);
            if (TEdit* edit = FormEdit(f, c)) Put(w, c, edit->Text);
            if (bool* checked = FormCheck(f, c)) w.SetCheck(c, *checked);
            if (TListBox* list = FormList(f, c)) {
                w.SetItems(c, list->Items);
                w.SetRow(c, list->ItemIndex);
            }
            if (TComboBox* combo = FormCombo(f, c)) {
                w.SetItems(c, combo->Items);
                if (c.Kind == ControlKind::ComboEdit)
                    Put(w, c, combo->Text);
                else
                    w.SetRow(c, combo->ItemIndex);
            }
            if (TSpeedButton* b = FormFlatButton(f, c)) w.SetFontColour(c, b->FontColor);
            w.SetLook(c, LookOf(f, c));
        }
        w.SetPage(f.ActivePage);
        w.Pushed();
    }

    void Pull(TForm1& f, const ControlValues<Text>& w) const {
        for (const ControlLayout& c : kForm1Layout) {
            if (TEdit* edit = FormEdit(f, c)) Take(w, c, edit->Text);
            if (bool* checked = FormCheck(f, c)) *checked = w.GetCheck(c);
            if (TListBox* list = FormList(f, c)) list->ItemIndex = w.GetRow(c);
            if (TComboBox* combo = FormCombo(f, c)) {
                if (c.Kind == ControlKind::ComboEdit)
                    Take(w, c, combo->Text);
                else
                    combo->ItemIndex = w.GetRow(c);
            }
        }
        // The page the user is on stays when the form's state comes back.
        f.ActivePage = w.GetPage();
    }

    // An event: what the user did goes to the form, its handler runs, and the
    // form's state comes back unless the handler closed the form.
    void Fire(TForm1& f, ControlValues<Text>& w, FormInvoke invoke, FormEvent event) {
        Pull(f, w);
        invoke(f, event);
        if (!f.Closed) Push(f, w);
    }

  private:
    void Put(ControlValues<Text>& w, const ControlLayout& c, const std::string& bytes) {
        const Text shown = w.Shown(bytes);
        pushed_[&c] = shown;
        w.SetText(c, shown);
    }
    void Take(const ControlValues<Text>& w, const ControlLayout& c, std::string& into) const {
        const Text now = w.GetText(c);
        const auto it = pushed_.find(&c);
        if (it == pushed_.end() || it->second != now) into = w.Bytes(now);
    }

    // The text each control was given, to tell an untouched one.
    std::map<const ControlLayout*, Text> pushed_;
};

}  // namespace Unit1
