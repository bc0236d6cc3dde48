#include "content/audio/score.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <stdexcept>

#include "content/audio/dsp.h"

namespace {

constexpr double kStrumSpread = 0.035;  // beats between two strings of a strum
constexpr int kBassLow = 33;            // A1: bass notes sit between this and an octave up
constexpr int kGuitarLow = 52;          // E3..G4: the strummed voicing
constexpr int kGuitarHigh = 67;
constexpr int kBanjoLow = 55;           // G3: the lowest note of a roll

int pitchClass(char letter)
{
    static const int classes[] = {9, 11, 0, 2, 4, 5, 7};  // a..g
    if (letter < 'a' || letter > 'g') throw std::runtime_error(std::string("bad note letter ") + letter);
    return classes[letter - 'a'];
}

double parseDuration(const std::string& text, double previous)
{
    if (text.empty()) return previous;
    double beats = 0;
    switch (text[0]) {
    case 'w': beats = 4; break;
    case 'h': beats = 2; break;
    case 'q': beats = 1; break;
    case 'e': beats = 0.5; break;
    case 's': beats = 0.25; break;
    case 't': beats = 1.0 / 3.0; break;
    default: throw std::runtime_error("bad duration " + text);
    }
    for (size_t i = 1; i < text.size() && text[i] == '.'; ++i) beats *= 1.5;
    return beats;
}

// The bass key of a chord's tone, kept within an octave above kBassLow.
int bassKey(const Chord& chord, int tone)
{
    int key = chord.root + tone;
    while (key < kBassLow) key += 12;
    while (key >= kBassLow + 12) key -= 12;
    return key;
}

// Every key of the chord between low and high, ascending.
std::vector<int> chordKeys(const Chord& chord, int low, int high)
{
    std::vector<int> keys;
    for (int key = low; key <= high; ++key)
        for (int tone : chord.tones)
            if ((key - chord.root - tone) % 12 == 0) keys.push_back(key);
    return keys;
}

void strum(Score& score, int channel, const Chord& chord, double beat, double length, int velocity)
{
    std::vector<int> keys = chordKeys(chord, kGuitarLow, kGuitarHigh);
    if (keys.size() > 5) keys.erase(keys.begin(), keys.end() - 5);
    for (size_t i = 0; i < keys.size(); ++i)
        score.add(channel, beat + kStrumSpread * double(i), length, keys[i], velocity - int(i) * 3);
}

}  // namespace

double Score::secondsAt(double beat) const
{
    if (swing) {
        const double whole = std::floor(beat), part = beat - whole;
        beat = whole + (part < 0.5 ? part * 4.0 / 3.0 : 2.0 / 3.0 + (part - 0.5) * 2.0 / 3.0);
    }
    double seconds = 0, from = 0, tempo = bpm;
    for (const auto& [at, newTempo] : tempoChanges) {
        if (at >= beat) break;
        seconds += (at - from) * 60.0 / tempo;
        from = at;
        tempo = newTempo;
    }
    return seconds + (beat - from) * 60.0 / tempo;
}

void Score::add(int channel, double beat, double length, int key, int velocity)
{
    notes.push_back({beat, length, channel, key, std::clamp(velocity, 1, 127)});
}

int parsePitch(const std::string& name)
{
    if (name.size() < 2) throw std::runtime_error("bad pitch " + name);
    int key = pitchClass(name[0]);
    size_t at = 1;
    if (name[at] == '#') ++key, ++at;
    else if (name[at] == 'b' && at + 1 < name.size()) --key, ++at;
    if (at >= name.size() || !std::isdigit(static_cast<unsigned char>(name[at])))
        throw std::runtime_error("bad pitch " + name);
    return key + 12 * (std::stoi(name.substr(at)) + 1);
}

double addMelody(Score& score, int channel, double beat, const std::string& line, int velocity, int transpose,
                 double legato)
{
    std::string spaced;
    for (char c : line) spaced += c == '|' ? std::string(" | ") : std::string(1, c);
    std::istringstream tokens(spaced);
    double duration = 1, barStart = beat, barLength = -1;
    for (std::string token; tokens >> token;) {
        if (token == "|") {  // every bar but the last must be as long as the first
            if (barLength < 0) barLength = beat - barStart;
            if (std::fabs(beat - barStart - barLength) > 1e-6)
                throw std::runtime_error("a bar of " + std::to_string(beat - barStart) + " beats in: " + line);
            barStart = beat;
            continue;
        }
        auto digitAt = [&](size_t i) { return i < token.size() && std::isdigit(static_cast<unsigned char>(token[i])); };
        size_t split = 1;
        if (token[0] != 'r') {
            if (token[split] == '#' || (token[split] == 'b' && digitAt(split + 1))) ++split;
            while (digitAt(split)) ++split;
        }
        duration = parseDuration(token.substr(split), duration);
        if (token[0] != 'r')
            score.add(channel, beat, duration * legato, parsePitch(token.substr(0, split)) + transpose, velocity);
        beat += duration;
    }
    return beat;
}

std::vector<Chord> parseChords(const std::string& bars, double beat, int beatsPerBar)
{
    static const std::pair<const char*, std::vector<int>> qualities[] = {
        {"maj7", {0, 4, 7, 11}}, {"sus4", {0, 5, 7}}, {"dim", {0, 3, 6}}, {"m7", {0, 3, 7, 10}},
        {"m", {0, 3, 7}},        {"7", {0, 4, 7, 10}}, {"6", {0, 4, 7, 9}}, {"", {0, 4, 7}}};
    std::vector<Chord> chords;
    std::istringstream barStream(bars);
    for (std::string bar; std::getline(barStream, bar, '|'); beat += beatsPerBar) {
        std::istringstream symbols(bar);
        std::vector<std::string> names;
        for (std::string symbol; symbols >> symbol;) names.push_back(symbol);
        const double length = double(beatsPerBar) / double(std::max<size_t>(1, names.size()));
        for (size_t i = 0; i < names.size(); ++i) {
            const std::string& symbol = names[i];
            Chord chord;
            chord.beat = beat + length * double(i);
            chord.length = length;
            size_t at = 1;
            int root = pitchClass(char(std::tolower(symbol[0])));
            if (at < symbol.size() && symbol[at] == '#') ++root, ++at;
            else if (at < symbol.size() && symbol[at] == 'b') --root, ++at;
            chord.root = 36 + (root + 12) % 12;
            const std::string quality = symbol.substr(at);
            for (const auto& [name, tones] : qualities)
                if (quality == name) chord.tones = tones;
            if (chord.tones.empty()) throw std::runtime_error("bad chord " + symbol);
            chords.push_back(chord);
        }
    }
    return chords;
}

void addBoomChickBass(Score& score, int channel, const std::vector<Chord>& chords, int beatsPerBar, int velocity)
{
    for (const Chord& chord : chords) {
        for (double b = 0; b < chord.length - 0.01; b += 1) {
            const double beat = chord.beat + b;
            const int inBar = int(std::fmod(beat + 0.001, beatsPerBar));
            const bool strong = inBar == 0 || (beatsPerBar == 4 && inBar == 2);
            if (!strong) continue;
            const bool alternate = b > 0.5 || (beatsPerBar == 3 && int(beat / 3) % 2 == 1);
            score.add(channel, beat, 0.9, bassKey(chord, alternate ? chord.tones[2] : 0), velocity);
        }
    }
}

void addWalkingBass(Score& score, int channel, const std::vector<Chord>& chords, int velocity)
{
    for (size_t c = 0; c < chords.size(); ++c) {
        const Chord& chord = chords[c];
        const int root = bassKey(chord, 0);
        const int steps[] = {0, chord.tones[1], chord.tones[2], chord.tones.size() > 3 ? chord.tones[3] : 12};
        const int beats = int(std::lround(chord.length));
        for (int b = 0; b < beats; ++b) {
            int key = root + steps[b % 4];
            const bool last = b == beats - 1 && c + 1 < chords.size();
            if (last && beats > 1) {  // a chromatic step into the next chord's root
                const int next = bassKey(chords[c + 1], 0);
                key = next + (next > root ? -1 : 1);
            }
            score.add(channel, chord.beat + b, 0.85, key, velocity + (b % 2 == 0 ? 6 : 0));
        }
    }
}

void addStrum(Score& score, int channel, const std::vector<Chord>& chords, int beatsPerBar, int velocity,
              bool onBeatOne)
{
    for (const Chord& chord : chords) {
        for (double b = 0; b < chord.length - 0.01; b += 1) {
            const double beat = chord.beat + b;
            const int inBar = int(std::fmod(beat + 0.001, beatsPerBar));
            const bool offBeat = beatsPerBar == 3 ? inBar != 0 : inBar % 2 == 1;
            if (offBeat) strum(score, channel, chord, beat, 0.45, velocity);
            else if (onBeatOne) strum(score, channel, chord, beat, 0.9, velocity - 12);
        }
    }
}

void addBanjoRoll(Score& score, int channel, const std::vector<Chord>& chords, int velocity)
{
    static const int pattern[8] = {0, 1, 2, 0, 1, 2, 0, 2};  // the forward roll: thumb, index, middle
    for (const Chord& chord : chords) {
        Chord triad = chord;  // a roll rings the root, third and fifth; a seventh would leave out the root
        triad.tones.resize(3);
        const std::vector<int> keys = chordKeys(triad, kBanjoLow, kBanjoLow + 20);
        if (keys.size() < 3) continue;
        for (int i = 0; i < int(std::lround(chord.length * 2)); ++i) {
            const int string = pattern[i % 8];
            const int key = keys[size_t(string) * 2 < keys.size() ? size_t(string) * 2 : keys.size() - 1];
            score.add(channel, chord.beat + 0.5 * i, 0.9, key, velocity + (i % 3 == 0 ? 8 : 0));
        }
    }
}

void addStride(Score& score, int channel, const std::vector<Chord>& chords, int beatsPerBar, int velocity)
{
    for (const Chord& chord : chords) {
        for (double b = 0; b < chord.length - 0.01; b += 1) {
            const double beat = chord.beat + b;
            const int inBar = int(std::fmod(beat + 0.001, beatsPerBar));
            const bool bassBeat = beatsPerBar == 3 ? inBar == 0 : inBar % 2 == 0;
            if (bassBeat) {
                const int key = bassKey(chord, inBar == 2 ? chord.tones[2] : 0) + 12;
                score.add(channel, beat, 0.8, key, velocity + 6);
                score.add(channel, beat, 0.8, key - 12, velocity - 4);
            } else {
                for (int key : chordKeys(chord, 55, 66)) score.add(channel, beat, 0.45, key, velocity - 8);
            }
        }
    }
}

void addPad(Score& score, int channel, const std::vector<Chord>& chords, int octave, int velocity)
{
    const int low = 12 * (octave + 1) - 3;
    for (const Chord& chord : chords)
        for (int key : chordKeys(chord, low, low + 11)) score.add(channel, chord.beat, chord.length, key, velocity);
}

void addTrainBeat(Score& score, double beat, int bars, int beatsPerBar, int velocity)
{
    for (int i = 0; i < bars * beatsPerBar; ++i) {
        const double at = beat + i;
        const int inBar = i % beatsPerBar;
        const bool backBeat = beatsPerBar == 3 ? inBar != 0 : inBar % 2 == 1;
        score.add(kDrumChannel, at, 0.5, backBeat ? gm::kSnare : gm::kKick, backBeat ? velocity - 10 : velocity);
        score.add(kDrumChannel, at, 0.25, gm::kMaracas, velocity / 2);
        score.add(kDrumChannel, at + 0.5, 0.25, gm::kMaracas, velocity * 2 / 3);
    }
}

void addTrot(Score& score, double beat, int bars, int beatsPerBar, int velocity)
{
    for (int i = 0; i < bars * beatsPerBar; ++i) {
        score.add(kDrumChannel, beat + i, 0.25, gm::kHighWoodBlock, velocity);
        score.add(kDrumChannel, beat + i + 0.5, 0.25, gm::kLowWoodBlock, velocity - 15);
    }
}

void addChordHit(Score& score, int channel, const Chord& chord, int octave, double length, int velocity)
{
    const int low = 12 * (octave + 1) - 5;
    for (int key : chordKeys(chord, low, low + 12)) score.add(channel, chord.beat, length, key, velocity);
    score.add(channel, chord.beat, length, bassKey(chord, 0) + 12, velocity);
}

void humanize(Score& score, uint64_t seed, double timing, int loudness)
{
    Random random(seed);
    for (Note& note : score.notes) {
        const double shift = (random.uniform() + random.uniform() - 1.0) * timing;
        note.beat = std::max(0.0, note.beat + shift);
        note.velocity = std::clamp(note.velocity + int(std::lround(random.bipolar() * loudness)), 1, 127);
    }
}
