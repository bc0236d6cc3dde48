// Closing the window as a window manager does ends the game with status 0.
// Runs alone: it finds the game's window by its caption on the shared display.
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>

#include "tests/support/game_run.h"
#include "tests/support/x_window.h"

TEST(Window, ClosingTheWindowEndsTheGameWithStatusZeroAndKeepsTheSettings)
{
    RunTree tree;
    tree.writeOptions("0010110");
    pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        if (chdir(tree.path("Bin").c_str()) != 0) _exit(97);
        freopen("/dev/null", "w", stdout);
        execl(TALLOWICK_EXE, TALLOWICK_EXE, static_cast<char*>(nullptr));
        _exit(98);
    }
    Display* display = XOpenDisplay(nullptr);
    ASSERT_NE(display, nullptr);
    Window window = 0;
    for (int i = 0; i < 200 && !window; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        window = findWindow(display, DefaultRootWindow(display), "Tallowick Mini Golf");
    }
    ASSERT_NE(window, 0u) << "the game window never appeared";
    std::this_thread::sleep_for(std::chrono::milliseconds(300));  // a few frames of the loop
    askToClose(display, window);
    int status = -1;
    for (int i = 0; i < 200; ++i) {
        if (waitpid(pid, &status, WNOHANG) == pid) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    XCloseDisplay(display);
    if (!WIFEXITED(status)) kill(pid, SIGKILL);
    ASSERT_TRUE(WIFEXITED(status)) << "the game did not end after the close request";
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(tree.readOptions(), "0010110");
}
