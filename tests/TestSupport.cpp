#include "TestSupport.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#ifdef _WIN32
#include <process.h>
#include <windows.h>
#else
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "JwwGaibu/ExchangeReader.h"
#include "JwwGaibu/HostState.h"
#include "JwwGaibu/Output.h"

namespace fs = std::filesystem;

namespace t742test {

void FreshHost() {
    JwwGaibu::InitHostState();
    JwwGaibu::ResetOutputState();
}

void Parse(const std::vector<std::string>& lines) {
    for (const auto& l : lines) JwwGaibu::ParseExchangeLines(l);
}

void Pick(int n, double x, double y) {
    auto& p = JwwGaibu::HostState.PickedPoints[static_cast<size_t>(n)];
    p.IsSet = true;
    p.X = x;
    p.Y = y;
}

std::vector<std::string> Output() {
    return JwwGaibu::HostState.OutputLines;
}

namespace {

// Paths are UTF-8 strings; std::filesystem must not read them in the ANSI code page.
fs::path P(const std::string& utf8) {
    return fs::path(std::u8string(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size()));
}

std::string U8(const fs::path& p) {
    const std::u8string s = p.u8string();
    return std::string(reinterpret_cast<const char*>(s.data()), s.size());
}

}  // namespace

TempDir::TempDir() {
    // A folder name with Japanese characters, as users' folders have.
    static unsigned counter = 0;
    const auto stamp = std::to_string(std::chrono::steady_clock::now().time_since_epoch().count());
    for (;;) {
        const fs::path p =
            fs::temp_directory_path() / P("t742\xe3\x83\x86\xe3\x82\xb9\xe3\x83\x88." + stamp +
                                          "." + std::to_string(++counter));
        if (fs::create_directory(p)) {
            path_ = U8(p);
            return;
        }
    }
}

TempDir::~TempDir() {
    std::error_code ec;
    fs::remove_all(P(path_), ec);
}

void TempDir::Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(P(File(name)), std::ios::binary) << bytes;
}

std::string TempDir::Read(const std::string& name) const {
    std::ifstream in(P(File(name)), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

bool TempDir::Exists(const std::string& name) const {
    return fs::exists(P(File(name)));
}

std::vector<std::string> TempDir::Entries() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(P(path_))) names.push_back(U8(e.path().filename()));
    std::sort(names.begin(), names.end());
    return names;
}

void TempDir::CopyIn(const std::string& from, const std::string& name) const {
    fs::copy_file(P(from), P(File(name)));
}

Installed::Installed() : Installed(T742_BINARY) {}

Installed::Installed(const std::string& program) {
    CopyIn(program, kProgramName);
}

#ifdef _WIN32

int Installed::Run(const std::vector<std::string>& args,
                   const std::vector<std::string>& env) const {
    auto wide = [](const std::string& s) {
        const int n =
            ::MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
        std::wstring w(static_cast<size_t>(n), L'\0');
        ::MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), w.data(), n);
        return w;
    };
    for (const auto& kv : env) ::_wputenv(wide(kv).c_str());
    const std::wstring exe = wide(File(kProgramName));
    std::vector<std::wstring> wargs{L"\"" + exe + L"\""};
    for (const auto& a : args) wargs.push_back(a.empty() ? L"\"\"" : wide(a));
    std::vector<const wchar_t*> argv;
    for (const auto& a : wargs) argv.push_back(a.c_str());
    argv.push_back(nullptr);
    // Under Wine on a loaded machine, creating a process now and then fails
    // before the program starts (errno set, files untouched); that is the
    // harness's failure, not the program's, so it is tried again. An exit
    // status of -1 from a program that ran leaves errno at 0 and is returned.
    intptr_t status = -1;
    for (int attempt = 1; attempt <= 5; ++attempt) {
        errno = 0;
        status = ::_wspawnv(_P_WAIT, exe.c_str(), argv.data());
        if (status != -1 || errno == 0) break;
        std::fprintf(stderr, "starting %s failed (errno %d), attempt %d\n", kProgramName, errno,
                     attempt);
        ::Sleep(200);
    }
    for (const auto& kv : env) ::_wputenv(wide(kv.substr(0, kv.find('=') + 1)).c_str());
    return static_cast<int>(status);
}

#else

int Installed::Run(const std::vector<std::string>& args,
                   const std::vector<std::string>& env) const {
    const pid_t pid = ::fork();
    if (pid == 0) {
        // Run from elsewhere: the program must find its files beside itself.
        if (::chdir("/") != 0) _exit(127);
        ::unsetenv("DISPLAY");
        for (const auto& kv : env) ::putenv(const_cast<char*>(kv.c_str()));
        const std::string exe = File(kProgramName);
        std::vector<char*> argv{const_cast<char*>(exe.c_str())};
        for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execv(exe.c_str(), argv.data());
        _exit(127);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

#endif

std::vector<std::string> Installed::ExchangeLines() const {
    return SplitCrLf(Read("JWC_TEMP.TXT"));
}

std::vector<std::string> SplitCrLf(const std::string& bytes) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        const size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(bytes.substr(start));
            break;
        }
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

}  // namespace t742test
