// The town's ambient loop (sagrunsounds): wind over the rooftops, a creaking
// windmill, a distant horse, a blacksmith far off and birds. Built as a circle
// so that its end runs straight into its start, then cut at a zero crossing.
#include <algorithm>
#include <cmath>
#include <iterator>

#include "content/audio/dsp.h"
#include "content/audio/wav.h"
#include "content/output.h"
#include "content/registry.h"

namespace {

constexpr double kRate = 22050;        // Hz
constexpr double kLoop = 40.0;         // s
constexpr double kCrossfade = 2.0;     // s: the wind's end blends into its start
constexpr float kAmbientPeak = 0.55f;  // the loop sits under the game's effects
constexpr double kPi = 3.14159265358979323846;
constexpr double kCreakPeriod = kLoop / 7;  // s between two groans of the windmill
// Loudness of the wind's layers (RMS) and peaks of the events, before the loop is scaled.
constexpr float kRumble = 0.025f, kWhoosh = 0.03f, kWhistle = 0.008f;
constexpr float kCreak = 0.3f, kCreakBack = 0.2f, kHoofFar = 0.06f, kHoofNear = 0.2f;
constexpr float kWhinny = 0.12f, kAnvil = 0.06f, kBird = 0.12f;

// A sum of sines whose periods divide the loop, so the gusts repeat seamlessly.
double gust(double t, double phase)
{
    const double x = 2 * kPi * t / kLoop;
    return 0.55 + 0.22 * std::sin(3 * x + phase) + 0.14 * std::sin(7 * x + 2 * phase) + 0.08 * std::sin(13 * x);
}

// Moves a running filter to new coefficients without losing its state.
void retune(Biquad& filter, Biquad next)
{
    next.x1 = filter.x1, next.x2 = filter.x2, next.y1 = filter.y1, next.y2 = filter.y2;
    filter = next;
}

// Three layers, each brought to its own loudness: a low buffeting rumble, the
// broad whoosh of air over the roofs and a thin whistle, all following the gusts.
Signal makeWind(Random& random, size_t length)
{
    const size_t total = length + samplesFor(kCrossfade, kRate);
    Signal rumble(total), whoosh(total), whistle(total);
    Biquad low = Biquad::lowpass(kRate, 260), broad, thin;
    Biquad dark1 = Biquad::lowpass(kRate, 1400), dark2 = Biquad::lowpass(kRate, 1400);
    double brown = 0;
    for (size_t i = 0; i < total; ++i) {
        const double t = double(i) / kRate, level = gust(t, 0.4);
        if (i % 64 == 0) {  // the air's pitch follows the gusts
            retune(broad, Biquad::bandpass(kRate, 380 + 420 * gust(t, 2.1), 0.8));
            retune(thin, Biquad::bandpass(kRate, 520 + 520 * gust(t, 1.3), 5));
        }
        const float white = random.bipolar();
        brown = brown * 0.995 + white * 0.05;
        rumble[i] = float(low.process(float(brown)) * level);
        whoosh[i] = float(dark2.process(dark1.process(broad.process(white))) * level);
        whistle[i] = float(thin.process(white) * level * level);
    }
    Signal wind(total, 0.0f);
    addAt(wind, rumble, 0, kRumble / rmsOf(rumble));
    addAt(wind, whoosh, 0, kWhoosh / rmsOf(whoosh));
    addAt(wind, whistle, 0, kWhistle / rmsOf(whistle));
    const size_t fade = total - length;
    for (size_t i = 0; i < fade; ++i) {  // equal-power blend of the overhang into the start
        const double a = double(i) / double(fade);
        wind[i] = float(wind[i] * std::sin(a * kPi / 2) + wind[length + i] * std::cos(a * kPi / 2));
    }
    wind.resize(length);
    return wind;
}

// Adds `sound` at `start`, wrapping past the end back to the start of the loop.
void addLooped(Signal& loop, const Signal& sound, size_t start, float gain)
{
    for (size_t i = 0; i < sound.size(); ++i) loop[(start + i) % loop.size()] += sound[i] * gain;
}

// Wood sticking and slipping: a jittering pulse train through the resonances of a beam.
Signal makeCreak(Random& random, double seconds, double fromHz, double toHz)
{
    Signal pulses(samplesFor(seconds, kRate), 0.0f);
    double t = 0;
    while (t < seconds) {
        const double progress = t / seconds;
        const double envelope = std::sin(kPi * progress);
        pulses[samplesFor(t, kRate)] = float(envelope * random.range(0.6, 1.0));
        t += 1.0 / ((fromHz + (toHz - fromHz) * progress) * random.range(0.85, 1.15));
    }
    Signal creak(pulses.size(), 0.0f);
    // Resonances of the beam: Hz, Q, level. A band passes energy in proportion to its
    // width (Hz / Q), so each level is divided by it: the groan stays low, not a squeak.
    const double bodies[][3] = {{380, 6, 1.0}, {820, 8, 0.6}, {1650, 10, 0.25}};
    for (const auto& body : bodies) {
        Signal band = pulses;
        filter(band, Biquad::bandpass(kRate, body[0], body[1]));
        addAt(creak, band, 0, float(body[2] * body[1] / body[0] * 100));
    }
    filter(creak, Biquad::lowpass(kRate, 3000));
    scaleTo(creak, 1.0f);
    return creak;
}

Signal makeHoof(Random& random, bool high)
{
    Signal hoof(samplesFor(0.09, kRate), 0.0f);
    addModes(hoof, kRate, 0, {{high ? 520.0 : 380.0, 0.6, 0.05}, {high ? 1040.0 : 820.0, 0.3, 0.03}}, random);
    Signal dirt = noiseBurst(kRate, 0.001, 0.03, random);
    filter(dirt, Biquad::lowpass(kRate, 1800));
    addAt(hoof, dirt, 0, 0.5f);
    scaleTo(hoof, 1.0f);
    return hoof;
}

// A horse far off: a harmonic tone falling in pitch with a fast shake, through two formants.
Signal makeWhinny(double seconds)
{
    Signal voice(samplesFor(seconds, kRate), 0.0f);
    double phase = 0;
    for (size_t i = 0; i < voice.size(); ++i) {
        const double t = double(i) / kRate, progress = t / seconds;
        const double pitch = 980 - 520 * progress + 90 * std::sin(2 * kPi * 9 * t) * (0.4 + progress);
        phase += 2 * kPi * pitch / kRate;
        const double shake = 0.75 + 0.25 * std::sin(2 * kPi * 17 * t);
        const double envelope = std::min(1.0, t / 0.05) * std::pow(1 - progress, 0.7);
        double tone = 0;
        for (int h = 1; h <= 6; ++h) tone += std::sin(h * phase) / h;
        voice[i] = float(tone * shake * envelope);
    }
    Signal formants(voice.size(), 0.0f);
    for (const double f : {1050.0, 2400.0}) {
        Signal band = voice;
        filter(band, Biquad::bandpass(kRate, f, 3));
        addAt(formants, band, 0, 1.0f);
    }
    filter(formants, Biquad::lowpass(kRate, 2600));
    scaleTo(formants, 1.0f);
    return formants;
}

void addBirdPhrase(Signal& loop, Random& random, size_t start, int kind)
{
    auto chirp = [&](double at, double f0, double f1, double length, double level) {
        Signal c(samplesFor(length, kRate), 0.0f);
        double phase = 0;
        for (size_t i = 0; i < c.size(); ++i) {
            const double p = double(i) / double(c.size());
            phase += 2 * kPi * (f0 + (f1 - f0) * p) / kRate;
            c[i] = float(std::sin(phase) * std::sin(kPi * p) * level);
        }
        addLooped(loop, c, start + samplesFor(at, kRate), 1.0f);
    };
    if (kind == 0) {  // "tweet tweet tweet"
        const int count = 2 + random.below(3);
        for (int i = 0; i < count; ++i) chirp(0.17 * i, 4600, 3200, 0.08, kBird);
    } else if (kind == 1) {  // a quick trill
        for (int i = 0; i < 12; ++i) chirp(0.035 * i, 4800, 5400, 0.03, kBird * 0.7);
    } else {  // a two-note whistle, high then lower
        chirp(0.0, 3950, 3900, 0.32, kBird * 0.8);
        chirp(0.4, 3300, 3250, 0.34, kBird * 0.8);
    }
}

Signal makeTownLoop()
{
    Random random(31);
    const size_t length = samplesFor(kLoop, kRate);
    Signal loop = makeWind(random, length);

    for (int i = 0; i < 7; ++i) {  // the windmill groans on each turn, one stroke up and one down
        const size_t at = samplesFor(1.2 + i * kCreakPeriod, kRate);
        addLooped(loop, makeCreak(random, 0.7, 38, 72), at, kCreak);
        addLooped(loop, makeCreak(random, 0.5, 60, 42), at + samplesFor(0.95, kRate), kCreakBack);
    }
    for (int step = 0; step < 36; ++step) {  // a horse walks past along the street, far off
        const double t = 11.0 + step * 0.26 + (step % 2 ? 0.03 : 0.0);
        const double nearness = std::sin(kPi * step / 36.0);
        Signal hoof = makeHoof(random, step % 2 == 0);
        addLooped(loop, hoof, samplesFor(t, kRate), float(kHoofFar + (kHoofNear - kHoofFar) * nearness));
    }
    addLooped(loop, makeWhinny(1.1), samplesFor(27.5, kRate), kWhinny);
    for (double smithy : {6.0, 33.0}) {  // the blacksmith's hammer on the anvil
        for (int blow = 0; blow < 3; ++blow) {
            Signal clink(samplesFor(0.9, kRate), 0.0f);
            addModes(clink, kRate, 0, {{1130, 0.5, 0.8}, {2960, 0.3, 0.5}, {5480, 0.15, 0.3}}, random);
            filter(clink, Biquad::lowpass(kRate, 4000));
            scaleTo(clink, 1.0f);
            addLooped(loop, clink, samplesFor(smithy + blow * 0.62, kRate), kAnvil);
        }
    }
    const double birdTimes[] = {2.5, 4.8, 9.7, 14.2, 17.9, 21.3, 25.1, 30.4, 35.6, 38.2};
    for (size_t i = 0; i < std::size(birdTimes); ++i)
        addBirdPhrase(loop, random, samplesFor(birdTimes[i], kRate), int(i % 3));
    return loop;
}

// Starts the circle where the wind crosses zero, well away from any event.
void cutAtZeroCrossing(Signal& loop, double near)
{
    size_t at = samplesFor(near, kRate);
    while (at + 1 < loop.size() && !(loop[at] <= 0 && loop[at + 1] > 0)) ++at;
    std::rotate(loop.begin(), loop.begin() + long(at + 1), loop.end());
}

void generateAmbient(ContentOutput& output)
{
    Signal loop = makeTownLoop();
    scaleTo(loop, kAmbientPeak);
    cutAtZeroCrossing(loop, 39.5);
    fadeEdges(loop, samplesFor(0.003, kRate), samplesFor(0.003, kRate));
    output.write("Sounds/sagrunsounds.wav", encodeWav(loop, 1, int(kRate)));
}

}  // namespace

REGISTER_GENERATOR(audio_ambient, generateAmbient);
