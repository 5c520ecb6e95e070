// Compares every entity list of HostState, element by element and bit for
// bit, with what the oracle reader stored.
#pragma once

#include <string>

#include "oracle/EagerReader.h"

namespace t742oracle {

// The oracle's state as InitHostState leaves the host state.
EagerState FreshEagerState();
// Empty when every list, EntityOrder and the picked points agree; else the
// first difference.
std::string DifferenceFromHostState(const EagerState& eager);

}  // namespace t742oracle
