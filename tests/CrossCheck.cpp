// Runs the installed program on pseudo-random cases of every mode and step and
// writes what each run left (exchange file and settings file) to one log. The
// same cases on two builds must give the same log byte for byte.
//   t742crosscheck CASES SEED LOG
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "figures/Figure.h"

namespace {

// A generator of its own, so that both builds draw the same cases.
struct Random {
    unsigned long long state;
    unsigned Next() {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<unsigned>(state >> 33);
    }
    int Below(int n) { return static_cast<int>(Next() % static_cast<unsigned>(n)); }
    // A number as a user or the host writes it: integers, decimals, exponents.
    std::string Number(int magnitude) {
        char buf[64];
        const double v = (static_cast<double>(Next()) / 2147483648.0 - 1.0) * magnitude;
        switch (Below(4)) {
            case 0:
                std::snprintf(buf, sizeof buf, "%d", static_cast<int>(v));
                break;
            case 1:
                std::snprintf(buf, sizeof buf, "%.3f", v);
                break;
            case 2:
                std::snprintf(buf, sizeof buf, "%.15g", v);
                break;
            default:
                std::snprintf(buf, sizeof buf, "%.6e", v);
                break;
        }
        return buf;
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: t742crosscheck CASES SEED LOG\n");
        return 2;
    }
    const int cases = std::atoi(argv[1]);
    Random rng{static_cast<unsigned long long>(std::atoll(argv[2]))};
    std::string log;
    t742test::Installed t;
    for (int i = 0; i < cases; ++i) {
        const int mode = 1 + rng.Below(8), step = 1 + rng.Below(5);
        std::string exchange =
            "hk " + (rng.Below(3) == 0 ? std::string("0") : rng.Number(400)) + "\r\n";
        for (int n = 1; n <= 5; ++n)
            exchange +=
                "hp" + std::to_string(n) + " " + rng.Number(1000) + " " + rng.Number(1000) + "\r\n";
        std::vector<std::string> args{std::to_string(mode), std::to_string(step)};
        if (figures::FindMode(mode)->TakesOption) args.push_back(std::to_string(rng.Below(3)));
        for (int n = 0; n < 4; ++n) args.push_back(rng.Number(n < 2 ? 200 : 720));
        if (rng.Below(3) == 0) {
            // A remembered figure for the same-as-last steps.
            std::string dat;
            for (int line = 1; line <= 32; ++line)
                dat += (line >= 27 ? rng.Number(line >= 30 ? 7 : 150) : "1") + "\r\n";
            t.Write("t742.dat", dat);
        }
        t.Write("JWC_TEMP.TXT", exchange);
        const int status = t.Run(args);
        log += "case " + std::to_string(i) + " status " + std::to_string(status) + " args";
        for (const auto& a : args) log += " " + a;
        log += "\n" + t.Read("JWC_TEMP.TXT") + "--\n" + t.Read("t742.dat") + "==\n";
    }
    FILE* f = std::fopen(argv[3], "wb");
    if (f == nullptr) return 1;
    std::fwrite(log.data(), 1, log.size(), f);
    std::fclose(f);
    return 0;
}
