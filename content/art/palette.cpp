#include "content/art/palette.h"

#include <algorithm>
#include <cmath>

Rgba gradient(std::initializer_list<Rgba> stops, float t)
{
    if (stops.size() == 0) return {};
    if (stops.size() == 1) return *stops.begin();
    float at = std::clamp(t, 0.0f, 1.0f) * float(stops.size() - 1);
    size_t i = std::min(size_t(at), stops.size() - 2);
    return mix(stops.begin()[i], stops.begin()[i + 1], at - float(i));
}

Rgba shade(const Rgba& c, float brightness) { return scaled(c, brightness); }

Rgba desaturated(const Rgba& c, float amount)
{
    float grey = 0.3f * c.r + 0.59f * c.g + 0.11f * c.b;
    return mix(c, Rgba{grey, grey, grey, c.a}, amount);
}
