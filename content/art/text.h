// Words in pictures, rendered with real fonts from Debian's font packages.
#pragma once

#include <string>
#include <vector>

#include "content/art/image.h"

enum class FontFace {
    Poster,   // URW Bookman Demi: the game's sign-board lettering
    Serif,    // C059 Bold: numbers and captions
    Slab,     // Roboto Slab Bold: small print
};

// A coverage mask (0..1) of a line of text, with its pen origin.
struct TextMask {
    int width = 0;
    int height = 0;
    int baseline = 0;             // row of the baseline
    std::vector<float> coverage;  // width * height
    float at(int x, int y) const
    {
        return (x < 0 || y < 0 || x >= width || y >= height) ? 0.0f : coverage[size_t(y) * width + x];
    }
};

// Renders UTF-8 text (Latin-1 range) at a pixel height (em size) with optional letter spacing.
TextMask renderText(FontFace face, const std::string& text, float pixelHeight, float tracking = 0.0f);
// The largest em size at which the text fits in maxWidth x maxHeight (tight ink box).
float fitTextSize(FontFace face, const std::string& text, int maxWidth, int maxHeight, float tracking = 0.0f);

// Grows a mask by `radius` pixels (for outlines) and blurs one (for soft shadows).
TextMask dilated(const TextMask& mask, float radius);
TextMask blurred(const TextMask& mask, int radius);
// Trims empty rows and columns, keeping the baseline consistent.
TextMask trimmed(const TextMask& mask);

// Paints the mask into the image with its top-left at (x, y).
void paintMask(Image& image, const TextMask& mask, int x, int y, const Rgba& colour);
// Paints with a vertical gradient from top to bottom colour.
void paintMaskGradient(Image& image, const TextMask& mask, int x, int y, const Rgba& top, const Rgba& bottom);

// The usual lettering: soft shadow, dark outline, gradient fill, centred in the
// box (x, y, w, h). Returns the ink's left edge.
struct LetteringStyle {
    FontFace face = FontFace::Poster;
    Rgba fillTop = rgb(255, 236, 190);
    Rgba fillBottom = rgb(232, 180, 96);
    Rgba outline = rgb(48, 26, 12);
    float outlineWidth = 2.0f;
    Rgba shadow = rgb(0, 0, 0, 0.55f);
    int shadowOffset = 2;
    int shadowBlur = 2;
    float tracking = 0.0f;
};
void drawLettering(Image& image, const std::string& text, int x, int y, int w, int h, const LetteringStyle& style);
