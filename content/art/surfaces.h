// Procedural surface textures for the town and the course: wood grain, planks,
// bricks and mortar, sand, grass, metal and rust, parchment. Each comes as a
// colour picture and a height field (for normal maps), tiles seamlessly in both
// directions, and depends only on its arguments (same seed, same pixels).
//
//   TextureLayers bricks = brickTexture(512, 512, BrickStyle{}, 7);
//   output.write("Textures/brick.jpg", encodeJpeg(bricks.colour));
//   output.write("Textures/brickNormal.jpg", encodeJpeg(normalMap(bricks.height, 3.0f)));
#pragma once

#include <cstdint>
#include <vector>

#include "content/art/image.h"
#include "content/art/palette.h"

// Heights 0..1 per pixel, row 0 at the top.
struct HeightField {
    int width = 0;
    int height = 0;
    std::vector<float> values;

    HeightField() = default;
    HeightField(int w, int h, float fill = 0.5f) : width(w), height(h), values(size_t(w) * h, fill) {}
    float& at(int x, int y) { return values[size_t(y) * width + x]; }
    float at(int x, int y) const { return values[size_t(y) * width + x]; }
    float wrapped(int x, int y) const { return at(((x % width) + width) % width, ((y % height) + height) % height); }
};

struct TextureLayers {
    Image colour;
    HeightField height;
};

// Tiling value noise over the unit square with its own number of cells across (u)
// and down (v): stretched cells give streaks (grain, brushing). 0..1.
float tilingNoise(float u, float v, int cellsU, int cellsV, int octaves, uint32_t seed);

// A tangent-space normal map (x to the right, y up the picture, z out; encoded
// as 0.5 + 0.5 n) from heights; strength is the height in pixels of a 0..1 step.
Image normalMap(const HeightField& heights, float strength);

struct WoodStyle {
    Rgba light = rgb(186, 136, 88);
    Rgba dark = rgb(112, 70, 38);
    int rings = 5;          // growth rings across the picture
    float knots = 0.5f;     // 0 = none
};
// Grain running down the picture.
TextureLayers woodGrainTexture(int width, int height, const WoodStyle& style, uint32_t seed);

struct PlankStyle {
    int planks = 4;              // boards across the picture, running down it
    float gap = 0.035f;          // dark gap between boards, fraction of a board's width
    bool nails = true;
    float weathering = 0.35f;    // 0 fresh .. 1 grey and split
    WoodStyle wood;
};
TextureLayers plankTexture(int width, int height, const PlankStyle& style, uint32_t seed);

struct BrickStyle {
    int rows = 8;                // brick courses (rounded up to even, for the running bond to tile)
    int columns = 4;             // bricks per course
    float mortarPixels = 3.0f;   // joint width
    Rgba brick = palette::brickRed;
    Rgba brickDark = rgb(110, 48, 34);
    Rgba brickLight = rgb(196, 112, 72);
    Rgba mortar = palette::mortar;
};
TextureLayers brickTexture(int width, int height, const BrickStyle& style, uint32_t seed);

TextureLayers sandTexture(int size, uint32_t seed);
// Short putting-green grass.
TextureLayers grassTexture(int size, uint32_t seed);
// Brushed steel (streaks run across the picture).
TextureLayers metalTexture(int size, uint32_t seed);
// Steel eaten by rust; coverage 0..1 is how much of it has rusted.
TextureLayers rustTexture(int size, float coverage, uint32_t seed);
TextureLayers parchmentTexture(int width, int height, uint32_t seed);
