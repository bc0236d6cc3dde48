// The sand texture of a hole (terrianN.jpg, the game's spelling), tiling. Each hole's
// plan chooses its look, so that neighbouring holes differ a little.
#pragma once

#include <cstdint>

#include "content/art/image.h"

namespace town {

struct SandLook {
    Rgba tint{1.0f, 0.98f, 0.94f, 1};  // multiplies the sand's own colour: redder, paler, greyer
    int pebbles = 120;                 // scattered in one repeat
    uint32_t seed = 1;
};

Image sandPicture(const SandLook& look);

}  // namespace town
