#include "course/ai_seats.h"

#include "app/game_state.h"

// Until the hole routes exist the opponents aim straight at the cup.
void createComputerOpponents() {}
void resetComputerOpponents() {}
void updateComputerTarget(int32_t) {}

void computerTarget(int32_t, float target[2])
{
    target[0] = target[1] = 0;
    if (!game.scene.flagpole) return;
    const irr::core::vector3df cup = game.scene.flagpole->getPosition();
    target[0] = cup.X;
    target[1] = cup.Z;
}
