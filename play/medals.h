// The end of a match: medals for every player and the winner banner or a tie.
#pragma once

#include <cstdint>
#include <string>

#include "play/match_state.h"

enum Medal : int32_t { kNoMedal = 0, kGold, kSilver, kCopper };

struct FinalResult {
    Medal medal[kMaxPlayers + 1] = {};  // players 1..4
    std::string banner;                 // "p2win.png" or "tie.png"
};

const char* medalPicture(Medal medal);  // "gold.png", "silver.png", "copper.png"

// Lower totals to par are better.
FinalResult finalResult(const int32_t totalToPar[kMaxPlayers + 1], int32_t playerCount);
