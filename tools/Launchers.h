// The launchers: the batch files the host lists in its external-transformation
// dialog. Each one's directives ask for the points and numbers of a step, in
// the order the step reads them, and its batch starts t742.exe with that
// mode and step. They are made from the mode table and the step inputs.
#pragma once

#include <string>
#include <vector>

#include "figures/Figure.h"

namespace tools {

struct Launcher {
    std::string FileName;  // ASCII: some unzip tools garble other names
    int Mode = 0;          // 0: the settings dialog alone
    int Option = -1;       // modes 7 and 8: the ring option (0 so, 1 sg); -1 none
};

// Modes 1 to 6 one each, modes 7 and 8 one per ring option, and the settings.
std::vector<Launcher> LauncherSet();

// What the launcher draws, in a few plain words (UTF-8).
std::string LauncherFigure(const Launcher& launcher);
// The launcher's note in the file dialog (UTF-8): what it draws first, the mode last.
std::string LauncherNote(const Launcher& launcher);
// The title of its menu and the prompt the host shows with it (UTF-8).
std::string MenuTitle(const Launcher& launcher);
std::string MenuPrompt(const Launcher& launcher);
// The launcher's text, UTF-8 with CR LF.
std::string LauncherText(const Launcher& launcher);
// The file's bytes: code page 932 with CR LF. Empty when the text cannot be
// written safely (a character without a code page 932 form, a byte that cmd
// or the host would take for a separator, a `#` the host would take for a
// directive).
std::string LauncherBytes(const Launcher& launcher);

// The launchers as a Markdown table for the user's guide (UTF-8).
std::string LauncherTable();
// The points a step reads, numbered, as the guide's tables list them (UTF-8).
std::string PointList(const figures::Shape& shape, int step);

}  // namespace tools
