#include "menus/button.h"

#include "app/game_state.h"
#include "app/replay.h"
#include "presentation/textures.h"

bool mouseOver(const irr::core::recti& r)
{
    const irr::core::position2di m = mousePosition();
    return r.UpperLeftCorner.X < m.X && m.X < r.LowerRightCorner.X && r.UpperLeftCorner.Y < m.Y &&
           m.Y < r.LowerRightCorner.Y;
}

bool mouseOver(irr::gui::IGUIImage* image)
{
    return image && image->isVisible() && mouseOver(image->getAbsolutePosition());
}

bool clicked(const irr::core::recti& rect, const MyEventReceiver& input)
{
    if (!mouseOver(rect) || input.lastMouseEvent != irr::EMIE_LMOUSE_PRESSED_DOWN || game.menu.clickLatch)
        return false;
    game.menu.clickLatch = 1;
    return true;
}

bool clicked(irr::gui::IGUIImage* image, const MyEventReceiver& input)
{
    return image && image->isVisible() && clicked(image->getAbsolutePosition(), input);
}

bool updateButton(MenuButton& button, const MyEventReceiver& input, Sound sound)
{
    if (!button.image) return false;
    button.hovered = mouseOver(button.image);
    setPicture(button.image, button.hovered ? button.hover : button.normal);
    if (button.hovered) game.menu.handCursorRequested = 1;
    if (!clicked(button.image, input)) return false;
    playSound(sound);
    return true;
}

bool updateLatchedButton(MenuButton& button, const MyEventReceiver& input, Sound sound)
{
    if (!button.image) return false;
    button.hovered = mouseOver(button.image);
    if (!game.menu.clickLatch) setPicture(button.image, button.hovered ? button.hover : button.normal);
    if (button.hovered) game.menu.handCursorRequested = 1;
    if (!clicked(button.image, input)) return false;
    if (button.pressed) setPicture(button.image, button.pressed);
    playSound(sound);
    return true;
}

void releaseClickLatch(const MyEventReceiver& input)
{
    if (input.lastMouseEvent != irr::EMIE_LMOUSE_PRESSED_DOWN) game.menu.clickLatch = 0;
}

void removeImage(irr::gui::IGUIImage*& image)
{
    if (image) image->remove();
    image = nullptr;
}

void removeButton(MenuButton& button)
{
    removeImage(button.image);
    button.hovered = false;
}

void placeButton(MenuButton& button, int x, int y) { button.image = addImage(button.normal, x, y); }
