#include "app/hole_loading.h"

#include <malloc.h>

#include <iostream>

#include "app/bench_log.h"
#include "app/game_state.h"
#include "app/replay.h"
#include "course/ai_seats.h"
#include "course/blade.h"
#include "course/holes/hole_builder.h"
#include "menus/screens.h"
#include "play/cameras.h"
#include "play/turn_cycle.h"
#include "play/turn_rotation.h"
#include "presentation/hud.h"
#include "presentation/sound_bank.h"
#include "presentation/textures.h"
#include "presentation/vertex_buffers.h"

namespace {

constexpr irr::u32 kFadeOutMs = 1000;
constexpr irr::u32 kFadeInMs = 500;

void recreateCursor()
{
    EngineHandles& engine = game.engine;
    engine.cursorImage = addImage("cursorHand.png", 0, 0);
    engine.cursorImage->setVisible(false);
    game.menu.handCursorRequested = 0;
}

irr::gui::IGUIInOutFader* newFader()
{
    game.engine.screenFader = game.engine.gui->addInOutFader();
    return game.engine.screenFader;
}

// Empties the scene and the engine's caches of meshes and vertex buffers: nothing of the
// hole before is drawn, or held, again.
void clearScene()
{
    game.engine.sceneManager->clear();
    // The engine's model cache ignores letter case (minemill2.b3d would stand in for mineMill2.b3d): each hole loads afresh.
    game.engine.sceneManager->getMeshCache()->clear();
    // The driver's vertex buffer objects hold their meshes (the water's copy of its plane) until
    // 20000 frames after their last draw: a quick hole's would pile up over a match.
    game.engine.driver->removeAllHardwareBuffers();
}

// Builds the next hole, then hands back the textures only the hole before (or the menus) used;
// the loading image is still up, so it stays. The old hole's meshes, bodies and textures went
// back to the heap: its free pages go back to the system.
void buildNextHoleSweepingTextures()
{
    beginTextureSweep();
    dispatchHole();
    useVertexBuffersForStaticMeshes(game.engine.sceneManager->getRootSceneNode());
    sweepUnusedTextures();
    malloc_trim(0);
}

void removeLoadingImage()
{
    if (game.engine.loadingImage) game.engine.loadingImage->remove();
    game.engine.loadingImage = nullptr;
}

// Back to "no match" and the main menu.
void returnToMainMenu()
{
    ScreenFlags& s = game.screen;
    game.turn.power = 0.0;
    game.tutorial.tutorialStep = 0;
    s.holeActive = s.tutorialActive = s.startRequested = s.tutorialStartRequested = 0;
    s.playerSetupActive = s.introDone = s.flyOverEnding = 0;
    resetMatch(game.match);
    resetHolePlay();
    game.turn.putterPlaced = 1;
    resetComputerOpponents();
    game.engine.driver->removeAllTextures();
    buildMainMenu();
    s.mainMenuActive = 1;
    playSound(Sound::title);
}

}  // namespace

void showLoadingImage()
{
    game.engine.loadingImage =
        addImage("loading.png", game.options.screenWidth / 2 - 150, game.options.screenHeight / 2 - 70);
}

void startMatch()
{
    EngineHandles& engine = game.engine;
    clearScene();
    game.scene = HoleScene{};
    engine.gui->clear();
    game.hud = HudElements{};
    // Nothing of an earlier hole may survive into the match.
    NewtonDestroyAllBodies(game.world);
    game.bodies = CourseBodies{};
    game.screen.playerSetupActive = 0;
    game.screen.tutorialStartRequested = 0;
    showLoadingImage();
    game.screen.holeLoadPending = 1;
    recreateCursor();
}

void loadHole()
{
    frameLogBuildStart();
    game.screen.holeActive = 1;
    resetHolePlay();
    buildNextHoleSweepingTextures();  // the menus' pictures would otherwise stay for the whole match
    game.screen.holeLoadPending = 0;
    removeLoadingImage();
    newFader()->fadeIn(kFadeInMs);
    frameLogBuildEnd(game.match.currentHole);
}

void dispatchHole()
{
    stopSound(Sound::music);
    stopSound(Sound::sagrunsounds);
    stopSound(Sound::title);
    game.tutorial.tutorialHold = 0;
    const int32_t current = game.match.currentHole;
    if (current == kPracticeHoleId) {
        returnToMainMenu();
        return;
    }
    int32_t next = current == kPracticeRequestId ? kPracticeHoleId : successorHole(current);
    // A hole that cannot be built is passed over, so that a match never halts on an empty screen.
    while (next != kNoSuccessor && !holeBuilder(next)) {
        std::cerr << "Hole " << next << " cannot be built: passed over" << std::endl;
        if (next == game.match.lastHole || next == kPracticeHoleId) {
            returnToMainMenu();
            return;
        }
        next = successorHole(next);
    }
    if (next != kNoSuccessor) holeBuilder(next)();
    playSound(Sound::cut);
}

void changeHole()
{
    ScreenFlags& s = game.screen;
    MatchState& match = game.match;
    if (match.currentHole == match.lastHole) match.currentHole = kPracticeHoleId;
    if (!s.holeChangeActive) {
        game.engine.gui->clear();
        game.hud = HudElements{};
        newFader()->fadeOut(kFadeOutMs);
        s.holeChangeActive = 1;
        recreateCursor();
    }
    if (s.holeLoadPending) {
        frameLogBuildStart();
        game.camera.holeStartFps = frameRate();
        resetCamera();
        s.holeChangeActive = 0;
        game.outcome.scorecardShowing = 0;
        clearScene();
        irr::video::ITexture* terrain = game.scene.terrainTexture;  // released below, after the dispatch order
        game.scene = HoleScene{};
        game.scene.terrainTexture = terrain;
        NewtonDestroyAllBodies(game.world);
        game.bodies = CourseBodies{};
        resetComputerOpponents();
        match.currentPlayer = firstPlayerOfNextHole(match.holeStrokes, match.playerCount);
        for (int32_t p = 1; p <= kMaxPlayers; ++p) match.holeStrokes[p] = 0;
        if (game.scene.terrainTexture) game.engine.driver->removeTexture(game.scene.terrainTexture);
        game.scene.terrainTexture = nullptr;
        buildNextHoleSweepingTextures();
        if (game.engine.screenFader) game.engine.screenFader->fadeIn(kFadeInMs);
        resetHolePlay();
        s.introDone = 0;
        s.flyOverEnding = 0;
        removeLoadingImage();
        s.holeLoadPending = 0;
        frameLogBuildEnd(game.match.currentHole);
    }
    if (s.holeChangeActive && game.engine.screenFader && game.engine.screenFader->isReady()) {
        s.holeLoadPending = 1;
        showLoadingImage();
    }
}

void endFlyOver()
{
    ScreenFlags& s = game.screen;
    HudElements& hud = game.hud;
    if (game.camera.flySegment == 0 && !s.flyOverEnding) {
        setVisible(hud.holeTitle, false);
        setVisible(hud.parImage, false);
        setVisible(hud.flyCaption, false);
        if (game.engine.screenFader) game.engine.screenFader->fadeOut(kFadeOutMs);
        s.flyOverEnding = 1;
    } else if (!s.flyOverEnding) {
        return;
    }
    if (!game.engine.screenFader || !game.engine.screenFader->isReady()) return;
    game.engine.screenFader->fadeIn(kFadeInMs);
    restartBlade();
    s.introDone = 1;
    showPlayHud();
    showTurnBanner(game.match.currentPlayer);
    setPutterVisible(true);
    for (int32_t p = 1; p <= game.match.playerCount; ++p)
        if (game.bodies.ball[p].node) game.bodies.ball[p].node->setVisible(true);
    startCourseMusic();
}
