#include "presentation/sound_bank.h"

#include <cstdlib>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include <AL/al.h>
#include <AL/alut.h>

#include "app/game_state.h"
#include "presentation/wav_stream.h"

namespace {

constexpr const char* kSilencePath = "../Contents/Sounds/silence.wav";
constexpr float kPitch = 1.0f;
constexpr float kGain = 1.0f;
constexpr size_t kPlayedMemory = 256;  // names kept for the dump; older ones are dropped

enum class SoundKind { effect, music };

struct BankRow {
    Sound sound;
    const char* name;
    const char* path;
    SoundKind kind;
};

// The bank in load order.
constexpr BankRow kBank[kSoundCount] = {
    {Sound::holeinone, "holeinone", "../Contents/Sounds/holeinone.wav", SoundKind::effect},
    {Sound::ball, "ball", "../Contents/Sounds/ball.wav", SoundKind::effect},
    {Sound::par, "par", "../Contents/Sounds/par.wav", SoundKind::effect},
    {Sound::eagle, "eagle", "../Contents/Sounds/eagle.wav", SoundKind::effect},
    {Sound::birdie, "birdie", "../Contents/Sounds/birdie.wav", SoundKind::effect},
    {Sound::albatross, "albatross", "../Contents/Sounds/albatross.wav", SoundKind::effect},
    {Sound::putt, "putt", "../Contents/Sounds/putt.wav", SoundKind::effect},
    {Sound::putt2, "putt2", "../Contents/Sounds/putt.wav", SoundKind::effect},
    {Sound::click, "click", "../Contents/Sounds/click.wav", SoundKind::effect},
    {Sound::cup, "cup", "../Contents/Sounds/cup.wav", SoundKind::effect},
    {Sound::hardgrass, "hardgrass", "../Contents/Sounds/hardgrass.wav", SoundKind::effect},
    {Sound::softgrass, "softgrass", "../Contents/Sounds/softgrass.wav", SoundKind::effect},
    {Sound::brickhard, "brickhard", "../Contents/Sounds/brickhard.wav", SoundKind::effect},
    {Sound::bricksoft, "bricksoft", "../Contents/Sounds/bricksoft.wav", SoundKind::effect},
    {Sound::watersplash, "watersplash", "../Contents/Sounds/watersplash.wav", SoundKind::effect},
    {Sound::watervoice, "watervoice", "../Contents/Sounds/watervoice.wav", SoundKind::effect},
    {Sound::sand, "sand", "../Contents/Sounds/sand.wav", SoundKind::effect},
    {Sound::sand2, "sand2", "../Contents/Sounds/sand.wav", SoundKind::effect},
    {Sound::flag, "flag", "../Contents/Sounds/flag.wav", SoundKind::effect},
    {Sound::bogey, "bogey", "../Contents/Sounds/bogey.wav", SoundKind::effect},
    {Sound::sagrunsounds, "sagrunsounds", "../Contents/Sounds/sagrunsounds.wav", SoundKind::effect},
    {Sound::metal, "metal", "../Contents/Sounds/metal.wav", SoundKind::effect},
    {Sound::hardpipes, "hardpipes", "../Contents/Sounds/hardpipes.wav", SoundKind::effect},
    {Sound::softpipes, "softpipes", "../Contents/Sounds/softpipes.wav", SoundKind::effect},
    {Sound::music, "music", "../Contents/Music/music1.wav", SoundKind::music},
    {Sound::cut, "cut", "../Contents/Music/cut.wav", SoundKind::music},
    {Sound::title, "title", "../Contents/Music/title.wav", SoundKind::music},
};

constexpr const char* kCourseTracks[] = {
    "../Contents/Music/music1.wav",
    "../Contents/Music/music2.wav",
    "../Contents/Music/music3.wav",
};

constexpr float kZero[3] = {0, 0, 0};

std::deque<std::string> played;

// The entries played from their files, by source name.
std::map<ALuint, WavStream> streams;

WavStream* streamOf(ALuint source)
{
    const auto found = streams.find(source);
    return found == streams.end() ? nullptr : &found->second;
}

ALenum alFormat(const WavLayout& layout)
{
    if (layout.channels == 2) return layout.bitsPerSample == 16 ? AL_FORMAT_STEREO16 : AL_FORMAT_STEREO8;
    return layout.bitsPerSample == 16 ? AL_FORMAT_MONO16 : AL_FORMAT_MONO8;
}

// The next chunk of the file into `buffer`; false when the file gave nothing.
bool fillStreamBuffer(WavStream& stream, ALuint buffer)
{
    static std::vector<char> bytes;
    if (!readWavChunk(stream, bytes)) return false;
    alBufferData(buffer, alFormat(stream.layout), bytes.data(), ALsizei(bytes.size()), stream.layout.frequency);
    return true;
}

// From the first sample: the queue emptied and filled afresh (the source must be stopped).
void queueFromStart(WavStream& stream, ALuint source)
{
    alSourcei(source, AL_BUFFER, 0);
    rewindWavStream(stream);
    for (ALuint buffer : stream.buffers)
        if (fillStreamBuffer(stream, buffer)) alSourceQueueBuffers(source, 1, &buffer);
}

// A long file: its buffers filled with the first chunks and queued on a new source.
void loadStreamEntry(SoundEntry& entry, WavStream& opened)
{
    alGenBuffers(kStreamBuffers, opened.buffers);
    if (alGetError() != AL_NO_ERROR) std::cout << "error" << std::endl;
    entry.buffer = opened.buffers[0];
    alGenSources(1, &entry.source);
    if (alGetError() != AL_NO_ERROR) std::cout << "Sound file not found" << std::endl;
    if (WavStream* stale = streamOf(entry.source)) closeWavStream(*stale);
    WavStream& stream = streams[entry.source] = opened;
    queueFromStart(stream, entry.source);
}

void rememberPlayed(Sound sound)
{
    played.emplace_back(soundName(sound));
    if (played.size() > kPlayedMemory) played.pop_front();
}

// ALUT's WAV loader is marked deprecated, but it is the loader the game is built on.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
void fillBufferFromFile(ALuint buffer, const char* path, ALboolean& loop)
{
    std::string name = path;  // the loader takes a writable name
    // A missing or unreadable file leaves these as they are; format 0 then makes
    // alBufferData raise the error that the loader reports.
    ALenum format = 0;
    void* data = nullptr;
    ALsizei size = 0;
    ALsizei frequency = 0;
    alutLoadWAVFile(reinterpret_cast<ALbyte*>(name.data()), &format, &data, &size, &frequency, &loop);
    alBufferData(buffer, format, data, size, frequency);
    alutUnloadWAV(format, data, size, frequency);
}
#pragma GCC diagnostic pop

void copyVector(float (&to)[3], const float from[3])
{
    for (int i = 0; i < 3; ++i) to[i] = from[i];
}

}  // namespace

const char* soundName(Sound sound) { return kBank[int(sound)].name; }

bool findSound(const std::string& name, Sound& sound)
{
    for (const BankRow& row : kBank) {
        if (name != row.name) continue;
        sound = row.sound;
        return true;
    }
    return false;
}

const char* soundBankPath(Sound sound, bool soundEnabled, bool musicEnabled)
{
    const BankRow& row = kBank[int(sound)];
    const bool enabled = row.kind == SoundKind::effect ? soundEnabled : musicEnabled;
    return enabled ? row.path : kSilencePath;
}

SoundEntry& soundEntry(Sound sound) { return game.sounds[sound]; }

void loadSoundEntry(SoundEntry& entry, const char* path, const float sourcePosition[3],
                    const float sourceVelocity[3], const float listenerPosition[3],
                    const float listenerVelocity[3])
{
    copyVector(entry.sourcePosition, sourcePosition);
    copyVector(entry.sourceVelocity, sourceVelocity);
    copyVector(entry.listenerPosition, listenerPosition);
    copyVector(entry.listenerVelocity, listenerVelocity);
    if (!game.audioAvailable) return;

    ALboolean loop = AL_FALSE;
    WavStream opened;
    if (openWavStream(path, opened)) {
        // Music and the ambient loop play from the file and run on from the end to the
        // start themselves: the whole track never sits in memory.
        loadStreamEntry(entry, opened);
    } else {
        alGenBuffers(1, &entry.buffer);
        if (alGetError() != AL_NO_ERROR) std::cout << "error" << std::endl;
        fillBufferFromFile(entry.buffer, path, loop);
        alGenSources(1, &entry.source);
        if (alGetError() != AL_NO_ERROR) std::cout << "Sound file not found" << std::endl;
        alSourcei(entry.source, AL_BUFFER, ALint(entry.buffer));
    }
    alSourcef(entry.source, AL_PITCH, kPitch);
    alSourcef(entry.source, AL_GAIN, kGain);
    alSourcefv(entry.source, AL_POSITION, entry.sourcePosition);
    alSourcefv(entry.source, AL_VELOCITY, entry.sourceVelocity);
    alSourcei(entry.source, AL_LOOPING, loop);
    alGetError();

    alListenerfv(AL_POSITION, entry.listenerPosition);
    alListenerfv(AL_VELOCITY, entry.listenerVelocity);
    alListenerfv(AL_ORIENTATION, entry.listenerOrientation);
}

void releaseSoundEntry(SoundEntry& entry)
{
    if (!game.audioAvailable) return;
    WavStream* stream = streamOf(entry.source);
    alDeleteSources(1, &entry.source);
    if (!stream) {
        alDeleteBuffers(1, &entry.buffer);
        return;
    }
    alDeleteBuffers(kStreamBuffers, stream->buffers);
    closeWavStream(*stream);
    streams.erase(entry.source);
}

void refillSoundStreams()
{
    if (!game.audioAvailable) return;
    for (auto& [source, stream] : streams) {
        if (!stream.active) continue;
        ALint processed = 0;
        alGetSourcei(source, AL_BUFFERS_PROCESSED, &processed);
        for (; processed > 0; --processed) {
            ALuint buffer = 0;
            alSourceUnqueueBuffers(source, 1, &buffer);
            if (fillStreamBuffer(stream, buffer)) alSourceQueueBuffers(source, 1, &buffer);
        }
        // A pass that came too late for the queue (a long stall): play on where it stopped.
        ALint state = AL_STOPPED;
        alGetSourcei(source, AL_SOURCE_STATE, &state);
        ALint queued = 0;
        alGetSourcei(source, AL_BUFFERS_QUEUED, &queued);
        if (state != AL_PLAYING && queued > 0) alSourcePlay(source);
    }
}

void loadSoundBank()
{
    const OptionsRecord& options = game.options;
    for (const BankRow& row : kBank) {
        SoundEntry& entry = game.sounds[row.sound];
        entry = SoundEntry{};
        loadSoundEntry(entry, soundBankPath(row.sound, options.soundEnabled, options.musicEnabled),
                       kZero, kZero, kZero, kZero);
    }
}

void startCourseMusic()
{
    // The draw happens with or without a device, so play goes the same either way.
    const char* track = kSilencePath;
    if (game.options.musicEnabled) track = kCourseTracks[std::rand() % 3];
    SoundEntry& music = game.sounds[Sound::music];
    releaseSoundEntry(music);
    loadSoundEntry(music, track, kZero, kZero, kZero, kZero);
    playSound(Sound::music);
    playSound(Sound::sagrunsounds);
}

void keepTitleMusicPlaying()
{
    if (game.screen.splashActive || game.screen.holeActive) return;
    if (!soundPlaying(Sound::title)) playSound(Sound::title);
}

void playSound(Sound sound)
{
    if (!game.audioAvailable) return;
    const ALuint source = game.sounds[sound].source;
    if (WavStream* stream = streamOf(source)) {
        // As a whole buffer would: from the beginning, playing or not.
        alSourceStop(source);
        queueFromStart(*stream, source);
        stream->active = true;
    }
    alSourcePlay(source);
    rememberPlayed(sound);
}

void playSound(const std::string& name)
{
    Sound sound;
    if (findSound(name, sound)) playSound(sound);
}

void stopSound(Sound sound)
{
    if (!game.audioAvailable) return;
    const ALuint source = game.sounds[sound].source;
    alSourceStop(source);
    if (WavStream* stream = streamOf(source)) stream->active = false;
}

bool soundPlaying(Sound sound)
{
    if (!game.audioAvailable) return false;
    // A stream plays until stopped, whatever a late refill left of its queue for a moment.
    if (const WavStream* stream = streamOf(game.sounds[sound].source)) return stream->active;
    ALint state = AL_STOPPED;
    alGetSourcei(game.sounds[sound].source, AL_SOURCE_STATE, &state);
    return state == AL_PLAYING;
}

const std::deque<std::string>& playedSounds() { return played; }

void clearPlayedSounds() { played.clear(); }
