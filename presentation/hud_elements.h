// The pictures over the 3D view during play; rebuilt for every hole.
#pragma once

#include <irrlicht.h>

#include "play/match_state.h"

struct HudElements {
    using Image = irr::gui::IGUIImage*;
    Image playerLabel[kMaxPlayers + 1] = {};
    Image strokeOnes[kMaxPlayers + 1] = {};
    Image strokeTens[kMaxPlayers + 1] = {};
    Image turnBanner = nullptr;
    Image letterboxTop = nullptr;
    Image letterboxBottom = nullptr;
    Image flyCaption = nullptr;
    Image cameraIcon = nullptr;
    Image powerMeter = nullptr;
    Image resultBanner = nullptr;
    Image resultTens = nullptr;
    Image resultPlus = nullptr;
    Image outOfBounds = nullptr;
    Image holeTitle = nullptr;
    Image parImage = nullptr;
    Image totalHeader = nullptr;
    Image scoreOnes[kMaxPlayers + 1] = {};
    Image scoreTens[kMaxPlayers + 1] = {};
    Image scoreSign[kMaxPlayers + 1] = {};
    Image totalSign[kMaxPlayers + 1] = {};
    Image medal[kMaxPlayers + 1] = {};
    Image winnerBanner = nullptr;
};
