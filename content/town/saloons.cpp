// The saloons of the town's main street, with saloon.jpg (normal texture saloonnormal.jpg,
// shared with the house's saloon1.jpg, so saloon.jpg keeps the house's atlas layout):
//
//   saloon.b3d       two storeys, a false front, a balcony over the boardwalk on posts,
//                    swing doors and the sign "SALOON"
//   saloonGlass.3ds  the window panes of saloon.b3d (glass.jpg); saloon2.b3d has its
//                    windows in the same places, so the panes fit it too
//   saloon2.b3d      the hotel and general store: the saloon's walls and windows, a stepped
//                    false front, a porch roof instead of the balcony, a lean-to at the back
//   saloon3.b3d      the bank: one tall storey, pilasters and a cornice on the front,
//                    barred windows
//   top2.jpg         a corrugated tin roof (no model shows it: a scenery node carries one
//                    colour texture)
//   house_Glass.b3d  the house's panes under the name hole 5 uses
//
// Intended scale 3 (a storey is 1.6 model units, 4.8 world units, as tall as the house's
// storey at scale 2). Every saloon stands on its origin (the middle of its footprint at
// ground level, lowest point y = 0), its front towards -z. Footprints (x by z, then height):
//
//   model          model units                          at scale 3 (world units)
//   saloon.b3d     x -2.55..2.55, z -3.6..2.8, h 4.6     15.3 x 19.2, 13.8 tall
//   saloon2.b3d    x -2.55..2.55, z -3.6..3.8, h 4.6     15.3 x 22.2, 13.8 tall
//   saloon3.b3d    x -2.2..2.2,   z -2.9..2.8, h 4.2     13.2 x 17.1, 12.6 tall
// (the walls stand inside these; roofs and the boardwalk's roof overhang to the edges)
//
// A hole lays a flat plot of the footprint at the height where it places the model.
#include <algorithm>
#include <cmath>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "content/art/noise.h"
#include "content/art/palette.h"
#include "content/art/text.h"
#include "content/model/b3d.h"
#include "content/model/max3ds.h"
#include "content/model/shapes.h"
#include "content/output.h"
#include "content/registry.h"
#include "content/town/kit.h"
#include "content/town/town_art.h"

namespace town {

namespace {

using model::Mesh;

// ---------------------------------------------------------------- saloon.jpg
// The house's layout (saloon1.jpg in buildings.cpp), whose heights made saloonnormal.jpg:
// the relief regions (siding, shingles, trim, porch boards) are painted over the same
// boards as there; the flat pictures (door, window, sign, shutter, cornice) are free.
constexpr int kAtlas = 1024;
constexpr Region kSiding{0, 0, 1024, 256};      // upright boards and battens, one storey, tiling along u
constexpr Region kShingles{0, 256, 1024, 256};  // one slope of a roof, tiling along u
constexpr Region kTrim{0, 512, 1024, 128};      // painted trim boards, grain along u
constexpr Region kPlanks{0, 640, 1024, 128};    // four weathered planks along u: boardwalks, the hotel's walls
constexpr Region kSwingDoors{0, 768, 128, 256}; // the saloon's doorway with its swing doors
constexpr Region kWindow{128, 768, 128, 256};   // a frame round four panes (saloonGlass.3ds covers them)
constexpr Region kSaloonSign{256, 768, 768, 128};
constexpr Region kDoor{256, 896, 128, 128};     // a panelled door with a glazed top (the house's shutter)
constexpr Region kHotelSign{384, 896, 320, 128};  // the house's cornice, split in two signs
constexpr Region kBankSign{704, 896, 320, 128};
constexpr float kSidingRepeat = 1.6f;           // model units per repeat of the siding (16 boards)
constexpr float kPlankRepeat = 2.0f;            // model units per repeat of the planks
constexpr float kPlankBand = 0.8f;              // the height of the four planks on a wall
constexpr float kShingleRepeat = 1.5f;
constexpr float kTrimRepeat = 1.2f;

// ---------------------------------------------------------------- the shared frame
// In model units; the holes place the saloons at scale 3.
constexpr float kStorey = 1.6f;
constexpr float kHalfWidth = 2.3f;              // the walls
constexpr float kFront = -2.2f, kBack = 2.6f;   // the front and back walls' z
constexpr float kEaves = 2 * kStorey, kRidge = 4.0f;
constexpr float kFalseHalfWidth = 2.45f, kFalseFrontTop = 4.45f, kCorniceTop = 4.6f;
constexpr float kWalkFront = -3.4f, kWalkTop = 0.15f;  // the boardwalk along the front
constexpr float kWindowWidth = 0.62f, kWindowHeight = 1.0f;
constexpr float kPane = 0.02f;                  // panes stand this far out from the wall's face
constexpr float kDecal = 0.012f;                // pictures stand this far out from their wall

// The bank
constexpr float kBankHalfWidth = 1.95f, kBankFront = -2.1f, kBankBack = 2.6f;
constexpr float kBankWall = 3.0f, kBankFalseTop = 4.0f, kBankCorniceTop = 4.2f;

Mesh placedIn(Mesh m, Region r, float uScale = 1.0f) { return std::move(inRegion(m, r, kAtlas, kAtlas, uScale)); }


// A rectangular wall from y0 to y1, `length` long from `origin` along `along`, one storey
// of siding (or planks) per `storey` of height.
Mesh wall(Vec3 origin, Vec3 along, float length, float y0, float y1, Vec3 facing, Region region, float repeat,
          float storey)
{
    Mesh m;
    for (float y = y0; y < y1 - 0.01f; y += storey) {
        const float top = std::min(y1, y + storey);
        m.add(placedIn(wallPolygon(origin, along, {{0, y}, {length, y}, {length, top}, {0, top}}, y + storey, y,
                                   1.0f / repeat, facing),
                       region));
    }
    return m;
}

// The four walls of a box-shaped storey block (without the front, which each saloon dresses
// itself) from y0 to y1.
Mesh sideAndBackWalls(float halfWidth, float front, float back, float y0, float y1, Region region, float repeat,
                      float storey)
{
    Mesh m;
    const float depth = back - front;
    m.add(wall({halfWidth, 0, front}, {0, 0, 1}, depth, y0, y1, {1, 0, 0}, region, repeat, storey));
    m.add(wall({-halfWidth, 0, back}, {0, 0, -1}, depth, y0, y1, {-1, 0, 0}, region, repeat, storey));
    m.add(wall({halfWidth, 0, back}, {-1, 0, 0}, 2 * halfWidth, y0, y1, {0, 0, 1}, region, repeat, storey));
    return m;
}

// A gable roof whose ridge runs front to back, with the gable wall at the back.
Mesh gableRoof(float halfWidth, float front, float back, float eaves, float ridge, Region gable, float gableRepeat)
{
    Mesh m;
    const float w = halfWidth + 0.2f, rear = back + 0.2f;
    const float low = eaves - 0.2f * (ridge - eaves) / halfWidth;
    for (float side : {-1.0f, 1.0f}) {
        Mesh slope = board({0, ridge + 0.05f, side > 0 ? front : rear}, {0, 0, side > 0 ? rear - front : front - rear},
                           {side * w, low - ridge, 0}, 0.08f);
        m.add(placedIn(slope, kShingles, 1.0f / kShingleRepeat));
    }
    m.add(placedIn(beam({0, ridge + 0.07f, front}, {0, ridge + 0.07f, rear}, 0.16f, 0.08f), kTrim, 1.0f / kTrimRepeat));
    m.add(placedIn(wallPolygon({halfWidth, 0, back}, {-1, 0, 0}, {{0, eaves}, {2 * halfWidth, eaves}, {halfWidth, ridge}},
                               ridge, eaves, 1.0f / gableRepeat, {0, 0, 1}),
                   gable));
    return m;
}

// ---------------------------------------------------------------- windows and glass

struct Window {
    Vec3 topLeft;  // on the wall's face
    Vec3 across;   // unit, along the wall as seen from outside
    Vec3 facing;
    float width, height;
};

// The saloon's and the hotel's windows (the same places, so that one glass model fits both).
std::vector<Window> saloonWindows()
{
    std::vector<Window> w;
    for (float x : {-1.55f, 1.55f}) w.push_back({{x - 0.4f, 1.45f, kFront}, {1, 0, 0}, {0, 0, -1}, 0.8f, 1.05f});
    for (float x : {-1.55f, 0.0f, 1.55f})
        w.push_back({{x - kWindowWidth / 2, kStorey + 1.2f, kFront}, {1, 0, 0}, {0, 0, -1}, kWindowWidth, kWindowHeight});
    for (float side : {-1.0f, 1.0f})
        for (float z : {-1.1f, 0.6f})
            for (float top : {1.35f, kStorey + 1.2f}) {
                const float start = side > 0 ? z - kWindowWidth / 2 : z + kWindowWidth / 2;
                w.push_back({{side * kHalfWidth, top, start}, {0, 0, side}, {side, 0, 0}, kWindowWidth, kWindowHeight});
            }
    return w;
}

std::vector<Window> bankWindows()
{
    std::vector<Window> w;
    for (float x : {-1.35f, 1.35f}) w.push_back({{x - 0.35f, 2.35f, kBankFront}, {1, 0, 0}, {0, 0, -1}, 0.7f, 1.6f});
    for (float side : {-1.0f, 1.0f})
        for (float z : {-0.8f, 1.2f}) {
            const float start = side > 0 ? z - 0.35f : z + 0.35f;
            w.push_back({{side * kBankHalfWidth, 2.35f, start}, {0, 0, side}, {side, 0, 0}, 0.7f, 1.6f});
        }
    return w;
}

Mesh windowFrames(const std::vector<Window>& windows)
{
    Mesh m;
    for (const Window& w : windows) {
        m.add(placedIn(decal(w.topLeft + w.facing * kDecal, w.across * w.width, w.height), kWindow));
        // A sill under each window.
        const Vec3 a = w.topLeft + Vec3{0, -w.height - 0.04f, 0} - w.across * 0.06f + w.facing * 0.05f;
        m.add(placedIn(beam(a, a + w.across * (w.width + 0.12f), 0.1f, 0.06f), kTrim, 1.0f / kTrimRepeat));
    }
    return m;
}

// Four panes per window, inside the frame's painted sash (the same proportions as the house's).
Mesh panes(const std::vector<Window>& windows)
{
    Mesh m;
    for (const Window& w : windows) {
        const float paneWidth = w.width * 0.36f, paneHeight = w.height * 0.38f;
        for (int row = 0; row < 2; ++row)
            for (int column = 0; column < 2; ++column) {
                const float x = w.width * (column ? 0.56f : 0.08f), y = w.height * (row ? 0.54f : 0.08f);
                m.add(decal(w.topLeft + w.facing * kPane + w.across * x - Vec3{0, y, 0}, w.across * paneWidth, paneHeight));
            }
    }
    return m;
}

// ---------------------------------------------------------------- the saloon and the hotel

// The front wall of the saloon block (both storeys) with a doorway left open for the door picture.
Mesh frontWall(float halfWidth, float z, float top, Region region, float repeat, float storey)
{
    return wall({-halfWidth, 0, z}, {1, 0, 0}, 2 * halfWidth, 0, top, {0, 0, -1}, region, repeat, storey);
}

Mesh boardwalk(float halfWidth, float front, float wallZ)
{
    Mesh m = placedIn(crate({-halfWidth, 0, front}, {halfWidth, kWalkTop, wallZ}), kPlanks);
    // Stretch the planks along the walk instead of showing them once per face.
    for (model::Vertex& v : m.surfaces[0].vertices) v.uv.x = (float(kPlanks.x) + v.position.x / kPlankRepeat * kPlanks.width) / kAtlas;
    return m;
}

// The back of a false front (seen from behind) and its cornice and corner boards.
Mesh falseFrontTrim(float halfWidth, float z, float top, float corniceTop)
{
    Mesh m;
    m.add(placedIn(crate({-halfWidth - 0.1f, top, z - 0.16f}, {halfWidth + 0.1f, corniceTop, z + 0.1f}), kTrim));
    for (float x : {-halfWidth, halfWidth})
        m.add(placedIn(beam({x, 0, z - 0.04f}, {x, top, z - 0.04f}, 0.16f, 0.1f, {0, 0, 1}), kTrim, 1.0f / kTrimRepeat));
    return m;
}

// A board with lettering on the front: `region` once on the face, trim round it.
Mesh signBoard(float x0, float x1, float y0, float y1, float z, Region region)
{
    Mesh m;
    m.add(placedIn(crate({x0 - 0.06f, y0 - 0.06f, z - 0.08f}, {x1 + 0.06f, y1 + 0.06f, z}), kTrim, 0.5f));
    m.add(placedIn(decal({x0, y1, z - 0.08f - kDecal}, {x1 - x0, 0, 0}, y1 - y0), region));
    return m;
}

Mesh balcony()
{
    Mesh m;
    auto trim = [&](Mesh part, float perUnit) { m.add(placedIn(std::move(part), kTrim, perUnit)); };
    const float edge = kWalkFront + 0.12f, floor = kStorey + 0.05f, rail = floor + 0.6f;
    const float posts[] = {-2.35f, -0.8f, 0.8f, 2.35f};
    for (float x : posts) trim(beam({x, kWalkTop, edge}, {x, kEaves - 0.1f, edge}, 0.14f, 0.14f, {0, 0, 1}), 0.6f);
    Mesh deck = placedIn(crate({-2.45f, floor - 0.1f, kWalkFront}, {2.45f, floor, kFront}), kPlanks);
    m.add(deck);
    trim(beam({-2.4f, floor - 0.2f, edge}, {2.4f, floor - 0.2f, edge}, 0.12f, 0.18f), 0.6f);  // the fascia
    for (int k = 0; k < 3; ++k) {
        const float a = posts[k], b = posts[k + 1];
        trim(beam({a, rail, edge}, {b, rail, edge}, 0.07f, 0.09f), 0.6f);
        trim(beam({a, floor + 0.06f, edge}, {b, floor + 0.06f, edge}, 0.05f, 0.07f), 0.6f);
        for (float x = a + 0.2f; x < b - 0.1f; x += 0.2f)
            trim(beam({x, floor + 0.06f, edge}, {x, rail, edge}, 0.045f, 0.045f, {0, 0, 1}), 1.0f);
    }
    for (float x : {-2.4f, 2.4f}) trim(beam({x, rail, edge}, {x, rail, kFront}, 0.07f, 0.09f), 0.6f);
    // The balcony's own roof.
    Mesh roof = board({-2.5f, kEaves + 0.1f, kFront}, {5.0f, 0, 0}, {0, -0.25f, kWalkFront - kFront - 0.2f}, 0.08f);
    m.add(placedIn(roof, kShingles, 1.0f / kShingleRepeat));
    return m;
}

// The front windows stand on the false front, 0.04 proud of the walls.
std::vector<Window> onFalseFront(std::vector<Window> windows)
{
    for (Window& w : windows)
        if (w.facing.z < -0.5f) w.topLeft.z -= 0.04f;
    return windows;
}

Mesh saloonModel()
{
    Mesh m;
    m.add(sideAndBackWalls(kHalfWidth, kFront, kBack, 0, kEaves, kSiding, kSidingRepeat, kStorey));
    m.add(gableRoof(kHalfWidth, kFront, kBack, kEaves, kRidge, kSiding, kSidingRepeat));
    // The false front: one flat board wall, siding both ways, up past the ridge.
    const float z = kFront - 0.04f;
    m.add(frontWall(kFalseHalfWidth, z, kFalseFrontTop, kSiding, kSidingRepeat, kStorey));
    m.add(wall({kFalseHalfWidth, 0, z + 0.04f}, {-1, 0, 0}, 2 * kFalseHalfWidth, kEaves, kFalseFrontTop, {0, 0, 1}, kSiding,
               kSidingRepeat, kStorey));
    m.add(falseFrontTrim(kFalseHalfWidth, z, kFalseFrontTop, kCorniceTop));
    m.add(signBoard(-1.9f, 1.9f, kEaves + 0.35f, kEaves + 0.35f + 0.76f, z, kSaloonSign));
    // The doorway with its swing doors under a header board.
    m.add(placedIn(decal({-0.55f, kWalkTop + 1.65f, z - kDecal}, {1.1f, 0, 0}, 1.65f), kSwingDoors));
    m.add(placedIn(crate({-0.7f, kWalkTop + 1.65f, z - 0.1f}, {0.7f, kWalkTop + 1.8f, z}), kTrim, 0.5f));
    m.add(boardwalk(2.5f, kWalkFront, z));
    m.add(balcony());
    m.add(windowFrames(onFalseFront(saloonWindows())));
    return m;
}

// The hotel's stepped false front: three steps up to the middle, planks both ways, the
// steps capped with trim.
Mesh steppedFalseFront(float z)
{
    Mesh m;
    const float steps[][3] = {{-2.45f, -1.85f, 3.75f}, {-1.85f, -1.15f, 4.1f}, {-1.15f, 1.15f, 4.45f},
                              {1.15f, 1.85f, 4.1f},    {1.85f, 2.45f, 3.75f}};
    for (const auto& step : steps) {
        const float length = step[1] - step[0];
        m.add(wall({step[0], 0, z}, {1, 0, 0}, length, 0, step[2], {0, 0, -1}, kPlanks, kPlankRepeat, kPlankBand));
        m.add(wall({step[1], 0, z + 0.04f}, {-1, 0, 0}, length, kEaves, step[2], {0, 0, 1}, kPlanks, kPlankRepeat,
                   kPlankBand));
        m.add(placedIn(crate({step[0] - 0.08f, step[2], z - 0.14f}, {step[1] + 0.08f, step[2] + 0.12f, z + 0.08f}), kTrim));
    }
    for (float x : {-kFalseHalfWidth, kFalseHalfWidth})
        m.add(placedIn(beam({x, 0, z - 0.04f}, {x, 3.75f, z - 0.04f}, 0.16f, 0.1f, {0, 0, 1}), kTrim, 1.0f / kTrimRepeat));
    return m;
}

// A porch roof over the boardwalk on four posts.
Mesh porchRoof()
{
    Mesh m;
    const float edge = kWalkFront + 0.12f, porchTop = kStorey + 0.2f;
    for (float x : {-2.35f, -0.8f, 0.8f, 2.35f})
        m.add(placedIn(beam({x, kWalkTop, edge}, {x, porchTop - 0.2f, edge}, 0.14f, 0.14f, {0, 0, 1}), kTrim, 0.6f));
    m.add(placedIn(beam({-2.4f, porchTop - 0.2f, edge}, {2.4f, porchTop - 0.2f, edge}, 0.12f, 0.18f), kTrim, 0.6f));
    Mesh roof = board({-2.5f, porchTop + 0.05f, kFront}, {5.0f, 0, 0}, {0, -0.3f, kWalkFront - kFront - 0.2f}, 0.08f);
    m.add(placedIn(roof, kShingles, 1.0f / kShingleRepeat));
    return m;
}

// The store room at the hotel's back, under a shed roof.
Mesh hotelLeanTo()
{
    Mesh m;
    const float leanBack = kBack + 1.0f, leanHalf = 1.9f, leanHigh = 2.2f, leanLow = 1.6f;
    m.add(wall({leanHalf, 0, leanBack}, {-1, 0, 0}, 2 * leanHalf, 0, leanLow, {0, 0, 1}, kPlanks, kPlankRepeat, kPlankBand));
    for (float side : {-1.0f, 1.0f}) {
        const Vec3 corner{side * leanHalf, 0, side > 0 ? kBack : leanBack}, along{0, 0, side};
        m.add(wall(corner, along, 1.0f, 0, leanLow, {side, 0, 0}, kPlanks, kPlankRepeat, kPlankBand));
        const Vec2 peak = side > 0 ? Vec2{0, leanHigh} : Vec2{1.0f, leanHigh};  // against the hotel's back wall
        m.add(placedIn(wallPolygon(corner, along, {{0, leanLow}, {1.0f, leanLow}, peak}, leanLow + kPlankBand, leanLow,
                                   1.0f / kPlankRepeat, {side, 0, 0}),
                       kPlanks));
    }
    Mesh roof = board({leanHalf + 0.15f, leanHigh + 0.06f, kBack}, {-2 * leanHalf - 0.3f, 0, 0}, {0, leanLow - leanHigh, 1.2f},
                      0.08f);
    m.add(placedIn(roof, kShingles, 1.0f / kShingleRepeat));
    return m;
}

Mesh hotelModel()
{
    Mesh m;
    m.add(sideAndBackWalls(kHalfWidth, kFront, kBack, 0, kEaves, kPlanks, kPlankRepeat, kPlankBand));
    m.add(gableRoof(kHalfWidth, kFront, kBack, kEaves, kRidge, kPlanks, kPlankRepeat));
    const float z = kFront - 0.04f;
    m.add(steppedFalseFront(z));
    m.add(signBoard(-1.25f, 1.25f, kEaves + 0.1f, kEaves + 1.1f, z, kHotelSign));
    m.add(placedIn(decal({-0.5f, kWalkTop + 1.55f, z - kDecal}, {1.0f, 0, 0}, 1.55f), kDoor));
    m.add(boardwalk(2.5f, kWalkFront, z));
    m.add(porchRoof());
    m.add(hotelLeanTo());
    m.add(windowFrames(onFalseFront(saloonWindows())));
    return m;
}

// ---------------------------------------------------------------- the bank

// The bank's walls and its low roof sloping to the back, hidden from the street by the
// false front.
Mesh bankBody()
{
    Mesh m;
    const float w = kBankHalfWidth, depth = kBankBack - kBankFront;
    m.add(sideAndBackWalls(w, kBankFront, kBankBack, 0, kBankWall, kSiding, kSidingRepeat, kBankWall / 2));
    Mesh roof = board({w + 0.15f, kBankWall + 0.5f, kBankFront}, {-2 * w - 0.3f, 0, 0}, {0, -0.45f, depth + 0.2f}, 0.08f);
    m.add(placedIn(roof, kShingles, 1.0f / kShingleRepeat));
    for (float side : {-1.0f, 1.0f}) {  // the side walls reach up under the roof
        const std::vector<Vec2> outline{{0, kBankWall}, {depth, kBankWall}, {depth, kBankWall + 0.05f}, {0, kBankWall + 0.46f}};
        m.add(placedIn(wallPolygon({side * w, 0, kBankFront}, {0, 0, 1}, outline, kBankWall + 0.5f, kBankWall - 1.0f,
                                   1.0f / kSidingRepeat, {side, 0, 0}),
                       kSiding));
    }
    return m;
}

// The false front with pilasters (plinths and capitals), a cornice over the ground floor,
// the sign, and the door between the middle pilasters up two steps under a header.
Mesh bankFront(float z, float halfWidth)
{
    Mesh m;
    const float fw = halfWidth;
    m.add(frontWall(fw, z, kBankFalseTop, kSiding, kSidingRepeat, kBankWall / 2));
    m.add(wall({fw, 0, z + 0.04f}, {-1, 0, 0}, 2 * fw, kBankWall, kBankFalseTop, {0, 0, 1}, kSiding, kSidingRepeat,
               kBankWall / 2));
    m.add(falseFrontTrim(fw, z, kBankFalseTop, kBankCorniceTop));
    for (float x : {-fw + 0.1f, -0.75f, 0.75f, fw - 0.1f}) {
        m.add(placedIn(crate({x - 0.16f, 0, z - 0.16f}, {x + 0.16f, kBankWall, z}), kTrim, 0.5f));
        m.add(placedIn(crate({x - 0.22f, 0, z - 0.22f}, {x + 0.22f, 0.4f, z}), kTrim, 0.5f));
        m.add(placedIn(crate({x - 0.22f, kBankWall - 0.12f, z - 0.22f}, {x + 0.22f, kBankWall + 0.05f, z}), kTrim, 0.5f));
    }
    m.add(placedIn(crate({-fw - 0.15f, kBankWall + 0.05f, z - 0.26f}, {fw + 0.15f, kBankWall + 0.2f, z}), kTrim, 0.5f));
    m.add(signBoard(-1.45f, 1.45f, kBankWall + 0.3f, kBankFalseTop - 0.05f, z, kBankSign));
    constexpr float kSteps = 0.3f, kDoorHeight = 1.95f;
    m.add(placedIn(decal({-0.5f, kSteps + kDoorHeight, z - kDecal}, {1.0f, 0, 0}, kDoorHeight), kDoor));
    m.add(placedIn(crate({-0.62f, kSteps + kDoorHeight, z - 0.12f}, {0.62f, kSteps + kDoorHeight + 0.15f, z}), kTrim, 0.5f));
    for (int step = 0; step < 2; ++step) {
        const float top = kSteps * float(2 - step) / 2, out = 0.35f * float(step + 1);
        m.add(placedIn(crate({-0.65f, 0, z - out}, {0.65f, top, z}), kPlanks, 0.5f));
    }
    return m;
}

// The bank's windows, the front ones on the false front, with four bars each.
Mesh barredWindows(float z)
{
    Mesh m;
    std::vector<Window> windows = bankWindows();
    for (Window& window : windows)
        if (window.facing.z < -0.5f) window.topLeft.z = z;
    m.add(windowFrames(windows));
    for (const Window& window : windows)
        for (int bar = 1; bar < 5; ++bar) {
            const Vec3 top = window.topLeft + window.across * (window.width * float(bar) / 5) + window.facing * 0.04f;
            m.add(placedIn(rod(top, top - Vec3{0, window.height, 0}, 0.018f, 4), kTrim, 0.5f));
        }
    return m;
}

Mesh bankModel()
{
    const float z = kBankFront - 0.04f;
    Mesh m = bankBody();
    m.add(bankFront(z, kBankHalfWidth + 0.1f));
    m.add(barredWindows(z));
    return m;
}

// ---------------------------------------------------------------- painting saloon.jpg

const Rgba kSidingPaint = rgb(158, 70, 50);   // faded barn red
const Rgba kTrimPaint = rgb(232, 214, 170);   // warm cream

TextureLayers sidingPaint()
{
    // The boards of the house's siding (the same planks and battens), painted red.
    PlankStyle boards;
    boards.planks = 16;
    boards.gap = 0.06f;
    boards.nails = false;
    boards.weathering = 0.45f;
    constexpr uint32_t kSeed = 61;
    TextureLayers t = plankTexture(1024, 256, boards, kSeed);
    eachPixel(1024, 256, [&](int x, int y, float u, float v) {
        const float wear = smoothstep(0.5f, 0.8f, tilingNoise(u, v, 20, 5, 4, kSeed + 7));
        const Rgba wood = t.colour.at(x, y);
        const float lum = 0.3f * wood.r + 0.59f * wood.g + 0.11f * wood.b;
        const float streak = tilingNoise(u, v, 64, 2, 2, kSeed + 8);
        Rgba c = mix(scaled(kSidingPaint, 0.72f + 0.45f * lum + 0.12f * streak), wood, wear * 0.85f);
        const float board = std::fmod(u * 16.0f, 1.0f);
        if (board < 0.08f || board > 0.96f) c = mix(scaled(kSidingPaint, 0.95f), wood, wear * 0.5f);
        if (std::fabs(board - 0.08f) < 0.012f) c = scaled(c, 0.65f);
        if (y < 6 || y > 249) c = scaled(kSidingPaint, 0.75f);
        t.colour.at(x, y) = clamped(c);
    });
    return t;
}

TextureLayers shingles()
{
    // The house's shingle courses (nine rows of 24), in grey weathered cedar.
    TextureLayers t{Image(1024, 256), HeightField(1024, 256)};
    constexpr int kRows = 9, kPerRow = 24;
    eachPixel(1024, 256, [&](int x, int y, float u, float v) {
        const float row = v * kRows, r = std::floor(row), f = row - r;
        const float col = u * kPerRow + (int(r) % 2) * 0.5f, c = std::floor(col), g = col - c;
        const float tone = 0.75f + 0.35f * hashUnit(int(c) % kPerRow, int(r), 81);
        const float grain = tilingNoise(u, v, 96, 8, 2, 82);
        Rgba colour = mix(rgb(126, 104, 84), rgb(104, 98, 92), hashUnit(int(c) % kPerRow, int(r), 83));
        colour = scaled(colour, tone * (0.85f + 0.25f * grain) * (0.6f + 0.4f * smoothstep(0.0f, 0.35f, f)));
        if (g < 0.04f || g > 0.97f) colour = scaled(colour, 0.55f);
        t.colour.at(x, y) = clamped(colour);
    });
    return t;
}

TextureLayers picture(int w, int h, const std::function<Rgba(float u, float v, float grain)>& paint, uint32_t seed)
{
    TextureLayers t{Image(w, h), HeightField(w, h)};
    eachPixel(w, h, [&](int x, int y, float u, float v) {
        t.colour.at(x, y) = clamped(paint(u, v, tilingNoise(u, v, 4, 24, 2, seed)));
    });
    return t;
}

TextureLayers swingDoors()
{
    const Rgba stain = rgb(170, 112, 62), dark = rgb(30, 22, 16);
    return picture(128, 256, [&](float u, float v, float grain) {
        if (u < 0.07f || u > 0.93f || v < 0.035f) return scaled(kTrimPaint, 0.95f + 0.05f * grain);  // the frame
        // The lit room behind: a lamp's glow high up, the floor low down.
        Rgba c = mix(rgb(70, 50, 30), dark, smoothstep(0.05f, 0.3f, v));
        if (v > 0.8f) c = mix(dark, rgb(60, 42, 28), smoothstep(0.8f, 1.0f, v));
        // Two batwing doors, their tops curving up to the middle.
        const float half = u < 0.5f ? (u - 0.08f) / 0.41f : (0.92f - u) / 0.41f;
        const float top = 0.36f - 0.06f * std::sin(half * model::kPi * 0.5f);
        if (v > top && v < 0.74f && std::fabs(u - 0.5f) > 0.012f) {
            c = scaled(stain, 0.85f + 0.3f * grain);
            const float louvre = std::fmod((v - top) * 40.0f, 1.0f);
            const bool panel = half > 0.14f && half < 0.86f && v > top + 0.05f && v < 0.69f;
            if (panel) c = scaled(c, 0.75f + 0.35f * louvre);
            if (v < top + 0.015f) c = scaled(kTrimPaint, 0.9f);
        }
        return c;
    }, 91);
}

TextureLayers windowFrame()
{
    return picture(128, 256, [](float u, float v, float grain) {
        const Rgba frame = scaled(rgb(70, 96, 72), 0.9f + 0.15f * grain);  // bottle green
        const float fx = std::min(u, 1 - u), fy = std::min(v, 1 - v);
        if (fx < 0.08f || fy < 0.05f || std::fabs(u - 0.5f) < 0.04f || std::fabs(v - 0.5f) < 0.025f) return frame;
        return mix(rgb(44, 40, 36), rgb(26, 24, 24), v);  // the room behind
    }, 92);
}

TextureLayers panelledDoor()
{
    // Painted at a door's proportions and squeezed into the square region.
    TextureLayers t = picture(128, 256, [](float u, float v, float grain) {
        const Rgba green = rgb(58, 84, 62);
        if (u < 0.08f || u > 0.92f || v < 0.04f) return kTrimPaint;
        Rgba c = scaled(green, 0.85f + 0.3f * grain);
        if (v > 0.08f && v < 0.4f && u > 0.18f && u < 0.82f) {  // the glazed top with a curtain
            c = mix(rgb(40, 52, 64), rgb(110, 140, 160), smoothstep(0.4f, 0.08f, v) * 0.5f);
            if (std::fabs(u - 0.5f) < 0.2f - 0.3f * (v - 0.08f) && v < 0.3f) c = rgb(206, 190, 150);
        }
        const bool panel = v > 0.48f && v < 0.92f && ((u > 0.16f && u < 0.46f) || (u > 0.54f && u < 0.84f));
        if (panel) c = scaled(c, 1.15f);
        if (std::hypot((u - 0.84f) * 0.5f, v - 0.6f) < 0.015f) c = palette::brass;
        return c;
    }, 93);
    return {resized(t.colour, 128, 128), HeightField(128, 128)};
}

TextureLayers letteredBoard(int w, int h, const std::string& words, const Rgba& ground, const Rgba& border,
                            const LetteringStyle& style, uint32_t seed)
{
    TextureLayers t = picture(w, h, [&](float u, float v, float grain) {
        Rgba c = scaled(ground, 0.88f + 0.22f * grain);
        const float aspect = float(w) / float(h);
        if (std::min({u * aspect, (1 - u) * aspect, v, 1 - v}) < 0.07f) c = border;
        return c;
    }, seed);
    const int margin = h / 7;
    drawLettering(t.colour, words, margin * 2, margin + 2, w - margin * 4, h - margin * 2 - 4, style);
    return t;
}

void paintSaloonAtlas(ContentOutput& output)
{
    Atlas atlas(kAtlas, kAtlas);
    atlas.place(sidingPaint(), kSiding);
    atlas.place(shingles(), kShingles);
    WoodStyle trim;
    trim.light = kTrimPaint;
    trim.dark = rgb(200, 180, 140);
    trim.rings = 3;
    trim.knots = 0;
    atlas.place(woodGrainTexture(128, 1024, trim, 62), kTrim, Turn::Across);
    PlankStyle walk;
    walk.planks = 4;
    walk.weathering = 0.6f;
    walk.wood.light = rgb(176, 132, 90);
    walk.wood.dark = rgb(110, 76, 48);
    atlas.place(plankTexture(128, 1024, walk, 63), kPlanks, Turn::Across);
    atlas.place(swingDoors(), kSwingDoors);
    atlas.place(windowFrame(), kWindow);
    atlas.place(panelledDoor(), kDoor);

    LetteringStyle gold;
    gold.fillTop = rgb(252, 232, 168);
    gold.fillBottom = rgb(220, 170, 70);
    gold.outline = rgb(40, 20, 10);
    gold.outlineWidth = 3.0f;
    atlas.place(letteredBoard(768, 128, "SALOON", rgb(34, 30, 28), rgb(206, 164, 84), gold, 94), kSaloonSign);
    LetteringStyle dark;
    dark.face = FontFace::Serif;
    dark.fillTop = rgb(70, 34, 24);
    dark.fillBottom = rgb(40, 20, 14);
    dark.outline = rgb(240, 226, 190);
    dark.outlineWidth = 2.0f;
    dark.shadow = rgb(0, 0, 0, 0.2f);
    atlas.place(letteredBoard(320, 128, "HOTEL", rgb(236, 222, 186), rgb(120, 44, 32), dark, 95), kHotelSign);
    LetteringStyle bank = gold;
    bank.face = FontFace::Serif;
    atlas.place(letteredBoard(320, 128, "BANK", rgb(30, 52, 40), rgb(206, 164, 84), bank, 96), kBankSign);
    atlas.write(output, "saloon.jpg", "", 3.0f);
}

// top2.jpg: a corrugated tin roof. The scenery nodes carry one colour texture each, so
// no saloon shows it; it is written so that the texture set stays complete.
void paintTinRoof(ContentOutput& output)
{
    TextureLayers rust = rustTexture(256, 0.35f, 97);
    Image tin(512, 512);
    eachPixel(512, 512, [&](int x, int y, float u, float v) {
        const float ridge = 0.5f + 0.5f * std::cos(u * 2 * model::kPi * 16);
        Rgba c = scaled(rust.colour.sample(u * 256, v * 256, true), 0.78f + 0.32f * ridge);
        if (std::fmod(v * 3.0f, 1.0f) < 0.012f) c = scaled(c, 0.6f);  // the overlap of the sheets
        tin.at(x, y) = clamped(c);
    });
    output.write("Textures/top2.jpg", encodeJpeg(tin, 90));
}

// Hole 5 looks the house's panes up as house_Glass.b3d: the same file under that name. The
// generators run in name order, so town_buildings has written house_glass.b3d by now.
void copyHouseGlass(ContentOutput& output)
{
    std::ifstream in(output.path("Models/house_glass.b3d"), std::ios::binary);
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (bytes.empty()) {
        std::cerr << "town_saloons: Models/house_glass.b3d is missing; run town_buildings first" << std::endl;
        return;
    }
    output.write("Models/house_Glass.b3d", bytes);
}

void generateSaloons(ContentOutput& output)
{
    copyHouseGlass(output);
    paintSaloonAtlas(output);
    paintTinRoof(output);
    output.write("Models/saloon.b3d", model::writeB3d(saloonModel().rename("saloon")));
    output.write("Models/saloon2.b3d", model::writeB3d(hotelModel().rename("saloon2")));
    output.write("Models/saloon3.b3d", model::writeB3d(bankModel().rename("saloon3")));
    Mesh glass = panes(onFalseFront(saloonWindows()));
    output.write("Models/saloonGlass.3ds", model::write3ds(glass.rename("glass")));
}

}  // namespace

}  // namespace town

REGISTER_GENERATOR(town_saloons, town::generateSaloons);
