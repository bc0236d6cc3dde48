// Runs the real game in a run tree of its own (Bin/, Contents/ shared with the
// build, a private UserData/) and collects what it wrote.
#pragma once

#include <string>
#include <vector>

class RunTree {
public:
    RunTree();
    ~RunTree();
    RunTree(const RunTree&) = delete;
    RunTree& operator=(const RunTree&) = delete;

    const std::string& root() const { return root_; }
    std::string path(const std::string& relative) const { return root_ + "/" + relative; }
    std::string optionsPath() const { return path("UserData/options.golf"); }
    void writeOptions(const std::string& bytes) const;
    bool hasOptions() const;
    std::string readOptions() const;

private:
    std::string root_;
};

struct GameRun {
    int status = -1;
    std::string out;                 // stdout: the start-up log
    std::string err;
    std::vector<std::string> dumps;  // one JSON object per dump command
};

// Runs `tallowick --replay SCRIPT --dump FILE [extra]` with Bin/ as working directory.
// Script lines: player 1 gives up the hole (ESCAPE opens the quit dialog, F gives up).
inline constexpr const char* kGiveUpKeys =
    "key ESCAPE down\nframes 1\nkey ESCAPE up\nframes 2\nkey F down\nframes 1\nkey F up\n";

GameRun runScript(const RunTree& tree, const std::string& script, const std::string& extraArguments = "");

std::string readFile(const std::string& path);

// The value of `key` in a flat dump object, as written ("" when absent).
std::string jsonValue(const std::string& json, const std::string& key);
double jsonNumber(const std::string& json, const std::string& key);
// Element i (0-based) of a JSON array value.
std::string jsonElement(const std::string& array, size_t index);

// A game started in the background on a script, for tests that act on it while it runs
// (closing its window, reading its memory). finishScript collects it like runScript.
struct RunningGame {
    int pid = -1;
};
RunningGame startScript(const RunTree& tree, const std::string& script, const std::string& extraArguments = "");
// The dump lines written so far.
std::vector<std::string> dumpsSoFar(const RunTree& tree);
// Waits up to `seconds` for the game to end (killing it after that: status 137) and reads what it wrote.
GameRun finishScript(const RunTree& tree, RunningGame& game, double seconds);
// A "VmRSS:"-style line of /proc/PID/status, in kB (-1 when unreadable).
long processStatusKb(int pid, const std::string& field);
