#include "course/ai_seats.h"

#include "app/game_state.h"
#include "course/ai.h"

namespace {

AI planAtStroke[kMaxPlayers + 1];

}  // namespace

// The three opponents are built empty with the program and live for the whole run.
void createComputerOpponents() { resetComputerOpponents(); }

void resetComputerOpponents()
{
    for (int32_t p = 2; p <= 4; ++p) computerOpponent(p)->resetRoute();
}

void updateComputerTarget(int32_t player)
{
    AI* opponent = computerOpponent(player);
    if (opponent && player <= kMaxPlayers) opponent->updateTarget(game.bodies.ball[player].node);
}

void computerTarget(int32_t player, float target[2])
{
    target[0] = target[1] = 0;
    const AI* opponent = computerOpponent(player);
    if (!opponent) return;
    target[0] = opponent->target().x;
    target[1] = opponent->target().z;
}

void rememberComputerPlans()
{
    for (int32_t p = 2; p <= kMaxPlayers; ++p) planAtStroke[p] = *computerOpponent(p);
}

void restoreComputerPlan(int32_t player)
{
    AI* opponent = computerOpponent(player);
    if (opponent && player <= kMaxPlayers) *opponent = planAtStroke[player];
}
