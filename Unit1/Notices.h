// The reason a run drew nothing, for the host to show. A launcher asks for it
// (kExplainSwitch before the mode); a plain run stays silent.
#pragma once

#include <string>

namespace Unit1 {

class TForm1;

// Given before the mode and step, it makes a run that draws nothing answer
// with an "he" line that says why and what to do.
inline constexpr const char* kExplainSwitch = "/explain";

// What was wrong with the last construction and what to do, in code page 932
// ("t742：" first); empty when it drew a figure.
std::string NotDrawnNotice(const TForm1& form);

}  // namespace Unit1
