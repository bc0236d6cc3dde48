// Computer opponents playing the course on their own: player 1 gives up every
// hole at once (ESCAPE, then F), and an easy, a medium and a hard computer play
// it out. tools/computer_lab.py runs the same evaluation over more seeds.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "course/holes/hole_builder.h"
#include "course/holes/hole_table.h"
#include "tests/support/game_run.h"

namespace {

constexpr const char* kSeats = "easy medium hard";
constexpr const char* kSkipFlyOver = "frames 5\nkey RETURN down\nframes 2\nkey RETURN up\nwait introDone 1 600\nframes 2\n";
constexpr const char* kGiveUp = kGiveUpKeys;
constexpr int kHoleFrames = 40000;  // far more than eighteen strokes need
constexpr int kEasy = 1, kMedium = 2, kHard = 3;  // seats 2, 3, 4
constexpr int kStrokeLimitOver = 4;               // a hole ends for a player at par + 4

// Where seed 1 leaves a seat over its mark (at most two holes of eighteen for medium, four
// for easy): medium over par + 3, easy at the stroke limit.
const std::set<int> kMediumOver = {2, 18};
const std::set<int> kEasyAtTheLimit = {3, 5, 6, 18};
// Holes built after the routes were laid (9, 13, 14): their computers putt straight at the
// cup for now. Holes 4 and 8: the routes were laid before balls stopped hanging on the cup's
// rim, which changed where putts rest there. Only the end of the hole is checked on these.
const std::set<int> kNoRoutesYet = {4, 8, 9, 13, 14};

std::vector<int> builtHoles()
{
    std::vector<int> holes;
    for (int h = 1; h <= 18; ++h)
        if (holeBuilder(h)) holes.push_back(h);
    return holes;
}

int strokes(const std::string& dump, int seat) { return std::stoi(jsonElement(jsonValue(dump, "holeStrokes"), seat)); }

std::string holeName(const testing::TestParamInfo<int>& info) { return "Hole" + std::to_string(info.param); }

class ComputersPlayHole : public testing::TestWithParam<int> {};

// The hard computer holes out within par + 1, medium within par + 3 and easy before the
// stroke limit, but for the few holes listed above; nobody keeps the hole going for ever.
TEST_P(ComputersPlayHole, EachSeatWithinItsMark)
{
    const int hole = GetParam();
    const int par = holeRow(hole)->par;
    const std::string script = "seed 1\nhole " + std::to_string(hole) + " 4 " + kSeats +
                               "\n" + kSkipFlyOver + kGiveUp + "wait scorecardShowing 1 " +
                               std::to_string(kHoleFrames) + "\ndump\nquit\n";
    RunTree tree;
    GameRun run = runScript(tree, script, "--null-video");
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.dumps.size(), 1u);
    const std::string& card = run.dumps[0];
    const bool routed = !kNoRoutesYet.count(hole);
    if (routed) {
        EXPECT_LE(strokes(card, kHard), par + 1);
    }
    if (routed && !kMediumOver.count(hole)) {
        EXPECT_LE(strokes(card, kMedium), par + 3);
    }
    if (routed && !kEasyAtTheLimit.count(hole)) {
        EXPECT_LT(strokes(card, kEasy), par + kStrokeLimitOver);
    }
    for (int seat = kEasy; seat <= kHard; ++seat) {
        EXPECT_EQ(jsonElement(jsonValue(card, "holedOut"), seat), "1") << "seat " << seat + 1;
        EXPECT_LE(strokes(card, seat), par + kStrokeLimitOver) << "seat " << seat + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(Course, ComputersPlayHole, testing::ValuesIn(builtHoles()), holeName);

// All eighteen (every hole that is built) to the medals, with the turn order of a match:
// nobody gets stuck, everyone finishes every hole, and over the course hard plays better
// than medium and easy.
TEST(ComputersPlayTheCourse, AFullMatchRunsToTheMedals)
{
    const std::vector<int> holes = builtHoles();
    std::string script = std::string("seed 1\nstart 118 4 ") + kSeats + "\n";
    for (size_t i = 0; i < holes.size(); ++i) {
        // The player with the most strokes on the last hole tees off first: player 1 gives up on its turn.
        script += "wait introDone 1 3000\nwait currentPlayer 1 3000\nframes 2\n" + std::string(kGiveUp) +
                  "wait scorecardShowing 1 " + std::to_string(kHoleFrames) + "\nframes 2\ndump\n";
        if (i + 1 < holes.size()) script += "frames 10\nkey RETURN down\nframes 1\nkey RETURN up\nwait introDone 0 600\n";
    }
    RunTree tree;
    GameRun run = runScript(tree, script + "quit\n", "--null-video");
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.dumps.size(), holes.size());
    int total[kHard + 1] = {};
    for (size_t i = 0; i < holes.size(); ++i) {
        const std::string& card = run.dumps[i];
        for (int seat = kEasy; seat <= kHard; ++seat) {
            EXPECT_EQ(jsonElement(jsonValue(card, "holedOut"), seat), "1") << "card " << i << " seat " << seat + 1;
            total[seat] += strokes(card, seat);
        }
    }
    EXPECT_LT(total[kHard], total[kMedium]);
    EXPECT_LT(total[kHard], total[kEasy]);
    const std::string& last = run.dumps.back();
    EXPECT_NE(jsonValue(last, "medals").find("gold.png"), std::string::npos);
    EXPECT_NE(jsonValue(last, "winnerBanner"), "\"\"");
}

// The dump shows where each computer seat putts next; a human seat has none.
TEST(ComputersPlayHole, TheDumpShowsEachComputersTarget)
{
    RunTree tree;
    GameRun run = runScript(tree, std::string("seed 1\nhole 1 4 human human hard\n") + kSkipFlyOver + "dump\nquit\n",
                            "--null-video");
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.dumps.size(), 1u);
    EXPECT_EQ(jsonValue(run.dumps[0], "computerTarget"), "[null,null,[0,26.700000762939453]]");
}

}  // namespace
