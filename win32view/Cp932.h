// Code page 932 bytes to the window's text and back, with the platform's own
// converter: the window is the only place where text is not bytes.
#pragma once

#include <string>

namespace win32view {

std::wstring FromCp932(const std::string& bytes);
std::string ToCp932(const std::wstring& text);

}  // namespace win32view
