// The textures of the hole surfaces and the water: grass.jpg (mowing stripes across
// the line of play), brick.jpg / brickNormal.jpg, black.jpg (the cup), the water set
// (water.png, waternormal.jpg, water1.jpg, water2.jpg, wall1.jpg), pipes.jpg /
// pipesnormal.jpg (the pipes and the water containers' riveted steel) and glass.jpg /
// glassnormal.jpg (window panes).
#include <cmath>

#include "content/art/noise.h"
#include "content/art/palette.h"
#include "content/model/math.h"
#include "content/output.h"
#include "content/registry.h"
#include "content/town/town_art.h"

namespace town {

TextureLayers plainTexture(int size, const Rgba& colour, float grain, uint32_t seed)
{
    TextureLayers t{Image(size, size), HeightField(size, size)};
    eachPixel(size, size, [&](int x, int y, float u, float v) {
        float n = tilingNoise(u, v, 4, 4, 3, seed);
        t.colour.at(x, y) = clamped(scaled(colour, 1.0f + grain * (n - 0.5f) * 2.0f));
        t.height.at(x, y) = 0.5f + 0.2f * n;
    });
    return t;
}

namespace {

constexpr int kGrassSize = 512;
constexpr float kStripeLight = 1.05f, kStripeDark = 0.9f;  // the two mowing bands
constexpr int kBrickSize = 512;
constexpr float kBrickRelief = 3.0f;
constexpr int kWaterSize = 256;
constexpr int kPipeSize = 512;
constexpr int kPlates = 2;                  // riveted plates across and down one repeat of pipes.jpg
constexpr int kRivetsPerPlate = 8;
constexpr int kGlassSize = 256;

Image grassPicture()
{
    TextureLayers grass = grassTexture(kGrassSize, 21);
    eachPixel(kGrassSize, kGrassSize, [&](int x, int y, float, float v) {
        const float band = smoothstep(-0.05f, 0.05f, std::cos(2 * model::kPi * v));
        grass.colour.at(x, y) = clamped(scaled(grass.colour.at(x, y), kStripeDark + (kStripeLight - kStripeDark) * band));
    });
    return grass.colour;
}

Image blackPicture()
{
    return plainTexture(64, rgb(16, 15, 17), 0.25f, 3).colour;
}

// Ripples of level water as heights, tiling.
HeightField ripples(int size, uint32_t seed)
{
    HeightField h(size, size);
    eachPixel(size, size, [&](int x, int y, float u, float v) {
        float a = tilingNoise(u, v, 6, 6, 3, seed), b = tilingNoise(u + 0.3f, v, 12, 10, 2, seed + 1);
        h.at(x, y) = 0.6f * std::sin(6.0f * a + 3.0f * b) * 0.5f + 0.5f;
    });
    return h;
}

Image waterPicture(const HeightField& h, float alpha)
{
    Image image(h.width, h.height);
    const Rgba deep = rgb(28, 86, 112), light = rgb(120, 190, 206);
    eachPixel(h.width, h.height, [&](int x, int y, float, float) {
        float t = h.at(x, y);
        Rgba c = mix(deep, light, t * t);
        c.a = alpha;
        image.at(x, y) = c;
    });
    return image;
}

// Falling water for additive drawing: dark is clear, bright streaks run down the picture.
Image fallingWaterPicture()
{
    Image image(kWaterSize, kWaterSize);
    eachPixel(kWaterSize, kWaterSize, [&](int x, int y, float u, float v) {
        float streaks = tilingNoise(u, v, 32, 2, 2, 41) * 0.7f + tilingNoise(u, v, 64, 4, 1, 42) * 0.3f;
        float foam = smoothstep(0.55f, 0.85f, streaks);
        Rgba c = mix(rgb(56, 104, 132), rgb(230, 244, 252), foam);
        image.at(x, y) = clamped(scaled(c, 0.7f + 0.4f * streaks));
    });
    return image;
}

Image wetStonePicture()
{
    Image image(kWaterSize, kWaterSize);
    eachPixel(kWaterSize, kWaterSize, [&](int x, int y, float u, float v) {
        float n = tilingNoise(u, v, 5, 5, 4, 51), moss = tilingNoise(u, v, 3, 3, 3, 52);
        Rgba c = mix(rgb(58, 62, 60), rgb(96, 98, 88), n);
        c = mix(c, rgb(52, 76, 48), 0.5f * smoothstep(0.6f, 0.8f, moss));
        image.at(x, y) = c;
    });
    return image;
}

// Galvanised steel in riveted plates, streaked with rust below the rivets.
TextureLayers pipeTexture()
{
    TextureLayers metal = metalTexture(kPipeSize, 61);
    const float plate = 1.0f / kPlates;
    eachPixel(kPipeSize, kPipeSize, [&](int x, int y, float u, float v) {
        const float pu = std::fmod(u, plate) / plate, pv = std::fmod(v, plate) / plate;
        const float seam = std::min({pu, 1 - pu, pv, 1 - pv}) * kPipeSize / kPlates;  // pixels from a seam
        const float size = float(kPipeSize) / kPlates, px = pu * size, py = pv * size;  // pixels within the plate
        const float inset = 9.0f, spacing = size / kRivetsPerPlate;
        auto nearestAlong = [&](float at) { return (std::floor(at / spacing) + 0.5f) * spacing; };
        float d = 1e9f;
        for (float line : {inset, size - inset}) {
            d = std::min(d, std::hypot(px - line, py - nearestAlong(py)));
            d = std::min(d, std::hypot(py - line, px - nearestAlong(px)));
        }
        const float rivet = 1.0f - smoothstep(3.0f, 5.0f, d);
        // Rust runs down from the rivets of each plate's upper seam, fading as it goes.
        const float drip = tilingNoise(u, v, 64, 4, 2, 62) * (1 - smoothstep(0.05f, 0.6f, pv));
        const float patches = tilingNoise(u, v, 6, 6, 3, 63);
        const float rust = 0.45f * smoothstep(0.55f, 0.8f, drip + 0.3f * patches);
        Rgba c = mix(scaled(metal.colour.at(x, y), 0.8f + 0.15f * patches), rgb(128, 72, 44), rust);
        c = mix(c, rgb(110, 112, 112), 0.35f * (1 - smoothstep(0.0f, 3.0f, seam)));  // the lap joint's shadow
        c = mix(c, rgb(196, 198, 196), rivet * 0.8f);
        metal.colour.at(x, y) = clamped(c);
        metal.height.at(x, y) = 0.5f - 0.25f * (1 - smoothstep(0.0f, 2.5f, seam)) + 0.4f * rivet;
    });
    return metal;
}

// Old window glass: the sky's light from above fading into the dark room, two bright streaks.
TextureLayers glassTexture()
{
    TextureLayers t{Image(kGlassSize, kGlassSize), HeightField(kGlassSize, kGlassSize)};
    eachPixel(kGlassSize, kGlassSize, [&](int x, int y, float u, float v) {
        Rgba c = mix(rgb(150, 186, 206), rgb(36, 48, 62), smoothstep(0.0f, 0.9f, v));
        const float diagonal = u + 0.6f * v;
        const float streak = std::exp(-std::pow((diagonal - 0.45f) / 0.05f, 2.0f)) + 0.6f * std::exp(-std::pow((diagonal - 0.62f) / 0.025f, 2.0f));
        c = mix(c, rgb(232, 240, 244), 0.5f * streak);
        const float edge = std::min({u, 1 - u, v, 1 - v});
        c = mix(c, rgb(120, 108, 88), 0.45f * (1 - smoothstep(0.0f, 0.08f, edge)) * tilingNoise(u, v, 8, 8, 2, 71));
        t.colour.at(x, y) = clamped(c);
        t.height.at(x, y) = 0.5f + 0.15f * tilingNoise(u, v, 3, 5, 2, 72);  // the ripple of old panes
    });
    return t;
}

void generateCourseSurfaces(ContentOutput& output)
{
    output.write("Textures/grass.jpg", encodeJpeg(grassPicture(), 90));
    TextureLayers bricks = brickTexture(kBrickSize, kBrickSize, BrickStyle{}, 7);
    output.write("Textures/brick.jpg", encodeJpeg(bricks.colour, 90));
    output.write("Textures/brickNormal.jpg", encodeJpeg(normalMap(bricks.height, kBrickRelief), 92));
    output.write("Textures/black.jpg", encodeJpeg(blackPicture(), 92));

    const HeightField rippled = ripples(kWaterSize, 31);
    output.write("Textures/water.png", encodePng(waterPicture(rippled, 0.72f)));
    output.write("Textures/waternormal.jpg", encodeJpeg(normalMap(rippled, 4.0f), 92));
    output.write("Textures/water1.jpg", encodeJpeg(waterPicture(ripples(kWaterSize, 33), 1.0f), 90));
    output.write("Textures/water2.jpg", encodeJpeg(fallingWaterPicture(), 90));
    output.write("Textures/wall1.jpg", encodeJpeg(wetStonePicture(), 90));

    TextureLayers pipes = pipeTexture();
    output.write("Textures/pipes.jpg", encodeJpeg(pipes.colour, 90));
    output.write("Textures/pipesnormal.jpg", encodeJpeg(normalMap(pipes.height, 4.0f), 92));
    TextureLayers glass = glassTexture();
    output.write("Textures/glass.jpg", encodeJpeg(glass.colour, 90));
    output.write("Textures/glassnormal.jpg", encodeJpeg(normalMap(glass.height, 2.0f), 92));
}

}  // namespace

}  // namespace town

REGISTER_GENERATOR(town_surfaces, town::generateCourseSurfaces);
