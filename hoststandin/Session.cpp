#include "hoststandin/Session.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <string_view>
#include <type_traits>

#include "JwwGaibu/ExchangeReader.h"
#include "JwwGaibu/HostState.h"
#include "MyFunc/Files.h"
#include "MyFunc/TextConv.h"
#include "Unit1/LineReader.h"
#include "cp932iconv/Cp932Iconv.h"

namespace hoststandin {

using JwwGaibu::HostState;

namespace {

void AppendNumbers(std::string& out, const char* keyword, int count, double value) {
    out += keyword;
    for (int i = 0; i < count; ++i) out += ' ', MyFunc::AppendFloatText(out, value);
    out += "\r\n";
}

}  // namespace

std::string HostFileText(const Request& r) {
    std::string out;
    if (r.LauncherHeader) out += "hq\r\n";
    out += "hk ";
    MyFunc::AppendFloatText(out, r.AxisAngle);
    out += "\r\n";
    if (r.LauncherHeader) {
        AppendNumbers(out, "hs", 16, 1);
        AppendNumbers(out, "hcw", 10, 2.5);
        AppendNumbers(out, "hch", 10, 2.5);
        AppendNumbers(out, "hcd", 10, 0);
        AppendNumbers(out, "hcc", 10, 2);
        AppendNumbers(out, "hn", 4, 0);
    } else {
        out += r.Drawing;
        if (!r.Drawing.empty() && r.Drawing.back() != '\n') out += "\r\n";
    }
    for (const Pick& p : r.Picks) {
        std::string label = "hp";
        MyFunc::AppendIntText(label, p.N);
        if (r.LauncherHeader) label.resize(std::max<size_t>(label.size(), 5), ' ');
        out += label + ' ';
        MyFunc::AppendFloatText(out, p.X);
        out += ' ';
        MyFunc::AppendFloatText(out, p.Y);
        out += "\r\n";
    }
    return out;
}

int RunProgram(const std::string& exe, const std::vector<std::string>& args,
               const std::string& folder, bool quiet) {
    const pid_t pid = ::fork();
    if (pid < 0) return -1;
    if (pid == 0) {
        std::vector<char*> argv{const_cast<char*>(exe.c_str())};
        for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        if (!folder.empty() && ::chdir(folder.c_str()) != 0) _exit(127);
        if (quiet && !std::freopen("/dev/null", "w", stdout)) _exit(127);
        ::execvp(exe.c_str(), argv.data());
        _exit(127);
    }
    int status = 0;
    if (::waitpid(pid, &status, 0) < 0) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

namespace {

bool IsInteger(std::string_view s) {
    return !s.empty() && (MyFunc::TextToInt(s) != 0 || s == "0");
}

// An "sc"/"se" record (with a kind) or an "so"/"sg" ring (with a hole).
template <class Record>
Solid FromRecord(const Record& r, const char* keyword) {
    Solid s;
    s.Keyword = keyword;
    s.X = r.X, s.Y = r.Y, s.Radius = r.Radius, s.Flatness = r.Flatness, s.Tilt = r.Tilt;
    s.StartAngle = r.StartAngle, s.ArcAngle = r.ArcAngle;
    if constexpr (std::is_same_v<Record, JwwGaibu::RingSolidRecord>)
        s.InnerRadius = r.InnerRadius;
    else
        s.Kind = r.Kind;
    return s;
}

// The solid the reader stored last, if the last entity is one.
bool LastSolid(DrawnSolid& out) {
    const auto& h = HostState;
    if (h.EntityOrder.empty()) return false;
    const auto ref = h.EntityOrder.back();
    const auto i = static_cast<size_t>(ref.Index);
    JwwGaibu::EntityHeader header;
    auto take = [&](const auto& record, const char* keyword) {
        out.Figure = FromRecord(record, keyword), out.Rgb = record.Rgb, header = record.Header;
    };
    // The solids by their list: "sc" and "se" hold a kind, "so" and "sg" a hole.
    using JwwGaibu::kSc, JwwGaibu::kSe, JwwGaibu::kSo, JwwGaibu::kSg;
    if (ref.Type == kSc || ref.Type == kSe)
        take((ref.Type == kSc ? h.ScSolids : h.SeSolids)[i], ref.Type == kSc ? "sc" : "se");
    else if (ref.Type == kSo || ref.Type == kSg)
        take((ref.Type == kSo ? h.SoSolids : h.SgSolids)[i], ref.Type == kSo ? "so" : "sg");
    else
        return false;
    out.Color = header.Color;
    out.Width = header.Width;
    return true;
}

}  // namespace

Answer ReadAnswer(const std::string& bytes) {
    Answer answer;
    JwwGaibu::InitHostState();
    for (Unit1::LineReader lines(bytes); !lines.AtEnd();) {
        const std::string line(lines.Next());
        Command c{line, "", true};
        const size_t entities = HostState.EntityOrder.size();
        JwwGaibu::ParseExchangeLines(line);
        DrawnSolid solid;
        if (line == "hq") {
            c.Report = "nothing to draw";
        } else if (line.rfind("he", 0) == 0) {
            // The host shows the text as an error and carries out nothing else.
            c.Report = "error shown: " + cp932iconv::Cp932ToUtf8(line.substr(2));
            answer.Commands.push_back(c);
            answer.Error = true;
            break;
        } else if (line.rfind("h#", 0) == 0) {
            c.Report = "notice shown: " + cp932iconv::Cp932ToUtf8(line.substr(2));
        } else if (line.rfind("lc10 ", 0) == 0 && IsInteger(line.substr(5))) {
            char buf[64];
            std::snprintf(buf, sizeof buf, "arbitrary colour #%06X (BBGGRR)",
                          MyFunc::TextToInt(line.substr(5)));
            c.Report = buf;
        } else if (line.rfind("lc", 0) == 0 && IsInteger(line.substr(2))) {
            c.Report = "line colour " + line.substr(2);
        } else if (line.rfind("lw", 0) == 0 && IsInteger(line.substr(2))) {
            c.Report = "line width " + line.substr(2);
        } else if (HostState.EntityOrder.size() > entities && LastSolid(solid)) {
            c.Report = Describe(solid.Figure);
            answer.Solids.push_back(solid);
        } else {
            c.Report = "could not understand this line";
            c.Understood = false;
        }
        answer.Commands.push_back(c);
    }
    JwwGaibu::ReleaseHostState();
    return answer;
}

JwwGaibu::HostStateRecord ReadDrawing(const std::string& bytes) {
    JwwGaibu::InitHostState();
    for (Unit1::LineReader lines(bytes); !lines.AtEnd();)
        JwwGaibu::ParseExchangeLines(lines.Next());
    JwwGaibu::HostStateRecord drawing = std::move(HostState);
    JwwGaibu::ReleaseHostState();
    return drawing;
}

Answer RoundTripIn(const std::string& folder, const std::vector<std::string>& command,
                   const Request& request, std::string* question) {
    const std::string exchange = folder + "JWC_TEMP.TXT";
    Answer answer;
    const std::string text = HostFileText(request);
    if (question) *question = text;
    if (command.empty() || !MyFunc::WriteFileAtomic(exchange, text)) {
        answer.ExitStatus = -1;
        return answer;
    }
    const std::vector<std::string> args(command.begin() + 1, command.end());
    const int status = RunProgram(command.front(), args, folder, request.LauncherHeader);
    std::string bytes;
    MyFunc::ReadFileBytes(exchange, bytes);
    answer = ReadAnswer(bytes);
    answer.ExitStatus = status;
    return answer;
}

Answer RoundTrip(const std::string& exe, const Request& request) {
    const size_t slash = exe.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "./" : exe.substr(0, slash + 1);
    std::vector<std::string> command{exe};
    command.insert(command.end(), request.Args.begin(), request.Args.end());
    return RoundTripIn(folder, command, request);
}

}  // namespace hoststandin
