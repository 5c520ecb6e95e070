// t742launchers OUTDIR: writes the launchers into OUTDIR, as the package ships them.
#include <cstdio>
#include <string>

#include "MyFunc/Files.h"
#include "tools/Launchers.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: t742launchers OUTDIR\n", stderr);
        return 2;
    }
    for (const tools::Launcher& launcher : tools::LauncherSet()) {
        const std::string bytes = tools::LauncherBytes(launcher);
        const std::string path = std::string(argv[1]) + "/" + launcher.FileName;
        if (bytes.empty()) {
            std::fprintf(stderr, "t742launchers: %s cannot be written safely\n", path.c_str());
            return 1;
        }
        if (!MyFunc::WriteFileAtomic(path, bytes)) {
            std::fprintf(stderr, "t742launchers: cannot write %s\n", path.c_str());
            return 1;
        }
        std::printf("%s\n", path.c_str());
    }
    return 0;
}
