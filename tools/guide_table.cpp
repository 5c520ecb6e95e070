// t742guide: prints the tables of the user's guide; scripts/package-windows.sh
// checks that docs/guide-ja.md holds them as printed.
#include <cstdio>

#include "tools/GuideTable.h"

int main() {
    std::fputs(tools::GuideTables().c_str(), stdout);
    return 0;
}
