// The impact and menu sounds: modal synthesis (struck resonances plus a noise
// transient), 44.1 kHz mono. Each sound has its own fixed seed.
#include <cmath>
#include <functional>
#include <string>

#include "content/audio/dsp.h"
#include "content/audio/wav.h"
#include "content/output.h"
#include "content/registry.h"

namespace {

constexpr double kRate = 44100;     // Hz
constexpr double kFadeIn = 0.0006;  // s: short enough to keep a tap crisp, long enough to start at zero
constexpr double kFadeOut = 0.005;  // s: the tail is already 70 dB down
constexpr double kPi = 3.14159265358979323846;

// A noise transient band-limited between two corners (Hz).
Signal strike(Random& random, double attack, double decay, double low, double high)
{
    Signal click = noiseBurst(kRate, attack, decay, random);
    filter(click, Biquad::highpass(kRate, low));
    filter(click, Biquad::lowpass(kRate, high));
    return click;
}

// A bubble or a bird: a sine gliding from f0 to f1 (Hz) over `glide` seconds, decaying in `decay`.
void addChirp(Signal& out, double rate, size_t start, double f0, double f1, double glide, double decay, double amplitude)
{
    const size_t length = samplesFor(decay, rate), attack = samplesFor(0.002, rate);
    if (out.size() < start + length) out.resize(start + length, 0.0f);
    double phase = 0;
    for (size_t i = 0; i < length; ++i) {
        const double t = double(i) / rate;
        const double f = f0 * std::pow(f1 / f0, std::min(1.0, t / glide));
        phase += 2 * kPi * f / rate;
        const double envelope = (i < attack ? double(i) / double(attack) : 1.0) * std::exp(-6.9 * t / decay);
        out[start + i] += float(amplitude * envelope * std::sin(phase));
    }
}

Signal makePutt(Random& random)
{
    Signal out(samplesFor(0.28, kRate), 0.0f);
    addAt(out, strike(random, 0.0002, 0.007, 1500, 12000), 0, 0.9f);
    addModes(out, kRate, 0, {{430, 0.22, 0.035}, {1920, 0.5, 0.03}, {3310, 0.4, 0.022},
                             {5240, 0.3, 0.014}, {7420, 0.18, 0.009}, {2630, 0.06, 0.16}}, random);
    return out;
}

Signal makeBallClick(Random& random)
{
    Signal out(samplesFor(0.12, kRate), 0.0f);
    addAt(out, strike(random, 0.0001, 0.004, 3000, 14000), 0, 0.8f);
    addModes(out, kRate, 0, {{3120, 0.5, 0.016}, {4630, 0.4, 0.011}, {6810, 0.3, 0.008}, {9520, 0.15, 0.005}},
             random);
    return out;
}

Signal makeMenuClick(Random& random)
{
    Signal out(samplesFor(0.07, kRate), 0.0f);
    Signal tick = strike(random, 0.0001, 0.003, 1200, 6000);
    filter(tick, Biquad::bandpass(kRate, 2500, 1.5));
    addAt(out, tick, 0, 2.0f);
    addModes(out, kRate, 0, {{1210, 0.35, 0.014}, {2240, 0.25, 0.009}, {3900, 0.1, 0.005}}, random);
    return out;
}

// The ball drops in, bounces a few times with shrinking gaps and settles with a short rattle.
Signal makeCup(Random& random)
{
    Signal out(samplesFor(0.9, kRate), 0.0f);
    double time = 0, gap = 0.105, level = 1.0;
    while (level > 0.04) {
        const double detune = random.range(0.98, 1.02);
        const size_t at = samplesFor(time, kRate);
        addAt(out, strike(random, 0.0002, 0.005, 800, 9000), at, float(0.5 * level));
        addModes(out, kRate, at, {{185 * detune, 0.25 * level, 0.05}, {640 * detune, 0.5 * level, 0.07},
                                  {1160 * detune, 0.4 * level, 0.05}, {1990 * detune, 0.3 * level, 0.04},
                                  {3120 * detune, 0.18 * level, 0.025}}, random);
        time += gap;
        gap *= 0.7;
        level *= 0.62;
    }
    for (int i = 0; i < 14; ++i) {  // the rattle as the ball settles
        time += random.range(0.008, 0.016);
        const double rattle = 0.08 * std::exp(-double(i) / 5.0);
        addModes(out, kRate, samplesFor(time, kRate), {{1160 * random.range(0.97, 1.03), rattle, 0.02},
                                                        {1990 * random.range(0.97, 1.03), rattle * 0.7, 0.015}},
                 random);
    }
    return out;
}

Signal makeGrass(Random& random, bool hard)
{
    Signal out(samplesFor(hard ? 0.35 : 0.25, kRate), 0.0f);
    addModes(out, kRate, 0, {{92, 0.7, hard ? 0.09 : 0.06}, {158, 0.4, hard ? 0.06 : 0.04}}, random);
    Signal thump = noiseBurst(kRate, 0.001, hard ? 0.06 : 0.045, random);
    filter(thump, Biquad::lowpass(kRate, hard ? 1200 : 650));
    addAt(out, thump, 0, hard ? 1.0f : 0.8f);
    Signal rustle = noiseBurst(kRate, 0.002, hard ? 0.09 : 0.05, random);
    filter(rustle, Biquad::bandpass(kRate, 3000, 0.8));
    addAt(out, rustle, 0, hard ? 0.35f : 0.12f);
    return out;
}

Signal makeBrick(Random& random, bool hard)
{
    Signal out(samplesFor(0.3, kRate), 0.0f);
    addAt(out, strike(random, 0.0002, hard ? 0.006 : 0.004, 900, hard ? 10000 : 3500), 0, hard ? 0.8f : 0.4f);
    addModes(out, kRate, 0, {{240, 0.35, 0.045}, {780, 0.5, 0.03}, {1350, 0.4, 0.022},
                             {2150, hard ? 0.3 : 0.1, 0.015}, {3400, hard ? 0.18 : 0.03, 0.01}}, random);
    if (!hard) filter(out, Biquad::lowpass(kRate, 2200));
    addRoom(out, kRate, 0.18, 0.5, 0.12f);
    return out;
}

// Grains of sand crunching under the ball over a dull thump.
Signal makeSand(Random& random)
{
    Signal out(samplesFor(0.35, kRate), 0.0f);
    Signal grains(out.size(), 0.0f);
    for (int i = 0; i < 420; ++i) {
        const double t = 0.2 * std::pow(random.uniform(), 1.8);
        const size_t at = samplesFor(t, kRate);
        const float level = float(std::exp(-t / 0.08) * random.range(0.3, 1.0));
        for (int k = 0; k < 3; ++k) grains[at + size_t(k)] += random.bipolar() * level;
    }
    filter(grains, Biquad::bandpass(kRate, 2300, 0.7));
    filter(grains, Biquad::lowpass(kRate, 3500));
    filter(grains, Biquad::lowpass(kRate, 3500));
    addAt(out, grains, 0, 1.0f);
    Signal thump = noiseBurst(kRate, 0.002, 0.07, random);
    filter(thump, Biquad::lowpass(kRate, 400));
    addAt(out, thump, 0, 0.9f);
    return out;
}

// A thin steel pole: the modes of a free bar (1, 2.756, 5.404, 8.933), each as a slowly beating pair.
Signal makeFlag(Random& random)
{
    Signal out(samplesFor(1.4, kRate), 0.0f);
    addAt(out, strike(random, 0.0001, 0.003, 2500, 14000), 0, 0.4f);
    const double base = 1460;
    const Mode modes[] = {{1.0, 0.5, 1.3}, {2.756, 0.35, 0.85}, {5.404, 0.2, 0.5}, {8.933, 0.1, 0.3}};
    for (const Mode& m : modes)
        addModes(out, kRate, 0, {{base * m.frequency, m.amplitude, m.decay},
                                 {base * m.frequency + 1.7, m.amplitude * 0.6, m.decay}}, random);
    return out;
}

// Sheet metal: a dense spread of inharmonic modes with a low wobble.
Signal makeMetal(Random& random)
{
    Signal out(samplesFor(1.6, kRate), 0.0f);
    addAt(out, strike(random, 0.0002, 0.01, 800, 12000), 0, 0.6f);
    std::vector<Mode> modes = {{118, 0.25, 1.2}, {171, 0.2, 1.0}};
    for (int i = 0; i < 26; ++i) {
        const double f = 240 * std::pow(2.0, random.range(0, 4.6));
        modes.push_back({f, random.range(0.05, 0.16) * std::sqrt(600 / f), random.range(0.35, 1.3)});
    }
    addModes(out, kRate, 0, modes, random);
    return out;
}

// A large hollow pipe: the air column's harmonics plus the shell's ring.
Signal makePipe(Random& random, bool hard)
{
    Signal out(samplesFor(0.7, kRate), 0.0f);
    addAt(out, strike(random, 0.0003, 0.006, 400, hard ? 8000 : 2500), 0, hard ? 0.6f : 0.3f);
    const double air = 168;
    std::vector<Mode> modes;
    for (int h = 1; h <= 5; ++h) modes.push_back({air * h * random.range(0.995, 1.005), 0.5 / h, 0.3 - 0.03 * h});
    modes.push_back({910, hard ? 0.2 : 0.08, 0.18});
    modes.push_back({1460, hard ? 0.15 : 0.04, 0.14});
    modes.push_back({2330, hard ? 0.1 : 0.02, 0.1});
    addModes(out, kRate, 0, modes, random);
    if (!hard) filter(out, Biquad::lowpass(kRate, 1800));
    return out;
}

// The plop of the ball, a spray of water and droplets falling back with bubbles.
Signal makeSplash(Random& random)
{
    Signal out(samplesFor(1.1, kRate), 0.0f);
    addChirp(out, kRate, 0, 520, 1300, 0.05, 0.09, 0.6);
    Signal spray = noiseBurst(kRate, 0.004, 0.38, random);
    filter(spray, Biquad::highpass(kRate, 500));
    filter(spray, Biquad::bandpass(kRate, 2400, 0.6));
    addAt(out, spray, samplesFor(0.006, kRate), 0.9f);
    for (int i = 0; i < 28; ++i) {
        const double t = 0.03 + 0.62 * std::pow(random.uniform(), 1.3);
        const double f = random.range(1100, 3800);
        addChirp(out, kRate, samplesFor(t, kRate), f, f * random.range(1.3, 1.8), 0.02, random.range(0.015, 0.03),
                 0.25 * std::exp(-t / 0.35) * random.range(0.4, 1.0));
    }
    return out;
}

struct EffectRow {
    const char* file;
    std::function<Signal(Random&)> make;
    float peak;  // loudness in the game's mix
    uint64_t seed;
};

const EffectRow kEffects[] = {
    {"putt", makePutt, 0.9f, 11},
    {"ball", makeBallClick, 0.8f, 12},
    {"click", makeMenuClick, 0.7f, 13},
    {"cup", makeCup, 0.85f, 14},
    {"hardgrass", [](Random& r) { return makeGrass(r, true); }, 0.8f, 15},
    {"softgrass", [](Random& r) { return makeGrass(r, false); }, 0.45f, 16},
    {"brickhard", [](Random& r) { return makeBrick(r, true); }, 0.85f, 17},
    {"bricksoft", [](Random& r) { return makeBrick(r, false); }, 0.5f, 18},
    {"sand", makeSand, 0.65f, 19},
    {"flag", makeFlag, 0.7f, 20},
    {"metal", makeMetal, 0.8f, 21},
    {"hardpipes", [](Random& r) { return makePipe(r, true); }, 0.85f, 22},
    {"softpipes", [](Random& r) { return makePipe(r, false); }, 0.5f, 23},
    {"watersplash", makeSplash, 0.85f, 24},
};

void generateEffects(ContentOutput& output)
{
    for (const EffectRow& row : kEffects) {
        Random random(row.seed);
        Signal sound = row.make(random);
        trimTail(sound, 0.0003f, samplesFor(0.005, kRate));
        fadeEdges(sound, samplesFor(kFadeIn, kRate), samplesFor(kFadeOut, kRate));
        scaleTo(sound, row.peak);
        output.write(std::string("Sounds/") + row.file + ".wav", encodeWav(sound, 1, int(kRate)));
    }
    // What a switched-off entry plays: a tenth of a second of nothing.
    output.write("Sounds/silence.wav", encodeWav(Signal(samplesFor(0.1, kRate), 0.0f), 1, int(kRate)));
}

}  // namespace

REGISTER_GENERATOR(audio_effects, generateEffects);
