#include "play/play_frame.h"

#include "app/game_state.h"
#include "app/hole_loading.h"
#include "course/ai_seats.h"
#include "play/ball_outcome.h"
#include "play/cameras.h"
#include "play/turn_cycle.h"
#include "presentation/sound_bank.h"

namespace {

constexpr float kFlyOverHoldBrake = -100.0f;  // holds the ball on the tee during the fly-over
constexpr int32_t kTutorialFirstPage = 1, kTutorialLastHeldPage = 6;

void keepPlaying(Sound sound)
{
    if (!soundPlaying(sound)) playSound(sound);
}

void runFlyOver(const MyEventReceiver& input)
{
    flyOverStep(input);
    keepPlaying(Sound::cut);
    if (!game.turn.swingActive) {
        const Vector3 v = ballVelocity(game.match.currentPlayer);
        game.turn.rollBrake = Vector3(kFlyOverHoldBrake * v.X, 0, kFlyOverHoldBrake * v.Z);
    }
}

bool tutorialHoldsStrokes()
{
    const int32_t step = game.tutorial.tutorialStep;
    return step >= kTutorialFirstPage && step <= kTutorialLastHeldPage;
}

}  // namespace

void readFrameStartVelocity()
{
    game.turn.frameStartVelocity = ballVelocity(game.match.currentPlayer);
}

void playFrame()
{
    const MyEventReceiver input = *game.receiver;
    if (!game.screen.introDone) {
        runFlyOver(input);
        return;
    }
    keepPlaying(Sound::music);
    keepPlaying(Sound::sagrunsounds);
    stopSound(Sound::cut);
    if (!game.outcome.holeEndFaded) {
        updateTurnStart(input);
        if (!tutorialHoldsStrokes()) updateStroke(game.turn.frameStartVelocity, input);
        for (int32_t p = 2; p <= kMaxPlayers; ++p)
            if (game.match.isComputer[p]) updateComputerTarget(p);
    } else {
        setPutterVisible(false);
    }
    updateOutcomeTimers();
    if (!game.turn.putterPlaced) finishStroke();
    const bool next = input.keyIsDown[irr::KEY_RETURN] || input.keyIsDown[irr::KEY_SPACE];
    if ((game.outcome.scorecardShowing && next) || game.screen.holeChangeActive) changeHole();
}
