// The generated parts of the user's guide (docs/guide-ja.md) and of readme.txt,
// made from the program's own mode table, step inputs and words, so that what
// a user reads cannot drift from what the launchers do.
#pragma once

#include <string>
#include <vector>

namespace tools {

struct GuidePart {
    std::string Name;  // in the markers around it
    std::string Text;  // Markdown (UTF-8)
};

// "overview" (what to draw: which launcher, which menu item, with its
// picture) and "tables" (launchers, modes and steps).
std::vector<GuidePart> GuideParts();

// The markers that enclose a part in the guide, each on a line of its own.
std::string BeginMarker(const std::string& part);
std::string EndMarker(const std::string& part);

// The guide with every part's text between its markers made anew; false (and
// `filled` untouched) when a part's markers are missing.
bool FillGuide(const std::string& guide, std::string& filled);

// readme.txt from its template (UTF-8): "@VERSION@" and the line "@LAUNCHERS@"
// replaced by the version and the list of launchers.
std::string FillReadme(const std::string& readmeTemplate, const std::string& version);

// Every picture of the gallery the guide shows, as "cells/NAME.svg".
std::vector<std::string> GuidePictures();

}  // namespace tools
