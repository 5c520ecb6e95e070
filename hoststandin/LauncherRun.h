// A launcher followed as the host follows it: its directives read, the user's
// menu choice, picks and typed text checked against what it asks, the
// exchange file written in its folder, the batch run by a real command
// interpreter (Wine's cmd), the answer read back.
#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "hoststandin/Session.h"

namespace hoststandin {

struct LauncherInput {
    std::string File;  // the launcher's path
    int Item = 0;      // the menu item chosen, 0 when none was
    std::vector<Pick> Picks;
    // One per prompt: what the user typed, passed after the prompt's prefix
    // (empty: the prefix alone); nullopt: nothing passed for it.
    std::vector<std::optional<std::string>> Typed;
    double AxisAngle = 0;
    std::vector<std::string> Interpreter{"wine", "cmd", "/c"};
    std::FILE* Messages = stdout;  // where what the host shows goes; null: nowhere
};

struct LauncherRun {
    std::string Error;  // why the host would refuse; empty when it ran
    Request Req;        // what was written, and the batch's arguments
    std::string Question;
    Answer Ans;
};

LauncherRun FollowLauncher(const LauncherInput& input);

}  // namespace hoststandin
