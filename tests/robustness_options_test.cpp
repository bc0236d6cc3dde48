// Damaged settings files: every file of one byte changed from the default decodes to
// the right settings, and the real game starts with them (a representative set of
// those, and random short, long and binary files) without ever crashing or rewriting
// the file.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <sstream>
#include <string>

#include "app/options_file.h"
#include "tests/support/game_run.h"

namespace {

constexpr const char* kLookScript = "frames 3\ndump\nquit\n";
const std::string kDefault = kDefaultOptions;

// What a byte means, written out independently of the game's decoder: the resolution
// codes '0' and '1' open their sizes, '2' to '4' are checked against the video modes
// (none listed under the virtual X server: 800 x 600), anything else keeps 800 x 600;
// a flag byte of '0' or '1' sets its flag, anything else keeps the default.
struct Expected {
    int width = 800, height = 600;
    int flags[6] = {0, 1, 0, 0, 1, 1};
};

Expected expectedFor(const std::string& file, bool modesListed)
{
    Expected e;
    auto byte = [&](size_t i) { return i < file.size() ? file[i] : kUnreadableByte; };
    if (byte(0) == '1') {
        e.width = 1024;
        e.height = 768;
    }
    if (modesListed) {
        if (byte(0) == '2') { e.width = 1152; e.height = 864; }
        if (byte(0) == '3') { e.width = 1280; e.height = 720; }
        if (byte(0) == '4') { e.width = 1280; e.height = 800; }
    }
    for (int i = 0; i < 6; ++i) {
        if (byte(size_t(i) + 1) == '0') e.flags[i] = 0;
        if (byte(size_t(i) + 1) == '1') e.flags[i] = 1;
    }
    return e;
}

const char* const kFlagNames[6] = {"fullscreen", "shadersEnabled", "highTextureQuality",
                                   "highGraphicsQuality", "soundEnabled", "musicEnabled"};

std::string printable(const std::string& bytes)
{
    const char* const hex = "0123456789abcdef";
    std::string out;
    for (unsigned char c : bytes.substr(0, 40)) {
        if (c >= 0x20 && c < 0x7f) {
            out.push_back(char(c));
            continue;
        }
        out.append("\\x").push_back(hex[c >> 4]);
        out.push_back(hex[c & 15]);
    }
    if (bytes.size() > 40) out.append("... (").append(std::to_string(bytes.size())).append(" bytes)");
    return out;
}

// Starts the game on the file and checks the settings it runs with.
void expectStartsWith(const std::string& file)
{
    RunTree tree;
    tree.writeOptions(file);
    GameRun run = runScript(tree, kLookScript);
    const std::string name = printable(file);
    ASSERT_EQ(run.status, 0) << name << "\n" << run.err;
    ASSERT_EQ(run.dumps.size(), 1u) << name;
    const std::string& dump = run.dumps[0];
    const Expected e = expectedFor(file, false);
    EXPECT_EQ(jsonNumber(dump, "screenWidth"), e.width) << name;
    EXPECT_EQ(jsonNumber(dump, "screenHeight"), e.height) << name;
    EXPECT_EQ(jsonNumber(dump, "windowWidth"), e.width) << name;
    EXPECT_EQ(jsonNumber(dump, "windowHeight"), e.height) << name;
    for (int i = 0; i < 6; ++i) EXPECT_EQ(jsonNumber(dump, kFlagNames[i]), e.flags[i]) << name << " " << kFlagNames[i];
    EXPECT_EQ(tree.readOptions(), file) << "start-up never rewrites an existing file";
}

}  // namespace

// All 7 x 256 files of one changed byte, through the decoder the game uses.
TEST(RobustnessOptions, EveryOneByteChangeDecodesToTheRightSettings)
{
    for (size_t at = 0; at < kDefault.size(); ++at) {
        for (int value = 0; value < 256; ++value) {
            std::string file = kDefault;
            file[at] = char(value);
            OptionsRecord options;
            const ScreenSize size = resolutionForCode(file[0]);
            if (resolutionNeedsModeCheck(file[0])) {
                std::ostringstream log;
                checkVideoMode(size, {{1152, 864}, {1280, 720}, {1280, 800}}, options, log);
            } else if (size.width > 0) {
                options.screenWidth = size.width;
                options.screenHeight = size.height;
            }
            applyOptionFlags(file.data(), options);
            const Expected e = expectedFor(file, true);
            const uint8_t flags[6] = {options.fullscreen, options.shadersEnabled, options.highTextureQuality,
                                      options.highGraphicsQuality, options.soundEnabled, options.musicEnabled};
            EXPECT_EQ(options.screenWidth, e.width) << at << " " << value;
            EXPECT_EQ(options.screenHeight, e.height) << at << " " << value;
            for (int i = 0; i < 6; ++i) EXPECT_EQ(flags[i], e.flags[i]) << at << " " << value << " " << kFlagNames[i];
        }
    }
}

// The game itself, for each byte: the other digit, and bytes no digit (a zero byte, a
// line feed, a space, a letter, a high byte).
TEST(RobustnessOptions, TheGameStartsWithEachByteChanged)
{
    const char kJunk[] = {'\0', '\n', ' ', 'I', 'o', '\xff', '9'};
    for (size_t at = 0; at < kDefault.size(); ++at) {
        std::string flipped = kDefault;
        flipped[at] = at == 0 ? '1' : (kDefault[at] == '0' ? '1' : '0');
        std::string junk = kDefault;
        junk[at] = kJunk[at];
        for (const std::string& file : {flipped, junk}) expectStartsWith(file);
    }
    for (const char code : {'2', '5', '\x80'}) {
        std::string file = kDefault;
        file[0] = code;
        expectStartsWith(file);
    }
}

// Random files, seeded: short, seven bytes of digits, long, and binary.
TEST(RobustnessOptions, RandomFilesStartTheGameWithTheSettingsTheirBytesSay)
{
    std::mt19937 random(12);
    std::uniform_int_distribution<int> anyByte(0, 255), digitOrNot(0, 3);
    auto bytes = [&](size_t length, bool mostlyDigits) {
        std::string out;
        for (size_t i = 0; i < length; ++i) {
            const int d = digitOrNot(random);
            out += mostlyDigits && d < 3 ? char('0' + d % 2) : char(anyByte(random));
        }
        return out;
    };
    const size_t lengths[] = {1, 2, 5, 6, 7, 7, 7, 8, 64, 4096, 1 << 20};
    for (size_t length : lengths) {
        expectStartsWith(bytes(length, true));
        expectStartsWith(bytes(length, false));
    }
}

// A settings "file" that is a folder, and a run tree without UserData/: the defaults,
// a log line, and no crash.
TEST(RobustnessOptions, AFolderInPlaceOfTheFileOrNoUserDataFolderStartsWithTheDefaults)
{
    {
        RunTree tree;
        std::filesystem::create_directory(tree.optionsPath());
        GameRun run = runScript(tree, kLookScript);
        ASSERT_EQ(run.status, 0) << run.err;
        ASSERT_EQ(run.dumps.size(), 1u);
        EXPECT_EQ(jsonNumber(run.dumps[0], "screenWidth"), 800);
        EXPECT_EQ(jsonNumber(run.dumps[0], "shadersEnabled"), 1);
        EXPECT_TRUE(std::filesystem::is_directory(tree.optionsPath()));
    }
    {
        RunTree tree;
        std::filesystem::remove_all(tree.path("UserData"));
        GameRun run = runScript(tree, kLookScript);
        ASSERT_EQ(run.status, 0) << run.err;
        ASSERT_EQ(run.dumps.size(), 1u);
        EXPECT_EQ(jsonNumber(run.dumps[0], "screenWidth"), 800);
        EXPECT_NE(run.err.find("Cannot create"), std::string::npos) << run.err;
    }
}
