// Helpers shared by the tests: a fresh host state, temporary folders and whole
// runs of the built program.
#pragma once

#include <string>
#include <vector>

namespace t742test {

#ifdef _WIN32
inline constexpr const char* kProgramName = "t742.exe";
#else
inline constexpr const char* kProgramName = "t742";
#endif

// Resets the host state and its output side, as a run does before constructing.
void FreshHost();
// Feeds lines to the exchange-file parser.
void Parse(const std::vector<std::string>& lines);
// Sets picked point n.
void Pick(int n, double x, double y);
std::vector<std::string> Output();

class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }
    void Write(const std::string& name, const std::string& bytes) const;
    // Copies the file at `from` into the folder as `name`.
    void CopyIn(const std::string& from, const std::string& name) const;
    std::string Read(const std::string& name) const;
    bool Exists(const std::string& name) const;
    std::vector<std::string> Entries() const;

  private:
    std::string path_;
};

// A folder with a copy of the built program in it, as a user installs it.
class Installed : public TempDir {
  public:
    Installed();
    // Another build of the program (the tests' one), installed under its name.
    explicit Installed(const std::string& program);
    // Runs the program with the arguments; returns its exit status (-1 when killed).
    int Run(const std::vector<std::string>& args, const std::vector<std::string>& env = {}) const;
    // Lines of JWC_TEMP.TXT split at CR LF.
    std::vector<std::string> ExchangeLines() const;
};

std::vector<std::string> SplitCrLf(const std::string& bytes);

}  // namespace t742test
