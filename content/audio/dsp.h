// Small signal toolkit for the generated sounds: a seeded random source,
// RBJ biquad filters, decaying resonant modes, mixing and edge fades.
// Signals are mono float vectors in -1..1 unless stated.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

using Signal = std::vector<float>;

// xorshift64*: the same seed gives the same sound on every machine.
class Random {
public:
    explicit Random(uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 1) {}
    double uniform();                                   // 0..1
    double range(double low, double high) { return low + (high - low) * uniform(); }
    float bipolar() { return float(2.0 * uniform() - 1.0); }
    int below(int count) { return int(uniform() * count) % count; }

private:
    uint64_t state_;
};

struct Biquad {
    double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;

    static Biquad lowpass(double rate, double frequency, double q = 0.7071);
    static Biquad highpass(double rate, double frequency, double q = 0.7071);
    static Biquad bandpass(double rate, double frequency, double q);  // 0 dB at the centre
    float process(float x);
};

void filter(Signal& signal, Biquad biquad);

// A struck resonance: frequency in Hz, amplitude, time in seconds to fall by 60 dB.
struct Mode {
    double frequency;
    double amplitude;
    double decay;
};
// Adds the modes to `out` starting at sample `start`, phases from `random`.
void addModes(Signal& out, double rate, size_t start, const std::vector<Mode>& modes, Random& random);

Signal whiteNoise(size_t length, Random& random);
// Noise shaped by an envelope of `attack` and an exponential `decay` (both seconds, to -60 dB).
Signal noiseBurst(double rate, double attack, double decay, Random& random);

void addAt(Signal& out, const Signal& in, size_t start, float gain = 1.0f);
float peakOf(const Signal& signal);
float rmsOf(const Signal& signal);
void scaleTo(Signal& signal, float peak);
// Raised-cosine fades at both ends, lengths in samples.
void fadeEdges(Signal& signal, size_t fadeIn, size_t fadeOut);
// Cuts the tail once it stays below `floor` (relative to the peak), keeping `keep` samples after.
void trimTail(Signal& signal, float floor, size_t keep);
// Band-limited enough for speech and stings: cubic interpolation to a new rate.
Signal resample(const Signal& signal, double fromRate, double toRate);
// A small Schroeder room: `size` is its decay time to -60 dB in seconds,
// `damping` 0..1 dulls the tail, `mix` is the wet level. Lengthens the signal by `size`.
void addRoom(Signal& signal, double rate, double size, double damping, float mix);

size_t samplesFor(double seconds, double rate);
