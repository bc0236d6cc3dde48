#include "content/art/noise.h"

#include <cmath>

uint32_t hash32(uint32_t x)
{
    x ^= x >> 16;
    x *= 0x7feb352dU;
    x ^= x >> 15;
    x *= 0x846ca68bU;
    x ^= x >> 16;
    return x;
}

float hashUnit(int x, int y, uint32_t seed)
{
    uint32_t h = hash32(uint32_t(x) * 0x9E3779B1U ^ hash32(uint32_t(y) * 0x85EBCA77U ^ seed));
    return float(h & 0xFFFFFF) / float(0xFFFFFF);
}

namespace {

float smooth(float t) { return t * t * t * (t * (t * 6 - 15) + 10); }

float lattice(float x, float y, int period, uint32_t seed)
{
    int x0 = int(std::floor(x)), y0 = int(std::floor(y));
    float fx = smooth(x - x0), fy = smooth(y - y0);
    auto corner = [&](int cx, int cy) {
        if (period > 0) {
            cx = ((cx % period) + period) % period;
            cy = ((cy % period) + period) % period;
        }
        return hashUnit(cx, cy, seed);
    };
    float a = corner(x0, y0), b = corner(x0 + 1, y0), c = corner(x0, y0 + 1), d = corner(x0 + 1, y0 + 1);
    return (a + (b - a) * fx) + ((c + (d - c) * fx) - (a + (b - a) * fx)) * fy;
}

}  // namespace

float valueNoise(float x, float y, uint32_t seed) { return lattice(x, y, 0, seed); }

float tiledNoise(float x, float y, int period, uint32_t seed) { return lattice(x, y, period, seed); }

float tiledFbm(float x, float y, int period, int octaves, uint32_t seed)
{
    float sum = 0, amplitude = 0.5f, total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += amplitude * lattice(x, y, period, seed + uint32_t(i) * 1013u);
        total += amplitude;
        x *= 2;
        y *= 2;
        period *= 2;
        amplitude *= 0.5f;
    }
    return sum / total;
}

float fbm(float x, float y, int octaves, uint32_t seed)
{
    float sum = 0, amplitude = 0.5f, total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += amplitude * valueNoise(x, y, seed + uint32_t(i) * 1013u);
        total += amplitude;
        x *= 2.03f;
        y *= 2.03f;
        amplitude *= 0.5f;
    }
    return sum / total;
}

uint32_t Random::next()
{
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
}

float Random::unit() { return float(next() & 0xFFFFFF) / float(0xFFFFFF); }

float Random::range(float lo, float hi) { return lo + (hi - lo) * unit(); }
