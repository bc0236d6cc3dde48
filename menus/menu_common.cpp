#include "menus/menu_common.h"

#include <algorithm>

#include "app/game_state.h"
#include "presentation/textures.h"

int halfWidth() { return game.options.screenWidth / 2; }
int halfHeight() { return game.options.screenHeight / 2; }

MenuImage addCentred(const std::string& file, int dx, int dy)
{
    return addImage(file, halfWidth() + dx, halfHeight() + dy);
}

MenuImage addMenuBackground()
{
    return game.engine.gui->addImage(picture("menuBackground.jpg"), {0, 0}, false);
}

MenuImage addMenuOverlay()
{
    MenuImage overlay = addImage("menuImage.png", 0, 0);
    overlay->setMinSize({irr::u32(std::max(game.options.screenWidth, 1)),
                         irr::u32(std::max(game.options.screenHeight, 1))});
    overlay->setScaleImage(true);
    return overlay;
}

void clearMenuGui()
{
    game.engine.gui->clear();
    MenuState& menu = game.menu;
    menu.mainMenu = {};
    menu.courseSelect = {};
    menu.optionsMenu = {};
    menu.credits = {};
    menu.quitDialog = {};
    menu.tutorialPages = {};
    menu.playerSetup = {};
    game.engine.cursorImage = nullptr;
    game.engine.splashImage = nullptr;
    game.engine.loadingImage = nullptr;
    game.engine.screenFader = nullptr;
    game.hud = HudElements{};
}

void createCursorImage(int x, int y) { game.engine.cursorImage = addImage("cursorHand.png", x, y); }

irr::core::recti shrunkRect(MenuImage image, int right, int bottom)
{
    if (!image || !image->isVisible()) return {};
    irr::core::recti r = image->getAbsolutePosition();
    r.LowerRightCorner.X -= right;
    r.LowerRightCorner.Y -= bottom;
    return r;
}

void placeOnCentre(MenuImage image, MenuImage on, int dx, int dy)
{
    if (!image || !on) return;
    const irr::core::recti r = on->getAbsolutePosition();
    moveImage(image, (r.UpperLeftCorner.X + r.LowerRightCorner.X) / 2 - dx,
              (r.UpperLeftCorner.Y + r.LowerRightCorner.Y) / 2 - dy);
}

MenuImage addOnCentre(const std::string& file, MenuImage on, int dx, int dy)
{
    MenuImage image = addImage(file, 0, 0);
    placeOnCentre(image, on, dx, dy);
    return image;
}
