// File names and the program's own texts, in code page 932.
#pragma once

#include <string>
#include <vector>

#include "words/Dialog.h"

namespace Unit1 {

inline constexpr const char* kExchangeFileName = "JWC_TEMP.TXT";
inline constexpr const char* kColorWidthListName = "t318.lst";
inline constexpr const char* kPresetListName = "t742.lst";

inline constexpr const char* kAxisAnglePrefix = words::AxisAnglePrefix;
inline constexpr const char* kDegreeSign = words::Degree;

// The 266 entries of the colour list: the host's current colour, line colours
// 1 to 9, SXF colours 1 to 256.
std::vector<std::string> ColourListItems();

}  // namespace Unit1
