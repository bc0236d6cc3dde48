// The heart of play: frame by frame while a hole is played — turn start,
// aiming, the swing, the stroke force, braking, the stop, and the next turn.
#pragma once

#include <cstdint>

#include "app/input_receiver.h"
#include "play/turn_state.h"

void updateTurnStart(MyEventReceiver input);
void updateStroke(Vector3 frameStartVelocity, MyEventReceiver input);
void computerStroke(int32_t player);
void finishStroke();

// Every per-hole field of play back to its start value (each hole start).
void resetHolePlay();
void setPutterVisible(bool visible);

// Where a player's ball is (its node, or its body where no node could be made).
Vector3 ballPosition(int32_t player);
Vector3 ballVelocity(int32_t player);

// The swing: contact frame, frozen frame, and the animation range of each band.
struct SwingFrames { int32_t first, last, contact, held; };
const SwingFrames& swingFrames(int32_t powerBand);  // band 1..3

// The rolling brake, from the velocity now and at the start of the frame; each
// keeps `current` where no rule applies. Before a swing (hold the ball still, or
// slow a ball rolling out of turn):
Vector3 idleBrake(Vector3 current, Vector3 velocity, Vector3 frameStartVelocity, bool ballRolling);
// During a stroke; nothing at all off the grass:
Vector3 strokeBrake(Vector3 current, Vector3 velocity, Vector3 frameStartVelocity, bool swingActive,
                    bool grassContact);
