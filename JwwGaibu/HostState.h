// The host exchange record: everything read from JWC_TEMP.TXT, the attribute
// state of the output side and the output command buffer.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

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

// Entity lists only ever grow by appending; a deque never moves what it holds,
// so a large host file is read without copying records or doubling memory.
template <typename T>
using EntityList = std::deque<T>;

struct HostStateRecord {
    // Settings from single lines.
    double AxisAngle = 0.0;
    std::string HostFileName;
    std::array<double, 16> GroupScales{};
    double PaperWidth = 1189;
    double PaperHeight = 841;
    std::array<TextStyle, 11> TextStyles{};  // 1..10 used
    bool BzFlag = false;
    std::array<double, 5> HnValues{};  // 1..4 used

    // Values of the first line of a kind.
    int32_t FirstGroup = 0;
    int32_t FirstLayer = 0;
    int32_t DefaultColor = 1;
    int32_t DefaultLineType = 1;
    int32_t DefaultWidth = 0;
    int32_t DefaultTextStyle = 1;
    TextStyle DefaultFreeText{2.0, 2.0, 0.0, 1};
    std::string DefaultFontName;

    std::array<PickedPoint, 100> PickedPoints{};
    int32_t PickedPointCount = 0;

    std::array<int32_t, 16> GroupValues{};
    std::array<std::string, 16> GroupNames;
    std::array<int32_t, 256> LayerValues{};
    std::array<std::string, 256> LayerNames;

    bool FreshGroup = true, FreshLayer = true, FreshColor = true, FreshLineType = true,
         FreshWidth = true, FreshTextStyle = true, FreshRgb = false;

    // Current attributes.
    int32_t HhpValue = 0;
    int32_t CurrentGroup = 0;
    int32_t CurrentLayer = 0;
    int32_t CurrentColor = 1;
    int32_t CurrentLineType = 1;
    int32_t CurrentWidth = 0;
    int32_t CurrentTextStyle = 1;
    TextStyle CurrentFreeText{2.0, 2.0, 0.0, 1};
    int32_t TextCc = 0;
    std::string CurrentFontName;
    int32_t ZFlags = 0;
    int32_t PolylineCount = 0;
    bool InPolyline = false;
    bool CompoundPending = false;
    int32_t PointColor = 1;
    int32_t CurrentRgb = 0;
    LineRecord PendingLine;

    // Entities, each type in its own list, and their common file order.
    EntityList<LineRecord> Lines;
    EntityList<CiRecord> Circles;
    EntityList<CiArcRecord> CircleArcs;
    EntityList<TextRecord> Texts;
    EntityList<PtRecord> Points;
    EntityList<PtExRecord> PointsEx;
    EntityList<CompoundRecord> Compounds;
    EntityList<BlRecord> Blocks;
    EntityList<Sl2Record> Solids2;
    EntityList<Sl3Record> Solids3;
    EntityList<Sl4Record> Solids4;
    EntityList<ScRecord> ScSolids;
    EntityList<SeRecord> SeSolids;
    EntityList<SoRecord> SoSolids;
    EntityList<SgRecord> SgSolids;
    EntityList<EntityRef> EntityOrder;

    std::vector<std::string> OutputLines;
};

// The font name the host starts with ("<MS Gothic>" in full-width letters).
extern const char* const kDefaultFontName;

// The one module-level record of the host exchange.
extern HostStateRecord HostState;

void InitHostState();
void ReleaseHostState();

}  // namespace JwwGaibu
