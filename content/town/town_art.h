// Shared bits of the town's texture painting.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "content/art/image.h"
#include "content/art/surfaces.h"

namespace town {

inline float smoothstep(float edge0, float edge1, float x)
{
    float t = std::clamp((x - edge0) / (edge1 - edge0), 0.0f, 1.0f);
    return t * t * (3 - 2 * t);
}

// Calls paint(x, y, u, v) for every pixel, u and v the pixel centre in 0..1.
template <typename Paint>
void eachPixel(int width, int height, Paint paint)
{
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) paint(x, y, (float(x) + 0.5f) / float(width), (float(y) + 0.5f) / float(height));
}

inline Rgba clamped(const Rgba& c)
{
    return {std::clamp(c.r, 0.0f, 1.0f), std::clamp(c.g, 0.0f, 1.0f), std::clamp(c.b, 0.0f, 1.0f), std::clamp(c.a, 0.0f, 1.0f)};
}

// A texture of one flat colour with a faint grain (for small solid parts).
TextureLayers plainTexture(int size, const Rgba& colour, float grain, uint32_t seed);

}  // namespace town
