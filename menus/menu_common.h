// What the front-end screens share: positions from the screen centre, the
// full-screen background and overlay, the GUI clear and the cursor image.
#pragma once

#include <string>

#include "menus/menu_elements.h"

// Integer halves of the screen size: most positions are offsets from them.
int halfWidth();
int halfHeight();
// An image with alpha, top-left at (W/2 + dx, H/2 + dy).
MenuImage addCentred(const std::string& file, int dx, int dy);
// "menuBackground.jpg" at (0, 0), without alpha.
MenuImage addMenuBackground();
// "menuImage.png" at (0, 0), scaled to cover the screen.
MenuImage addMenuOverlay();
// Clears the whole GUI; every screen's handles are forgotten with it.
void clearMenuGui();
// A new software cursor image (the GUI clear removes the old one).
void createCursorImage(int x, int y);
// Mouse-over for a rectangle with its right and bottom edges pulled in.
irr::core::recti shrunkRect(MenuImage image, int right, int bottom);
// Moves an image so that its top-left is the centre of `on` less (dx, dy).
void placeOnCentre(MenuImage image, MenuImage on, int dx, int dy);
MenuImage addOnCentre(const std::string& file, MenuImage on, int dx, int dy);
