// The player set-up: rows opened and closed with the mouse, kinds, difficulties
// and colours, packing of the open rows at start, and a whole match begun from
// the main menu with the mouse.
#include <gtest/gtest.h>

#include "tests/menus_test_support.h"

namespace {

// At 800 x 600. Rows' top edges: 90, 210, 335, 460.
constexpr int kRowTop[5] = {0, 90, 210, 335, 460};
constexpr const char* kPlay = "mouse 399 168\nframes 1\nlmb down\nframes 1\nlmb up\nframes 1\n";
constexpr const char* kNext = "mouse 680 524\nframes 1\nlmb down\nframes 1\nlmb up\nframes 1\n";
const std::string kToSetup = std::string(kToMainMenu) + kPlay + kNext;

std::string openRow(int row) { return click(300, kRowTop[row] + 10); }
std::string closeRow(int row) { return click(80, kRowTop[row] + 75); }
std::string human(int row) { return click(160, kRowTop[row] + 60); }
std::string computer(int row) { return click(250, kRowTop[row] + 60); }
// 1 easy, 2 medium, 3 hard.
std::string difficulty(int row, int level) { return click(460, kRowTop[row] + 31 + 25 * (level - 1)); }
// Colour codes 1..9 on the 3 x 3 grid of 26-pixel icons.
std::string colour(int row, int code)
{
    return click(313 + 30 * ((code - 1) % 3), kRowTop[row] + 23 + 30 * ((code - 1) / 3));
}
std::string start() { return click(715, 534); }
std::string pressStart() { return press(715, 534); }

double perPlayer(const std::string& dump, const char* key, int player)
{
    return std::strtod(jsonElement(jsonValue(dump, key), player - 1).c_str(), nullptr);
}

}  // namespace

TEST(PlayerSetup, OpensWithRowOneAndThreeClosedStrips)
{
    RunTree tree;
    GameRun run = runScript(tree, kToSetup + "mouse 5 5\nframes 2\ndump\nquit\n");
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.dumps.size(), 1u);
    const std::string& dump = run.dumps[0];
    EXPECT_EQ(jsonNumber(dump, "playerSetupActive"), 1);
    EXPECT_EQ(jsonNumber(dump, "playerCount"), 1);
    const int c = int(perPlayer(dump, "ballColour", 1));
    EXPECT_GE(c, 1);
    EXPECT_LE(c, 9);
    EXPECT_EQ(perPlayer(dump, "ballColour", 2), 0);
    EXPECT_EQ(countImages(dump, "playerTableCallapse.png"), 3);
    EXPECT_EQ(countImages(dump, "playerTable.png"), 1);
    EXPECT_EQ(findImage(dump, "p1.png").x, 52);
    EXPECT_EQ(findImage(dump, "p1.png").y, 95);
    EXPECT_EQ(findImage(dump, "computerFade.png").x, 210);
    EXPECT_EQ(findImage(dump, "hardtran.png").y, 160);
    // The colour marker sits on the chosen icon's centre less (13, 13): on the icon's corner.
    const GuiImage marker = findImage(dump, "colorSelector.png");
    EXPECT_EQ(marker.x, 300 + 30 * ((c - 1) % 3));
    EXPECT_EQ(marker.y, 100 + 30 * ((c - 1) / 3));
    // The kind marker: the human icon (120, 120, 80 x 60) has its centre at (160, 150).
    EXPECT_EQ(findImage(dump, "modeSelector.png").x, 160 - 34);
    EXPECT_EQ(findImage(dump, "modeSelector.png").y, 150 - 29);
    const std::vector<GuiImage> gui = guiImages(dump);
    EXPECT_EQ(gui.back().tex, "cursor.png");
    EXPECT_EQ(gui[gui.size() - 2].tex, "startButton.png");
    EXPECT_EQ(gui[gui.size() - 3].tex, "back.png");
}

TEST(PlayerSetup, RowFourAloneBecomesPlayerTwoWithItsColourKindAndDifficulty)
{
    const std::string script = kToSetup + openRow(4) + computer(4) + difficulty(4, 3) + colour(4, 6) + "dump\n" +
                               pressStart() + "dump\nquit\n";
    RunTree tree;
    GameRun run = runScript(tree, script);
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.dumps.size(), 2u);
    const std::string& before = run.dumps[0];
    EXPECT_EQ(jsonNumber(before, "playerCount"), 2);
    EXPECT_EQ(perPlayer(before, "rowOpen", 4), 1);
    EXPECT_EQ(perPlayer(before, "ballColour", 4), 6);
    EXPECT_EQ(perPlayer(before, "isComputer", 4), 1);
    EXPECT_EQ(perPlayer(before, "difficulty", 4), 3);
    EXPECT_TRUE(shows(before, "hard.png"));
    EXPECT_TRUE(shows(before, "diffSelect.png"));
    const std::string& after = run.dumps[1];
    EXPECT_EQ(jsonNumber(after, "startRequested"), 1);
    EXPECT_EQ(jsonNumber(after, "holeLoadPending"), 1) << "the match start runs on the pass of the click";
    EXPECT_TRUE(shows(after, "loading.png"));
    EXPECT_EQ(jsonNumber(after, "playerCount"), 2);
    EXPECT_EQ(perPlayer(after, "ballColour", 2), 6);
    EXPECT_EQ(perPlayer(after, "isComputer", 2), 1);
    EXPECT_EQ(perPlayer(after, "difficulty", 2), 3);
    for (int p : {3, 4}) {
        EXPECT_EQ(perPlayer(after, "ballColour", p), 0) << p;
        EXPECT_EQ(perPlayer(after, "isComputer", p), 0) << p;
        EXPECT_EQ(perPlayer(after, "difficulty", p), 0) << p;
    }
    EXPECT_EQ(perPlayer(after, "rowOpen", 4), 0);
    EXPECT_EQ(jsonNumber(after, "currentHole"), 0);
    EXPECT_EQ(jsonNumber(after, "lastHole"), 18);
}

TEST(PlayerSetup, KindsDifficultiesAndClosingFollowTheirRules)
{
    const std::string script = kToSetup + openRow(3) + openRow(4) + "dump\n" +  // 0
                               difficulty(3, 1) + "dump\n" +                       // 1: human row: nothing
                               computer(3) + difficulty(3, 1) + "dump\n" +         // 2
                               human(3) + computer(3) + "dump\n" +                 // 3: medium again
                               computer(4) + difficulty(4, 3) + closeRow(3) + "dump\n" +  // 4
                               openRow(3) + "dump\n" +                             // 5
                               start() + "dump\nquit\n";                           // 6
    RunTree tree;
    GameRun run = runScript(tree, script);
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.dumps.size(), 7u);
    EXPECT_EQ(jsonNumber(run.dumps[0], "playerCount"), 3);
    EXPECT_EQ(perPlayer(run.dumps[1], "difficulty", 3), 0);
    EXPECT_EQ(perPlayer(run.dumps[2], "difficulty", 3), 1);
    EXPECT_EQ(perPlayer(run.dumps[3], "difficulty", 3), 2) << "switching to computer sets medium";
    EXPECT_EQ(perPlayer(run.dumps[3], "isComputer", 3), 1);
    const std::string& closed = run.dumps[4];
    EXPECT_EQ(jsonNumber(closed, "playerCount"), 2);
    EXPECT_EQ(perPlayer(closed, "rowOpen", 3), 0);
    EXPECT_EQ(perPlayer(closed, "ballColour", 3), 0);
    EXPECT_EQ(perPlayer(closed, "isComputer", 3), 0);
    EXPECT_TRUE(played(closed, "putt2"));
    const std::string& reopened = run.dumps[5];
    EXPECT_EQ(perPlayer(reopened, "isComputer", 3), 0) << "a reopened row is human";
    EXPECT_GE(perPlayer(reopened, "ballColour", 3), 1);
    const std::string& started = run.dumps[6];
    EXPECT_EQ(jsonNumber(started, "playerCount"), 3);
    EXPECT_EQ(perPlayer(started, "isComputer", 2), 0);
    EXPECT_EQ(perPlayer(started, "isComputer", 3), 1);
    EXPECT_EQ(perPlayer(started, "difficulty", 3), 3);
}

TEST(PlayerSetup, AClosedStripOpensOnlyAboveItsLowest65AndLeftOfItsLast10Pixels)
{
    // Row 2's strip is 700 x 100 at (50, 210): its hit area is (50, 210) to (740, 245), strict.
    struct Point { int x, y; };
    const Point outside[] = {{300, 245}, {740, 220}, {50, 220}, {300, 210}, {300, 280}};
    const Point inside[] = {{300, 244}, {739, 220}, {51, 211}};
    std::string script = kToSetup;
    for (const Point& p : outside)
        script += "mouse " + std::to_string(p.x) + " " + std::to_string(p.y) + "\nframes 1\ndump\n" + click(p.x, p.y) + "dump\n";
    for (const Point& p : inside)
        script += "mouse " + std::to_string(p.x) + " " + std::to_string(p.y) + "\nframes 1\ndump\n" + click(p.x, p.y) + "dump\n" +
                  closeRow(2);
    RunTree tree;
    GameRun run = runScript(tree, script + "quit\n");
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.dumps.size(), 2 * (std::size(outside) + std::size(inside)));
    for (size_t i = 0; i < std::size(outside) + std::size(inside); ++i) {
        const bool opens = i >= std::size(outside);
        EXPECT_EQ(perPlayer(run.dumps[2 * i], "rowHovered", 2), opens) << i;
        EXPECT_EQ(perPlayer(run.dumps[2 * i + 1], "rowOpen", 2), opens) << i;
        EXPECT_EQ(jsonNumber(run.dumps[2 * i + 1], "playerCount"), opens ? 2 : 1) << i;
    }
}

TEST(PlayerSetup, BackAndNextAgainShowOnlyRowOneWithANewColour)
{
    const std::string script = kToSetup + openRow(2) + openRow(3) + click(580, 534) + "dump\n" + kNext + "dump\nquit\n";
    RunTree tree;
    GameRun run = runScript(tree, script);
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.dumps.size(), 2u);
    EXPECT_EQ(jsonNumber(run.dumps[0], "courseSelectActive"), 1);
    EXPECT_EQ(jsonNumber(run.dumps[0], "playerCount"), 1);
    EXPECT_EQ(countImages(run.dumps[1], "playerTableCallapse.png"), 3);
    EXPECT_EQ(jsonNumber(run.dumps[1], "playerCount"), 1);
    EXPECT_EQ(perPlayer(run.dumps[1], "ballColour", 2), 0);
}

TEST(PlayerSetup, AMatchBegunWithTheMouseReachesTheFirstHole)
{
    const std::string script = kToSetup + openRow(2) + computer(2) + start() +
                               "wait holeActive 1 50\nframes 1\ndump\nquit\n";
    RunTree tree;
    GameRun run = runScript(tree, script);
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.dumps.size(), 1u);
    const std::string& dump = run.dumps[0];
    EXPECT_EQ(jsonNumber(dump, "currentHole"), 1);
    EXPECT_EQ(jsonNumber(dump, "playerCount"), 2);
    EXPECT_EQ(perPlayer(dump, "isComputer", 2), 1);
    EXPECT_EQ(perPlayer(dump, "difficulty", 2), 2);
    EXPECT_EQ(jsonNumber(dump, "playerSetupActive"), 0);
    EXPECT_FALSE(shows(dump, "loading.png"));
    EXPECT_TRUE(played(dump, "cut")) << "the fly-over music of the hole";
}
