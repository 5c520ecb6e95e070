// t742host: stands in for the CAD host. It writes JWC_TEMP.TXT beside t742,
// runs it, waits, reads the commands back and draws them as SVG.
//
//   t742host --t742 PATH [--drawing FILE] [--axis DEG] [--pick N,X,Y]...
//            [--svg OUT.svg] -- T742-ARGUMENTS...
//   t742host --t742 PATH --gallery OUT.svg [--cells DIR] [--drawing FILE]
//   t742host --launchers DIR --gallery OUT.svg
//   (--cells also draws each round trip alone, as DIR/CELL.svg, the cells the
//   guide shows;
//   --launchers draws steps 1 to 5 of every launcher in DIR, beside t742.exe)
//   t742host --launcher FILE.bat [--item N] [--pick N,X,Y]... [--type VALUE | --skip]...
//            [--axis DEG] [--svg OUT.svg] [--question FILE]
//   (follows a launcher as the host does; runs it with Wine's cmd; --question
//   keeps a copy of the JWC_TEMP.TXT the host wrote; --type '' passes the
//   prompt's prefix alone, --skip nothing, the two ways a host may pass an
//   empty answer)
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "MyFunc/Files.h"
#include "MyFunc/TextConv.h"
#include "cp932iconv/Cp932Iconv.h"
#include "hoststandin/Gallery.h"
#include "hoststandin/LauncherRun.h"
#include "hoststandin/Session.h"
#include "hoststandin/Svg.h"

using namespace hoststandin;

namespace {

// A small drawing of the host's own: axis lines, a circle and a text.
const char* const kSampleDrawing =
    "lc6\r\n-50 0 50 0\r\n0 -50 0 50\r\nlc2\r\nci 0 0 50\r\n"
    "sl -60 -60 -50 -60 -50 -50 -60 -50\r\n";

int Usage() {
    std::fputs(
        "usage: t742host --t742 PATH [--drawing FILE] [--axis DEG] [--pick N,X,Y]... "
        "[--svg OUT] -- ARGS...\n"
        "       t742host --t742 PATH --gallery OUT.svg [--cells DIR] [--drawing FILE]\n"
        "       t742host --launchers DIR --gallery OUT.svg\n"
        "       t742host --launcher FILE.bat [--item N] [--pick N,X,Y]... "
        "[--type VALUE | --skip]... [--axis DEG] [--svg OUT] [--question FILE]\n",
        stderr);
    return 2;
}

void PrintCommands(const Answer& a) {
    for (const Command& c : a.Commands)
        std::printf("  %-48s %s%s\n", cp932iconv::Cp932ToUtf8(c.Line).c_str(),
                    c.Understood ? "" : "?? ", c.Report.c_str());
}

bool WriteFile(const std::string& path, const std::string& svg) {
    if (MyFunc::WriteFileAtomic(path, svg)) return true;
    std::fprintf(stderr, "t742host: cannot write %s\n", path.c_str());
    return false;
}

int FollowAndDraw(const LauncherInput& in, const std::string& svgPath,
                  const std::string& questionPath) {
    const LauncherRun run = FollowLauncher(in);
    if (!run.Error.empty()) {
        std::fprintf(stderr, "t742host: %s\n", run.Error.c_str());
        return 2;
    }
    if (!questionPath.empty() && !WriteFile(questionPath, run.Question)) return 1;
    std::printf("the batch exited with %d; %zu command line(s):\n", run.Ans.ExitStatus,
                run.Ans.Commands.size());
    PrintCommands(run.Ans);
    if (!svgPath.empty()) {
        const JwwGaibu::HostStateRecord none = ReadDrawing("");
        std::string title = in.File.substr(in.File.find_last_of('/') + 1);
        for (const auto& a : run.Req.Args) title += " " + a;
        if (!WriteFile(svgPath,
                       RenderSvg({{title, &none, run.Ans.Solids, run.Req.Picks}}, 1, 640, 480)))
            return 1;
    }
    return run.Ans.ExitStatus == 0 && !run.Ans.Error ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    std::string exe, drawingPath, svgPath, galleryPath, cellsDir, questionPath, launchersDir;
    Request request;
    LauncherInput launcher;
    int i = 1;
    for (; i < argc; ++i) {
        const std::string a = argv[i];
        auto value = [&]() -> std::string { return i + 1 < argc ? argv[++i] : ""; };
        if (a == "--") {
            ++i;
            break;
        }
        // The options that name a file or a folder.
        const std::pair<const char*, std::string*> paths[] = {{"--t742", &exe},
                                                              {"--drawing", &drawingPath},
                                                              {"--svg", &svgPath},
                                                              {"--gallery", &galleryPath},
                                                              {"--cells", &cellsDir},
                                                              {"--launchers", &launchersDir},
                                                              {"--question", &questionPath}};
        const auto path = std::find_if(std::begin(paths), std::end(paths),
                                       [&a](const auto& p) { return a == p.first; });
        if (path != std::end(paths))
            *path->second = value();
        else if (a == "--launcher")
            launcher.File = value();
        else if (a == "--item")
            launcher.Item = MyFunc::TextToInt(value());
        else if (a == "--type")
            launcher.Typed.push_back(value());
        else if (a == "--skip")
            launcher.Typed.push_back(std::nullopt);
        else if (a == "--axis")
            request.AxisAngle = MyFunc::TextToFloat(value());
        else if (a == "--pick") {
            Pick p;
            if (std::sscanf(value().c_str(), "%d,%lf,%lf", &p.N, &p.X, &p.Y) != 3) return Usage();
            request.Picks.push_back(p);
        } else
            return Usage();
    }
    for (; i < argc; ++i) request.Args.push_back(argv[i]);
    if (!launchersDir.empty() && !galleryPath.empty()) {
        std::vector<Panel> panels;
        int failures = 0;
        for (const GalleryRun& run : RunLauncherGallery(launchersDir + "/")) {
            std::printf("%s\n", run.Title.c_str());
            PrintCommands(run.Ans);
            failures += run.Ans.ExitStatus != 0 || run.Ans.Solids.empty();
            panels.push_back({run.Title, nullptr, run.Ans.Solids, run.Req.Picks});
        }
        if (!WriteFile(galleryPath, RenderSvg(panels, 5, 260, 220))) return 1;
        return failures == 0 ? 0 : 1;
    }
    if (!launcher.File.empty()) {
        launcher.Picks = request.Picks;
        launcher.AxisAngle = request.AxisAngle;
        return FollowAndDraw(launcher, svgPath, questionPath);
    }
    if (exe.empty()) return Usage();

    std::string drawing = kSampleDrawing;
    if (!drawingPath.empty() && !MyFunc::ReadFileBytes(drawingPath, drawing)) {
        std::fprintf(stderr, "t742host: cannot read %s\n", drawingPath.c_str());
        return 1;
    }
    const JwwGaibu::HostStateRecord drawn = ReadDrawing(drawing);
    request.Drawing = drawing;

    if (!galleryPath.empty()) {
        std::vector<Panel> panels;
        int failures = 0;
        for (const GalleryRun& run : RunGallery(exe, drawing)) {
            std::printf("%s\n", run.Title.c_str());
            PrintCommands(run.Ans);
            failures += run.Ans.ExitStatus != 0;
            panels.push_back({run.Title, &drawn, run.Ans.Solids, run.Req.Picks});
            if (!cellsDir.empty()) {
                if (!WriteFile(cellsDir + "/" + run.Cell + ".svg", CellSvg(run))) return 1;
            }
        }
        if (!WriteFile(galleryPath, RenderSvg(panels, 5, 260, 220))) return 1;
        return failures == 0 ? 0 : 1;
    }

    const Answer answer = RoundTrip(exe, request);
    std::printf("t742 exited with %d; %zu command line(s):\n", answer.ExitStatus,
                answer.Commands.size());
    PrintCommands(answer);
    if (!svgPath.empty()) {
        std::string title = "t742";
        for (const auto& a : request.Args) title += " " + a;
        if (!WriteFile(svgPath,
                       RenderSvg({{title, &drawn, answer.Solids, request.Picks}}, 1, 640, 480)))
            return 1;
    }
    return answer.ExitStatus == 0 ? 0 : 1;
}
