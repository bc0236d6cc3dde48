// What happens on the current hole: the turn and stroke cycle, and the ball
// outcomes. Reset to these values at every hole start (resetHolePlay).
#pragma once

#include <cstdint>

#include <irrlicht.h>

#include "play/match_state.h"

using Vector3 = irr::core::vector3df;

struct TurnState {
    uint8_t turnPending = 1;       // a new turn must be announced
    uint8_t putterPlaced = 1;      // the putter has been put at the current ball on this hole
    uint8_t charging = 0;          // SPACE is held and the meter fills
    uint8_t swingActive = 0;       // a swing has been released for the current stroke
    uint8_t ballRolling = 0;
    double power = 0.0;            // 0 .. 13000
    int32_t powerBand = 0;         // 0 none, 1 short, 2 medium, 3 long swing
    Vector3 strokeForce;           // added to the current ball every step; y is 0
    Vector3 rollBrake;             // likewise
    int32_t forceHalvings = 1;     // exponent of the per-frame force decay
    Vector3 lastShotPosition[kMaxPlayers + 1];  // every ball where it stood at the last swing
    uint8_t penaltyPending = 0;
    Vector3 frameStartVelocity;    // the current ball's velocity before this frame's step
    uint32_t stopTimerStart = 0;   // ms; 0 when idle
    uint32_t stopTimerNow = 0;
    uint32_t computerWaitStart = 0;
    uint8_t computerRetry[kMaxPlayers + 1] = {};
    int32_t resetCount[kMaxPlayers + 1] = {};
    uint8_t turnBannerShowing = 0;
    uint32_t turnBannerStart = 0;
    uint32_t swingStartMs = 0;     // when the current stroke was released (the stuck-ball rescue)
};

struct OutcomeState {
    uint8_t splashPlayed = 0;
    int32_t splashOffset = 5;      // height of the splash above a sinking ball
    uint8_t resultShowing = 0;     // the hole-result banner is up (2000 ms)
    uint32_t resultStart = 0;
    uint8_t holeEndFading = 0;
    uint8_t holeEndFaded = 0;
    uint8_t scorecardShowing = 0;
    uint8_t penaltyFading = 0;
    uint32_t penaltyStart = 0;
};
