#include "presentation/wav_stream.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr uint16_t kPcm = 1;
constexpr uint32_t kFmtBytes = 16;  // the PCM format chunk, without extensions

uint32_t le32(const unsigned char* p) { return p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24; }
uint16_t le16(const unsigned char* p) { return uint16_t(p[0] | p[1] << 8); }

long fileSize(std::FILE* file)
{
    const long here = std::ftell(file);
    if (here < 0 || std::fseek(file, 0, SEEK_END) != 0) return -1;
    const long size = std::ftell(file);
    return std::fseek(file, here, SEEK_SET) == 0 ? size : -1;
}

bool readFormat(std::FILE* file, uint32_t size, WavLayout& layout)
{
    unsigned char f[kFmtBytes];
    if (size < kFmtBytes || std::fread(f, 1, kFmtBytes, file) != kFmtBytes) return false;
    layout.channels = le16(f + 2);
    layout.frequency = int(le32(f + 4));
    layout.blockAlign = le16(f + 12);
    layout.bitsPerSample = le16(f + 14);
    return le16(f) == kPcm && (layout.channels == 1 || layout.channels == 2) &&
           (layout.bitsPerSample == 8 || layout.bitsPerSample == 16) && layout.frequency > 0 &&
           layout.blockAlign == layout.channels * layout.bitsPerSample / 8;
}

}  // namespace

bool readWavLayout(std::FILE* file, WavLayout& layout)
{
    layout = WavLayout{};
    const long size = fileSize(file);
    unsigned char riff[12];
    if (size < 0 || std::fseek(file, 0, SEEK_SET) != 0 || std::fread(riff, 1, 12, file) != 12) return false;
    if (std::memcmp(riff, "RIFF", 4) != 0 || std::memcmp(riff + 8, "WAVE", 4) != 0) return false;
    bool format = false;
    unsigned char head[8];
    while (std::fread(head, 1, 8, file) == 8) {
        const uint32_t chunk = le32(head + 4);
        const long start = std::ftell(file);
        if (std::memcmp(head, "fmt ", 4) == 0) {
            if (!readFormat(file, chunk, layout)) return false;
            format = true;
        } else if (std::memcmp(head, "data", 4) == 0) {
            if (!format) return false;
            const uint32_t inFile = uint32_t(std::min<long>(chunk, size - start));
            layout.dataStart = start;
            layout.dataBytes = inFile - inFile % uint32_t(layout.blockAlign);
            return layout.dataBytes > 0;
        }
        // Chunks are padded to an even length.
        if (std::fseek(file, start + long(chunk) + long(chunk & 1), SEEK_SET) != 0) return false;
    }
    return false;
}

bool openWavStream(const std::string& path, WavStream& stream)
{
    stream = WavStream{};
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    WavLayout layout;
    if (!readWavLayout(file, layout)) {
        std::fclose(file);
        return false;
    }
    const uint32_t frames = uint32_t(layout.frequency * kStreamChunkSeconds);
    const uint32_t chunk = std::max<uint32_t>(frames, 1) * uint32_t(layout.blockAlign);
    // A short sound fits in one buffer: the bank keeps it whole.
    if (layout.dataBytes <= uint32_t(kStreamBuffers) * chunk) {
        std::fclose(file);
        return false;
    }
    stream.file = file;
    stream.layout = layout;
    stream.chunkBytes = chunk;
    rewindWavStream(stream);
    return true;
}

bool readWavChunk(WavStream& stream, std::vector<char>& bytes)
{
    const size_t frame = size_t(std::max(stream.layout.blockAlign, 1));
    bytes.resize(stream.chunkBytes);
    size_t filled = 0;
    bool readSinceStart = stream.position > 0;
    while (stream.file && filled < bytes.size()) {
        const size_t want = std::min<size_t>(bytes.size() - filled, stream.layout.dataBytes - stream.position);
        const size_t got = std::fread(bytes.data() + filled, 1, want, stream.file);
        filled += got;
        stream.position += uint32_t(got);
        readSinceStart = readSinceStart || got > 0;
        if (got == want && stream.position < stream.layout.dataBytes) continue;  // the buffer is full
        // The end of the samples, or a file cut short since it was opened: on from the
        // first sample, whole frames only so that the channels stay in step.
        filled -= filled % frame;
        if (!readSinceStart) break;  // nothing at all to read: no endless loop
        rewindWavStream(stream);
        readSinceStart = false;
    }
    bytes.resize(filled);
    return !bytes.empty();
}

void rewindWavStream(WavStream& stream)
{
    stream.position = 0;
    if (stream.file) std::fseek(stream.file, stream.layout.dataStart, SEEK_SET);
}

void closeWavStream(WavStream& stream)
{
    if (stream.file) std::fclose(stream.file);
    stream.file = nullptr;
    stream.active = false;
}
