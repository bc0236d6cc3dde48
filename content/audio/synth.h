// Renders a score with FluidSynth and the Debian General MIDI soundfont,
// offline (no audio driver), to interleaved stereo floats.
#pragma once

#include <vector>

#include "content/audio/score.h"

constexpr const char* kSoundFontPath = "/usr/share/sounds/sf2/TimGM6mb.sf2";

// Renders every note, then `tail` seconds for the last notes and the reverb to die away.
std::vector<float> renderScore(const Score& score, int sampleRate, double tail);
