// Start-up against the floor: launches the menu program and the two
// one-window floor programs (Qt's minimal "Hello world!" window, and an
// empty window) in turn, RUNS times each (after one unmeasured launch of
// each, which warms the disk cache), and takes for every launch the wall
// time from the launch to its window painted and the peak memory (max RSS)
// of the process. The targets are judged against the "Hello world!" window;
// the empty window is shown for comparison.
//   corvell-bench-startup [RUNS [MENU FLOOR]]
// MENU and FLOOR default to corvell-bench-menu and corvell-bench-floor beside
// this program. All run on Qt's offscreen platform.

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/benchreport.h"

extern char** environ;

namespace corvell::bench {
namespace {

constexpr double kTimeRatioTarget = 1.3;
constexpr double kExtraMemoryTargetMiB = 10;

struct Launch {
    double milliseconds = 0;
    double peakMiB = 0;
};

// Runs the program once; it prints "shown NANOSECONDS" (steady clock) when
// its window has been painted, then ends.
Launch launch(const std::string& program, const char* argument = nullptr) {
    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0) {
        fail("no pipe: " + std::string(std::strerror(errno)));
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    std::vector<char> path(program.begin(), program.end());
    path.push_back('\0');
    std::vector<char> arg;
    if (argument != nullptr) {
        arg.assign(argument, argument + std::strlen(argument) + 1);
    }
    char* argv[] = {path.data(), argument != nullptr ? arg.data() : nullptr, nullptr};

    pid_t pid = 0;
    const Clock::time_point start = Clock::now();
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        fail("cannot start " + program + ": " + std::strerror(spawned));
    }

    std::string printed;
    char buffer[256];
    for (;;) {
        const ssize_t n = read(out[0], buffer, sizeof buffer);
        if (n > 0) {
            printed.append(buffer, static_cast<std::size_t>(n));
        } else if (n == 0 || errno != EINTR) {
            break;
        }
    }
    close(out[0]);

    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0) {
        if (errno != EINTR) {
            fail("lost " + program + ": " + std::strerror(errno));
        }
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        fail(program + " did not end normally");
    }
    long long shownNs = 0;
    if (std::sscanf(printed.c_str(), "shown %lld", &shownNs) != 1) {
        fail(program + " never reported its window shown");
    }
    const Clock::time_point shown{
        std::chrono::duration_cast<Clock::duration>(std::chrono::nanoseconds(shownNs))};
    // ru_maxrss is in KiB on Linux.
    return Launch{milliseconds(shown - start), double(usage.ru_maxrss) / 1024};
}

struct Figures {
    std::vector<double> times;
    std::vector<double> peaks;
};

std::string range(const std::vector<double>& values, int decimals) {
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    return "(" + fixed(*low, decimals) + " .. " + fixed(*high, decimals) + ")";
}

}  // namespace
}  // namespace corvell::bench

int main(int argc, char* argv[]) {
    using namespace corvell::bench;
    const int runs = argc > 1 ? std::atoi(argv[1]) : 10;
    const std::filesystem::path here =
        std::filesystem::read_symlink("/proc/self/exe").parent_path();
    const std::string menu = argc > 3 ? argv[2] : (here / "corvell-bench-menu").string();
    const std::string floor = argc > 3 ? argv[3] : (here / "corvell-bench-floor").string();
    if (runs < 1) {
        fail("RUNS must be at least 1");
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 1);

    launch(menu);
    launch(floor, "hello");
    launch(floor);
    Figures m;
    Figures f;
    Figures e;
    // In turn, so that anything else the machine does falls on all alike.
    for (int i = 0; i < runs; ++i) {
        const Launch a = launch(menu);
        m.times.push_back(a.milliseconds);
        m.peaks.push_back(a.peakMiB);
        const Launch b = launch(floor, "hello");
        f.times.push_back(b.milliseconds);
        f.peaks.push_back(b.peakMiB);
        const Launch c = launch(floor);
        e.times.push_back(c.milliseconds);
        e.peaks.push_back(c.peakMiB);
    }

    Report report;
    report.heading("Start-up: launch to window painted, offscreen, median of " +
                   std::to_string(runs) + " launches (min .. max)");
    report.note("main menu: time", fixed(median(m.times), 1) + " ms " + range(m.times, 1));
    report.note("main menu: peak memory (max RSS)",
                fixed(median(m.peaks), 1) + " MiB " + range(m.peaks, 1));
    report.note("floor, \"Hello world!\" window: time",
                fixed(median(f.times), 1) + " ms " + range(f.times, 1));
    report.note("floor, \"Hello world!\" window: peak memory",
                fixed(median(f.peaks), 1) + " MiB " + range(f.peaks, 1));
    report.note("empty QWidget window: time",
                fixed(median(e.times), 1) + " ms " + range(e.times, 1));
    report.note("empty QWidget window: peak memory",
                fixed(median(e.peaks), 1) + " MiB " + range(e.peaks, 1));
    report.note("time, main menu / empty window",
                fixed(median(m.times) / median(e.times), 2) + "x (no text at all: for comparison)");
    const double ratio = median(m.times) / median(f.times);
    report.figure("time, main menu / floor", fixed(ratio, 2) + "x",
                  "<= " + fixed(kTimeRatioTarget, 1) + "x", ratio <= kTimeRatioTarget);
    const double extra = median(m.peaks) - median(f.peaks);
    report.figure("peak memory, main menu - floor", fixed(extra, 1) + " MiB",
                  "<= " + fixed(kExtraMemoryTargetMiB, 0) + " MiB", extra <= kExtraMemoryTargetMiB);
    return report.exitStatus();
}
