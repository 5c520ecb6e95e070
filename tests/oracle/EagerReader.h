// The exchange-file reader as it was before entities were read on demand:
// every record filled while the file is read. Kept as the oracle that the
// lists of the present reader are compared with.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>

#include "JwwGaibu/Records.h"

namespace t742oracle {

using namespace JwwGaibu;

template <typename T>
using List = std::deque<T>;

struct EagerState {
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
    List<LineRecord> Lines;
    List<CiRecord> Circles;
    List<CiArcRecord> CircleArcs;
    List<TextRecord> Texts;
    List<PtRecord> Points;
    List<PtExRecord> PointsEx;
    List<CompoundRecord> Compounds;
    List<BlRecord> Blocks;
    List<Sl2Record> Solids2;
    List<Sl3Record> Solids3;
    List<Sl4Record> Solids4;
    List<ScRecord> ScSolids;
    List<SeRecord> SeSolids;
    List<SoRecord> SoSolids;
    List<SgRecord> SgSolids;
    List<EntityRef> EntityOrder;
};

// Reads the file (or one line) into `state`, which starts from its defaults.
bool EagerReadFile(const std::string& path, EagerState& state);
void EagerParseLine(std::string_view line, EagerState& state);

}  // namespace t742oracle
