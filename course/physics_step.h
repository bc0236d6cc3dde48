// Advances the physics world by 0.01 s behind the frame-rate gate and moves
// the scene nodes onto their bodies.
#pragma once

#include <cstdint>

// Whether a frame at `nowMs` may step, given the frame-rate figure and the time of the
// last step (engine timer milliseconds). Above 55 frames per second the gap must exceed
// 600/fps ms (in double precision), otherwise 10 ms (in unsigned 32-bit arithmetic).
bool physicsStepDue(int32_t fps, uint32_t nowMs, uint32_t lastStepTimeMs);

// Once per frame while a hole is played: at most one step of exactly 0.01 s, then the
// node synchronisation, whether or not a step was taken.
void stepPhysics();

// Copies body matrices onto their nodes: ball 1; the blade and pivot on holes with a
// blade; balls 2..4 that exist; then bricks, grass, cup and flagpole.
void syncBodyNodes();
