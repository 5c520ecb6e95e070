// The colour/width list ("t318.lst", shared with a sibling program) and the
// figure presets ("t742.lst"): loading, saving and the dialog's list buttons.
#include <string>
#include <string_view>
#include <vector>

#include "MyFunc/Files.h"
#include "MyFunc/TextConv.h"
#include "Unit1/Form.h"
#include "Unit1/LineReader.h"
#include "Unit1/Texts.h"

namespace Unit1 {

using MyFunc::TextToInt;

namespace {

// A first line may claim more entries than the file holds; the missing ones
// become empty entries, but never so many that a damaged count could exhaust
// memory or time.
constexpr size_t kMaxPaddedEntries = 10000;

void LoadList(const std::string& path, TListBox& list) {
    list.Items.clear();
    list.ItemIndex = -1;
    if (!MyFunc::FileExists(path)) return;
    std::string bytes;
    MyFunc::ReadFileBytes(path, bytes);
    LineReader lines(bytes);
    const int32_t n = TextToInt(lines.Next());
    for (int32_t i = 0; i < n; ++i) {
        if (lines.AtEnd() && list.Items.size() >= kMaxPaddedEntries) break;
        list.Items.emplace_back(lines.Next());
    }
}

void SaveList(const std::string& path, const TListBox& list) {
    std::string out;
    MyFunc::AppendIntText(out, static_cast<int64_t>(list.Items.size()));
    out += "\r\n";
    for (const auto& item : list.Items) {
        out += item;
        out += "\r\n";
    }
    // Replaced atomically: a failed save keeps the previous list.
    MyFunc::WriteFileAtomic(path, out);
}

bool HasSelection(const TListBox& list) {
    return !list.Items.empty() && list.ItemIndex >= 0 &&
           list.ItemIndex < static_cast<int>(list.Items.size());
}

void DeleteSelected(TListBox& list) {
    if (!HasSelection(list)) return;
    list.Items.erase(list.Items.begin() + list.ItemIndex);
    list.ItemIndex = -1;
}

// Cuts an entry at each separator in turn, starting after its two-letter first
// key. Gives one value per separator and the text after the last one; false
// when a separator is missing, and such an entry is not applied.
bool CutEntry(std::string_view entry, const std::vector<std::string_view>& separators,
              std::vector<std::string>& values, std::string& rest) {
    values.clear();
    std::string_view remainder = entry.size() >= 2 ? entry.substr(2) : std::string_view{};
    for (std::string_view sep : separators) {
        const size_t at = remainder.find(sep);
        if (at == std::string_view::npos) return false;
        values.emplace_back(remainder.substr(0, at));
        remainder.remove_prefix(at + sep.size());
    }
    rest = std::string(remainder);
    return true;
}

std::string Normalised(const TEdit& edit) {
    return MyFunc::FloatToText(MyFunc::TextToFloat(edit.Text));
}

struct PresetPage {
    TRadioButton& ByFlatness;
    TRadioButton& ByAxisRadii;
    TEdit* Edits[5];  // radius, flatness, x radius, y radius, tilt
    TCheckBox& TiltFromAxis;
    TEdit& InnerRadius;
};

std::string PresetEntry(const PresetPage& p, const std::string& start, const std::string& end) {
    static constexpr const char* kKeys[] = {" A=", " B=", " C=", " D=", " E="};
    std::string entry = "S=";
    entry += p.ByAxisRadii.Checked ? "1" : "0";
    for (int i = 0; i < 5; ++i) {
        entry += kKeys[i];
        entry += Normalised(*p.Edits[i]);
    }
    entry += " J=";
    entry += p.TiltFromAxis.Checked ? "1" : "0";
    entry += " F=" + Normalised(p.InnerRadius);
    entry += " G=" + start;
    entry += " H=" + end;
    return entry;
}

// Applies the selected preset up to its G value; gives the G and H texts.
bool ApplyPreset(const TListBox& list, const PresetPage& p, std::string& g, std::string& h) {
    if (!HasSelection(list)) return false;
    std::vector<std::string> v;
    std::string rest;
    if (!CutEntry(list.Items[static_cast<size_t>(list.ItemIndex)],
                  {" A=", " B=", " C=", " D=", " E=", " J=", " F=", " G="}, v, rest))
        return false;
    if (TextToInt(v[0]) != 0)
        CheckRadio(p.ByAxisRadii, p.ByFlatness);
    else
        CheckRadio(p.ByFlatness, p.ByAxisRadii);
    for (int i = 0; i < 5; ++i) p.Edits[i]->Text = v[static_cast<size_t>(i) + 1];
    p.TiltFromAxis.Checked = TextToInt(v[6]) != 0;
    p.InnerRadius.Text = v[7];
    const size_t hAt = rest.find(" H=");
    g = rest.substr(0, hAt);
    h = hAt == std::string::npos ? std::string() : rest.substr(hAt + 3);
    return hAt != std::string::npos;
}

}  // namespace

void TForm1::LoadColorWidthList() {
    LoadList(ExeFolder + kColorWidthListName, ListBox1);
}
void TForm1::SaveColorWidthList() {
    SaveList(ExeFolder + kColorWidthListName, ListBox1);
}
void TForm1::LoadPresetList() {
    LoadList(ExeFolder + kPresetListName, ListBox2);
}
void TForm1::SavePresetList() {
    SaveList(ExeFolder + kPresetListName, ListBox2);
}

void TForm1::Button3Click() {
    std::string entry = "C=";
    MyFunc::AppendIntText(entry, ComboBox1.ItemIndex);
    entry += CheckBox1.Checked ? " F=1" : " F=0";
    entry += " S=";
    MyFunc::AppendIntText(entry, SpeedButton1.FontColor);
    entry += " W=" + ComboBox3.Text;
    ListBox1.Items.push_back(entry);
}

void TForm1::Button4Click() {
    DeleteSelected(ListBox1);
}

void TForm1::ListBox1Click() {
    if (!HasSelection(ListBox1)) return;
    std::vector<std::string> v;
    std::string width;
    if (!CutEntry(ListBox1.Items[static_cast<size_t>(ListBox1.ItemIndex)], {" F=", " S=", " W="}, v,
                  width))
        return;
    ComboBox1.ItemIndex = TextToInt(v[0]);
    if (ComboBox1.ItemIndex < -1 || ComboBox1.ItemIndex >= static_cast<int>(ComboBox1.Items.size()))
        ComboBox1.ItemIndex = -1;
    CheckBox1.Checked = TextToInt(v[1]) != 0;
    SpeedButton1.FontColor = TextToInt(v[2]);
    ComboBox3.Text = width;
}

void TForm1::Button5Click() {
    const PresetPage page{RBA1, RBA2, {&EditA1, &EditA2, &EditA3, &EditA4, &EditA5}, CBA1, EditA6};
    ListBox2.Items.push_back(PresetEntry(page, "0", "360"));
}

void TForm1::Button6Click() {
    const PresetPage page{RBB1, RBB2, {&EditB1, &EditB2, &EditB3, &EditB4, &EditB5}, CBB1, EditB6};
    ListBox2.Items.push_back(PresetEntry(page, Normalised(EditB7), Normalised(EditB8)));
}

void TForm1::Button7Click() {
    const PresetPage page{RBA1, RBA2, {&EditA1, &EditA2, &EditA3, &EditA4, &EditA5}, CBA1, EditA6};
    std::string g, h;
    ApplyPreset(ListBox2, page, g, h);
}

void TForm1::Button8Click() {
    const PresetPage page{RBB1, RBB2, {&EditB1, &EditB2, &EditB3, &EditB4, &EditB5}, CBB1, EditB6};
    std::string g, h;
    // The angles are applied only when the entry has them both.
    if (!ApplyPreset(ListBox2, page, g, h)) return;
    EditB7.Text = g;
    EditB8.Text = h;
}

void TForm1::Button9Click() {
    DeleteSelected(ListBox2);
}

}  // namespace Unit1
