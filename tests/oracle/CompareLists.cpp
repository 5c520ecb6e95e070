#include "oracle/CompareLists.h"

#include <cstring>

#include "JwwGaibu/HostState.h"

namespace t742oracle {

namespace {

// The bits of a record's fields, in order.
struct Bits {
    std::string s;
    Bits& operator<<(int32_t v) { return Raw(&v, sizeof v); }
    Bits& operator<<(double v) { return Raw(&v, sizeof v); }
    Bits& operator<<(const std::string& v) {
        return *this << static_cast<int32_t>(v.size()), s += v, *this;
    }
    Bits& Raw(const void* p, size_t n) {
        s.append(static_cast<const char*>(p), n);
        return *this;
    }
};

Bits& operator<<(Bits& b, const EntityHeader& h) {
    return b << h.HhpValue << h.Group << h.Layer << h.Color << h.LineType << h.Width << h.ZFlags;
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

template <typename Lazy, typename Eager>
std::string Differ(const char* name, const Lazy& lazy, const Eager& eager) {
    if (lazy.size() != eager.size())
        return std::string(name) + ": " + std::to_string(lazy.size()) + " elements, expected " +
               std::to_string(eager.size());
    size_t i = 0;
    for (const auto& element : lazy) {  // through the iterator, then by index
        Bits a, b, c;
        Put(a, element);
        Put(b, lazy[i]);
        Put(c, eager[i]);
        if (a.s != c.s || b.s != c.s)
            return std::string(name) + "[" + std::to_string(i) + "] differs";
        ++i;
    }
    return {};
}

}  // namespace

EagerState FreshEagerState() {
    EagerState s;
    s.GroupScales.fill(1.0);
    s.CurrentFontName = kDefaultFontName;
    return s;
}

std::string DifferenceFromHostState(const EagerState& e) {
    const auto& h = JwwGaibu::HostState;
    for (const std::string& d :
         {Differ("Lines", h.Lines, e.Lines), Differ("Circles", h.Circles, e.Circles),
          Differ("CircleArcs", h.CircleArcs, e.CircleArcs), Differ("Texts", h.Texts, e.Texts),
          Differ("Points", h.Points, e.Points), Differ("PointsEx", h.PointsEx, e.PointsEx),
          Differ("Compounds", h.Compounds, e.Compounds), Differ("Blocks", h.Blocks, e.Blocks),
          Differ("Solids2", h.Solids2, e.Solids2), Differ("Solids3", h.Solids3, e.Solids3),
          Differ("Solids4", h.Solids4, e.Solids4), Differ("ScSolids", h.ScSolids, e.ScSolids),
          Differ("SeSolids", h.SeSolids, e.SeSolids), Differ("SoSolids", h.SoSolids, e.SoSolids),
          Differ("SgSolids", h.SgSolids, e.SgSolids),
          Differ("EntityOrder", h.EntityOrder, e.EntityOrder)})
        if (!d.empty()) return d;
    for (size_t i = 0; i < h.PickedPoints.size(); ++i) {
        const auto &a = h.PickedPoints[i], &b = e.PickedPoints[i];
        if (a.IsSet != b.IsSet || std::memcmp(&a.X, &b.X, sizeof a.X) != 0 ||
            std::memcmp(&a.Y, &b.Y, sizeof a.Y) != 0 || a.Kind != b.Kind)
            return "PickedPoints[" + std::to_string(i) + "] differs";
    }
    if (h.HostFileName != e.HostFileName) return "HostFileName differs";
    return {};
}

}  // namespace t742oracle
