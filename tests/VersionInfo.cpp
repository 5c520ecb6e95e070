// Prints the version resource of a Windows program as Windows reads it:
//   t742verinfo.exe PROGRAM  ->  "FileVersion ProductVersion"
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::wstring Value(const std::vector<char>& block, const wchar_t* name) {
    std::wstring path = L"\\StringFileInfo\\041104B0\\";
    path += name;
    void* text = nullptr;
    UINT length = 0;
    if (!::VerQueryValueW(block.data(), path.c_str(), &text, &length) || length == 0) return L"?";
    return static_cast<const wchar_t*>(text);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) return 2;
    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeW(argv[1], &ignored);
    if (size == 0) return 1;
    std::vector<char> block(size);
    if (!::GetFileVersionInfoW(argv[1], 0, size, block.data())) return 1;
    std::wprintf(L"%ls %ls\n", Value(block, L"FileVersion").c_str(),
                 Value(block, L"ProductVersion").c_str());
    return 0;
}
