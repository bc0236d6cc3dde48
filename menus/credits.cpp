// The credits panel over the main menu's background.
#include "app/game_state.h"
#include "menus/menu_common.h"
#include "menus/screens.h"

void buildCredits()
{
    CreditsElements& c = game.menu.credits;
    c.panel = addCentred("creditsmenu.png", -185, -208);
    c.back.image = addCentred(c.back.normal, 35, 140);
}

void handleCredits(MyEventReceiver input)
{
    if (!game.screen.creditsActive) return;
    CreditsElements& c = game.menu.credits;
    if (updateLatchedButton(c.back, input)) {
        game.screen.creditsActive = 0;
        game.screen.mainMenuActive = 1;
        rebuildMainMenuPanel();
        removeImage(c.panel);
        removeButton(c.back);
    }
    game.menu.handCursorRequested = c.back.hovered;
    releaseClickLatch(input);
}
