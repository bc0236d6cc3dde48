#include "content/audio/synth.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

#include <fluidsynth.h>

namespace {

constexpr double kSynthGain = 0.8;  // FluidSynth's default of 0.2 is quiet; tunes are scaled afterwards
constexpr double kReverbRoom = 0.45;
constexpr double kReverbDamp = 0.35;
constexpr double kReverbLevel = 0.7;
constexpr double kReverbWidth = 0.9;
constexpr int kPolyphony = 256;

struct Event {
    long sample;
    bool on;
    int channel;
    int key;
    int velocity;
};

// One synth per render, so that no reverb or voice state carries over between tunes.
class Synth {
public:
    explicit Synth(int sampleRate)
    {
        for (int level : {FLUID_WARN, FLUID_INFO, FLUID_DBG}) fluid_set_log_function(level, nullptr, nullptr);
        settings_ = new_fluid_settings();
        fluid_settings_setnum(settings_, "synth.sample-rate", sampleRate);
        fluid_settings_setnum(settings_, "synth.gain", kSynthGain);
        fluid_settings_setint(settings_, "synth.polyphony", kPolyphony);
        fluid_settings_setint(settings_, "synth.cpu-cores", 1);
        fluid_settings_setnum(settings_, "synth.reverb.room-size", kReverbRoom);
        fluid_settings_setnum(settings_, "synth.reverb.damp", kReverbDamp);
        fluid_settings_setnum(settings_, "synth.reverb.level", kReverbLevel);
        fluid_settings_setnum(settings_, "synth.reverb.width", kReverbWidth);
        synth_ = new_fluid_synth(settings_);
        if (!synth_ || fluid_synth_sfload(synth_, kSoundFontPath, 1) == FLUID_FAILED)
            throw std::runtime_error(std::string("cannot load the soundfont ") + kSoundFontPath);
    }
    ~Synth()
    {
        delete_fluid_synth(synth_);
        delete_fluid_settings(settings_);
    }
    Synth(const Synth&) = delete;
    Synth& operator=(const Synth&) = delete;

    fluid_synth_t* get() { return synth_; }

private:
    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
};

void setUpParts(fluid_synth_t* synth, const Score& score)
{
    for (const Part& part : score.parts) {
        if (part.channel != kDrumChannel) fluid_synth_program_change(synth, part.channel, part.program);
        fluid_synth_cc(synth, part.channel, 7, part.volume);
        fluid_synth_cc(synth, part.channel, 10, part.pan);
        fluid_synth_cc(synth, part.channel, 91, part.reverb);
        fluid_synth_cc(synth, part.channel, 93, part.chorus);
    }
}

std::vector<Event> scheduleNotes(const Score& score, int sampleRate)
{
    std::vector<Event> events;
    for (const Note& note : score.notes) {
        const long on = std::lround(score.secondsAt(note.beat) * sampleRate);
        const long off = std::max(on + 1, long(std::lround(score.secondsAt(note.beat + note.length) * sampleRate)));
        events.push_back({on, true, note.channel, note.key, note.velocity});
        events.push_back({off, false, note.channel, note.key, 0});
    }
    // Offs before ons at the same sample, so that a repeated key sounds again.
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
        return a.sample != b.sample ? a.sample < b.sample : (!a.on && b.on);
    });
    return events;
}

// Floats rather than fluid_synth_write_s16: the tunes are scaled to their loudness
// afterwards, so nothing is clipped or dithered on the way.
void renderInto(fluid_synth_t* synth, std::vector<float>& out, long from, long to)
{
    if (to <= from) return;
    float* base = out.data() + 2 * from;
    fluid_synth_write_float(synth, int(to - from), base, 0, 2, base, 1, 2);
}

}  // namespace

std::vector<float> renderScore(const Score& score, int sampleRate, double tail)
{
    Synth synth(sampleRate);
    setUpParts(synth.get(), score);
    const std::vector<Event> events = scheduleNotes(score, sampleRate);
    const long end = (events.empty() ? 0 : events.back().sample) + long(tail * sampleRate);
    std::vector<float> out(size_t(2 * end), 0.0f);
    long at = 0;
    for (const Event& event : events) {
        renderInto(synth.get(), out, at, event.sample);
        at = std::max(at, event.sample);
        if (event.on) fluid_synth_noteon(synth.get(), event.channel, event.key, event.velocity);
        else fluid_synth_noteoff(synth.get(), event.channel, event.key);
    }
    renderInto(synth.get(), out, at, end);
    return out;
}
