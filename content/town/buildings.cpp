// The town's shared buildings, placed by each hole with a scale, a position and a
// yaw: the outhouse (outhouse.b3d), the house with its porch and false front
// (house1.b3d) and its window panes (house_glass.b3d), the hitching post
// (horsePost.b3d) and the town sign (townsign.b3d), with their textures.
//
// Every building stands on its origin: the middle of its footprint at ground level,
// its front (door, sign) towards -z. A hole therefore places a building at the height
// of the ground under it, and shapes its sand flat there.
//
// saloon1.jpg (the house) and the saloons' saloon.jpg share saloonnormal.jpg, so both
// follow the layout of kSiding .. kCornice below.
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "content/art/noise.h"
#include "content/art/palette.h"
#include "content/art/text.h"
#include "content/model/b3d.h"
#include "content/model/shapes.h"
#include "content/output.h"
#include "content/registry.h"
#include "content/town/kit.h"
#include "content/town/town_art.h"

namespace town {

namespace {

using model::Mesh;

// ---------------------------------------------------------------- walls and panels


Rgba weathered(const Rgba& paint, const Rgba& wood, float wear) { return mix(paint, wood, wear); }

// ---------------------------------------------------------------- the outhouse

constexpr int kOuthouseSize = 512;
constexpr Region kOuthouseWalls{0, 0, 512, 256};   // upright boards, tiling along u
constexpr Region kOuthouseDoor{0, 256, 128, 256};  // the door with its moon
constexpr Region kOuthouseRoof{128, 256, 384, 128};
constexpr Region kOuthouseTrim{128, 384, 384, 128};
constexpr float kOuthouseHalf = 1.0f;               // half the footprint (model units)
constexpr float kOuthouseFront = 3.2f, kOuthouseBack = 2.8f;
constexpr float kOuthouseBoards = 0.6f;             // repeats of the wall boards per unit

Mesh outhouseModel()
{
    Mesh m;
    const float h = kOuthouseHalf;
    auto walls = [&](Mesh part) { m.add(inRegion(part, kOuthouseWalls, kOuthouseSize, kOuthouseSize)); };
    const float top = kOuthouseFront + 0.1f;
    walls(wallPolygon({-h, 0, -h}, {1, 0, 0}, {{0, 0}, {2 * h, 0}, {2 * h, kOuthouseFront}, {0, kOuthouseFront}}, top, 0,
                      kOuthouseBoards, {0, 0, -1}));
    walls(wallPolygon({h, 0, h}, {-1, 0, 0}, {{0, 0}, {2 * h, 0}, {2 * h, kOuthouseBack}, {0, kOuthouseBack}}, top, 0,
                      kOuthouseBoards, {0, 0, 1}));
    walls(wallPolygon({h, 0, -h}, {0, 0, 1}, {{0, 0}, {2 * h, 0}, {2 * h, kOuthouseBack}, {0, kOuthouseFront}}, top, 0,
                      kOuthouseBoards, {1, 0, 0}));
    walls(wallPolygon({-h, 0, h}, {0, 0, -1}, {{0, 0}, {2 * h, 0}, {2 * h, kOuthouseFront}, {0, kOuthouseBack}}, top, 0,
                      kOuthouseBoards, {-1, 0, 0}));
    Mesh door = decal({-0.55f, 2.45f, -h - 0.03f}, {1.1f, 0, 0}, 2.4f);
    m.add(inRegion(door, kOuthouseDoor, kOuthouseSize, kOuthouseSize));
    Mesh roof = board({h + 0.2f, kOuthouseFront + 0.12f, -h - 0.35f}, {-2 * h - 0.4f, 0, 0},
                      {0, kOuthouseBack - kOuthouseFront, 2 * h + 0.6f}, 0.1f);
    m.add(inRegion(roof, kOuthouseRoof, kOuthouseSize, kOuthouseSize));
    for (int c = 0; c < 4; ++c) {  // corner boards
        const float x = c % 2 ? h : -h, z = c < 2 ? -h : h, y = z < 0 ? kOuthouseFront : kOuthouseBack;
        Mesh post = beam({x, 0, z}, {x, y, z}, 0.14f, 0.14f, {0, 0, 1});
        m.add(inRegion(post, kOuthouseTrim, kOuthouseSize, kOuthouseSize, 1.0f / y));
    }
    return m;
}

TextureLayers outhouseDoor()
{
    PlankStyle style;
    style.planks = 3;
    style.weathering = 0.55f;
    TextureLayers t = plankTexture(128, 256, style, 32);
    eachPixel(128, 256, [&](int x, int y, float u, float v) {
        // A Z of bracing boards.
        const bool rail = std::fabs(v - 0.12f) < 0.04f || std::fabs(v - 0.88f) < 0.04f;
        const bool brace = std::fabs((v - 0.12f) - (1 - u) * 0.76f) < 0.035f && v > 0.12f && v < 0.88f;
        if (rail || brace) {
            t.colour.at(x, y) = scaled(t.colour.at(x, y), 0.8f);
            t.height.at(x, y) += 0.3f;
        }
        // The crescent moon, cut through.
        const float dx = (u - 0.5f) * 0.5f, dy = v - 0.28f;
        const bool moon = std::hypot(dx, dy) < 0.07f && std::hypot(dx - 0.03f, dy + 0.01f) > 0.062f;
        if (moon) {
            t.colour.at(x, y) = rgb(24, 18, 14);
            t.height.at(x, y) = 0.0f;
        }
        if (std::hypot((u - 0.82f) * 0.5f, v - 0.55f) < 0.018f) t.colour.at(x, y) = rgb(60, 52, 46);  // the knob
    });
    return t;
}

TextureLayers tinRoof()
{
    TextureLayers rust = rustTexture(256, 0.45f, 33);
    TextureLayers t{Image(384, 128), HeightField(384, 128)};
    eachPixel(384, 128, [&](int x, int y, float u, float v) {
        const float ridge = 0.5f + 0.5f * std::cos(u * 2 * model::kPi * 14);
        t.colour.at(x, y) = clamped(scaled(rust.colour.sample(u * 256, v * 256, true), 0.8f + 0.3f * ridge));
        t.height.at(x, y) = ridge;
    });
    return t;
}

void generateOuthouse(ContentOutput& output)
{
    Atlas atlas(kOuthouseSize, kOuthouseSize);
    PlankStyle walls;
    walls.planks = 6;
    walls.weathering = 0.7f;
    walls.nails = true;
    atlas.place(plankTexture(512, 256, walls, 31), kOuthouseWalls);
    atlas.place(outhouseDoor(), kOuthouseDoor);
    atlas.place(tinRoof(), kOuthouseRoof);
    WoodStyle trim;
    trim.light = rgb(150, 118, 84);
    trim.dark = rgb(90, 64, 42);
    atlas.place(woodGrainTexture(128, 384, trim, 34), kOuthouseTrim, Turn::Across);
    atlas.write(output, "outhouse.jpg", "outhousenormal.jpg", 3.0f);
    output.write("Models/outhouse.b3d", model::writeB3d(outhouseModel().rename("outhouse")));
}

// ---------------------------------------------------------------- the house

constexpr int kHouseSize = 1024;
constexpr Region kSiding{0, 0, 1024, 256};     // one storey of painted upright boards, tiling along u
constexpr Region kShingles{0, 256, 1024, 256}; // one slope of the roof, tiling along u
constexpr Region kTrim{0, 512, 1024, 128};     // painted trim boards, grain along u
constexpr Region kPorchBoards{0, 640, 1024, 128};
constexpr Region kDoor{0, 768, 128, 256};
constexpr Region kWindow{128, 768, 128, 256};  // a frame round four panes (house_glass.b3d covers them)
constexpr Region kSign{256, 768, 768, 128};
constexpr Region kShutter{256, 896, 128, 128};
constexpr Region kCornice{384, 896, 640, 128};
constexpr float kStorey = 2.4f;
constexpr float kHouseHalfWidth = 3.0f, kHouseHalfDepth = 2.5f;
constexpr float kEaves = 2 * kStorey, kRidge = 6.0f, kFalseFrontTop = 6.6f;
constexpr float kPorchDepth = 1.6f, kPorchFloor = 0.35f, kPorchRoof = 2.9f;
constexpr float kSidingPerUnit = 1.0f / 2.4f;   // the siding repeats every 2.4 units
constexpr float kWindowWidth = 0.9f, kWindowHeight = 1.5f;
constexpr float kPane = 0.02f;                  // panes stand this far out from the wall

struct Window {
    Vec3 topLeft;  // on the wall's surface
    Vec3 across;   // unit, along the wall as seen from outside
    Vec3 facing;
};

std::vector<Window> houseWindows()
{
    std::vector<Window> w;
    const float front = -kHouseHalfDepth - 0.1f;
    for (float x : {-1.9f, 1.9f}) w.push_back({{x - kWindowWidth / 2, kPorchFloor + 2.0f, front}, {1, 0, 0}, {0, 0, -1}});
    for (float x : {-1.9f, 0.0f, 1.9f}) w.push_back({{x - kWindowWidth / 2, kStorey + 1.9f, front}, {1, 0, 0}, {0, 0, -1}});
    for (float side : {-1.0f, 1.0f})
        for (float z : {-1.1f, 1.1f})
            for (float top : {2.2f, kStorey + 1.9f}) {
                const float start = side > 0 ? z - kWindowWidth / 2 : z + kWindowWidth / 2;
                w.push_back({{side * kHouseHalfWidth, top, start}, {0, 0, side}, {side, 0, 0}});
            }
    return w;
}

Mesh houseWalls()
{
    Mesh m;
    auto siding = [&](Mesh part) { m.add(inRegion(part, kSiding, kHouseSize, kHouseSize)); };
    const float w = kHouseHalfWidth, d = kHouseHalfDepth;
    for (int storey = 0; storey < 2; ++storey) {
        const float y0 = kStorey * float(storey), y1 = y0 + kStorey;
        const std::vector<Vec2> sides{{0, y0}, {2 * d, y0}, {2 * d, y1}, {0, y1}};
        siding(wallPolygon({w, 0, -d}, {0, 0, 1}, sides, y1, y0, kSidingPerUnit, {1, 0, 0}));
        siding(wallPolygon({-w, 0, d}, {0, 0, -1}, sides, y1, y0, kSidingPerUnit, {-1, 0, 0}));
        const std::vector<Vec2> back{{0, y0}, {2 * w, y0}, {2 * w, y1}, {0, y1}};
        siding(wallPolygon({w, 0, d}, {-1, 0, 0}, back, y1, y0, kSidingPerUnit, {0, 0, 1}));
    }
    // The back gable, and the false front standing proud of the front wall.
    siding(wallPolygon({w, 0, d}, {-1, 0, 0}, {{0, kEaves}, {2 * w, kEaves}, {w, kRidge}}, kRidge, kEaves, kSidingPerUnit,
                       {0, 0, 1}));
    const float front = -d - 0.1f, fw = w + 0.2f;
    for (int storey = 0; storey < 3; ++storey) {
        const float y0 = kStorey * float(storey), y1 = std::min(kFalseFrontTop, y0 + kStorey);
        siding(wallPolygon({-fw, 0, front}, {1, 0, 0}, {{0, y0}, {2 * fw, y0}, {2 * fw, y1}, {0, y1}}, y0 + kStorey, y0,
                           kSidingPerUnit, {0, 0, -1}));
        siding(wallPolygon({fw, 0, front + 0.1f}, {-1, 0, 0}, {{0, y0}, {2 * fw, y0}, {2 * fw, y1}, {0, y1}},
                           y0 + kStorey, y0, kSidingPerUnit, {0, 0, 1}));
    }
    return m;
}

Mesh houseRoof()
{
    Mesh m;
    const float w = kHouseHalfWidth + 0.3f, back = kHouseHalfDepth + 0.35f, front = -kHouseHalfDepth - 0.05f;
    const float eaves = kEaves - 0.3f * (kRidge - kEaves) / kHouseHalfWidth;
    for (float side : {-1.0f, 1.0f}) {
        Mesh slope = board({0, kRidge + 0.08f, side > 0 ? front : back}, {0, 0, side > 0 ? back - front : front - back},
                           {side * w, eaves - kRidge, 0}, 0.12f);
        m.add(inRegion(slope, kShingles, kHouseSize, kHouseSize, 1.0f));
    }
    Mesh ridge = beam({0, kRidge + 0.1f, front}, {0, kRidge + 0.1f, back}, 0.25f, 0.12f);
    m.add(inRegion(ridge, kTrim, kHouseSize, kHouseSize, 0.3f));
    return m;
}

Mesh housePorch()
{
    Mesh m;
    auto trim = [&](Mesh part, float perUnit) { m.add(inRegion(part, kTrim, kHouseSize, kHouseSize, perUnit)); };
    const float fw = kHouseHalfWidth + 0.2f, wall = -kHouseHalfDepth - 0.1f, edge = wall - kPorchDepth;
    Mesh floor = crate({-fw, 0, edge}, {fw, kPorchFloor, wall});
    m.add(inRegion(floor, kPorchBoards, kHouseSize, kHouseSize, 1.0f));
    for (int step = 0; step < 2; ++step) {
        const float y = kPorchFloor * float(step + 1) / 3.0f, out = 0.35f * float(2 - step);
        Mesh tread = crate({-0.8f, 0, edge - out}, {0.8f, y, edge});
        m.add(inRegion(tread, kPorchBoards, kHouseSize, kHouseSize, 0.5f));
    }
    const float posts[] = {-fw + 0.15f, -1.0f, 1.0f, fw - 0.15f};
    for (float x : posts) trim(beam({x, kPorchFloor, edge + 0.15f}, {x, kPorchRoof, edge + 0.15f}, 0.16f, 0.16f, {0, 0, 1}), 0.4f);
    for (int k = 0; k < 3; ++k) {  // railings, leaving the steps open
        if (k == 1) continue;
        const float a = posts[k], b = posts[k + 1], y = kPorchFloor + 0.8f;
        trim(beam({a, y, edge + 0.15f}, {b, y, edge + 0.15f}, 0.08f, 0.1f), 0.5f);
        trim(beam({a, kPorchFloor + 0.12f, edge + 0.15f}, {b, kPorchFloor + 0.12f, edge + 0.15f}, 0.06f, 0.08f), 0.5f);
        for (float x = a + 0.2f; x < b - 0.1f; x += 0.22f)
            trim(beam({x, kPorchFloor + 0.12f, edge + 0.15f}, {x, y, edge + 0.15f}, 0.05f, 0.05f, {0, 0, 1}), 1.0f);
    }
    for (float x : {-fw - 0.05f, fw + 0.05f})  // side rails back to the wall
        trim(beam({x, kPorchFloor + 0.8f, edge + 0.15f}, {x, kPorchFloor + 0.8f, wall}, 0.08f, 0.1f), 0.5f);
    Mesh roof = board({-fw - 0.2f, kPorchRoof + 0.25f, wall}, {2 * fw + 0.4f, 0, 0}, {0, -0.25f, -kPorchDepth - 0.3f}, 0.1f);
    m.add(inRegion(roof, kShingles, kHouseSize, kHouseSize, 1.0f));
    return m;
}

Mesh houseDetails(const std::vector<Window>& windows)
{
    Mesh m;
    const float front = -kHouseHalfDepth - 0.1f;
    Mesh door = decal({-0.55f, kPorchFloor + 2.2f, front - 0.01f}, {1.1f, 0, 0}, 2.2f);
    m.add(inRegion(door, kDoor, kHouseSize, kHouseSize));
    for (const Window& w : windows) {
        const Vec3 out = w.facing * 0.01f;
        Mesh frame = decal(w.topLeft + out, w.across * kWindowWidth, kWindowHeight);
        m.add(inRegion(frame, kWindow, kHouseSize, kHouseSize));
        if (w.facing.z < 0)
            for (float side : {-1.0f, 1.0f}) {  // shutters beside the front windows
                const Vec3 at = side < 0 ? w.topLeft - w.across * 0.45f : w.topLeft + w.across * kWindowWidth;
                Mesh shutter = decal(at + out, w.across * 0.45f, kWindowHeight);
                m.add(inRegion(shutter, kShutter, kHouseSize, kHouseSize));
            }
    }
    Mesh sign = decal({-2.6f, kStorey * 2 + 0.9f, front - 0.12f}, {5.2f, 0, 0}, 0.9f);
    m.add(inRegion(sign, kSign, kHouseSize, kHouseSize));
    Mesh signBoard = crate({-2.7f, kStorey * 2 - 0.1f, front - 0.11f}, {2.7f, kStorey * 2 + 1.0f, front - 0.01f});
    m.add(inRegion(signBoard, kTrim, kHouseSize, kHouseSize, 0.5f));
    Mesh cornice = crate({-kHouseHalfWidth - 0.35f, kFalseFrontTop, front - 0.25f},
                         {kHouseHalfWidth + 0.35f, kFalseFrontTop + 0.35f, front + 0.15f});
    m.add(inRegion(cornice, kCornice, kHouseSize, kHouseSize));
    for (float x : {-kHouseHalfWidth - 0.2f, kHouseHalfWidth + 0.2f}) {  // corner boards of the false front
        Mesh corner = beam({x, 0, front - 0.05f}, {x, kFalseFrontTop, front - 0.05f}, 0.22f, 0.12f, {0, 0, 1});
        m.add(inRegion(corner, kTrim, kHouseSize, kHouseSize, 0.3f));
    }
    return m;
}

Mesh houseGlass(const std::vector<Window>& windows)
{
    Mesh m;
    const float paneWidth = kWindowWidth * 0.36f, paneHeight = kWindowHeight * 0.38f;
    for (const Window& w : windows)
        for (int row = 0; row < 2; ++row)
            for (int column = 0; column < 2; ++column) {
                const float x = kWindowWidth * (column ? 0.56f : 0.08f), y = kWindowHeight * (row ? 0.54f : 0.08f);
                m.add(decal(w.topLeft + w.facing * kPane + w.across * x - Vec3{0, y, 0}, w.across * paneWidth,
                            paneHeight));
            }
    return m;
}

TextureLayers sidingPaint(const Rgba& paint, uint32_t seed)
{
    PlankStyle boards;
    boards.planks = 16;
    boards.gap = 0.06f;
    boards.nails = false;
    boards.weathering = 0.45f;
    TextureLayers t = plankTexture(1024, 256, boards, seed);
    eachPixel(1024, 256, [&](int x, int y, float u, float v) {
        const float wear = smoothstep(0.55f, 0.8f, tilingNoise(u, v, 24, 6, 4, seed + 1));
        const Rgba wood = t.colour.at(x, y);
        const float lum = 0.3f * wood.r + 0.59f * wood.g + 0.11f * wood.b;
        Rgba c = weathered(scaled(paint, 0.75f + 0.45f * lum), wood, wear);
        // Battens over the joints, in the same paint.
        const float board = std::fmod(u * 16.0f, 1.0f);
        if (board < 0.08f || board > 0.96f) c = scaled(paint, 0.92f);
        if (std::fabs(board - 0.08f) < 0.012f) c = scaled(c, 0.7f);
        if (y < 6 || y > 249) c = scaled(paint, 0.8f);  // the rail between storeys
        t.colour.at(x, y) = clamped(c);
        if (board < 0.08f || board > 0.96f) t.height.at(x, y) = 0.8f;
    });
    return t;
}

TextureLayers shinglePaint()
{
    TextureLayers t{Image(1024, 256), HeightField(1024, 256)};
    constexpr int kRows = 9, kPerRow = 24;
    eachPixel(1024, 256, [&](int x, int y, float u, float v) {
        const float row = v * kRows, r = std::floor(row), f = row - r;
        const float shift = (int(r) % 2) * 0.5f;
        const float col = u * kPerRow + shift, c = std::floor(col), g = col - c;
        const float tone = 0.75f + 0.35f * hashUnit(int(c) % kPerRow, int(r), 41);
        const float grain = tilingNoise(u, v, 96, 8, 2, 42);
        Rgba colour = scaled(mix(rgb(118, 84, 60), rgb(92, 80, 72), hashUnit(int(c) % kPerRow, int(r), 43)), tone * (0.85f + 0.25f * grain));
        colour = scaled(colour, 0.6f + 0.4f * smoothstep(0.0f, 0.35f, f));           // the course above casts a shadow
        if (g < 0.04f || g > 0.97f) colour = scaled(colour, 0.55f);                    // gaps between shingles
        t.colour.at(x, y) = clamped(colour);
        t.height.at(x, y) = 0.3f + 0.6f * f + 0.1f * grain;
    });
    return t;
}

TextureLayers housePicture(int w, int h, const std::function<Rgba(float u, float v, float grain)>& paint, uint32_t seed)
{
    TextureLayers t{Image(w, h), HeightField(w, h)};
    eachPixel(w, h, [&](int x, int y, float u, float v) {
        const float grain = tilingNoise(u, v, 4, 24, 2, seed);
        t.colour.at(x, y) = clamped(paint(u, v, grain));
        t.height.at(x, y) = 0.5f + 0.1f * grain;
    });
    return t;
}

TextureLayers doorPicture()
{
    const Rgba stain = rgb(96, 58, 34);
    TextureLayers t = housePicture(128, 256, [&](float u, float v, float grain) {
        Rgba c = scaled(stain, 0.85f + 0.3f * grain);
        const bool frame = u < 0.08f || u > 0.92f || v < 0.04f;
        if (frame) return rgb(226, 218, 196);
        // Four raised panels and a glazed top.
        const bool glass = v > 0.08f && v < 0.36f && u > 0.18f && u < 0.82f;
        if (glass) return mix(rgb(40, 52, 64), rgb(120, 150, 168), smoothstep(0.36f, 0.08f, v) * 0.6f);
        const bool panel = (v > 0.42f && v < 0.66f) || (v > 0.72f && v < 0.95f);
        const bool inPanel = panel && ((u > 0.16f && u < 0.46f) || (u > 0.54f && u < 0.84f));
        if (inPanel) c = scaled(c, 1.12f);
        if (std::hypot((u - 0.82f) * 0.5f, v - 0.6f) < 0.015f) c = palette::brass;
        return c;
    }, 51);
    return t;
}

TextureLayers windowPicture()
{
    return housePicture(128, 256, [](float u, float v, float grain) {
        const Rgba white = scaled(rgb(232, 226, 208), 0.92f + 0.1f * grain);
        // The frame and the cross of the sash; the panes show the dark room behind.
        const float fx = std::min(u, 1 - u), fy = std::min(v, 1 - v);
        if (fx < 0.08f || fy < 0.05f || std::fabs(u - 0.5f) < 0.04f || std::fabs(v - 0.5f) < 0.025f) return white;
        return rgb(30, 34, 40);
    }, 52);
}

TextureLayers shutterPicture()
{
    return housePicture(128, 128, [](float u, float v, float grain) {
        const Rgba green = rgb(70, 104, 78);
        const float slat = std::fmod(v * 14.0f, 1.0f);
        Rgba c = scaled(green, (0.75f + 0.35f * slat) * (0.9f + 0.2f * grain));
        if (u < 0.12f || u > 0.88f || v < 0.04f || v > 0.96f) c = scaled(green, 0.95f);
        return c;
    }, 53);
}

TextureLayers corniceTrim(const Rgba& paint)
{
    return housePicture(640, 128, [&](float u, float v, float grain) {
        Rgba c = scaled(paint, 0.9f + 0.15f * grain);
        if (v > 0.55f && std::fmod(u * 48.0f, 1.0f) < 0.5f) c = scaled(c, 0.7f);  // dentils
        if (v < 0.12f) c = scaled(c, 1.08f);
        return c;
    }, 54);
}

TextureLayers signBoard(const std::string& words)
{
    TextureLayers t = housePicture(768, 128, [](float u, float v, float grain) {
        Rgba c = scaled(rgb(40, 56, 44), 0.9f + 0.2f * grain);
        if (std::min({u * 6, (1 - u) * 6, v, 1 - v}) < 0.07f) c = rgb(214, 180, 96);
        return c;
    }, 55);
    LetteringStyle style;
    style.fillTop = rgb(248, 226, 160);
    style.fillBottom = rgb(214, 168, 76);
    style.outline = rgb(30, 22, 12);
    style.outlineWidth = 2.0f;
    drawLettering(t.colour, words, 40, 18, 688, 92, style);
    return t;
}

void generateHouse(ContentOutput& output)
{
    Atlas atlas(kHouseSize, kHouseSize);
    const Rgba paint = rgb(150, 170, 176);  // weathered blue-grey
    atlas.place(sidingPaint(paint, 61), kSiding);
    atlas.place(shinglePaint(), kShingles);
    const Rgba trimPaint = rgb(230, 222, 200);
    WoodStyle trimWood;
    trimWood.light = trimPaint;
    trimWood.dark = rgb(196, 186, 164);
    trimWood.rings = 3;
    trimWood.knots = 0;
    atlas.place(woodGrainTexture(128, 1024, trimWood, 62), kTrim, Turn::Across);
    PlankStyle porch;
    porch.planks = 4;
    porch.weathering = 0.5f;
    atlas.place(plankTexture(128, 1024, porch, 63), kPorchBoards, Turn::Across);
    atlas.place(doorPicture(), kDoor);
    atlas.place(windowPicture(), kWindow);
    atlas.place(signBoard("BOARDING HOUSE"), kSign);
    atlas.place(shutterPicture(), kShutter);
    atlas.place(corniceTrim(trimPaint), kCornice);
    atlas.write(output, "saloon1.jpg", "saloonnormal.jpg", 3.0f);

    const std::vector<Window> windows = houseWindows();
    Mesh house = houseWalls();
    house.add(houseRoof()).add(housePorch()).add(houseDetails(windows));
    output.write("Models/house1.b3d", model::writeB3d(house.rename("house")));
    Mesh glass = houseGlass(windows);
    output.write("Models/house_glass.b3d", model::writeB3d(glass.rename("glass")));
}

// ---------------------------------------------------------------- hitching post and town sign

constexpr int kFenceSize = 512;
constexpr Region kTimber{0, 0, 512, 256};  // posts and rails, grain along u
constexpr Region kBoards{0, 256, 512, 256}; // planks along u; the town sign's board in townsign.jpg
constexpr float kTimberPerUnit = 0.4f;

Mesh timber(Mesh part, float perUnit = kTimberPerUnit)
{
    return std::move(inRegion(part, kTimber, kFenceSize, kFenceSize, perUnit));
}

Mesh horsePostModel()
{
    Mesh m;
    for (float x : {-3.2f, 3.2f}) {
        m.add(timber(beam({x, 0, 0}, {x, 3.3f, 0}, 0.45f, 0.45f, {0, 0, 1})));
        for (float side : {-1.0f, 1.0f})  // braces at the foot
            m.add(timber(beam({x + side * 0.9f, 0.1f, 0}, {x + side * 0.2f, 1.0f, 0}, 0.18f, 0.16f)));
    }
    m.add(timber(rod({-3.7f, 2.85f, 0}, {3.7f, 2.85f, 0}, 0.2f, 8)));
    m.add(timber(rod({-3.2f, 1.6f, 0}, {3.2f, 1.6f, 0}, 0.12f, 6)));
    return m;
}

Mesh townSignModel()
{
    Mesh m;
    for (float x : {-3.0f, 3.0f}) {
        m.add(timber(beam({x, 0, 0}, {x, 5.0f, 0}, 0.35f, 0.35f, {0, 0, 1})));
        m.add(timber(rod({x, 5.0f, 0}, {x, 5.25f, 0}, 0.2f, 6)));
    }
    // The board: one face each way so that the name reads from both sides.
    for (float side : {-1.0f, 1.0f}) {
        const Vec3 corner{side * 3.4f, 4.7f, side * 0.2f};
        Mesh face = board(corner, {-side * 6.8f, 0, 0}, {0, -2.2f, 0}, 0.2f);
        m.add(inRegion(face, kBoards, kFenceSize, kFenceSize));
    }
    m.add(timber(beam({-3.5f, 4.78f, 0}, {3.5f, 4.78f, 0}, 0.16f, 0.6f)));  // a cap over the board
    return m;
}

TextureLayers fenceTimber(uint32_t seed)
{
    WoodStyle grey;
    grey.light = rgb(168, 146, 118);
    grey.dark = rgb(96, 78, 60);
    grey.rings = 6;
    grey.knots = 0.8f;
    return woodGrainTexture(128, 256, grey, seed);
}

TextureLayers fenceBoards(uint32_t seed)
{
    PlankStyle boards;
    boards.planks = 4;
    boards.weathering = 0.75f;
    return plankTexture(128, 256, boards, seed);
}

TextureLayers signLettering(const TextureLayers& boards)
{
    // Painted at the board's own proportions (6.8 x 2.2), then fitted to the region.
    const int w = 792, h = 256;
    TextureLayers t{Image(w, h), HeightField(w, h)};
    eachPixel(w, h, [&](int x, int y, float u, float v) {
        t.colour.at(x, y) = boards.colour.sample(v * 128, u * 256, true);
        t.height.at(x, y) = boards.height.at(int(v * 127), int(u * 255));
        if (std::min({u * 3.1f, (1 - u) * 3.1f, v, 1 - v}) < 0.05f) t.colour.at(x, y) = scaled(t.colour.at(x, y), 0.6f);
    });
    LetteringStyle big;
    big.fillTop = rgb(250, 238, 206);
    big.fillBottom = rgb(236, 206, 150);
    big.outline = rgb(58, 32, 16);
    big.outlineWidth = 3.0f;
    drawLettering(t.colour, "TALLOWICK", 40, 22, w - 80, 132, big);
    LetteringStyle small = big;
    small.face = FontFace::Serif;
    small.outlineWidth = 2.0f;
    drawLettering(t.colour, "EST. 1879  \u00b7  POP. 312", 120, 168, w - 240, 56, small);
    TextureLayers fitted{resized(t.colour, kBoards.width, kBoards.height), HeightField(kBoards.width, kBoards.height)};
    for (int y = 0; y < kBoards.height; ++y)
        for (int x = 0; x < kBoards.width; ++x) fitted.height.at(x, y) = t.height.at(x * w / kBoards.width, y * h / kBoards.height);
    return fitted;
}

void generateFenceAndSign(ContentOutput& output)
{
    const TextureLayers grain = fenceTimber(71), boards = fenceBoards(72);
    Atlas fence(kFenceSize, kFenceSize);
    fence.place(grain, kTimber, Turn::Across);
    fence.place(boards, kBoards, Turn::Across);
    fence.write(output, "fence.jpg", "fencenormal.jpg", 3.0f);
    Atlas sign(kFenceSize, kFenceSize);
    sign.place(grain, kTimber, Turn::Across);
    sign.place(signLettering(boards), kBoards);
    sign.write(output, "townsign.jpg", "", 3.0f);
    output.write("Models/horsePost.b3d", model::writeB3d(horsePostModel().rename("horsePost")));
    output.write("Models/townsign.b3d", model::writeB3d(townSignModel().rename("townsign")));
}

void generateBuildings(ContentOutput& output)
{
    generateOuthouse(output);
    generateHouse(output);
    generateFenceAndSign(output);
}

}  // namespace

}  // namespace town

REGISTER_GENERATOR(town_buildings, town::generateBuildings);
