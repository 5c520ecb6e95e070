// Every mode and silent step as a real round trip through the exchange file.
#pragma once

#include <string>
#include <vector>

#include "hoststandin/Session.h"

namespace hoststandin {

struct GalleryRun {
    std::string Title;
    Request Req;
    Answer Ans;
};

// Runs modes 1 to 8, steps 1 to 5, in order, with the t742 at `exe` (steps 2
// repeat the figure of the step 1 before them).
std::vector<GalleryRun> RunGallery(const std::string& exe, const std::string& drawing);
// The same figures through the launchers in `folder` (ending in '/', with
// t742.exe beside them), steps 1 to 5 of each, run by Wine's cmd.
std::vector<GalleryRun> RunLauncherGallery(const std::string& folder);

}  // namespace hoststandin
