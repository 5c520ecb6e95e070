// The settings file's lines by name, in their order: the figure page controls'
// names and the form's own ("LastRadius"), for the tools that check a file.
#pragma once

#include <string>
#include <vector>

namespace Unit1 {

std::vector<std::string> SettingsLineNames();

}  // namespace Unit1
