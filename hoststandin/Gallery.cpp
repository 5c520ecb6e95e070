#include "hoststandin/Gallery.h"

#include <algorithm>

#include "MyFunc/Files.h"
#include "MyFunc/Geometry.h"
#include "hoststandin/Launcher.h"
#include "hoststandin/LauncherRun.h"
#include "tools/Launchers.h"

namespace hoststandin {

namespace {

// Picked points of each step, shared by all modes: a mode reads the ones it needs.
std::vector<Pick> PicksFor(int step, double axisAngle) {
    switch (step) {
        case 1:
            return {{1, 0, 0}, {2, 40, 0}, {3, 15, 10}, {4, -10, 30}, {5, 0, -30}};
        case 2:
            return {{1, 100, 0}};
        case 3:
            return {{1, 0, -100}};
        case 4:
            return {{1, 40, 0}, {2, 0, 40}, {3, -28, -28}, {4, 10, 0}};
        default: {
            // A rectangle and three points given in the axis frame, turned to the drawing.
            const double frame[5][2] = {{-40, -20}, {40, 20}, {20, 5}, {-30, 15}, {10, -20}};
            std::vector<Pick> picks;
            for (int i = 0; i < 5; ++i) {
                Pick p{i + 1, 0, 0};
                MyFunc::RotatePointDeg(frame[i][0], frame[i][1], 0, 0, axisAngle, p.X, p.Y);
                picks.push_back(p);
            }
            return picks;
        }
    }
}

std::vector<std::string> NumbersFor(int mode) {
    switch (mode) {
        case 1:
        case 3:
            return {"30"};
        case 7:
            return {"1", "30", "15"};
        case 8:
            return {"0", "30", "15", "45", "315"};
        default:
            return {"30", "30", "300"};
    }
}

}  // namespace

std::vector<GalleryRun> RunGallery(const std::string& exe, const std::string& drawing) {
    std::vector<GalleryRun> runs;
    for (int mode = 1; mode <= 8; ++mode) {
        for (int step = 1; step <= 5; ++step) {
            GalleryRun run;
            run.Req.Drawing = drawing;
            run.Req.AxisAngle = step == 5 ? 20 : 0;
            run.Req.Picks = PicksFor(step, run.Req.AxisAngle);
            run.Req.Args = {std::to_string(mode), std::to_string(step)};
            if (step == 3) {
                const auto n = NumbersFor(mode);
                run.Req.Args.insert(run.Req.Args.end(), n.begin(), n.end());
            } else if (mode == 7) {
                run.Req.Args.push_back("1");  // "sg" rings
            }
            run.Title = "t742";
            for (const auto& a : run.Req.Args) run.Title += " " + a;
            if (step == 5) run.Title += "  (axis 20)";
            run.Ans = RoundTrip(exe, run.Req);
            runs.push_back(std::move(run));
        }
    }
    return runs;
}

std::vector<GalleryRun> RunLauncherGallery(const std::string& folder) {
    std::vector<GalleryRun> runs;
    for (const tools::Launcher& launcher : tools::LauncherSet()) {
        if (launcher.Mode == 0) continue;  // the settings draw nothing
        LauncherInput in;
        in.File = folder + launcher.FileName;
        in.Messages = nullptr;
        std::string bytes;
        MyFunc::ReadFileBytes(in.File, bytes);
        const LauncherDirectives d = ReadLauncher(bytes);
        for (int step = 1; step <= 5 && static_cast<size_t>(step) <= d.Sections.size(); ++step) {
            const LauncherSection& s = d.Sections[static_cast<size_t>(step) - 1];
            in.Item = step;
            in.AxisAngle = step == 5 ? 20 : 0;
            in.Picks.clear();
            for (const Pick& p : PicksFor(step, in.AxisAngle))
                if (std::any_of(s.Picks.begin(), s.Picks.end(),
                                [&](const LauncherPick& a) { return a.N == p.N; }))
                    in.Picks.push_back(p);
            auto numbers = NumbersFor(launcher.Mode);
            if (launcher.Mode >= 7) numbers.erase(numbers.begin());  // the launcher's own option
            in.Typed.assign(numbers.begin(), numbers.end());
            in.Typed.resize(step == 3 ? s.Prompts.size() : 0);
            const LauncherRun run = FollowLauncher(in);
            GalleryRun g{launcher.FileName + " " + std::to_string(step), run.Req, run.Ans};
            if (!run.Error.empty()) g.Ans.ExitStatus = -1, g.Title += " (" + run.Error + ")";
            runs.push_back(std::move(g));
        }
    }
    return runs;
}

}  // namespace hoststandin
