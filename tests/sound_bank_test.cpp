// The sound bank inside one process: which file each entry holds for the
// options, the title-music rule, the course music, and play without a device.
#include <gtest/gtest.h>

#include <unistd.h>

#include <AL/al.h>
#include <AL/alut.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/game_state.h"
#include "presentation/audio.h"
#include "presentation/sound_bank.h"

namespace {

struct EntryRow {
    Sound sound;
    const char* name;
    const char* file;  // when its option is on
    bool music;        // follows musicEnabled rather than soundEnabled
};

// The bank in load order.
const EntryRow kEntries[kSoundCount] = {
    {Sound::holeinone, "holeinone", "../Contents/Sounds/holeinone.wav", false},
    {Sound::ball, "ball", "../Contents/Sounds/ball.wav", false},
    {Sound::par, "par", "../Contents/Sounds/par.wav", false},
    {Sound::eagle, "eagle", "../Contents/Sounds/eagle.wav", false},
    {Sound::birdie, "birdie", "../Contents/Sounds/birdie.wav", false},
    {Sound::albatross, "albatross", "../Contents/Sounds/albatross.wav", false},
    {Sound::putt, "putt", "../Contents/Sounds/putt.wav", false},
    {Sound::putt2, "putt2", "../Contents/Sounds/putt.wav", false},
    {Sound::click, "click", "../Contents/Sounds/click.wav", false},
    {Sound::cup, "cup", "../Contents/Sounds/cup.wav", false},
    {Sound::hardgrass, "hardgrass", "../Contents/Sounds/hardgrass.wav", false},
    {Sound::softgrass, "softgrass", "../Contents/Sounds/softgrass.wav", false},
    {Sound::brickhard, "brickhard", "../Contents/Sounds/brickhard.wav", false},
    {Sound::bricksoft, "bricksoft", "../Contents/Sounds/bricksoft.wav", false},
    {Sound::watersplash, "watersplash", "../Contents/Sounds/watersplash.wav", false},
    {Sound::watervoice, "watervoice", "../Contents/Sounds/watervoice.wav", false},
    {Sound::sand, "sand", "../Contents/Sounds/sand.wav", false},
    {Sound::sand2, "sand2", "../Contents/Sounds/sand.wav", false},
    {Sound::flag, "flag", "../Contents/Sounds/flag.wav", false},
    {Sound::bogey, "bogey", "../Contents/Sounds/bogey.wav", false},
    {Sound::sagrunsounds, "sagrunsounds", "../Contents/Sounds/sagrunsounds.wav", false},
    {Sound::metal, "metal", "../Contents/Sounds/metal.wav", false},
    {Sound::hardpipes, "hardpipes", "../Contents/Sounds/hardpipes.wav", false},
    {Sound::softpipes, "softpipes", "../Contents/Sounds/softpipes.wav", false},
    {Sound::music, "music", "../Contents/Music/music1.wav", true},
    {Sound::cut, "cut", "../Contents/Music/cut.wav", true},
    {Sound::title, "title", "../Contents/Music/title.wav", true},
};

const std::string kSilence = "../Contents/Sounds/silence.wav";

// Opens the null device once and works from Bin/ so that ../Contents/ is the build's.
void useAudio(bool available)
{
    static bool opened = false;
    if (available && !opened) {
        setenv("ALSOFT_DRIVERS", "null", 1);
        ASSERT_EQ(chdir(TALLOWICK_RUN_DIR "/Bin"), 0);
        startAudio();
        ASSERT_TRUE(audioAvailable()) << "the null audio device did not open";
        opened = true;
    }
    game.audioAvailable = available && opened;
    clearPlayedSounds();
}

std::vector<std::string> played()
{
    return {playedSounds().begin(), playedSounds().end()};
}

ALint bufferProperty(Sound sound, ALenum property)
{
    ALint value = -1;
    alGetBufferi(soundEntry(sound).buffer, property, &value);
    return value;
}

// Loads the bank with the given options and returns the start-up log it wrote.
std::string loadBankWith(bool soundOn, bool musicOn)
{
    game.options.soundEnabled = soundOn;
    game.options.musicEnabled = musicOn;
    for (SoundEntry& entry : game.sounds.entries)  // the test reloads; OpenAL has only so many sources
        if (game.audioAvailable && entry.source) releaseSoundEntry(entry);
    testing::internal::CaptureStdout();
    loadSoundBank();
    return testing::internal::GetCapturedStdout();
}

}  // namespace

TEST(SoundBank, EachEntryLoadsItsOwnFileOrSilenceWhenItsOptionIsOff)
{
    const bool options[][2] = {{true, true}, {false, true}, {true, false}, {false, false}};
    for (const EntryRow& row : kEntries) {
        EXPECT_STREQ(soundName(row.sound), row.name);
        Sound found = Sound::title;
        EXPECT_TRUE(findSound(row.name, found));
        EXPECT_EQ(found, row.sound) << row.name;
        for (const auto& [soundOn, musicOn] : options) {
            const bool on = row.music ? musicOn : soundOn;
            EXPECT_EQ(soundBankPath(row.sound, soundOn, musicOn), on ? std::string(row.file) : kSilence)
                << row.name << " sound " << soundOn << " music " << musicOn;
        }
    }
    Sound unused;
    EXPECT_FALSE(findSound("music1", unused));
}

TEST(SoundBank, EveryEntryLoadsWithItsDataAndSwitchedOffEntriesHoldSilence)
{
    useAudio(true);
    const std::string cleanLog = loadBankWith(true, true);
    EXPECT_EQ(cleanLog, "");
    const ALint silenceBytes = [] {
        loadBankWith(false, false);
        return bufferProperty(Sound::putt, AL_SIZE);
    }();
    const bool options[][2] = {{true, true}, {false, true}, {true, false}};
    for (const auto& [soundOn, musicOn] : options) {
        EXPECT_EQ(loadBankWith(soundOn, musicOn), "");
        for (const EntryRow& row : kEntries) {
            const bool on = row.music ? musicOn : soundOn;
            const ALint bytes = bufferProperty(row.sound, AL_SIZE);
            EXPECT_GT(bytes, 0) << row.name;
            if (on) EXPECT_NE(bytes, silenceBytes) << row.name << " holds silence";
            else EXPECT_EQ(bytes, silenceBytes) << row.name << " should hold silence";
        }
    }
}

TEST(SoundBank, AMissingFileIsReportedOnceAndLeavesASilentEntry)
{
    useAudio(true);
    loadBankWith(true, true);
    SoundEntry& entry = soundEntry(Sound::putt);
    releaseSoundEntry(entry);
    const float zero[3] = {0, 0, 0};
    testing::internal::CaptureStdout();
    loadSoundEntry(entry, "../Contents/Sounds/no-such-sound.wav", zero, zero, zero, zero);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Sound file not found\n");
    playSound(Sound::putt);  // harmless
    EXPECT_EQ(alGetError(), AL_NO_ERROR);
}

TEST(SoundBank, TitleMusicPlaysOnlyAfterTheSplashAndOutsideAHole)
{
    useAudio(true);
    loadBankWith(true, true);
    struct Row { uint8_t splash, hole; bool starts; };
    const Row rows[] = {{1, 0, false}, {1, 1, false}, {0, 1, false}, {0, 0, true}};
    for (const Row& row : rows) {
        stopSound(Sound::title);
        clearPlayedSounds();
        game.screen.splashActive = row.splash;
        game.screen.holeActive = row.hole;
        keepTitleMusicPlaying();
        EXPECT_EQ(soundPlaying(Sound::title), row.starts) << int(row.splash) << int(row.hole);
        EXPECT_EQ(played(), row.starts ? std::vector<std::string>{"title"} : std::vector<std::string>{});
    }
    keepTitleMusicPlaying();  // already playing: not restarted
    EXPECT_EQ(played(), std::vector<std::string>{"title"});
    stopSound(Sound::title);  // it ended: the next pass starts it again
    keepTitleMusicPlaying();
    EXPECT_EQ(played(), (std::vector<std::string>{"title", "title"}));
}

TEST(SoundBank, CourseMusicDrawsATrackThenStartsTheTownLoop)
{
    useAudio(true);
    loadBankWith(true, true);
    for (const bool musicOn : {true, false}) {
        game.options.musicEnabled = musicOn;
        clearPlayedSounds();
        startCourseMusic();
        EXPECT_EQ(played(), (std::vector<std::string>{"music", "sagrunsounds"}));
        EXPECT_TRUE(soundPlaying(Sound::music));
        EXPECT_TRUE(soundPlaying(Sound::sagrunsounds));
        // The course tracks are stereo; silence is mono.
        EXPECT_EQ(bufferProperty(Sound::music, AL_CHANNELS), musicOn ? 2 : 1);
        EXPECT_EQ(alGetError(), AL_NO_ERROR);
    }
}

TEST(SoundBank, WithoutAnAudioDeviceEverythingIsASilentNoOpAndPlayStaysTheSame)
{
    useAudio(false);
    game.options.musicEnabled = 1;
    EXPECT_EQ(loadBankWith(true, true), "");
    game.screen.splashActive = 0;
    game.screen.holeActive = 0;
    keepTitleMusicPlaying();
    playSound(Sound::putt);
    playSound("cup");
    stopSound(Sound::title);
    EXPECT_FALSE(soundPlaying(Sound::title));
    std::srand(7);
    startCourseMusic();
    const int afterMusic = std::rand();
    std::srand(7);
    std::rand();  // the track draw happens with or without a device
    EXPECT_EQ(afterMusic, std::rand());
    releaseSoundEntry(soundEntry(Sound::music));
    EXPECT_TRUE(played().empty());
}
