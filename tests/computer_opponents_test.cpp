// Computer opponents playing the course on their own: player 1 gives up every
// hole at once (ESCAPE, then F), and an easy, a medium and a hard computer play
// it out. tools/computer_lab.py runs the same evaluation over more seeds.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <string>
#include <thread>
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
// Of eighteen holes, at each seed: medium within par + 3 on at least sixteen, easy
// short of the stroke limit on at least fourteen. Hard is within par + 1 on every hole.
constexpr int kMediumWithinMark = 16;
constexpr int kEasyBeforeTheLimit = 14;

std::vector<int> builtHoles()
{
    std::vector<int> holes;
    for (int h = 1; h <= 18; ++h)
        if (holeBuilder(h)) holes.push_back(h);
    return holes;
}

int strokes(const std::string& dump, int seat) { return std::stoi(jsonElement(jsonValue(dump, "holeStrokes"), seat)); }

struct Card {
    int hole = 0, seed = 0;
    bool played = false;            // the run ended with the scorecard
    std::string error;
    int strokes[kHard + 1] = {};
    bool holedOut[kHard + 1] = {};
};

// One hole with player 1 and the computer seats `kinds` ("easy medium hard", say).
Card playHole(int hole, int seed, const std::string& kinds = kSeats)
{
    Card card;
    card.hole = hole;
    card.seed = seed;
    const int players = 1 + int(std::count(kinds.begin(), kinds.end(), ' ')) + 1;
    const std::string script = "seed " + std::to_string(seed) + "\nhole " + std::to_string(hole) + " " +
                               std::to_string(players) + " " + kinds + "\n" + kSkipFlyOver + kGiveUp +
                               "wait scorecardShowing 1 " + std::to_string(kHoleFrames) + "\ndump\nquit\n";
    RunTree tree;
    GameRun run = runScript(tree, script, "--null-video");
    if (run.status != 0 || run.dumps.size() != 1) {
        card.error = "status " + std::to_string(run.status) + ": " + run.err;
        return card;
    }
    card.played = true;
    for (int seat = kEasy; seat < players; ++seat) {
        card.strokes[seat] = strokes(run.dumps[0], seat);
        card.holedOut[seat] = jsonElement(jsonValue(run.dumps[0], "holedOut"), seat) == "1";
    }
    return card;
}

// Every built hole at one seed, two games at a time.
std::vector<Card> playTheCourse(const std::vector<int>& holes, int seed, const std::string& kinds = kSeats)
{
    std::vector<Card> cards(holes.size());
    std::atomic<size_t> next{0};
    auto worker = [&] {
        for (size_t i = next++; i < cards.size(); i = next++) cards[i] = playHole(holes[i], seed, kinds);
    };
    std::thread other(worker);
    worker();
    other.join();
    return cards;
}

class ComputersPlayEachHole : public testing::TestWithParam<int> {};

// Each seat plays every hole on its own (the seed draws the easy and the medium variants):
// everyone finishes within the stroke limit; hard holes out within par + 1 everywhere,
// medium within par + 3 and easy before the limit on most holes; and over the course hard
// plays best.
TEST_P(ComputersPlayEachHole, EachDifficultyMeetsItsMark)
{
    const int seed = GetParam();
    const std::vector<int> holes = builtHoles();
    const std::vector<Card> cards = playTheCourse(holes, seed);
    int mediumWithin = 0, easyBefore = 0;
    int total[kHard + 1] = {};
    for (const Card& card : cards) {
        ASSERT_TRUE(card.played) << "hole " << card.hole << ": " << card.error;
        const int par = holeRow(card.hole)->par;
        for (int seat = kEasy; seat <= kHard; ++seat) {
            EXPECT_TRUE(card.holedOut[seat]) << "hole " << card.hole << " seat " << seat + 1;
            EXPECT_LE(card.strokes[seat], par + kStrokeLimitOver) << "hole " << card.hole << " seat " << seat + 1;
            total[seat] += card.strokes[seat];
        }
        EXPECT_LE(card.strokes[kHard], par + 1) << "hard on hole " << card.hole;
        mediumWithin += card.strokes[kMedium] <= par + 3;
        easyBefore += card.strokes[kEasy] < par + kStrokeLimitOver;
        std::printf("hole %2d par %d: easy %d medium %d hard %d\n", card.hole, par, card.strokes[kEasy],
                    card.strokes[kMedium], card.strokes[kHard]);
    }
    // A hole not built yet counts as missed.
    const int missing = 18 - int(holes.size());
    EXPECT_GE(mediumWithin, kMediumWithinMark - missing);
    EXPECT_GE(easyBefore, kEasyBeforeTheLimit - missing);
    EXPECT_LT(total[kHard], total[kMedium]);
    EXPECT_LT(total[kHard], total[kEasy]);
    std::printf("total: easy %d medium %d hard %d\n", total[kEasy], total[kMedium], total[kHard]);
}

// The common game: one player and one hard computer, which tees off from the spot right of
// the middle. It plays close to par there too: never worse than par + 1, and over the
// course no worse than par.
TEST(ComputersPlayEachHole, HardInTheSecondSeatOfTwoPlaysCloseToPar)
{
    constexpr int kSecondSeat = 1;  // index in the card, as seat 2
    const std::vector<int> holes = builtHoles();
    const std::vector<Card> cards = playTheCourse(holes, 1, "hard");
    int total = 0, parTotal = 0;
    for (const Card& card : cards) {
        ASSERT_TRUE(card.played) << "hole " << card.hole << ": " << card.error;
        const int par = holeRow(card.hole)->par;
        EXPECT_TRUE(card.holedOut[kSecondSeat]) << "hole " << card.hole;
        EXPECT_LE(card.strokes[kSecondSeat], par + 1) << "hard from seat 2 of 2 on hole " << card.hole;
        total += card.strokes[kSecondSeat];
        parTotal += par;
    }
    EXPECT_LE(total, parTotal);
    std::printf("seat 2 of 2, hard: %d (par %d)\n", total, parTotal);
}

std::string seedName(const testing::TestParamInfo<int>& info) { return "Seed" + std::to_string(info.param); }

INSTANTIATE_TEST_SUITE_P(Seeds, ComputersPlayEachHole, testing::Values(1, 2, 3), seedName);

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
