// Code page 932 with iconv, at the edges of the Linux build: the Qt window's
// text (qtview/Cp932.h), and the tools' and the host stand-in's Japanese text.
// Only the C++ standard library and iconv, so that the tools, which have no
// window, and the Qt window may both use it.
#pragma once

#include <string>
#include <string_view>

namespace cp932iconv {

// Converts all of `in` from the encoding `from` to `to`. A broken or
// unconvertible sequence stops the conversion, or, when `replacement` is given,
// is skipped `unitBytes` bytes at a time and marked with it. False when
// anything was not converted.
bool Iconv(const char* to, const char* from, std::string_view in, std::string& out,
           const char* replacement = nullptr, size_t unitBytes = 1);

// False when a character has no code page 932 form (or the text is not UTF-8).
bool Utf8ToCp932(std::string_view utf8, std::string& out);
// For a person's terminal: a broken byte becomes U+FFFD.
std::string Cp932ToUtf8(std::string_view bytes);
// True when the bytes are whole code page 932 characters.
bool IsCp932(std::string_view bytes);

}  // namespace cp932iconv
