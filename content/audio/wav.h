// 16-bit PCM WAV files with the plain 44-byte header (fmt size 16, format 1):
// the only layout ALUT's loader accepts.
#pragma once

#include <cstdint>
#include <vector>

// Interleaved float samples in -1..1 (clamped), rounded to 16 bits.
std::vector<uint8_t> encodeWav(const std::vector<float>& samples, int channels, int sampleRate);
