#include "content/town/sand_texture.h"

#include <cmath>
#include <vector>

#include "content/art/noise.h"
#include "content/town/town_art.h"

namespace town {

namespace {

constexpr int kSandSize = 512;

}  // namespace

Image sandPicture(const SandLook& style)
{
    TextureLayers sand = sandTexture(kSandSize, style.seed);
    Random random(style.seed + 1);
    struct Pebble {
        float x, y, r;
        Rgba colour;
    };
    std::vector<Pebble> pebbles;
    for (int i = 0; i < style.pebbles; ++i)
        pebbles.push_back({random.unit() * kSandSize, random.unit() * kSandSize, random.range(1.2f, 3.6f),
                           mix(rgb(150, 124, 100), rgb(210, 190, 170), random.unit())});
    eachPixel(kSandSize, kSandSize, [&](int x, int y, float u, float v) {
        Rgba c = sand.colour.at(x, y);
        c = {c.r * style.tint.r, c.g * style.tint.g, c.b * style.tint.b, 1};
        sand.colour.at(x, y) = clamped(scaled(c, 0.94f + 0.1f * tilingNoise(u, v, 2, 2, 3, style.seed + 2)));
    });
    for (const Pebble& p : pebbles) {  // each with its shadow towards the lower right, lit from the upper left
        const int reach = int(std::ceil(p.r * 1.6f + 2));
        for (int y = int(p.y) - reach; y <= int(p.y) + reach; ++y)
            for (int x = int(p.x) - reach; x <= int(p.x) + reach; ++x) {
                const float dx = float(x) - p.x, dy = float(y) - p.y;
                const int wx = (x % kSandSize + kSandSize) % kSandSize, wy = (y % kSandSize + kSandSize) % kSandSize;
                Rgba& c = sand.colour.at(wx, wy);
                const float d = std::hypot(dx, dy) / p.r;
                c = scaled(c, 1.0f - 0.25f * (1 - smoothstep(1.0f, 1.6f, std::hypot(dx - 1.2f, dy - 1.2f) / p.r)));
                if (d < 1.0f) {
                    const float light = 0.8f + 0.35f * std::clamp(-(dx + dy) / (2 * p.r), -1.0f, 1.0f);
                    c = clamped(mix(c, scaled(p.colour, light), smoothstep(1.0f, 0.7f, d)));
                }
            }
    }
    return sand.colour;
}

}  // namespace town
