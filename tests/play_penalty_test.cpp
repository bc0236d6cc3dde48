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
