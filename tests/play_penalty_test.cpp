// Out of bounds: on hole 15 a firm tee shot runs through the gap in the first
// bend's outer wall onto the sand. It costs the stroke and one penalty stroke,
// and the ball is put back where it was struck.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "tests/support/game_run.h"

TEST(Penalty, ABallOnTheSandCostsOneStrokeAndIsPutBackWhereItWasStruck)
{
    const std::string script =
        "hole 15 1\nframes 5\nkey RETURN down\nframes 2\nkey RETURN up\nwait introDone 1 600\nframes 130\ndump\n"
        "frames 1\nkey SPACE down\nframes 60\nkey SPACE up\nframes 2\nwait powerBand 0 3000\ndump\nquit\n";
    RunTree tree;
    GameRun run = runScript(tree, script, "--null-video");
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.dumps.size(), 2u);
    const std::string before = jsonElement(jsonValue(run.dumps[0], "ball"), 0);
    const std::string after = jsonElement(jsonValue(run.dumps[1], "ball"), 0);
    EXPECT_EQ(jsonElement(jsonValue(run.dumps[1], "holeStrokes"), 0), "2") << "the stroke and one penalty";
    EXPECT_EQ(jsonElement(jsonValue(run.dumps[1], "holedOut"), 0), "0");
    for (size_t axis : {0u, 2u}) {
        const double was = std::strtod(jsonElement(before, axis).c_str(), nullptr);
        const double is = std::strtod(jsonElement(after, axis).c_str(), nullptr);
        EXPECT_NEAR(is, was, 0.05) << "axis " << axis << ": back where it was struck";
    }
}

// Two players: player 1 stops short in the first straight; player 2's firm tee shot
// knocks that ball along on its way through the gap onto the sand. The stroke is
// played again from where it was struck, so both balls go back where they stood.
TEST(Penalty, EveryBallTheStrokeMovedGoesBackWithTheBallOnTheSand)
{
    const std::string script =
        "hole 15 2\nframes 5\nkey RETURN down\nframes 2\nkey RETURN up\nwait introDone 1 600\nframes 130\n"
        "frames 1\nkey SPACE down\nframes 12\nkey SPACE up\nwait turnPending 1 3000\nwait turnPending 0 1500\n"
        "frames 30\nframes 1\nkey SPACE down\nframes 60\nkey SPACE up\nframes 1\ndump\n"
        "wait penaltyPending 1 3000\ndump\nwait penaltyPending 0 3000\nframes 2\ndump\nquit\n";
    RunTree tree;
    GameRun run = runScript(tree, script, "--null-video");
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.dumps.size(), 3u);
    const std::string& swing = run.dumps[0];
    const std::string& sand = run.dumps[1];
    const std::string& back = run.dumps[2];
    EXPECT_EQ(jsonNumber(swing, "currentPlayer"), 2);
    EXPECT_EQ(jsonElement(jsonValue(back, "holeStrokes"), 0), "1") << "player 1 pays nothing";
    EXPECT_EQ(jsonElement(jsonValue(back, "holeStrokes"), 1), "2") << "the stroke and one penalty";
    auto coordinate = [](const std::string& dump, size_t ball, size_t axis) {
        return std::strtod(jsonElement(jsonElement(jsonValue(dump, "ball"), ball), axis).c_str(), nullptr);
    };
    EXPECT_GT(std::fabs(coordinate(sand, 0, 2) - coordinate(swing, 0, 2)), 1.0) << "player 1's ball was knocked along";
    for (size_t ball : {0u, 1u})
        for (size_t axis : {0u, 2u})
            EXPECT_NEAR(coordinate(back, ball, axis), coordinate(swing, ball, axis), 0.05)
                << "ball " << ball + 1 << " axis " << axis;
}
