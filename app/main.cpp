// Program entry: the host starts t742 with a mode and a step, waits, and reads
// JWC_TEMP.TXT back. A silent run creates no window and loads no toolkit.
#include <string>
#include <vector>

#include "Unit1/Form.h"

#ifdef T742_WRITE_FAULTS
#include <cstdlib>

#include "MyFunc/TextConv.h"
#include "MyFunc/WriteFaults.h"
#endif

#ifdef _WIN32
#include <windows.h>

#include "win32view/Win32Platform.h"
#else
#include <unistd.h>

#include <climits>

#include "app/ViewLoader.h"
#endif

namespace {

// The program's own path (UTF-8), so its files are found beside it wherever
// it is run from.
std::string ExecutablePath(const char* argv0) {
#ifdef _WIN32
    std::wstring buf(32768, L'\0');
    const DWORD n = ::GetModuleFileNameW(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
    if (n > 0 && n < buf.size()) {
        const int len = ::WideCharToMultiByte(CP_UTF8, 0, buf.data(), static_cast<int>(n), nullptr,
                                              0, nullptr, nullptr);
        std::string utf8(static_cast<size_t>(len), '\0');
        ::WideCharToMultiByte(CP_UTF8, 0, buf.data(), static_cast<int>(n), utf8.data(), len,
                              nullptr, nullptr);
        return utf8;
    }
#else
    char buf[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n > 0) return std::string(buf, static_cast<size_t>(n));
#endif
    return argv0 != nullptr ? argv0 : "t742";
}

}  // namespace

int main(int argc, char** argv) {
#ifdef T742_WRITE_FAULTS
    // Only the tests' build of the program lets a write fail on request.
    if (const char* step = std::getenv("T742_FAIL_WRITE_STEP"))
        MyFunc::SetWriteFailureStep(MyFunc::TextToInt(step));
#endif
    std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    const std::string exe = ExecutablePath(argc > 0 ? argv[0] : nullptr);
#ifdef _WIN32
    // The native window is part of the program; it is created only for the dialog.
    win32view::Win32Platform view(&Unit1::InvokeFormEvent);
#else
    // Nothing is loaded unless the dialog is shown.
    app::LazyViewPlatform view(exe.substr(0, exe.find_last_of('/') + 1));
#endif
    Unit1::TForm1 form;
    form.Platform = &view;
    form.FormShow(exe, args);
    return 0;
}
