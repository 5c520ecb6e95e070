// t742guide: the generated parts of the user's guide and of readme.txt.
//   t742guide --write GUIDE             makes the guide's parts anew, in place
//   t742guide --check GUIDE             fails when they are not what it makes
//   t742guide --readme TEMPLATE VERSION prints readme.txt (UTF-8)
#include <cstdio>
#include <cstring>
#include <string>

#include "MyFunc/Files.h"
#include "tools/GuideTable.h"

namespace {

int Usage() {
    std::fputs("usage: t742guide --write GUIDE | --check GUIDE | --readme TEMPLATE VERSION\n",
               stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return Usage();
    const std::string verb = argv[1], path = argv[2];
    std::string text, filled;
    if (!MyFunc::ReadFileBytes(path, text)) {
        std::fprintf(stderr, "t742guide: cannot read %s\n", path.c_str());
        return 1;
    }
    if (verb == "--readme" && argc == 4) {
        std::fputs(tools::FillReadme(text, argv[3]).c_str(), stdout);
        return 0;
    }
    if (verb != "--write" && verb != "--check") return Usage();
    if (!tools::FillGuide(text, filled)) {
        std::fprintf(stderr, "t742guide: %s lacks the markers of a generated part\n", path.c_str());
        return 1;
    }
    if (verb == "--check") {
        if (filled == text) return 0;
        std::fprintf(stderr, "t742guide: %s is not up to date: run t742guide --write %s\n",
                     path.c_str(), path.c_str());
        return 1;
    }
    if (filled != text && !MyFunc::WriteFileAtomic(path, filled)) {
        std::fprintf(stderr, "t742guide: cannot write %s\n", path.c_str());
        return 1;
    }
    return 0;
}
