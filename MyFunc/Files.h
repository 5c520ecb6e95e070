// Whole-file access for the program's small files. Writes never leave a
// half-written file: the bytes go to a temporary file beside the target, which
// is then renamed over it.
#pragma once

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
bool DeleteFile(const std::string& path);

// Test hook: counts every step of WriteFileAtomic (create, each write, close,
// rename) and makes the step with this number fail; 0 turns it off. Set from
// the environment variable T742_FAIL_WRITE_STEP by the program entry.
void SetWriteFailureStep(int step);

}  // namespace MyFunc
