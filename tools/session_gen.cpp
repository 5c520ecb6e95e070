// Writes random user sessions of the settings dialog in the scenario file's
// vocabulary (case, args, input, do ...), without expected files: the
// dialog-differential runner plays each on both windows and compares what
// they leave.  t742sessions SEED COUNT
//
// The sessions come from the declared layout. The generator follows the page
// shown, so it clicks only what a user can see, and the focus where it can be
// known, so that Space, the arrows and Enter go where it means them to; where
// the focus cannot be known it uses only keys that are safe anywhere.
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "Unit1/DialogRules.h"
#include "Unit1/Layout.h"
#include "figures/Figure.h"

namespace {

using Unit1::ControlKind;
using Unit1::ControlLayout;
using Unit1::kForm1Layout;

class Session {
  public:
    Session(std::mt19937& rng, std::string name) : rng_(rng), name_(std::move(name)) {}

    void Write() {
        std::printf("case %s\n", name_.c_str());
        Start();
        const int actions = Uniform(3, 14);
        for (int i = 0; i < actions && !ended_; ++i) Act();
        if (!ended_) End();
        std::printf("\n");
    }

  private:
    int Uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    template <class T>
    const T& Pick(const std::vector<T>& v) {
        return v[static_cast<size_t>(Uniform(0, static_cast<int>(v.size()) - 1))];
    }

    void Do(const std::string& action) { std::printf("do %s\n", action.c_str()); }

    void Start() {
        // A mode with the dialog's step, an unknown step, or no arguments.
        const int kind = Uniform(0, 9);
        const int mode = Uniform(1, 8);
        if (kind < 7) {
            std::printf("args %d 6\n", mode);
            const bool arc = figures::FindMode(mode)->shape.Arc;
            enabled_[1] = !arc;
            enabled_[2] = arc;
            page_ = arc ? 2 : 1;
            focus_ = "PageControl1";
        } else if (kind < 9) {
            std::printf("args %d 0\n", mode);
            focus_ = "PageControl1";
        } else {
            focus_ = "ComboBox1";
        }
        std::printf("input JWC_TEMP.TXT hk 0\\r\\nhp1 10 20\\r\\n\n");
        rows_[0] = Uniform(0, 3);
        rows_[1] = Uniform(0, 3);
        std::string l1 = std::to_string(rows_[0]) + "\\r\\n";
        for (int i = 0; i < rows_[0]; ++i)
            l1 += "C=" + std::to_string(Uniform(-1, 9)) + " F=" + std::to_string(Uniform(0, 1)) +
                  " S=" + std::to_string(Colour()) + " W=" + std::to_string(Uniform(0, 50)) +
                  "\\r\\n";
        std::printf("input t318.lst %s\n", l1.c_str());
        std::string l2 = std::to_string(rows_[1]) + "\\r\\n";
        for (int i = 0; i < rows_[1]; ++i) {
            l2 += "S=" + std::to_string(Uniform(0, 1));
            for (const char* k : {" A=", " B=", " C=", " D=", " E="})
                l2 += k + std::to_string(Uniform(1, 200));
            l2 += " J=" + std::to_string(Uniform(0, 1)) + " F=" + std::to_string(Uniform(0, 50)) +
                  " G=" + std::to_string(Uniform(0, 359)) +
                  " H=" + std::to_string(Uniform(0, 359)) + "\\r\\n";
        }
        std::printf("input t742.lst %s\n", l2.c_str());
    }

    int Colour() { return Uniform(0, 0xFFFFFF); }

    std::string Number() {
        switch (Uniform(0, 3)) {
            case 0:
                return std::to_string(Uniform(0, 500));
            case 1:
                return std::to_string(Uniform(1, 300)) + "." + std::to_string(Uniform(0, 99));
            case 2:
                return "-" + std::to_string(Uniform(1, 90));
            default:
                return std::to_string(Uniform(0, 360));
        }
    }

    bool Usable(const ControlLayout& c) const {
        return Unit1::ShownOnPage(c, page_) &&
               (c.Kind == ControlKind::TabSheet || c.Page < 0 || enabled_[c.Page]);
    }
    std::vector<const ControlLayout*> Usable(std::initializer_list<ControlKind> kinds) const {
        std::vector<const ControlLayout*> v;
        for (const ControlLayout& c : kForm1Layout)
            for (ControlKind k : kinds)
                if (c.Kind == k && Usable(c)) v.push_back(&c);
        return v;
    }

    // Where Tab (or Shift+Tab) takes the focus: the declared order, round.
    std::string NextTabStop(bool forward) const {
        std::vector<const ControlLayout*> stops;
        for (const ControlLayout& c : kForm1Layout)
            if (c.TabStop && Usable(c)) stops.push_back(&c);
        for (size_t i = 0; i < stops.size(); ++i)
            if (focus_ == stops[i]->Name) {
                const size_t n = stops.size();
                return stops[(forward ? i + 1 : i + n - 1) % n]->Name;
            }
        return {};
    }

    void Press(const ControlLayout& c) {
        const std::string n = c.Name;
        if (c.Kind == ControlKind::DefaultButton || c.Kind == ControlKind::CancelButton)
            ended_ = true;
        // A deletion may take a row; a registration's row is not counted.
        if (n == "Button4" && rows_[0] > 0) --rows_[0];
        if (n == "Button9" && rows_[1] > 0) --rows_[1];
    }

    void Click() {
        // A tab now and then; mostly what the page holds.
        auto v = Usable({ControlKind::CheckBox, ControlKind::Radio, ControlKind::Button,
                         ControlKind::Edit, ControlKind::FlatButton});
        if (v.empty() || Uniform(0, 3) == 0) v = Usable({ControlKind::TabSheet});
        const ControlLayout& c = *Pick(v);
        if (c.Kind == ControlKind::FlatButton) {
            Do(Uniform(0, 4) == 0 ? "color cancel" : "color " + std::to_string(Colour()));
            // Where the focus goes back to is the window's affair.
            focus_.clear();
            return;
        }
        Do(std::string("click ") + c.Name);
        if (c.Kind == ControlKind::TabSheet) {
            page_ = c.Page;
            focus_ = "PageControl1";
            return;
        }
        focus_ = c.Name;
        Press(c);
    }

    void Key(const std::string& key) {
        Do("key " + key);
        const ControlLayout* f = Unit1::FindRow(focus_);
        if (key == "Tab" || key == "shift+Tab") {
            focus_ = NextTabStop(key == "Tab");
        } else if (key == "space") {
            if (f != nullptr &&
                (f->Kind == ControlKind::Button || f->Kind == ControlKind::DefaultButton ||
                 f->Kind == ControlKind::CancelButton))
                Press(*f);
        } else if (f != nullptr) {
            // An arrow key. On the tabs Left and Right turn the page, up to the
            // last and the first.
            if (f->Kind == ControlKind::PageControl) {
                if (key == "Right") page_ = std::min(page_ + 1, 3);
                if (key == "Left") page_ = std::max(page_ - 1, 0);
            } else if (f->Kind != ControlKind::Edit && f->Kind != ControlKind::ListBox &&
                       f->Kind != ControlKind::ComboList && f->Kind != ControlKind::ComboEdit)
                focus_.clear();
        }
    }

    void Act() {
        const ControlLayout* f = Unit1::FindRow(focus_);
        switch (Uniform(0, 9)) {
            case 0:
            case 1:
                return Click();
            case 2: {
                auto v = Usable({ControlKind::Edit, ControlKind::ComboEdit});
                if (v.empty()) return Click();
                const ControlLayout& c = *Pick(v);
                Do(std::string("type ") + c.Name + " " + Number());
                focus_ = c.Name;
                return;
            }
            case 3: {
                auto v = Usable({ControlKind::ListBox});
                if (v.empty()) return Click();
                const ControlLayout& c = *v[0];
                const int rows = rows_[c.Page == 0 ? 0 : 1];
                if (rows == 0) return Click();
                Do(std::string("row ") + c.Name + " " + std::to_string(Uniform(0, rows - 1)));
                focus_ = c.Name;
                return;
            }
            case 4:
                return Key(Uniform(0, 2) == 0 ? "shift+Tab" : "Tab");
            case 5:
            case 6: {
                // The arrows only where the focus is known: on the tabs they turn the page.
                if (f == nullptr) return Key("Tab");
                // In the width box the page keys choose from its list too.
                static const std::vector<std::string> arrows = {"Up", "Down", "Left", "Right"};
                static const std::vector<std::string> width = {"Up",    "Down",  "Left",
                                                               "Right", "Prior", "Next"};
                return Key(Pick(f->Kind == ControlKind::ComboEdit ? width : arrows));
            }
            case 7: {
                // Space on a combo box opens its list; typing goes elsewhere then.
                if (f == nullptr || f->Kind == ControlKind::ComboList ||
                    f->Kind == ControlKind::ComboEdit)
                    return Key("Tab");
                return Key("space");
            }
            case 8: {
                static const std::vector<std::pair<std::string, int>> tabs = {
                    {"alt+s", 0}, {"alt+1", 1}, {"alt+2", 2}, {"alt+l", 3}};
                const auto& [key, page] = Pick(tabs);
                Do("key " + key);
                page_ = page;
                focus_ = "PageControl1";
                return;
            }
            default:
                if (f != nullptr &&
                    (f->Kind == ControlKind::Edit || f->Kind == ControlKind::ComboEdit))
                    Do("chars " + Number());
                else
                    Click();
                return;
        }
    }

    void End() {
        const ControlLayout* f = Unit1::FindRow(focus_);
        std::vector<std::string> ends = {"click Button1", "click Button2", "key Escape",
                                         "key alt+y",     "key alt+n",     "close"};
        // Enter is OK unless a push button has the focus; the focus must be known.
        if (f != nullptr && f->Kind != ControlKind::Button) ends.push_back("key Return");
        Do(Pick(ends));
        ended_ = true;
    }

    std::mt19937& rng_;
    std::string name_;
    int page_ = 0;
    std::string focus_;
    bool enabled_[4] = {true, true, true, true};  // by page
    int rows_[2] = {0, 0};
    bool ended_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: t742sessions SEED COUNT\n");
        return 2;
    }
    const unsigned long seed = std::strtoul(argv[1], nullptr, 10);
    const int count = std::atoi(argv[2]);
    std::printf("# %d random sessions, seed %lu\n\n", count, seed);
    for (int i = 0; i < count; ++i) {
        // Each session has a seed of its own, so one can be replayed alone.
        std::mt19937 rng(static_cast<std::mt19937::result_type>(seed * 1000003UL +
                                                                static_cast<unsigned long>(i)));
        Session(rng, "s" + std::to_string(seed) + "-" + std::to_string(i)).Write();
    }
    return 0;
}
