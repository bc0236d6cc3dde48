// Soak: three full 18-hole matches in a row in one game process, player 1 giving up
// every hole and an easy, a medium and a hard computer playing it out. Every hole
// ends, every match reaches the medals and goes back to the main menu, and the
// resident memory after the third match is about what it was after the first.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/game_run.h"

namespace {

constexpr int kMatches = 3;
constexpr int kHoles = 18;
constexpr int kHoleFrames = 40000;          // far more than a hole's strokes need
constexpr long kGrowthLimitKb = 5 * 1024;   // resident memory, third match against the first
constexpr int kMenuIdleFrames = 20000;      // time for the test to read the memory at the menu

std::string matchScript(int seed)
{
    std::string script = "seed " + std::to_string(seed) + "\nstart 118 4 easy medium hard\n";
    for (int hole = 1; hole <= kHoles; ++hole) {
        // The player with the most strokes on the last hole tees off first: player 1 gives up on its turn.
        script += std::string("wait introDone 1 3000\nwait currentPlayer 1 3000\nframes 2\n") + kGiveUpKeys +
                  "wait scorecardShowing 1 " + std::to_string(kHoleFrames) + "\nframes 2\ndump\n";
        // From the last scorecard, ENTER goes back to the main menu.
        script += "frames 10\nkey RETURN down\nframes 1\nkey RETURN up\n";
        script += hole < kHoles ? "wait introDone 0 600\n" : "wait mainMenuActive 1 3000\nframes 30\ndump\n";
    }
    return script + "frames " + std::to_string(kMenuIdleFrames) + "\n";
}

}  // namespace

TEST(RobustnessSoak, ThreeFullMatchesInARowEndEveryHoleAndKeepMemoryFlat)
{
    std::string script;
    for (int match = 1; match <= kMatches; ++match) script += matchScript(match);
    RunTree tree;
    const auto start = std::chrono::steady_clock::now();
    RunningGame running = startScript(tree, script + "quit\n", "--null-video");
    const int pid = running.pid;
    // Reads the memory as soon as each match's main-menu dump appears, while the game idles there.
    std::vector<long> residentKb;
    std::vector<double> matchSeconds;
    long peakKb = -1;
    size_t seen = 0;
    const auto deadline = start + std::chrono::minutes(14);
    while (residentKb.size() < size_t(kMatches) && std::chrono::steady_clock::now() < deadline) {
        const std::vector<std::string> dumps = dumpsSoFar(tree);
        for (; seen < dumps.size(); ++seen) {
            if (jsonNumber(dumps[seen], "mainMenuActive") != 1) continue;
            residentKb.push_back(processStatusKb(pid, "VmRSS:"));
            peakKb = processStatusKb(pid, "VmHWM:");
            matchSeconds.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        }
        if (processStatusKb(pid, "VmRSS:") < 0) break;  // ended
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    GameRun run = finishScript(tree, running, 120);
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.dumps.size(), size_t(kMatches * (kHoles + 1))) << run.err;
    for (int match = 0; match < kMatches; ++match) {
        const size_t first = size_t(match) * (kHoles + 1);
        for (int hole = 0; hole < kHoles; ++hole) {
            const std::string& card = run.dumps[first + size_t(hole)];
            EXPECT_EQ(jsonNumber(card, "scorecardShowing"), 1) << "match " << match + 1 << " hole " << hole + 1;
            for (int seat = 1; seat <= 3; ++seat)
                EXPECT_EQ(jsonElement(jsonValue(card, "holedOut"), seat), "1")
                    << "match " << match + 1 << " hole " << hole + 1 << " seat " << seat + 1;
        }
        const std::string& lastCard = run.dumps[first + kHoles - 1];
        EXPECT_NE(jsonValue(lastCard, "medals").find("gold.png"), std::string::npos) << "match " << match + 1;
        EXPECT_EQ(jsonNumber(run.dumps[first + kHoles], "mainMenuActive"), 1) << "match " << match + 1;
    }
    ASSERT_EQ(residentKb.size(), size_t(kMatches));
    for (int match = 0; match < kMatches; ++match)
        std::printf("match %d: done at %.0f s, resident %ld kB\n", match + 1, matchSeconds[size_t(match)],
                    residentKb[size_t(match)]);
    std::printf("peak resident %ld kB\n", peakKb);
    // The harness keeps each pass's time (8 bytes) for its closing line: not the game's memory.
    const double framesBetween = jsonNumber(run.dumps[size_t(kMatches) * (kHoles + 1) - 1], "frame") -
                                 jsonNumber(run.dumps[kHoles], "frame");
    const long harnessKb = long(framesBetween * 8 / 1024);
    std::printf("growth %ld kB, of which the harness's pass times %ld kB\n", residentKb[kMatches - 1] - residentKb[0],
                harnessKb);
    EXPECT_LT(residentKb[kMatches - 1] - residentKb[0] - harnessKb, kGrowthLimitKb);
}
