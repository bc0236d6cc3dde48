// Listen-free checks of the generated sounds and music: every file loads through
// ALUT into an OpenAL buffer, is plain 16-bit PCM, is audible (except silence.wav),
// never clips, starts and ends near zero, and runs for as long as its use needs.
#include <gtest/gtest.h>

#include <AL/al.h>
#include <AL/alut.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/game_run.h"

namespace fs = std::filesystem;

namespace {

constexpr double kAudibleFloor = 0.1;    // of full scale: the loudest sample reaches at least this
constexpr double kClipCeiling = 0.98;    // of full scale: no sample reaches this
constexpr double kEdgeLimit = 0.01;      // of full scale: the first and last frames stay below this
constexpr double kQuietEnding = 0.01;    // of full scale: RMS of a track's last tenth of a second
constexpr double kMaxAudioBytes = 40e6;  // Sounds/ and Music/ together

struct AudioRow {
    const char* file;
    double minSeconds, maxSeconds;
};

const AudioRow kFiles[] = {
    {"Sounds/putt.wav", 0.02, 1.5},        {"Sounds/ball.wav", 0.01, 1.0},
    {"Sounds/click.wav", 0.01, 0.5},       {"Sounds/cup.wav", 0.2, 2.0},
    {"Sounds/hardgrass.wav", 0.03, 1.0},   {"Sounds/softgrass.wav", 0.03, 1.0},
    {"Sounds/brickhard.wav", 0.05, 1.0},   {"Sounds/bricksoft.wav", 0.05, 1.0},
    {"Sounds/sand.wav", 0.05, 1.0},        {"Sounds/flag.wav", 0.2, 2.5},
    {"Sounds/metal.wav", 0.2, 2.5},        {"Sounds/hardpipes.wav", 0.1, 1.5},
    {"Sounds/softpipes.wav", 0.1, 1.5},    {"Sounds/watersplash.wav", 0.3, 2.0},
    {"Sounds/holeinone.wav", 1.0, 5.0},    {"Sounds/albatross.wav", 1.0, 5.0},
    {"Sounds/eagle.wav", 1.0, 5.0},        {"Sounds/birdie.wav", 1.0, 5.0},
    {"Sounds/par.wav", 1.0, 5.0},          {"Sounds/bogey.wav", 1.0, 5.0},
    {"Sounds/watervoice.wav", 1.0, 5.0},   {"Sounds/sagrunsounds.wav", 30, 60},
    {"Music/title.wav", 60, 120},          {"Music/music1.wav", 60, 120},
    {"Music/music2.wav", 60, 120},          {"Music/music3.wav", 60, 120},
    {"Music/cut.wav", 10, 40},
};

std::string contents(const std::string& relative)
{
    return std::string(TALLOWICK_RUN_DIR) + "/Contents/" + relative;
}

uint32_t readU32(const std::string& bytes, size_t at)
{
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = (value << 8) | uint8_t(bytes[at + size_t(i)]);
    return value;
}

struct LoadedWav {
    ALenum format = 0;
    std::vector<int16_t> samples;  // interleaved
    int channels = 0;
    ALsizei frequency = 0;
    bool bufferAccepted = false;
};

// Opens the null device once: alBufferData needs a context.
void openAudio()
{
    static bool opened = false;
    if (opened) return;
    setenv("ALSOFT_DRIVERS", "null", 1);
    ASSERT_EQ(alutInit(nullptr, nullptr), AL_TRUE) << alutGetErrorString(alutGetError());
    opened = true;
}

// ALUT's WAV loader is deprecated, but it is the one the game loads with.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
LoadedWav loadThroughAlut(const std::string& path)
{
    LoadedWav wav;
    std::string name = path;
    void* data = nullptr;
    ALsizei size = 0;
    ALboolean loop = AL_FALSE;
    alutLoadWAVFile(reinterpret_cast<ALbyte*>(name.data()), &wav.format, &data, &size, &wav.frequency, &loop);
    if (!data) return wav;
    wav.channels = wav.format == AL_FORMAT_STEREO16 ? 2 : wav.format == AL_FORMAT_MONO16 ? 1 : 0;
    wav.samples.resize(size_t(size) / 2);
    std::memcpy(wav.samples.data(), data, wav.samples.size() * 2);
    ALuint buffer = 0;
    alGetError();
    alGenBuffers(1, &buffer);
    alBufferData(buffer, wav.format, data, size, wav.frequency);
    wav.bufferAccepted = alGetError() == AL_NO_ERROR;
    alDeleteBuffers(1, &buffer);
    alutUnloadWAV(wav.format, data, size, wav.frequency);
    return wav;
}
#pragma GCC diagnostic pop

double fraction(int sample) { return std::fabs(double(sample)) / 32768.0; }

double peakOf(const std::vector<int16_t>& samples, size_t from, size_t to)
{
    double peak = 0;
    for (size_t i = from; i < to; ++i) peak = std::max(peak, fraction(samples[i]));
    return peak;
}

double rmsOf(const std::vector<int16_t>& samples, size_t from, size_t to)
{
    double sum = 0;
    for (size_t i = from; i < to; ++i) sum += fraction(samples[i]) * fraction(samples[i]);
    return to > from ? std::sqrt(sum / double(to - from)) : 0;
}

}  // namespace

TEST(AudioContent, EveryFileIsPlainSixteenBitPcmWithTheShortHeader)
{
    std::vector<std::string> files = {"Sounds/silence.wav"};
    for (const AudioRow& row : kFiles) files.push_back(row.file);
    for (const std::string& file : files) {
        const std::string bytes = readFile(contents(file));
        ASSERT_GT(bytes.size(), 44u) << file;
        EXPECT_EQ(bytes.substr(0, 4), "RIFF") << file;
        EXPECT_EQ(bytes.substr(8, 8), "WAVEfmt ") << file;
        EXPECT_EQ(readU32(bytes, 16), 16u) << file << ": fmt chunk size";
        EXPECT_EQ(readU32(bytes, 20) & 0xFFFF, 1u) << file << ": PCM";
        EXPECT_EQ(readU32(bytes, 32) >> 16, 16u) << file << ": bits per sample";
        EXPECT_EQ(bytes.substr(36, 4), "data") << file;
        EXPECT_EQ(readU32(bytes, 40), bytes.size() - 44) << file;
    }
}

TEST(AudioContent, EverySoundLoadsThroughAlutAndIsCleanAudibleAndOfItsLength)
{
    openAudio();
    for (const AudioRow& row : kFiles) {
        SCOPED_TRACE(row.file);
        const LoadedWav wav = loadThroughAlut(contents(row.file));
        ASSERT_GT(wav.channels, 0) << "not loaded as 16-bit mono or stereo";
        EXPECT_TRUE(wav.bufferAccepted);
        EXPECT_TRUE(wav.frequency == 22050 || wav.frequency == 44100) << wav.frequency;
        const size_t frames = wav.samples.size() / size_t(wav.channels);
        const double seconds = double(frames) / wav.frequency;
        EXPECT_GE(seconds, row.minSeconds);
        EXPECT_LE(seconds, row.maxSeconds);
        const double peak = peakOf(wav.samples, 0, wav.samples.size());
        EXPECT_GE(peak, kAudibleFloor) << "too quiet";
        EXPECT_LT(peak, kClipCeiling) << "clips";
        const size_t edge = size_t(wav.channels);
        EXPECT_LT(peakOf(wav.samples, 0, edge), kEdgeLimit) << "clicks as it starts";
        EXPECT_LT(peakOf(wav.samples, wav.samples.size() - edge, wav.samples.size()), kEdgeLimit)
            << "clicks as it ends";
    }
}

TEST(AudioContent, MusicDiesAwayBeforeItRestarts)
{
    openAudio();
    for (const char* file : {"Music/title.wav", "Music/cut.wav", "Music/music1.wav", "Music/music2.wav",
                             "Music/music3.wav"}) {
        const LoadedWav wav = loadThroughAlut(contents(file));
        ASSERT_EQ(wav.channels, 2) << file;
        const size_t tenth = size_t(wav.frequency / 10) * 2;
        ASSERT_GT(wav.samples.size(), tenth) << file;
        EXPECT_LT(rmsOf(wav.samples, wav.samples.size() - tenth, wav.samples.size()), kQuietEnding) << file;
    }
}

TEST(AudioContent, SilenceIsSilentAndEverythingFitsTheBudget)
{
    openAudio();
    const LoadedWav silence = loadThroughAlut(contents("Sounds/silence.wav"));
    ASSERT_GT(silence.samples.size(), 0u);
    EXPECT_TRUE(silence.bufferAccepted);
    EXPECT_EQ(peakOf(silence.samples, 0, silence.samples.size()), 0.0);
    double bytes = 0;
    for (const char* folder : {"Sounds", "Music"})
        for (const auto& file : fs::directory_iterator(contents(folder))) bytes += double(file.file_size());
    EXPECT_LT(bytes, kMaxAudioBytes);
}
