#include "tests/support/game_run.h"

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace fs = std::filesystem;

RunTree::RunTree()
{
    char pattern[] = "/tmp/tallowick-run-XXXXXX";
    root_ = mkdtemp(pattern);
    fs::create_directories(root_ + "/Bin");
    fs::create_directories(root_ + "/UserData");
    fs::create_directory_symlink(std::string(TALLOWICK_RUN_DIR) + "/Contents", root_ + "/Contents");
}

RunTree::~RunTree()
{
    if (!std::getenv("TALLOWICK_KEEP_RUNS")) fs::remove_all(root_);
}

void RunTree::writeOptions(const std::string& bytes) const
{
    std::ofstream(optionsPath(), std::ios::binary | std::ios::trunc) << bytes;
}

bool RunTree::hasOptions() const { return fs::exists(optionsPath()); }

std::string RunTree::readOptions() const { return readFile(optionsPath()); }

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

namespace {

// Writes the script into the run tree and returns the shell command that plays it from Bin/,
// its output into the tree; `exec` makes the shell's pid the game's own.
std::string scriptCommand(const RunTree& tree, const std::string& script, const std::string& extraArguments,
                          bool exec)
{
    const std::string scriptPath = tree.path("script.txt");
    const std::string dumpPath = tree.path("dump.jsonl");
    std::ofstream(scriptPath, std::ios::trunc) << script;
    std::remove(dumpPath.c_str());
    return "cd '" + tree.path("Bin") + "' && " + (exec ? "exec '" : "'") + TALLOWICK_EXE + "' --replay '" +
           scriptPath + "' --dump '" + dumpPath + "' " + extraArguments + " >'" + tree.path("stdout.txt") +
           "' 2>'" + tree.path("stderr.txt") + "'";
}

}  // namespace

GameRun runScript(const RunTree& tree, const std::string& script, const std::string& extraArguments)
{
    const std::string command = scriptCommand(tree, script, extraArguments, false);
    const std::string dumpPath = tree.path("dump.jsonl");
    GameRun run;
    int raw = std::system(command.c_str());
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
    run.out = readFile(tree.path("stdout.txt"));
    run.err = readFile(tree.path("stderr.txt"));
    std::istringstream dumps(readFile(dumpPath));
    for (std::string line; std::getline(dumps, line);)
        if (!line.empty()) run.dumps.push_back(line);
    return run;
}

RunningGame startScript(const RunTree& tree, const std::string& script, const std::string& extraArguments)
{
    const std::string command = scriptCommand(tree, script, extraArguments, true);
    RunningGame game;
    game.pid = fork();
    if (game.pid == 0) {
        execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    return game;
}

std::vector<std::string> dumpsSoFar(const RunTree& tree)
{
    std::vector<std::string> dumps;
    std::istringstream lines(readFile(tree.path("dump.jsonl")));
    // A line still being written has no newline yet: only whole lines count.
    for (std::string line; std::getline(lines, line) && !lines.eof();)
        if (!line.empty()) dumps.push_back(line);
    return dumps;
}

GameRun finishScript(const RunTree& tree, RunningGame& game, double seconds)
{
    GameRun run;
    int raw = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    bool ended = false;
    while (!ended && std::chrono::steady_clock::now() < deadline) {
        ended = waitpid(game.pid, &raw, WNOHANG) == game.pid;
        if (!ended) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    if (!ended) {
        kill(game.pid, SIGKILL);
        waitpid(game.pid, &raw, 0);
    }
    game.pid = -1;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
    run.out = readFile(tree.path("stdout.txt"));
    run.err = readFile(tree.path("stderr.txt"));
    std::istringstream dumps(readFile(tree.path("dump.jsonl")));
    for (std::string line; std::getline(dumps, line);)
        if (!line.empty()) run.dumps.push_back(line);
    return run;
}

long processStatusKb(int pid, const std::string& field)
{
    std::istringstream status(readFile("/proc/" + std::to_string(pid) + "/status"));
    for (std::string line; std::getline(status, line);)
        if (line.rfind(field, 0) == 0) return std::strtol(line.c_str() + field.size(), nullptr, 10);
    return -1;
}

namespace {

// Index just past the value that starts at `start` (a number, string, array or object).
size_t valueEnd(const std::string& json, size_t start)
{
    int depth = 0;
    bool inString = false;
    for (size_t i = start; i < json.size(); ++i) {
        char c = json[i];
        if (inString) {
            if (c == '\\') ++i;
            else if (c == '"') {
                inString = false;
                if (depth == 0) return i + 1;
            }
            continue;
        }
        if (c == '"') inString = true;
        else if (c == '[' || c == '{') ++depth;
        else if (c == ']' || c == '}') {
            if (depth == 0) return i;
            if (--depth == 0) return i + 1;
        } else if (c == ',' && depth == 0) return i;
    }
    return json.size();
}

}  // namespace

std::string jsonValue(const std::string& json, const std::string& key)
{
    const std::string needle = "\"" + key + "\":";
    size_t at = json.find(needle);
    if (at == std::string::npos) return "";
    size_t start = at + needle.size();
    return json.substr(start, valueEnd(json, start) - start);
}

double jsonNumber(const std::string& json, const std::string& key)
{
    return std::strtod(jsonValue(json, key).c_str(), nullptr);
}

std::string jsonElement(const std::string& array, size_t index)
{
    size_t at = 1;
    for (size_t i = 0; i < index && at < array.size(); ++i) at = valueEnd(array, at) + 1;
    if (at >= array.size()) return "";
    return array.substr(at, valueEnd(array, at) - at);
}
