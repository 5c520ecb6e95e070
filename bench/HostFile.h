// The benchmark's host files: one line of every kind the reader knows, in
// turn, with attribute lines, polylines and compounds between them, then the
// picked points. The same count always gives the same bytes.
#pragma once

#include <string>

namespace bench {

std::string HostFile(long entities);

}  // namespace bench
