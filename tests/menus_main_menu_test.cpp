// Splash, main menu, button mechanism, cursor and credits, driven with the mouse.
#include <gtest/gtest.h>

#include "tests/menus_test_support.h"

namespace {

// At 800 x 600 the Options button's picture (167 x 56) sits at (316, 210).
constexpr int kOptionsLeft = 316, kOptionsTop = 210, kOptionsRight = 483, kOptionsBottom = 266;

}  // namespace

TEST(MainMenu, TheSplashReachesTheMenuAfterAboutFiveSecondsWithoutTitleMusic)
{
    for (int fps : {60, 25}) {
        RunTree tree;
        const std::string script = "fps " + std::to_string(fps) + "\ndump\nframes 1\ndump\nwait mainMenuActive 1\n"
                                   "dump\nframes 1\ndump\nquit\n";
        GameRun run = runScript(tree, script);
        ASSERT_EQ(run.status, 0) << run.err;
        ASSERT_EQ(run.dumps.size(), 4u);
        EXPECT_TRUE(shows(run.dumps[1], "quorvelsmall.jpg")) << "800 x 600 shows the small splash";
        const double start = jsonNumber(run.dumps[0], "timeMs");
        const double menuAt = jsonNumber(run.dumps[2], "timeMs") - start;
        EXPECT_GT(menuAt, 5000) << fps;
        EXPECT_LT(menuAt, 5000 + 5 * 1000.0 / fps) << fps;  // a few frames of rounding at each phase
        EXPECT_FALSE(played(run.dumps[1], "title"));
        EXPECT_FALSE(played(run.dumps[2], "title")) << "no title music while the splash runs";
        EXPECT_TRUE(played(run.dumps[3], "title")) << "it starts on the first pass after the splash";
        EXPECT_FALSE(shows(run.dumps[2], "quorvelsmall.jpg"));
    }
}

TEST(MainMenu, TheSplashPictureFollowsTheScreenWidth)
{
    struct Case { const char* options; const char* picture; };
    for (const Case& c : {Case{"0010011", "quorvelsmall.jpg"}, Case{"1010011", "quorvel.jpg"}}) {
        RunTree tree;
        tree.writeOptions(c.options);
        GameRun run = runScript(tree, "frames 2\ndump\nquit\n");
        ASSERT_EQ(run.status, 0) << run.err;
        ASSERT_EQ(run.dumps.size(), 1u);
        const GuiImage splash = findImage(run.dumps[0], c.picture);
        EXPECT_EQ(splash.x, 0) << c.picture;
        EXPECT_EQ(splash.y, 0) << c.picture;
    }
}

TEST(MainMenu, IsBuiltAsNineImagesWithTheCursorInFront)
{
    RunTree tree;
    GameRun run = runScript(tree, std::string(kToMainMenu) + "mouse 10 10\nframes 2\ndump\nquit\n");
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.dumps.size(), 1u);
    const std::vector<GuiImage> gui = guiImages(run.dumps[0]);
    struct Row { const char* tex; int x, y; };
    const Row expected[] = {{"menuBackground.jpg", 0, 0}, {"menuImage.png", 0, 0}, {"menuBack.png", 225, 120},
                            {"play.png", 316, 140},      {"optionButton.png", 316, 210},
                            {"howtoplay.png", 287, 280}, {"credits.png", 303, 350},
                            {"quitb.png", 316, 420},     {"tallowick.png", 235, 5},
                            {"cursor.png", 10, 10}};
    ASSERT_EQ(gui.size(), std::size(expected)) << jsonValue(run.dumps[0], "gui");
    for (size_t i = 0; i < gui.size(); ++i) {
        EXPECT_TRUE(sameName(gui[i].tex, expected[i].tex)) << i << ": " << gui[i].tex;
        EXPECT_EQ(gui[i].x, expected[i].x) << expected[i].tex;
        EXPECT_EQ(gui[i].y, expected[i].y) << expected[i].tex;
    }
}

TEST(MainMenu, ABorderPixelOfAButtonNeitherHighlightsNorClicks)
{
    struct Point { int x, y; };
    const Point borders[] = {{kOptionsLeft, 238}, {kOptionsRight, 238}, {399, kOptionsTop}, {399, kOptionsBottom}};
    const Point insides[] = {{kOptionsLeft + 1, 238}, {kOptionsRight - 1, 238}, {399, kOptionsTop + 1},
                             {399, kOptionsBottom - 1}};
    std::string script = kToMainMenu;
    for (const Point& p : borders) script += press(p.x, p.y) + "frames 2\ndump\nlmb up\nframes 1\n";
    for (const Point& p : insides) script += "mouse " + std::to_string(p.x) + " " + std::to_string(p.y) + "\nframes 2\ndump\n";
    RunTree tree;
    GameRun run = runScript(tree, script + "quit\n");
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.dumps.size(), 8u);
    for (size_t i = 0; i < 4; ++i) {
        const std::string& dump = run.dumps[i];
        EXPECT_EQ(jsonNumber(dump, "mainMenuActive"), 1) << "border " << i << " clicked";
        EXPECT_EQ(jsonNumber(dump, "optionsActive"), 0) << i;
        EXPECT_EQ(jsonNumber(dump, "optionsHovered"), 0) << i;
        EXPECT_EQ(jsonNumber(dump, "handCursorRequested"), 0) << i;
        EXPECT_TRUE(shows(dump, "optionButton.png")) << i;
        EXPECT_TRUE(shows(dump, "cursor.png")) << i;
    }
    for (size_t i = 4; i < 8; ++i) {
        EXPECT_EQ(jsonNumber(run.dumps[i], "optionsHovered"), 1) << i;
        EXPECT_TRUE(shows(run.dumps[i], "optionButtonPress.png")) << i;
        EXPECT_TRUE(shows(run.dumps[i], "cursorHand.png")) << i;
    }
}

// Where the Options button was, the options menu has the shaders row's left arrow.
TEST(MainMenu, OneHeldPressOnOptionsOpensTheMenuOnceAndFiresNothingThere)
{
    const std::string script = std::string(kToMainMenu) + "dump\n" + press(476, 240) + "dump\nframes 10\ndump\n"
                               "mouse 477 241\nframes 2\ndump\nlmb up\nframes 1\nlmb down\nframes 1\ndump\nquit\n";
    RunTree tree;
    GameRun run = runScript(tree, script);
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.dumps.size(), 5u);
    const double shaders = jsonNumber(run.dumps[0], "shadersEnabled");
    for (size_t i = 1; i <= 3; ++i) {
        EXPECT_EQ(jsonNumber(run.dumps[i], "optionsActive"), 1) << i;
        EXPECT_EQ(jsonNumber(run.dumps[i], "mainMenuActive"), 0) << i;
        EXPECT_EQ(jsonNumber(run.dumps[i], "shadersEnabled"), shaders) << "the arrow under the press fired, dump " << i;
        EXPECT_EQ(jsonNumber(run.dumps[i], "clickLatch"), i < 3 ? 1 : 0) << i;
    }
    EXPECT_TRUE(played(run.dumps[1], "putt2"));
    EXPECT_FALSE(played(run.dumps[1], "click"));
    EXPECT_TRUE(shows(run.dumps[2], "optionstext.png"));
    EXPECT_EQ(countImages(run.dumps[2], "menuBackground.jpg"), 0) << "the options menu has no background";
    EXPECT_EQ(jsonNumber(run.dumps[4], "shadersEnabled"), 1 - shaders) << "a new press fires the arrow";
    EXPECT_TRUE(played(run.dumps[4], "click"));
}

TEST(MainMenu, QuitEndsTheProgramAtOnceWithStatusZero)
{
    RunTree tree;
    GameRun run = runScript(tree, std::string(kToMainMenu) + press(399, 448) + "dump\nframes 100\ndump\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.dumps.size(), 1u) << "the loop ended on the pass after the click";
    EXPECT_NE(run.err.find("replay: "), std::string::npos) << run.err;
}

TEST(MainMenu, CreditsBackRestoresTheMenuWithOneBackground)
{
    const std::string script = std::string(kToMainMenu) + click(399, 378) + "dump\nmouse 500 464\nframes 1\ndump\n" +
                               click(500, 464) + "mouse 399 168\nframes 2\ndump\n" + click(399, 168) + "dump\nquit\n";
    RunTree tree;
    GameRun run = runScript(tree, script);
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.dumps.size(), 4u);
    const std::string& credits = run.dumps[0];
    EXPECT_EQ(jsonNumber(credits, "creditsActive"), 1);
    EXPECT_EQ(jsonNumber(credits, "mainMenuActive"), 0);
    EXPECT_EQ(findImage(credits, "creditsmenu.png").x, 215);
    EXPECT_EQ(findImage(credits, "creditsmenu.png").y, 92);
    EXPECT_EQ(findImage(credits, "back.png").x, 435);
    EXPECT_TRUE(shows(credits, "menuBackground.jpg"));
    EXPECT_FALSE(shows(credits, "play.png"));
    EXPECT_FALSE(shows(credits, "tallowick.png"));
    EXPECT_TRUE(shows(run.dumps[1], "backhover.png"));
    const std::string& back = run.dumps[2];
    EXPECT_EQ(jsonNumber(back, "mainMenuActive"), 1);
    EXPECT_EQ(jsonNumber(back, "creditsActive"), 0);
    EXPECT_EQ(countImages(back, "menuBackground.jpg"), 1);
    EXPECT_FALSE(shows(back, "creditsmenu.png"));
    EXPECT_TRUE(shows(back, "playhover.png")) << "the rebuilt buttons work";
    EXPECT_EQ(jsonNumber(run.dumps[3], "courseSelectActive"), 1);
}
