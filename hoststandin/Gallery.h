// Every mode and silent step as a real round trip through the exchange file.
#pragma once

#include <string>
#include <vector>

#include "hoststandin/Session.h"
#include "tools/Cells.h"

namespace hoststandin {

// One round trip of the gallery, and the name of its picture alone in the guide.
struct GalleryEntry {
    std::string Title;
    std::string Cell;  // file name without ".svg"
    Request Req;
};

// Modes 1 to 8, steps 1 to 5, in rows (the rings with the hole of the same
// flatness, "so"), each step 2 repeating the figure of the step 1 before it;
// then a row that sets figures beside each other: a full circle's outside in
// four pieces, and "so" and "sg" rings on the same ellipse.
std::vector<GalleryEntry> GalleryPlan(const std::string& drawing);

struct GalleryRun {
    std::string Title;
    std::string Cell;
    Request Req;
    Answer Ans;
};

// A round trip's picture alone, as the guide shows it: what t742 drew and the
// points it read, framed on them (the drawing is the gallery's to show).
inline constexpr int kCellWidth = 200, kCellHeight = 150;
std::string CellSvg(const GalleryRun& run);

// Runs the plan, in order, with the t742 at `exe`.
std::vector<GalleryRun> RunGallery(const std::string& exe, const std::string& drawing);
// The same figures through the launchers in `folder` (ending in '/', with
// t742.exe beside them), steps 1 to 5 of each, run by Wine's cmd.
std::vector<GalleryRun> RunLauncherGallery(const std::string& folder);

}  // namespace hoststandin
