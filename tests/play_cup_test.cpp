// A ball that reaches the cup slowly beside the pole drops in: it neither hangs on the
// rim over the hole nor circles it until the no-stop rule ends the stroke.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/game_run.h"

TEST(Cup, SlowBallsBesideThePoleDropInWithoutWaitingOutTheStroke)
{
    // Hole 1: left of the block, then back towards the cup at three paces that used to
    // leave the ball on the rim (one of them circled it for 13 s first).
    const struct {
        int aim, power;
    } kApproaches[] = {{13, 28}, {13, 32}, {15, 34}};
    for (const auto& approach : kApproaches) {
        SCOPED_TRACE(testing::Message() << "R" << approach.aim << "," << approach.power);
        std::string script =
            "hole 1 1\nframes 5\nkey RETURN down\nframes 2\nkey RETURN up\nwait introDone 1 600\nframes 130\n"
            "key LEFT down\nframes 5\nkey LEFT up\nframes 1\nkey SPACE down\nframes 50\nkey SPACE up\nframes 2\n"
            "wait powerBand 0 3000\nframes 130\nkey RIGHT down\nframes ";
        script += std::to_string(approach.aim);
        script += "\nkey RIGHT up\nframes 1\nkey SPACE down\nframes ";
        script += std::to_string(approach.power);
        script += "\nkey SPACE up\ndump\nframes 2\nwait powerBand 0 3000\ndump\nquit\n";
        RunTree tree;
        GameRun run = runScript(tree, script, "--null-video");
        ASSERT_EQ(run.status, 0) << run.err;
        ASSERT_EQ(run.dumps.size(), 2u);
        EXPECT_EQ(jsonElement(jsonValue(run.dumps[1], "holedOut"), 0), "1");
        // The 2 s stop hold and the roll, well short of the 20 s (1200 frames) no-stop rule.
        EXPECT_LT(jsonNumber(run.dumps[1], "frame") - jsonNumber(run.dumps[0], "frame"), 600);
    }
}
