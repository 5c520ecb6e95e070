#include "MyFunc/Files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace MyFunc {

namespace {

int gFailStep = 0;
int gStep = 0;

// True when the injected failure hits this step.
bool Injected() {
    return gFailStep > 0 && ++gStep == gFailStep;
}

}  // namespace

void SetWriteFailureStep(int step) {
    gFailStep = step;
    gStep = 0;
}

bool FileExists(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool ReadFileBytes(const std::string& path, std::string& bytes) {
    bytes.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st;
    if (::fstat(fd, &st) == 0 && st.st_size > 0) bytes.reserve(static_cast<size_t>(st.st_size));
    char buf[1 << 16];
    bool ok = true;
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR) continue;
            ok = false;
            break;
        }
        if (n == 0) break;
        bytes.append(buf, static_cast<size_t>(n));
    }
    ::close(fd);
    return ok;
}

bool WriteFileAtomic(const std::string& path, std::string_view bytes) {
    std::string temp = path + ".XXXXXX";
    const int fd = Injected() ? -1 : ::mkstemp(temp.data());
    if (fd < 0) return false;
    bool ok = true;
    size_t done = 0;
    // Written in pieces so that a failure can also strike in the middle.
    constexpr size_t kPiece = 1 << 20;
    while (ok && done < bytes.size()) {
        const size_t want = bytes.size() - done < kPiece ? bytes.size() - done : kPiece;
        if (Injected()) {
            ok = false;
            break;
        }
        const ssize_t n = ::write(fd, bytes.data() + done, want);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0)
            ok = false;
        else
            done += static_cast<size_t>(n);
    }
    if (ok) {
        // mkstemp creates the file private; give it the mode a plain create would.
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
    }
    if (::close(fd) != 0 || Injected()) ok = false;
    if (ok && (Injected() || ::rename(temp.c_str(), path.c_str()) != 0)) ok = false;
    if (!ok) ::unlink(temp.c_str());
    return ok;
}

bool DeleteFile(const std::string& path) {
    return ::unlink(path.c_str()) == 0;
}

}  // namespace MyFunc
