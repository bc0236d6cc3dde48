#include "play/turn_cycle.h"

#include <cmath>

#include "app/game_state.h"
#include "app/replay.h"
#include "course/ai_seats.h"
#include "course/ball_and_putter.h"
#include "play/ball_outcome.h"
#include "play/cameras.h"
#include "play/power_meter.h"
#include "play/turn_rotation.h"
#include "presentation/hud.h"
#include "presentation/sound_bank.h"
#include "presentation/textures.h"

namespace {

constexpr double kAimDegreesPerSecond = 42.0;
constexpr double kSwingFramesPerSecond = 30.0;
constexpr double kHumanPowerDivisor = 2.2;     // the swing's power is divided at every contact frame
constexpr double kHumanForcePerPower = 15.0;
constexpr double kComputerPower = 2000.0;
constexpr double kComputerRetryWeakening = 1.7;
constexpr double kComputerShortFactor = 2.1 / 1.5;
constexpr double kComputerLongFactor = 1.0 / 1.5;
constexpr double kComputerMediumFrom = 8.0, kComputerLongFrom = 20.0;  // |dx + dz| bands
constexpr uint32_t kComputerWaitMs = 3000;
constexpr uint32_t kStopHoldMs = 2000;          // a ball still this long ends the stroke
constexpr uint32_t kStuckStrokeMs = 20000;      // a stroke that never stops ends anyway
constexpr float kRollingSum = 1.0f;             // |vx + vy + vz| above this: rolling
constexpr float kSlowSum = 3.0f;
constexpr float kHoldBrake = -100.0f, kSlowBrake = -50.0f, kRollBrake = -10.0f;
constexpr float kMassAtTurn = 10.0f, kInertiaAtTurn = 0.25f;
constexpr float kPutterBelowBall = 0.5f;
constexpr double kRadiansToDegrees = 57.3248405456543;

constexpr SwingFrames kSwings[4] = {{0, 0, 0, 0}, {0, 30, 25, 30}, {45, 80, 75, 80}, {100, 150, 125, 180}};

Vector3 brakeOf(float factor, Vector3 v) { return Vector3(factor * v.X, 0, factor * v.Z); }

uint32_t now() { return game.engine.device->getTimer()->getTime(); }

bool isHuman(int32_t player) { return player == 1 || !game.match.isComputer[player]; }

irr::scene::IAnimatedMeshSceneNode* handle() { return game.scene.putterHandle; }
irr::scene::IAnimatedMeshSceneNode* shaft() { return game.scene.putterShaft; }

float shaftFrame() { return shaft() ? shaft()->getFrameNr() : 0.0f; }

void turnPutter(float yaw)
{
    if (handle()) handle()->setRotation({0, yaw, 0});
    if (shaft()) shaft()->setRotation({0, yaw, 0});
}

void forPutter(void (*action)(irr::scene::IAnimatedMeshSceneNode*))
{
    if (handle()) action(handle());
    if (shaft()) action(shaft());
}

void freezeSwing(int32_t band)
{
    const int32_t held = kSwings[band].held;
    if (handle()) handle()->setFrameLoop(held, held);
    if (shaft()) shaft()->setFrameLoop(held, held);
    forPutter([](irr::scene::IAnimatedMeshSceneNode* node) { node->setAnimationSpeed(0); });
}

// The swing animation starts; the stroke is counted now, not when the putter reaches the ball.
void startSwing()
{
    TurnState& turn = game.turn;
    MatchState& match = game.match;
    forPutter([](irr::scene::IAnimatedMeshSceneNode* node) {
        const SwingFrames& f = kSwings[game.turn.powerBand];
        node->setLoopMode(false);
        node->setFrameLoop(f.first, f.last);
        node->setAnimationSpeed(float(kSwingFramesPerSecond));
    });
    turn.charging = 0;
    turn.swingActive = 1;
    turn.swingStartMs = now();
    for (int32_t p = 1; p <= match.playerCount; ++p) turn.lastShotPosition[p] = ballPosition(p);
    rememberComputerPlans();
    match.holeStrokes[match.currentPlayer] += 1;
    drawStrokeCount(match.holeStrokes[match.currentPlayer]);
}

// The putter head is past the ball on this frame.
bool atContactFrame()
{
    const TurnState& turn = game.turn;
    if (!turn.swingActive || turn.powerBand < 1 || turn.powerBand > 3) return false;
    return shaftFrame() > float(kSwings[turn.powerBand].contact);
}

void playPuttOnce()
{
    if (shaftFrame() < float(kSwings[game.turn.powerBand].held)) playSound(Sound::putt);
}

// The force decays sharply: halved n more times on every frame after the contact.
void decayPower()
{
    TurnState& turn = game.turn;
    turn.power /= std::pow(2.0, double(turn.forceHalvings));
    turn.forceHalvings += 1;
}

void humanContact()
{
    if (!atContactFrame()) return;
    TurnState& turn = game.turn;
    playPuttOnce();
    turn.power /= kHumanPowerDivisor;
    const double theta = game.camera.aimAngle * kDegreesToRadians;
    turn.strokeForce = Vector3(float(kHumanForcePerPower * turn.power * std::sin(theta)), 0,
                               float(kHumanForcePerPower * turn.power * std::cos(theta)));
    setPutterVisible(false);
    setPicture(game.hud.powerMeter, "power_0.png");
    freezeSwing(turn.powerBand);
    decayPower();
}

void aim(const MyEventReceiver& input)
{
    const int32_t fps = frameRate();
    if (fps <= 0) return;
    const bool right = input.keyIsDown[irr::KEY_RIGHT], left = input.keyIsDown[irr::KEY_LEFT];
    // A growing angle turns the aim towards +x, which the play camera shows on the right of the
    // screen: RIGHT turns it that way and LEFT the other, as the player sees the green.
    if (!game.tutorial.tutorialHold) {
        if (right) game.camera.aimAngle += kAimDegreesPerSecond / fps;
        if (left) game.camera.aimAngle -= kAimDegreesPerSecond / fps;
    }
    if (!isHuman(game.match.currentPlayer) || !handle() || !(right || left)) return;
    const float step = right ? 1.0f : -1.0f;
    const float handleYaw = std::trunc(handle()->getRotation().Y) + step;
    handle()->setRotation({0, handleYaw, 0});
    if (shaft()) shaft()->setRotation({0, handleYaw + step, 0});
}

void placePutter(int32_t p)
{
    TurnState& turn = game.turn;
    if (isVisible(game.hud.resultBanner) || turn.penaltyPending) return;
    turn.putterPlaced = 1;
    const Vector3 b = ballPosition(p);
    if (handle()) handle()->setPosition({b.X, b.Y - kPutterBelowBall, b.Z});
    if (shaft()) shaft()->setPosition({b.X, b.Y - kPutterBelowBall, b.Z});
    if (isHuman(p)) turnPutter(std::trunc(float(game.camera.aimAngle)));
    followBall();
}

void announceTurn(int32_t p)
{
    TurnState& turn = game.turn;
    ContactFlags& contacts = game.contacts;
    if (!turn.turnPending || isVisible(game.hud.resultBanner) || isVisible(game.hud.outOfBounds) ||
        game.outcome.penaltyFading)
        return;
    setPutterVisible(true);
    turn.turnPending = 0;
    showTurnBanner(p);
    contacts.pipesHardLatch = contacts.pipesSoftLatch = 0;
    for (int32_t k = 1; k <= kMaxPlayers; ++k) {
        contacts.flagSoundLatch[k] = 0;
        contacts.metalLatch[k] = 0;
        contacts.brakeFlag[k] = 0;
    }
    turn.swingActive = 0;
    applyBallTexture(p);
    NewtonBody* body = game.bodies.ball[p].body;
    if (body) NewtonBodySetMassMatrix(body, kMassAtTurn, kInertiaAtTurn, kInertiaAtTurn, kInertiaAtTurn);
    // A ball still waiting on the tee (no stroke yet) is never hit.
    for (int32_t q = 1; q <= game.match.playerCount; ++q)
        if (q != p && game.match.holeStrokes[q] > 0)
            NewtonMaterialSetDefaultCollidable(game.world, game.groups.ballGroup[p], game.groups.ballGroup[q], 1);
    if (p >= 2 && turn.resetCount[p] > 0) {
        turn.computerRetry[p] = 1;
        turn.resetCount[p] = 0;
    }
}

void endStroke()
{
    TurnState& turn = game.turn;
    turn.powerBand = 0;
    turn.strokeForce = Vector3(0, 0, 0);
    turn.stopTimerStart = turn.stopTimerNow = 0;
    turn.power = 0;
    turn.swingStartMs = 0;
    finishStroke();
    forPutter([](irr::scene::IAnimatedMeshSceneNode* node) {
        node->setAnimationSpeed(0);
        node->setFrameLoop(0, 0);
    });
    turn.forceHalvings = 1;
}

bool anyBallInCup()
{
    for (int32_t p = 1; p <= game.match.playerCount; ++p)
        if (game.contacts.inCup[p]) return true;
    return false;
}

void updateStopTimer(float s)
{
    TurnState& turn = game.turn;
    const int32_t p = game.match.currentPlayer;
    const bool held = turn.powerBand >= 1 && turn.powerBand <= 3 && shaftFrame() == float(kSwings[turn.powerBand].held);
    const bool inCup = game.contacts.inCup[p];
    const bool still = s > -kRollingSum && s < kRollingSum && turn.swingActive && held && !turn.penaltyPending;
    // A ball rocking in a hollow or riding a moving part would keep the turn for ever.
    const bool stuck = turn.swingActive && turn.swingStartMs && !turn.penaltyPending &&
                       now() - turn.swingStartMs > kStuckStrokeMs;
    if (!(still || inCup || stuck)) {
        turn.stopTimerStart = turn.stopTimerNow = 0;
        game.contacts.grassContact = 0;
        return;
    }
    if (anyBallInCup()) setPutterVisible(false);
    if (!turn.stopTimerStart) turn.stopTimerStart = now();
    turn.stopTimerNow = now();
    if (turn.stopTimerNow - turn.stopTimerStart > kStopHoldMs || stuck) endStroke();
}

}  // namespace

Vector3 idleBrake(Vector3 current, Vector3 v, Vector3 start, bool ballRolling)
{
    const float s = v.X + v.Y + v.Z;
    const bool slowing = std::fabs(v.X + v.Z) < std::fabs(start.X + start.Z);
    if (!ballRolling) return brakeOf(kHoldBrake, v);
    if (s > -kSlowSum && s < kSlowSum && slowing) current = brakeOf(kSlowBrake, v);
    if (s > kSlowSum || (s < -kSlowSum && slowing)) current = brakeOf(kRollBrake, v);
    return current;
}

Vector3 strokeBrake(Vector3 current, Vector3 v, Vector3 start, bool swingActive, bool grassContact)
{
    const float s = v.X + v.Y + v.Z;
    const bool slowing = std::fabs(v.X + v.Z) < std::fabs(start.X + start.Z);
    if (swingActive) {
        if (s > -kSlowSum && s < kSlowSum && slowing && grassContact) current = brakeOf(kSlowBrake, v);
        if (s > kSlowSum) current = brakeOf(kRollBrake, v);
    }
    if (s < -kSlowSum && slowing && grassContact) current = brakeOf(kRollBrake, v);
    if (!grassContact) current = Vector3(0, 0, 0);  // a ball in the air or off the grass is never braked
    return current;
}

const SwingFrames& swingFrames(int32_t powerBand) { return kSwings[powerBand >= 1 && powerBand <= 3 ? powerBand : 0]; }

Vector3 ballPosition(int32_t player)
{
    const BodyNode& ball = game.bodies.ball[player];
    if (ball.node) return ball.node->getPosition();
    if (!ball.body) return Vector3(0, 0, 0);
    float matrix[16];
    NewtonBodyGetMatrix(ball.body, matrix);
    return Vector3(matrix[12], matrix[13], matrix[14]);
}

Vector3 ballVelocity(int32_t player)
{
    float v[3] = {0, 0, 0};
    if (game.bodies.ball[player].body) NewtonBodyGetVelocity(game.bodies.ball[player].body, v);
    return Vector3(v[0], v[1], v[2]);
}

void setPutterVisible(bool visible)
{
    if (handle()) handle()->setVisible(visible);
    if (shaft()) shaft()->setVisible(visible);
}

void updateTurnStart(MyEventReceiver input)
{
    aim(input);
    updateCameraKeys(input);
    const int32_t p = game.match.currentPlayer;
    if (game.match.holedOut[p]) return;
    placePutter(p);
    announceTurn(p);
}

void updateStroke(Vector3 frameStartVelocity, MyEventReceiver input)
{
    TurnState& turn = game.turn;
    const int32_t p = game.match.currentPlayer;
    const Vector3 v = ballVelocity(p);
    const float s = v.X + v.Y + v.Z;
    const bool human = isHuman(p);
    const bool grass = game.contacts.grassContact;

    if (!turn.swingActive) turn.rollBrake = idleBrake(turn.rollBrake, v, frameStartVelocity, turn.ballRolling);
    if (std::fabs(s) > kRollingSum && !turn.charging) {
        turn.ballRolling = 1;
        setPutterVisible(false);
    } else if (!turn.swingActive && turn.ballRolling) {
        turn.ballRolling = 0;
        setPutterVisible(true);
    }
    if (!human && !turn.penaltyPending) computerStroke(p);
    if (human && input.keyIsDown[irr::KEY_SPACE] && !turn.swingActive && !turn.ballRolling) {
        const MeterFill fill = fillMeter(turn.power, turn.powerBand, frameRate());
        turn.power = fill.power;
        turn.powerBand = fill.powerBand;
        if (fill.pictureIndex > 0) setPicture(game.hud.powerMeter, meterPictureName(fill.pictureIndex));
        turn.charging = 1;
    }
    turn.rollBrake = strokeBrake(turn.rollBrake, v, frameStartVelocity, turn.swingActive, grass);
    if (game.contacts.inCup[p]) setPutterVisible(false);
    updateStopTimer(s);
    if (game.match.holedOut[p]) finishStroke();
    if (human && !input.keyIsDown[irr::KEY_SPACE] && turn.charging) startSwing();
    if (human) humanContact();
}

void computerStroke(int32_t p)
{
    TurnState& turn = game.turn;
    float target[2];
    computerTarget(p, target);
    if (!turn.swingActive && !turn.ballRolling) {
        setPutterVisible(false);
        if (!turn.computerWaitStart) turn.computerWaitStart = now();
        if (now() - turn.computerWaitStart <= kComputerWaitMs) return;
        setPutterVisible(true);
        const Vector3 b = ballPosition(p);
        const double dx = target[0] - b.X, dz = target[1] - b.Z;
        const double d = std::sqrt(dx * dx + dz * dz);
        double yaw = d > 0 ? std::trunc(std::asin(dz / d) * kRadiansToDegrees) : 0;
        if (dx < 0) yaw -= 90;
        if (dx > 0) yaw = -270 - yaw;
        turnPutter(float(yaw));
        turn.power = kComputerPower;
        const double spread = std::fabs(dx + dz);
        turn.powerBand = spread > kComputerLongFrom ? 3 : spread > kComputerMediumFrom ? 2 : 1;
        startSwing();
    }
    if (!atContactFrame()) return;
    playPuttOnce();
    if (turn.computerRetry[p]) {
        turn.power /= kComputerRetryWeakening;
        turn.computerRetry[p] = 0;
    }
    turn.computerWaitStart = 0;
    const Vector3 b = ballPosition(p);
    const double dx = target[0] - b.X, dz = target[1] - b.Z;
    const double factor = turn.powerBand == 1 ? kComputerShortFactor : kComputerLongFactor;
    turn.strokeForce = Vector3(float(dx * turn.power * factor), 0, float(dz * turn.power * factor));
    freezeSwing(turn.powerBand);
    setPutterVisible(false);
    decayPower();
}

void finishStroke()
{
    checkBallOutcome();
    MatchState& match = game.match;
    match.currentPlayer = nextPlayer(match.currentPlayer, match.playerCount, match.holedOut);
    game.turn.turnPending = 1;
    applyPutterColour();
}

void resetHolePlay()
{
    const int32_t halvings = game.turn.forceHalvings;  // left as it was; the first stop sets 1
    game.turn = TurnState{};
    game.turn.forceHalvings = halvings;
    game.turn.turnPending = 1;
    game.turn.putterPlaced = 0;
    game.outcome = OutcomeState{};
    ContactFlags& contacts = game.contacts;
    for (int32_t p = 1; p <= kMaxPlayers; ++p) {
        contacts.inCup[p] = 0;
        contacts.flagSoundLatch[p] = 0;
        contacts.metalLatch[p] = 0;
        contacts.brakeFlag[p] = 0;
        game.match.holedOut[p] = 0;
    }
    contacts.grassContact = 0;
    contacts.groundContact = 0;
}
