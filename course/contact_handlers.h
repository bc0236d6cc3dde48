// The contact handlers: what happens when a ball touches each surface (impact
// sounds, the cup, the grass and ground flags). setupMaterials installs them.
#pragma once

#include <cstdint>

#include "course/newton.h"
#include "play/match_state.h"

// The rules, one per surface, for ball `ball` (1..4). They run inside the physics
// step, once per step while the ball touches the surface.
void grassHandler(int32_t ball);
void groundHandler(int32_t ball);
void bricksHandler(int32_t ball);
void pipesHandler(int32_t ball);
void cupHandler(int32_t ball);
void flagpoleHandler(int32_t ball);
void movingPartHandler(int32_t ball);  // the blade, and whatever else is in group 0
void ballToBallHandler();              // any two balls

// The library callbacks of one ball, each calling the rule above with that ball.
struct BallContactHandlers {
    NewtonContactsProcess grass;
    NewtonContactsProcess bricks;
    NewtonContactsProcess ground;
    NewtonContactsProcess cup;
    NewtonContactsProcess flagpole;
    NewtonContactsProcess pipes;
    NewtonContactsProcess movingPart;
};

// Indexed by ball 1..4; entry 0 is empty.
extern const BallContactHandlers kBallContactHandlers[kMaxPlayers + 1];
// The library callback of the ball pairs.
void ballToBallContact(const NewtonJoint* contact, float timestep, int threadIndex);
