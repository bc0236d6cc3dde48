// Strokes as a player makes them: keys at 60 frames per second on the real
// holes, through the replay harness.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/game_run.h"

namespace {

// A stroke as the keys make it: `aimFrames` of RIGHT (positive: the aim turns
// towards +x) or LEFT (negative) at 0.7 degrees a frame, then SPACE for `powerFrames` (100 power a frame).
struct Stroke {
    int aimFrames;
    int powerFrames;
};

// The reference solution of hole 1: how a good player plays it, past the block on its left.
const std::vector<Stroke> kHoleOneSolution = {{-5, 50}, {13, 28}};

std::string startHole(int hole, int players)
{
    return "hole " + std::to_string(hole) + " " + std::to_string(players) +
           "\nframes 5\nkey RETURN down\nframes 2\nkey RETURN up\nwait introDone 1 600\nframes 130\n";
}

std::string aim(int frames)
{
    if (frames == 0) return "";
    const std::string key = frames > 0 ? "RIGHT" : "LEFT";
    return "key " + key + " down\nframes " + std::to_string(std::abs(frames)) + "\nkey " + key + " up\n";
}

// Plays a stroke and waits until it has ended and the next turn is announced.
std::string play(const Stroke& stroke)
{
    return aim(stroke.aimFrames) + "frames 1\nkey SPACE down\nframes " + std::to_string(stroke.powerFrames) +
           "\nkey SPACE up\nframes 2\nwait powerBand 0 3000\nframes 130\n";
}

std::vector<std::string> names(const std::string& array)
{
    std::vector<std::string> out;
    for (size_t i = 0;; ++i) {
        std::string element = jsonElement(array, i);
        if (element.empty()) return out;
        out.push_back(element.substr(1, element.size() - 2));
    }
}

bool playedInOrder(const std::vector<std::string>& played, const std::string& first, const std::string& second)
{
    size_t i = 0;
    while (i < played.size() && played[i] != first) ++i;
    for (; i < played.size(); ++i)
        if (played[i] == second) return true;
    return false;
}

}  // namespace

TEST(Strokes, TheMeterFillsPerFrameAndTheStrokeCountsOnRelease)
{
    RunTree tree;
    GameRun run = runScript(tree, startHole(1, 1) + aim(-5) +
                                      "frames 1\nkey SPACE down\nframes 1\ndump\nframes 48\ndump\nframes 1\n"
                                      "key SPACE up\nframes 1\ndump\nwait powerBand 0 3000\nframes 130\n" +
                                      play(kHoleOneSolution[1]) + "dump\nquit\n");
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.dumps.size(), 4u);
    const std::string& oneFrame = run.dumps[0];
    EXPECT_EQ(jsonNumber(oneFrame, "power"), 100);
    EXPECT_EQ(jsonNumber(oneFrame, "powerBand"), 1) << "the short swing";
    EXPECT_EQ(jsonValue(oneFrame, "powerMeter"), "\"power_0.png\"");
    EXPECT_EQ(jsonNumber(oneFrame, "charging"), 1);
    EXPECT_EQ(jsonElement(jsonValue(oneFrame, "holeStrokes"), 0), "0");
    EXPECT_EQ(jsonNumber(run.dumps[1], "power"), 4900);
    EXPECT_EQ(jsonValue(run.dumps[1], "powerMeter"), "\"power_9.png\"");
    EXPECT_EQ(jsonNumber(run.dumps[1], "powerBand"), 2) << "past 4500: the medium swing";
    const std::string& released = run.dumps[2];
    EXPECT_EQ(jsonElement(jsonValue(released, "holeStrokes"), 0), "1") << "counted when released";
    EXPECT_EQ(jsonNumber(released, "swingActive"), 1);
    const std::string& holed = run.dumps[3];
    EXPECT_EQ(jsonElement(jsonValue(holed, "holedOut"), 0), "1");
    EXPECT_EQ(jsonElement(jsonValue(holed, "holeStrokes"), 0), "2");
}

TEST(Strokes, HoleOneInParShowsParAfterTheCup)
{
    RunTree tree;
    GameRun run = runScript(tree, startHole(1, 1) + play(kHoleOneSolution[0]) + aim(13) +
                                      "frames 1\nkey SPACE down\nframes 28\nkey SPACE up\nframes 2\ndump\n"
                                      "wait resultShowing 1 3000\ndump\nquit\n");
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.dumps.size(), 2u);
    const std::string& result = run.dumps[1];
    EXPECT_EQ(jsonValue(result, "resultBanner"), "\"par.png\"");
    EXPECT_EQ(jsonElement(jsonValue(result, "holedOut"), 0), "1");
    EXPECT_TRUE(playedInOrder(names(jsonValue(result, "played")), "cup", "par")) << jsonValue(result, "played");
}

TEST(Strokes, ParPlusFourWithoutHolingEndsTheHoleWithTooMany)
{
    RunTree tree;
    // Turned round to face the tee's back wall, six taps never leave the tee.
    std::string script = startHole(1, 1) + aim(257);
    for (int i = 0; i < 6; ++i) script += play({0, 3});
    GameRun run = runScript(tree, script + "dump\nquit\n");
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.dumps.size(), 1u);
    const std::string& limit = run.dumps[0];
    EXPECT_EQ(jsonElement(jsonValue(limit, "holeStrokes"), 0), "6");
    EXPECT_EQ(jsonElement(jsonValue(limit, "holedOut"), 0), "1");
}

TEST(Strokes, TwoPlayersTakeTheirStrokesInTurn)
{
    RunTree tree;
    GameRun run = runScript(tree, startHole(1, 2) + "dump\n" + play({0, 3}) + "dump\n" + play({0, 3}) + "dump\n" +
                                      play({0, 3}) + "dump\nquit\n");
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.dumps.size(), 4u);
    const char* expected[] = {"1", "2", "1", "2"};
    for (size_t i = 0; i < 4; ++i) EXPECT_EQ(jsonValue(run.dumps[i], "currentPlayer"), expected[i]) << i;
    EXPECT_EQ(jsonValue(run.dumps[3], "holeStrokes"), "[2,1,0,0]");
}
