// The words a finished hole earns: the banner picture, its sound and where it sits.
#pragma once

#include <cstdint>
#include <string>

#include "presentation/sound_bank.h"

constexpr int32_t kTooManyStrokes = 1000;  // the result code of the stroke limit
constexpr int32_t kStrokeLimitOverPar = 4; // a hole ends at par + 4 strokes

struct ResultWord {
    std::string picture;  // "birdie.png"; empty for 4 or more over par (digits are drawn)
    Sound sound;
    int32_t offset;       // the banner sits at W/2 - offset
};

// For a result code (strokes minus par when holed, or kTooManyStrokes) on a par.
ResultWord resultWord(int32_t code, int32_t par);
