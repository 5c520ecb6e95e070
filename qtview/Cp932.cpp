#include "qtview/Cp932.h"

#include <iconv.h>

#include <QList>
#include <cerrno>
#include <vector>

namespace qtview {

namespace {

// Converts with iconv; an unconvertible or broken sequence of `unitBytes` bytes
// is skipped and marked with `replacement`.
std::string Convert(const char* to, const char* from, const std::string& in, size_t unitBytes,
                    const std::string& replacement) {
    iconv_t cd = ::iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return {};
    std::string out;
    std::vector<char> buf(in.size() * 4 + 16);
    char* src = const_cast<char*>(in.data());
    size_t srcLeft = in.size();
    while (srcLeft > 0) {
        char* dst = buf.data();
        size_t dstLeft = buf.size();
        const size_t r = ::iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        out.append(buf.data(), static_cast<size_t>(dst - buf.data()));
        if (r != static_cast<size_t>(-1)) break;
        if (errno == E2BIG) continue;
        // EILSEQ or EINVAL: skip one unit of the input.
        const size_t skip = std::min(unitBytes, srcLeft);
        src += skip;
        srcLeft -= skip;
        out += replacement;
    }
    ::iconv_close(cd);
    return out;
}

}  // namespace

QString FromCp932(const std::string& bytes) {
    return QString::fromUtf8(Convert("UTF-8", "CP932", bytes, 1, "\xEF\xBF\xBD"));
}

std::string ToCp932(const QString& text) {
    // One UTF-32 unit per character, so a character that cannot be converted
    // is skipped whole.
    const QList<uint> ucs4 = text.toUcs4();
    std::string in(reinterpret_cast<const char*>(ucs4.data()), ucs4.size() * sizeof(uint));
    return Convert("CP932", "UTF-32LE", in, 4, "?");
}

}  // namespace qtview
