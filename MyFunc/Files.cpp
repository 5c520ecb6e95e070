#include "MyFunc/Files.h"

#include <cerrno>

#include "MyFunc/WriteFaults.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#endif

namespace MyFunc {

namespace {

// Written in pieces, so that a failure can also strike in the middle.
constexpr std::size_t kPiece = 1 << 20;

#ifdef _WIN32
std::wstring Wide(const std::string& utf8) {
    if (utf8.empty()) return {};
    const int n =
        ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring w(static_cast<std::size_t>(n), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), w.data(), n);
    return w;
}
#endif

}  // namespace

#ifdef _WIN32

bool FileExists(const std::string& path) {
    const DWORD a = ::GetFileAttributesW(Wide(path).c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

FileReader::FileReader(const std::string& path) {
    const HANDLE h = ::CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                   OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    open_ = h != INVALID_HANDLE_VALUE;
    handle_ = reinterpret_cast<std::intptr_t>(h);
}

FileReader::~FileReader() {
    if (open_) ::CloseHandle(reinterpret_cast<HANDLE>(handle_));
}

std::ptrdiff_t FileReader::Read(char* buffer, std::size_t size) {
    DWORD got = 0;
    const DWORD want = size > 0x40000000 ? 0x40000000 : static_cast<DWORD>(size);
    if (!::ReadFile(reinterpret_cast<HANDLE>(handle_), buffer, want, &got, nullptr)) return -1;
    return static_cast<std::ptrdiff_t>(got);
}

std::size_t FileReader::Size() const {
    LARGE_INTEGER size{};
    if (!open_ || !::GetFileSizeEx(reinterpret_cast<HANDLE>(handle_), &size)) return 0;
    return static_cast<std::size_t>(size.QuadPart);
}

bool WriteFileAtomic(const std::string& path, std::string_view bytes) {
    const std::wstring target = Wide(path);
    static unsigned counter = 0;
    const std::wstring temp = target + L"." + std::to_wstring(::GetCurrentProcessId()) + L"." +
                              std::to_wstring(++counter) + L".tmp";
    const HANDLE h = WriteStepFails() ? INVALID_HANDLE_VALUE
                                      : ::CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr,
                                                      CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    bool ok = true;
    for (std::size_t done = 0; ok && done < bytes.size();) {
        const std::size_t want = bytes.size() - done < kPiece ? bytes.size() - done : kPiece;
        DWORD wrote = 0;
        if (WriteStepFails() ||
            !::WriteFile(h, bytes.data() + done, static_cast<DWORD>(want), &wrote, nullptr) ||
            wrote == 0)
            ok = false;
        done += wrote;
    }
    if (!::CloseHandle(h) || WriteStepFails()) ok = false;
    if (ok && !WriteStepFails()) {
        // ReplaceFile keeps the target's attributes; a new file is simply moved in.
        const bool exists = ::GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES;
        ok = exists ? ::ReplaceFileW(target.c_str(), temp.c_str(), nullptr,
                                     REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) != 0
                    : ::MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
    } else {
        ok = false;
    }
    if (!ok) ::DeleteFileW(temp.c_str());
    return ok;
}

bool RemoveFile(const std::string& path) {
    return ::DeleteFileW(Wide(path).c_str()) != 0;
}

#else

bool FileExists(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

FileReader::FileReader(const std::string& path) {
    handle_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    open_ = handle_ >= 0;
}

FileReader::~FileReader() {
    if (open_) ::close(static_cast<int>(handle_));
}

std::ptrdiff_t FileReader::Read(char* buffer, std::size_t size) {
    for (;;) {
        const ssize_t n = ::read(static_cast<int>(handle_), buffer, size);
        if (n < 0 && errno == EINTR) continue;
        return n;
    }
}

std::size_t FileReader::Size() const {
    struct stat st;
    if (!open_ || ::fstat(static_cast<int>(handle_), &st) != 0 || !S_ISREG(st.st_mode)) return 0;
    return static_cast<std::size_t>(st.st_size);
}

bool WriteFileAtomic(const std::string& path, std::string_view bytes) {
    std::string temp = path + ".XXXXXX";
    const int fd = WriteStepFails() ? -1 : ::mkstemp(temp.data());
    if (fd < 0) return false;
    bool ok = true;
    std::size_t done = 0;
    while (ok && done < bytes.size()) {
        const std::size_t want = bytes.size() - done < kPiece ? bytes.size() - done : kPiece;
        if (WriteStepFails()) {
            ok = false;
            break;
        }
        const ssize_t n = ::write(fd, bytes.data() + done, want);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0)
            ok = false;
        else
            done += static_cast<std::size_t>(n);
    }
    if (ok) {
        // mkstemp creates the file private; give it the mode a plain create would.
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
    }
    if (::close(fd) != 0 || WriteStepFails()) ok = false;
    if (ok && (WriteStepFails() || ::rename(temp.c_str(), path.c_str()) != 0)) ok = false;
    if (!ok) ::unlink(temp.c_str());
    return ok;
}

bool RemoveFile(const std::string& path) {
    return ::unlink(path.c_str()) == 0;
}

#endif

bool ReadFileBytes(const std::string& path, std::string& bytes) {
    bytes.clear();
    FileReader file(path);
    if (!file.IsOpen()) return false;
    char buf[1 << 16];
    for (;;) {
        const std::ptrdiff_t n = file.Read(buf, sizeof buf);
        if (n < 0) return false;
        if (n == 0) return true;
        bytes.append(buf, static_cast<std::size_t>(n));
    }
}

}  // namespace MyFunc
