// The game's music, composed as note sequences and rendered with FluidSynth:
// the title theme, the fly-over cue and three course tunes in a frontier style
// (fiddle, banjo, harmonica, steel guitar, honky-tonk piano, upright bass).
// Stereo 22.05 kHz: the five tracks together stay near 30 MB.
#include <cmath>
#include <functional>
#include <string>

#include "content/audio/dsp.h"
#include "content/audio/score.h"
#include "content/audio/synth.h"
#include "content/audio/wav.h"
#include "content/output.h"
#include "content/registry.h"

namespace {

constexpr int kMusicRate = 22050;  // Hz
constexpr double kTail = 2.5;      // s after the last note for the ring and the room
constexpr float kMusicPeak = 0.8f; // the loudest sample of a track
// Loudness (RMS) each track is brought to, then held under the peak: the front end's
// title plays out, the course tunes sit under the putts and knocks of play.
constexpr float kTitleRms = 0.12f, kCutRms = 0.11f, kCourseRms = 0.09f;
constexpr double kEndFade = 0.4;   // s: the last moment of the tail fades to exactly zero

// Channels shared by the tunes.
constexpr int kLead = 0, kLead2 = 1, kBanjo = 2, kGuitar = 3, kBass = 4, kPiano = 5, kPad = 6, kPiano2 = 7;

// ---- Title: "Tallowick Main Street", G major, 116 bpm -------------------------------------------

const char* kTitleA1 =
    "d4e g4e b4q b4e a4e g4q | a4e b4e d5q d5h | e5q. d5e c5q e5q | d5q b4q g4h |"
    "d4e g4e b4q b4e a4e g4q | b4e c5e d5q e5q g5q | e5q. f#5e e5q c#5q | d5h c5q a4q";
const char* kTitleA2 =
    "d4e g4e b4q b4e a4e g4q | a4e b4e d5q d5h | e5q. d5e c5q e5q | d5q b4q g4h |"
    "e5q e5e f#5e g5q e5q | d5q b4e d5e g4h | a4q. b4e c5q f#4q | g4h. rq";
const char* kTitleB =
    "e5e e5e g5e e5e c5e e5e g5q | a5e g5e e5e c5e e5h | d5e d5e g5e d5e b4e d5e g5q | a5e g5e d5e b4e d5h |"
    "f#5e f#5e a5e f#5e d5e f#5e a5q | b5e a5e f#5e e5e d5h | g5q. f#5e e5e d5e b4e g4e | a4e b4e c5e d5e f#5q a5q";
const char* kTitleEnd = "d5e b4e g4e b4e d5q g5q | f#5q a5e f#5e g5h";

Score composeTitle()
{
    Score s;
    s.bpm = 116;
    s.parts = {{kLead, gm::kFiddle, 100, 50, 50},     {kLead2, gm::kHarmonica, 96, 78, 45},
               {kBanjo, gm::kBanjo, 92, 84, 30},      {kGuitar, gm::kSteelGuitar, 88, 40, 35},
               {kBass, gm::kAcousticBass, 98, 64, 20}, {kPiano, gm::kHonkyTonkPiano, 118, 70, 40},
               {kPiano2, gm::kHonkyTonkPiano, 90, 58, 40}, {kDrumChannel, 0, 104, 64, 30}};
    const double a1 = 8, a2 = 40, b = 72, a3 = 104, end = 136;
    const auto intro = parseChords("G | G D7", 0, 4);
    const auto chordsA1 = parseChords("G | G | C | G | G | Em | A7 | D7", a1, 4);
    const auto chordsA2 = parseChords("G | G | C | G | C | G | D7 | G", a2, 4);
    const auto chordsB = parseChords("C | C | G | G | D | D | G | D7", b, 4);
    const auto chordsA3 = parseChords("G | G | C | G | C | G | D7 | G", a3, 4);
    const auto tag = parseChords("G | D7 G", end, 4);

    for (const auto* chords : {&intro, &chordsA1, &chordsA2, &chordsB, &chordsA3}) {
        addBoomChickBass(s, kBass, *chords, 4, 92);
        addBanjoRoll(s, kBanjo, *chords, chords == &chordsB ? 58 : 66);
    }
    for (const auto* chords : {&chordsA1, &chordsA2, &chordsB, &chordsA3}) addStrum(s, kGuitar, *chords, 4, 78, false);
    for (const auto* chords : {&chordsA2, &chordsA3}) addStride(s, kPiano2, *chords, 4, 62);
    addTrot(s, 0, 10, 4, 70);
    addTrainBeat(s, a2, 24, 4, 58);

    addMelody(s, kLead, a1, kTitleA1, 96);
    addMelody(s, kLead2, a2, kTitleA2, 100);
    addMelody(s, kPiano, b, kTitleB, 112);
    addMelody(s, kLead, a3, kTitleA2, 100);
    addMelody(s, kLead2, a3, kTitleA2, 80);  // in unison: the octave below lies under a harmonica's range
    addMelody(s, kLead, end, kTitleEnd, 104);
    addMelody(s, kLead2, end, kTitleEnd, 84);
    addBoomChickBass(s, kBass, {tag[0]}, 4, 92);
    addStrum(s, kGuitar, {tag[0], tag[1]}, 4, 80, false);
    const Chord last = tag[2];
    addChordHit(s, kGuitar, last, 3, 4, 74);
    addChordHit(s, kBanjo, last, 4, 4, 68);
    addChordHit(s, kPiano2, last, 4, 4, 66);
    s.add(kBass, last.beat, 4, 43, 86);
    s.add(kDrumChannel, last.beat, 1, gm::kCrash, 54);
    s.add(kDrumChannel, last.beat, 1, gm::kKick, 76);
    humanize(s, 101, 0.02, 6);
    return s;
}

// ---- The fly-over: a lone whistling ocarina over tremolo strings, E minor, 88 bpm --------------------------

const char* kCutTheme =
    "b4q e5q g5q b5q | a5h g5q f#5q | e5h. rq | g5q e5q c5q e5q | a5h. c6q | b5q a5q e5h | f#5h. a5q | b5w";

// Guitar eighths across the chord: root, fifth, octave, fifth.
void addOstinato(Score& s, int channel, const std::vector<Chord>& chords, int velocity)
{
    for (const Chord& chord : chords) {
        const int root = chord.root + 12;
        const int steps[] = {0, chord.tones[2], 12, chord.tones[2]};
        for (int i = 0; i < int(chord.length * 2); ++i)
            s.add(channel, chord.beat + 0.5 * i, 0.45, root + steps[i % 4], velocity + (i % 4 == 0 ? 10 : 0));
    }
}

Score composeCut()
{
    Score s;
    s.bpm = 88;
    s.parts = {{kLead, gm::kOcarina, 100, 64, 70},     {kPad, gm::kTremoloStrings, 84, 64, 60},
               {kGuitar, gm::kCleanGuitar, 86, 44, 60}, {kBass, gm::kPizzicato, 100, 70, 40},
               {kPiano, gm::kTimpani, 110, 64, 50},    {kLead2, gm::kBrass, 90, 64, 60}};
    const auto chords = parseChords("Em | Em | C | C | Am | Am | B7 | B7", 0, 4);
    addPad(s, kPad, chords, 3, 70);
    addOstinato(s, kGuitar, chords, 64);
    for (const Chord& chord : chords)
        for (int b = 0; b < int(chord.length); ++b) s.add(kBass, chord.beat + b, 0.6, chord.root, 80);
    addMelody(s, kLead, 0, kCutTheme, 92, 0, 0.97);
    for (int beat = 0; beat < 24; ++beat) {  // a heartbeat on the timpani, growing
        int key = chords[size_t(beat / 4)].root;
        while (key < 40) key += 12;
        s.add(kPiano, beat, 0.9, key, 40 + beat * 2);
    }
    for (int i = 0; i < 32; ++i)  // the roll under the last chord swells
        s.add(kPiano, 24 + 0.25 * i, 0.25, 47, 50 + i * 2);
    Chord hit = chords.back();
    hit.beat = 32;
    addChordHit(s, kLead2, hit, 4, 1.5, 110);
    addChordHit(s, kPad, hit, 3, 1.5, 90);
    s.add(kPiano, 32, 1.5, 47, 120);
    s.add(kBass, 32, 1, hit.root, 110);
    humanize(s, 102, 0.015, 5);
    return s;
}

// ---- Course 1: a hoedown in D, 150 bpm ---------------------------------------------------------

const char* kReelA =
    "a4e d5e f#5e a5e f#5e d5e a4e d5e | f#5e e5e d5e e5e f#5q d5q | g5e b5e g5e d5e b4e d5e g5e b5e |"
    "a5e g5e f#5e e5e d5q b4q | a4e d5e f#5e a5e b5e a5e f#5e d5e | e5e f#5e g5e f#5e e5e d5e c#5e b4e |"
    "a4e c#5e e5e g5e f#5e e5e c#5e e5e | d5q f#5q d5h";
const char* kReelB =
    "b5q. a5e g5e a5e b5e d6e | b5e a5e g5e e5e d5h | f#5q. e5e d5e e5e f#5e a5e | f#5e e5e d5e b4e a4h |"
    "c#5e e5e a5e e5e c#5e e5e a5e c#6e | b5e a5e g#5e f#5e e5h | d5e f#5e a5e f#5e g5e e5e c#5e e5e | d5q a4q d5h";
const char* kReelTag = "d5q a4e a4e b4q a4q | rq c#5q d5q";

Score composeHoedown()
{
    Score s;
    s.bpm = 150;
    s.parts = {{kLead, gm::kFiddle, 104, 52, 45},       {kLead2, gm::kHarmonica, 96, 76, 40},
               {kBanjo, gm::kBanjo, 96, 86, 25},        {kGuitar, gm::kSteelGuitar, 90, 40, 30},
               {kBass, gm::kAcousticBass, 98, 64, 15}, {kDrumChannel, 0, 100, 64, 25}};
    const double a1 = 16, a2 = 48, b1 = 80, b2 = 112, a3 = 144, end = 176;
    const char* chordsA = "D | D | G | G | D | D | A7 | D";
    const char* chordsB = "G | G | D | D | A | A | D A7 | D";
    const auto intro = parseChords("D | D | A7 | A7", 0, 4);
    addBanjoRoll(s, kBanjo, intro, 72);
    addBoomChickBass(s, kBass, {intro[2], intro[3]}, 4, 96);
    addStrum(s, kGuitar, {intro[2], intro[3]}, 4, 80, false);
    const std::pair<double, const char*> sections[] = {{a1, chordsA}, {a2, chordsA}, {b1, chordsB},
                                                      {b2, chordsB}, {a3, chordsA}};
    for (const auto& [at, symbols] : sections) {
        const auto chords = parseChords(symbols, at, 4);
        addBoomChickBass(s, kBass, chords, 4, 96);
        addStrum(s, kGuitar, chords, 4, 80, false);
        if (at != b1) addBanjoRoll(s, kBanjo, chords, at == a3 ? 70 : 62);
    }
    addTrainBeat(s, a1, 40, 4, 60);
    addMelody(s, kLead, a1, kReelA, 98);
    addMelody(s, kLead, a2, kReelA, 100);
    addMelody(s, kLead2, a2, kReelA, 66);
    addMelody(s, kBanjo, b1, kReelB, 100, 0, 0.8);
    addMelody(s, kLead2, b2, kReelB, 100);
    addMelody(s, kLead, a3, kReelA, 104);
    addMelody(s, kLead2, a3, kReelA, 86);
    // "Shave and a haircut, two bits": the band hits with the tune.
    addMelody(s, kLead, end, kReelTag, 100);
    addMelody(s, kLead2, end, kReelTag, 80);
    const double hitBeats[] = {end, end + 1, end + 1.5, end + 2, end + 3, end + 5, end + 6};
    const char* hitChords[] = {"D", "D", "D", "G", "D", "A7", "D"};
    for (size_t i = 0; i < 7; ++i) {
        Chord chord = parseChords(hitChords[i], hitBeats[i], 4)[0];
        const double length = i == 6 ? 2.5 : 0.4;
        addChordHit(s, kGuitar, chord, 3, length, 76);
        addChordHit(s, kBanjo, chord, 4, length, 66);
        s.add(kBass, hitBeats[i], length, chord.root, 90);
        s.add(kDrumChannel, hitBeats[i], 0.3, i == 6 ? gm::kCrash : gm::kSnare, 66);
    }
    humanize(s, 103, 0.02, 6);
    return s;
}

// ---- Course 2: a campfire waltz in C, 3/4, 92 bpm easing to the end --------------------------------

const char* kWaltzA =
    "e4q g4q c5q | e5h d5q | c5q a4q f4q | g4h. | e4q g4q c5q | e5h c5q | d5q c5q a4q | b4h. |"
    "e4q g4q c5q | g5h e5q | f5q a5q f5q | c5h. | e5q d5q c5q | d5h b4q | c5h. | rh.";
const char* kWaltzSecond = "e4q g4q c5q | g5h e5q | f5q a5q f5q | c5h. | e5q d5q c5q | d5h b4q | c5h. | rh.";
const char* kWaltzB = "c5q f5q a5q | c6h a5q | g5q e5q c5q | g5h. | f#5q a5q d6q | c6h a5q | b5q a5q g5q | f5h d5q";
const char* kWaltzEnd = "a4q c5q f5q | e5h. | d5q b4q g4q | c5h.";

Score composeWaltz()
{
    Score s;
    s.bpm = 92;
    s.parts = {{kLead, gm::kHarmonica, 100, 60, 55},   {kLead2, gm::kFiddle, 92, 76, 55},
               {kGuitar, gm::kNylonGuitar, 96, 46, 45}, {kBass, gm::kAcousticBass, 104, 64, 30},
               {kPad, gm::kAccordion, 80, 84, 50}};
    const double a = 12, b = 60, a2 = 84, end = 108;
    const auto intro = parseChords("C | F | G7 | C", 0, 3);
    const auto chordsA = parseChords("C | C | F | C | C | Am | D7 | G7 | C | C | F | F | C | G7 | C | C", a, 3);
    const auto chordsB = parseChords("F | F | C | C | D7 | D7 | G | G7", b, 3);
    const auto chordsA2 = parseChords("C | C | F | F | C | G7 | C | C", a2, 3);
    const auto tag = parseChords("F | C | G7 | C", end, 3);
    for (const auto* chords : {&intro, &chordsA, &chordsB, &chordsA2, &tag}) {
        addBoomChickBass(s, kBass, *chords, 3, 90);
        addStrum(s, kGuitar, *chords, 3, 66, false);
    }
    addPad(s, kPad, chordsB, 4, 56);
    addPad(s, kPad, chordsA2, 4, 52);
    addMelody(s, kLead, a, kWaltzA, 96, 0, 0.97);
    addMelody(s, kLead2, b, kWaltzB, 96, 0, 0.97);
    addMelody(s, kLead, a2, kWaltzSecond, 98, 0, 0.97);
    addMelody(s, kLead2, a2, kWaltzSecond, 74, 12, 0.97);
    addMelody(s, kLead, end, kWaltzEnd, 96, 0, 0.97);
    addMelody(s, kLead2, end, kWaltzEnd, 80, 12, 0.97);
    Chord last = tag.back();
    last.beat = end + 12;
    addChordHit(s, kGuitar, last, 3, 5, 84);
    addChordHit(s, kPad, last, 4, 5, 56);
    s.add(kBass, last.beat, 5, 36, 96);
    s.tempoChanges = {{end + 6, 84}, {end + 9, 76}, {end + 11, 66}};
    humanize(s, 104, 0.025, 6);
    return s;
}

// ---- Course 3: a saloon rag in F, swung, 104 bpm ---------------------------------------------------

const char* kRagA =
    "c5e a4e c5e f5e a5q f5q | g5e f5e e5e f5e c5h | d5e f#5e a5e c6e a5q f#5q | a5e g5e f#5e g5e a5h |"
    "b5e a5e g5e f5e d5q b4q | c5e e5e g5e bb5e a5e g5e e5e c5e | f5q a5q c6q a5q | g5e e5e c5e e5e g5h";
const char* kRagLast =
    "c5e a4e c5e f5e a5q f5q | g5e f5e e5e f5e c5h | d5e f#5e a5e c6e a5q f#5q | a5e g5e f#5e g5e a5h |"
    "b5e a5e g5e f5e d5q b4q | c5e e5e g5e bb5e a5e g5e e5e c5e | f5q a5q c6q a5q | f5q c5q f4h";
const char* kRagB =
    "d5q f5q bb5h | c6e bb5e a5e g5e f5h | c5q f5q a5h | g5e f5e e5e f5e a5h |"
    "b4e d5e f5e g5e b5q g5q | a5e g5e f5e d5e b4h | c5e e5e g5e bb5e c6q bb5q | a5e g5e e5e c5e d5e e5e f5e g5e";
const char* kRagEnd = "a5e c6e a5e f5e c5e a4e c5e e5e | f5q";

Score composeRag()
{
    Score s;
    s.bpm = 104;
    s.swing = true;
    s.parts = {{kPiano, gm::kHonkyTonkPiano, 122, 58, 40}, {kPiano2, gm::kHonkyTonkPiano, 90, 70, 40},
               {kLead, gm::kFiddle, 86, 48, 45},          {kLead2, gm::kHarmonica, 88, 80, 45},
               {kBanjo, gm::kBanjo, 84, 90, 30},          {kBass, gm::kAcousticBass, 94, 64, 20},
               {kDrumChannel, 0, 110, 64, 30}};
    const double a1 = 8, a2 = 40, b = 72, a3 = 104, end = 136;
    const char* chordsA = "F | F | D7 | D7 | G7 | C7 | F | C7";
    const auto intro = parseChords("C7 | C7", 0, 4);
    const std::pair<double, const char*> sections[] = {
        {a1, chordsA}, {a2, chordsA}, {b, "Bb | Bb | F | F | G7 | G7 | C7 | C7"}, {a3, "F | F | D7 | D7 | G7 | C7 | F | F"}};
    addStride(s, kPiano2, intro, 4, 72);
    addWalkingBass(s, kBass, intro, 88);
    for (const auto& [at, symbols] : sections) {
        const auto chords = parseChords(symbols, at, 4);
        addStride(s, kPiano2, chords, 4, 70);
        addWalkingBass(s, kBass, chords, 88);
        addStrum(s, kBanjo, chords, 4, 70, false);
    }
    addTrainBeat(s, a1, 32, 4, 64);
    addMelody(s, kPiano, a1, kRagA, 110, 0, 0.85);
    addMelody(s, kLead, a2, kRagA, 96, 0, 0.9);
    addMelody(s, kLead2, b, kRagB, 100, 0, 0.9);
    addMelody(s, kPiano, a3, kRagLast, 112, 0, 0.85);
    addMelody(s, kPiano, end, kRagEnd, 112, 0, 0.85);
    addMelody(s, kLead, end, kRagEnd, 86, 0, 0.9);
    const auto tag = parseChords("F | C7 F", end, 4);
    addStride(s, kPiano2, {tag[0]}, 4, 72);
    addWalkingBass(s, kBass, {tag[0]}, 88);
    Chord push = tag[1], last = tag[2];
    push.beat = end + 3.5;
    last.beat = end + 4;
    addChordHit(s, kPiano2, push, 4, 0.4, 84);
    addChordHit(s, kPiano2, last, 4, 3, 96);
    addChordHit(s, kBanjo, last, 4, 1, 80);
    s.add(kBass, last.beat, 2, 41, 104);
    s.add(kDrumChannel, last.beat, 1, gm::kCrash, 64);
    humanize(s, 105, 0.02, 6);
    return s;
}

// Matches the loudness, keeps the peak under the ceiling and lets the last of the tail fade to zero.
void masterTrack(std::vector<float>& stereo, float loudness)
{
    trimTail(stereo, 0.0005f, size_t(2 * 0.05 * kMusicRate));
    stereo.resize(stereo.size() & ~size_t(1));  // whole frames: OpenAL refuses a torn last frame
    const float rms = rmsOf(stereo), peak = peakOf(stereo);
    const float gain = std::min(loudness / rms, kMusicPeak / peak);
    for (float& x : stereo) x *= gain;
    const size_t frames = stereo.size() / 2, fadeIn = samplesFor(0.005, kMusicRate),
                 fadeOut = std::min(frames, samplesFor(kEndFade, kMusicRate));
    for (size_t i = 0; i < frames; ++i) {
        double g = 1;
        if (i < fadeIn) g = double(i) / double(fadeIn);
        if (i >= frames - fadeOut) g = std::min(g, double(frames - 1 - i) / double(fadeOut));
        stereo[2 * i] *= float(g);
        stereo[2 * i + 1] *= float(g);
    }
}

struct TrackRow {
    const char* file;
    std::function<Score()> compose;
    float loudness;
};

const TrackRow kTracks[] = {
    {"Music/title.wav", composeTitle, kTitleRms},     {"Music/cut.wav", composeCut, kCutRms},
    {"Music/music1.wav", composeHoedown, kCourseRms}, {"Music/music2.wav", composeWaltz, kCourseRms},
    {"Music/music3.wav", composeRag, kCourseRms},
};

void generateMusic(ContentOutput& output)
{
    for (const TrackRow& row : kTracks) {
        std::vector<float> stereo = renderScore(row.compose(), kMusicRate, kTail);
        masterTrack(stereo, row.loudness);
        output.write(row.file, encodeWav(stereo, 2, kMusicRate));
    }
}

}  // namespace

REGISTER_GENERATOR(audio_music, generateMusic);
