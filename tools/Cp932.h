// Code page 932 for the tools and the host stand-in: their Japanese text is
// held as UTF-8 in the source and converted here, with iconv.
#pragma once

#include <string>
#include <string_view>

namespace tools {

// False when a character has no code page 932 form (or the text is not UTF-8).
bool Utf8ToCp932(std::string_view utf8, std::string& out);
// For a person's terminal: a broken byte becomes U+FFFD.
std::string Cp932ToUtf8(std::string_view bytes);
// True when the bytes are whole code page 932 characters.
bool IsCp932(std::string_view bytes);

}  // namespace tools
