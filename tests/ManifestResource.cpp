// Reads a program's application manifest from its resources, where Windows
// reads it when the program starts, and compares it with a file:
//   t742manifest.exe PROGRAM MANIFEST
// Exit 0 when the program has exactly one manifest and it is the file's bytes.
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

namespace {
// RT_MANIFEST, as a wide name: the header's is narrow without UNICODE.
const LPCWSTR kManifest = MAKEINTRESOURCEW(24);

BOOL CALLBACK Count(HMODULE, LPCWSTR, LPWSTR, LONG_PTR count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}
}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) return 2;
    HMODULE program = ::LoadLibraryExW(argv[1], nullptr,
                                       LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (program == nullptr) return std::fputs("cannot open the program\n", stderr), 1;
    int count = 0;
    ::EnumResourceNamesW(program, kManifest, Count, reinterpret_cast<LONG_PTR>(&count));
    HRSRC found = ::FindResourceW(program, MAKEINTRESOURCEW(1), kManifest);
    HGLOBAL loaded = found != nullptr ? ::LoadResource(program, found) : nullptr;
    if (loaded == nullptr || count != 1)
        return std::fprintf(stderr, "%d manifests, %s with id 1\n", count,
                            loaded != nullptr ? "one" : "none"),
               1;
    const std::string resource(static_cast<const char*>(::LockResource(loaded)),
                               ::SizeofResource(program, found));
    std::ifstream in(argv[2], std::ios::binary);
    if (!in) return std::fputs("cannot read the manifest file\n", stderr), 1;
    const std::string file{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (resource != file)
        return std::fprintf(stderr, "the manifest resource (%zu bytes) is not the file (%zu)\n",
                            resource.size(), file.size()),
               1;
    std::puts("manifest: as in the file");
    return 0;
}
