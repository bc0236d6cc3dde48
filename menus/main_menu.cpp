// The main menu: play, options, how to play, credits and quit over the town.
#include "app/game_state.h"
#include "menus/screens.h"
#include "presentation/textures.h"

namespace {

int W() { return game.options.screenWidth; }
int H() { return game.options.screenHeight; }

void placeButton(MenuButton& button, int x, int y) { button.image = addImage(button.normal, x, y); }

void buildPanelAndButtons()
{
    MainMenuElements& m = game.menu.mainMenu;
    m.panel = addImage("menuBack.png", W() / 2 - 175, H() / 2 - 180);
    placeButton(m.play, W() / 2 - 84, H() / 2 - 160);
    placeButton(m.options, W() / 2 - 84, H() / 2 - 90);
    placeButton(m.howToPlay, W() / 2 - 113, H() / 2 - 20);
    placeButton(m.credits, W() / 2 - 97, H() / 2 + 50);
    placeButton(m.quit, W() / 2 - 84, H() / 2 + 120);
    m.logo = addImage("tallowick.png", W() / 2 - 165, H() / 2 - 295);
}

void removePanelAndButtons()
{
    MainMenuElements& m = game.menu.mainMenu;
    for (irr::gui::IGUIImage** image : {&m.panel, &m.play.image, &m.options.image, &m.howToPlay.image,
                                         &m.credits.image, &m.quit.image, &m.logo})
        removeImage(*image);
}

// Clears the flag and removes every element of the main menu.
void leaveMainMenu()
{
    game.screen.mainMenuActive = 0;
    removePanelAndButtons();
    removeImage(game.menu.mainMenu.background);
    removeImage(game.menu.mainMenu.overlay);
}

void startPractice()
{
    leaveMainMenu();
    ScreenFlags& s = game.screen;
    s.tutorialActive = s.startRequested = s.tutorialStartRequested = 1;
    game.match.playerCount = 1;
    game.match.currentHole = kPracticeRequestId;
    game.match.ballColour[1] = std::rand() % 9 + 1;
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
    m.background = game.engine.gui->addImage(texture("menuBackground.jpg"), {0, 0}, false);
    m.overlay = addImage("menuImage.png", 0, 0);
    m.overlay->setMinSize({irr::u32(std::max(W(), 1)), irr::u32(std::max(H(), 1))});
    m.overlay->setScaleImage(true);
    buildPanelAndButtons();
}

void rebuildMainMenuPanel() { buildPanelAndButtons(); }

void handleMainMenu(MyEventReceiver input)
{
    if (!game.screen.mainMenuActive) return;
    MainMenuElements& m = game.menu.mainMenu;
    game.menu.handCursorRequested = 0;
    if (updateButton(m.play, input)) {
        game.screen.courseSelectActive = 1;
        buildCourseSelect();
        leaveMainMenu();
    } else if (updateButton(m.options, input)) {
        leaveMainMenu();
        game.screen.optionsActive = 1;
        buildOptionsMenu();
    } else if (updateButton(m.howToPlay, input)) {
        startPractice();
    } else if (updateButton(m.credits, input)) {
        openCredits();
    } else if (updateButton(m.quit, input)) {
        game.engine.device->closeDevice();
    }
    game.menu.handCursorRequested = m.play.hovered || m.options.hovered || m.howToPlay.hovered ||
                                    m.credits.hovered || m.quit.hovered;
    releaseClickLatch(input);
}
