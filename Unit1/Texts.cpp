#include "Unit1/Texts.h"

namespace Unit1 {

std::vector<std::string> ColourListItems() {
    std::vector<std::string> items;
    items.reserve(266);
    items.emplace_back(words::CurrentColour);
    for (int i = 1; i <= 9; ++i) items.push_back(words::LineColour + std::to_string(i));
    for (int i = 1; i <= 256; ++i) items.push_back("SXF-" + std::to_string(i));
    return items;
}

}  // namespace Unit1
