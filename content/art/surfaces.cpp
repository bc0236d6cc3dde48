#include "content/art/surfaces.h"

#include <algorithm>
#include <cmath>

#include "content/art/noise.h"

namespace {

constexpr float kTau = 6.28318530718f;

float smoothstep(float edge0, float edge1, float x)
{
    float t = std::clamp((x - edge0) / (edge1 - edge0), 0.0f, 1.0f);
    return t * t * (3 - 2 * t);
}

float fract(float x) { return x - std::floor(x); }

float fade(float t) { return t * t * t * (t * (t * 6 - 15) + 10); }

float latticeNoise(float x, float y, int periodX, int periodY, uint32_t seed)
{
    int x0 = int(std::floor(x)), y0 = int(std::floor(y));
    float fx = fade(x - float(x0)), fy = fade(y - float(y0));
    auto corner = [&](int cx, int cy) {
        return hashUnit(((cx % periodX) + periodX) % periodX, ((cy % periodY) + periodY) % periodY, seed);
    };
    float a = corner(x0, y0), b = corner(x0 + 1, y0), c = corner(x0, y0 + 1), d = corner(x0 + 1, y0 + 1);
    float top = a + (b - a) * fx, bottom = c + (d - c) * fx;
    return top + (bottom - top) * fy;
}

// Calls paint(x, y, u, v) for every pixel, u and v the pixel centre in 0..1.
template <typename Paint>
void forEachPixel(int width, int height, Paint paint)
{
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) paint(x, y, (float(x) + 0.5f) / float(width), (float(y) + 0.5f) / float(height));
}

// A per-pixel speckle that tiles with the picture (the pixel grid itself repeats).
float speckle(int x, int y, uint32_t seed) { return hashUnit(x, y, seed); }

// Wood grain value 0 (light) .. 1 (dark) at (u, v) of a tile `cellsDown` grain cells tall.
float grainValue(float u, float v, const WoodStyle& style, int uCells, uint32_t seed)
{
    float warp = tilingNoise(u, v, 3, 2, 3, seed);
    float r = u * float(style.rings) + warp * 1.6f + 0.25f * tilingNoise(u, v, 6, 5, 2, seed + 1);
    float band = std::pow(0.5f + 0.5f * std::cos(kTau * r), 5.0f);
    float fibres = tilingNoise(u, v, uCells, 3, 2, seed + 2);
    float streak = tilingNoise(u, v, uCells / 4, 1, 1, seed + 3);
    return std::clamp(0.5f * band + 0.35f * fibres + 0.25f * streak - 0.05f, 0.0f, 1.0f);
}

// Knots: dark ellipses that bend the grain around them, placed so that they tile.
float knotValue(float u, float v, int count, float aspect, uint32_t seed)
{
    float value = 0;
    Random random(seed);
    for (int i = 0; i < count; ++i) {
        float ku = random.unit(), kv = random.unit(), size = random.range(0.02f, 0.05f);
        float du = u - ku, dv = v - kv;
        du -= std::round(du);
        dv -= std::round(dv);
        float d = std::sqrt(du * du + (dv * dv) / (aspect * aspect * 9.0f)) / size;
        value = std::max(value, std::pow(std::max(0.0f, 1.0f - d), 1.5f) + 0.35f * std::max(0.0f, 0.5f + 0.5f * std::cos(d * 9.0f)) * smoothstep(3.0f, 1.0f, d));
    }
    return std::clamp(value, 0.0f, 1.0f);
}

Rgba woodColour(const WoodStyle& style, float grain, float tone)
{
    return scaled(mix(style.light, style.dark, grain), tone);
}

}  // namespace

float tilingNoise(float u, float v, int cellsU, int cellsV, int octaves, uint32_t seed)
{
    float sum = 0, amplitude = 0.5f, total = 0;
    cellsU = std::max(1, cellsU);
    cellsV = std::max(1, cellsV);
    for (int i = 0; i < octaves; ++i) {
        sum += amplitude * latticeNoise(u * float(cellsU), v * float(cellsV), cellsU, cellsV, seed + uint32_t(i) * 7919u);
        total += amplitude;
        cellsU *= 2;
        cellsV *= 2;
        amplitude *= 0.5f;
    }
    return sum / total;
}

Image normalMap(const HeightField& heights, float strength)
{
    Image out(heights.width, heights.height);
    for (int y = 0; y < heights.height; ++y)
        for (int x = 0; x < heights.width; ++x) {
            // Sobel slopes, wrapping at the edges so that tiling textures keep tiling.
            auto h = [&](int dx, int dy) { return heights.wrapped(x + dx, y + dy); };
            float sx = (h(1, -1) + 2 * h(1, 0) + h(1, 1)) - (h(-1, -1) + 2 * h(-1, 0) + h(-1, 1));
            float sy = (h(-1, -1) + 2 * h(0, -1) + h(1, -1)) - (h(-1, 1) + 2 * h(0, 1) + h(1, 1));
            float nx = -sx * strength / 8.0f, ny = -sy * strength / 8.0f, nz = 1.0f;
            float n = std::sqrt(nx * nx + ny * ny + nz * nz);
            out.at(x, y) = {0.5f + 0.5f * nx / n, 0.5f + 0.5f * ny / n, 0.5f + 0.5f * nz / n, 1.0f};
        }
    return out;
}

TextureLayers woodGrainTexture(int width, int height, const WoodStyle& style, uint32_t seed)
{
    TextureLayers t{Image(width, height), HeightField(width, height)};
    const int uCells = std::max(8, width / 4);
    const int knots = int(std::round(style.knots * 3));
    forEachPixel(width, height, [&](int x, int y, float u, float v) {
        float knot = knots > 0 ? knotValue(u, v, knots, float(height) / float(width), seed + 11) : 0.0f;
        float grain = std::clamp(grainValue(u + 0.04f * knot, v, style, uCells, seed) + 0.6f * knot, 0.0f, 1.0f);
        float tone = 0.92f + 0.16f * tilingNoise(u, v, 2, 2, 2, seed + 5) + 0.04f * (speckle(x, y, seed) - 0.5f);
        t.colour.at(x, y) = woodColour(style, grain, tone);
        t.height.at(x, y) = 0.6f - 0.35f * grain;
    });
    return t;
}

TextureLayers plankTexture(int width, int height, const PlankStyle& style, uint32_t seed)
{
    TextureLayers t{Image(width, height), HeightField(width, height)};
    const int planks = std::max(1, style.planks);
    const float plankPixels = float(width) / float(planks);
    const int uCells = std::max(8, int(plankPixels / 3));
    const Rgba grey = rgb(150, 140, 128);
    forEachPixel(width, height, [&](int x, int y, float u, float v) {
        const int index = std::min(planks - 1, int(u * float(planks)));
        const uint32_t plankSeed = seed + uint32_t(index) * 101u;
        const float local = u * float(planks) - float(index);          // 0..1 across the board
        const float joint = hashUnit(index, 0, seed);                   // where this board meets the next one
        const float tone = 0.85f + 0.3f * hashUnit(index, 1, seed);
        const float along = fract(v + hashUnit(index, 2, seed));        // grain offset per board
        float dv = v - joint;
        dv -= std::round(dv);
        const float edgePixels = std::min(local, 1.0f - local) * plankPixels;
        const float jointPixels = std::fabs(dv) * float(height);
        const float gapPixels = style.gap * plankPixels;

        float grain = grainValue(local, along, style.wood, uCells, plankSeed);
        float weather = style.weathering * tilingNoise(u, v, 4, 4, 3, seed + 9);
        Rgba c = woodColour(style.wood, grain, tone);
        c = mix(c, scaled(grey, tone), std::clamp(weather * 1.2f, 0.0f, 0.8f));
        // Splits along the grain where the wood has weathered.
        float split = smoothstep(0.86f, 0.97f, tilingNoise(local, along, 28, 3, 1, plankSeed + 4)) * style.weathering *
                      smoothstep(0.4f, 0.7f, tilingNoise(local, along, 2, 4, 1, plankSeed + 5));
        float h = 0.65f - 0.25f * grain - 0.3f * split;
        // Rounded board edges, then the dark gap.
        float edge = std::min(edgePixels, jointPixels);
        h -= 0.35f * (1.0f - smoothstep(gapPixels, gapPixels + 3.0f, edge));
        c = scaled(c, 0.75f + 0.25f * smoothstep(gapPixels, gapPixels + 3.0f, edge) - 0.4f * split);
        if (edge < gapPixels) {
            c = scaled(style.wood.dark, 0.3f);
            h = 0.0f;
        }
        if (style.nails)
            for (float side : {0.22f, 0.78f})
                for (float offset : {-1.0f, 1.0f}) {
                    float nx = (local - side) * plankPixels, ny = (dv - offset * 0.035f) * float(height);
                    float d = std::sqrt(nx * nx + ny * ny), r = std::max(1.5f, plankPixels * 0.035f);
                    if (d < r + 1.0f) {
                        float cover = std::clamp(r + 1.0f - d, 0.0f, 1.0f);
                        Rgba nail = mix(rgb(70, 62, 56), rgb(150, 140, 128), std::clamp(-(nx + ny) / (2 * r), 0.0f, 1.0f));
                        c = mix(c, nail, cover);
                        h = h + (0.8f - h) * cover;
                    } else if (d < r * 2.2f) {
                        c = scaled(c, 0.8f + 0.2f * (d - r - 1.0f) / (r * 1.2f - 1.0f));  // rust stain round the nail
                    }
                }
        t.colour.at(x, y) = c;
        t.height.at(x, y) = std::clamp(h, 0.0f, 1.0f);
    });
    return t;
}

TextureLayers brickTexture(int width, int height, const BrickStyle& style, uint32_t seed)
{
    TextureLayers t{Image(width, height), HeightField(width, height)};
    const int rows = std::max(2, style.rows + (style.rows % 2));
    const int columns = std::max(1, style.columns);
    const float brickW = float(width) / float(columns), brickH = float(height) / float(rows);
    forEachPixel(width, height, [&](int x, int y, float u, float v) {
        const int row = std::min(rows - 1, int(v * float(rows)));
        const float shifted = u * float(columns) + (row % 2 ? 0.5f : 0.0f);
        const int column = int(std::floor(shifted)) % columns;
        const float bx = (shifted - std::floor(shifted)) * brickW, by = (v * float(rows) - float(row)) * brickH;
        // Distance to the brick's edge, roughened so that edges look chipped.
        const float rough = 1.6f * (tilingNoise(u, v, columns * 12, rows * 6, 2, seed + 3) - 0.5f);
        const float edge = std::min(std::min(bx, brickW - bx), std::min(by, brickH - by)) + rough;
        const float half = style.mortarPixels * 0.5f;
        const float brickPart = smoothstep(half - 0.5f, half + 0.8f, edge);

        const float pick = hashUnit(column, row, seed);
        Rgba brick = pick < 0.5f ? mix(style.brickDark, style.brick, pick * 2) : mix(style.brick, style.brickLight, pick * 2 - 1);
        if (hashUnit(column, row, seed + 1) < 0.12f) brick = scaled(brick, 0.78f);  // an over-burnt brick
        float surface = tilingNoise(u, v, columns * 8, rows * 4, 3, seed + 4);
        float pits = smoothstep(0.72f, 0.9f, speckle(x, y, seed + 5)) * 0.5f;
        brick = scaled(brick, 0.86f + 0.28f * surface - 0.2f * pits);
        // Soot towards one end of some bricks.
        brick = mix(brick, palette::charcoal, 0.25f * smoothstep(0.6f, 1.0f, hashUnit(column, row, seed + 2)) * (bx / brickW));

        Rgba mortar = scaled(style.mortar, 0.8f + 0.25f * tilingNoise(u, v, 40, 40, 2, seed + 6) - 0.15f * speckle(x, y, seed + 7));
        t.colour.at(x, y) = mix(mortar, brick, brickPart);
        float rounded = smoothstep(half, half + 3.0f, edge);
        float brickHeight = 0.55f + 0.4f * rounded + 0.06f * surface - 0.15f * pits;
        float mortarHeight = 0.15f + 0.1f * tilingNoise(u, v, 40, 40, 2, seed + 6);
        t.height.at(x, y) = mortarHeight + (brickHeight - mortarHeight) * brickPart;
    });
    return t;
}

TextureLayers sandTexture(int size, uint32_t seed)
{
    TextureLayers t{Image(size, size), HeightField(size, size)};
    Random random(seed);
    struct Pebble {
        float u, v, r;
        Rgba colour;
    };
    std::vector<Pebble> pebbles;
    for (int i = 0; i < 14; ++i)
        pebbles.push_back({random.unit(), random.unit(), random.range(1.2f, 3.2f) / float(size),
                           mix(rgb(150, 120, 92), rgb(206, 180, 150), random.unit())});
    forEachPixel(size, size, [&](int x, int y, float u, float v) {
        float warp = tilingNoise(u, v, 3, 3, 2, seed + 1);
        float ripple = 0.5f + 0.5f * std::sin(kTau * (3.0f * u + 5.0f * v + 1.4f * warp));
        float dunes = tilingNoise(u, v, 4, 4, 3, seed + 2);
        float grain = speckle(x, y, seed + 3);
        Rgba c = mix(palette::sand, palette::paleSand, 0.35f * dunes + 0.25f * ripple);
        c = scaled(c, 0.9f + 0.16f * grain);
        if (grain > 0.965f) c = mix(c, rgb(120, 92, 70), 0.5f);       // dark grains
        else if (grain < 0.03f) c = mix(c, rgb(255, 248, 230), 0.5f);  // glinting grains
        float h = 0.35f + 0.25f * ripple + 0.2f * dunes + 0.1f * grain;
        for (const Pebble& p : pebbles) {
            float du = u - p.u, dv = v - p.v;
            du -= std::round(du);
            dv -= std::round(dv);
            float d = std::sqrt(du * du + dv * dv) / p.r;
            if (d < 1.0f) {
                c = mix(c, scaled(p.colour, 1.05f - 0.3f * (du + dv) / p.r), smoothstep(1.0f, 0.7f, d));
                h = std::max(h, 0.6f + 0.4f * std::sqrt(1 - d * d));
            } else if (d < 1.6f && du + dv > 0) {
                c = scaled(c, 0.9f + 0.1f * (d - 1.0f) / 0.6f);  // a little shadow below and right
            }
        }
        t.colour.at(x, y) = c;
        t.height.at(x, y) = std::clamp(h, 0.0f, 1.0f);
    });
    return t;
}

TextureLayers grassTexture(int size, uint32_t seed)
{
    TextureLayers t{Image(size, size), HeightField(size, size)};
    const Rgba deep = rgb(38, 98, 34), mid = palette::grassGreen, tip = rgb(132, 178, 72);
    forEachPixel(size, size, [&](int x, int y, float u, float v) {
        float patches = tilingNoise(u, v, 3, 3, 3, seed);
        float tufts = tilingNoise(u, v, size / 16, size / 16, 2, seed + 1);
        // Blades: short streaks leaning a little, at two scales.
        float blades = tilingNoise(u, v, size / 2, size / 8, 1, seed + 2) * 0.6f + tilingNoise(u, v, size / 4, size / 2, 1, seed + 3) * 0.4f;
        float grain = speckle(x, y, seed + 4);
        float lit = std::clamp(0.15f + 0.55f * blades + 0.25f * tufts + 0.12f * (grain - 0.5f), 0.0f, 1.0f);
        Rgba c = gradient({deep, mid, tip}, lit);
        c = mix(c, rgb(112, 140, 56), 0.18f * smoothstep(0.55f, 0.8f, patches));  // drier patches
        c = scaled(c, 0.92f + 0.12f * patches);
        t.colour.at(x, y) = c;
        t.height.at(x, y) = 0.3f + 0.5f * blades + 0.2f * tufts;
    });
    return t;
}

TextureLayers metalTexture(int size, uint32_t seed)
{
    TextureLayers t{Image(size, size), HeightField(size, size)};
    Random random(seed + 9);
    struct Scratch {
        float u, v, angle, length;
    };
    std::vector<Scratch> scratches;
    for (int i = 0; i < 10; ++i) scratches.push_back({random.unit(), random.unit(), random.range(-0.5f, 0.5f), random.range(0.05f, 0.2f)});
    forEachPixel(size, size, [&](int x, int y, float u, float v) {
        float brushed = tilingNoise(u, v, 2, size / 2, 2, seed) * 0.7f + tilingNoise(u, v, 4, size, 1, seed + 1) * 0.3f;
        float cloud = tilingNoise(u, v, 3, 3, 3, seed + 2);
        float c = 0.58f + 0.2f * brushed + 0.1f * cloud + 0.03f * (speckle(x, y, seed + 3) - 0.5f);
        float h = 0.5f + 0.15f * brushed;
        for (const Scratch& s : scratches) {
            float du = u - s.u, dv = v - s.v;
            du -= std::round(du);
            dv -= std::round(dv);
            float along = du * std::cos(s.angle) + dv * std::sin(s.angle);
            float across = (-du * std::sin(s.angle) + dv * std::cos(s.angle)) * float(size);
            if (std::fabs(along) < s.length * 0.5f && std::fabs(across) < 0.8f) {
                c += 0.12f * (1 - std::fabs(across) / 0.8f);
                h -= 0.15f;
            }
        }
        Rgba tint = mix(palette::steel, rgb(182, 178, 170), cloud);
        t.colour.at(x, y) = scaled(tint, c / 0.66f);
        t.height.at(x, y) = std::clamp(h, 0.0f, 1.0f);
    });
    return t;
}

TextureLayers rustTexture(int size, float coverage, uint32_t seed)
{
    TextureLayers t = metalTexture(size, seed);
    const float threshold = 1.0f - std::clamp(coverage, 0.0f, 1.0f);
    const Rgba grime = rgb(150, 132, 112);
    auto patchField = [&](float u, float v) {
        return tilingNoise(u, v, 4, 4, 6, seed + 20) * 0.8f + tilingNoise(u, v, 32, 32, 2, seed + 24) * 0.2f;
    };
    forEachPixel(size, size, [&](int x, int y, float u, float v) {
        float field = patchField(u, v);
        // Rust runs down in streaks from the patches above.
        float above = 0;
        for (int k = 1; k <= 4; ++k) above = std::max(above, patchField(u, v - 0.035f * float(k)) - 0.02f * float(k));
        float streaks = tilingNoise(u, v, 64, 2, 2, seed + 25);
        float run = smoothstep(threshold - 0.04f, threshold + 0.06f, above) * smoothstep(0.45f, 0.75f, streaks);
        // Scattered spots round the edge of each patch.
        float spots = smoothstep(threshold - 0.14f, threshold - 0.02f, field) * smoothstep(0.9f, 0.97f, speckle(x, y, seed + 26));
        float amount = smoothstep(threshold - 0.04f, threshold + 0.04f, field + 0.06f * (speckle(x, y, seed + 21) - 0.5f));
        amount = std::max(amount, spots);
        Rgba base = mix(t.colour.at(x, y), scaled(grime, 1.0f), 0.25f * coverage);
        base = mix(base, rgb(158, 92, 52), 0.55f * run);
        float flakes = tilingNoise(u, v, 24, 24, 2, seed + 22);
        float pits = smoothstep(0.85f, 0.97f, speckle(x, y, seed + 23));
        Rgba rust = gradient({rgb(74, 34, 20), rgb(128, 56, 28), palette::rust, rgb(196, 110, 52)}, flakes * 0.8f + 0.2f * field);
        rust = scaled(rust, 1.0f - 0.45f * pits);
        float rim = amount * (1 - amount) * 4;  // darker where rust meets bare steel
        t.colour.at(x, y) = mix(base, scaled(rust, 1.0f - 0.3f * rim), amount);
        t.height.at(x, y) = t.height.at(x, y) * (1 - amount) + (0.55f + 0.35f * flakes - 0.3f * pits) * amount;
    });
    return t;
}

TextureLayers parchmentTexture(int width, int height, uint32_t seed)
{
    TextureLayers t{Image(width, height), HeightField(width, height)};
    forEachPixel(width, height, [&](int x, int y, float u, float v) {
        float blotches = tilingNoise(u, v, 3, 3, 4, seed);
        float stains = smoothstep(0.62f, 0.8f, tilingNoise(u, v, 5, 5, 3, seed + 1));
        float fibres = tilingNoise(u, v, width / 3, 6, 2, seed + 2) * 0.5f + tilingNoise(u, v, 8, height / 3, 2, seed + 3) * 0.5f;
        Rgba c = mix(palette::cream, palette::parchment, 0.4f + 0.6f * blotches);
        c = mix(c, rgb(196, 156, 96), 0.35f * stains);
        c = scaled(c, 0.95f + 0.08f * fibres + 0.03f * (speckle(x, y, seed + 4) - 0.5f));
        if (speckle(x, y, seed + 5) > 0.997f) c = mix(c, rgb(120, 90, 60), 0.6f);  // flecks
        t.colour.at(x, y) = c;
        t.height.at(x, y) = 0.5f + 0.2f * fibres + 0.1f * blotches;
    });
    return t;
}
