// Code page 932 bytes to and from the window's Unicode text, with iconv.
#pragma once

#include <QString>
#include <string>

namespace qtview {

QString FromCp932(const std::string& bytes);
// Characters code page 932 cannot hold become '?'.
std::string ToCp932(const QString& text);

}  // namespace qtview
