// Music as data: a score of timed notes for General MIDI instruments, written
// with a small note notation, and the accompaniment patterns of frontier music
// (boom-chick bass, strummed guitar, banjo rolls, stride piano, train-beat drums).
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// General MIDI programs (0-based) the tunes use.
namespace gm {
constexpr int kHonkyTonkPiano = 3;
constexpr int kAccordion = 21;
constexpr int kHarmonica = 22;
constexpr int kNylonGuitar = 24;
constexpr int kSteelGuitar = 25;
constexpr int kCleanGuitar = 27;
constexpr int kAcousticBass = 32;
constexpr int kTremoloStrings = 44;
constexpr int kPizzicato = 45;
constexpr int kTimpani = 47;
constexpr int kStrings = 48;
constexpr int kTrumpet = 56;
constexpr int kTrombone = 57;
constexpr int kTuba = 58;
constexpr int kBrass = 61;
constexpr int kFlute = 73;
constexpr int kOcarina = 79;  // stands in for the whistle: the soundfont's Whistle sounds 8.7 semitones flat
constexpr int kBanjo = 105;
constexpr int kFiddle = 110;
constexpr int kApplause = 126;
// Percussion keys on the drum channel.
constexpr int kKick = 36;
constexpr int kSideStick = 37;
constexpr int kSnare = 38;
constexpr int kClosedHat = 42;
constexpr int kCrash = 49;
constexpr int kLowTom = 45;
constexpr int kHighWoodBlock = 76;
constexpr int kLowWoodBlock = 77;
constexpr int kMaracas = 70;
}  // namespace gm

constexpr int kDrumChannel = 9;

struct Note {
    double beat;    // start, in beats from the top
    double length;  // in beats
    int channel;
    int key;        // MIDI key
    int velocity;   // 1..127
};

struct Part {
    int channel;
    int program;
    int volume = 100;  // CC7
    int pan = 64;      // CC10
    int reverb = 40;   // CC91
    int chorus = 0;    // CC93
};

struct Score {
    double bpm = 120;
    std::vector<std::pair<double, double>> tempoChanges;  // (beat, bpm) from that beat on
    bool swing = false;  // off-beat eighths land two thirds through the beat
    std::vector<Part> parts;
    std::vector<Note> notes;

    double secondsAt(double beat) const;
    void add(int channel, double beat, double length, int key, int velocity);
};

// "c4" is middle C (60); "f#3", "bb5". Throws on anything else.
int parsePitch(const std::string& name);

// A melody line: space-separated tokens PITCH[DURATION], "r[DURATION]" for a rest;
// durations w h q e s (4, 2, 1, 1/2, 1/4 beats), t (a triplet eighth, 1/3),
// a trailing '.' dots; a token without a duration keeps the previous one. Bars split by '|'
// must all be as long as the first (the last may be shorter): a typo throws.
// Returns the beat after the last note.
double addMelody(Score& score, int channel, double beat, const std::string& line, int velocity,
                 int transpose = 0, double legato = 0.92);

struct Chord {
    double beat;
    double length;
    int root;                // MIDI key of the root in octave 2 (36..47)
    std::vector<int> tones;  // semitones above the root, the root's 0 first
};

// Chord symbols by bar: "G | C D7 | Em" (a bar's symbols share it equally).
// Symbols: root A-G with # or b, then "", "m", "7", "m7", "maj7", "dim", "sus4", "6".
std::vector<Chord> parseChords(const std::string& bars, double beat, int beatsPerBar);

// Accompaniment patterns over a chord list.
void addBoomChickBass(Score& score, int channel, const std::vector<Chord>& chords, int beatsPerBar, int velocity);
void addWalkingBass(Score& score, int channel, const std::vector<Chord>& chords, int velocity);
void addStrum(Score& score, int channel, const std::vector<Chord>& chords, int beatsPerBar, int velocity,
              bool onBeatOne);
void addBanjoRoll(Score& score, int channel, const std::vector<Chord>& chords, int velocity);
void addStride(Score& score, int channel, const std::vector<Chord>& chords, int beatsPerBar, int velocity);
void addPad(Score& score, int channel, const std::vector<Chord>& chords, int octave, int velocity);
void addTrainBeat(Score& score, double beat, int bars, int beatsPerBar, int velocity);
void addTrot(Score& score, double beat, int bars, int beatsPerBar, int velocity);
// One chord struck together (a final chord, a band hit), voiced around `octave`.
void addChordHit(Score& score, int channel, const Chord& chord, int octave, double length, int velocity);

// Small timing and loudness variations, the same for the same seed.
void humanize(Score& score, uint64_t seed, double timing, int loudness);
