// The records of the host state: text styles, picked points and the fifteen
// kinds of drawing entity, as the reader gives them.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace JwwGaibu {

struct TextStyle {
    double Width = 3.0;
    double Height = 3.0;
    double Spacing = 0.0;
    int32_t Color = 2;
};

struct PickedPoint {
    bool IsSet = false;
    double X = 0.0;
    double Y = 0.0;
    int32_t Kind = 0;  // 0 none, 1 "-", 2 "ln", 3 "ci", 4 "ch"
};

struct EntityHeader {
    int32_t HhpValue = 0;
    int32_t Group = 0;
    int32_t Layer = 0;
    int32_t Color = 1;
    int32_t LineType = 1;
    int32_t Width = 0;
    int32_t ZFlags = 0;
};

struct LineRecord {
    EntityHeader Header;
    int32_t PolylineNumber = 0;
    double X1 = 0, Y1 = 0, X2 = 1, Y2 = 0;
};
struct CiRecord {
    EntityHeader Header;
    double X = 0, Y = 0, R = 0;
};
struct CiArcRecord {
    EntityHeader Header;
    std::array<double, 7> Values{};
};
struct TextRecord {
    EntityHeader Header;
    int32_t TextKind = 0;
    int32_t Cc = 0;
    int32_t Style = 0;
    double Width = 0, Height = 0, Spacing = 0;
    std::array<double, 4> Values{};
    std::string FontName;
    std::string Text;
};
struct PtRecord {
    EntityHeader Header;
    double X = 0, Y = 0;
};
struct PtExRecord {
    EntityHeader Header;
    double X = 0, Y = 0, A = 0, B = 0;
    int32_t N = 0;
};
struct CompoundRecord {
    EntityHeader Header;
    LineRecord Line;
    TextRecord Text;
};
struct BlRecord {
    EntityHeader Header;
    double X = 0, Y = 0;
    std::string Name;
};
struct Sl2Record {
    EntityHeader Header;
    int32_t Rgb = 0;
    double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
};
struct Sl3Record {
    EntityHeader Header;
    int32_t Rgb = 0;
    double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0, X3 = 0, Y3 = 0;
};
struct Sl4Record {
    EntityHeader Header;
    int32_t Rgb = 0;
    double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0, X3 = 0, Y3 = 0, X4 = 0, Y4 = 0;
};
// "sc" and "se" records.
struct ArcSolidRecord {
    EntityHeader Header;
    int32_t Rgb = 0;
    double X = 0, Y = 0, Radius = 0, Flatness = 0, Tilt = 0, StartAngle = 0, ArcAngle = 0;
    int32_t Kind = 0;
};
// "so" and "sg" records.
struct RingSolidRecord {
    EntityHeader Header;
    int32_t Rgb = 0;
    double X = 0, Y = 0, Radius = 0, Flatness = 0, Tilt = 0, StartAngle = 0, ArcAngle = 0,
           InnerRadius = 0;
};
using ScRecord = ArcSolidRecord;
using SeRecord = ArcSolidRecord;
using SoRecord = RingSolidRecord;
using SgRecord = RingSolidRecord;

// Entity types as numbered in EntityOrder.
enum EntityType : int32_t {
    kLine = 1,
    kCi,
    kCiArc,
    kText,
    kPt,
    kPtEx,
    kCompound,
    kBl,
    kSl2,
    kSl3,
    kSl4,
    kSc,
    kSe,
    kSo,
    kSg,
};

struct EntityRef {
    int32_t Type = 0;
    int32_t Index = 0;
};

}  // namespace JwwGaibu
