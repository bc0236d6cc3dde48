#include "app/main_loop.h"

#include "app/bench_log.h"
#include "app/game_state.h"
#include "app/hole_loading.h"
#include "app/replay.h"
#include "app/startup.h"
#include "course/physics_step.h"
#include "menus/screens.h"
#include "play/play_frame.h"
#include "presentation/sound_bank.h"

namespace {

constexpr const wchar_t* kCaption = L"Tallowick Mini Golf";

void drawFrame()
{
    EngineHandles& engine = game.engine;
    engine.driver->beginScene(true, true, irr::video::SColor(0, 0, 0, 0));
    engine.sceneManager->drawAll();
    engine.gui->drawAll();
}

void runFrontEnd()
{
    const MyEventReceiver& input = *game.receiver;
    updateSplash();
    handleMainMenu(input);
    handleCourseSelect(input);
    handleOptionsMenu(input);
    handleQuitDialog(input);
    handleHowToPlay(input);
    handleCredits(input);
}

void runPlayerSetupAndStart()
{
    const bool setupWasActive = game.screen.playerSetupActive;
    if (setupWasActive) handlePlayerSetup(*game.receiver);
    if ((setupWasActive || game.screen.tutorialStartRequested) && game.screen.startRequested) startMatch();
}

// Key-up events never arrive for keys held while the window loses focus, so a
// SPACE held at that moment would charge the meter unattended: release them all.
void releaseKeysOnFocusLoss()
{
    static bool wasFocused = true;
    const bool focused = replayMode() || game.engine.device->isWindowFocused();
    if (wasFocused && !focused) game.receiver->releaseAllKeys();
    wasFocused = focused;
}

void updateCaption()
{
    const int32_t fps = frameRate();
    if (fps == game.lastFrameRate) return;
    game.engine.device->setWindowCaption(kCaption);
    game.lastFrameRate = fps;
}

}  // namespace

void runMainLoop()
{
    replayBeginLoop();
    while (runDevice()) {
        releaseKeysOnFocusLoss();
        if (game.screen.holeActive) readFrameStartVelocity();
        drawFrame();
        updateCursor();
        if (game.screen.holeActive) stepPhysics();
        beforePresent();
        game.engine.driver->endScene();
        frameLogPresented();
        finishStartUp();
        keepTitleMusicPlaying();
        if (game.screen.holeActive) playFrame();
        if (!game.screen.holeActive && game.screen.holeLoadPending) loadHole();
        runFrontEnd();
        runPlayerSetupAndStart();
        updateCaption();
        afterPass();
    }
    replayFinish();
}
