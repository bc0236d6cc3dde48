// A damaged install: without Contents/, or without a file or a whole folder of one kind
// (texture, model, sound, shader), the game starts, runs its menus, plays a stroke of a
// hole with a computer opponent and ends normally, naming what is missing in its log.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

#include "tests/menus_test_support.h"

namespace fs = std::filesystem;

namespace {

// Rebuilds the run tree's Contents/ from the build's, without the given files and
// folders (paths relative to Contents/): folders that keep all their files are links.
void removeFromContents(const RunTree& tree, const std::set<std::string>& removed)
{
    const fs::path shared = fs::path(TALLOWICK_RUN_DIR) / "Contents";
    const fs::path own = tree.path("Contents");
    fs::remove(own);
    fs::create_directory(own);
    for (const auto& folder : fs::directory_iterator(shared)) {
        const std::string name = folder.path().filename().string();
        if (removed.count(name)) continue;
        bool partial = false;
        for (const std::string& path : removed) partial = partial || path.rfind(name + "/", 0) == 0;
        if (!partial) {
            fs::create_directory_symlink(folder.path(), own / name);
            continue;
        }
        fs::create_directory(own / name);
        for (const auto& file : fs::directory_iterator(folder.path()))
            if (!removed.count(name + "/" + file.path().filename().string()))
                fs::create_symlink(file.path(), own / name / file.path().filename());
    }
}

// The menus (options and back, course select, player set-up), then hole 1 with a hard
// computer opponent: a stroke, and (given `computerTurn`) the computer's.
std::string playScript(bool computerTurn)
{
    std::string script = std::string("seed 1\n") + kToMainMenu + click(399, 238) + click(705, 544) + "dump\n" +
                         click(399, 168) + click(680, 524) + "dump\n" +
                         "hole 1 2 hard\nwait holeActive 1 50\nframes 5\nkey RETURN down\nframes 2\nkey RETURN up\n"
                         "wait introDone 1 2000\nframes 2\ndump\nkey SPACE down\nframes 30\nkey SPACE up\n";
    return script + (computerTurn ? "frames 600\ndump\nframes 900\ndump\nquit\n" : "frames 60\ndump\nquit\n");
}

struct Damage {
    const char* name;
    std::set<std::string> removed;  // under Contents/; "" for the whole folder
    std::string logLine;            // on stdout or stderr
    bool menus;                     // whether the menu buttons have their pictures, which give their sizes
    bool course;                    // whether the ball has a course to roll on (else it falls and is put back)
    bool video;                     // shaders need a window; the rest runs without one, faster
};

}  // namespace

TEST(RobustnessContents, MissingFilesOfEachKindStillStartAndPlay)
{
    const Damage damages[] = {
        {"no Contents/", {""}, "Missing model hole_1_ground.b3d", false, false, false},
        {"no textures", {"Textures", "Particles"}, "cursorHand.png", false, true, false},
        {"a texture", {"Textures/metal.jpg"}, "metal.jpg", true, true, false},
        {"no models", {"Models"}, "Missing model hole_1_ground.b3d", true, false, false},
        {"a model", {"Models/ball.b3d"}, "ball.b3d", true, true, false},
        {"a drawn twin", {"Models/hole_1_grassview.b3d"}, "hole_1_grassview.b3d: the full mesh is drawn instead", true,
         true, false},
        {"no sounds", {"Sounds", "Music"}, "Sound file not found", true, true, false},
        {"a sound", {"Sounds/ball.wav"}, "Sound file not found", true, true, false},
        {"no shaders", {"Shaders"}, "shader ../Contents/Shaders/normal.golf not found", true, true, true},
        {"a shader", {"Shaders/waterH.golf"}, "shader ../Contents/Shaders/waterH.golf not found", true, true, true},
    };
    for (const Damage& damage : damages) {
        RunTree tree;
        if (damage.removed.count("")) fs::remove(tree.path("Contents"));
        else removeFromContents(tree, damage.removed);
        GameRun run = runScript(tree, playScript(!damage.video), damage.video ? "" : "--null-video");
        ASSERT_EQ(run.status, 0) << damage.name << "\n" << run.err;
        ASSERT_EQ(run.dumps.size(), damage.video ? 4u : 5u) << damage.name << "\n" << run.err;
        if (damage.menus) {
            EXPECT_EQ(jsonNumber(run.dumps[0], "mainMenuActive"), 1) << damage.name;
            EXPECT_EQ(jsonNumber(run.dumps[1], "playerSetupActive"), 1) << damage.name;
        }
        EXPECT_EQ(jsonNumber(run.dumps[2], "holeActive"), 1) << damage.name;
        EXPECT_EQ(jsonNumber(run.dumps[2], "introDone"), 1) << damage.name;
        EXPECT_EQ(jsonElement(jsonValue(run.dumps[3], "holeStrokes"), 0), "1") << damage.name << ": player 1's stroke";
        if (!damage.video && damage.course) {
            EXPECT_EQ(jsonElement(jsonValue(run.dumps[4], "holeStrokes"), 1), "1") << damage.name << ": the computer's";
        }
        EXPECT_NE((run.out + run.err).find(damage.logLine), std::string::npos) << damage.name << "\n" << run.out;
    }
}

// Without an audio device every sound call is silent: the menus, a hole, strokes of a
// player and of a computer, and the hole's end all run without one.
TEST(RobustnessContents, WithoutAnAudioDeviceAHoleIsPlayedThroughSilently)
{
    const char* previous = std::getenv("ALSOFT_DRIVERS");
    const std::string saved = previous ? previous : "";
    setenv("ALSOFT_DRIVERS", "no-such-driver", 1);  // OpenAL then finds no device
    RunTree tree;
    GameRun run = runScript(tree, std::string("seed 1\nhole 1 2 hard\nwait holeActive 1 50\n") +
                                      "frames 5\nkey RETURN down\nframes 2\nkey RETURN up\nwait introDone 1 2000\n" +
                                      "frames 2\nkey SPACE down\nframes 30\nkey SPACE up\nframes 300\ndump\n" +
                                      kGiveUpKeys + "wait scorecardShowing 1 20000\ndump\nquit\n",
                            "--null-video");
    if (previous) setenv("ALSOFT_DRIVERS", saved.c_str(), 1);
    else unsetenv("ALSOFT_DRIVERS");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("No audio device"), std::string::npos) << run.err;
    ASSERT_EQ(run.dumps.size(), 2u);
    EXPECT_EQ(jsonElement(jsonValue(run.dumps[0], "holeStrokes"), 0), "1");
    EXPECT_EQ(jsonElement(jsonValue(run.dumps[1], "holedOut"), 1), "1");
    for (const std::string& dump : run.dumps) EXPECT_EQ(jsonValue(dump, "played"), "[]");
}
