// The colour/width list ("t318.lst", shared with a sibling program) and the
// figure presets ("t742.lst"): loading, saving and the dialog's list buttons.
#include <algorithm>
#include <cstring>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "MyFunc/Files.h"
#include "MyFunc/TextConv.h"
#include "Unit1/FigurePage.h"
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

// An entry is "K=value K=value ...": its first key with "=", then each
// further key with a blank before it and "=" after. Cuts one value per key,
// the last running to the entry's end; false when a separator is missing.
bool CutEntry(std::string_view entry, std::span<const char* const> keys,
              std::vector<std::string>& values) {
    values.clear();
    std::string_view remainder = entry.substr(std::min(entry.size(), std::strlen(keys[0]) + 1));
    for (const char* key : keys.subspan(1)) {
        const std::string separator = std::string(" ") + key + "=";
        const size_t at = remainder.find(separator);
        if (at == std::string_view::npos) return false;
        values.emplace_back(remainder.substr(0, at));
        remainder.remove_prefix(at + separator.size());
    }
    values.emplace_back(remainder);
    return true;
}

// The entry for the values, in the keys' order.
std::string JoinEntry(std::span<const char* const> keys, const std::vector<std::string>& values) {
    std::string entry;
    for (size_t i = 0; i < keys.size(); ++i)
        entry += (i == 0 ? "" : " ") + std::string(keys[i]) + "=" + values[i];
    return entry;
}

std::string Normalised(const TEdit& edit) {
    return MyFunc::FloatToText(MyFunc::TextToFloat(edit.Text));
}

std::string Flag(bool on) {
    return on ? "1" : "0";
}

// The colour/width entry (the sibling program reads and writes the same):
// colour index, arbitrary colour on, arbitrary colour, width as typed.
constexpr const char* kColourKeys[] = {"C", "F", "S", "W"};

// A preset entry: the size given by axis radii, radius, flatness, x radius,
// y radius, tilt, tilt from the axis angle, inner radius, start and end angle.
constexpr const char* kPresetKeys[] = {"S", "A", "B", "C", "D", "E", "J", "F", "G", "H"};

// A page's values in the order of kPresetKeys. The full-circle page has no
// angles: its presets hold the full turn.
std::vector<std::string> PresetValues(const TForm1& f, const FigurePage& p) {
    const bool arc = p.StartDegrees != nullptr;
    return {Flag((f.*p.ByAxisRadii).Checked),
            Normalised(f.*p.Radius),
            Normalised(f.*p.FlatnessPercent),
            Normalised(f.*p.XRadius),
            Normalised(f.*p.YRadius),
            Normalised(f.*p.TiltDegrees),
            Flag((f.*p.TiltFromAxis).Checked),
            Normalised(f.*p.InnerRadius),
            arc ? Normalised(f.*p.StartDegrees) : "0",
            arc ? Normalised(f.*p.EndDegrees) : "360"};
}

// Applies the selected preset to a page, texts as they stand. The values up
// to the inner radius must all be there; the arc page takes the start and end
// angles when the entry has them both.
void ApplyPreset(TForm1& f, const FigurePage& p) {
    const TListBox& list = f.ListBox2;
    std::vector<std::string> v;
    if (!HasSelection(list) ||
        !CutEntry(list.Items[static_cast<size_t>(list.ItemIndex)],
                  std::span(kPresetKeys).first(std::size(kPresetKeys) - 1), v))
        return;
    if (TextToInt(v[0]) != 0)
        CheckRadio(f.*p.ByAxisRadii, f.*p.ByFlatness);
    else
        CheckRadio(f.*p.ByFlatness, f.*p.ByAxisRadii);
    (f.*p.Radius).Text = v[1];
    (f.*p.FlatnessPercent).Text = v[2];
    (f.*p.XRadius).Text = v[3];
    (f.*p.YRadius).Text = v[4];
    (f.*p.TiltDegrees).Text = v[5];
    (f.*p.TiltFromAxis).Checked = TextToInt(v[6]) != 0;
    (f.*p.InnerRadius).Text = v[7];
    std::vector<std::string> angles;
    if (p.StartDegrees == nullptr || !CutEntry("G=" + v[8], std::span(kPresetKeys).last(2), angles))
        return;
    (f.*p.StartDegrees).Text = angles[0];
    (f.*p.EndDegrees).Text = angles[1];
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
    ListBox1.Items.push_back(
        JoinEntry(kColourKeys, {std::to_string(ComboBox1.ItemIndex), Flag(CheckBox1.Checked),
                                std::to_string(SpeedButton1.FontColor), ComboBox3.Text}));
}

void TForm1::Button4Click() {
    DeleteSelected(ListBox1);
}

void TForm1::ListBox1Click() {
    std::vector<std::string> v;
    if (!HasSelection(ListBox1) ||
        !CutEntry(ListBox1.Items[static_cast<size_t>(ListBox1.ItemIndex)], kColourKeys, v))
        return;
    ComboBox1.ItemIndex = TextToInt(v[0]);
    if (ComboBox1.ItemIndex < -1 || ComboBox1.ItemIndex >= static_cast<int>(ComboBox1.Items.size()))
        ComboBox1.ItemIndex = -1;
    CheckBox1.Checked = TextToInt(v[1]) != 0;
    SpeedButton1.FontColor = TextToInt(v[2]);
    ComboBox3.Text = v[3];
}

void TForm1::Button5Click() {
    ListBox2.Items.push_back(JoinEntry(kPresetKeys, PresetValues(*this, kFullCirclePage)));
}

void TForm1::Button6Click() {
    ListBox2.Items.push_back(JoinEntry(kPresetKeys, PresetValues(*this, kArcPage)));
}

void TForm1::Button7Click() {
    ApplyPreset(*this, kFullCirclePage);
}

void TForm1::Button8Click() {
    ApplyPreset(*this, kArcPage);
}

void TForm1::Button9Click() {
    DeleteSelected(ListBox2);
}

}  // namespace Unit1
