// The quit dialog of play: ESCAPE opens it once play has begun, F gives up the
// hole for the current player, no resumes, yes abandons the match.
#include <gtest/gtest.h>

#include "tests/menus_test_support.h"

namespace {

// Skips the fly-over with ENTER and waits for play.
constexpr const char* kIntoPlay = "frames 5\nkey RETURN down\nframes 2\nkey RETURN up\nwait introDone 1 2000\nframes 2\n";
constexpr const char* kEscape = "key ESCAPE down\nframes 1\nkey ESCAPE up\nframes 1\n";
constexpr int kYesX = 315, kNoX = 495, kButtonY = 345;  // at 800 x 600

double perPlayer(const std::string& dump, const char* key, int player)
{
    return std::strtod(jsonElement(jsonValue(dump, key), player - 1).c_str(), nullptr);
}

}  // namespace

TEST(QuitDialog, EscapeInPlayOpensItAndFGivesUpTheHoleForTheCurrentPlayerOnly)
{
    const std::string script = std::string("start 19 2\n") + kIntoPlay + "dump\n" + kEscape + "frames 5\ndump\n" +
                               "key F down\nframes 1\nkey F up\nframes 1\ndump\nframes 30\ndump\nquit\n";
    RunTree tree;
    GameRun run = runScript(tree, script);
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.dumps.size(), 4u);
    EXPECT_EQ(jsonNumber(run.dumps[0], "quitDialogActive"), 0);
    const std::string& open = run.dumps[1];
    EXPECT_EQ(jsonNumber(open, "quitDialogActive"), 1);
    EXPECT_EQ(findImage(open, "quit.png").x, 250);
    EXPECT_EQ(findImage(open, "quit.png").y, 165);
    EXPECT_EQ(findImage(open, "yes.png").x, 280);
    EXPECT_EQ(findImage(open, "yes.png").y, 325);
    EXPECT_EQ(findImage(open, "no.png").x, 460);
    EXPECT_TRUE(shows(open, "cursor.png") || shows(open, "cursorHand.png")) << "the mouse can be seen for the dialog";
    EXPECT_EQ(jsonNumber(open, "holeActive"), 1) << "play goes on behind the dialog";
    const std::string& gaveUp = run.dumps[2];
    EXPECT_EQ(jsonNumber(gaveUp, "quitDialogActive"), 0);
    EXPECT_FALSE(shows(gaveUp, "quit.png"));
    EXPECT_FALSE(shows(gaveUp, "yes.png"));
    EXPECT_EQ(perPlayer(gaveUp, "holedOut", 1), 1);
    EXPECT_EQ(perPlayer(gaveUp, "holedOut", 2), 0);
    EXPECT_EQ(perPlayer(gaveUp, "holeStrokes", 1), 6) << "a hole given up scores the stroke limit, par 2 + 4";
    EXPECT_EQ(perPlayer(gaveUp, "holeStrokes", 2), 0);
    EXPECT_TRUE(played(gaveUp, "click"));
    const std::string& later = run.dumps[3];
    EXPECT_EQ(jsonNumber(later, "currentPlayer"), 2) << "the turn passes to the player still playing";
    EXPECT_EQ(perPlayer(later, "holedOut", 2), 0);
    EXPECT_EQ(jsonNumber(later, "holeActive"), 1);
}

TEST(QuitDialog, NoResumesPlayWithoutGivingUp)
{
    const std::string script = std::string("start 19 1\n") + kIntoPlay + kEscape + "mouse " + std::to_string(kNoX) +
                               " " + std::to_string(kButtonY) + "\nframes 2\ndump\nlmb down\nframes 1\ndump\nquit\n";
    RunTree tree;
    GameRun run = runScript(tree, script);
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.dumps.size(), 2u);
    EXPECT_TRUE(shows(run.dumps[0], "nohover.png"));
    EXPECT_EQ(jsonNumber(run.dumps[0], "noHovered"), 1);
    const std::string& resumed = run.dumps[1];
    EXPECT_EQ(jsonNumber(resumed, "quitDialogActive"), 0);
    EXPECT_FALSE(shows(resumed, "quit.png"));
    EXPECT_EQ(perPlayer(resumed, "holedOut", 1), 0);
    EXPECT_EQ(jsonNumber(resumed, "holeActive"), 1);
    EXPECT_EQ(jsonNumber(resumed, "handCursorRequested"), 0);
}

TEST(QuitDialog, YesAbandonsTheMatchForTheMainMenuWithTheMatchReset)
{
    const std::string script = std::string("start 918 4 easy medium hard\n") + kIntoPlay + kEscape + "dump\n" +
                               press(kYesX, kButtonY) + "dump\nlmb up\nmouse 399 168\nframes 2\ndump\nquit\n";
    RunTree tree;
    GameRun run = runScript(tree, script);
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.dumps.size(), 3u);
    EXPECT_EQ(jsonNumber(run.dumps[0], "playerCount"), 4);
    const std::string& menu = run.dumps[1];
    EXPECT_EQ(jsonNumber(menu, "mainMenuActive"), 1);
    EXPECT_EQ(jsonNumber(menu, "quitDialogActive"), 0);
    EXPECT_EQ(jsonNumber(menu, "holeActive"), 0);
    EXPECT_EQ(jsonNumber(menu, "introDone"), 0);
    EXPECT_EQ(jsonNumber(menu, "playerCount"), 1);
    EXPECT_EQ(jsonNumber(menu, "currentPlayer"), 1);
    EXPECT_EQ(jsonNumber(menu, "currentHole"), -1);
    EXPECT_EQ(jsonNumber(menu, "courseChoice"), 118);
    EXPECT_EQ(jsonNumber(menu, "clickLatch"), 1);
    for (int p = 1; p <= 4; ++p) {
        EXPECT_EQ(perPlayer(menu, "isComputer", p), 0) << p;
        EXPECT_EQ(perPlayer(menu, "holeStrokes", p), 0) << p;
        EXPECT_EQ(perPlayer(menu, "holedOut", p), 0) << p;
    }
    EXPECT_EQ(perPlayer(menu, "difficulty", 2), 0);
    EXPECT_TRUE(played(menu, "title")) << "the title music plays on the menu again";
    EXPECT_FALSE(shows(menu, "quit.png"));
    EXPECT_EQ(countImages(menu, "menuBackground.jpg"), 1);
    EXPECT_TRUE(shows(menu, "play.png"));
    EXPECT_EQ(guiImages(menu).back().tex.substr(0, 6), "cursor");
    EXPECT_TRUE(shows(run.dumps[2], "playhover.png")) << "the menu's buttons work";
    EXPECT_EQ(jsonNumber(run.dumps[2], "mainMenuActive"), 1);
}

TEST(QuitDialog, EscapeDuringTheFlyOverOpensNothing)
{
    const std::string script = "start 19 1\nframes 5\nkey ESCAPE down\nframes 2\nkey ESCAPE up\n"
                               "wait introDone 1 2000\nframes 2\ndump\nquit\n";
    RunTree tree;
    GameRun run = runScript(tree, script);
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.dumps.size(), 1u);
    EXPECT_EQ(jsonNumber(run.dumps[0], "quitDialogActive"), 0);
    EXPECT_FALSE(shows(run.dumps[0], "quit.png"));
}

// The hole loader hides the cursor image for play; the menus show it again.
TEST(QuitDialog, TheCursorHidesInPlayAndIsBackOnTheMenuAfterTheLastHole)
{
    const std::string giveUp = std::string(kEscape) + "key F down\nframes 1\nkey F up\nframes 2\n";
    const std::string script = std::string("hole 1 2\n") + kIntoPlay + "dump\n" + giveUp + giveUp + "frames 200\n" +
                               "key RETURN down\nframes 2\nkey RETURN up\nwait mainMenuActive 1 2000\nframes 2\ndump\nquit\n";
    RunTree tree;
    GameRun run = runScript(tree, script);
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.dumps.size(), 2u);
    EXPECT_FALSE(shows(run.dumps[0], "cursor.png") || shows(run.dumps[0], "cursorHand.png"));
    const std::string& menu = run.dumps[1];
    EXPECT_EQ(jsonNumber(menu, "holeActive"), 0);
    EXPECT_EQ(guiImages(menu).back().tex.substr(0, 6), "cursor");
}
