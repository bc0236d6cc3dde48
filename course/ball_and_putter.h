// Every player's ball (a mesh node and a sphere body), the two-part putter and
// the water splash; the force callback that drives and brakes the balls.
#pragma once

#include <cstdint>

#include "course/newton.h"

constexpr float kBallRadius = 0.25f;
constexpr float kBallMass = 10.0f;
constexpr float kBallInertia = 0.25f;
constexpr float kGravity = 9.81f * 8.0f;  // units/s², applied as a force by the callback

void buildBallsAndPutters();
void ballForceCallback(const NewtonBody* body, float timestep, int threadIndex);
void applyTranslucentLook();
void applyBallTexture(int32_t player);
void applyPutterColour();

// Where ball `ball` of `playerCount` balls drops onto the tee.
void ballStartPosition(int32_t playerCount, int32_t ball, float out[3]);
// The brake factor on a ball that is not the current player's, from the sum of its velocity components.
float restingBallBrake(float velocitySum, bool touchedSand);
// A ball body's matrix: identity rotation, translation `position`.
void translationMatrix(const float position[3], float matrix[16]);
