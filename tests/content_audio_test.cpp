// The audio writers of the content tool: the WAV writer read back by ALUT, and
// the note notation the tunes are written in.
#include <gtest/gtest.h>

#include <AL/al.h>
#include <AL/alut.h>

#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "content/audio/score.h"
#include "content/audio/wav.h"

// ALUT's WAV loader is deprecated, but it is the one the game loads with.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

TEST(ContentAudio, WavWriterOutputReadsBackThroughAlutSampleForSample)
{
    struct Row { int channels, rate; ALenum format; };
    const Row rows[] = {{1, 44100, AL_FORMAT_MONO16}, {2, 22050, AL_FORMAT_STEREO16}};
    const std::vector<float> samples = {0.0f, 0.5f, -0.5f, 1.0f, -1.0f, 1.7f, -2.0f, 0.25f};
    const std::vector<int16_t> expected = {0, 16384, -16384, 32767, -32767, 32767, -32767, 8192};
    for (const Row& row : rows) {
        const std::vector<uint8_t> bytes = encodeWav(samples, row.channels, row.rate);
        ASSERT_EQ(bytes.size(), 44 + samples.size() * 2);
        std::string path = testing::TempDir() + "content_audio_test.wav";
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                    std::streamsize(bytes.size()));
        ALenum format = 0;
        void* data = nullptr;
        ALsizei size = 0, frequency = 0;
        ALboolean loop = AL_TRUE;
        alutLoadWAVFile(reinterpret_cast<ALbyte*>(path.data()), &format, &data, &size, &frequency, &loop);
        ASSERT_NE(data, nullptr) << row.channels;
        EXPECT_EQ(format, row.format);
        EXPECT_EQ(frequency, row.rate);
        EXPECT_EQ(loop, AL_FALSE);
        ASSERT_EQ(size, ALsizei(expected.size() * 2));
        const auto* loaded = static_cast<const int16_t*>(data);
        EXPECT_EQ(std::vector<int16_t>(loaded, loaded + expected.size()), expected);
        alutUnloadWAV(format, data, size, frequency);
        std::remove(path.c_str());
    }
}

TEST(ContentAudio, PitchNamesReadAsMidiKeysWithSharpsAndFlats)
{
    const std::pair<const char*, int> rows[] = {{"c4", 60}, {"a4", 69}, {"b4", 71}, {"bb4", 70}, {"f#3", 54},
                                                {"eb5", 75}, {"c#6", 85}, {"e2", 40}, {"b0", 23}};
    for (const auto& [name, key] : rows) EXPECT_EQ(parsePitch(name), key) << name;
    for (const char* bad : {"h4", "c", "#4", "cb"}) EXPECT_THROW(parsePitch(bad), std::runtime_error) << bad;
}

TEST(ContentAudio, MelodyDurationsAddUpAndAMisFilledBarIsRefused)
{
    struct Row { const char* line; double end; size_t notes; };
    const Row rows[] = {
        {"c4q d4 e4h", 4, 3},                // a note without a duration keeps the previous one
        {"c4q. d4e rh | e4h rh", 8, 3},      // dotted quarter, rests
        {"c5t d5t e5t f5h.", 4, 4},          // triplet eighths
        {"g4e a4e b4q c5h | d5w | e5q", 9, 6},  // the last bar may be short
    };
    for (const Row& row : rows) {
        Score score;
        EXPECT_DOUBLE_EQ(addMelody(score, 0, 0, row.line, 90), row.end) << row.line;
        EXPECT_EQ(score.notes.size(), row.notes) << row.line;
    }
    Score score;
    addMelody(score, 2, 8, "f#4e g4s.", 80, 12);
    ASSERT_EQ(score.notes.size(), 2u);
    EXPECT_EQ(score.notes[0].key, 66 + 12);
    EXPECT_DOUBLE_EQ(score.notes[1].beat, 8.5);
    EXPECT_EQ(score.notes[1].channel, 2);
    EXPECT_THROW(addMelody(score, 0, 0, "c4q d4q e4q f4q | g4q a4q b4q | c5w", 90), std::runtime_error);
}

TEST(ContentAudio, ChordSymbolsShareTheirBarAndCarryTheirTones)
{
    const std::vector<Chord> chords = parseChords("G | C D7 | Em | Bb F#m7", 8, 4);
    struct Row { double beat, length; int root; std::vector<int> tones; };
    const Row rows[] = {{8, 4, 43, {0, 4, 7}},  {12, 2, 36, {0, 4, 7}},     {14, 2, 38, {0, 4, 7, 10}},
                        {16, 4, 40, {0, 3, 7}}, {20, 2, 46, {0, 4, 7}},     {22, 2, 42, {0, 3, 7, 10}}};
    ASSERT_EQ(chords.size(), std::size(rows));
    for (size_t i = 0; i < chords.size(); ++i) {
        EXPECT_DOUBLE_EQ(chords[i].beat, rows[i].beat) << i;
        EXPECT_DOUBLE_EQ(chords[i].length, rows[i].length) << i;
        EXPECT_EQ(chords[i].root, rows[i].root) << i;
        EXPECT_EQ(chords[i].tones, rows[i].tones) << i;
    }
    EXPECT_THROW(parseChords("Gx", 0, 4), std::runtime_error);
}

TEST(ContentAudio, BeatsBecomeSecondsThroughTempoChangesAndSwing)
{
    Score score;
    score.bpm = 120;
    score.tempoChanges = {{8, 60}};
    struct Row { double beat, seconds; };
    for (const Row& row : {Row{0, 0}, Row{4, 2}, Row{8, 4}, Row{10, 6}})
        EXPECT_DOUBLE_EQ(score.secondsAt(row.beat), row.seconds) << row.beat;
    score.tempoChanges.clear();
    score.swing = true;  // the off-beat eighth moves two thirds into the beat
    for (const Row& row : {Row{0, 0}, Row{0.5, 1.0 / 3.0}, Row{1, 0.5}, Row{2.5, 1 + 1.0 / 3.0}})
        EXPECT_NEAR(score.secondsAt(row.beat), row.seconds, 1e-12) << row.beat;
}
