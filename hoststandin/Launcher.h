// Reads a launcher's directives as the host does: only a `#` within the first
// 10 bytes of a line starts a directive; `#e` ends the directives (or a menu
// item's section); `#hm` offers a menu whose item n has its own section
// `#:n` … `#e`. Texts stay code page 932 bytes.
#pragma once

#include <string>
#include <vector>

namespace hoststandin {

struct LauncherPick {
    int N = 0;
    std::string Message;
};

struct LauncherPrompt {
    std::string Message;
    std::string Prefix;  // what the host puts before the typed text
};

// What the host asks before it runs the batch.
struct LauncherSection {
    bool H0 = false;  // no drawing data: the header and the picked points only
    std::vector<LauncherPick> Picks;
    std::vector<LauncherPrompt> Prompts;
};

struct LauncherDirectives {
    std::string Note;  // line 1, the file dialog's note
    bool Jww = false, Cd = false;
    std::string MenuPrompt, MenuTitle;
    std::vector<std::string> MenuItems;     // empty: no menu
    LauncherSection Common;                 // without a menu
    std::vector<LauncherSection> Sections;  // with one: item n is Sections[n - 1]
    std::vector<std::string> Problems;      // what the host would not accept
};

LauncherDirectives ReadLauncher(const std::string& bytes);

}  // namespace hoststandin
