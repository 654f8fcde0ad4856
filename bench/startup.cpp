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

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/benchreport.h"
#include "bench/launch.h"

namespace corvell::bench {
namespace {

constexpr double kTimeRatioTarget = 1.3;
constexpr double kExtraMemoryTargetMiB = 10;

struct Figures {
    std::vector<double> times;
    std::vector<double> peaks;
};

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
    launch(floor, {"hello"});
    launch(floor);
    Figures m;
    Figures f;
    Figures e;
    // In turn, so that anything else the machine does falls on all alike.
    for (int i = 0; i < runs; ++i) {
        const Launch a = launch(menu);
        m.times.push_back(a.milliseconds);
        m.peaks.push_back(a.peakMiB);
        const Launch b = launch(floor, {"hello"});
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
