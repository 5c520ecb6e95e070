// One round trip as the host makes it: write JWC_TEMP.TXT beside t742, run it,
// wait, read the commands back.
#pragma once

#include <string>
#include <vector>

#include "JwwGaibu/HostState.h"
#include "hoststandin/Solid.h"

namespace hoststandin {

struct Pick {
    int N = 1;
    double X = 0, Y = 0;
};

struct Request {
    std::string Drawing;  // exchange-file lines of the drawing itself (may be empty)
    std::vector<Pick> Picks;
    double AxisAngle = 0;
    std::vector<std::string> Args;  // t742's arguments
    // As the host writes it for a launcher that selects no drawing (#h0):
    // "hq" and the header lines, no drawing, labels padded; the launcher's
    // console output is dropped.
    bool LauncherHeader = false;
};

struct DrawnSolid {
    Solid Figure;
    int Color = 1;  // host colour number; 10: the arbitrary colour Rgb
    int Rgb = 0;
    int Width = 0;
};

struct Command {
    std::string Line;
    std::string Report;
    bool Understood = false;
};

struct Answer {
    int ExitStatus = 0;
    std::vector<Command> Commands;
    std::vector<DrawnSolid> Solids;
    bool Error = false;  // an "he" line: the host shows it and draws nothing
};

// The exchange file the host writes: axis angle, the drawing, the picked points.
std::string HostFileText(const Request& request);
// Runs the program (a path, or a name looked up in PATH) in `folder` (empty:
// here) and waits; the exit status, or -1 when it could not run. `quiet`
// drops its standard output, as the host shows no console.
int RunProgram(const std::string& exe, const std::vector<std::string>& args,
               const std::string& folder = "", bool quiet = false);
// Reads t742's answer (the rewritten exchange file), line by line.
Answer ReadAnswer(const std::string& bytes);
// The whole round trip with the t742 at `exe`, in its own folder.
Answer RoundTrip(const std::string& exe, const Request& request);
// The round trip through JWC_TEMP.TXT in `folder` (ending in '/'), running
// `command` there; `question`, when not null, receives what the host wrote.
Answer RoundTripIn(const std::string& folder, const std::vector<std::string>& command,
                   const Request& request, std::string* question = nullptr);

// The drawing's own entities, read with the program's reader.
JwwGaibu::HostStateRecord ReadDrawing(const std::string& bytes);

}  // namespace hoststandin
