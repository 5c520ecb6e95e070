#include "ReaderDigest.h"

#include <array>
#include <cstdint>

#include "JwwGaibu/ExchangeReader.h"
#include "JwwGaibu/HostState.h"
#include "JwwGaibu/Tokenizer.h"

namespace t742test {

namespace {

using namespace JwwGaibu;

// The bits of fields in order, hashed as they come (64-bit FNV-1a).
struct Bits {
    uint64_t hash = 14695981039346656037u;
    Bits& operator<<(int32_t v) { return Raw(&v, sizeof v); }
    Bits& operator<<(bool v) { return *this << static_cast<int32_t>(v); }
    Bits& operator<<(double v) { return Raw(&v, sizeof v); }
    Bits& operator<<(const std::string& v) {
        return *this << static_cast<int32_t>(v.size()), Raw(v.data(), v.size());
    }
    Bits& Raw(const void* p, size_t n) {
        for (size_t i = 0; i < n; ++i)
            hash = (hash ^ static_cast<const unsigned char*>(p)[i]) * 1099511628211u;
        return *this;
    }
};

Bits& operator<<(Bits& b, const EntityHeader& h) {
    return b << h.HhpValue << h.Group << h.Layer << h.Color << h.LineType << h.Width << h.ZFlags;
}
Bits& operator<<(Bits& b, const TextStyle& s) {
    return b << s.Width << s.Height << s.Spacing << s.Color;
}
void Put(Bits& b, const LineRecord& r) {
    b << r.Header << r.PolylineNumber << r.X1 << r.Y1 << r.X2 << r.Y2;
}
void Put(Bits& b, const CiRecord& r) {
    b << r.Header << r.X << r.Y << r.R;
}
void Put(Bits& b, const CiArcRecord& r) {
    b << r.Header;
    for (double v : r.Values) b << v;
}
void Put(Bits& b, const TextRecord& r) {
    b << r.Header << r.TextKind << r.Cc << r.Style << r.Width << r.Height << r.Spacing;
    for (double v : r.Values) b << v;
    b << r.FontName << r.Text;
}
void Put(Bits& b, const PtRecord& r) {
    b << r.Header << r.X << r.Y;
}
void Put(Bits& b, const PtExRecord& r) {
    b << r.Header << r.X << r.Y << r.A << r.B << r.N;
}
void Put(Bits& b, const CompoundRecord& r) {
    b << r.Header;
    Put(b, r.Line);
    Put(b, r.Text);
}
void Put(Bits& b, const BlRecord& r) {
    b << r.Header << r.X << r.Y << r.Name;
}
void Put(Bits& b, const Sl2Record& r) {
    b << r.Header << r.Rgb << r.X1 << r.Y1 << r.X2 << r.Y2;
}
void Put(Bits& b, const Sl3Record& r) {
    b << r.Header << r.Rgb << r.X1 << r.Y1 << r.X2 << r.Y2 << r.X3 << r.Y3;
}
void Put(Bits& b, const Sl4Record& r) {
    b << r.Header << r.Rgb << r.X1 << r.Y1 << r.X2 << r.Y2 << r.X3 << r.Y3 << r.X4 << r.Y4;
}
void Put(Bits& b, const ArcSolidRecord& r) {
    b << r.Header << r.Rgb << r.X << r.Y << r.Radius << r.Flatness << r.Tilt << r.StartAngle
      << r.ArcAngle << r.Kind;
}
void Put(Bits& b, const RingSolidRecord& r) {
    b << r.Header << r.Rgb << r.X << r.Y << r.Radius << r.Flatness << r.Tilt << r.StartAngle
      << r.ArcAngle << r.InnerRadius;
}
void Put(Bits& b, const EntityRef& r) {
    b << r.Type << r.Index;
}

std::string Line(const char* name, size_t count, uint64_t hash) {
    std::string line = std::string(name) + " " + std::to_string(count) + " ";
    for (int shift = 60; shift >= 0; shift -= 4) line += "0123456789abcdef"[(hash >> shift) & 15];
    return line;
}

template <typename T>
uint64_t HashOf(const T& element) {
    Bits b;
    Put(b, element);
    return b.hash;
}

// The list through its iterator; each element is then read again by index,
// from the last to the first.
template <typename List>
void Digest(const char* name, const List& list, std::vector<std::string>& out) {
    if (list.empty()) return;
    Bits all;
    std::vector<uint64_t> each;
    for (const auto& element : list) {
        each.push_back(HashOf(element));
        all.Raw(&each.back(), sizeof(uint64_t));
    }
    out.push_back(Line(name, list.size(), all.hash));
    for (size_t i = list.size(); i-- > 0;)
        if (HashOf(list[i]) != each[i]) {
            out.push_back("! " + std::string(name) + "[" + std::to_string(i) +
                          "] reads differently");
            break;
        }
}

// Every entity of EntityOrder has the index its type's count gives it, and the
// counts are the lists' sizes.
void CheckOrder(const HostStateRecord& h, std::vector<std::string>& out) {
    std::array<int32_t, 16> counts{};
    for (size_t i = 0; i < h.EntityOrder.size(); ++i) {
        const EntityRef r = h.EntityOrder[i];
        if (r.Type < kLine || r.Type > kSg || r.Index != counts[static_cast<size_t>(r.Type)]++) {
            out.push_back("! EntityOrder[" + std::to_string(i) + "] is out of step");
            return;
        }
    }
    const size_t sizes[] = {h.Lines.size(),     h.Circles.size(),  h.CircleArcs.size(),
                            h.Texts.size(),     h.Points.size(),   h.PointsEx.size(),
                            h.Compounds.size(), h.Blocks.size(),   h.Solids2.size(),
                            h.Solids3.size(),   h.Solids4.size(),  h.ScSolids.size(),
                            h.SeSolids.size(),  h.SoSolids.size(), h.SgSolids.size()};
    for (int t = kLine; t <= kSg; ++t)
        if (sizes[t - kLine] != static_cast<size_t>(counts[static_cast<size_t>(t)]))
            out.push_back("! EntityOrder counts " + std::to_string(counts[static_cast<size_t>(t)]) +
                          " of type " + std::to_string(t));
}

}  // namespace

std::vector<std::string> ReaderDigests() {
    const HostStateRecord& h = HostState;
    std::vector<std::string> out;
    Digest("Lines", h.Lines, out);
    Digest("Circles", h.Circles, out);
    Digest("CircleArcs", h.CircleArcs, out);
    Digest("Texts", h.Texts, out);
    Digest("Points", h.Points, out);
    Digest("PointsEx", h.PointsEx, out);
    Digest("Compounds", h.Compounds, out);
    Digest("Blocks", h.Blocks, out);
    Digest("Solids2", h.Solids2, out);
    Digest("Solids3", h.Solids3, out);
    Digest("Solids4", h.Solids4, out);
    Digest("ScSolids", h.ScSolids, out);
    Digest("SeSolids", h.SeSolids, out);
    Digest("SoSolids", h.SoSolids, out);
    Digest("SgSolids", h.SgSolids, out);
    Digest("EntityOrder", h.EntityOrder, out);
    CheckOrder(h, out);

    Bits picked;
    size_t set = 0;
    for (const PickedPoint& p : h.PickedPoints) {
        picked << p.IsSet << p.X << p.Y << p.Kind;
        set += p.IsSet;
    }
    out.push_back(Line("PickedPoints", set, picked.hash));

    Bits s;
    s << h.AxisAngle << h.PaperWidth << h.PaperHeight << h.BzFlag << h.FirstGroup << h.FirstLayer
      << h.DefaultColor << h.DefaultLineType << h.DefaultWidth << h.DefaultTextStyle
      << h.DefaultFreeText << h.DefaultFontName << h.PickedPointCount;
    for (double v : h.GroupScales) s << v;
    for (const TextStyle& t : h.TextStyles) s << t;
    for (double v : h.HnValues) s << v;
    for (size_t i = 0; i < h.GroupValues.size(); ++i) s << h.GroupValues[i] << h.GroupNames[i];
    for (size_t i = 0; i < h.LayerValues.size(); ++i) s << h.LayerValues[i] << h.LayerNames[i];
    out.push_back(Line("Settings", 1, s.hash));

    if (!h.HostFileName.empty())
        out.push_back(Line("HostFileName", h.HostFileName.size(), (Bits{} << h.HostFileName).hash));
    return out;
}

void ParseLineByLine(std::string_view bytes) {
    InitHostState();
    std::string scratch;
    for (size_t from = 0; from < bytes.size() && bytes[from] != '\x1a';) {
        size_t lf = bytes.find('\n', from);
        if (lf == std::string_view::npos) lf = bytes.size();
        ParseExchangeLines(WithoutCrs(bytes.substr(from, lf - from), scratch));
        from = lf + 1;
    }
}

std::string WithoutInnerCrs(std::string_view bytes) {
    std::string out;
    for (size_t i = 0; i < bytes.size(); ++i)
        if (bytes[i] != '\r' || i == 0 || bytes[i - 1] == '\n') out.push_back(bytes[i]);
    return out;
}

}  // namespace t742test
