#include "win32view/Cp932.h"

#include <windows.h>

namespace win32view {

std::wstring FromCp932(const std::string& bytes) {
    if (bytes.empty()) return {};
    const int n =
        ::MultiByteToWideChar(932, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring w(static_cast<size_t>(n), L'\0');
    ::MultiByteToWideChar(932, 0, bytes.data(), static_cast<int>(bytes.size()), w.data(), n);
    return w;
}

std::string ToCp932(const std::wstring& text) {
    if (text.empty()) return {};
    const int n = ::WideCharToMultiByte(932, 0, text.data(), static_cast<int>(text.size()), nullptr,
                                        0, "?", nullptr);
    std::string s(static_cast<size_t>(n), '\0');
    ::WideCharToMultiByte(932, 0, text.data(), static_cast<int>(text.size()), s.data(), n, "?",
                          nullptr);
    return s;
}

}  // namespace win32view
