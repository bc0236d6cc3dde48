// The quit dialog of play (ESCAPE): F gives up the hole for the player whose
// turn it is, yes abandons the match for the main menu, no goes back to play.
#include <algorithm>

#include "app/game_state.h"
#include "app/hole_loading.h"
#include "menus/menu_common.h"
#include "menus/screens.h"
#include "play/result_words.h"
#include "presentation/textures.h"

namespace {

bool playing()
{
    return game.screen.introDone && !game.outcome.holeEndFading && !game.outcome.holeEndFaded;
}

void openDialog()
{
    QuitDialogElements& d = game.menu.quitDialog;
    game.screen.quitDialogActive = 1;
    d.panel = addCentred("quit.png", -150, -135);
    d.yes.image = addCentred(d.yes.normal, -120, 25);
    d.no.image = addCentred(d.no.normal, 60, 25);
}

void closeDialog()
{
    QuitDialogElements& d = game.menu.quitDialog;
    game.screen.quitDialogActive = 0;
    removeImage(d.panel);
    removeButton(d.yes);
    removeButton(d.no);
}

// Back to play, with the arrow cursor (the click sound is the caller's).
void resumePlay()
{
    closeDialog();
    game.menu.handCursorRequested = 0;
    setPicture(game.engine.cursorImage, "cursor.png");
}

// Scene, GUI and bodies go at once; the loader's menu path resets the match.
void abandonMatch()
{
    game.engine.sceneManager->clear();
    clearMenuGui();
    NewtonDestroyAllBodies(game.world);
    game.bodies = CourseBodies{};
    game.scene = HoleScene{};
    ScreenFlags& s = game.screen;
    MatchState& match = game.match;
    s.quitDialogActive = s.playerSetupActive = 0;
    match.currentHole = kPracticeHoleId;
    match.currentPlayer = match.playerCount = 1;
    s.introDone = 1;
    game.camera = CameraState{};  // the start-up values
    dispatchHole();
    game.turn.power = 0;
    s.introDone = s.flyOverEnding = 0;
    game.menu.clickLatch = 1;
    for (int32_t p = 1; p <= kMaxPlayers; ++p) {
        match.holeStrokes[p] = match.totalToPar[p] = 0;
        match.isComputer[p] = 0;
    }
    match.courseChoice = kAllEighteen;
    match.difficulty[2] = 0;
    game.turn.swingActive = 0;
    createCursorImage(0, 0);
    stopSound(Sound::music);
}

}  // namespace

void handleQuitDialog(MyEventReceiver input)
{
    ScreenFlags& s = game.screen;
    if (!playing()) {
        // The hole is ending (or a new one is being built): a dialog still open goes,
        // as its images would not outlive the hole change.
        if (s.quitDialogActive && s.holeActive) closeDialog();
        return;
    }
    if (!s.quitDialogActive) {
        if (input.keyIsDown[irr::KEY_ESCAPE]) openDialog();
        return;
    }
    QuitDialogElements& d = game.menu.quitDialog;
    if (input.keyIsDown[irr::KEY_KEY_F]) {
        MatchState& match = game.match;
        // Giving up scores the stroke limit: a hole abandoned after one stroke must not count under par.
        int32_t& strokes = match.holeStrokes[match.currentPlayer];
        strokes = std::max(strokes, match.holePar + kStrokeLimitOverPar);
        match.holedOut[match.currentPlayer] = 1;
        resumePlay();
        playSound(Sound::click);
        return;
    }
    if (updateButton(d.yes, input, Sound::click)) {
        abandonMatch();
        return;
    }
    if (updateButton(d.no, input, Sound::click)) {
        resumePlay();
        return;
    }
    releaseClickLatch(input);
    game.menu.handCursorRequested = d.yes.hovered || d.no.hovered;
}
