#include "content/audio/wav.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr int kBitsPerSample = 16;
constexpr int kHeaderBytes = 44;

void putU32(std::vector<uint8_t>& out, size_t at, uint32_t value)
{
    for (int i = 0; i < 4; ++i) out[at + i] = uint8_t(value >> (8 * i));
}

void putU16(std::vector<uint8_t>& out, size_t at, uint16_t value)
{
    out[at] = uint8_t(value);
    out[at + 1] = uint8_t(value >> 8);
}

}  // namespace

std::vector<uint8_t> encodeWav(const std::vector<float>& samples, int channels, int sampleRate)
{
    const uint32_t dataBytes = uint32_t(samples.size() * 2);
    const uint16_t blockAlign = uint16_t(channels * kBitsPerSample / 8);
    std::vector<uint8_t> out(kHeaderBytes + dataBytes);
    std::memcpy(&out[0], "RIFF", 4);
    putU32(out, 4, 36 + dataBytes);
    std::memcpy(&out[8], "WAVEfmt ", 8);
    putU32(out, 16, 16);  // fmt chunk size
    putU16(out, 20, 1);   // PCM
    putU16(out, 22, uint16_t(channels));
    putU32(out, 24, uint32_t(sampleRate));
    putU32(out, 28, uint32_t(sampleRate) * blockAlign);
    putU16(out, 32, blockAlign);
    putU16(out, 34, kBitsPerSample);
    std::memcpy(&out[36], "data", 4);
    putU32(out, 40, dataBytes);
    for (size_t i = 0; i < samples.size(); ++i) {
        const float clamped = std::clamp(samples[i], -1.0f, 1.0f);
        putU16(out, kHeaderBytes + 2 * i, uint16_t(int16_t(std::lround(clamped * 32767.0f))));
    }
    return out;
}
