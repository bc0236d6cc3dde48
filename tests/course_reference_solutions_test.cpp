// Every hole can be holed in par: a good player's strokes for each hole, made with
// the keys at 60 frames per second and replayed through the harness without a
// window (the physics and the rules are the same; nothing is drawn).
#include <gtest/gtest.h>

#include <cstdlib>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "course/holes/hole_builder.h"
#include "course/holes/hole_table.h"
#include "tests/support/game_run.h"

namespace {

// A stroke as the keys make it: `aimFrames` of RIGHT (positive: the aim turns
// towards +x) or LEFT (negative) at 0.7 degrees a frame, then SPACE for `powerFrames` (100 power a frame).
struct Stroke {
    int aimFrames;
    int powerFrames;
};

struct Solution {
    int hole;
    int par;
    std::vector<Stroke> strokes;
};

// tools/stroke_lab.py finds and checks these.
const Solution kSolutions[] = {
    {1, 2, {{-5, 50}, {13, 28}}},  // left of the block, then back to the cup
    {2, 2, {{6, 60}, {0, 65}}},    // to the foot of the ramp, then up it
    {3, 3, {{2, 85}, {-182, 7}}},  // round the hairpin and down the far leg to beside the cup, then in
    {4, 3, {{0, 40}, {2, 23}, {-34, 7}}},  // into the chute, past the pit prop, then in
    {5, 3, {{-10, 60}, {-42, 40}}},  // into the pipe round the mill's gate, then round the bend
    {6, 3, {{0, 25}, {1, 31}}},      // down the road to the hollow, then up onto the square
    {7, 3, {{0, 50}, {0, 15}}},      // round the pond and down the bank, then a short putt
    {11, 3, {{0, 50}, {-128, 30}, {196, 15}}},  // into the dip below the step, up it beside the stand, then in
    {12, 5, {{0, 50}, {120, 20}, {130, 35}, {162, 12}}},  // to the first hairpin, round the second, down to the cup, in
    {17, 5, {{0, 70}, {-210, 50}, {-38, 45}, {-207, 21}}},  // into the hairpin, out to the pens, through both gates, in
    {15, 4, {{0, 25}, {85, 55}, {168, 30}, {156, 12}}},  // to the bend, down the race, past the mill stone, in
    {16, 5, {{0, 50}, {-145, 70}, {-118, 80}, {-9, 6}}},  // into the wagon yard, to the foot of the climb, up onto the mesa, in
    {18, 3, {{0, 30}, {-132, 50}}},  // through the tunnel onto the platform, then past the blade and up to the cup
    {8, 4, {{-2, 110}, {140, 17}, {-44, 12}}},  // up onto the flume, past the paddle and down the chute, then in
    {10, 2, {{0, 30}}},  // down the ramp, round the bend and through the mounds into the cup
    {9, 5, {{0, 60}, {0, 80}, {-263, 60}, {-121, 22}}},  // round the yard to the ramp's foot, up and over the drop, down the back, in
    {13, 5, {{-16, 60}, {0, 20}, {120, 55}}},  // through the bends to the flume's mouth, down it into the hairpin, past the gate
    {14, 3, {{-36, 40}, {-166, 60}, {-36, 25}}},  // into the yard, through the gate and up the step, then in
};

void PrintTo(const Solution& solution, std::ostream* out) { *out << "hole " << solution.hole; }

// The fly-over skipped, then each stroke with a dump once the ball has stopped.
std::string playScript(const Solution& solution)
{
    std::string s = "frames 5\nkey RETURN down\nframes 2\nkey RETURN up\nwait introDone 1 3000\nframes 130\n";
    for (const Stroke& stroke : solution.strokes) {
        if (stroke.aimFrames != 0) {
            const std::string key = stroke.aimFrames > 0 ? "RIGHT" : "LEFT";
            s += "key " + key + " down\nframes " + std::to_string(std::abs(stroke.aimFrames)) + "\nkey " + key + " up\n";
        }
        s += "frames 1\nkey SPACE down\nframes " + std::to_string(stroke.powerFrames) +
             "\nkey SPACE up\nframes 2\nwait powerBand 0 3000\ndump\nframes 130\n";
    }
    return s;
}

std::string script(const Solution& solution)
{
    return "hole " + std::to_string(solution.hole) + " 1\n" + playScript(solution) + "quit\n";
}

class ReferenceSolution : public testing::TestWithParam<Solution> {};

TEST_P(ReferenceSolution, HolesOutInAtMostPar)
{
    const Solution& solution = GetParam();
    ASSERT_LE(int(solution.strokes.size()), solution.par);
    RunTree tree;
    GameRun run = runScript(tree, script(solution), "--null-video");
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.dumps.size(), solution.strokes.size());
    for (size_t i = 0; i + 1 < run.dumps.size(); ++i)
        EXPECT_EQ(jsonElement(jsonValue(run.dumps[i], "holedOut"), 0), "0") << "holed early, after stroke " << i + 1;
    const std::string& last = run.dumps.back();
    EXPECT_EQ(jsonElement(jsonValue(last, "holedOut"), 0), "1") << "ball at " << jsonValue(last, "ball");
    EXPECT_EQ(jsonElement(jsonValue(last, "holeStrokes"), 0), std::to_string(solution.strokes.size()));
}

std::string holeName(const testing::TestParamInfo<Solution>& info) { return "Hole" + std::to_string(info.param.hole); }

INSTANTIATE_TEST_SUITE_P(Course, ReferenceSolution, testing::ValuesIn(kSolutions), holeName);

}  // namespace

// The practice hole played as a newcomer plays it: the first three how-to-play pages
// clicked through, a short first putt (aim is locked until page 6), next on page 5,
// then a putt at the cup that drops: a birdie, and the last page over the scorecard.
TEST(ReferenceSolution, PracticeHoleThroughTheHowToPlayPages)
{
    const std::string click = "mouse 525 459\nframes 1\nlmb down\nframes 1\nlmb up\nframes 1\n";
    const std::string laterNext = "mouse 300 464\nframes 1\nlmb down\nframes 1\nlmb up\nframes 1\n";
    const std::string stroke = "frames 1\nkey SPACE down\nframes 30\nkey SPACE up\nframes 2\nwait powerBand 0 3000\ndump\n";
    const std::string second = "frames 1\nkey SPACE down\nframes 45\nkey SPACE up\nframes 2\nwait powerBand 0 3000\ndump\n";
    const std::string script = "hole -1 1\nframes 5\nkey RETURN down\nframes 2\nkey RETURN up\nwait introDone 1 2000\n"
                               "frames 2\n" + click + click + click + stroke + "wait tutorialStep 9 3000\n" + laterNext +
                               "dump\n" + second + "wait tutorialStep 15 3000\ndump\nquit\n";
    RunTree tree;
    GameRun run = runScript(tree, script, "--null-video");
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.dumps.size(), 4u);
    const double steps[] = {8, 11, 12, 15};  // page 5 up after the first putt; 6 after next; 7 on the next turn; 8
    for (size_t i = 0; i < 4; ++i) EXPECT_EQ(jsonNumber(run.dumps[i], "tutorialStep"), steps[i]) << i;
    EXPECT_EQ(jsonElement(jsonValue(run.dumps[0], "holedOut"), 0), "0");
    EXPECT_EQ(jsonElement(jsonValue(run.dumps[2], "holedOut"), 0), "1");
    EXPECT_EQ(jsonElement(jsonValue(run.dumps[2], "holeStrokes"), 0), "2");
    EXPECT_EQ(jsonValue(run.dumps[2], "resultBanner"), "\"birdie.png\"");
    const std::string& last = run.dumps[3];
    EXPECT_EQ(jsonNumber(last, "scorecardShowing"), 1);
    EXPECT_NE(jsonValue(last, "gui").find("howtoplay8.png"), std::string::npos) << "the last page over the scorecard";
}

namespace {

const Solution* solutionOf(int hole)
{
    for (const Solution& solution : kSolutions)
        if (solution.hole == hole) return &solution;
    return nullptr;
}

struct MatchRange {
    const char* start;      // the harness's start command: first and last hole of the course select
    std::vector<int> order; // the playing order
    int parSum;
};

// Holes whose reference line still depends on the clock's 16/17 ms pattern (a stroke ends
// in a different place one frame of the pattern later): given up in the full matches.
const std::set<int> kLinesNotYetSteady = {};

const std::string kGiveUpHole =
    std::string("frames 5\nkey RETURN down\nframes 2\nkey RETURN up\nwait introDone 1 3000\nframes 2\n") + kGiveUpKeys;
constexpr int kGiveUpOverPar = 4;

const MatchRange kRanges[] = {
    {"start 19 1", {1, 2, 3, 4, 5, 6, 7, 8, 9}, 28},
    {"start 918 1", {10, 15, 13, 12, 14, 16, 11, 17, 18}, 35},
};

}  // namespace

// A whole match for one player following the reference solutions: every hole holed
// in at most par, the scorecard after each and the main menu after the last. The
// holes of the range without a builder yet are passed over by the game and here.
TEST(ReferenceSolution, FullMatchesFollowingTheSolutionsEndUnderParAtTheMenu)
{
    MatchRange all{"start 118 1", {}, 28 + 35};
    for (const MatchRange& range : kRanges) all.order.insert(all.order.end(), range.order.begin(), range.order.end());
    std::vector<MatchRange> ranges(std::begin(kRanges), std::end(kRanges));
    ranges.push_back(all);
    for (const MatchRange& range : ranges) {
        SCOPED_TRACE(range.start);
        int tablePar = 0;
        std::vector<const Solution*> played;
        std::string script = std::string(range.start) + "\n";
        for (int hole : range.order) {
            tablePar += holeRow(hole)->par;
            if (!holeBuilder(hole)) continue;
            const Solution* solution = solutionOf(hole);
            ASSERT_NE(solution, nullptr) << "hole " << hole << " has a builder but no reference solution";
            played.push_back(solution);
            script += (kLinesNotYetSteady.count(hole) ? kGiveUpHole : playScript(*solution)) +
                      "wait scorecardShowing 1 1200\ndump\nframes 10\nkey RETURN down\nframes 1\nkey RETURN up\n"
                      "wait introDone 0 600\n";
        }
        EXPECT_EQ(tablePar, range.parSum);
        script += "wait mainMenuActive 1 600\ndump\nquit\n";
        RunTree tree;
        GameRun run = runScript(tree, script, "--null-video");
        ASSERT_EQ(run.status, 0) << run.err;
        size_t d = 0;
        int toPar = 0;
        for (const Solution* solution : played) {
            const bool givenUp = kLinesNotYetSteady.count(solution->hole) > 0;
            if (!givenUp) d += solution->strokes.size();
            ASSERT_LT(d, run.dumps.size());
            const std::string& card = run.dumps[d++];
            EXPECT_EQ(jsonNumber(card, "currentHole"), solution->hole);
            EXPECT_EQ(jsonNumber(card, "scorecardShowing"), 1);
            EXPECT_EQ(jsonNumber(card, "holePar"), solution->par);
            const int strokes = givenUp ? solution->par + kGiveUpOverPar : int(solution->strokes.size());
            EXPECT_EQ(jsonElement(jsonValue(card, "holeStrokes"), 0), std::to_string(strokes));
            toPar += strokes - solution->par;
            EXPECT_EQ(jsonElement(jsonValue(card, "totalToPar"), 0), std::to_string(toPar)) << "hole " << solution->hole;
        }
        ASSERT_EQ(d + 1, run.dumps.size());
        EXPECT_EQ(jsonNumber(run.dumps.back(), "mainMenuActive"), 1);
        EXPECT_EQ(jsonNumber(run.dumps.back(), "holeActive"), 0);
    }
}
