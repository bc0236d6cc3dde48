#include "app/frame_pacing.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/game_state.h"
#include "app/replay.h"

namespace {

using Clock = std::chrono::steady_clock;

struct PacingReport {
    double seconds = 0;  // 0: no report
    bool started = false;
    Clock::time_point start, last;
    std::vector<double> intervalsMs;
};

PacingReport& report()
{
    static PacingReport r = [] {
        PacingReport fresh;
        const char* text = std::getenv("TALLOWICK_FRAME_REPORT");
        if (text) fresh.seconds = std::strtod(text, nullptr);
        return fresh;
    }();
    return r;
}

double percentile(const std::vector<double>& sorted, double p)
{
    return sorted[std::min(sorted.size() - 1, size_t(double(sorted.size()) * p))];
}

void printReport(const PacingReport& r, Clock::time_point now)
{
    const double elapsed = std::chrono::duration<double>(now - r.start).count();
    std::vector<double> sorted = r.intervalsMs;
    std::sort(sorted.begin(), sorted.end());
    const auto late = std::count_if(sorted.begin(), sorted.end(), [](double ms) { return ms > 20.0; });
    std::fprintf(stderr,
                 "frame pacing: %zu frames in %.3f s = %.2f fps; interval ms min %.2f median %.2f "
                 "p99 %.2f max %.2f; %ld over 20 ms\n",
                 sorted.size(), elapsed, double(sorted.size()) / elapsed, sorted.front(), percentile(sorted, 0.5),
                 percentile(sorted, 0.99), sorted.back(), long(late));
}

}  // namespace

void framePacingPass()
{
    PacingReport& r = report();
    if (r.seconds <= 0 || replayMode() || !game.screen.mainMenuActive) return;
    const Clock::time_point now = Clock::now();
    if (!r.started) {
        r.started = true;
        r.start = r.last = now;
        return;
    }
    r.intervalsMs.push_back(std::chrono::duration<double, std::milli>(now - r.last).count());
    r.last = now;
    if (std::chrono::duration<double>(now - r.start).count() < r.seconds) return;
    printReport(r, now);
    r.seconds = 0;
    game.engine.device->closeDevice();
}
