#include "bench/HostFile.h"

#include <cstdint>
#include <cstdio>

namespace bench {

namespace {

// A coordinate as the host writes it: up to 15 significant digits.
void Coordinate(std::string& out, uint64_t& state) {
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    const double v = static_cast<double>(state >> 11) / 9007199254740992.0 * 20000.0 - 10000.0;
    char buf[32];
    out.append(buf, static_cast<size_t>(std::snprintf(buf, sizeof buf, "%.10f", v)));
}

}  // namespace

std::string HostFile(long entities) {
    struct Kind {
        const char* Keyword;
        int Numbers;
        const char* Tail;
    };
    static const Kind kKinds[] = {
        {"", 4, ""},   {"ci", 3, ""},   {"ci", 7, ""},       {"ch", 4, " \"text of a label\""},
        {"pt", 2, ""}, {"pt", 4, " 1"}, {"BL", 2, " block"}, {"sl", 6, ""},
        {"sl", 8, ""}, {"sl", 4, ""},   {"sc", 7, " 100"},   {"se", 7, " 0"},
        {"so", 8, ""}, {"sg", 8, ""},
    };
    std::string out = "hk 30\r\nhzs 1189 841\r\nlg0\r\nly1\r\nlc2\r\nlw3\r\nlt1\r\n";
    out.reserve(static_cast<size_t>(entities) * 96);
    uint64_t state = 742;
    long n = 0;
    for (long i = 0; n < entities; ++i) {
        if (i % 97 == 0) out += "lc5\r\nly3\r\nz1\r\n";
        if (i % 101 == 0) out += "pl\r\n";
        if (i % 103 == 0) out += "msg\r\n0 0 5 0\r\ncs 0 0 1 0 \"note\"\r\n";
        const Kind& k = kKinds[i % (sizeof kKinds / sizeof *kKinds)];
        out += k.Keyword;
        for (int j = 0; j < k.Numbers; ++j) {
            if (j > 0 || *k.Keyword != '\0') out += ' ';
            Coordinate(out, state);
        }
        out += k.Tail;
        out += "\r\n";
        ++n;
    }
    out += "hp1 10 20\r\nhp2 30 40\r\nhp3 5 5\r\n";
    return out;
}

}  // namespace bench
