#include "TestSupport.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

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

TempDir::TempDir() {
    std::string templ = (fs::temp_directory_path() / "t742test.XXXXXX").string();
    if (::mkdtemp(templ.data()) == nullptr) std::abort();
    path_ = templ;
}

TempDir::~TempDir() {
    std::error_code ec;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
}

void TempDir::Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(File(name), std::ios::binary) << bytes;
}

std::string TempDir::Read(const std::string& name) const {
    std::ifstream in(File(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

bool TempDir::Exists(const std::string& name) const {
    return fs::exists(File(name));
}

std::vector<std::string> TempDir::Entries() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(path_))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

Installed::Installed() {
    fs::copy_file(T742_BINARY, File("t742"));
}

int Installed::Run(const std::vector<std::string>& args,
                   const std::vector<std::string>& env) const {
    const pid_t pid = ::fork();
    if (pid == 0) {
        // Run from elsewhere: the program must find its files beside itself.
        if (::chdir("/") != 0) _exit(127);
        ::unsetenv("DISPLAY");
        for (const auto& kv : env) ::putenv(const_cast<char*>(kv.c_str()));
        const std::string exe = File("t742");
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
