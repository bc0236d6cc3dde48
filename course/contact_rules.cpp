// What happens when a ball touches each surface: impact sounds by speed, the
// cup catching the ball, and the grass and sand flags the play rules read.
#include <cmath>

#include "app/game_state.h"
#include "course/contact_handlers.h"
#include "course/holes/hole_table.h"
#include "play/ball_outcome.h"
#include "play/turn_cycle.h"
#include "presentation/sound_bank.h"

namespace {

constexpr float kHardImpact = 7.0f;  // above this an impact is hard
constexpr float kSoftImpact = 2.0f;  // above this (and up to hard) it is soft
constexpr float kSoftBrickImpact = 1.0f;
constexpr float kBallClick = 1.0f;

float verticalSpeed(int32_t ball) { return std::fabs(ballVelocity(ball).Y); }
float horizontalSum(int32_t ball)
{
    const Vector3 v = ballVelocity(ball);
    return std::fabs(v.X + v.Z);
}

bool isHard(float speed) { return speed > kHardImpact; }
bool isSoft(float speed, float lower) { return speed > lower && speed <= kHardImpact; }

// One of two sounds by speed, each behind a latch that the other clears.
void latchedImpact(float speed, uint8_t& hardLatch, uint8_t& softLatch, Sound hard, Sound soft, bool audible = true)
{
    if (isHard(speed) && !hardLatch && audible) {
        playSound(hard);
        hardLatch = 1;
        softLatch = 0;
    }
    if (isSoft(speed, kSoftImpact) && !softLatch && audible) {
        playSound(soft);
        softLatch = 1;
        hardLatch = 0;
    }
}

}  // namespace

void grassHandler(int32_t ball)
{
    ContactFlags& c = game.contacts;
    latchedImpact(verticalSpeed(ball), c.grassHardLatch, c.grassSoftLatch, Sound::hardgrass, Sound::softgrass,
                  game.screen.introDone);
    if (ball != game.match.currentPlayer) return;
    c.grassContact = 1;
    c.groundContact = 0;
}

void groundHandler(int32_t ball)
{
    ContactFlags& c = game.contacts;
    latchedImpact(verticalSpeed(ball), c.sandHardLatch, c.sandSoftLatch, Sound::sand, Sound::sand2);
    c.groundContact = 1;
    c.grassContact = 0;
    addPenaltyStroke();
    c.brakeFlag[ball] = 1;
}

void bricksHandler(int32_t ball)
{
    if (ball != game.match.currentPlayer) return;
    const float speed = horizontalSum(ball);
    if (isHard(speed) && !soundPlaying(Sound::brickhard)) playSound(Sound::brickhard);
    if (isSoft(horizontalSum(ball), kSoftBrickImpact) && !soundPlaying(Sound::bricksoft)) playSound(Sound::bricksoft);
}

void pipesHandler(int32_t ball)
{
    ContactFlags& c = game.contacts;
    latchedImpact(verticalSpeed(ball), c.pipesHardLatch, c.pipesSoftLatch, Sound::hardpipes, Sound::softpipes);
}

void cupHandler(int32_t ball)
{
    ContactFlags& c = game.contacts;
    if (c.inCup[ball]) return;
    const HoleRow* row = holeRow(game.match.currentHole);
    const BodyNode& cup = game.bodies.cup;
    if (!row || !game.bodies.ball[ball].node) return;
    const float cupHeight = cup.node ? cup.node->getPosition().Y : 0.0f;
    if (game.bodies.ball[ball].node->getPosition().Y - cupHeight < row->cupDepth) {
        playSound(Sound::cup);
        c.inCup[ball] = 1;
    }
}

void flagpoleHandler(int32_t ball)
{
    ContactFlags& c = game.contacts;
    if (c.flagSoundLatch[ball] || c.inCup[ball]) return;
    playSound(Sound::flag);
    c.flagSoundLatch[ball] = 1;
}

void movingPartHandler(int32_t ball)
{
    ContactFlags& c = game.contacts;
    if (c.metalLatch[ball]) return;
    playSound(Sound::metal);
    c.metalLatch[ball] = 1;
}

void ballToBallHandler()
{
    for (int32_t k = 1; k <= game.match.playerCount; ++k)
        if (horizontalSum(k) > kBallClick && !soundPlaying(Sound::ball)) playSound(Sound::ball);
}
