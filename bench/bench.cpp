// Times a silent run of t742 on generated host files of 10^3, 10^5 and 10^6
// entities against two references in the same run: /bin/true (the cost of
// starting a process) and `wc -l` on the same file (the cost of reading it).
//
//   t742bench PATH-TO-t742 [RUNS]
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "MyFunc/Files.h"

namespace {

// A coordinate as the host writes it: up to 15 significant digits.
void Coordinate(std::string& out, uint64_t& state) {
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    const double v = static_cast<double>(state >> 11) / 9007199254740992.0 * 20000.0 - 10000.0;
    char buf[32];
    out.append(buf, static_cast<size_t>(std::snprintf(buf, sizeof buf, "%.10f", v)));
}

// One line of every kind the reader knows, in turn, with runs of attribute
// lines, polylines and compounds between them, then the picked points.
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

struct Sample {
    double Seconds;
    long PeakKiB;
};

Sample Run(const std::vector<std::string>& argv) {
    std::vector<char*> args;
    for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    // posix_spawn does not copy this process's memory, so the reference runs
    // are not slowed by the generated file this process holds.
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (::posix_spawn(&pid, args[0], &actions, nullptr, args.data(), environ) != 0) {
        std::fprintf(stderr, "t742bench: cannot start %s\n", args[0]);
        std::exit(1);
    }
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    struct rusage ru {};
    ::wait4(pid, &status, 0, &ru);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "t742bench: %s failed\n", argv[0].c_str());
        std::exit(1);
    }
    return {took.count(), ru.ru_maxrss};
}

template <typename T>
T Median(std::vector<T> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: t742bench PATH-TO-t742 [RUNS]\n");
        return 2;
    }
    const int runs = argc > 2 ? std::max(3, std::atoi(argv[2])) : 11;
    char templ[] = "/tmp/t742bench.XXXXXX";
    const std::string dir = std::string(::mkdtemp(templ)) + "/";
    const std::string exe = dir + "t742", exchange = dir + "JWC_TEMP.TXT", copy = dir + "copy.txt";
    std::string program;
    if (!MyFunc::ReadFileBytes(argv[1], program) || !MyFunc::WriteFileAtomic(exe, program) ||
        ::chmod(exe.c_str(), 0755) != 0) {
        std::fprintf(stderr, "t742bench: cannot install %s\n", argv[1]);
        return 1;
    }

    std::fflush(stdout);
    std::printf(
        "| entities | file MB | t742 ms | /bin/true ms | wc -l ms | t742 / true | t742 / wc -l "
        "| peak MB | peak / file |\n|---:|---:|---:|---:|---:|---:|---:|---:|---:|\n");
    for (long entities : {1000L, 100000L, 1000000L}) {
        const std::string file = HostFile(entities);
        MyFunc::WriteFileAtomic(copy, file);
        std::vector<double> t742, truth, wc, ratioTrue, ratioWc;
        std::vector<long> peak;
        for (int i = 0; i < runs + 1; ++i) {
            MyFunc::WriteFileAtomic(exchange, file);  // each run replaces it with its answer
            const Sample a = Run({exe, "1", "3", "25"});
            const Sample b = Run({"/bin/true"});
            const Sample c = Run({"/usr/bin/wc", "-l", copy});
            if (i == 0) continue;  // warm-up
            t742.push_back(a.Seconds), truth.push_back(b.Seconds), wc.push_back(c.Seconds);
            ratioTrue.push_back(a.Seconds / b.Seconds), ratioWc.push_back(a.Seconds / c.Seconds);
            peak.push_back(a.PeakKiB);
        }
        const double mb = static_cast<double>(file.size()) / 1e6;
        const double peakMb = static_cast<double>(Median(peak)) * 1024 / 1e6;
        std::printf("| %ld | %.2f | %.2f | %.2f | %.2f | %.2f | %.2f | %.1f | %.2f |\n", entities,
                    mb, Median(t742) * 1e3, Median(truth) * 1e3, Median(wc) * 1e3,
                    Median(ratioTrue), Median(ratioWc), peakMb, peakMb / mb);
        std::fflush(stdout);
    }
    std::string cleanup = "rm -rf " + dir;
    return std::system(cleanup.c_str()) == 0 ? 0 : 1;
}
