// The course select: layout, the hole-range arrows, pressed pictures held by
// the latch, back and next, and the slideshow.
#include <gtest/gtest.h>

#include "tests/menus_test_support.h"

namespace {

// At 800 x 600.
constexpr const char* kPlay = "mouse 399 168\nframes 1\nlmb down\nframes 1\nlmb up\nframes 1\n";
constexpr int kRightArrowX = 272, kLeftArrowX = 97, kArrowY = 452;
constexpr int kBackX = 505, kNextX = 680, kButtonY = 524;

std::string rangeOf(const std::string& dump)
{
    for (const char* tex : {"1-9.png", "9-18.png", "1-18.png"})
        if (shows(dump, tex)) return tex;
    return "";
}

}  // namespace

TEST(CourseSelect, IsLaidOutAroundTheScreenCentre)
{
    RunTree tree;
    GameRun run = runScript(tree, std::string(kToMainMenu) + kPlay + "mouse 5 5\nframes 1\ndump\nquit\n");
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.dumps.size(), 1u);
    const std::vector<GuiImage> gui = guiImages(run.dumps[0]);
    ASSERT_EQ(gui.size(), 15u) << jsonValue(run.dumps[0], "gui");
    const int picture = int(jsonNumber(run.dumps[0], "pictureIndex")) + 1;
    struct Row { std::string tex; int x, y; };
    const Row expected[] = {{"menuBackground.jpg", 0, 0}, {"menuImage.png", 0, 0}, {"optionback.png", 20, 30},
                            {"courseseltext.png", 213, 5}, {"picturebox.png", 420, 130},
                            {"picture" + std::to_string(picture) + ".jpg", 432, 142},
                            {"coursenametxt.png", 75, 100}, {"buck.png", 65, 160}, {"holesnumtxt.png", 115, 350},
                            {"1-18.png", 135, 425}, {"arrowRight.png", 250, 430}, {"arrowLeft.png", 75, 430},
                            {"back.png", 440, 500}, {"next.png", 615, 500}, {"cursor.png", 5, 5}};
    for (size_t i = 0; i < gui.size(); ++i) {
        EXPECT_TRUE(sameName(gui[i].tex, expected[i].tex)) << i << ": " << gui[i].tex;
        EXPECT_EQ(gui[i].x, expected[i].x) << expected[i].tex;
        EXPECT_EQ(gui[i].y, expected[i].y) << expected[i].tex;
    }
    EXPECT_EQ(jsonNumber(run.dumps[0], "courseChoice"), 118);
}

TEST(CourseSelect, ArrowsWalkTheCycleBothWaysAndBackResetsTo118)
{
    std::string script = std::string(kToMainMenu) + kPlay;
    for (int i = 0; i < 3; ++i) script += click(kRightArrowX, kArrowY) + "dump\n";
    for (int i = 0; i < 3; ++i) script += click(kLeftArrowX, kArrowY) + "dump\n";
    script += click(kRightArrowX, kArrowY) + click(kBackX, kButtonY) + "dump\n" + kPlay + "dump\nquit\n";
    RunTree tree;
    GameRun run = runScript(tree, script);
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.dumps.size(), 8u);
    struct Step { double choice; const char* range; };
    const Step steps[] = {{19, "1-9.png"},   {918, "9-18.png"}, {118, "1-18.png"},
                          {918, "9-18.png"}, {19, "1-9.png"},   {118, "1-18.png"}};
    for (size_t i = 0; i < std::size(steps); ++i) {
        EXPECT_EQ(jsonNumber(run.dumps[i], "courseChoice"), steps[i].choice) << i;
        EXPECT_EQ(rangeOf(run.dumps[i]), steps[i].range) << i;
        EXPECT_TRUE(played(run.dumps[i], "click")) << i;
    }
    EXPECT_EQ(jsonNumber(run.dumps[6], "mainMenuActive"), 1);
    EXPECT_EQ(jsonNumber(run.dumps[6], "courseChoice"), 118) << "back discards the choice";
    EXPECT_EQ(countImages(run.dumps[6], "menuBackground.jpg"), 1);
    EXPECT_EQ(rangeOf(run.dumps[7]), "1-18.png");
}

TEST(CourseSelect, AHeldPressStepsOnceAndKeepsThePressedPicture)
{
    const std::string script = std::string(kToMainMenu) + kPlay + press(kRightArrowX, kArrowY) + "frames 20\ndump\n" +
                               "lmb up\nframes 1\ndump\nquit\n";
    RunTree tree;
    GameRun run = runScript(tree, script);
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.dumps.size(), 2u);
    EXPECT_EQ(jsonNumber(run.dumps[0], "courseChoice"), 19);
    EXPECT_TRUE(shows(run.dumps[0], "arrowRightPress.png"));
    EXPECT_EQ(jsonNumber(run.dumps[1], "courseChoice"), 19);
    EXPECT_TRUE(shows(run.dumps[1], "arrowRightHover.png")) << "the release brings the hover picture back";
}

TEST(CourseSelect, NextKeepsTheChoiceForThePlayerSetUpAndBackThereShowsIt)
{
    const std::string script = std::string(kToMainMenu) + kPlay + click(kLeftArrowX, kArrowY) +
                               click(kNextX, kButtonY) + "dump\n" + click(580, 534) + "dump\nquit\n";
    RunTree tree;
    GameRun run = runScript(tree, script);
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.dumps.size(), 2u);
    EXPECT_EQ(jsonNumber(run.dumps[0], "playerSetupActive"), 1);
    EXPECT_EQ(jsonNumber(run.dumps[0], "courseSelectActive"), 0);
    EXPECT_EQ(jsonNumber(run.dumps[0], "courseChoice"), 918);
    EXPECT_EQ(jsonNumber(run.dumps[1], "courseSelectActive"), 1);
    EXPECT_EQ(rangeOf(run.dumps[1]), "9-18.png");
}

// Each picture fades in for 2 s, holds 3 s, fades out 2.5 s; then the next one.
TEST(CourseSelect, TheSlideshowShowsEachPictureForAboutSevenAndAHalfSeconds)
{
    constexpr int kFps = 20, kFrameMs = 1000 / kFps;
    std::string script = std::string(kToMainMenu) + kPlay + "fps " + std::to_string(kFps) + "\ndump\n";
    for (int i = 0; i < 9; ++i) script += "wait fadePhase 1\ndump\nwait fadePhase 0\ndump\n";
    RunTree tree;
    GameRun run = runScript(tree, script + "quit\n");
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.dumps.size(), 19u);
    const int first = int(jsonNumber(run.dumps[0], "pictureIndex"));
    for (int i = 1; i <= 9; ++i) {
        const std::string& next = run.dumps[2 * i];
        EXPECT_EQ(jsonNumber(next, "pictureIndex"), (first + i) % 8) << i;
        EXPECT_TRUE(shows(next, "picture" + std::to_string((first + i) % 8 + 1) + ".jpg")) << i;
        if (i >= 2) {
            const double period = jsonNumber(next, "timeMs") - jsonNumber(run.dumps[2 * i - 2], "timeMs");
            EXPECT_GT(period, 7500) << i;
            EXPECT_LE(period, 7500 + 6 * kFrameMs) << i;  // each of the three phases ends a frame late
        }
    }
}
