#include "app/hole_loading.h"

#include "app/game_state.h"

void showLoadingImage()
{
    EngineHandles& engine = game.engine;
    engine.loadingImage = engine.gui->addImage(
        engine.driver->getTexture("../Contents/Textures/loading.png"),
        irr::core::position2di(game.options.screenWidth / 2 - 150, game.options.screenHeight / 2 - 70), true);
}

void startMatch()
{
    EngineHandles& engine = game.engine;
    engine.sceneManager->clear();
    engine.gui->clear();
    game.screen.playerSetupActive = 0;
    game.screen.tutorialStartRequested = 0;
    showLoadingImage();
    game.screen.holeLoadPending = 1;
    engine.cursorImage = engine.gui->addImage(engine.driver->getTexture("../Contents/Textures/cursorHand.png"),
                                              irr::core::position2di(0, 0), true);
    engine.cursorImage->setVisible(false);
}

void loadHole() {}
void dispatchHole() {}
void changeHole() {}
void endFlyOver() {}
