#include "hoststandin/LauncherRun.h"

#include <algorithm>
#include <cstdio>

#include "MyFunc/Files.h"
#include "cp932iconv/Cp932Iconv.h"
#include "hoststandin/Launcher.h"

namespace hoststandin {

namespace {

// What the host shows the user, on a UTF-8 terminal.
struct Shower {
    std::FILE* to;
    void operator()(const std::string& what, const std::string& cp932 = "") const {
        if (to) std::fprintf(to, "  %s%s\n", what.c_str(), cp932iconv::Cp932ToUtf8(cp932).c_str());
    }
};

// The prefix and the typed text as the host pastes them into the batch's
// command line, unquoted: cmd splits them at every blank. (Wine quotes an
// argument that holds a blank, so each piece goes as one of its own; cmd
// then splits a piece at commas, semicolons and equals signs itself.)
void AppendTyped(std::vector<std::string>& args, const std::string& text) {
    for (size_t at = 0, end; at < text.size(); at = end + 1) {
        end = std::min(text.find_first_of(" \t", at), text.size());
        if (end > at) args.push_back(text.substr(at, end - at));
    }
}

}  // namespace

LauncherRun FollowLauncher(const LauncherInput& in) {
    LauncherRun run;
    const Shower Show{in.Messages};
    auto refuse = [&run](const std::string& why) {
        run.Error = why;
        return run;
    };
    std::string bytes;
    if (!MyFunc::ReadFileBytes(in.File, bytes)) return refuse("cannot read " + in.File);
    const LauncherDirectives d = ReadLauncher(bytes);
    Show("note: ", d.Note);
    for (const std::string& p : d.Problems) Show("problem: " + p);
    if (!d.Problems.empty()) return refuse("the host would not run this launcher");
    if (!d.Cd) return refuse("no #cd: JWC_TEMP.TXT would not be beside the launcher");

    const LauncherSection* section = &d.Common;
    if (!d.MenuItems.empty()) {
        Show("menu: ", d.MenuPrompt + " " + d.MenuTitle);
        for (size_t n = 0; n < d.MenuItems.size(); ++n)
            Show("  " + std::to_string(n + 1) + ": ", d.MenuItems[n]);
        if (in.Item < 1 || in.Item > static_cast<int>(d.MenuItems.size()))
            return refuse("choose a menu item with --item 1.." +
                          std::to_string(d.MenuItems.size()));
        section = &d.Sections[static_cast<size_t>(in.Item) - 1];
        run.Req.Args.push_back(std::to_string(in.Item));
    } else if (in.Item != 0) {
        return refuse("the launcher has no menu");
    }
    if (!section->H0) return refuse("the stand-in hands over no drawing: #h0 is needed");

    for (const LauncherPick& asked : section->Picks) {
        Show("point " + std::to_string(asked.N) + ": ", asked.Message);
        const Pick* given = nullptr;
        for (const Pick& p : in.Picks)
            if (p.N == asked.N) given = &p;
        if (!given) return refuse("point " + std::to_string(asked.N) + " was not picked");
        run.Req.Picks.push_back(*given);
    }
    for (const Pick& p : in.Picks)
        if (std::none_of(section->Picks.begin(), section->Picks.end(),
                         [&](const LauncherPick& a) { return a.N == p.N; }))
            return refuse("point " + std::to_string(p.N) + " was not asked for");
    if (in.Typed.size() != section->Prompts.size())
        return refuse("the launcher asks for " + std::to_string(section->Prompts.size()) +
                      " typed value(s), " + std::to_string(in.Typed.size()) + " given");
    for (size_t i = 0; i < in.Typed.size(); ++i) {
        Show("type: ", section->Prompts[i].Message);
        Show(in.Typed[i] ? "  typed: " + *in.Typed[i] : "  (skipped)");
        if (in.Typed[i]) AppendTyped(run.Req.Args, section->Prompts[i].Prefix + *in.Typed[i]);
    }

    run.Req.LauncherHeader = true;
    run.Req.AxisAngle = in.AxisAngle;
    const size_t slash = in.File.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "./" : in.File.substr(0, slash + 1);
    std::vector<std::string> command = in.Interpreter;
    command.push_back(in.File.substr(slash == std::string::npos ? 0 : slash + 1));
    command.insert(command.end(), run.Req.Args.begin(), run.Req.Args.end());
    run.Ans = RoundTripIn(folder, command, run.Req, &run.Question);
    return run;
}

}  // namespace hoststandin
