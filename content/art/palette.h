// The game's colours: the warm frontier palette that every picture and texture
// draws from, the nine ball colours, and gradients through colour stops.
#pragma once

#include <initializer_list>

#include "content/art/image.h"

namespace palette {

// Frontier town
inline const Rgba sand = rgb(222, 190, 140);
inline const Rgba paleSand = rgb(240, 218, 178);
inline const Rgba rust = rgb(168, 74, 38);
inline const Rgba saddleBrown = rgb(139, 69, 19);
inline const Rgba darkWood = rgb(74, 44, 24);
inline const Rgba weatheredWood = rgb(150, 118, 84);
inline const Rgba skyBlue = rgb(112, 170, 222);
inline const Rgba cactusGreen = rgb(84, 128, 64);
inline const Rgba grassGreen = rgb(70, 140, 52);
inline const Rgba brickRed = rgb(156, 72, 50);
inline const Rgba mortar = rgb(198, 184, 160);
inline const Rgba parchment = rgb(236, 218, 176);
inline const Rgba brass = rgb(196, 154, 72);
inline const Rgba steel = rgb(168, 172, 178);
inline const Rgba charcoal = rgb(40, 34, 30);
inline const Rgba cream = rgb(250, 242, 222);

}  // namespace palette

// The nine player colours in colour-code order (1 red .. 9 white) with the word
// their files are named by ("indgo" is how the indigo files are spelled).
struct PlayerColour {
    const char* word;
    Rgba colour;
};
inline const PlayerColour kPlayerColours[9] = {
    {"red", rgb(206, 32, 36)},     {"orange", rgb(240, 122, 24)}, {"yellow", rgb(246, 208, 40)},
    {"green", rgb(46, 156, 64)},   {"indgo", rgb(72, 52, 178)},   {"blue", rgb(34, 120, 226)},
    {"purple", rgb(150, 48, 168)}, {"black", rgb(34, 34, 38)},    {"white", rgb(244, 244, 240)},
};

// A colour along evenly spaced stops, t from 0 (first stop) to 1 (last).
Rgba gradient(std::initializer_list<Rgba> stops, float t);
// Colour times brightness, and a colour pushed towards grey (amount 0..1).
Rgba shade(const Rgba& c, float brightness);
Rgba desaturated(const Rgba& c, float amount);
