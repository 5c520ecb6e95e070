#include "JwwGaibu/ExchangeReader.h"

#include <cmath>
#include <cstring>

#include "JwwGaibu/EntityDecode.h"
#include "JwwGaibu/HostState.h"
#include "JwwGaibu/Tokenizer.h"
#include "MyFunc/FileView.h"
#include "MyFunc/TextConv.h"

namespace JwwGaibu {

using MyFunc::TextToFloat;
using MyFunc::TextToInt;

namespace {

Fields gFields;

bool StartsWith(std::string_view s, std::string_view prefix) {
    return s.size() >= prefix.size() && std::memcmp(s.data(), prefix.data(), prefix.size()) == 0;
}

// Position (1-based) of the first occurrence of `what` in `s`, 0 when absent.
size_t PosOf(std::string_view s, std::string_view what) {
    const size_t p = s.find(what);
    return p == std::string_view::npos ? 0 : p + 1;
}

// Delphi-style Copy: `count` bytes from the 1-based position `from`, clipped.
std::string_view Copy(std::string_view s, size_t from, size_t count) {
    if (from < 1 || from > s.size()) return {};
    return s.substr(from - 1, count);
}

EntityHeader CurrentHeader() {
    const HostStateRecord& h = HostState;
    return EntityHeader{h.HhpValue,        h.CurrentGroup, h.CurrentLayer, h.CurrentColor,
                        h.CurrentLineType, h.CurrentWidth, h.ZFlags};
}

// Group, layer: one hexadecimal digit as the third character, 0 when not 0..15.
int32_t HexDigitField(std::string_view field1) {
    std::string text = "$";
    if (field1.size() >= 3) text.push_back(field1[2]);
    const int32_t v = TextToInt(text);
    return (v < 0 || v > 15) ? 0 : v;
}

void PickedPointLine(std::string_view k, const Fields& f) {
    std::string_view number = Copy(k, 3, std::string_view::npos);
    int32_t kind = 0;
    static constexpr std::string_view kSuffixes[] = {"-", "ln", "ci", "ch"};
    for (int i = 0; i < 4; ++i) {
        const size_t p = PosOf(k, kSuffixes[i]);
        if (p > 0) {
            number = p > 3 ? Copy(k, 3, p - 3) : std::string_view{};
            kind = i + 1;
        }
    }
    const int32_t n = TextToInt(number);
    if (n < 1 || n > 99) return;
    PickedPoint& pt = HostState.PickedPoints[static_cast<size_t>(n)];
    pt.IsSet = true;
    pt.X = f.Float(2);
    pt.Y = f.Float(3);
    pt.Kind = kind;
    ++HostState.PickedPointCount;
}

void HhpLine(std::string_view k) {
    size_t n = k.size();
    for (std::string_view suffix : {"ln", "ci", "ch"}) {
        const size_t p = PosOf(k, suffix);
        if (p > 4) n = p - 4;
    }
    HostState.HhpValue = TextToInt(Copy(k, 4, n));
}

// The lines that set something rather than store an entity: the host's
// settings ("hk", "hs", ...), the current attributes ("lg", "ly", "lc", ...),
// the "pl", "msg" and "#" markers and the picked points ("hp"). True when the
// line was taken.
bool SettingLine(const Fields& f) {
    HostStateRecord& h = HostState;
    const std::string_view k = f[1];
    const int n = f.count;

    if (k == "hk") {
        if (n >= 2) {
            h.AxisAngle = f.Float(2);
            return true;
        }
    } else if (k == "hs") {
        if (n >= 17) {
            for (int i = 0; i < 16; ++i) h.GroupScales[static_cast<size_t>(i)] = f.Float(2 + i);
            return true;
        }
    } else if (k == "hzs") {
        if (n >= 3) {
            h.PaperWidth = f.Float(2);
            h.PaperHeight = f.Float(3);
            return true;
        }
    } else if (k == "hcw" || k == "hch" || k == "hcd" || k == "hcc") {
        if (n >= 11) {
            for (int i = 1; i <= 10; ++i) {
                TextStyle& s = h.TextStyles[static_cast<size_t>(i)];
                switch (k[2]) {
                    case 'w':
                        s.Width = f.Float(1 + i);
                        break;
                    case 'h':
                        s.Height = f.Float(1 + i);
                        break;
                    case 'd':
                        s.Spacing = f.Float(1 + i);
                        break;
                    default:
                        s.Color = f.Int(1 + i);
                        break;
                }
            }
            return true;
        }
    } else if (k == "bz") {
        h.BzFlag = true;
        return true;
    } else if (k == "hn") {
        if (n >= 5) {
            for (int i = 1; i <= 4; ++i) h.HnValues[static_cast<size_t>(i)] = f.Float(1 + i);
            return true;
        }
    }

    if (StartsWith(k, "lgn")) {
        h.GroupNames[static_cast<size_t>(h.CurrentGroup)] = std::string(k.substr(3));
        return true;
    }
    if (StartsWith(k, "lyn")) {
        h.LayerNames[static_cast<size_t>(h.CurrentGroup * 16 + h.CurrentLayer)] =
            std::string(k.substr(3));
        return true;
    }
    if (StartsWith(k, "lg")) {
        const int32_t g = HexDigitField(k);
        if (h.FreshGroup) h.FirstGroup = g, h.FreshGroup = false;
        h.CurrentGroup = g;
        if (n >= 2) h.GroupValues[static_cast<size_t>(g)] = f.Int(2);
        return true;
    }
    if (StartsWith(k, "ly")) {
        const int32_t l = HexDigitField(k);
        if (h.FreshLayer) h.FirstLayer = l, h.FreshLayer = false;
        h.CurrentLayer = l;
        if (n >= 2) h.LayerValues[static_cast<size_t>(h.CurrentGroup * 16 + l)] = f.Int(2);
        return true;
    }
    if (StartsWith(k, "lc")) {
        const int32_t c = TextToInt(k.substr(2));
        if (h.FreshColor) h.DefaultColor = c, h.FreshColor = false;
        h.CurrentColor = c;
        if (c == 10 && n >= 2) h.CurrentRgb = f.Int(2);
        return true;
    }
    if (StartsWith(k, "lt")) {
        const int32_t t = TextToInt(k.substr(2));
        if (h.FreshLineType) h.DefaultLineType = t, h.FreshLineType = false;
        h.CurrentLineType = t;
        return true;
    }
    if (StartsWith(k, "lw")) {
        const int32_t w = TextToInt(k.substr(2));
        if (h.FreshWidth) h.DefaultWidth = w, h.FreshWidth = false;
        h.CurrentWidth = w;
        return true;
    }
    if (StartsWith(k, "cn$")) {
        const std::string name(k.substr(3));
        if (h.DefaultFontName.empty()) h.DefaultFontName = name;
        h.CurrentFontName = name;
        return true;
    }
    if (StartsWith(k, "cn")) {
        const int32_t s = TextToInt(k.substr(2));
        const bool free = s == 0 && n >= 5;
        const TextStyle style{f.Float(2), f.Float(3), f.Float(4), f.Int(5)};
        if (h.FreshTextStyle) {
            h.DefaultTextStyle = s;
            if (free) h.DefaultFreeText = style;
            h.FreshTextStyle = false;
        }
        h.CurrentTextStyle = s;
        if (free) h.CurrentFreeText = style;
        return true;
    }
    if (StartsWith(k, "cc")) {
        const int32_t d = TextToInt(Copy(k, 3, 1));
        h.TextCc = (d < 0 || d > 8) ? 0 : d;
        return true;
    }
    if (k.size() == 2 && k[0] == 'z' && k[1] >= '1' && k[1] <= '5') {
        h.ZFlags |= 1 << (k[1] - '1');
        return true;
    }
    if (StartsWith(k, "pn")) {
        h.PointColor = TextToInt(k.substr(2));
        return true;
    }
    if (k == "pl") {
        ++h.PolylineCount;
        h.InPolyline = true;
        h.CompoundPending = false;
        return true;
    }
    if (k == "msg" || k == "#") {
        h.CompoundPending = k == "msg";
        h.InPolyline = false;
        return true;
    }
    if (StartsWith(k, "hp") && n >= 3) {
        PickedPointLine(k, f);
        return true;
    }
    if (StartsWith(k, "hhp")) {
        HhpLine(k);
        return true;
    }
    return false;
}

// Whether field 1 may be one of the setting keywords above: they all begin
// with one of these; lines of numbers and entity keywords skip them.
bool MayBeSetting(std::string_view k) {
    switch (k[0]) {
        case 'h':
        case 'b':
        case 'l':
        case 'z':
        case 'm':
        case '#':
            return true;
        case 'c':
            return k.size() >= 2 && (k[1] == 'n' || k[1] == 'c');
        case 'p':
            return k.size() >= 2 && (k[1] == 'n' || k[1] == 'l');
        default:
            return false;
    }
}

// The entity a keyword line stores ("ci", "pt", "BL", "sl", the solids and the
// texts), from its keyword and field count; 0 when it stores none. An "sl" line that needs its
// points to tell gives kSl3.
int32_t EntityTypeOf(std::string_view k, int n) {
    if (k.size() != 2) return 0;
    // Every entity keyword has two letters: one switch on both.
    switch (static_cast<unsigned char>(k[0]) << 8 | static_cast<unsigned char>(k[1])) {
        case 'c' << 8 | 'i':
            return n == 4 ? kCi : n >= 8 ? kCiArc : 0;
        case 'p' << 8 | 't':
            return n == 3 ? kPt : n >= 6 ? kPtEx : 0;
        case 'B' << 8 | 'L':
            return n >= 4 ? kBl : 0;
        case 's' << 8 | 'l':
            return n == 5 ? kSl2 : (n == 7 || n >= 9) ? kSl3 : 0;
        case 's' << 8 | 'c':
            return n >= 9 ? kSc : 0;
        case 's' << 8 | 'e':
            return n >= 9 ? kSe : 0;
        case 's' << 8 | 'o':
            return n >= 9 ? kSo : 0;
        case 's' << 8 | 'g':
            return n >= 9 ? kSg : 0;
        default:
            return TextKindOf(k) >= 0 && n >= 6 ? kText : 0;
    }
}

void AppendTo(int32_t type, uint64_t at) {
    HostStateRecord& h = HostState;
    switch (type) {
        case kLine:
            h.Lines.Append(at);
            break;
        case kCi:
            h.Circles.Append(at);
            break;
        case kCiArc:
            h.CircleArcs.Append(at);
            break;
        case kText:
            h.Texts.Append(at);
            break;
        case kPt:
            h.Points.Append(at);
            break;
        case kPtEx:
            h.PointsEx.Append(at);
            break;
        case kCompound:
            h.Compounds.Append(at);
            break;
        case kBl:
            h.Blocks.Append(at);
            break;
        case kSl2:
            h.Solids2.Append(at);
            break;
        case kSl3:
            h.Solids3.Append(at);
            break;
        case kSl4:
            h.Solids4.Append(at);
            break;
        case kSc:
            h.ScSolids.Append(at);
            break;
        case kSe:
            h.SeSolids.Append(at);
            break;
        case kSo:
            h.SoSolids.Append(at);
            break;
        default:
            h.SgSolids.Append(at);
            break;
    }
    h.EntityOrder.Append(static_cast<EntityType>(type));
}

// Stores the entity of `line` (at `at` in the source, or copied there now),
// with the current attributes. Then the z flags are cleared, and every
// entity but a plain line also ends a polyline run and a pending compound.
void Store(int32_t type, std::string_view line, uint64_t at) {
    HostStateRecord& h = HostState;
    EntitySource& source = *h.Source;
    if (at == EntitySource::kNoOffset) at = source.CopyLine(line);
    if (source.AttributesChanged) {
        Attributes a;
        a.From = at;
        a.Header = CurrentHeader();
        a.PolylineNumber = h.InPolyline ? h.PolylineCount : 0;
        a.Rgb = h.CurrentRgb;
        a.Cc = h.TextCc;
        a.Style = h.CurrentTextStyle;
        a.PointColor = h.PointColor;
        const TextStyle& style = (a.Style >= 1 && a.Style <= 10)
                                     ? h.TextStyles[static_cast<size_t>(a.Style)]
                                     : h.CurrentFreeText;
        source.AddAttributes(a, style, std::string_view(h.CurrentFontName).substr(0, 255),
                             h.PendingLine);
    }
    AppendTo(type, at);
    const bool endsRun = type != kLine && (h.InPolyline || h.CompoundPending);
    if (h.ZFlags != 0 || endsRun) source.AttributesChanged = true;
    h.ZFlags = 0;
    if (type != kLine) h.InPolyline = h.CompoundPending = false;
}

// The type an "sl" line of 7 or 9 and more fields stores; a line of numbers
// is read in place.
template <typename FieldsOf>
int32_t SolidType(std::string_view line, const LineShape& shape, FieldsOf fields) {
    if (!shape.Plain) return ClassifySolid(fields()).Type;
    // Points coincide only when their x do: while no two x do, the solid
    // keeps all its points and the y need not be read.
    const char* p = shape.Keyword.data() + shape.Keyword.size();
    const char* const end = line.data() + line.size();
    const int points = shape.Count == 7 ? 3 : 4;
    double v[8] = {};
    const char* y[4] = {};
    for (int i = 0; i < 2 * points; ++i) {
        while (p < end && (*p == ' ' || *p == '\t')) ++p;
        if (i % 2 == 0) {
            p = MyFunc::ReadFloatField(p, end, v[i]);
        } else {
            y[i / 2] = p;
            while (p < end && *p != ' ' && *p != '\t') ++p;
        }
    }
    bool xMeet = false;
    for (int i = 0; i < points; ++i)
        for (int j = i + 1; j < points; ++j) xMeet |= std::fabs(v[2 * i] - v[2 * j]) <= kSamePoint;
    if (!xMeet) return points == 3 ? kSl3 : kSl4;
    for (int i = 0; i < points; ++i) MyFunc::ReadFloatField(y[i], end, v[2 * i + 1]);
    return ClassifySolid(shape.Count, v).Type;
}

// Handles one line, already cleaned of CRs; `at` is where it lies in the
// entity source, or kNoOffset for a line that is not kept there.
void HandleLine(std::string_view line, const LineShape& shape, uint64_t at) {
    if (line.empty()) return;
    HostStateRecord& h = HostState;
    // Lines of numbers are only measured; anything else is tokenized.
    bool tokenized = !shape.Simple;
    if (tokenized) Tokenize(line, gFields);
    const std::string_view k = tokenized ? gFields[1] : shape.Keyword;
    const int n = tokenized ? gFields.count : shape.Count;
    if (n == 1 && k.empty()) return;
    auto fields = [&]() -> const Fields& {
        if (!tokenized) Tokenize(line, gFields), tokenized = true;
        return gFields;
    };

    // Field 1 of a simple line ends before any "=".
    if (!shape.Simple && k.find("file=") != std::string_view::npos) {
        h.HostFileName = std::string(Copy(k, 6, std::string_view::npos));
        return;
    }
    if (!k.empty() && MayBeSetting(k) && SettingLine(fields())) {
        h.Source->AttributesChanged = true;
        return;
    }
    int32_t type = EntityTypeOf(k, n);
    if (type == kSl3) type = SolidType(line, shape, fields);
    if (type == kText && h.CompoundPending && k == "cs") type = kCompound;
    if (type != 0) {
        Store(type, line, at);
        return;
    }
    if (n != 4) return;
    // Four fields that no keyword took: a plain line segment; after "msg" it is
    // held for the compound instead.
    if (h.CompoundPending) {
        const Fields& f = fields();
        h.PendingLine =
            LineRecord{CurrentHeader(), 0, f.Float(1), f.Float(2), f.Float(3), f.Float(4)};
        h.ZFlags = 0;
        h.Source->AttributesChanged = true;
        return;
    }
    Store(kLine, line, at);
}

}  // namespace

void ParseExchangeLines(std::string_view line) {
    HandleLine(line, ScanLine(line, line.size()), EntitySource::kNoOffset);
}

bool ReadExchangeFile(const std::string& path) {
    MyFunc::FileView file;
    const bool ok = file.Open(path);
    const char* const begin = file.data();
    const char* end = begin + file.size();
    // After a failed read only the lines read to their end count.
    while (!ok && end > begin && end[-1] != '\n') --end;
    if (end == begin) return ok;
    // The file stays in memory as the source of the entities read from it.
    const uint64_t base = HostState.Source->AddFile(std::move(file));
    std::string scratch;
    for (const char* p = begin; p < end;) {
        if (*p == '\x1a') break;  // Ctrl-Z at a line start ends the file
        const size_t readable = static_cast<size_t>(end - p);
        size_t length = 0;
        LineShape shape = ScanBytes(p, readable, readable, true, length);
        const uint64_t at = base + static_cast<uint64_t>(p - begin);
        std::string_view line(p, length);
        if (shape.Simple) {
            // The scan saw no CR but the one of a CR LF.
            if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        } else {
            line = WithoutCrs(line, scratch);
            if (line.data() != p) shape = ScanLine(line, line.size());  // it had a CR inside
        }
        HandleLine(line, shape, at);
        p += length + 1;
    }
    return ok;
}

}  // namespace JwwGaibu
