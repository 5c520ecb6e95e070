#include "hoststandin/Launcher.h"

#include <cctype>
#include <cstdlib>
#include <map>

#include "Unit1/LineReader.h"

namespace hoststandin {

namespace {

bool IsLead(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Splits at `|`, never inside a double-byte character.
std::vector<std::string> SplitBars(const std::string& s) {
    std::vector<std::string> parts{""};
    for (size_t i = 0; i < s.size(); ++i) {
        if (IsLead(static_cast<unsigned char>(s[i])) && i + 1 < s.size()) {
            parts.back() += s.substr(i++, 2);
        } else if (s[i] == '|') {
            parts.emplace_back();
        } else {
            parts.back() += s[i];
        }
    }
    return parts;
}

std::string Trim(const std::string& s) {
    const size_t b = s.find_first_not_of(' ');
    const size_t e = s.find_last_not_of(' ');
    return b == std::string::npos ? "" : s.substr(b, e - b + 1);
}

std::string NoteOf(std::string line) {
    if (!line.empty() && line[0] == '@') line.erase(0, 1);
    if (line.size() >= 3 && (line.compare(0, 3, "REM") == 0 || line.compare(0, 3, "rem") == 0))
        line.erase(0, 3);
    return Trim(line);
}

}  // namespace

LauncherDirectives ReadLauncher(const std::string& bytes) {
    LauncherDirectives d;
    LauncherSection* section = &d.Common;
    std::map<int, LauncherSection> sections;
    bool menu = false, inSection = false, first = true;
    for (Unit1::LineReader lines(bytes); !lines.AtEnd();) {
        const std::string line(lines.Next());
        if (first) d.Note = NoteOf(line), first = false;
        const size_t hash = line.substr(0, 10).find('#');
        if (hash == std::string::npos) continue;
        const std::string text = line.substr(hash + 1);
        const std::string word = text.substr(0, text.find(' '));
        const std::string rest = word.size() < text.size() ? text.substr(word.size() + 1) : "";
        if (menu && !inSection && word.rfind(":", 0) != 0) break;  // past the last section
        if (word == "jww") {
            d.Jww = true;
        } else if (word == "cd") {
            d.Cd = true;
            if (menu) d.Problems.push_back("#cd after #hm");
        } else if (word == "h0") {
            section->H0 = true;
        } else if (word == "hc") {
            if (section->H0) d.Problems.push_back("#hc after #h0");
            if (!menu) d.MenuPrompt = rest;
        } else if (word == "hm") {
            auto parts = SplitBars(rest);
            d.MenuTitle = Trim(parts.front());
            parts.erase(parts.begin());
            if (!parts.empty() && parts.back().empty()) parts.pop_back();
            d.MenuItems = parts;
            if (parts.empty() || parts.size() > 9) d.Problems.push_back("#hm needs 1 to 9 items");
            menu = true;
        } else if (word.rfind(":", 0) == 0 && menu) {
            const int n = std::atoi(word.c_str() + 1);
            if (sections.count(n)) d.Problems.push_back("#" + word + " twice");
            section = &sections[n];
            inSection = true;
        } else if (word == "e") {
            if (!menu) break;
            inSection = false;
        } else if (word == "c") {
            const size_t slash = rest.rfind(" /_");
            LauncherPrompt p{Trim(rest.substr(0, slash)),
                             slash == std::string::npos ? "" : rest.substr(slash + 3)};
            section->Prompts.push_back(p);
            if (section->Prompts.size() > 10) d.Problems.push_back("more than 10 #c prompts");
        } else if (!word.empty() && word.size() <= 2 &&
                   std::isdigit(static_cast<unsigned char>(word[0])) &&
                   std::isdigit(static_cast<unsigned char>(word.back()))) {
            const int n = std::atoi(word.c_str());
            if (n == 0) d.Problems.push_back("#0 (the origin) is not written as a point");
            section->Picks.push_back({n, rest});
        } else {
            d.Problems.push_back("directive the stand-in does not know: #" + word);
        }
    }
    for (size_t n = 1; n <= d.MenuItems.size(); ++n) {
        if (!sections.count(static_cast<int>(n)))
            d.Problems.push_back("no section #:" + std::to_string(n));
        d.Sections.push_back(sections[static_cast<int>(n)]);
    }
    if (!d.Jww) d.Problems.push_back("no #jww: the host would not list it");
    return d;
}

}  // namespace hoststandin
