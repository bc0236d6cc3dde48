// The one camera of a hole: the fly-over, the play cameras behind or above the
// ball, and the circle around the flag while the scorecard shows.
#pragma once

#include <cstdint>

#include "app/input_receiver.h"

constexpr double kDegreesToRadians = 0.017444444820284843;  // pi taken as 3.14

struct FlySegment {
    double target[3];
    double start[3];
    int32_t axis;       // 0 x, 1 y, 2 z
    int32_t direction;  // 0 growing, 1 shrinking
    double end[3];
};

// Loads segment `number` (3, 2 or 1) of a hole's path into the camera state.
void loadFlySegment(const FlySegment path[3], int32_t number);

void flyOverStep(MyEventReceiver input);
void followBall();
void circleCup();
// Keys 1 and 2 (camera), UP and DOWN (zoom), every frame of play.
void updateCameraKeys(const MyEventReceiver& input);
// Start values of every hole.
void resetCamera();
