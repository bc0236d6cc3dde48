// What became of the ball: in the cup, the stroke limit, the penalty stroke
// for sand and water with the put-back, and the end of the hole for all.
#pragma once

// The outcome check for the current player, first thing after a stroke.
void checkBallOutcome();
// Costs the current player a stroke unless the ball is on the grass or a penalty is already shown.
bool addPenaltyStroke();
// Every frame of play: banner timers, water, the ball leaving the world, the
// penalty put-back, the end of the hole and the scorecard.
void updateOutcomeTimers();
