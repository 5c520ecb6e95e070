// Draws a drawing, the answer's solids and the picked points as SVG.
#pragma once

#include <string>
#include <vector>

#include "JwwGaibu/HostState.h"
#include "hoststandin/Session.h"

namespace hoststandin {

// The stand-in's colours: host line colours 1 to 9, SXF colours (101 to 356),
// or the arbitrary colour for colour 10.
std::string ColorOf(int hostColor, int rgb);

// The width, in pixels of the picture, of the line an "se" record draws.
inline constexpr double kLineSolidWidth = 3;

struct Panel {
    std::string Title;
    const JwwGaibu::HostStateRecord* Drawing = nullptr;  // may be null
    std::vector<DrawnSolid> Solids;
    std::vector<Pick> Picks;
};

// One SVG document with the panels in a grid of `columns`, each w x h pixels.
std::string RenderSvg(const std::vector<Panel>& panels, int columns, int w, int h);

}  // namespace hoststandin
