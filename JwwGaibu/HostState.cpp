#include "JwwGaibu/HostState.h"

#include "words/Reading.h"

namespace JwwGaibu {

const char* const kDefaultFontName = words::HostDefaultFont;

HostStateRecord HostState;

void InitHostState() {
    HostState = HostStateRecord{};
    HostState.GroupScales.fill(1.0);
    HostState.CurrentFontName = kDefaultFontName;
}

void ReleaseHostState() {
    HostState = HostStateRecord{};
}

}  // namespace JwwGaibu
