// The images of each front-end screen (the GUI environment owns them).
#pragma once

#include <irrlicht.h>

#include "menus/button.h"

struct MainMenuElements {
    irr::gui::IGUIImage* background = nullptr;
    irr::gui::IGUIImage* overlay = nullptr;
    irr::gui::IGUIImage* panel = nullptr;
    irr::gui::IGUIImage* logo = nullptr;
    MenuButton play{nullptr, "play.png", "playhover.png"};
    MenuButton options{nullptr, "optionButton.png", "optionButtonPress.png"};
    MenuButton howToPlay{nullptr, "howtoplay.png", "howtoplayhover.png"};
    MenuButton credits{nullptr, "credits.png", "creditshover.png"};
    MenuButton quit{nullptr, "quitb.png", "quitbhover.png"};
};
