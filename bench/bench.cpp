// Times a silent run of t742 on generated host files of 10^3, 10^5 and 10^6
// entities against two references in the same run: /bin/true (the cost of
// starting a process) and `wc -l` on the same file (the cost of reading it).
//
//   t742bench PATH-TO-t742 [RUNS]
//   t742bench --write ENTITIES FILE     (writes one of the host files, for profiling)
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
#include "bench/HostFile.h"

namespace {

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
    if (argc == 4 && std::string(argv[1]) == "--write")
        return MyFunc::WriteFileAtomic(argv[3], bench::HostFile(std::atol(argv[2]))) ? 0 : 1;
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
        const std::string file = bench::HostFile(entities);
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
