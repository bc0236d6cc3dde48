#include "app/bench_log.h"

#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>

#include "app/game_state.h"

namespace {

struct FrameLog {
    bool active = false;
    std::ofstream out;
    std::string mark = "-";
    bool presented = false;
    double passWall = 0, passCpu = 0, passMain = 0;
    double buildWall = 0, buildCpu = 0;
};

FrameLog frameLog;

double clockMs(clockid_t clock)
{
    timespec now{};
    clock_gettime(clock, &now);
    return double(now.tv_sec) * 1000.0 + double(now.tv_nsec) / 1e6;
}

double wallMs() { return clockMs(CLOCK_MONOTONIC); }
double cpuMs() { return clockMs(CLOCK_PROCESS_CPUTIME_ID); }
double mainThreadMs() { return clockMs(CLOCK_THREAD_CPUTIME_ID); }

// Milliseconds since the kernel started this process (its start time counts in clock ticks since boot).
double processAgeMs()
{
    std::ifstream stat("/proc/self/stat");
    std::string text;
    std::getline(stat, text);
    const size_t close = text.rfind(')');
    if (close == std::string::npos) return -1;
    std::istringstream fields(text.substr(close + 2));
    std::string field;
    for (int i = 3; i <= 22 && fields >> field; ++i) {
        if (i == 22) return clockMs(CLOCK_BOOTTIME) - std::stod(field) * 1000.0 / double(sysconf(_SC_CLK_TCK));
    }
    return -1;
}

// A "VmRSS:" style line of /proc/self/status, in kB.
long statusKb(const std::string& key)
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.compare(0, key.size(), key) == 0) return std::stol(line.substr(key.size()));
    return -1;
}

// L: a hole change or load, F: a fly-over, P: a hole in play, M: the menus.
char phase()
{
    const ScreenFlags& s = game.screen;
    if (s.holeChangeActive || s.holeLoadPending) return 'L';
    if (s.holeActive) return s.introDone ? 'P' : 'F';
    return 'M';
}

}  // namespace

bool frameLogOpen(const std::string& path)
{
    frameLog.out.open(path, std::ios::trunc);
    if (!frameLog.out) {
        std::cerr << "cannot write " << path << std::endl;
        return false;
    }
    frameLog.active = true;
    return true;
}

bool frameLogActive() { return frameLog.active; }

void frameLogMark(const std::string& mark)
{
    frameLog.mark = mark;
    if (frameLog.active) frameLog.out << "mark " << mark << ' ' << statusKb("VmRSS:") << ' ' << statusKb("VmHWM:") << '\n';
}

void frameLogBeginLoop()
{
    frameLog.passWall = wallMs();
    frameLog.passCpu = cpuMs();
    frameLog.passMain = mainThreadMs();
}

void frameLogPresented()
{
    if (!frameLog.active || frameLog.presented) return;
    frameLog.presented = true;
    char line[64];
    std::snprintf(line, sizeof line, "present1 %.1f", processAgeMs());
    frameLog.out << line << '\n';
}

void frameLogPass(long frame)
{
    if (!frameLog.active) return;
    const double wall = wallMs(), cpu = cpuMs(), main = mainThreadMs();
    char line[128];
    std::snprintf(line, sizeof line, "f %ld %.3f %.3f %c %s %.3f", frame, wall - frameLog.passWall,
                  cpu - frameLog.passCpu, phase(), frameLog.mark.c_str(), main - frameLog.passMain);
    frameLog.out << line << '\n';
    frameLog.passWall = wall;
    frameLog.passCpu = cpu;
    frameLog.passMain = main;
}

void frameLogBuildStart()
{
    frameLog.buildWall = wallMs();
    frameLog.buildCpu = cpuMs();
}

void frameLogBuildEnd(int hole)
{
    if (!frameLog.active) return;
    char line[96];
    std::snprintf(line, sizeof line, "build %d %.3f %.3f %ld %ld", hole, wallMs() - frameLog.buildWall,
                  cpuMs() - frameLog.buildCpu, statusKb("VmRSS:"), statusKb("VmHWM:"));
    frameLog.out << line << '\n';
}

void frameLogFinish()
{
    if (!frameLog.active) return;
    frameLog.out << "end " << statusKb("VmHWM:") << ' ' << statusKb("VmRSS:") << '\n';
    frameLog.out.flush();
}
