// A whole file held read-only in memory, for the exchange file: on Linux its
// pages are mapped from the page cache instead of copied, so a large host file
// costs neither a copy nor fresh memory.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

namespace MyFunc {

class FileView {
  public:
    FileView() = default;
    ~FileView();
    FileView(FileView&& other) noexcept;
    FileView& operator=(FileView&& other) noexcept;
    FileView(const FileView&) = delete;
    FileView& operator=(const FileView&) = delete;

    // Holds the whole file. False when it cannot be opened or reading fails;
    // the view then holds what was read before the failure.
    bool Open(const std::string& path);
    const char* data() const { return data_; }
    std::size_t size() const { return size_; }

  private:
    void Release();
    bool ReadIntoHeap(const std::string& path);

    const char* data_ = nullptr;
    std::size_t size_ = 0;
    void* map_ = nullptr;  // the mapping, when the file is mapped
    std::unique_ptr<char[]> heap_;
};

}  // namespace MyFunc
