#include "JwwGaibu/HostState.h"

namespace JwwGaibu {

const char* const kDefaultFontName = "<\x82\x6c\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4e>";

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
