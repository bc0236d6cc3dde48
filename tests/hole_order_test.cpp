// The order holes follow each other in a match, from the first hole through the
// fades and the loading image to the main menu after the last. Every hole is given
// up at once (ESCAPE, F), so each run is a walk through the dispatcher.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "course/holes/hole_builder.h"
#include "tests/support/game_run.h"

namespace {

constexpr const char* kGiveUpEveryHole =
    "wait introDone 1 3000\nframes 2\ndump\n"
    "key ESCAPE down\nframes 1\nkey ESCAPE up\nframes 2\nkey F down\nframes 1\nkey F up\n"
    "wait scorecardShowing 1 1200\nframes 10\nkey RETURN down\nframes 1\nkey RETURN up\n"
    "wait introDone 0 600\n";

std::vector<int> playedHoles(const std::string& start, int holes)
{
    std::string script = start + "\n";
    for (int i = 0; i < holes; ++i) script += kGiveUpEveryHole;
    script += "wait mainMenuActive 1 600\ndump\nquit\n";
    RunTree tree;
    GameRun run = runScript(tree, script, "--null-video");
    EXPECT_EQ(run.status, 0) << run.err;
    std::vector<int> order;
    for (size_t i = 0; i + 1 < run.dumps.size(); ++i) order.push_back(int(jsonNumber(run.dumps[i], "currentHole")));
    if (!run.dumps.empty()) {
        EXPECT_EQ(jsonNumber(run.dumps.back(), "mainMenuActive"), 1) << "back at the menu";
    }
    return order;
}

// The holes of a range that have a builder, in playing order.
std::vector<int> buildable(const std::vector<int>& range)
{
    std::vector<int> out;
    for (int hole : range)
        if (holeBuilder(hole)) out.push_back(hole);
    return out;
}

}  // namespace

TEST(HoleOrder, FrontNineBackNineAndAllEighteenFollowTheCourseOrderThenTheMenu)
{
    const std::vector<int> front = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    const std::vector<int> back = {10, 15, 13, 12, 14, 16, 11, 17, 18};
    std::vector<int> all = front;
    all.insert(all.end(), back.begin(), back.end());
    const struct {
        const char* start;
        std::vector<int> expected;
    } kRanges[] = {{"start 19 1", buildable(front)}, {"start 918 1", buildable(back)}, {"start 118 1", buildable(all)}};
    for (const auto& range : kRanges) {
        SCOPED_TRACE(range.start);
        EXPECT_EQ(playedHoles(range.start, int(range.expected.size())), range.expected);
    }
}

TEST(HoleOrder, ThePracticeHoleReturnsToTheMainMenu)
{
    // The tutorial's first page holds play; its own tests walk the pages. Here the hole ends by giving up.
    RunTree tree;
    const std::string script =
        "hole -1 1\nwait introDone 1 3000\nframes 2\ndump\n"
        "key ESCAPE down\nframes 1\nkey ESCAPE up\nframes 2\nkey F down\nframes 1\nkey F up\n"
        "wait scorecardShowing 1 1200\nframes 10\nkey RETURN down\nframes 1\nkey RETURN up\n"
        "wait mainMenuActive 1 600\ndump\nquit\n";
    GameRun run = runScript(tree, script, "--null-video");
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.dumps.size(), 2u);
    EXPECT_EQ(jsonNumber(run.dumps[0], "currentHole"), -1);
    EXPECT_EQ(jsonNumber(run.dumps[1], "mainMenuActive"), 1);
    EXPECT_EQ(jsonNumber(run.dumps[1], "holeActive"), 0);
}

TEST(HoleOrder, AHoleChangeFadesOutShowsTheLoadingImageForOneFrameAndFadesIn)
{
    // Hole 1 given up; after ENTER on the scorecard the screen fades out, the
    // loading image is presented for one frame, the next hole is built and fades in.
    RunTree tree;
    std::string script = "start 19 1\nwait introDone 1 3000\nframes 2\n"
                         "key ESCAPE down\nframes 1\nkey ESCAPE up\nframes 2\nkey F down\nframes 1\nkey F up\n"
                         "wait scorecardShowing 1 1200\nframes 10\nkey RETURN down\nframes 1\nkey RETURN up\n"
                         "wait holeChangeActive 1 60\ndump\n";
    for (int i = 0; i < 100; ++i) script += "frames 1\ndump\n";
    script += "quit\n";
    GameRun run = runScript(tree, script, "--null-video");
    ASSERT_EQ(run.status, 0) << run.err;
    int loadingFrames = 0, fadeFrames = 0;
    size_t built = 0;
    for (size_t i = 0; i < run.dumps.size(); ++i) {
        const std::string& d = run.dumps[i];
        if (jsonValue(d, "gui").find("loading.png") != std::string::npos) ++loadingFrames;
        if (jsonNumber(d, "holeChangeActive") == 1) ++fadeFrames;
        if (!built && jsonNumber(d, "holeChangeActive") == 0) built = i;
    }
    EXPECT_EQ(loadingFrames, 1);
    EXPECT_GE(fadeFrames, 55) << "a one-second fade out at 60 frames per second";
    EXPECT_LE(fadeFrames, 65);
    ASSERT_GT(built, 0u);
    EXPECT_EQ(jsonNumber(run.dumps[built], "holeLoadPending"), 0);
    EXPECT_NE(jsonNumber(run.dumps[built], "currentHole"), 1) << "the next hole is built";
}
