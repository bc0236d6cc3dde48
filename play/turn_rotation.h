// Who plays next: the rotation after each stroke, which moves the turn off
// players who have finished, and who tees off first on the next hole.
#pragma once

#include <cstdint>

#include "play/match_state.h"

// The player after `currentPlayer` for `playerCount` players, given the
// holed-out flags (indexed 1..4).
int32_t nextPlayer(int32_t currentPlayer, int32_t playerCount, const uint8_t holedOut[kMaxPlayers + 1]);

// The player with the most strokes on the finished hole tees off first (the
// lowest number among equals); player 1 when that player does not take part.
int32_t firstPlayerOfNextHole(const int32_t holeStrokes[kMaxPlayers + 1], int32_t playerCount);
