// Program entry: the host starts t742 with a mode and a step, waits, and reads
// JWC_TEMP.TXT back. A silent run loads no toolkit and needs no display.
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <string>
#include <vector>

#include "MyFunc/Files.h"
#include "MyFunc/TextConv.h"
#include "Unit1/Form.h"
#include "app/ViewLoader.h"

namespace {

// The program's own path, so its files are found beside it wherever it is run from.
std::string ExecutablePath(const char* argv0) {
    char buf[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n > 0) return std::string(buf, static_cast<size_t>(n));
    return argv0 != nullptr ? argv0 : "t742";
}

}  // namespace

int main(int argc, char** argv) {
    if (const char* step = std::getenv("T742_FAIL_WRITE_STEP"))
        MyFunc::SetWriteFailureStep(MyFunc::TextToInt(step));
    std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    const std::string exe = ExecutablePath(argc > 0 ? argv[0] : nullptr);
    // Nothing is loaded unless the dialog is shown.
    app::LazyViewPlatform view(exe.substr(0, exe.find_last_of('/') + 1));
    Unit1::TForm1 form;
    form.Platform = &view;
    form.FormShow(exe, args);
    return 0;
}
