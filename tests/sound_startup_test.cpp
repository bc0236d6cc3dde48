// The sound bank as the real game loads it at start-up: the options file picks
// silence for switched-off entries, the log names missing files, and a machine
// without an audio device still plays.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/game_run.h"

namespace fs = std::filesystem;

namespace {

const char* const kSoundLine = "\n--- Sound Engine Initializing --- \n\n";
const char* const kMissing = "Sound file not found\n";
const char* const kLookScript = "frames 3\ndump\nquit\n";

int countOf(const std::string& text, const std::string& line)
{
    int count = 0;
    for (size_t at = text.find(line); at != std::string::npos; at = text.find(line, at + 1)) ++count;
    return count;
}

// What the sound loader wrote: the lines between the sound banner and the next banner.
std::string soundLog(const std::string& out)
{
    const size_t from = out.find(kSoundLine);
    if (from == std::string::npos) return "(no sound banner)";
    const size_t start = from + std::string(kSoundLine).size();
    return out.substr(start, out.find("\n-- Graphics Pipeline", start) - start);
}

// Replaces the run tree's Contents/ by one that shares everything with the build's
// except Sounds/ and Music/, which hold only the files named.
void keepOnlyAudio(const RunTree& tree, const std::vector<std::string>& files)
{
    const fs::path shared = fs::path(TALLOWICK_RUN_DIR) / "Contents";
    const fs::path own = tree.path("Contents");
    fs::remove(own);
    fs::create_directories(own / "Sounds");
    fs::create_directories(own / "Music");
    for (const auto& folder : fs::directory_iterator(shared)) {
        const std::string name = folder.path().filename().string();
        if (name != "Sounds" && name != "Music") fs::create_directory_symlink(folder.path(), own / name);
    }
    for (const std::string& file : files) fs::create_symlink(shared / file, own / file);
}

std::vector<std::string> allAudioIn(const std::string& folder)
{
    std::vector<std::string> files;
    for (const auto& file : fs::directory_iterator(fs::path(TALLOWICK_RUN_DIR) / "Contents" / folder))
        files.push_back(folder + "/" + file.path().filename().string());
    return files;
}

std::vector<std::string> joined(std::vector<std::string> a, const std::vector<std::string>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

}  // namespace

TEST(SoundStartUp, WithSoundAndMusicOnEveryEntryLoadsItsFile)
{
    RunTree tree;
    tree.writeOptions("0010011");
    GameRun run = runScript(tree, kLookScript);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(soundLog(run.out), "") << run.out;
}

// The run tree lacks some files: an entry that still asks for one of them logs
// "Sound file not found", one that switched to silence.wav does not.
TEST(SoundStartUp, OptionsBytesFiveAndSixSwitchEntriesToSilence)
{
    const std::vector<std::string> silenceOnly = {"Sounds/silence.wav"};
    const std::vector<std::string> noEffects = joined(silenceOnly, allAudioIn("Music"));
    const std::vector<std::string> noMusic = allAudioIn("Sounds");
    struct Row {
        const char* options;
        std::vector<std::string> files;
        int missing;  // entries that ask for a file the tree lacks
    };
    const Row rows[] = {
        {"0010011", noEffects, 24},   // all 24 effect entries want their own files
        {"0010001", noEffects, 0},    // sound off: the effects, the town loop included, load silence
        {"0010011", noMusic, 3},      // music, cut and title want theirs
        {"0010010", noMusic, 0},      // music off: the three music entries load silence
        {"0010000", silenceOnly, 0},  // both off: nothing but silence.wav is needed
    };
    for (const Row& row : rows) {
        RunTree tree;
        keepOnlyAudio(tree, row.files);
        tree.writeOptions(row.options);
        GameRun run = runScript(tree, kLookScript);
        ASSERT_EQ(run.status, 0) << row.options << "\n" << run.err;
        const std::string log = soundLog(run.out);
        EXPECT_EQ(countOf(log, kMissing), row.missing) << row.options << "\n" << log;
        EXPECT_EQ(log.size(), std::string(kMissing).size() * size_t(row.missing)) << log;
    }
}

TEST(SoundStartUp, WithoutAnAudioDeviceTheGameStartsAndRunsSilently)
{
    const char* previous = std::getenv("ALSOFT_DRIVERS");
    const std::string saved = previous ? previous : "";
    setenv("ALSOFT_DRIVERS", "no-such-driver", 1);  // OpenAL then finds no device and alutInit fails
    RunTree tree;
    GameRun run = runScript(tree, "frames 30\ndump\nframes 30\ndump\nquit\n");
    if (previous) setenv("ALSOFT_DRIVERS", saved.c_str(), 1);
    else unsetenv("ALSOFT_DRIVERS");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("No audio device"), std::string::npos) << run.err;
    EXPECT_EQ(soundLog(run.out), "") << run.out;
    ASSERT_EQ(run.dumps.size(), 2u);
    for (const std::string& dump : run.dumps) EXPECT_EQ(jsonValue(dump, "played"), "[]");
}

TEST(SoundStartUp, TitleMusicIsSilentWhileTheSplashShows)
{
    RunTree tree;
    GameRun run = runScript(tree, "frames 20\ndump\nquit\n");
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.dumps.size(), 1u);
    ASSERT_EQ(jsonNumber(run.dumps[0], "splashActive"), 1);
    EXPECT_EQ(jsonValue(run.dumps[0], "played").find("\"title\""), std::string::npos) << run.dumps[0];
}
