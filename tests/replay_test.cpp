// The replay harness: determinism, recording, script errors and waits.
#include <gtest/gtest.h>

#include "tests/support/game_run.h"

TEST(Replay, TheSameScriptGivesByteIdenticalDumps)
{
    const char* script =
        "seed 7\nfps 60\nframes 10\ndump\nkey SPACE down\nmouse 100 200\nlmb down\nframes 3\n"
        "lmb up\nkey SPACE up\nfps 30\nframes 30\ndump\nwait frame 50\ndump\nquit\n";
    RunTree first, second;
    GameRun a = runScript(first, script);
    GameRun b = runScript(second, script);
    ASSERT_EQ(a.status, 0) << a.err;
    ASSERT_EQ(b.status, 0) << b.err;
    ASSERT_EQ(a.dumps.size(), 3u);
    EXPECT_EQ(a.dumps, b.dumps);
    EXPECT_EQ(readFile(first.path("dump.jsonl")), readFile(second.path("dump.jsonl")));
}

TEST(Replay, TheVirtualClockMakesFpsPassesOneSecond)
{
    RunTree tree;
    GameRun run = runScript(tree, "dump\nfps 60\nframes 60\ndump\nfps 45\nframes 45\ndump\nfps 7\nframes 7\ndump\nquit\n");
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.dumps.size(), 4u);
    const double start = jsonNumber(run.dumps[0], "timeMs");
    EXPECT_EQ(jsonNumber(run.dumps[1], "timeMs"), start + 1000);
    EXPECT_EQ(jsonNumber(run.dumps[2], "timeMs"), start + 2000);
    EXPECT_EQ(jsonNumber(run.dumps[3], "timeMs"), start + 3000);
    EXPECT_EQ(jsonNumber(run.dumps[3], "frame"), 112);
    EXPECT_NE(run.err.find("replay: 112 frames, "), std::string::npos) << run.err;
}

TEST(Replay, ARecordedSessionReplaysToTheSameFinalDump)
{
    const char* script =
        "seed 3\nframes 4\nkey LEFT down\nframes 5\nkey LEFT up\nmouse 10 20\nlmb down\nframes 2\n"
        "lmb up\nmouse 30 40\nframes 6\nkey SPACE down\nkey F down\nframes 1\nkey SPACE up\nkey F up\n"
        "frames 7\ndump\nquit\n";
    RunTree original, again;
    GameRun recorded = runScript(original, script, "--record '" + original.path("recording.txt") + "'");
    ASSERT_EQ(recorded.status, 0) << recorded.err;
    const std::string recording = readFile(original.path("recording.txt"));
    EXPECT_NE(recording.find("seed 3\n"), std::string::npos) << recording;
    EXPECT_NE(recording.find("key LEFT down\nframes 5\nkey LEFT up\n"), std::string::npos) << recording;
    GameRun replayed = runScript(again, recording);
    ASSERT_EQ(replayed.status, 0) << replayed.err;
    ASSERT_EQ(recorded.dumps.size(), 1u);
    ASSERT_EQ(replayed.dumps.size(), 1u);
    EXPECT_EQ(replayed.dumps[0], recorded.dumps[0]);
}

TEST(Replay, AMalformedLineStopsTheRunWithStatusTwo)
{
    struct Row { const char* script; const char* line; };
    const Row rows[] = {{"frames 2\nkey TAB down\n", "line 2"}, {"frames x\n", "line 1"},
                        {"# comment\n\nfps 0\n", "line 3"},     {"start 20 1\n", "line 1"},
                        {"hole 19 1\n", "line 1"},              {"start 19 2 robot\n", "line 1"},
                        {"jump\n", "line 1"},                   {"wait frame\n", "line 1"}};
    for (const Row& row : rows) {
        RunTree tree;
        GameRun run = runScript(tree, row.script);
        EXPECT_EQ(run.status, 2) << row.script;
        EXPECT_NE(run.err.find(row.line), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty()) << "nothing starts before the script is checked";
    }
}

TEST(Replay, AWaitThatRunsOutExitsWithStatusThree)
{
    RunTree tree;
    GameRun run = runScript(tree, "wait mainMenuActive 7 5\ndump\n");
    EXPECT_EQ(run.status, 3);
    EXPECT_NE(run.err.find("mainMenuActive"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("last value 0"), std::string::npos) << run.err;
    EXPECT_TRUE(run.dumps.empty());
}

TEST(Replay, WaitsOnScalarsAndPlayerArrays)
{
    RunTree tree;
    GameRun run = runScript(tree, "wait frame 5\ndump\nwait holeStrokes[2] 0 3\ndump\nwait caption \"x\" 2\n");
    EXPECT_EQ(run.status, 3) << "a string that never matches runs out";
    ASSERT_EQ(run.dumps.size(), 2u);
    EXPECT_EQ(jsonNumber(run.dumps[0], "frame"), 5);
    EXPECT_EQ(jsonNumber(run.dumps[1], "frame"), 6);
}

TEST(Replay, ShotSavesThePresentedFrame)
{
    RunTree tree;
    GameRun run = runScript(tree, "frames 2\nshot " + tree.path("shot.png") + "\nframes 1\nquit\n");
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string png = readFile(tree.path("shot.png"));
    ASSERT_GT(png.size(), 24u);
    EXPECT_EQ(png.substr(1, 3), "PNG");
    auto bigEndian = [&](size_t at) {
        return (uint32_t(uint8_t(png[at])) << 24) | (uint32_t(uint8_t(png[at + 1])) << 16) |
               (uint32_t(uint8_t(png[at + 2])) << 8) | uint32_t(uint8_t(png[at + 3]));
    };
    EXPECT_EQ(bigEndian(16), 800u);
    EXPECT_EQ(bigEndian(20), 600u);
}
