// Start-up as a player sees it: the log, the settings file and the window.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>

#include "tests/support/game_run.h"

namespace {

const char* const kBanner =
    "-----------------------------------\n"
    "******** Initializing Game ********\n"
    "-----------------------------------\n"
    "\n";
const char* const kMissingFile =
    "** Error: options.golf not found using defualt settings ***\n"
    "\n"
    "options.golf created\n\n";
const char* const kEngines =
    "\n-- Rendering Engine Initializing --\n\n"
    "\n--- Sound Engine Initializing --- \n\n"
    "\n-- Graphics Pipeline Initializing --\n\n";
const char* const kShadersOn = "Vertex and Pixel Shaders 2.0 supported\n\n\n";
const char* const kEnd = "------------------------------------\n\n";

const char* const kLookScript = "frames 3\ndump\nquit\n";

std::string resolutionLines(const char* size)
{
    return std::string("--- Screen Resolution ---\n\n Checking Screen Resolution: ") + size +
           "\nVideo Card supported Resolutions:\n\n" + "\nScreen Resolution " + size +
           " not supported... using default\n\n";
}

void expectWindow(const std::string& dump, int width, int height)
{
    EXPECT_EQ(jsonNumber(dump, "screenWidth"), width);
    EXPECT_EQ(jsonNumber(dump, "screenHeight"), height);
    EXPECT_EQ(jsonNumber(dump, "windowWidth"), width);
    EXPECT_EQ(jsonNumber(dump, "windowHeight"), height);
    EXPECT_EQ(jsonValue(dump, "caption"), "\"Tallowick Mini Golf\"");
}

}  // namespace

TEST(StartUp, WithoutASettingsFileLogsTheDefaultsAndCreatesTheFile)
{
    RunTree tree;
    GameRun run = runScript(tree, kLookScript);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, std::string(kBanner) + kMissingFile + kEngines + kShadersOn + kEnd);
    EXPECT_EQ(tree.readOptions(), "0010011");
    ASSERT_EQ(run.dumps.size(), 1u);
    expectWindow(run.dumps[0], 800, 600);
    EXPECT_EQ(jsonNumber(run.dumps[0], "fullscreen"), 0);
    EXPECT_EQ(jsonNumber(run.dumps[0], "shadersEnabled"), 1);
    EXPECT_EQ(jsonNumber(run.dumps[0], "soundEnabled"), 1);
    EXPECT_EQ(jsonNumber(run.dumps[0], "musicEnabled"), 1);
}

TEST(StartUp, ResolutionCodesOpenTheirWindowSizes)
{
    // Under Xvfb the video card lists no modes, so codes 2 to 4 fall back to 800 x 600.
    struct Row { const char* file; int width, height; std::string lines; };
    const Row rows[] = {
        {"0010011", 800, 600, ""},
        {"1010011", 1024, 768, ""},
        {"7010011", 800, 600, ""},
        {"2010011", 800, 600, resolutionLines("1152 x 864")},
        {"3010011", 800, 600, resolutionLines("1280 x 720")},
        {"4010011", 800, 600, resolutionLines("1280 x 800")},
    };
    for (const Row& row : rows) {
        RunTree tree;
        tree.writeOptions(row.file);
        GameRun run = runScript(tree, kLookScript);
        ASSERT_EQ(run.status, 0) << row.file << run.err;
        EXPECT_EQ(run.out, std::string(kBanner) + row.lines + kEngines + kShadersOn + kEnd) << row.file;
        ASSERT_EQ(run.dumps.size(), 1u);
        expectWindow(run.dumps[0], row.width, row.height);
        EXPECT_EQ(tree.readOptions(), row.file) << "start-up never rewrites an existing file";
    }
}

TEST(StartUp, ShortAndDamagedFilesKeepDefaultsForWhatCannotBeRead)
{
    struct Row { std::string file; int shaders, sound, music, textures; bool shaderLine; };
    const Row rows[] = {
        {"000", 0, 1, 1, 0, false},                        // three bytes: the rest keep defaults
        {"", 1, 1, 1, 0, true},                            // empty file
        {std::string("0\x00x1?Z0", 7), 1, 1, 0, 1, true},  // damaged bytes are skipped one by one
        {"0001100trailing", 0, 0, 0, 1, false},            // bytes past the seventh are not read
        {"0010000", 1, 0, 0, 0, true},                     // sound and music off
    };
    for (const Row& row : rows) {
        RunTree tree;
        tree.writeOptions(row.file);
        GameRun run = runScript(tree, kLookScript);
        ASSERT_EQ(run.status, 0) << run.err;
        ASSERT_EQ(run.dumps.size(), 1u);
        const std::string& dump = run.dumps[0];
        EXPECT_EQ(jsonNumber(dump, "shadersEnabled"), row.shaders) << row.file;
        EXPECT_EQ(jsonNumber(dump, "soundEnabled"), row.sound) << row.file;
        EXPECT_EQ(jsonNumber(dump, "musicEnabled"), row.music) << row.file;
        EXPECT_EQ(jsonNumber(dump, "highTextureQuality"), row.textures) << row.file;
        EXPECT_EQ(jsonNumber(dump, "fullscreen"), 0) << row.file;
        expectWindow(dump, 800, 600);
        EXPECT_EQ(run.out.find("Vertex and Pixel Shaders") != std::string::npos, row.shaderLine) << row.file;
        EXPECT_EQ(run.out.find("Screen Resolution"), std::string::npos) << row.file;
        EXPECT_EQ(tree.readOptions(), row.file);
    }
}

TEST(StartUp, CaptionAndFrameRateAreSetOnTheFirstPass)
{
    RunTree tree;
    GameRun run = runScript(tree, "fps 30\nframes 1\ndump\nfps 45\nframes 1\ndump\nquit\n");
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.dumps.size(), 2u);
    EXPECT_EQ(jsonNumber(run.dumps[0], "lastFrameRate"), 30);
    EXPECT_EQ(jsonValue(run.dumps[0], "caption"), "\"Tallowick Mini Golf\"");
    EXPECT_EQ(jsonNumber(run.dumps[1], "lastFrameRate"), 45);
    EXPECT_EQ(jsonValue(run.dumps[1], "caption"), "\"Tallowick Mini Golf\"");
}

TEST(StartUp, CameraAndScreenFlagsStartAtTheirStartValues)
{
    RunTree tree;
    GameRun run = runScript(tree, "dump\nquit\n");
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.dumps.size(), 1u);
    const std::string& dump = run.dumps[0];
    struct Row { const char* key; double value; };
    const Row rows[] = {{"camHeight", 7},       {"camDist", 15},         {"aimAngle", 0},
                        {"topCamera", 0},       {"holeStartFps", 40},    {"tutorialHold", 0},
                        {"splashActive", 1},    {"mainMenuActive", 0},   {"holeActive", 0},
                        {"lastFrameRate", -1},  {"frame", 0},            {"courseChoice", 118}};
    for (const Row& row : rows) EXPECT_EQ(jsonNumber(dump, row.key), row.value) << row.key;
}

TEST(StartUp, WithoutADisplayTheGameSaysSoAndExitsNonZero)
{
    RunTree tree;
    const std::string command = "cd '" + tree.path("Bin") + "' && env -u DISPLAY '" + TALLOWICK_EXE +
                                "' >'" + tree.path("stdout.txt") + "' 2>/dev/null";
    const int raw = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(raw));
    EXPECT_EQ(WEXITSTATUS(raw), 1);
    const std::string out = readFile(tree.path("stdout.txt"));
    EXPECT_NE(out.find("Cannot open the game window"), std::string::npos) << out;
}
