// The settings file's byte rules and the video-mode check.
#include <gtest/gtest.h>

#include <sstream>

#include "app/options_file.h"

TEST(OptionsFile, ResolutionCodesMapToSizesAndOnlyTwoToFourAreChecked)
{
    struct Row { char code; int width, height; bool checked; };
    const Row rows[] = {{'0', 800, 600, false},   {'1', 1024, 768, false}, {'2', 1152, 864, true},
                        {'3', 1280, 720, true},   {'4', 1280, 800, true},  {'5', 0, 0, false},
                        {'7', 0, 0, false},       {'a', 0, 0, false},      {'\0', 0, 0, false}};
    for (const Row& row : rows) {
        ScreenSize size = resolutionForCode(row.code);
        EXPECT_EQ(size.width, row.width) << row.code;
        EXPECT_EQ(size.height, row.height) << row.code;
        EXPECT_EQ(resolutionNeedsModeCheck(row.code), row.checked) << row.code;
    }
}

TEST(OptionsFile, EachFlagByteSetsItsFlagAndAnythingElseKeepsTheDefault)
{
    struct Row { const char* bytes; OptionsRecord expected; };
    auto record = [](uint8_t f, uint8_t sh, uint8_t tq, uint8_t gq, uint8_t so, uint8_t mu) {
        OptionsRecord r;
        r.fullscreen = f; r.shadersEnabled = sh; r.highTextureQuality = tq;
        r.highGraphicsQuality = gq; r.soundEnabled = so; r.musicEnabled = mu;
        return r;
    };
    const Row rows[] = {
        {"0010011", record(0, 1, 0, 0, 1, 1)},
        {"0101100", record(1, 0, 1, 1, 0, 0)},
        {"0111111", record(1, 1, 1, 1, 1, 1)},
        {"0000000", record(0, 0, 0, 0, 0, 0)},
        {"01aaaaa", record(1, 1, 0, 0, 1, 1)},  // a file of two bytes: the rest read as 'a'
        {"0x9-\xff 2", record(0, 1, 0, 0, 1, 1)},  // damaged bytes keep the defaults
    };
    for (const Row& row : rows) {
        OptionsRecord options;
        applyOptionFlags(row.bytes, options);
        EXPECT_EQ(options.fullscreen, row.expected.fullscreen) << row.bytes;
        EXPECT_EQ(options.shadersEnabled, row.expected.shadersEnabled) << row.bytes;
        EXPECT_EQ(options.highTextureQuality, row.expected.highTextureQuality) << row.bytes;
        EXPECT_EQ(options.highGraphicsQuality, row.expected.highGraphicsQuality) << row.bytes;
        EXPECT_EQ(options.soundEnabled, row.expected.soundEnabled) << row.bytes;
        EXPECT_EQ(options.musicEnabled, row.expected.musicEnabled) << row.bytes;
        EXPECT_EQ(options.screenWidth, 800);
    }
}

TEST(OptionsFile, ModeCheckListsEachSizeOnceAndFallsBackWhenMissing)
{
    OptionsRecord options;
    std::ostringstream log;
    std::vector<ScreenSize> modes = {{640, 480}, {640, 480}, {800, 600}, {1024, 768}, {1024, 768}};
    EXPECT_FALSE(checkVideoMode({1152, 864}, modes, options, log));
    EXPECT_EQ(log.str(),
              "--- Screen Resolution ---\n\n"
              " Checking Screen Resolution: 1152 x 864\n"
              "Video Card supported Resolutions:\n\n"
              "640 X 480\n800 X 600\n1024 X 768\n"
              "\nScreen Resolution 1152 x 864 not supported... using default\n\n");
    EXPECT_EQ(options.screenWidth, 800);
    EXPECT_EQ(options.screenHeight, 600);
}

TEST(OptionsFile, ModeCheckAppliesASizeListedAtSeveralDepths)
{
    OptionsRecord options;
    std::ostringstream log;
    std::vector<ScreenSize> modes = {{1280, 720}, {1280, 720}, {1280, 720}};
    EXPECT_TRUE(checkVideoMode({1280, 720}, modes, options, log));
    EXPECT_NE(log.str().find("Resolutions:\n\n1280 X 720\n\nScreen Resolution 1280 x 720 supported\n\n"),
              std::string::npos) << log.str();
    EXPECT_EQ(options.screenWidth, 1280);
    EXPECT_EQ(options.screenHeight, 720);
}

TEST(OptionsFile, ModeCheckWithAnEmptyListUsesTheDefault)
{
    OptionsRecord options;
    options.screenWidth = 1;
    std::ostringstream log;
    EXPECT_FALSE(checkVideoMode({1280, 800}, {}, options, log));
    EXPECT_NE(log.str().find("Resolutions:\n\n\nScreen Resolution 1280 x 800 not supported... using default\n\n"),
              std::string::npos) << log.str();
    EXPECT_EQ(options.screenWidth, 800);
}

TEST(OptionsFile, EncodingWritesTheResolutionCodeThenTheSixFlags)
{
    OptionsRecord options;
    EXPECT_EQ(encodeOptions(options), "0010011");
    options.screenWidth = 1280;
    options.screenHeight = 720;
    options.fullscreen = 1;
    options.shadersEnabled = 0;
    options.musicEnabled = 0;
    EXPECT_EQ(encodeOptions(options), "3100010");
    options.screenWidth = 1024;
    options.screenHeight = 768;
    EXPECT_EQ(encodeOptions(options)[0], '1');
}
