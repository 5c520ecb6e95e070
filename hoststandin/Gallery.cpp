#include "hoststandin/Gallery.h"

#include "MyFunc/Geometry.h"

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

}  // namespace hoststandin
