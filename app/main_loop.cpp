#include "app/main_loop.h"

#include <GL/gl.h>

#include <algorithm>

#include "app/bench_log.h"
#include "app/frame_pacing.h"
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

// While the fly-over's letterbox is up, the scene is drawn only between its bars: the
// software rasteriser would shade a fifth of the screen for nothing.
bool scissorToLetterbox()
{
    const HudElements& hud = game.hud;
    if (game.engine.driver->getDriverType() != irr::video::EDT_OPENGL) return false;
    if (!hud.letterboxTop || !hud.letterboxBottom || !hud.letterboxTop->isVisible() || !hud.letterboxBottom->isVisible())
        return false;
    const irr::s32 height = irr::s32(game.engine.driver->getScreenSize().Height);
    const irr::s32 top = std::max(0, hud.letterboxTop->getAbsolutePosition().LowerRightCorner.Y);
    const irr::s32 bottom = std::min(height, hud.letterboxBottom->getAbsolutePosition().UpperLeftCorner.Y);
    if (bottom <= top) return false;
    glEnable(GL_SCISSOR_TEST);
    glScissor(0, height - bottom, irr::s32(game.engine.driver->getScreenSize().Width), bottom - top);  // GL rows run bottom-up
    return true;
}

void drawFrame()
{
    EngineHandles& engine = game.engine;
    engine.driver->beginScene(true, true, irr::video::SColor(0, 0, 0, 0));
    const bool scissored = scissorToLetterbox();
    engine.sceneManager->drawAll();
    if (scissored) glDisable(GL_SCISSOR_TEST);
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
        refillSoundStreams();
        keepTitleMusicPlaying();
        if (game.screen.holeActive) playFrame();
        if (!game.screen.holeActive && game.screen.holeLoadPending) loadHole();
        runFrontEnd();
        runPlayerSetupAndStart();
        updateCaption();
        afterPass();
        framePacingPass();
    }
    replayFinish();
}
