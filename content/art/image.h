// Pictures as the art code works on them: RGBA in 0..1 floats, row 0 at the top.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct Rgba {
    float r = 0, g = 0, b = 0, a = 1;
};

Rgba rgb(int r, int g, int b, float a = 1.0f);  // from 0..255 components
Rgba mix(const Rgba& x, const Rgba& y, float t);
Rgba scaled(const Rgba& c, float factor);       // colour times factor, alpha kept

struct Image {
    int width = 0;
    int height = 0;
    std::vector<Rgba> pixels;

    Image() = default;
    Image(int w, int h, Rgba fill = Rgba{0, 0, 0, 0});
    Rgba& at(int x, int y) { return pixels[size_t(y) * width + x]; }
    const Rgba& at(int x, int y) const { return pixels[size_t(y) * width + x]; }
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    // Bilinear sample with wrap-around (for tiling textures) or clamping.
    Rgba sample(float x, float y, bool wrap) const;
};

// "Over" compositing of one pixel, and of a whole picture at (x, y).
void blendPixel(Image& image, int x, int y, const Rgba& colour, float coverage = 1.0f);
void drawImage(Image& target, const Image& source, int x, int y, float opacity = 1.0f);
Image resized(const Image& source, int width, int height);

// Encoders (deterministic bytes).
std::vector<uint8_t> encodePng(const Image& image);
std::vector<uint8_t> encodeJpeg(const Image& image, int quality = 92);
