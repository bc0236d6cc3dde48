// What the benchmark relies on: the harness's frame log and window size, and the
// backdrop (sand and sky drawn after the solid surfaces) still showing where it should.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <irrlicht.h>

#include "app/game_state.h"
#include "presentation/textures.h"
#include "tests/support/game_run.h"

namespace {

std::vector<std::vector<std::string>> logLines(const std::string& path)
{
    std::vector<std::vector<std::string>> lines;
    std::ifstream in(path);
    for (std::string text; std::getline(in, text);) {
        std::istringstream words(text);
        std::vector<std::string> line;
        for (std::string word; words >> word;) line.push_back(word);
        if (!line.empty()) lines.push_back(line);
    }
    return lines;
}

}  // namespace

TEST(BenchHarness, TheFrameLogTimesEveryPassUnderTheLatestMarkAndNotesTheHoleBuildAndMemory)
{
    RunTree tree;
    const std::string log = tree.path("frames.txt");
    GameRun run = runScript(tree, "frames 4\nmark first\nhole 1 1\nframes 6\nmark second\nframes 5\nquit\n",
                            "--null-video --frame-log '" + log + "'");
    ASSERT_EQ(run.status, 0) << run.err;
    int frames = 0, first = 0, second = 0, builds = 0, ends = 0, presents = 0;
    for (const auto& line : logLines(log)) {
        if (line[0] == "f") {
            ASSERT_EQ(line.size(), 7u);
            EXPECT_GE(std::stod(line[2]), 0) << "wall time";
            EXPECT_GE(std::stod(line[3]), 0) << "process CPU time";
            EXPECT_GE(std::stod(line[3]) + 0.5, std::stod(line[6])) << "the main thread is part of the process";
            EXPECT_NE(std::string("LFPM").find(line[4]), std::string::npos) << "phase " << line[4];
            ++frames;
            first += line[5] == "first";
            second += line[5] == "second";
        } else if (line[0] == "build") {
            ASSERT_EQ(line.size(), 6u);
            EXPECT_EQ(line[1], "1");
            EXPECT_GT(std::stod(line[2]), 0) << "a build takes time";
            EXPECT_GT(std::stol(line[4]), 0) << "resident memory";
            ++builds;
        } else if (line[0] == "end") {
            EXPECT_GE(std::stol(line[1]), std::stol(line[2])) << "the peak is at least the last";
            ++ends;
        } else if (line[0] == "present1") {
            EXPECT_GT(std::stod(line[1]), 0);
            ++presents;
        }
    }
    EXPECT_EQ(frames, 15);
    EXPECT_EQ(first, 6);
    EXPECT_EQ(second, 5);
    EXPECT_EQ(builds, 1);
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(presents, 1);
}

TEST(BenchHarness, TheWindowSizeOfAScriptedRunOverridesTheOptionsFileAndABadOneIsRefused)
{
    RunTree tree;
    tree.writeOptions("0010011");
    GameRun run = runScript(tree, "frames 2\ndump\nquit\n", "--null-video --window 1280x800");
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.dumps.size(), 1u);
    EXPECT_EQ(jsonNumber(run.dumps[0], "screenWidth"), 1280);
    EXPECT_EQ(jsonNumber(run.dumps[0], "screenHeight"), 800);
    EXPECT_EQ(tree.readOptions(), "0010011") << "the options file is left as it was";
    for (const char* bad : {"1280", "10x10", "wide"}) {
        GameRun refused = runScript(tree, "frames 1\nquit\n", std::string("--null-video --window ") + bad);
        EXPECT_EQ(refused.status, 2) << bad;
    }
}

// Drawn last, the sand and the sky still fill the picture round the course: no band of
// the clear colour where the sky should be (above the horizon of the fly-over) or the sand.
TEST(BenchHarness, TheSkyAndTheSandShowAroundTheCourse)
{
    RunTree tree;
    const std::string shot = tree.path("flyover.png");
    GameRun run = runScript(tree, "seed 1\nhole 11 1\nframes 60\nshot " + shot + "\nframes 2\nquit\n");
    ASSERT_EQ(run.status, 0) << run.err;
    irr::IrrlichtDevice* device = irr::createDevice(irr::video::EDT_NULL);
    irr::video::IImage* image = device->getVideoDriver()->createImageFromFile(shot.c_str());
    ASSERT_NE(image, nullptr);
    const struct {
        const char* what;
        irr::u32 top, bottom;
    } kBands[] = {{"sky", 64, 100}, {"sand", 420, 530}};
    for (const auto& band : kBands) {
        int black = 0, pixels = 0;
        for (irr::u32 y = band.top; y < band.bottom; ++y)
            for (irr::u32 x = 0; x < image->getDimension().Width; x += 4) {
                const irr::video::SColor c = image->getPixel(x, y);
                black += c.getRed() + c.getGreen() + c.getBlue() < 12;
                ++pixels;
            }
        EXPECT_LT(black, pixels / 100) << band.what << ": " << black << " of " << pixels << " pixels black";
    }
    image->drop();
    device->drop();
}

// Pictures drawn flat on the screen are never minified: no mip maps for them (memory, and
// the software GL's time to build them), while the textures of the 3D scene keep theirs.
TEST(BenchHarness, ScreenPicturesHaveNoMipMapsAndSceneTexturesDo)
{
    RunTree tree;
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(tree.path("Bin"));
    irr::SIrrlichtCreationParameters p;
    p.DriverType = irr::video::EDT_OPENGL;
    p.WindowSize = {320, 240};
    p.Vsync = false;
    irr::IrrlichtDevice* device = irr::createDeviceEx(p);
    ASSERT_NE(device, nullptr);
    game = GameState{};
    game.engine.driver = device->getVideoDriver();
    irr::video::ITexture* loading = picture("loading.png");
    irr::video::ITexture* grass = texture("grass.jpg");
    ASSERT_NE(loading, nullptr);
    ASSERT_NE(grass, nullptr);
    EXPECT_FALSE(loading->hasMipMaps());
    EXPECT_TRUE(grass->hasMipMaps());
    EXPECT_TRUE(game.engine.driver->getTextureCreationFlag(irr::video::ETCF_CREATE_MIP_MAPS)) << "the flag is restored";
    game = GameState{};
    device->drop();
    std::filesystem::current_path(previous);
}
