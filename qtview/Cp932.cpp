#include "qtview/Cp932.h"

#include <QList>

#include "cp932iconv/Cp932Iconv.h"

namespace qtview {

QString FromCp932(const std::string& bytes) {
    std::string utf8;
    cp932iconv::Iconv("UTF-8", "CP932", bytes, utf8, "\xEF\xBF\xBD");
    return QString::fromUtf8(utf8);
}

std::string ToCp932(const QString& text) {
    // One UTF-32 unit per character, so a character that cannot be converted
    // is skipped whole.
    const QList<uint> ucs4 = text.toUcs4();
    const std::string in(reinterpret_cast<const char*>(ucs4.data()), ucs4.size() * sizeof(uint));
    std::string out;
    cp932iconv::Iconv("CP932", "UTF-32LE", in, out, "?", 4);
    return out;
}

}  // namespace qtview
