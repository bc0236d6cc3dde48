#include "play/turn_rotation.h"

#include <cstddef>

namespace {

// An override: when every listed player has finished, the turn goes to `player`.
struct Override {
    int finished[3];  // player numbers, 0 = unused
    int32_t player;
};

// Applied in order, each overriding the last.
constexpr Override kThreePlayers[] = {
    {{1, 0, 0}, 2}, {{2, 0, 0}, 3}, {{3, 0, 0}, 1},
    {{1, 3, 0}, 2}, {{2, 3, 0}, 1}, {{1, 2, 0}, 3},
};
constexpr Override kFourPlayers[] = {
    {{1, 0, 0}, 2}, {{2, 0, 0}, 3}, {{3, 0, 0}, 4}, {{4, 0, 0}, 1},
    {{1, 2, 0}, 3}, {{2, 3, 0}, 4}, {{3, 4, 0}, 1}, {{4, 1, 0}, 2},
    {{1, 2, 3}, 4}, {{2, 3, 4}, 1}, {{3, 4, 1}, 2}, {{4, 1, 2}, 3},
};

template <std::size_t N>
int32_t applyOverrides(int32_t player, const Override (&rules)[N], const uint8_t holedOut[kMaxPlayers + 1])
{
    for (const Override& rule : rules) {
        bool all = true;
        for (int p : rule.finished)
            if (p && !holedOut[p]) all = false;
        if (all) player = rule.player;
    }
    return player;
}

}  // namespace

int32_t nextPlayer(int32_t currentPlayer, int32_t playerCount, const uint8_t holedOut[kMaxPlayers + 1])
{
    if (playerCount <= 1) return 1;
    int32_t player = currentPlayer + 1;
    if (player > playerCount) player = 1;
    switch (playerCount) {
    case 2:
        if (holedOut[1]) player = 2;
        if (holedOut[2]) player = 1;
        return player;
    case 3: return applyOverrides(player, kThreePlayers, holedOut);
    default: return applyOverrides(player, kFourPlayers, holedOut);
    }
}

int32_t firstPlayerOfNextHole(const int32_t holeStrokes[kMaxPlayers + 1], int32_t playerCount)
{
    int32_t first = 1;
    for (int32_t p = 2; p <= kMaxPlayers; ++p)
        if (holeStrokes[p] > holeStrokes[first]) first = p;
    return first > playerCount ? 1 : first;
}
