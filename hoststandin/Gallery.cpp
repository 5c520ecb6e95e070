#include "hoststandin/Gallery.h"

#include <algorithm>

#include "MyFunc/Files.h"
#include "MyFunc/Geometry.h"
#include "figures/Figure.h"
#include "figures/StepInputs.h"
#include "hoststandin/Launcher.h"
#include "hoststandin/LauncherRun.h"
#include "hoststandin/Svg.h"
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
            const double frame[5][2] = {{-40, -20}, {40, 20}, {20, 5}, {-30, 15}, {-10, 20}};
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
            return {"0", "30", "15"};
        case 8:
            return {"0", "30", "15", "45", "315"};
        default:
            return {"30", "30", "300"};
    }
}

}  // namespace

std::vector<GalleryEntry> GalleryPlan(const std::string& drawing) {
    std::vector<GalleryEntry> plan;
    auto add = [&](const std::vector<std::string>& args, int picksOf, const std::string& cell) {
        GalleryEntry e;
        e.Cell = cell;
        e.Req.Drawing = drawing;
        e.Req.AxisAngle = picksOf == 5 ? 20 : 0;
        // As the host writes them for a launcher: the points the step reads,
        // and so the ones the picture shows.
        e.Req.Picks = PicksFor(picksOf, e.Req.AxisAngle);
        const figures::ModeSpec& m = *figures::FindMode(std::stoi(args[0]));
        e.Req.Picks.resize(
            std::min(e.Req.Picks.size(), figures::PointsRead(m.shape, std::stoi(args[1])).size()));
        e.Req.Args = args;
        e.Title = "t742";
        for (const auto& a : args) e.Title += " " + a;
        if (picksOf == 5) e.Title += "  (axis 20)";
        plan.push_back(std::move(e));
    };
    for (int mode = 1; mode <= figures::kModeCount; ++mode) {
        const bool option = figures::FindMode(mode)->TakesOption;
        for (int step = 1; step <= 5; ++step) {
            std::vector<std::string> args{std::to_string(mode), std::to_string(step)};
            if (step == 3) {
                const auto n = NumbersFor(mode);
                args.insert(args.end(), n.begin(), n.end());
            } else if (option) {
                args.push_back("0");  // "so" rings
            }
            add(args, step, tools::CellFor(mode, step));
        }
    }
    add({"6", "3", "30", "0", "360"}, 3, "m6full");
    add({"7", "5", "0"}, 5, tools::CellFor(7, 5) + "so");
    add({"7", "5", "1"}, 5, tools::CellFor(7, 5) + "sg");
    add({"8", "5", "0"}, 5, tools::CellFor(8, 5) + "so");
    add({"8", "5", "1"}, 5, tools::CellFor(8, 5) + "sg");
    return plan;
}

std::string CellSvg(const GalleryRun& run) {
    return RenderSvg({{"", nullptr, run.Ans.Solids, run.Req.Picks}}, 1, kCellWidth, kCellHeight);
}

std::vector<GalleryRun> RunGallery(const std::string& exe, const std::string& drawing) {
    std::vector<GalleryRun> runs;
    for (GalleryEntry& e : GalleryPlan(drawing)) {
        Answer answer = RoundTrip(exe, e.Req);
        runs.push_back(
            {std::move(e.Title), std::move(e.Cell), std::move(e.Req), std::move(answer)});
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
            // The launcher gives its own option.
            if (figures::FindMode(launcher.Mode)->TakesOption) numbers.erase(numbers.begin());
            in.Typed.assign(numbers.begin(), numbers.end());
            in.Typed.resize(step == 3 ? s.Prompts.size() : 0);
            const LauncherRun run = FollowLauncher(in);
            GalleryRun g{launcher.FileName + " " + std::to_string(step),
                         tools::CellFor(launcher.Mode, step), run.Req, run.Ans};
            if (!run.Error.empty()) g.Ans.ExitStatus = -1, g.Title += " (" + run.Error + ")";
            runs.push_back(std::move(g));
        }
    }
    return runs;
}

}  // namespace hoststandin
