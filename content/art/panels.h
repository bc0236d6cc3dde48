// 2D building blocks for the front end and the HUD: anti-aliased shapes as
// coverage masks, the frontier-town materials (weathered planks, parchment,
// brass, rope), bevels, shadows and glows, lines of text at a fixed size, and
// the lit and pressed variants of a button picture.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "content/art/image.h"
#include "content/art/text.h"

// A coverage mask (0..1); the text masks of text.h serve for shapes too.
using Mask = TextMask;
using ColourAt = std::function<Rgba(int x, int y)>;

struct Point {
    float x = 0, y = 0;
};

// Shapes, anti-aliased, in a mask of exactly w x h.
Mask rectMask(int w, int h);
Mask roundedRectMask(int w, int h, float radius);
Mask ellipseMask(int w, int h);
Mask polygonMask(int w, int h, const std::vector<Point>& points);  // even-odd fill
// A rectangle whose edges wander by up to `amplitude` px, like torn paper.
Mask raggedRectMask(int w, int h, float amplitude, uint32_t seed);
// Mask arithmetic, same sizes: a * b, a + b (clamped), a * (1 - b).
Mask intersected(const Mask& a, const Mask& b);
Mask united(const Mask& a, const Mask& b);
Mask subtracted(const Mask& a, const Mask& b);
// Distance inwards from the mask's edge in pixels, capped at `limit`.
std::vector<float> insideDistance(const Mask& mask, int limit);

// Paints the mask at (x, y) with a colour that may vary per pixel (mask coordinates).
void fillMask(Image& image, const Mask& mask, int x, int y, const ColourAt& colourAt, float opacity = 1.0f);
void fillMask(Image& image, const Mask& mask, int x, int y, const Rgba& colour, float opacity = 1.0f);
// Soft shadow of the mask, offset and blurred.
void dropShadow(Image& image, const Mask& mask, int x, int y, int dx, int dy, int blur, float opacity);
// A soft halo around the mask (for lit buttons).
void glowAround(Image& image, const Mask& mask, int x, int y, float radius, const Rgba& colour);
// Light from the top left: brightens the upper-left rim and darkens the lower-right one.
void bevel(Image& image, const Mask& mask, int x, int y, float width, float strength);
// Darkens the inside of the mask towards its edge (burnt or weathered rims).
void edgeDarken(Image& image, const Mask& mask, int x, int y, float width, float strength, const Rgba& tint);
// A thin line along the inside of the mask's edge.
void strokeInside(Image& image, const Mask& mask, int x, int y, float inset, float width, const Rgba& colour);

// Materials (colour at a pixel).
Rgba woodAt(float x, float y, uint32_t seed, const Rgba& base);  // grain runs along x
Rgba parchmentAt(float x, float y, uint32_t seed);
Rgba brassAt(float x, float y, float height);                    // vertical sheen over a height
// Horizontal planks filling a mask: seams, grain, per-plank tone and weathering.
void fillPlanks(Image& image, const Mask& mask, int x, int y, int plankHeight, const Rgba& base, uint32_t seed);
// Vertical boards (walls of town buildings).
void fillBoards(Image& image, const Mask& mask, int x, int y, int boardWidth, const Rgba& base, uint32_t seed);

// Details.
void drawNail(Image& image, float cx, float cy, float radius);
void drawLine(Image& image, float x0, float y0, float x1, float y1, float width, const Rgba& colour);
void drawDisc(Image& image, float cx, float cy, float radius, const Rgba& colour);
// A twisted rope along a closed or open path.
void drawRope(Image& image, const std::vector<Point>& path, bool closed, float thickness);
// The path of a rectangle with rounded corners, for ropes and borders.
std::vector<Point> roundedRectPath(float x, float y, float w, float h, float radius);

// Text at a fixed em size. Lines are placed by their baseline; `align` -1 left, 0 centre, 1 right
// of the anchor x. Returns the ink width.
struct TextStyle {
    FontFace face = FontFace::Slab;
    float size = 18;
    Rgba fill = rgb(60, 34, 16);
    Rgba outline = rgb(0, 0, 0, 0);
    float outlineWidth = 0;
    Rgba shadow = rgb(0, 0, 0, 0);
    int shadowOffset = 1;
    float tracking = 0;
};
int textWidth(const std::string& text, const TextStyle& style);
int drawText(Image& image, const std::string& text, int x, int baseline, int align, const TextStyle& style);
// Breaks text into lines no wider than maxWidth.
std::vector<std::string> wrapText(const std::string& text, const TextStyle& style, int maxWidth);

// Button states from the normal picture.
Image brightened(const Image& source, float factor, const Rgba& warmth);
Image shiftedBy(const Image& source, int dx, int dy);
Mask alphaMask(const Image& image);
