// The words a user reads (UTF-8, from words/launchers.txt and dialog.txt):
// what each launcher draws, by the host's names for its solids, and the
// dialog's captions for the values. The launchers, the guide's tables and
// readme.txt all take them from here, so they always say the same.
#pragma once

#include <string>
#include <vector>

#include "figures/Figure.h"
#include "figures/StepInputs.h"

namespace tools {

// `text` with every "{name}" in it replaced by `value` (UTF-8).
std::string Fill(std::string text, const std::string& name, const std::string& value);

// What a mode draws, in a few plain words ("円周（線）", "扇形", "リング（幅一定）").
// `option` is the ring's record (0 "so", 1 "sg"), -1 for none or both.
std::string FigureWords(const figures::ModeSpec& mode, int option);
// The host's name for the solid ("円周ソリッド", "円環ソリッド（幅一定）").
std::string HostSolidName(const figures::ModeSpec& mode, int option);
// The menu item of step 1..6: how the size is taken, in the figure's words.
std::string StepName(const figures::Shape& shape, int step);
// The names of the points step 1..6 reads, in their order; points of one kind
// are told apart by their order ("円周上の1点目").
std::vector<std::string> PointNames(const figures::Shape& shape, int step);
// The dialog's caption of a typed value.
const char* NumberName(figures::NumberRole role);
// What a skipped number stands for: the dialog's design-time value, as text.
std::string NumberDefault(figures::NumberRole role);
// The prompt for a typed value: its name, its unit (an angle: from the axis
// angle) and the default an empty answer keeps.
std::string NumberPrompt(figures::NumberRole role);

}  // namespace tools
