#include "JwwGaibu/EntityDecode.h"

#include <cmath>

#include "JwwGaibu/EntityStore.h"

namespace JwwGaibu {

namespace {

struct P {
    double x, y;
};

bool Same(P a, P b) {
    return std::fabs(a.x - b.x) <= kSamePoint && std::fabs(a.y - b.y) <= kSamePoint;
}

SolidShape Shape(EntityType type, std::initializer_list<P> points) {
    SolidShape s;
    s.Type = type;
    int i = 0;
    for (P p : points) s.X[i] = p.x, s.Y[i] = p.y, ++i;
    return s;
}

// The line of the entity at `at`, tokenized, and its attributes.
thread_local Fields tFields;
thread_local std::string tScratch;

const Attributes& Read(const EntitySource& s, uint64_t at) {
    Tokenize(s.LineAt(at, tScratch), tFields);
    return s.AttributesAt(at);
}

void FillText(TextRecord& t, int kind, const Fields& f, const Attributes& a,
              const EntitySource& s) {
    t.TextKind = kind;
    t.Cc = a.Cc;
    t.Style = a.Style;
    const TextStyle& style = s.Style(a);
    t.Width = style.Width;
    t.Height = style.Height;
    t.Spacing = style.Spacing;
    t.Header.Color = style.Color;
    for (int i = 0; i < 4; ++i) t.Values[static_cast<size_t>(i)] = f.Float(2 + i);
    t.FontName = s.Font(a);
    t.Text = std::string(f[6].substr(0, 255));
}

}  // namespace

SolidShape ClassifySolid(const Fields& f) {
    double v[8];
    for (int i = 0; i < 8; ++i) v[i] = f.Float(2 + i);
    return ClassifySolid(f.count, v);
}

SolidShape ClassifySolid(int count, const double v[8]) {
    const P p1{v[0], v[1]}, p2{v[2], v[3]};
    if (count == 5) return Shape(kSl2, {p1, p2});
    const P p3{v[4], v[5]};
    if (count == 7) {
        if (Same(p1, p2)) return Shape(kSl2, {p1, p3});
        if (Same(p2, p3)) return Shape(kSl2, {p1, p2});
        return Shape(kSl3, {p1, p2, p3});
    }
    const P p4{v[6], v[7]};
    if (Same(p1, p2) && Same(p1, p3)) return Shape(kSl2, {p1, p4});
    if (Same(p2, p3) && Same(p2, p4)) return Shape(kSl2, {p1, p2});
    if (Same(p1, p2) && Same(p3, p4)) return Shape(kSl2, {p1, p3});
    if (Same(p4, p1) || Same(p4, p2) || Same(p4, p3)) return Shape(kSl3, {p1, p2, p3});
    if (Same(p3, p1) || Same(p3, p2)) return Shape(kSl3, {p1, p2, p4});
    if (Same(p2, p1)) return Shape(kSl3, {p1, p3, p4});
    return Shape(kSl4, {p1, p2, p3, p4});
}

int TextKindOf(std::string_view k) {
    static constexpr std::string_view kKinds[] = {"ch", "cv", "cs", "cr", "co",
                                                  "cp", "ct", "ck", "cz", "c2"};
    for (int i = 0; i < 10; ++i)
        if (k == kKinds[i]) return i;
    return -1;
}

void DecodeEntity(const EntitySource& s, uint64_t at, LineRecord& out) {
    const Attributes& a = Read(s, at);
    const Fields& f = tFields;
    out = LineRecord{a.Header, a.PolylineNumber, f.Float(1), f.Float(2), f.Float(3), f.Float(4)};
}

void DecodeEntity(const EntitySource& s, uint64_t at, CiRecord& out) {
    const Attributes& a = Read(s, at);
    const Fields& f = tFields;
    out = CiRecord{a.Header, f.Float(2), f.Float(3), f.Float(4)};
}

void DecodeEntity(const EntitySource& s, uint64_t at, CiArcRecord& out) {
    out.Header = Read(s, at).Header;
    for (int i = 0; i < 7; ++i) out.Values[static_cast<size_t>(i)] = tFields.Float(2 + i);
}

void DecodeEntity(const EntitySource& s, uint64_t at, TextRecord& out) {
    const Attributes& a = Read(s, at);
    out.Header = a.Header;
    FillText(out, TextKindOf(tFields[1]), tFields, a, s);
}

void DecodeEntity(const EntitySource& s, uint64_t at, PtRecord& out) {
    const Attributes& a = Read(s, at);
    out = PtRecord{a.Header, tFields.Float(2), tFields.Float(3)};
    out.Header.Color = a.PointColor;
}

void DecodeEntity(const EntitySource& s, uint64_t at, PtExRecord& out) {
    const Attributes& a = Read(s, at);
    const Fields& f = tFields;
    out = PtExRecord{a.Header, f.Float(2), f.Float(3), f.Float(4), f.Float(5), f.Int(6)};
    out.Header.Color = a.PointColor;
}

void DecodeEntity(const EntitySource& s, uint64_t at, CompoundRecord& out) {
    const Attributes& a = Read(s, at);
    out.Header = a.Header;
    out.Line = s.Pending(a);
    out.Text.Header = a.Header;
    FillText(out.Text, TextKindOf(tFields[1]), tFields, a, s);
}

void DecodeEntity(const EntitySource& s, uint64_t at, BlRecord& out) {
    const Attributes& a = Read(s, at);
    out = BlRecord{a.Header, tFields.Float(2), tFields.Float(3), std::string(tFields[4])};
}

void DecodeEntity(const EntitySource& s, uint64_t at, Sl2Record& out) {
    const Attributes& a = Read(s, at);
    const SolidShape p = ClassifySolid(tFields);
    out = Sl2Record{a.Header, a.Rgb, p.X[0], p.Y[0], p.X[1], p.Y[1]};
}

void DecodeEntity(const EntitySource& s, uint64_t at, Sl3Record& out) {
    const Attributes& a = Read(s, at);
    const SolidShape p = ClassifySolid(tFields);
    out = Sl3Record{a.Header, a.Rgb, p.X[0], p.Y[0], p.X[1], p.Y[1], p.X[2], p.Y[2]};
}

void DecodeEntity(const EntitySource& s, uint64_t at, Sl4Record& out) {
    const Attributes& a = Read(s, at);
    const SolidShape p = ClassifySolid(tFields);
    out =
        Sl4Record{a.Header, a.Rgb, p.X[0], p.Y[0], p.X[1], p.Y[1], p.X[2], p.Y[2], p.X[3], p.Y[3]};
}

void DecodeEntity(const EntitySource& s, uint64_t at, ArcSolidRecord& out) {
    const Attributes& a = Read(s, at);
    const Fields& f = tFields;
    out = ArcSolidRecord{a.Header,   a.Rgb,      f.Float(2), f.Float(3), f.Float(4),
                         f.Float(5), f.Float(6), f.Float(7), f.Float(8), f.Int(9)};
}

void DecodeEntity(const EntitySource& s, uint64_t at, RingSolidRecord& out) {
    const Attributes& a = Read(s, at);
    const Fields& f = tFields;
    out = RingSolidRecord{a.Header,   a.Rgb,      f.Float(2), f.Float(3), f.Float(4),
                          f.Float(5), f.Float(6), f.Float(7), f.Float(8), f.Float(9)};
}

}  // namespace JwwGaibu
