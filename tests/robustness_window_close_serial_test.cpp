// Closing the window, as a window manager does, at every screen of the game ends it
// with status 0 and leaves the settings file as it was. The game is led to the
// screen by a script and left there; the test then sends the close request.
// Runs alone: it finds the game's window by its caption on the shared display.
#include <gtest/gtest.h>

#include <X11/Xlib.h>

#include <chrono>
#include <string>
#include <thread>

#include "tests/menus_test_support.h"
#include "tests/support/x_window.h"

namespace {

constexpr const char* kCaption = "Tallowick Mini Golf";
constexpr const char* kOptions = "0010110";
constexpr const char* kHoleOne = "seed 1\nhole 1 1\nwait holeActive 1 50\n";
constexpr const char* kSkipFlyOver = "frames 5\nkey RETURN down\nframes 2\nkey RETURN up\nwait introDone 1 2000\nframes 2\n";

struct GameScreen {
    const char* name;
    std::string script;  // leads the game to the screen
    const char* field;   // what the last dump before the close shows
    int value;
};

// After the script: a dump every pass for a while, then passes without end, so that
// only the close request can end the run.
std::string stayThere(const std::string& script, int dumps)
{
    std::string out = script;
    for (int i = 0; i < dumps; ++i) out += "dump\nframes 1\n";
    return out + "frames 100000000\n";
}

// Starts the game on the script, closes its window once `ready` dumps are written,
// and returns how the run ended.
GameRun closeWhenThere(const RunTree& tree, const std::string& script, size_t ready = 1)
{
    RunningGame running = startScript(tree, script);
    Display* display = XOpenDisplay(nullptr);
    for (int i = 0; i < 20 && !display; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        display = XOpenDisplay(nullptr);
    }
    if (!display) {
        ADD_FAILURE() << "cannot open the display";
        return finishScript(tree, running, 0);
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(120);
    while (dumpsSoFar(tree).size() < ready && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    // The caption is set on the first pass, so the window may not be found by it at once.
    Window window = 0;
    for (int i = 0; i < 500 && !window; ++i) {
        window = findWindow(display, DefaultRootWindow(display), kCaption);
        if (!window) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    if (window) askToClose(display, window);
    else ADD_FAILURE() << "the game window never appeared";
    XCloseDisplay(display);
    return finishScript(tree, running, window ? 30 : 0);
}

}  // namespace

TEST(RobustnessWindowClose, AtEveryScreenTheGameEndsWithStatusZero)
{
    const std::string menu = kToMainMenu;
    const std::string hole = std::string(kHoleOne) + kSkipFlyOver;
    const GameScreen screens[] = {
        {"splash", "", "splashActive", 1},
        {"main menu", menu, "mainMenuActive", 1},
        {"course select", menu + click(399, 168), "courseSelectActive", 1},
        {"player set-up", menu + click(399, 168) + click(680, 524), "playerSetupActive", 1},
        {"options", menu + click(399, 238), "optionsActive", 1},
        {"credits", menu + click(399, 378), "creditsActive", 1},
        {"how to play", menu + click(399, 308) + "wait holeActive 1 50\n" + kSkipFlyOver, "tutorialActive", 1},
        {"fly-over", std::string(kHoleOne) + "frames 20\n", "introDone", 0},
        {"aiming", hole, "introDone", 1},
        {"ball rolling", hole + "key SPACE down\nframes 30\nkey SPACE up\nwait ballRolling 1 100\n", "ballRolling", 1},
        {"quit dialog", hole + "key ESCAPE down\nframes 1\nkey ESCAPE up\nframes 2\n", "quitDialogActive", 1},
        {"scorecard", hole + kGiveUpKeys + "wait scorecardShowing 1 2000\n", "scorecardShowing", 1},
    };
    for (const GameScreen& screen : screens) {
        RunTree tree;
        tree.writeOptions(kOptions);
        GameRun run = closeWhenThere(tree, stayThere(screen.script, 3000));
        EXPECT_EQ(run.status, 0) << screen.name << "\n" << run.err;
        ASSERT_FALSE(run.dumps.empty()) << screen.name << "\n" << run.err;
        EXPECT_EQ(jsonNumber(run.dumps.back(), screen.field), screen.value) << screen.name;
        EXPECT_LT(run.dumps.size(), 3000u) << screen.name << ": the close came too late to tell";
        EXPECT_NE(run.err.find("replay: "), std::string::npos) << screen.name << ": the loop did not end normally";
        EXPECT_EQ(tree.readOptions(), kOptions) << screen.name;
    }
}

// The close request arrives while a hole is being built behind the loading picture:
// the build finishes, the next pass sees the request and the game ends.
TEST(RobustnessWindowClose, WhileAHoleLoadsTheGameEndsWithStatusZero)
{
    for (const char* start : {"hole 1 1\n", "hole 7 2 hard\n", "start 19 1\n"}) {
        RunTree tree;
        tree.writeOptions(kOptions);
        // One pass shows the loading picture; the hole is built on the next.
        GameRun run = closeWhenThere(tree, stayThere(std::string("seed 1\n") + start + "frames 1\n", 2000));
        EXPECT_EQ(run.status, 0) << start << run.err;
        ASSERT_FALSE(run.dumps.empty()) << start << run.err;
        EXPECT_EQ(jsonNumber(run.dumps.front(), "holeLoadPending"), 1) << start;
        EXPECT_LT(run.dumps.size(), 2000u) << start;
        EXPECT_EQ(tree.readOptions(), kOptions) << start;
    }
}

// Between two holes of a match: the scorecard's ENTER fades out, then the next hole loads.
TEST(RobustnessWindowClose, BetweenTwoHolesTheGameEndsWithStatusZero)
{
    RunTree tree;
    tree.writeOptions(kOptions);
    const std::string script = std::string("seed 1\nstart 19 1\nwait holeActive 1 50\n") + kSkipFlyOver + kGiveUpKeys +
                               "wait scorecardShowing 1 2000\nframes 10\nkey RETURN down\nframes 1\nkey RETURN up\n"
                               "wait holeLoadPending 1 500\n";
    GameRun run = closeWhenThere(tree, stayThere(script, 2000));
    EXPECT_EQ(run.status, 0) << run.err;
    ASSERT_FALSE(run.dumps.empty()) << run.err;
    EXPECT_EQ(jsonNumber(run.dumps.front(), "holeLoadPending"), 1);
    EXPECT_EQ(tree.readOptions(), kOptions);
}
