// The tables of the user's guide (docs/guide-ja.md), made from the program's
// own mode table and step inputs so that the guide cannot drift from them.
#pragma once

#include <string>

namespace tools {

// The Markdown between the guide's "generated" markers (UTF-8).
std::string GuideTables();

inline constexpr const char* kBeginMarker = "<!-- BEGIN: made by build/t742guide -->";
inline constexpr const char* kEndMarker = "<!-- END: made by build/t742guide -->";

}  // namespace tools
