// The main menu: play, options, how to play, credits and quit over the town.
#include <cstdlib>

#include "app/game_state.h"
#include "menus/menu_common.h"
#include "menus/screens.h"
#include "presentation/textures.h"

namespace {

void buildPanelAndButtons()
{
    MainMenuElements& m = game.menu.mainMenu;
    m.panel = addCentred("menuBack.png", -175, -180);
    m.play.image = addCentred(m.play.normal, -84, -160);
    m.options.image = addCentred(m.options.normal, -84, -90);
    m.howToPlay.image = addCentred(m.howToPlay.normal, -113, -20);
    m.credits.image = addCentred(m.credits.normal, -97, 50);
    m.quit.image = addCentred(m.quit.normal, -84, 120);
    m.logo = addCentred("tallowick.png", -165, -295);
}

void removePanelAndButtons()
{
    MainMenuElements& m = game.menu.mainMenu;
    removeImage(m.panel);
    for (MenuButton* button : {&m.play, &m.options, &m.howToPlay, &m.credits, &m.quit}) removeButton(*button);
    removeImage(m.logo);
}

// Clears the flag and removes every element of the main menu.
void leaveMainMenu()
{
    game.screen.mainMenuActive = 0;
    removePanelAndButtons();
    removeImage(game.menu.mainMenu.background);
    removeImage(game.menu.mainMenu.overlay);
}

// How to play: the practice hole for one human player, straight from here.
void startPractice()
{
    leaveMainMenu();
    ScreenFlags& s = game.screen;
    s.tutorialActive = s.startRequested = s.tutorialStartRequested = 1;
    game.match.playerCount = 1;
    game.match.currentHole = kPracticeRequestId;
    game.match.ballColour[1] = std::rand() % kColourCount + 1;
}

void openCredits()
{
    game.screen.creditsActive = 1;
    buildCredits();
    game.screen.mainMenuActive = 0;
    removePanelAndButtons();
}

}  // namespace

void buildMainMenu()
{
    MainMenuElements& m = game.menu.mainMenu;
    m.background = addMenuBackground();
    m.overlay = addMenuOverlay();
    buildPanelAndButtons();
}

void rebuildMainMenuPanel() { buildPanelAndButtons(); }

void handleMainMenu(MyEventReceiver input)
{
    if (!game.screen.mainMenuActive) return;
    MainMenuElements& m = game.menu.mainMenu;
    game.menu.handCursorRequested = 0;
    // Each button that leaves the menu ends this frame's handling.
    if (updateButton(m.play, input)) {
        game.screen.courseSelectActive = 1;
        buildCourseSelect();
        leaveMainMenu();
        return;
    }
    if (updateButton(m.options, input)) {
        leaveMainMenu();
        game.screen.optionsActive = 1;
        buildOptionsMenu();
        return;
    }
    if (updateButton(m.howToPlay, input)) {
        startPractice();
        return;
    }
    if (updateButton(m.credits, input)) {
        openCredits();
        return;
    }
    if (updateButton(m.quit, input)) {
        game.engine.device->closeDevice();
        return;
    }
    game.menu.handCursorRequested = m.play.hovered || m.options.hovered || m.howToPlay.hovered ||
                                    m.credits.hovered || m.quit.hovered;
    releaseClickLatch(input);
}
