// Long sounds played from their files: the WAV reader, the chunks that run on from
// the end of a track to its start, and the bank's streamed entries on the null device.
#include <gtest/gtest.h>

#include <unistd.h>

#include <AL/al.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "app/game_state.h"
#include "presentation/audio.h"
#include "presentation/sound_bank.h"
#include "presentation/wav_stream.h"

namespace fs = std::filesystem;

namespace {

constexpr int kRate = 8000;  // small files: a chunk is 4000 frames

void put32(std::string& out, uint32_t v)
{
    for (int i = 0; i < 4; ++i) out += char((v >> (8 * i)) & 0xff);
}
void put16(std::string& out, uint16_t v)
{
    out += char(v & 0xff);
    out += char(v >> 8);
}

struct WavShape {
    int channels = 1;
    int bits = 16;
    uint16_t format = 1;
    std::string before;  // chunks written between "fmt " and "data"
};

// A WAV file whose 16-bit samples count 0, 1, 2, ... (each channel the same count).
std::string countingWav(const WavShape& shape, uint32_t frames)
{
    std::string data;
    for (uint32_t f = 0; f < frames; ++f)
        for (int c = 0; c < shape.channels; ++c) {
            if (shape.bits == 16) put16(data, uint16_t(f));
            else data += char(f & 0xff);
        }
    std::string out = "RIFF";
    put32(out, uint32_t(4 + 24 + shape.before.size() + 8 + data.size()));
    out += "WAVEfmt ";
    put32(out, 16);
    put16(out, shape.format);
    put16(out, uint16_t(shape.channels));
    put32(out, kRate);
    put32(out, uint32_t(kRate * shape.channels * shape.bits / 8));
    put16(out, uint16_t(shape.channels * shape.bits / 8));
    put16(out, uint16_t(shape.bits));
    out += shape.before + "data";
    put32(out, uint32_t(data.size()));
    return out + data;
}

class TempFile {
public:
    explicit TempFile(const std::string& bytes)
    {
        path_ = (fs::temp_directory_path() / ("tallowick-wav-" + std::to_string(getpid()) + "-" +
                                              std::to_string(counter_++) + ".wav")).string();
        std::ofstream(path_, std::ios::binary) << bytes;
    }
    ~TempFile() { fs::remove(path_); }
    const std::string& path() const { return path_; }

private:
    static inline int counter_ = 0;
    std::string path_;
};

std::vector<uint16_t> samples16(const std::vector<char>& bytes)
{
    std::vector<uint16_t> out;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2)
        out.push_back(uint16_t(uint8_t(bytes[i]) | uint8_t(bytes[i + 1]) << 8));
    return out;
}

}  // namespace

TEST(MusicStream, TheReaderFindsTheSamplesOfPlainPcmAndRefusesTheRest)
{
    std::string list = "LIST";
    put32(list, 3);
    list += "abc";
    list += '\0';  // an odd chunk is padded to an even length
    const struct {
        const char* what;
        WavShape shape;
        bool readable;
        int blockAlign;
    } rows[] = {
        {"mono 16", {1, 16, 1, ""}, true, 2},
        {"stereo 16 after a padded chunk", {2, 16, 1, list}, true, 4},
        {"mono 8", {1, 8, 1, ""}, true, 1},
        {"compressed", {1, 16, 2, ""}, false, 0},
        {"24 bits", {1, 24, 1, ""}, false, 0},
        {"six channels", {6, 16, 1, ""}, false, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const std::string bytes = countingWav(row.shape, 100);
        TempFile file(bytes);
        std::FILE* f = std::fopen(file.path().c_str(), "rb");
        ASSERT_NE(f, nullptr);
        WavLayout layout;
        EXPECT_EQ(readWavLayout(f, layout), row.readable);
        if (row.readable) {
            EXPECT_EQ(layout.blockAlign, row.blockAlign);
            EXPECT_EQ(layout.frequency, kRate);
            EXPECT_EQ(layout.dataBytes, 100u * uint32_t(row.blockAlign));
            EXPECT_EQ(layout.dataStart, long(bytes.size()) - long(layout.dataBytes));
        }
        std::fclose(f);
    }
    // Cut short: the data chunk claims more than the file holds; a header alone; not a WAV.
    const std::string whole = countingWav({2, 16, 1, ""}, 100);
    TempFile cut(whole.substr(0, whole.size() - 7));
    WavLayout layout;
    std::FILE* f = std::fopen(cut.path().c_str(), "rb");
    ASSERT_TRUE(readWavLayout(f, layout));
    EXPECT_EQ(layout.dataBytes, 98u * 4) << "whole frames of what is there";
    std::fclose(f);
    for (const std::string& bad : {whole.substr(0, 30), std::string("RIFF\0\0\0\0AVI LIST", 16), std::string()}) {
        TempFile file(bad);
        f = std::fopen(file.path().c_str(), "rb");
        EXPECT_FALSE(readWavLayout(f, layout)) << bad.size() << " bytes";
        std::fclose(f);
    }
}

TEST(MusicStream, ChunksRunOnFromTheLastSampleToTheFirstWithoutAGap)
{
    WavStream stream;
    {
        TempFile shortSound(countingWav({}, 4 * 4000));  // no more than the queue holds: kept whole
        EXPECT_FALSE(openWavStream(shortSound.path(), stream));
    }
    const uint32_t frames = 4 * 4000 + 1234;
    TempFile file(countingWav({2, 16, 1, ""}, frames));
    ASSERT_TRUE(openWavStream(file.path(), stream));
    EXPECT_EQ(stream.chunkBytes, 4000u * 4);
    std::vector<char> bytes;
    std::vector<uint16_t> heard;
    for (int chunk = 0; chunk < 12; ++chunk) {
        ASSERT_TRUE(readWavChunk(stream, bytes));
        EXPECT_EQ(bytes.size(), stream.chunkBytes);
        const std::vector<uint16_t> s = samples16(bytes);
        heard.insert(heard.end(), s.begin(), s.end());
    }
    for (size_t i = 0; i < heard.size(); i += 2) {
        ASSERT_EQ(heard[i], uint16_t((i / 2) % frames)) << "frame " << i / 2;
        ASSERT_EQ(heard[i + 1], heard[i]) << "the channels stay in step";
    }
    rewindWavStream(stream);
    ASSERT_TRUE(readWavChunk(stream, bytes));
    EXPECT_EQ(samples16(bytes).front(), 0);

    // The file cut short while it plays (in the middle of a frame): on from the first
    // sample again, whole frames; emptied altogether: nothing, and no endless loop.
    fs::resize_file(file.path(), fs::file_size(file.path()) - 4 * 3000 - 1);
    for (int chunk = 0; chunk < 4; ++chunk) {
        ASSERT_TRUE(readWavChunk(stream, bytes));
        const std::vector<uint16_t> s = samples16(bytes);
        for (size_t i = 0; i + 1 < s.size(); i += 2) ASSERT_EQ(s[i], s[i + 1]);
    }
    fs::resize_file(file.path(), 0);
    rewindWavStream(stream);  // what the reader had buffered goes too
    EXPECT_FALSE(readWavChunk(stream, bytes));
    EXPECT_TRUE(bytes.empty());
    closeWavStream(stream);
}

namespace {

ALint sourceInt(Sound sound, ALenum property)
{
    ALint value = -1;
    alGetSourcei(soundEntry(sound).source, property, &value);
    return value;
}

// Real time passes on the null device too: the main loop's passes, every 20 ms.
void passes(double seconds, bool refill)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (std::chrono::steady_clock::now() < end) {
        if (refill) refillSoundStreams();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

}  // namespace

TEST(MusicStream, TheCourseMusicPlaysFromAShortQueueAndOnPastItAsLongAsThePassesComeEvenLate)
{
    setenv("ALSOFT_DRIVERS", "null", 1);
    ASSERT_EQ(chdir(TALLOWICK_RUN_DIR "/Bin"), 0);
    startAudio();
    ASSERT_TRUE(audioAvailable());
    game.audioAvailable = true;
    game.options.soundEnabled = game.options.musicEnabled = 1;
    loadSoundBank();
    std::srand(1);
    startCourseMusic();
    const ALint queued = sourceInt(Sound::music, AL_BUFFERS_QUEUED);
    EXPECT_EQ(queued, kStreamBuffers);
    ALint chunk = 0;
    alGetBufferi(soundEntry(Sound::music).buffer, AL_SIZE, &chunk);
    EXPECT_LT(chunk * queued, 1 << 20) << "a few small buffers, not the whole track";
    EXPECT_EQ(sourceInt(Sound::music, AL_LOOPING), AL_FALSE) << "a queue is never set to loop";

    // Past what the queue holds at first, with the passes topping it up.
    passes(kStreamBuffers * kStreamChunkSeconds + 0.5, true);
    EXPECT_EQ(sourceInt(Sound::music, AL_SOURCE_STATE), AL_PLAYING);
    EXPECT_TRUE(soundPlaying(Sound::music));
    // A stall longer than the queue: the source runs dry, the game still counts the
    // music as playing (nothing restarts it from the top) and the next pass plays on.
    clearPlayedSounds();
    passes(kStreamBuffers * kStreamChunkSeconds + 0.5, false);
    EXPECT_TRUE(soundPlaying(Sound::music));
    refillSoundStreams();
    EXPECT_EQ(sourceInt(Sound::music, AL_SOURCE_STATE), AL_PLAYING);
    EXPECT_TRUE(playedSounds().empty());

    // Played again it starts from the top; stopped it stays stopped through the passes.
    passes(0.3, true);
    playSound(Sound::music);
    EXPECT_LT(sourceInt(Sound::music, AL_SAMPLE_OFFSET), 22050 / 4);
    EXPECT_EQ(sourceInt(Sound::music, AL_BUFFERS_QUEUED), kStreamBuffers);
    stopSound(Sound::music);
    passes(0.1, true);
    EXPECT_FALSE(soundPlaying(Sound::music));
    EXPECT_NE(sourceInt(Sound::music, AL_SOURCE_STATE), AL_PLAYING);

    // Reloaded for the next hole: the old queue and file go, nothing is left pending.
    startCourseMusic();
    EXPECT_TRUE(soundPlaying(Sound::music));
    EXPECT_EQ(alGetError(), AL_NO_ERROR);
    for (SoundEntry& entry : game.sounds.entries) releaseSoundEntry(entry);
    EXPECT_EQ(alGetError(), AL_NO_ERROR);
    game = GameState{};
}
