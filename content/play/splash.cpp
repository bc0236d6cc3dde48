// The water splash particle: a soft droplet on black (the particles add their colour).
#include <algorithm>
#include <cmath>

#include "content/art/image.h"
#include "content/output.h"
#include "content/registry.h"

namespace {

constexpr int kSize = 64;
constexpr float kSoftness = 0.22f;  // of the sprite's size: the glow's falloff

Image dropletPicture()
{
    Image image(kSize, kSize);
    const Rgba water = rgb(170, 210, 240), highlight = rgb(255, 255, 255);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            float dx = (x + 0.5f) / kSize - 0.5f, dy = (y + 0.5f) / kSize - 0.5f;
            float r = std::sqrt(dx * dx + dy * dy);
            float glow = std::exp(-(r * r) / (2 * kSoftness * kSoftness * 0.25f)) * std::clamp((0.5f - r) / 0.1f, 0.0f, 1.0f);
            float rim = std::exp(-std::pow((r - 0.2f) / 0.035f, 2.0f)) * 0.35f;
            float hx = dx + 0.07f, hy = dy + 0.08f;
            float spark = std::exp(-(hx * hx + hy * hy) / 0.002f);
            Rgba c = scaled(water, std::min(1.0f, glow * 0.85f + rim));
            c = mix(c, highlight, std::min(1.0f, spark * 0.9f));
            image.at(x, y) = {c.r, c.g, c.b, 1};
        }
    return image;
}

void generateSplash(ContentOutput& output) { output.write("Particles/water.jpg", encodeJpeg(dropletPicture(), 92)); }

}  // namespace

REGISTER_GENERATOR(play_splash, generateSplash);
