// The host exchange record: everything read from JWC_TEMP.TXT, the attribute
// state of the output side and the output command buffer.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "JwwGaibu/EntityStore.h"
#include "JwwGaibu/Records.h"

namespace JwwGaibu {

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
    int32_t FirstGroup = 0, FirstLayer = 0;
    int32_t DefaultColor = 1, DefaultLineType = 1, DefaultWidth = 0, DefaultTextStyle = 1;
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
    int32_t CurrentGroup = 0, CurrentLayer = 0;
    int32_t CurrentColor = 1, CurrentLineType = 1, CurrentWidth = 0, CurrentTextStyle = 1;
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

    // Entities, each type in its own list, and their common file order. The
    // lists read their elements from Source, which holds the lines they came from.
    std::unique_ptr<EntitySource> Source = std::make_unique<EntitySource>();
    EntityList<LineRecord> Lines{Source.get()};
    EntityList<CiRecord> Circles{Source.get()};
    EntityList<CiArcRecord> CircleArcs{Source.get()};
    EntityList<TextRecord> Texts{Source.get()};
    EntityList<PtRecord> Points{Source.get()};
    EntityList<PtExRecord> PointsEx{Source.get()};
    EntityList<CompoundRecord> Compounds{Source.get()};
    EntityList<BlRecord> Blocks{Source.get()};
    EntityList<Sl2Record> Solids2{Source.get()};
    EntityList<Sl3Record> Solids3{Source.get()};
    EntityList<Sl4Record> Solids4{Source.get()};
    EntityList<ScRecord> ScSolids{Source.get()};
    EntityList<SeRecord> SeSolids{Source.get()};
    EntityList<SoRecord> SoSolids{Source.get()};
    EntityList<SgRecord> SgSolids{Source.get()};
    EntityOrderList EntityOrder;

    std::vector<std::string> OutputLines;
};

// The font name the host starts with ("<MS Gothic>" in full-width letters).
extern const char* const kDefaultFontName;

// The one module-level record of the host exchange.
extern HostStateRecord HostState;

void InitHostState();
void ReleaseHostState();

}  // namespace JwwGaibu
