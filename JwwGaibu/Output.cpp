#include "JwwGaibu/Output.h"

#include "JwwGaibu/HostState.h"
#include "MyFunc/Files.h"
#include "MyFunc/TextConv.h"

namespace JwwGaibu {

void AppendOutputLine(std::string_view line) {
    HostState.OutputLines.emplace_back(line.substr(0, kMaxOutputLine));
}

void PrependOutputLine(std::string_view line) {
    auto& lines = HostState.OutputLines;
    lines.emplace(lines.begin(), line.substr(0, kMaxOutputLine));
}

std::string ExchangeFileBytes() {
    const auto& lines = HostState.OutputLines;
    if (lines.empty()) return "hq\r\n";
    std::string out;
    size_t total = 0;
    for (const auto& l : lines) total += l.size() + 2;
    out.reserve(total);
    for (size_t i = 0; i < lines.size(); ++i) {
        out += lines[i];
        // A line ending in a double quote continues on the next one.
        if (!lines[i].empty() && lines[i].back() == '"') {
            if (i + 1 == lines.size()) break;
            out += lines[++i];
        }
        out += "\r\n";
    }
    return out;
}

bool WriteExchangeFile(const std::string& path) {
    if (MyFunc::WriteFileAtomic(path, ExchangeFileBytes())) return true;
    MyFunc::RemoveFile(path);
    return false;
}

void ResetOutputState() {
    HostStateRecord& h = HostState;
    h.FreshGroup = h.FreshLayer = h.FreshColor = h.FreshLineType = h.FreshWidth = h.FreshTextStyle =
        h.FreshRgb = true;
    h.CurrentGroup = 0;
    h.CurrentLayer = 0;
    h.CurrentColor = 1;
    h.CurrentLineType = 1;
    h.CurrentWidth = 0;
    h.CurrentTextStyle = 1;
    h.CurrentFreeText = TextStyle{2.0, 2.0, 0.0, 1};
    h.TextCc = 0;
    h.CurrentFontName = kDefaultFontName;
    h.PointColor = 1;
    h.CurrentRgb = 0;
}

int MapColorIndex(int index) {
    if (index <= 0) return HostState.DefaultColor;
    if (index <= 9) return index;
    return index + 91;
}

namespace {

// Writes an attribute line ("lc3", "lw25") unless the host already has the
// value, which then is the current one; true when it wrote.
bool EmitAttribute(const char* keyword, int value, int32_t& current, bool& fresh) {
    if (!fresh && value == current) return false;
    std::string line = keyword;
    MyFunc::AppendIntText(line, value);
    AppendOutputLine(line);
    current = value;
    fresh = false;
    return true;
}

}  // namespace

void EmitLineColor(int color, int mapSwitch) {
    HostStateRecord& h = HostState;
    if (mapSwitch == 1) color = MapColorIndex(color);
    if (EmitAttribute("lc", color, h.CurrentColor, h.FreshColor)) h.FreshRgb = false;
}

void EmitLineWidth(int width) {
    HostStateRecord& h = HostState;
    if (width == -1) width = h.DefaultWidth;
    if (width < 0 || width > 30000) width = 0;
    EmitAttribute("lw", width, h.CurrentWidth, h.FreshWidth);
}

void EmitRgbColor(int rgb) {
    HostStateRecord& h = HostState;
    if (rgb < 0 || rgb > 0xFFFFFF) rgb = 0;
    if (!h.FreshColor && h.CurrentColor == 10 && !h.FreshRgb && rgb == h.CurrentRgb) return;
    std::string line = "lc10 ";
    MyFunc::AppendIntText(line, rgb);
    AppendOutputLine(line);
    h.CurrentRgb = rgb;
    h.FreshRgb = false;
    h.CurrentColor = 10;
    h.FreshColor = false;
}

}  // namespace JwwGaibu
