// The menu button: an image with normal, hover and (for some) pressed pictures,
// a strict rectangle hit test and the shared click latch.
#pragma once

#include <string>

#include <irrlicht.h>

#include "app/input_receiver.h"
#include "presentation/sound_bank.h"

struct MenuButton {
    irr::gui::IGUIImage* image = nullptr;
    const char* normal = "";
    const char* hover = "";
    const char* pressed = nullptr;  // shown from the click while the press lasts; none keeps the picture
    bool hovered = false;
};

// Over when left < x < right and top < y < bottom: border pixels do not count.
bool mouseOver(irr::gui::IGUIImage* image);
bool mouseOver(const irr::core::recti& rect);
// Hover picture and flag, every frame; then true when it fires this frame (and
// the click latch is set). Firing plays `sound`.
bool updateButton(MenuButton& button, const MyEventReceiver& input, Sound sound = Sound::putt2);
// The same, but the hover and normal pictures are set only while the latch is
// clear, and a click shows the pressed picture: it stays for as long as the press lasts.
bool updateLatchedButton(MenuButton& button, const MyEventReceiver& input, Sound sound = Sound::putt2);
// A click on the image (without a hover picture), under the same latch.
bool clicked(irr::gui::IGUIImage* image, const MyEventReceiver& input);
// The same on a rectangle of the screen.
bool clicked(const irr::core::recti& rect, const MyEventReceiver& input);
// At the end of a handler: the latch opens once the last mouse event is anything but a press.
void releaseClickLatch(const MyEventReceiver& input);
void removeImage(irr::gui::IGUIImage*& image);
void removeButton(MenuButton& button);
// Creates the button's image with its normal picture, top-left at (x, y).
void placeButton(MenuButton& button, int x, int y);
