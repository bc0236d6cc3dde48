// Long sounds played from their file a few chunks at a time, looping without a gap:
// the music tracks and the town's ambient loop would otherwise sit whole in OpenAL
// buffers (half a minute of audio each). The source plays a queue of small buffers
// that the main loop tops up from the file once a pass.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// The samples of a plain PCM WAV file (8 or 16 bits, mono or stereo).
struct WavLayout {
    int channels = 0;
    int bitsPerSample = 0;
    int frequency = 0;
    int blockAlign = 0;      // bytes of one sample frame, all channels
    long dataStart = 0;      // file offset of the first sample
    uint32_t dataBytes = 0;  // whole frames only, never past the end of the file
};

// Reads the RIFF header and chunk list of an open file; false for anything but
// plain PCM of 8 or 16 bits in one or two channels, or a file cut short.
bool readWavLayout(std::FILE* file, WavLayout& layout);

constexpr int kStreamBuffers = 4;      // buffers in a stream's queue
constexpr double kStreamChunkSeconds = 0.5;  // audio in one buffer: the queue covers 2 s of main-loop stall

// One streamed sound: its file, its place in the samples and its OpenAL buffers.
struct WavStream {
    std::FILE* file = nullptr;
    WavLayout layout;
    uint32_t position = 0;    // next byte of the samples to queue
    uint32_t chunkBytes = 0;  // bytes of one buffer
    uint32_t buffers[kStreamBuffers] = {};
    bool active = false;      // started and not stopped since
};

// True when the file at `path` is worth streaming: plain PCM holding more than the
// queue would. Fills `stream` (file open, buffers not yet made) when it is.
bool openWavStream(const std::string& path, WavStream& stream);
// The next chunk of samples, running on from the end of the data to its start
// without a gap; false when the file yields nothing (then `bytes` is empty).
bool readWavChunk(WavStream& stream, std::vector<char>& bytes);
// Back to the first sample.
void rewindWavStream(WavStream& stream);
void closeWavStream(WavStream& stream);
