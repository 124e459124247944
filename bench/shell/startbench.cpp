// Runs the suite's start-up and the floor program in turn and compares wall time and peak
// memory. Usage: startbench SUITE FLOOR [RUNS]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

struct Sample
{
    double ms;
    long rssKb;
};

static Sample runOnce(const std::vector<std::string> &argv)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        std::vector<char *> args;
        for (const std::string &a : argv)
            args.push_back(const_cast<char *>(a.c_str()));
        args.push_back(nullptr);
        execv(args[0], args.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed (status %d)\n", argv[0].c_str(), status);
        std::exit(1);
    }
    return {std::chrono::duration<double, std::milli>(end - start).count(), usage.ru_maxrss};
}

static double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

int main(int argc, char *argv[])
{
    if (argc < 5) {
        std::fprintf(stderr, "usage: startbench SUITE START-FOLDER SETTINGS FLOOR [RUNS]\n");
        return 2;
    }
    const int runs = argc > 5 ? std::atoi(argv[5]) : 15;
    const std::vector<std::string> suite = {argv[1], argv[2], argv[3]};
    const std::vector<std::string> floor = {argv[4]};
    runOnce(suite); // the first start seeds the store and warms the caches
    runOnce(floor);
    std::vector<double> suiteMs, floorMs, suiteRss, floorRss;
    for (int i = 0; i < runs; ++i) {
        const Sample s = runOnce(suite);
        const Sample f = runOnce(floor);
        suiteMs.push_back(s.ms);
        floorMs.push_back(f.ms);
        suiteRss.push_back(double(s.rssKb));
        floorRss.push_back(double(f.rssKb));
    }
    const double sMs = median(suiteMs), fMs = median(floorMs);
    const double sRss = median(suiteRss), fRss = median(floorRss);
    std::printf("start-up, median of %d runs\n", runs);
    std::printf("  suite: %7.1f ms  %7.1f MB peak RSS\n", sMs, sRss / 1024);
    std::printf("  floor: %7.1f ms  %7.1f MB peak RSS\n", fMs, fRss / 1024);
    std::printf(
        "  wall time ratio %.2fx (goal <= 1.25x), RSS difference %+.1f MB (goal <= +6 MB)\n",
        sMs / fMs, (sRss - fRss) / 1024);
    return 0;
}
