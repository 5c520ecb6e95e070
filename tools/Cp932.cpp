#include "tools/Cp932.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

namespace tools {

namespace {

// Converts all of `in`; on a broken or unconvertible byte, stops there unless
// `replacement` is given, which then stands for that one byte.
bool Convert(const char* to, const char* from, std::string_view in, std::string& out,
             const char* replacement) {
    iconv_t cd = ::iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return false;
    out.clear();
    std::vector<char> buf(in.size() * 4 + 16);
    char* src = const_cast<char*>(in.data());
    size_t srcLeft = in.size();
    bool whole = true;
    while (srcLeft > 0) {
        char* dst = buf.data();
        size_t dstLeft = buf.size();
        const size_t r = ::iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        out.append(buf.data(), static_cast<size_t>(dst - buf.data()));
        if (r != static_cast<size_t>(-1)) break;
        if (errno == E2BIG) continue;
        whole = false;
        if (!replacement) break;
        ++src, --srcLeft;
        out += replacement;
    }
    ::iconv_close(cd);
    return whole;
}

}  // namespace

bool Utf8ToCp932(std::string_view utf8, std::string& out) {
    return Convert("CP932", "UTF-8", utf8, out, nullptr);
}

std::string Cp932ToUtf8(std::string_view bytes) {
    std::string out;
    Convert("UTF-8", "CP932", bytes, out, "\xEF\xBF\xBD");
    return out;
}

bool IsCp932(std::string_view bytes) {
    std::string out;
    return Convert("UTF-8", "CP932", bytes, out, nullptr);
}

}  // namespace tools
