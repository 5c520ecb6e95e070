#include "oracle/EagerReader.h"

#include <array>
#include <cmath>
#include <cstring>
#include <memory>

#include "MyFunc/Files.h"
#include "MyFunc/TextConv.h"

namespace t742oracle {

using MyFunc::TextToFloat;
using MyFunc::TextToInt;
constexpr int kMaxFields = 32;

namespace {

// The fields of the line being handled. The bytes live in one buffer that is
// reused from line to line, so tokenizing allocates nothing once it is large
// enough for the longest line.
struct Fields {
    std::string bytes;
    uint32_t start[kMaxFields + 1] = {};
    uint32_t length[kMaxFields + 1] = {};
    int count = 0;

    // Field n, 1-based; empty beyond the count.
    std::string_view operator[](int n) const {
        if (n < 1 || n > count) return {};
        return std::string_view(bytes.data() + start[n], length[n]);
    }
    double Float(int n) const { return TextToFloat((*this)[n]); }
    int32_t Int(int n) const { return TextToInt((*this)[n]); }
};

Fields gFields;
EagerState* gState = nullptr;

// What the tokenizer does with each byte.
enum ByteClass : unsigned char { kKeep, kLead, kQuote, kEquals, kBlank, kTab, kDrop };

constexpr std::array<ByteClass, 256> MakeByteClasses() {
    std::array<ByteClass, 256> c{};
    for (int b = 0; b < 256; ++b) {
        const auto u = static_cast<unsigned char>(b);
        if (MyFunc::IsLeadByte(u))
            c[u] = kLead;
        else if (b == '"')
            c[u] = kQuote;
        else if (b == '=')
            c[u] = kEquals;
        else if (b == ' ')
            c[u] = kBlank;
        else if (b == '\t')
            c[u] = kTab;
        else if (b >= 0x20 && b <= 0xFD)
            c[u] = kKeep;
        else
            c[u] = kDrop;
    }
    return c;
}

constexpr std::array<ByteClass, 256> kByteClass = MakeByteClasses();

void Tokenize(std::string_view line, Fields& f) {
    // The fields never hold more bytes than the line, so the buffer is sized once.
    if (f.bytes.size() < line.size()) f.bytes.resize(line.size());
    char* out = f.bytes.data();
    uint32_t used = 0;
    int current = 1;
    f.start[1] = 0;
    bool splitting = true;
    const auto* p = reinterpret_cast<const unsigned char*>(line.data());
    const size_t n = line.size();
    for (size_t i = 0; i < n; ++i) {
        const unsigned char b = p[i];
        switch (kByteClass[b]) {
            case kKeep:
                out[used++] = static_cast<char>(b);
                break;
            case kLead:
                if (i + 1 >= n) goto done;  // a lead byte without its trail byte is dropped
                out[used++] = static_cast<char>(b);
                out[used++] = static_cast<char>(p[++i]);
                break;
            case kQuote:
                if (splitting)
                    splitting = false;
                else
                    out[used++] = '"';
                break;
            case kEquals:
                out[used++] = '=';
                splitting = false;
                break;
            case kBlank:
            case kTab:
                if (!splitting) {
                    if (b == ' ') out[used++] = ' ';  // tabs are dropped once splitting is off
                } else if (used > f.start[current]) {
                    if (current == kMaxFields) goto done;  // surplus fields are ignored
                    f.length[current] = used - f.start[current];
                    f.start[++current] = used;
                }
                break;
            case kDrop:
                break;
        }
    }
done:
    f.length[current] = used - f.start[current];
    f.count = current;
}

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

std::string CutTo255(std::string_view s) {
    return std::string(s.substr(0, 255));
}

EntityHeader CurrentHeader() {
    const EagerState& h = *gState;
    return EntityHeader{h.HhpValue,        h.CurrentGroup, h.CurrentLayer, h.CurrentColor,
                        h.CurrentLineType, h.CurrentWidth, h.ZFlags};
}

// Appends a record, headed by the current attributes, to its list and its place
// to EntityOrder.
template <typename Record>
Record& Store(List<Record>& list, EntityType type) {
    EagerState& h = *gState;
    h.EntityOrder.push_back(EntityRef{type, static_cast<int32_t>(list.size())});
    Record& r = list.emplace_back();
    r.Header = CurrentHeader();
    return r;
}

// After every stored entity: the z flags are cleared, and every entity but a
// plain line also ends a polyline run and a pending compound.
void FinishEntity(bool keepRunState) {
    EagerState& h = *gState;
    h.ZFlags = 0;
    if (!keepRunState) {
        h.InPolyline = false;
        h.CompoundPending = false;
    }
}

// Group, layer: one hexadecimal digit as the third character, 0 when not 0..15.
int32_t HexDigitField(std::string_view field1) {
    std::string text = "$";
    if (field1.size() >= 3) text.push_back(field1[2]);
    const int32_t v = TextToInt(text);
    return (v < 0 || v > 15) ? 0 : v;
}

void FillText(TextRecord& t, int kind, const Fields& f) {
    const EagerState& h = *gState;
    t.TextKind = kind;
    t.Cc = h.TextCc;
    t.Style = h.CurrentTextStyle;
    const TextStyle& style = (t.Style >= 1 && t.Style <= 10)
                                 ? h.TextStyles[static_cast<size_t>(t.Style)]
                                 : h.CurrentFreeText;
    t.Width = style.Width;
    t.Height = style.Height;
    t.Spacing = style.Spacing;
    t.Header.Color = style.Color;
    for (int i = 0; i < 4; ++i) t.Values[static_cast<size_t>(i)] = f.Float(2 + i);
    t.FontName = CutTo255(h.CurrentFontName);
    t.Text = CutTo255(f[6]);
}

bool Coincide(double ax, double ay, double bx, double by) {
    return std::fabs(ax - bx) <= 1e-10 && std::fabs(ay - by) <= 1e-10;
}

struct P {
    double x, y;
};

void StoreSl2(P a, P b) {
    Sl2Record& r = Store(gState->Solids2, kSl2);
    r.Rgb = gState->CurrentRgb;
    r.X1 = a.x, r.Y1 = a.y, r.X2 = b.x, r.Y2 = b.y;
}
void StoreSl3(P a, P b, P c) {
    Sl3Record& r = Store(gState->Solids3, kSl3);
    r.Rgb = gState->CurrentRgb;
    r.X1 = a.x, r.Y1 = a.y, r.X2 = b.x, r.Y2 = b.y, r.X3 = c.x, r.Y3 = c.y;
}

void StoreSolidLine(const Fields& f) {
    const P p1{f.Float(2), f.Float(3)}, p2{f.Float(4), f.Float(5)}, p3{f.Float(6), f.Float(7)};
    auto same = [](P a, P b) { return Coincide(a.x, a.y, b.x, b.y); };
    if (f.count == 7) {
        if (same(p1, p2))
            StoreSl2(p1, p3);
        else if (same(p2, p3))
            StoreSl2(p1, p2);
        else
            StoreSl3(p1, p2, p3);
        return;
    }
    const P p4{f.Float(8), f.Float(9)};
    if (same(p1, p2) && same(p1, p3))
        StoreSl2(p1, p4);
    else if (same(p2, p3) && same(p2, p4))
        StoreSl2(p1, p2);
    else if (same(p1, p2) && same(p3, p4))
        StoreSl2(p1, p3);
    else if (same(p4, p1) || same(p4, p2) || same(p4, p3))
        StoreSl3(p1, p2, p3);
    else if (same(p3, p1) || same(p3, p2))
        StoreSl3(p1, p2, p4);
    else if (same(p2, p1))
        StoreSl3(p1, p3, p4);
    else {
        Sl4Record& r = Store(gState->Solids4, kSl4);
        r.Rgb = gState->CurrentRgb;
        r.X1 = p1.x, r.Y1 = p1.y, r.X2 = p2.x, r.Y2 = p2.y;
        r.X3 = p3.x, r.Y3 = p3.y, r.X4 = p4.x, r.Y4 = p4.y;
    }
}

void StoreArcSolid(List<ArcSolidRecord>& list, EntityType type, const Fields& f) {
    ArcSolidRecord& r = Store(list, type);
    r.Rgb = gState->CurrentRgb;
    r.X = f.Float(2), r.Y = f.Float(3), r.Radius = f.Float(4), r.Flatness = f.Float(5);
    r.Tilt = f.Float(6), r.StartAngle = f.Float(7), r.ArcAngle = f.Float(8);
    r.Kind = f.Int(9);
}

void StoreRingSolid(List<RingSolidRecord>& list, EntityType type, const Fields& f) {
    RingSolidRecord& r = Store(list, type);
    r.Rgb = gState->CurrentRgb;
    r.X = f.Float(2), r.Y = f.Float(3), r.Radius = f.Float(4), r.Flatness = f.Float(5);
    r.Tilt = f.Float(6), r.StartAngle = f.Float(7), r.ArcAngle = f.Float(8);
    r.InnerRadius = f.Float(9);
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
    PickedPoint& pt = gState->PickedPoints[static_cast<size_t>(n)];
    pt.IsSet = true;
    pt.X = f.Float(2);
    pt.Y = f.Float(3);
    pt.Kind = kind;
    ++gState->PickedPointCount;
}

void HhpLine(std::string_view k) {
    size_t n = k.size();
    for (std::string_view suffix : {"ln", "ci", "ch"}) {
        const size_t p = PosOf(k, suffix);
        if (p > 4) n = p - 4;
    }
    gState->HhpValue = TextToInt(Copy(k, 4, n));
}

int TextKindOf(std::string_view k) {
    static constexpr std::string_view kKinds[] = {"ch", "cv", "cs", "cr", "co",
                                                  "cp", "ct", "ck", "cz", "c2"};
    for (int i = 0; i < 10; ++i)
        if (k == kKinds[i]) return i;
    return -1;
}

void PlainLine(const Fields& f) {
    EagerState& h = *gState;
    if (h.CompoundPending) {
        h.PendingLine =
            LineRecord{CurrentHeader(), 0, f.Float(1), f.Float(2), f.Float(3), f.Float(4)};
        h.ZFlags = 0;
        return;
    }
    LineRecord& r = Store(h.Lines, kLine);
    r.PolylineNumber = h.InPolyline ? h.PolylineCount : 0;
    r.X1 = f.Float(1), r.Y1 = f.Float(2), r.X2 = f.Float(3), r.Y2 = f.Float(4);
    FinishEntity(true);
}

// The lines that set something rather than store an entity: the host's
// settings, the current attributes, the "pl", "msg" and "#" markers and the
// picked points. True when the line was taken.
bool SettingLine(const Fields& f) {
    EagerState& h = *gState;
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

// The keyword lines that store an entity. True when the line stored one.
bool EntityLine(const Fields& f) {
    EagerState& h = *gState;
    const std::string_view k = f[1];
    const int n = f.count;

    if (k == "ci") {
        if (n == 4) {
            CiRecord& r = Store(h.Circles, kCi);
            r.X = f.Float(2), r.Y = f.Float(3), r.R = f.Float(4);
            return true;
        }
        if (n >= 8) {
            CiArcRecord& r = Store(h.CircleArcs, kCiArc);
            for (int i = 0; i < 7; ++i) r.Values[static_cast<size_t>(i)] = f.Float(2 + i);
            return true;
        }
        return false;
    }
    if (const int kind = TextKindOf(k); kind >= 0) {
        if (n < 6) return false;
        if (h.CompoundPending && kind == 2) {
            CompoundRecord& r = Store(h.Compounds, kCompound);
            r.Line = h.PendingLine;
            r.Text.Header = CurrentHeader();
            FillText(r.Text, kind, f);
        } else {
            FillText(Store(h.Texts, kText), kind, f);
        }
        return true;
    }
    if (k == "pt") {
        if (n == 3) {
            PtRecord& r = Store(h.Points, kPt);
            r.Header.Color = h.PointColor;
            r.X = f.Float(2), r.Y = f.Float(3);
            return true;
        }
        if (n >= 6) {
            PtExRecord& r = Store(h.PointsEx, kPtEx);
            r.Header.Color = h.PointColor;
            r.X = f.Float(2), r.Y = f.Float(3), r.A = f.Float(4), r.B = f.Float(5), r.N = f.Int(6);
            return true;
        }
        return false;
    }
    if (k == "BL") {
        if (n < 4) return false;
        BlRecord& r = Store(h.Blocks, kBl);
        r.X = f.Float(2), r.Y = f.Float(3), r.Name = std::string(f[4]);
        return true;
    }
    if (k == "sl") {
        if (n == 5) {
            StoreSl2({f.Float(2), f.Float(3)}, {f.Float(4), f.Float(5)});
            return true;
        }
        if (n == 7 || n >= 9) {
            StoreSolidLine(f);
            return true;
        }
        return false;
    }
    if (n >= 9) {
        if (k == "sc") {
            StoreArcSolid(h.ScSolids, kSc, f);
            return true;
        }
        if (k == "se") {
            StoreArcSolid(h.SeSolids, kSe, f);
            return true;
        }
        if (k == "so") {
            StoreRingSolid(h.SoSolids, kSo, f);
            return true;
        }
        if (k == "sg") {
            StoreRingSolid(h.SgSolids, kSg, f);
            return true;
        }
    }
    return false;
}

// Whether any keyword can possibly take a line whose field 1 starts with c;
// lets plain coordinate lines skip the keyword tests.
bool MayBeKeyword(char c) {
    switch (c) {
        case 'h':
        case 'b':
        case 'l':
        case 'c':
        case 'z':
        case 'p':
        case 'm':
        case '#':
        case 'B':
        case 's':
            return true;
        default:
            return false;
    }
}

}  // namespace

void ParseLine(std::string_view line) {
    if (line.empty()) return;
    Fields& f = gFields;
    Tokenize(line, f);
    const std::string_view k = f[1];
    if (f.count == 1 && k.empty()) return;

    if (k.find("file=") != std::string_view::npos) {
        gState->HostFileName = std::string(Copy(k, 6, std::string_view::npos));
        return;
    }
    if (!k.empty() && MayBeKeyword(k[0])) {
        if (SettingLine(f)) return;
        if (EntityLine(f)) {
            FinishEntity(false);
            return;
        }
    }
    if (f.count == 4) PlainLine(f);
}

// Hands one raw line (without its LF) to the parser: CRs are dropped, and a
// Ctrl-Z at its start ends the file. Returns false at such a Ctrl-Z.
bool HandleRawLine(std::string_view raw, std::string& scratch) {
    if (!raw.empty() && raw[0] == '\x1a') return false;
    if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);  // the usual CR LF
    if (std::memchr(raw.data(), '\r', raw.size()) == nullptr) {
        ParseLine(raw);
        return true;
    }
    scratch.clear();
    for (char c : raw)
        if (c != '\r') scratch.push_back(c);
    ParseLine(scratch);
    return true;
}

bool ReadFile(const std::string& path) {
    MyFunc::FileReader file(path);
    if (!file.IsOpen()) return false;
    // Read in chunks: a line that spans two chunks is gathered in `carry`.
    constexpr size_t kChunk = 1 << 18;
    // Not zero-filled: a small file touches only the pages it is read into.
    const std::unique_ptr<char[]> chunk(new char[kChunk]);
    std::string carry;
    std::string scratch;
    bool ok = true;
    bool ended = false;
    while (!ended) {
        const std::ptrdiff_t got = file.Read(chunk.get(), kChunk);
        if (got < 0) {
            ok = false;
            break;
        }
        if (got == 0) break;
        const char* p = chunk.get();
        const char* end = p + got;
        while (p < end) {
            const char* lf =
                static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(end - p)));
            if (lf == nullptr) {
                carry.append(p, end);
                break;
            }
            std::string_view line(p, static_cast<size_t>(lf - p));
            if (!carry.empty()) {
                carry.append(line);
                line = carry;
            }
            if (!HandleRawLine(line, scratch)) {
                ended = true;
                break;
            }
            carry.clear();
            p = lf + 1;
        }
    }
    if (ok && !ended && !carry.empty()) HandleRawLine(carry, scratch);
    return ok;
}

bool EagerReadFile(const std::string& path, EagerState& state) {
    gState = &state;
    return ReadFile(path);
}

void EagerParseLine(std::string_view line, EagerState& state) {
    gState = &state;
    ParseLine(line);
}

}  // namespace t742oracle
