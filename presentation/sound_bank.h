// The 27-entry sound bank: one OpenAL buffer and one OpenAL source per entry,
// loaded once at start-up and kept for the whole run. A switched-off entry
// holds silence.wav, so every caller plays any entry unconditionally. Without
// an audio device every call here does nothing. The long ones (the music and
// the town's ambient loop) play from their files through a short queue of
// buffers instead (`buffer` is the first of them), and loop by themselves.
#pragma once

#include <cstdint>
#include <deque>
#include <string>

// One bank entry; the fields keep this order.
struct SoundEntry {
    float reserve = 1000.0f;  // set before loading, not used
    uint32_t buffer = 0;      // OpenAL buffer name
    uint32_t source = 0;      // OpenAL source name
    float sourcePosition[3] = {0, 0, 0};
    float sourceVelocity[3] = {0, 0, 0};
    float listenerPosition[3] = {0, 0, 0};
    float listenerVelocity[3] = {0, 0, 0};
    float listenerOrientation[6] = {0, 0, -1, 0, 1, 0};  // "at", then "up"
};

// The entries in load order, named as the game calls them.
enum class Sound : int {
    holeinone, ball, par, eagle, birdie, albatross, putt, putt2, click, cup,
    hardgrass, softgrass, brickhard, bricksoft, watersplash, watervoice, sand, sand2,
    flag, bogey, sagrunsounds, metal, hardpipes, softpipes, music, cut, title,
};
constexpr int kSoundCount = 27;

struct SoundBank {
    SoundEntry entries[kSoundCount];
    SoundEntry& operator[](Sound sound) { return entries[int(sound)]; }
};

// Start-up, after alutInit: loads the 27 entries in table order.
void loadSoundBank();
// Stores the four vectors in the entry and loads the WAV file into its buffer
// and source; writes "error" or "Sound file not found" on a failure.
void loadSoundEntry(SoundEntry& entry, const char* path, const float sourcePosition[3],
                    const float sourceVelocity[3], const float listenerPosition[3],
                    const float listenerVelocity[3]);
// Deletes the entry's source, then its buffer.
void releaseSoundEntry(SoundEntry& entry);
// End of a hole's fly-over: reloads `music` with a random course track (or
// silence with music off) and starts it, then the ambient loop of the town.
void startCourseMusic();
// The main loop keeps the title music going on every front-end screen after the splash.
void keepTitleMusicPlaying();
// The main loop tops up the queue of each playing streamed entry from its file, every pass.
void refillSoundStreams();

// The file an entry loads at start-up for the given options.
const char* soundBankPath(Sound sound, bool soundEnabled, bool musicEnabled);
// The entry's name ("putt", "title"); and the entry of a name, false if none.
const char* soundName(Sound sound);
bool findSound(const std::string& name, Sound& sound);

SoundEntry& soundEntry(Sound sound);
// alSourcePlay: a playing source restarts from the beginning.
void playSound(Sound sound);
void playSound(const std::string& name);
void stopSound(Sound sound);
bool soundPlaying(Sound sound);

// The names of the entries started since the list was last cleared, in order
// (the replay dump's `played`); the dump writer clears it after each dump.
const std::deque<std::string>& playedSounds();
void clearPlayedSounds();
