#include "MyFunc/FileView.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "MyFunc/Files.h"

#if defined(__linux__)
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>
#endif

namespace MyFunc {

FileView::~FileView() {
    Release();
}

FileView::FileView(FileView&& other) noexcept {
    *this = std::move(other);
}

FileView& FileView::operator=(FileView&& other) noexcept {
    if (this != &other) {
        Release();
        data_ = std::exchange(other.data_, nullptr);
        size_ = std::exchange(other.size_, 0);
        map_ = std::exchange(other.map_, nullptr);
        heap_ = std::move(other.heap_);
    }
    return *this;
}

void FileView::Release() {
#if defined(__linux__)
    if (map_ != nullptr) ::munmap(map_, size_);
#endif
    map_ = nullptr;
    heap_.reset();
    data_ = nullptr;
    size_ = 0;
}

bool FileView::ReadIntoHeap(const std::string& path) {
    FileReader file(path);
    if (!file.IsOpen()) return false;
    // Sized to the file, so that reading it copies nothing; a file that grows
    // meanwhile is still read to its end.
    std::size_t capacity = std::max<std::size_t>(file.Size() + 1, 1 << 12), used = 0;
    heap_.reset(new char[capacity]);
    for (;;) {
        if (used == capacity) {
            std::unique_ptr<char[]> bigger(new char[capacity * 2]);
            std::memcpy(bigger.get(), heap_.get(), used);
            heap_ = std::move(bigger);
            capacity *= 2;
        }
        const std::ptrdiff_t n = file.Read(heap_.get() + used, capacity - used);
        if (n <= 0) {
            data_ = heap_.get();
            size_ = used;
            return n == 0;
        }
        used += static_cast<std::size_t>(n);
    }
}

bool FileView::Open(const std::string& path) {
    Release();
#if defined(__linux__)
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0) {
        const auto size = static_cast<std::size_t>(st.st_size);
        void* map = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
        if (map != MAP_FAILED) {
            // A page that could not be read in now would raise SIGBUS when it is
            // touched later; such a file is read the ordinary way, where a
            // failing read is an error the caller sees.
            const long page = ::sysconf(_SC_PAGESIZE);
            std::vector<unsigned char> resident((size + static_cast<std::size_t>(page) - 1) /
                                                static_cast<std::size_t>(page));
            bool all = ::mincore(map, size, resident.data()) == 0;
            for (std::size_t i = 0; all && i < resident.size(); ++i) all = (resident[i] & 1) != 0;
            if (all) {
                ::close(fd);
                map_ = map;
                data_ = static_cast<const char*>(map);
                size_ = size;
                return true;
            }
            ::munmap(map, size);
        }
    }
    ::close(fd);
#endif
    return ReadIntoHeap(path);
}

}  // namespace MyFunc
