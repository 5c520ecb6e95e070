// Shared by the fuzz targets: a scratch folder and the invariants every run
// must keep.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace t742fuzz {

// A private folder for the files a target writes, made once per process.
inline const std::string& Scratch() {
    static const std::string dir = [] {
        std::string templ = "/tmp/t742fuzz.XXXXXX";
        if (::mkdtemp(templ.data()) == nullptr) std::abort();
        return templ + "/";
    }();
    return dir;
}

inline void WriteFile(const std::string& path, std::string_view bytes) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) std::abort();
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

// Every output line is a command the host knows, within 255 bytes, with no
// text a number parser could take for infinity or NaN.
void CheckOutputLines();

// Runs every construction of every mode on the current host state.
void RunEveryConstruction(const double numbers[4]);

}  // namespace t742fuzz
