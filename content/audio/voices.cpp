// The result calls: espeak-ng speaks the word over a short musical sting
// rendered with FluidSynth. 22.05 kHz mono, espeak-ng's own rate.
#include <cmath>
#include <cstring>
#include <functional>
#include <stdexcept>
#include <string>

#include <espeak-ng/speak_lib.h>

#include "content/audio/dsp.h"
#include "content/audio/score.h"
#include "content/audio/synth.h"
#include "content/audio/wav.h"
#include "content/output.h"
#include "content/registry.h"

namespace {

constexpr int kVoiceRate = 22050;          // Hz: what espeak-ng speaks at
constexpr const char* kVoiceName = "en-us+m3";
constexpr int kSpeechRate = 150;           // words per minute: a touch slower than normal
constexpr int kSpeechPitch = 38;           // 0..100
constexpr int kSpeechRange = 85;           // 0..100: lively intonation
constexpr float kDuck = 0.4f;              // the sting's level under the voice
constexpr double kDuckRamp = 0.06;         // s
constexpr float kVoicePeak = 0.9f;
constexpr int kTrumpetCh = 0, kBrassCh = 1, kBanjoCh = 2, kDrumsCh = kDrumChannel, kTimpaniCh = 3, kOtherCh = 4, kCrowdCh = 5;

std::vector<short>* capture = nullptr;

int collectSpeech(short* samples, int count, espeak_EVENT*)
{
    if (samples && capture) capture->insert(capture->end(), samples, samples + count);
    return 0;
}

Signal speak(const std::string& text)
{
    static const int rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
    if (rate != kVoiceRate) throw std::runtime_error("espeak-ng is not available");
    espeak_SetSynthCallback(collectSpeech);
    if (espeak_SetVoiceByName(kVoiceName) != EE_OK) throw std::runtime_error("no espeak-ng voice " + std::string(kVoiceName));
    espeak_SetParameter(espeakRATE, kSpeechRate, 0);
    espeak_SetParameter(espeakPITCH, kSpeechPitch, 0);
    espeak_SetParameter(espeakRANGE, kSpeechRange, 0);
    std::vector<short> samples;
    capture = &samples;
    espeak_Synth(text.c_str(), text.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, nullptr);
    espeak_Synchronize();
    capture = nullptr;
    Signal voice(samples.size());
    for (size_t i = 0; i < samples.size(); ++i) voice[i] = float(samples[i]) / 32768.0f;
    trimTail(voice, 0.002f, samplesFor(0.02, kVoiceRate));
    filter(voice, Biquad::highpass(kVoiceRate, 90));
    scaleTo(voice, 1.0f);
    addRoom(voice, kVoiceRate, 0.5, 0.4, 0.1f);  // a wooden hall rather than a dry booth
    return voice;
}

Signal renderMono(const Score& score)
{
    const std::vector<float> stereo = renderScore(score, kVoiceRate, 1.2);
    Signal mono(stereo.size() / 2);
    for (size_t i = 0; i < mono.size(); ++i) mono[i] = 0.5f * (stereo[2 * i] + stereo[2 * i + 1]);
    return mono;
}

Score fanfareBand(double bpm)
{
    Score s;
    s.bpm = bpm;
    s.parts = {{kTrumpetCh, gm::kTrumpet, 110, 60, 50}, {kBrassCh, gm::kBrass, 96, 70, 50},
               {kBanjoCh, gm::kBanjo, 90, 84, 35},      {kTimpaniCh, gm::kTimpani, 110, 64, 40},
               {kOtherCh, gm::kFlute, 96, 50, 50},      {kDrumsCh, 0, 90, 64, 40},
               {kCrowdCh, gm::kApplause, 100, 64, 60}};
    return s;
}

// A rising fanfare that lands on a held chord at beat 1, where the voice comes in.
Score stingHoleInOne()
{
    Score s = fanfareBand(132);
    addMelody(s, kTrumpetCh, 0, "g4t b4t d5t g5h.", 112);
    for (int i = 0; i < 4; ++i) s.add(kTimpaniCh, 0.25 * i, 0.25, 43, 70 + 10 * i);
    const Chord chord = parseChords("G", 1, 4)[0];
    addChordHit(s, kBrassCh, chord, 4, 3, 104);
    addBanjoRoll(s, kBanjoCh, {Chord{1, 3, chord.root, chord.tones}}, 84);
    s.add(kTimpaniCh, 1, 1, 43, 120);
    s.add(kDrumsCh, 1, 2, gm::kCrash, 100);
    s.add(kCrowdCh, 1.5, 5, 60, 96);  // the gallery claps
    return s;
}

Score stingAlbatross()
{
    Score s = fanfareBand(124);
    addMelody(s, kTrumpetCh, 0, "c5t e5t g5t c6h.", 114);
    addMelody(s, kOtherCh, 0, "c6t e6t g6t c7h.", 80);
    for (int i = 0; i < 4; ++i) s.add(kTimpaniCh, 0.25 * i, 0.25, 43, 70 + 10 * i);
    const Chord chord = parseChords("C", 1, 4)[0];
    addChordHit(s, kBrassCh, chord, 4, 3, 108);
    s.add(kTimpaniCh, 1, 1, 48, 124);
    s.add(kDrumsCh, 1, 2, gm::kCrash, 110);
    s.add(kCrowdCh, 1.5, 5, 60, 100);
    return s;
}

Score stingEagle()
{
    Score s = fanfareBand(140);
    addMelody(s, kTrumpetCh, 0, "g4s c5s e5e g5h", 108);
    const Chord chord = parseChords("C", 1, 4)[0];
    addChordHit(s, kBrassCh, chord, 4, 2, 96);
    s.add(kTimpaniCh, 1, 1, 48, 110);
    s.add(kDrumsCh, 1, 1, gm::kCrash, 80);
    return s;
}

Score stingBirdie()
{
    Score s = fanfareBand(150);
    addMelody(s, kOtherCh, 0, "c6s d6s e6s g6s e6e g6q.", 100);
    const Chord chord = parseChords("C", 1, 4)[0];
    addChordHit(s, kBanjoCh, chord, 4, 2, 96);
    s.add(kDrumsCh, 0.5, 0.2, gm::kHighWoodBlock, 90);
    s.add(kDrumsCh, 1, 0.2, gm::kLowWoodBlock, 90);
    return s;
}

Score stingPar()
{
    Score s = fanfareBand(120);
    addMelody(s, kBanjoCh, 0, "g4e c5e e5h", 100);
    const Chord chord = parseChords("C", 1, 4)[0];
    addChordHit(s, kBanjoCh, chord, 4, 2, 84);
    s.add(kDrumsCh, 1, 0.2, gm::kSideStick, 80);
    return s;
}

// The sad trombone: three falling steps and a long wobbling fourth.
Score stingBogey()
{
    Score s;
    s.bpm = 112;
    s.parts = {{kTrumpetCh, gm::kTrombone, 116, 64, 50}, {kBrassCh, gm::kTuba, 96, 64, 40}};
    addMelody(s, kTrumpetCh, 0, "g3q f#3q f3q e3h", 104, 0, 0.95);
    addMelody(s, kBrassCh, 0, "g2q f#2q f2q e2h", 80, 0, 0.95);
    return s;
}

Score stingOutOfPlay()
{
    Score s;
    s.bpm = 120;
    s.parts = {{kTrumpetCh, gm::kTuba, 110, 64, 40}, {kBanjoCh, gm::kBanjo, 90, 80, 35}};
    addMelody(s, kTrumpetCh, 0, "c3e g2e c2q.", 100);
    addMelody(s, kBanjoCh, 0, "e4e b3e c3q.", 80);
    return s;
}

struct VoiceRow {
    const char* file;
    const char* words;
    std::function<Score()> sting;
    double voiceAtBeat;  // where the word comes in over the sting
};

const VoiceRow kVoices[] = {
    {"Sounds/holeinone.wav", "Hole in one!", stingHoleInOne, 1},
    {"Sounds/albatross.wav", "Albatross!", stingAlbatross, 1},
    {"Sounds/eagle.wav", "Eagle!", stingEagle, 1},
    {"Sounds/birdie.wav", "Birdie!", stingBirdie, 1},
    {"Sounds/par.wav", "Par!", stingPar, 1},
    {"Sounds/bogey.wav", "Bogey!", stingBogey, 3},
    // Played for every penalty stroke and for the stroke limit: a line that fits them all.
    {"Sounds/watervoice.wav", "Tough luck, partner!", stingOutOfPlay, 0.5},
};

Signal mixCall(const VoiceRow& row)
{
    const Score score = row.sting();
    Signal sting = renderMono(score);
    scaleTo(sting, 0.75f);
    const Signal voice = speak(row.words);
    const size_t voiceStart = samplesFor(score.secondsAt(row.voiceAtBeat), kVoiceRate);
    const size_t ramp = samplesFor(kDuckRamp, kVoiceRate);
    for (size_t i = 0; i < sting.size(); ++i) {  // duck the sting while the voice speaks
        const double into = double(i) - double(voiceStart), after = into - double(voice.size());
        double duck = 1;
        if (into > -double(ramp) && after < double(ramp)) {
            const double edge = std::min(into + double(ramp), double(ramp) - after) / double(ramp);
            duck = 1 - (1 - kDuck) * std::min(1.0, edge);
        }
        sting[i] *= float(duck);
    }
    Signal call = sting;
    addAt(call, voice, voiceStart, 1.0f);
    trimTail(call, 0.001f, samplesFor(0.02, kVoiceRate));
    fadeEdges(call, samplesFor(0.003, kVoiceRate), samplesFor(0.08, kVoiceRate));
    scaleTo(call, kVoicePeak);
    return call;
}

void generateVoices(ContentOutput& output)
{
    for (const VoiceRow& row : kVoices) output.write(row.file, encodeWav(mixCall(row), 1, kVoiceRate));
}

}  // namespace

REGISTER_GENERATOR(audio_voices, generateVoices);
