// The shared look of every 2D picture: palette, sign boards, paper notices,
// buttons with their lit and pressed states, and lettering presets.
#pragma once

#include <string>

#include "content/art/image.h"
#include "content/art/panels.h"
#include "content/art/text.h"

struct ContentOutput;

namespace pictures {

// The frontier-town palette.
inline const Rgba kSand = rgb(222, 190, 140);
inline const Rgba kRust = rgb(168, 72, 38);
inline const Rgba kSaddle = rgb(139, 84, 40);
inline const Rgba kDarkWood = rgb(92, 60, 36);
inline const Rgba kPaleWood = rgb(196, 160, 112);
inline const Rgba kSky = rgb(110, 170, 215);
inline const Rgba kCactus = rgb(86, 130, 70);
inline const Rgba kInk = rgb(52, 28, 12);
inline const Rgba kCream = rgb(255, 242, 208);
inline const Rgba kGold = rgb(246, 196, 90);
inline const Rgba kGlow = rgb(255, 214, 110, 0.9f);

// "p" + 3 + ".png": built by appending (GCC 12 warns falsely on short literal + to_string).
std::string numbered(const char* prefix, int number, const char* suffix = "");

// Writes Textures/<name> as PNG or JPEG by its extension.
void savePicture(ContentOutput& output, const std::string& name, const Image& image);

// A weathered plank board with bevel, rim wear, an outline and optional nails.
struct BoardStyle {
    Rgba wood = kSaddle;
    int plankHeight = 18;
    float radius = 6;
    float bevelWidth = 4;
    bool nails = true;
    bool shadow = true;
    uint32_t seed = 1;
    float paint = 0;       // 0 bare wood; 1 fully painted with `paintColour`, worn at the rim
    Rgba paintColour = kRust;
};
void drawBoard(Image& image, int x, int y, int w, int h, const BoardStyle& style);

// A paper notice: torn edges, burnt rim, stains.
void drawParchment(Image& image, int x, int y, int w, int h, uint32_t seed, bool shadow = true);

// A rope running around a rectangle, and brass corner plates on one.
void drawRopeFrame(Image& image, float x, float y, float w, float h, float thickness);
void drawBrassCorners(Image& image, int x, int y, int w, int h, int size);

// Lettering presets: painted cream letters with a dark outline (reads anywhere),
// gold title letters, dark ink for paper.
LetteringStyle paintedLettering();
LetteringStyle goldLettering();
LetteringStyle inkLettering();
TextStyle paperText(float size);     // body text on paper
TextStyle paperHeading(float size);

// Lettering at a fixed em size (so that a row of signs matches), centred in the box with
// the capitals centred vertically; smaller only where the words would not fit the width.
void drawSignWords(Image& image, const std::string& text, int x, int y, int w, int h, float em,
                   const LetteringStyle& style);

// A picture of words alone, fitted in the box with transparent surroundings.
Image wordPicture(int w, int h, const std::string& text, const LetteringStyle& style);

// The three states of a button.
struct ButtonSet {
    Image normal, lit, pressed;
};
// A painted plank sign with lettering, inset to leave room for the glow and shadow.
ButtonSet signButton(int w, int h, const std::string& text, const Rgba& paint, uint32_t seed);
// Lit and pressed states from any normal picture.
Image litVersion(const Image& normal);
Image pressedVersion(const Image& normal);

}  // namespace pictures
