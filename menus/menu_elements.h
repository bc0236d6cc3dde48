// The images of each front-end screen (the GUI environment owns them) and the
// screens' own state. Handles go stale when the GUI is cleared; every screen
// creates its images anew when it is built.
#pragma once

#include <cstdint>

#include <irrlicht.h>

#include "menus/button.h"

using MenuImage = irr::gui::IGUIImage*;

struct MainMenuElements {
    MenuImage background = nullptr;
    MenuImage overlay = nullptr;
    MenuImage panel = nullptr;
    MenuImage logo = nullptr;
    MenuButton play{nullptr, "play.png", "playhover.png"};
    MenuButton options{nullptr, "optionButton.png", "optionButtonPress.png"};
    MenuButton howToPlay{nullptr, "howtoplay.png", "howtoplayhover.png"};
    MenuButton credits{nullptr, "credits.png", "creditshover.png"};
    MenuButton quit{nullptr, "quitb.png", "quitbhover.png"};
};

struct CourseSelectElements {
    MenuImage background = nullptr;
    MenuImage overlay = nullptr;
    MenuImage panel = nullptr;
    MenuImage title = nullptr;
    MenuImage frame = nullptr;
    MenuImage picture = nullptr;
    MenuImage courseName = nullptr;
    MenuImage emblem = nullptr;
    MenuImage holesLabel = nullptr;
    MenuImage holeRange = nullptr;
    MenuButton rightArrow{nullptr, "arrowRight.png", "arrowRightHover.png", "arrowRightPress.png"};
    MenuButton leftArrow{nullptr, "arrowLeft.png", "arrowLeftHover.png", "arrowLeftPress.png"};
    MenuButton back{nullptr, "back.png", "backhover.png", "backpress.png"};
    MenuButton next{nullptr, "next.png", "nexthover.png", "next.png"};
    int32_t pictureIndex = 0;  // 0..7: the slideshow shows picture<pictureIndex + 1>.jpg
};

constexpr int kOptionRows = 7;  // resolution, then the six flags of the options file

struct OptionRowElements {
    MenuImage label = nullptr;
    MenuImage value = nullptr;
    MenuButton rightArrow{nullptr, "arrowRight.png", "arrowRightHover.png", "arrowRightPress.png"};
    MenuButton leftArrow{nullptr, "arrowLeft.png", "arrowLeftHover.png", "arrowLeftPress.png"};
};

struct OptionsMenuElements {
    MenuImage overlay = nullptr;
    MenuImage panel = nullptr;
    MenuImage title = nullptr;
    MenuImage restartNotice = nullptr;
    OptionRowElements rows[kOptionRows];
    MenuButton back{nullptr, "back.png", "backhover.png", "backpress.png"};
};

constexpr int kColourCount = 9;

// One row of the player set-up: open (table and controls) or closed (the strip).
struct PlayerRowElements {
    MenuImage table = nullptr;
    MenuImage label = nullptr;
    MenuImage colour[kColourCount + 1] = {};  // by colour code 1..9
    MenuImage human = nullptr;
    MenuImage computer = nullptr;
    MenuImage difficulty[4] = {};  // 1 easy, 2 medium, 3 hard
    MenuImage colourMarker = nullptr;
    MenuImage kindMarker = nullptr;
    MenuImage difficultyMarker = nullptr;
    MenuImage close = nullptr;
    MenuImage strip = nullptr;  // the closed row
};

struct PlayerSetupElements {
    MenuImage background = nullptr;
    MenuImage overlay = nullptr;
    MenuImage panel = nullptr;
    MenuImage title = nullptr;
    PlayerRowElements rows[5];  // rows 1..4
    MenuButton back{nullptr, "back.png", "backhover.png"};
    MenuButton start{nullptr, "startButton.png", "startButtonPress.png"};
    uint8_t rowOpen[5] = {0, 1, 0, 0, 0};     // rows 2..4; row 1 is always open
    uint8_t rowHovered[5] = {};               // rows 2..4
    uint8_t colourIconHovered = 0;            // over one of row 1's colour icons
};

struct TutorialElements {
    MenuImage page = nullptr;
    MenuButton next{nullptr, "next.png", "nexthover.png"};
};

struct CreditsElements {
    MenuImage panel = nullptr;
    MenuButton back{nullptr, "back.png", "backhover.png", "backpress.png"};
};

struct QuitDialogElements {
    MenuImage panel = nullptr;
    MenuButton yes{nullptr, "yes.png", "yeshover.png"};
    MenuButton no{nullptr, "no.png", "nohover.png"};
};
