// The options menu: its rows, the resolution's five entries, the flag rows and
// the 7-byte file written on the way back.
#include <gtest/gtest.h>

#include "tests/menus_test_support.h"

namespace {

// At 800 x 600: the Options button, then the rows' arrows (44 x 44) and back.
constexpr const char* kOptions = "mouse 399 238\nframes 1\nlmb down\nframes 1\nlmb up\nframes 1\n";
constexpr int kRowY[7] = {110, 169, 226, 283, 340, 393, 454};  // resolution, fullscreen, shaders, texture,
                                                               // graphics, sound, music
constexpr int kRightArrowX = 752, kLeftArrowX = 492;
constexpr int kBackX = 705, kBackY = 544;

std::string rightArrow(int row) { return click(kRightArrowX, kRowY[row] + 22); }
std::string leftArrow(int row) { return click(kLeftArrowX, kRowY[row] + 22); }

std::string resolutionShown(const std::string& dump)
{
    for (const char* tex : {"800.png", "1024.png", "1152.png", "768.png", "1280.png"})
        if (shows(dump, tex)) return tex;
    return "";
}

}  // namespace

TEST(OptionsMenu, HasSevenRowsOfLabelArrowsAndValue)
{
    RunTree tree;
    GameRun run = runScript(tree, std::string(kToMainMenu) + kOptions + "dump\nquit\n");
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.dumps.size(), 1u);
    const std::string& dump = run.dumps[0];
    const char* labels[] = {"screenResolution.png", "windowFull.png", "shader.png", "textureQuality.png",
                            "graphics.png", "sound.png", "music.png"};
    for (int row = 0; row < 7; ++row) {
        EXPECT_EQ(findImage(dump, labels[row]).x, 50) << labels[row];
        EXPECT_EQ(findImage(dump, labels[row]).y, kRowY[row]) << labels[row];
    }
    EXPECT_EQ(countImages(dump, "arrowRight.png") + countImages(dump, "arrowRightHover.png"), 7);
    EXPECT_EQ(countImages(dump, "arrowLeft.png") + countImages(dump, "arrowLeftHover.png"), 7);
    EXPECT_EQ(findImage(dump, "800.png").x, 525);
    EXPECT_EQ(findImage(dump, "window.png").y, 169);
    EXPECT_EQ(findImage(dump, "restart.png").x, 35);
    EXPECT_EQ(findImage(dump, "back.png").x, 640);
    EXPECT_EQ(guiImages(dump).front().tex, "menuImage.png") << "no background picture on this screen";
}

TEST(OptionsMenu, FiveRightClicksOnTheResolutionComeBackAndLeftWalksBackwards)
{
    std::string script = std::string(kToMainMenu) + kOptions;
    for (int i = 0; i < 5; ++i) script += rightArrow(0) + "dump\n";
    for (int i = 0; i < 5; ++i) script += leftArrow(0) + "dump\n";
    RunTree tree;
    GameRun run = runScript(tree, script + "quit\n");
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.dumps.size(), 10u);
    const char* forward[] = {"1024.png", "1152.png", "768.png", "1280.png", "800.png"};
    const char* backward[] = {"1280.png", "768.png", "1152.png", "1024.png", "800.png"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(resolutionShown(run.dumps[i]), forward[i]) << i;
        EXPECT_EQ(resolutionShown(run.dumps[5 + i]), backward[i]) << i;
    }
    EXPECT_EQ(jsonNumber(run.dumps[2], "screenWidth"), 768) << "768 stands for 1280 x 720 while the menu is open";
}

TEST(OptionsMenu, BackWritesTheSevenBytesOfTheChoices)
{
    struct Case { const char* name; std::string clicks; const char* file; };
    const Case cases[] = {
        {"unchanged", "", "0010011"},
        {"one step from 800", rightArrow(0), "1010011"},
        {"three steps: 1280 x 720", rightArrow(0) + rightArrow(0) + rightArrow(0), "3010011"},
        {"one step back: 1280 x 800, full screen", leftArrow(0) + leftArrow(1), "4110011"},
        {"shaders off, texture and graphics high", rightArrow(2) + rightArrow(3) + leftArrow(4), "0001111"},
        {"sound off, music off", rightArrow(5) + leftArrow(6), "0010000"},
        {"sound off and on again", rightArrow(5) + leftArrow(5), "0010011"},
    };
    for (const Case& c : cases) {
        RunTree tree;
        tree.writeOptions("0010011");
        GameRun run = runScript(tree, std::string(kToMainMenu) + kOptions + c.clicks +
                                          click(kBackX, kBackY) + "dump\nquit\n");
        ASSERT_EQ(run.status, 0) << c.name << run.err;
        EXPECT_EQ(tree.readOptions(), c.file) << c.name;
        ASSERT_EQ(run.dumps.size(), 1u);
        const std::string& dump = run.dumps[0];
        EXPECT_EQ(jsonNumber(dump, "mainMenuActive"), 1) << c.name;
        EXPECT_EQ(jsonNumber(dump, "optionsActive"), 0) << c.name;
        EXPECT_EQ(jsonNumber(dump, "screenWidth"), 800) << c.name << ": the real screen size comes back";
        EXPECT_EQ(jsonNumber(dump, "screenHeight"), 600) << c.name;
        EXPECT_TRUE(shows(dump, "play.png") || shows(dump, "playhover.png")) << c.name;
        EXPECT_EQ(jsonNumber(dump, "soundEnabled"), std::string(c.file)[5] - '0') << c.name;
    }
}

TEST(OptionsMenu, AHeldPressOnAnArrowChangesTheValueOnce)
{
    const std::string script = std::string(kToMainMenu) + kOptions + press(kRightArrowX, kRowY[0] + 22) +
                               "frames 30\ndump\nlmb up\nframes 2\ndump\nquit\n";
    RunTree tree;
    GameRun run = runScript(tree, script);
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.dumps.size(), 2u);
    EXPECT_EQ(resolutionShown(run.dumps[0]), "1024.png");
    EXPECT_TRUE(shows(run.dumps[0], "arrowRightPress.png"));
    EXPECT_EQ(resolutionShown(run.dumps[1]), "1024.png");
    EXPECT_TRUE(shows(run.dumps[1], "arrowRightHover.png"));
}
