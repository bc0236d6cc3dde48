// A whole one-hole match for four players on hole 1, from the fly-over to the
// scorecard and back to the main menu. Every player putts straight at 4500 power:
// players 2 and 4 hole in one, player 1 in three; player 3, teeing off on the right,
// runs into the brick block until the stroke limit.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/game_run.h"

namespace {

constexpr int kStrokes = 11;
constexpr const char* kStroke =
    "frames 1\nkey SPACE down\nframes 45\nkey SPACE up\nwait turnPending 1 3000\ndump\nwait turnPending 0 1500\n";
constexpr const char* kLastStroke = "frames 1\nkey SPACE down\nframes 45\nkey SPACE up\nwait scorecardShowing 1 3000\ndump\n";

std::string element(const std::string& dump, const char* key, size_t i) { return jsonElement(jsonValue(dump, key), i); }

}  // namespace

TEST(FourPlayers, OneHoleMatchRunsFromTheFirstStrokeToTheMedalsAndBackToTheMenu)
{
    std::string script = "hole 1 4\nframes 5\nkey RETURN down\nframes 2\nkey RETURN up\nwait introDone 1 600\nframes 30\n";
    for (int i = 1; i < kStrokes; ++i) script += kStroke;
    script += std::string(kLastStroke) + "frames 30\nkey RETURN down\nframes 2\nkey RETURN up\nwait mainMenuActive 1 600\ndump\nquit\n";
    RunTree tree;
    GameRun run = runScript(tree, script, "--null-video");
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.dumps.size(), size_t(kStrokes + 1));

    std::string banners;
    for (const std::string& d : run.dumps) banners += jsonValue(d, "resultBanner");
    EXPECT_NE(banners.find("holeinone.png"), std::string::npos);
    EXPECT_NE(banners.find("toomany.png"), std::string::npos);
    // Each in turn for the first strokes; once player 2 has holed out, player 3 keeps the
    // turn until finished, then player 4 tees off and the turn passes over the holed-out.
    for (int i = 0; i < 2; ++i) EXPECT_EQ(jsonNumber(run.dumps[i], "currentPlayer"), i + 2) << i;
    EXPECT_EQ(element(run.dumps[1], "holedOut", 1), "1");
    for (int i = 2; i < 7; ++i) EXPECT_EQ(jsonNumber(run.dumps[i], "currentPlayer"), 3) << i;
    EXPECT_EQ(element(run.dumps[8], "holedOut", 3), "1");
    EXPECT_EQ(jsonNumber(run.dumps[8], "currentPlayer"), 1);

    const std::string& card = run.dumps[kStrokes - 1];
    EXPECT_EQ(jsonNumber(card, "scorecardShowing"), 1);
    const char* strokes[] = {"3", "1", "6", "1"};
    const char* toPar[] = {"1", "-1", "4", "-1"};
    const char* medals[] = {"\"copper.png\"", "\"gold.png\"", "\"\"", "\"gold.png\""};
    for (size_t p = 0; p < 4; ++p) {
        EXPECT_EQ(element(card, "holeStrokes", p), strokes[p]) << "player " << p + 1;
        EXPECT_EQ(element(card, "totalToPar", p), toPar[p]) << "player " << p + 1;
        EXPECT_EQ(element(card, "medals", p), medals[p]) << "player " << p + 1;
        EXPECT_EQ(element(card, "holedOut", p), "1");
    }
    EXPECT_EQ(jsonValue(card, "winnerBanner"), "\"tie.png\"") << "players 2 and 4 share the lowest score";

    const std::string& menu = run.dumps.back();
    EXPECT_EQ(jsonNumber(menu, "mainMenuActive"), 1);
    EXPECT_EQ(jsonNumber(menu, "holeActive"), 0);
    EXPECT_EQ(jsonNumber(menu, "playerCount"), 1) << "the match is reset";
}
