// Whole-file access for the program's small files. Paths are UTF-8 (on
// Windows they go to the wide-character file API, so any folder name works).
// Writes never leave a half-written file: the bytes go to a temporary file
// beside the target, which then replaces it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace MyFunc {

bool FileExists(const std::string& path);
// Reads the whole file into `bytes`; false when it is missing or unreadable
// (what was read stays in `bytes`).
bool ReadFileBytes(const std::string& path, std::string& bytes);
// Replaces the file with `bytes` atomically. On failure the previous file is
// untouched and no temporary file remains.
bool WriteFileAtomic(const std::string& path, std::string_view bytes);
bool RemoveFile(const std::string& path);

// Sequential reading in pieces, for files too large to hold whole.
class FileReader {
  public:
    explicit FileReader(const std::string& path);
    ~FileReader();
    FileReader(const FileReader&) = delete;
    FileReader& operator=(const FileReader&) = delete;
    bool IsOpen() const { return open_; }
    // Bytes read into `buffer`: 0 at the end of the file, -1 on an error.
    std::ptrdiff_t Read(char* buffer, std::size_t size);
    // The file's size as it is now, 0 when unknown.
    std::size_t Size() const;

  private:
    bool open_ = false;
    std::intptr_t handle_ = -1;
};

}  // namespace MyFunc
