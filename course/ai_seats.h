// The computer opponents of player seats 2, 3 and 4.
#pragma once

#include <cstdint>

void createComputerOpponents();
void resetComputerOpponents();
// Every frame of play, for each computer player: follow the hole's routes.
void updateComputerTarget(int32_t player);
// The point (x, z) the computer player putts towards.
void computerTarget(int32_t player, float target[2]);
// At each swing: what every computer player plans, so that a stroke played again after a
// penalty starts from the same plan, not from the zones the annulled stroke rolled through.
void rememberComputerPlans();
void restoreComputerPlan(int32_t player);
