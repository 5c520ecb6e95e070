#include "cp932iconv/Cp932Iconv.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <vector>

namespace cp932iconv {

bool Iconv(const char* to, const char* from, std::string_view in, std::string& out,
           const char* replacement, size_t unitBytes) {
    out.clear();
    iconv_t cd = ::iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return false;
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
        const size_t skip = std::min(unitBytes, srcLeft);
        src += skip;
        srcLeft -= skip;
        out += replacement;
    }
    ::iconv_close(cd);
    return whole;
}

bool Utf8ToCp932(std::string_view utf8, std::string& out) {
    return Iconv("CP932", "UTF-8", utf8, out);
}

std::string Cp932ToUtf8(std::string_view bytes) {
    std::string out;
    Iconv("UTF-8", "CP932", bytes, out, "\xEF\xBF\xBD");
    return out;
}

bool IsCp932(std::string_view bytes) {
    std::string out;
    return Iconv("UTF-8", "CP932", bytes, out);
}

}  // namespace cp932iconv
