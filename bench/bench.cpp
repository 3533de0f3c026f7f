// Vexil's speed budget, measured against baselines in the same run:
//   start-up to the first frame and exit, against the floor of any text window
//   of the same size (a label, a line edit and an option button);
//   peak memory of those runs;
//   a swatch click with its recomputation and repaint, against a click on a caption.
// Usage: vexil_bench PROBE [RUNS]
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Run {
    double seconds;
    double peakMiB;
};

Run runOnce(const std::vector<std::string>& args)
{
    std::vector<char*> argv;
    for (const auto& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
        std::perror("posix_spawn");
        std::exit(1);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s %s failed\n", args[0].c_str(), args[1].c_str());
        std::exit(1);
    }
    return {std::chrono::duration<double>(end - start).count(), double(usage.ru_maxrss) / 1024.0};
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROBE [RUNS]\n", argv[0]);
        return 2;
    }
    const std::string probe = argv[1];
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 11;

    runOnce({probe, "startup", "floor"});  // warm the file cache for both
    runOnce({probe, "startup", "vexil"});
    std::vector<double> floorTime, vexilTime, floorMem, vexilMem;
    for (int i = 0; i < runs; ++i) {  // alternate, so drift hits both alike
        const auto f = runOnce({probe, "startup", "floor"});
        const auto v = runOnce({probe, "startup", "vexil"});
        floorTime.push_back(f.seconds);
        vexilTime.push_back(v.seconds);
        floorMem.push_back(f.peakMiB);
        vexilMem.push_back(v.peakMiB);
    }
    const double startRatio = median(vexilTime) / median(floorTime);
    const double extraMiB = median(vexilMem) - median(floorMem);
    std::printf("start-up to first frame, median of %d: Vexil %.1f ms, floor window %.1f ms: ratio %.2f "
                "(goal <= 1.25)\n",
                runs, 1000 * median(vexilTime), 1000 * median(floorTime), startRatio);
    std::printf("peak memory, median of %d: Vexil %.1f MiB, floor window %.1f MiB: %+.1f MiB (goal <= 8)\n",
                runs, median(vexilMem), median(floorMem), extraMiB);

    double swatch = 0, caption = 0;
    const std::string clicks = probe + " clicks 5000";
    if (FILE* p = popen(clicks.c_str(), "r")) {
        if (std::fscanf(p, "%lf %lf", &swatch, &caption) != 2)
            swatch = caption = 0;
        pclose(p);
    }
    std::printf(
        "swatch click with recomputation and repaint, median of 5000: %.3f ms, click on a caption %.3f ms: "
        "ratio %.2f (goal < 0.3 ms)\n",
        swatch / 1000, caption / 1000, caption > 0 ? swatch / caption : 0.0);
    return 0;
}
