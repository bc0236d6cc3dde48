#include "content/audio/dsp.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDecayTo60dB = 6.907755;  // ln(1000)

}  // namespace

double Random::uniform()
{
    state_ ^= state_ >> 12;
    state_ ^= state_ << 25;
    state_ ^= state_ >> 27;
    return double((state_ * 0x2545F4914F6CDD1Dull) >> 11) / double(1ull << 53);
}

Biquad Biquad::lowpass(double rate, double frequency, double q)
{
    const double w = 2 * kPi * frequency / rate, c = std::cos(w), alpha = std::sin(w) / (2 * q);
    const double a0 = 1 + alpha;
    Biquad f;
    f.b0 = (1 - c) / 2 / a0;
    f.b1 = (1 - c) / a0;
    f.b2 = f.b0;
    f.a1 = -2 * c / a0;
    f.a2 = (1 - alpha) / a0;
    return f;
}

Biquad Biquad::highpass(double rate, double frequency, double q)
{
    const double w = 2 * kPi * frequency / rate, c = std::cos(w), alpha = std::sin(w) / (2 * q);
    const double a0 = 1 + alpha;
    Biquad f;
    f.b0 = (1 + c) / 2 / a0;
    f.b1 = -(1 + c) / a0;
    f.b2 = f.b0;
    f.a1 = -2 * c / a0;
    f.a2 = (1 - alpha) / a0;
    return f;
}

Biquad Biquad::bandpass(double rate, double frequency, double q)
{
    const double w = 2 * kPi * frequency / rate, c = std::cos(w), alpha = std::sin(w) / (2 * q);
    const double a0 = 1 + alpha;
    Biquad f;
    f.b0 = alpha / a0;
    f.b1 = 0;
    f.b2 = -alpha / a0;
    f.a1 = -2 * c / a0;
    f.a2 = (1 - alpha) / a0;
    return f;
}

float Biquad::process(float x)
{
    const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1;
    x1 = x;
    y2 = y1;
    y1 = y;
    return float(y);
}

void filter(Signal& signal, Biquad biquad)
{
    for (float& x : signal) x = biquad.process(x);
}

void addModes(Signal& out, double rate, size_t start, const std::vector<Mode>& modes, Random& random)
{
    for (const Mode& mode : modes) {
        if (mode.frequency >= rate * 0.45) continue;
        const double phase = random.range(0, 2 * kPi);
        const double step = 2 * kPi * mode.frequency / rate;
        const double fall = std::exp(-kDecayTo60dB / (mode.decay * rate));
        const size_t length = std::min(out.size() - std::min(out.size(), start), samplesFor(mode.decay, rate));
        // A rotating phasor keeps long modes cheap and exact enough.
        double re = std::cos(phase) * mode.amplitude, im = std::sin(phase) * mode.amplitude;
        const double cr = std::cos(step) * fall, ci = std::sin(step) * fall;
        for (size_t i = 0; i < length; ++i) {
            out[start + i] += float(im);
            const double nr = re * cr - im * ci;
            im = re * ci + im * cr;
            re = nr;
        }
    }
}

Signal whiteNoise(size_t length, Random& random)
{
    Signal out(length);
    for (float& x : out) x = random.bipolar();
    return out;
}

Signal noiseBurst(double rate, double attack, double decay, Random& random)
{
    const size_t attackSamples = std::max<size_t>(1, samplesFor(attack, rate));
    Signal out = whiteNoise(attackSamples + samplesFor(decay, rate), random);
    const double fall = std::exp(-kDecayTo60dB / (decay * rate));
    double level = 1;
    for (size_t i = 0; i < out.size(); ++i) {
        if (i < attackSamples) {
            out[i] *= float(0.5 - 0.5 * std::cos(kPi * double(i) / double(attackSamples)));
        } else {
            out[i] *= float(level);
            level *= fall;
        }
    }
    return out;
}

void addAt(Signal& out, const Signal& in, size_t start, float gain)
{
    if (out.size() < start + in.size()) out.resize(start + in.size(), 0.0f);
    for (size_t i = 0; i < in.size(); ++i) out[start + i] += in[i] * gain;
}

float peakOf(const Signal& signal)
{
    float peak = 0;
    for (float x : signal) peak = std::max(peak, std::fabs(x));
    return peak;
}

float rmsOf(const Signal& signal)
{
    double sum = 0;
    for (float x : signal) sum += double(x) * x;
    return signal.empty() ? 0.0f : float(std::sqrt(sum / double(signal.size())));
}

void scaleTo(Signal& signal, float peak)
{
    const float current = peakOf(signal);
    if (current <= 0) return;
    for (float& x : signal) x *= peak / current;
}

void fadeEdges(Signal& signal, size_t fadeIn, size_t fadeOut)
{
    fadeIn = std::min(fadeIn, signal.size());
    fadeOut = std::min(fadeOut, signal.size());
    for (size_t i = 0; i < fadeIn; ++i) signal[i] *= float(0.5 - 0.5 * std::cos(kPi * double(i) / double(fadeIn)));
    for (size_t i = 0; i < fadeOut; ++i)
        signal[signal.size() - 1 - i] *= float(0.5 - 0.5 * std::cos(kPi * double(i) / double(fadeOut)));
}

void trimTail(Signal& signal, float floor, size_t keep)
{
    const float threshold = peakOf(signal) * floor;
    size_t last = 0;
    for (size_t i = 0; i < signal.size(); ++i)
        if (std::fabs(signal[i]) > threshold) last = i;
    signal.resize(std::min(signal.size(), last + keep));
}

Signal resample(const Signal& signal, double fromRate, double toRate)
{
    const double step = fromRate / toRate;
    Signal out(size_t(double(signal.size()) / step));
    auto at = [&](long i) { return i < 0 || i >= long(signal.size()) ? 0.0f : signal[size_t(i)]; };
    for (size_t n = 0; n < out.size(); ++n) {
        const double position = double(n) * step;
        const long i = long(position);
        const float t = float(position - double(i));
        const float y0 = at(i - 1), y1 = at(i), y2 = at(i + 1), y3 = at(i + 2);
        // Catmull-Rom
        out[n] = y1 + 0.5f * t * (y2 - y0 + t * (2 * y0 - 5 * y1 + 4 * y2 - y3 + t * (3 * (y1 - y2) + y3 - y0)));
    }
    return out;
}

void addRoom(Signal& signal, double rate, double size, double damping, float mix)
{
    // Schroeder: four damped combs in parallel, then two all-passes.
    const double combTimes[] = {0.0297, 0.0371, 0.0411, 0.0437};
    const double allPassTimes[] = {0.005, 0.0017};
    Signal wet(signal.size() + samplesFor(size, rate), 0.0f);
    for (double time : combTimes) {
        const size_t delay = samplesFor(time, rate);
        const double feedback = std::pow(0.001, time / size);
        std::vector<float> line(delay, 0.0f);
        double low = 0;
        for (size_t i = 0; i < wet.size(); ++i) {
            const float in = i < signal.size() ? signal[i] : 0.0f;
            const float delayed = line[i % delay];
            low = delayed * (1 - damping) + low * damping;
            line[i % delay] = float(in + low * feedback);
            wet[i] += delayed * 0.25f;
        }
    }
    for (double time : allPassTimes) {
        const size_t delay = samplesFor(time, rate);
        std::vector<float> line(delay, 0.0f);
        for (size_t i = 0; i < wet.size(); ++i) {
            const float delayed = line[i % delay];
            const float in = wet[i];
            line[i % delay] = in + delayed * 0.5f;
            wet[i] = delayed - in * 0.5f;
        }
    }
    signal.resize(wet.size(), 0.0f);
    for (size_t i = 0; i < wet.size(); ++i) signal[i] += wet[i] * mix;
}

size_t samplesFor(double seconds, double rate) { return size_t(std::lround(std::max(0.0, seconds) * rate)); }
