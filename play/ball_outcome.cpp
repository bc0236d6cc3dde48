#include "play/ball_outcome.h"

#include <cmath>

#include "app/game_state.h"
#include "course/ai_seats.h"
#include "course/ball_and_putter.h"
#include "play/cameras.h"
#include "play/result_words.h"
#include "play/turn_cycle.h"
#include "presentation/hud.h"
#include "presentation/sound_bank.h"
#include "presentation/textures.h"

namespace {

constexpr float kHoledSquare = 0.5f;         // |dx| and |dz| from the flagpole below this: holed
constexpr float kTakenOutHeight = -100.0f;   // where a finished ball is kept
constexpr float kTakenOutBelow = -90.0f;
constexpr float kFellOffBelow = -50.0f;      // a ball this low has left the course
constexpr float kWorldEdge = 1190.0f;
constexpr uint32_t kBannerMs = 2000;
constexpr uint32_t kPenaltyBannerMs = 2000;
constexpr irr::u32 kPenaltyFadeOutMs = 1000, kPenaltyFadeInMs = 500;
constexpr irr::u32 kHoleEndFadeOutMs = 1000, kHoleEndFadeInMs = 1000;
constexpr int32_t kSplashIdleOffset = 5;
constexpr int32_t kNoResetHoles[] = {7, 16};  // put-backs there do not weaken the computer's next stroke

uint32_t now() { return game.engine.device->getTimer()->getTime(); }

irr::gui::IGUIInOutFader* fader() { return game.engine.screenFader; }

void placeBall(int32_t player, Vector3 position)
{
    NewtonBody* body = game.bodies.ball[player].body;
    if (!body) return;
    const float at[3] = {position.X, position.Y, position.Z};
    float matrix[16];
    translationMatrix(at, matrix);
    NewtonBodySetMatrix(body, matrix);
    const float still[3] = {0, 0, 0};
    NewtonBodySetVelocity(body, still);
}

// A finished ball leaves play. It is made static there: our physics has no world
// edge that freezes it, and it would otherwise fall for the rest of the match.
void takeOut(int32_t player)
{
    placeBall(player, Vector3(0, kTakenOutHeight, 0));
    if (game.bodies.ball[player].body) NewtonBodySetMassMatrix(game.bodies.ball[player].body, 0, 1, 1, 1);
    game.contacts.inCup[player] = 0;
}

void startResultBanner()
{
    game.outcome.resultShowing = 1;
    game.outcome.resultStart = now();
}

bool everyoneHoledOut()
{
    for (int32_t p = 1; p <= game.match.playerCount; ++p)
        if (!game.match.holedOut[p]) return false;
    return true;
}

void updateBannerTimers()
{
    OutcomeState& outcome = game.outcome;
    TurnState& turn = game.turn;
    HudElements& hud = game.hud;
    if (outcome.resultShowing && now() - outcome.resultStart > kBannerMs) {
        setVisible(hud.resultBanner, false);
        setVisible(hud.resultPlus, false);
        setVisible(hud.resultTens, false);
        outcome.resultShowing = 0;
    }
    if (turn.turnBannerShowing && now() - turn.turnBannerStart > kBannerMs) {
        setVisible(hud.turnBanner, false);
        turn.turnBannerShowing = 0;
    }
}

void updateWater()
{
    irr::scene::IParticleSystemSceneNode* splash = game.scene.waterSplash;
    if (!game.scene.waterPlane) return;
    const int32_t p = game.match.currentPlayer;
    const float w = game.scene.waterPlane->getPosition().Y;
    const Vector3 b = ballPosition(p);
    OutcomeState& outcome = game.outcome;
    if (w < b.Y) {
        outcome.splashPlayed = 0;
        if (splash) splash->setPosition({b.X, b.Y - 1, b.Z});
    }
    if (w <= b.Y) {
        if (splash) splash->setVisible(false);
        outcome.splashOffset = kSplashIdleOffset;
        return;
    }
    if (!outcome.splashPlayed && !game.match.holedOut[p]) {
        playSound(Sound::watersplash);
        outcome.splashPlayed = 1;
        addPenaltyStroke();
    }
    outcome.splashOffset -= 1;
    if (splash) {
        splash->setVisible(true);
        splash->setPosition({b.X, b.Y + float(outcome.splashOffset), b.Z});
    }
}

// A ball that leaves the course through a gap, or the world, counts as touching the sand.
void updateFellOff()
{
    const int32_t p = game.match.currentPlayer;
    if (game.match.holedOut[p] || !game.bodies.ball[p].body) return;
    const Vector3 b = ballPosition(p);
    const bool off = b.Y < kFellOffBelow || std::fabs(b.X) > kWorldEdge || std::fabs(b.Z) > kWorldEdge;
    if (!off || game.contacts.brakeFlag[p]) return;
    game.contacts.groundContact = 1;
    game.contacts.grassContact = 0;
    addPenaltyStroke();
    game.contacts.brakeFlag[p] = 1;
    const float still[3] = {0, 0, 0};
    NewtonBodySetVelocity(game.bodies.ball[p].body, still);
}

// The stroke is played again from where it was struck, so every ball it moved goes back
// too: a ball knocked along by one that then left the course would otherwise stay where
// the annulled stroke sent it. Only a ball that touched the sand counts as put back.
void putBallsBack()
{
    TurnState& turn = game.turn;
    game.contacts.groundContact = 0;
    for (int32_t q = 1; q <= game.match.playerCount; ++q) {
        if (game.match.holedOut[q] || !game.bodies.ball[q].body) continue;
        const float still[3] = {0, 0, 0};
        NewtonBodySetVelocity(game.bodies.ball[q].body, still);
        if (game.contacts.brakeFlag[q]) {
            float force[3];
            NewtonBodyGetForce(game.bodies.ball[q].body, force);
            turn.strokeForce = Vector3(-force[0], 0, -force[2]);
            const int32_t hole = game.match.currentHole;
            if (q >= 2 && hole != kNoResetHoles[0] && hole != kNoResetHoles[1]) turn.resetCount[q] += 1;
        }
        placeBall(q, turn.lastShotPosition[q]);
        if (game.match.isComputer[q]) restoreComputerPlan(q);
    }
}

void updatePenalty()
{
    TurnState& turn = game.turn;
    OutcomeState& outcome = game.outcome;
    if (!turn.penaltyPending) return;
    if (!outcome.penaltyStart) outcome.penaltyStart = now();
    if (now() - outcome.penaltyStart > kPenaltyBannerMs && !outcome.penaltyFading) {
        setVisible(game.hud.outOfBounds, false);
        if (fader()) fader()->fadeOut(kPenaltyFadeOutMs);
        outcome.penaltyFading = 1;
    }
    if (!outcome.penaltyFading || (fader() && !fader()->isReady())) return;
    putBallsBack();
    turn.penaltyPending = 0;
    outcome.penaltyFading = 0;
    if (fader()) fader()->fadeIn(kPenaltyFadeInMs);
    outcome.penaltyStart = 0;
}

void updateHoleEnd()
{
    OutcomeState& outcome = game.outcome;
    if (everyoneHoledOut() && !outcome.resultShowing) {
        if (!outcome.holeEndFaded && !outcome.holeEndFading) {
            hidePlayHud();
            if (fader()) fader()->fadeOut(kHoleEndFadeOutMs);
            outcome.holeEndFading = 1;
        } else if (outcome.holeEndFading && !outcome.holeEndFaded && (!fader() || fader()->isReady())) {
            if (fader()) fader()->fadeIn(kHoleEndFadeInMs);
            outcome.holeEndFaded = 1;
        }
        if (outcome.holeEndFaded && !outcome.scorecardShowing) {
            hidePlayHud();
            showScorecard();
            outcome.scorecardShowing = 1;
        }
    }
    if (outcome.scorecardShowing) circleCup();
}

}  // namespace

void checkBallOutcome()
{
    MatchState& match = game.match;
    const int32_t p = match.currentPlayer;
    const Vector3 b = ballPosition(p);
    const irr::core::vector3df c = game.scene.flagpole ? game.scene.flagpole->getPosition() : irr::core::vector3df();
    const float dx = b.X - c.X, dz = b.Z - c.Z;
    bool holed = false;
    if (dx > -kHoledSquare && dx < kHoledSquare && dz > -kHoledSquare && dz < kHoledSquare) {
        showHoleResult(match.holeStrokes[p] - match.holePar);
        startResultBanner();
        takeOut(p);
        game.turn.swingActive = 1;
        match.holedOut[p] = 1;
        holed = true;
    } else if (b.Y <= kTakenOutBelow) {
        match.holedOut[p] = 1;
    }
    if (holed || match.holedOut[p] || match.holeStrokes[p] < match.holePar + kStrokeLimitOverPar) return;
    showHoleResult(kTooManyStrokes);
    startResultBanner();
    takeOut(p);
    match.holedOut[p] = 1;
}

bool addPenaltyStroke()
{
    TurnState& turn = game.turn;
    if (game.contacts.grassContact || turn.penaltyPending) return false;
    playSound(Sound::watervoice);
    setVisible(game.hud.outOfBounds, true);
    turn.penaltyPending = 1;
    MatchState& match = game.match;
    match.holeStrokes[match.currentPlayer] += 1;
    drawStrokeCount(match.holeStrokes[match.currentPlayer]);
    return true;
}

void updateOutcomeTimers()
{
    updateBannerTimers();
    updateWater();
    updateFellOff();
    updatePenalty();
    updateHoleEnd();
}
