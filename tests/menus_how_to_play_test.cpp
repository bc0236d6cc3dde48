// How to play: a one-player practice game straight from the main menu, with
// the eight tutorial pages over the practice hole.
#include <gtest/gtest.h>

#include "tests/menus_test_support.h"

namespace {

// At 800 x 600: the main menu's How-to-play button, the first next button, the one of page 5.
constexpr const char* kHowToPlay = "mouse 399 308\nframes 1\nlmb down\nframes 1\nlmb up\nframes 1\n";
constexpr const char* kIntoPlay = "wait holeActive 1 50\nframes 5\nkey RETURN down\nframes 2\nkey RETURN up\n"
                                  "wait introDone 1 2000\nframes 2\n";
const std::string kNext = click(525, 459);
const std::string kLaterNext = click(300, 464);
// Turn left, zoom in and try a stroke at once.
constexpr const char* kTryEverything = "key LEFT down\nkey UP down\nkey SPACE down\nframes 30\n"
                                       "key LEFT up\nkey UP up\nkey SPACE up\nframes 30\n";
constexpr const char* kStroke = "key SPACE down\nframes 40\nkey SPACE up\nframes 30\n";

double perPlayer(const std::string& dump, const char* key, int player)
{
    return std::strtod(jsonElement(jsonValue(dump, key), player - 1).c_str(), nullptr);
}

}  // namespace

TEST(HowToPlay, StartsAOnePlayerPracticeGameWithTheTutorial)
{
    const std::string script = std::string(kToMainMenu) + kHowToPlay + "dump\n" + kIntoPlay + "dump\nquit\n";
    RunTree tree;
    GameRun run = runScript(tree, script);
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.dumps.size(), 2u);
    const std::string& loading = run.dumps[0];
    EXPECT_EQ(jsonNumber(loading, "tutorialActive"), 1);
    EXPECT_EQ(jsonNumber(loading, "playerSetupActive"), 0) << "the set-up screen is never shown";
    EXPECT_EQ(jsonNumber(loading, "courseSelectActive"), 0);
    EXPECT_EQ(jsonNumber(loading, "playerCount"), 1);
    const double colour = perPlayer(loading, "ballColour", 1);
    EXPECT_GE(colour, 1);
    EXPECT_LE(colour, 9);
    const std::string& page1 = run.dumps[1];
    EXPECT_EQ(jsonNumber(page1, "currentHole"), -1) << "the practice hole plays as -1";
    EXPECT_EQ(jsonNumber(page1, "tutorialStep"), 1);
    EXPECT_EQ(jsonNumber(page1, "tutorialHold"), 1);
    EXPECT_EQ(findImage(page1, "howtoplay1.png").x, 250);
    EXPECT_EQ(findImage(page1, "howtoplay1.png").y, 150);
    EXPECT_EQ(findImage(page1, "next.png").x, 460);
    EXPECT_EQ(findImage(page1, "next.png").y, 435);
}

TEST(HowToPlay, PagesFollowTheStepTableAndLockAimAndZoomUntilPageSix)
{
    const std::string script = std::string(kToMainMenu) + kHowToPlay + kIntoPlay + kTryEverything + "dump\n" +  // 0
                               kNext + kTryEverything + "dump\n" +        // 1: page 2
                               kNext + "dump\n" +                         // 2: page 3
                               kNext + kTryEverything + "dump\n" +        // 3: page 4, strokes allowed
                               "wait tutorialStep 9 3000\ndump\n" +       // 4: page 5 once the next turn is due
                               kLaterNext + "dump\n" +                    // 5: page 6
                               kTryEverything + "dump\n" +                // 6: aim and zoom free
                               "wait tutorialStep 13 3000\ndump\nquit\n"; // 7: page 7
    RunTree tree;
    GameRun run = runScript(tree, script);
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.dumps.size(), 8u);
    struct Page { double step; const char* page; int x, y; bool next; double hold; };
    const Page pages[] = {
        {1, "howtoplay1.png", 250, 150, true, 1},  {3, "howtoplay2.png", 250, 150, true, 1},
        {5, "howtoplay3.png", 250, 150, true, 1},  {7, "howtoplay4.png", 25, 320, false, 1},
        {9, "howtoplay5.png", 25, 320, true, 1},   {11, "howtoplay6.png", 25, 320, false, 0},
        {11, "howtoplay6.png", 25, 320, false, 0}, {13, "howtoplay7.png", 25, 320, false, 0},
    };
    for (size_t i = 0; i < std::size(pages); ++i) {
        const std::string& dump = run.dumps[i];
        const Page& p = pages[i];
        EXPECT_EQ(jsonNumber(dump, "tutorialStep"), p.step) << i;
        EXPECT_EQ(jsonNumber(dump, "tutorialHold"), p.hold) << i;
        EXPECT_EQ(findImage(dump, p.page).x, p.x) << i;
        EXPECT_EQ(findImage(dump, p.page).y, p.y) << i;
        EXPECT_EQ(shows(dump, "next.png") || shows(dump, "nexthover.png"), p.next) << i;
    }
    EXPECT_EQ(findImage(run.dumps[4], "next.png").x, 235);
    EXPECT_EQ(findImage(run.dumps[4], "next.png").y, 440);
    for (size_t i : {0, 1}) {
        EXPECT_EQ(perPlayer(run.dumps[i], "holeStrokes", 1), 0) << i << ": no stroke while pages 1 to 3 are up";
        EXPECT_EQ(jsonNumber(run.dumps[i], "aimAngle"), 0) << i;
        EXPECT_EQ(jsonNumber(run.dumps[i], "camHeight"), 7) << i;
    }
    EXPECT_EQ(perPlayer(run.dumps[3], "holeStrokes", 1), 1) << "page 4 lets the player putt";
    EXPECT_EQ(jsonNumber(run.dumps[3], "aimAngle"), 0) << "but not aim";
    EXPECT_EQ(jsonNumber(run.dumps[3], "camHeight"), 7);
    EXPECT_LT(jsonNumber(run.dumps[6], "aimAngle"), 0) << "page 6 frees the aim (LEFT turns it left)";
    EXPECT_LT(jsonNumber(run.dumps[6], "camHeight"), 7) << "and the zoom";
    EXPECT_EQ(perPlayer(run.dumps[7], "holeStrokes", 1), 2);
}
