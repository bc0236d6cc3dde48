// The mine mills: stamp mills whose timber houses step down in three tiers towards
// the front (-z), on stone footings, with a head frame over the top tier, an ore chute
// and tin roofs. Textures mill.jpg or mill1.jpg (one atlas layout, painted two ways)
// with millnormal.jpg; the scenery catalogue gives mill1.jpg to the models whose name
// holds a "1" (minemill1.b3d, mineMill1.b3d).
//
// Every variant shares the same mill house, so its windows sit in the same places and
// one glass model, minemill_glass.b3d, fits them all; the variants differ in what stands
// round the house (head frames, chimney and boiler house, ore bin, sheds, water tank),
// all on the same plot. (The engine's mesh cache ignores letter case: once a game has
// loaded minemill1.b3d it shows that for mineMill1.b3d too, so either may stand on a plot.)
//
//   minemill.b3d    the stamp mill with its head frame and ore chute
//   minemill1.b3d   a boiler house and a tall iron chimney on the +x side, a shed on -x
//   mineMill1.b3d   head frame, ore chute, ore bin on -x, boiler house and chimney on +x
//   minemill2.b3d   no head frame: an ore bin and a water tank on -x, a shed on +x
//   mineMill2.b3d   two head frames side by side, a shed on -x, a water tank on +x
//
// Intended scale 2. Every mill stands on its origin (the middle of its footprint at
// ground level, lowest point y = 0; the upper tiers stand on footings down to y = 0, so
// the plot is flat), its front towards -z. Footprints (x by z, then height):
//
//   model            model units                         at scale 2 (world units)
//   every mill       x -4.3..4.3, z -4.5..4.5, h <= 9.0    17.2 x 18, at most 18 tall
//   (the house alone x -3.55..3.55, z -4.1..3.9 with its roofs; walls x -3.25..3.25, z -3.6..3.6)
//
// A hole lays a flat plot of the footprint at the height where it places the model.
#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "content/art/noise.h"
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

// ---------------------------------------------------------------- the atlas (mill.jpg, mill1.jpg)
constexpr int kAtlas = 1024;
constexpr Region kBoards{0, 0, 1024, 256};    // upright boards and battens, one band of wall, tiling along u
constexpr Region kTin{0, 256, 1024, 256};     // corrugated tin, the ridges running down v
constexpr Region kTimber{0, 512, 1024, 128};  // heavy timber, grain along u
constexpr Region kStone{0, 640, 1024, 128};   // the rubble stone of the footings, tiling along u
constexpr Region kWindow{0, 768, 128, 256};   // a frame round four panes (minemill_glass.b3d covers them)
constexpr Region kDoor{128, 768, 128, 256};   // the big braced plank door
constexpr Region kSign{256, 768, 768, 128};   // the company's name
constexpr Region kIron{256, 896, 768, 128};   // rusty iron: chimney, chute, wheel, hoops; along u
constexpr float kBoardRepeat = 2.0f;          // model units per repeat of the boards (24 boards)
constexpr float kBoardBand = 2.0f;            // wall height per band of the boards
constexpr float kStoneRepeat = 3.0f, kStoneBand = 1.5f;
constexpr float kTinRepeat = 2.5f;
constexpr float kTimberRepeat = 1.5f;

// ---------------------------------------------------------------- the mill house
// Model units; the holes place the mills at scale 2.
constexpr float kHalfWidth = 3.25f;
constexpr float kSideOut = 4.15f;              // the outer wall of the sheds beside the house
struct Tier {
    float front, back;     // z of the front and back walls
    float floor;           // the boards start here; stone footings below
    float eaves, top;      // the shed roof's height over the front and the back wall
};
constexpr Tier kTiers[] = {
    {-3.6f, -1.2f, 0.0f, 2.6f, 3.1f},  // the bottom tier, at the front
    {-1.2f, 1.2f, 1.3f, 4.0f, 4.5f},
    {1.2f, 3.6f, 2.6f, 5.3f, 5.8f},    // the top tier, under the head frame
};
constexpr float kOverhang = 0.3f;
constexpr float kDecal = 0.012f, kPane = 0.02f;

Mesh placedIn(Mesh m, Region r, float uScale = 1.0f) { return std::move(inRegion(m, r, kAtlas, kAtlas, uScale)); }
Mesh timber(Mesh m) { return placedIn(std::move(m), kTimber, 1.0f / kTimberRepeat); }
Mesh iron(Mesh m, float repeat = 1.0f) { return placedIn(std::move(m), kIron, 1.0f / repeat); }


// A rectangular wall in bands of `band` height, each band showing the region's height once.
Mesh wall(Vec3 origin, Vec3 along, float length, float y0, float y1, Vec3 facing, Region region, float repeat, float band)
{
    Mesh m;
    for (float y = y0; y < y1 - 0.01f; y += band) {
        const float top = std::min(y1, y + band);
        m.add(placedIn(wallPolygon(origin, along, {{0, y}, {length, y}, {length, top}, {0, top}}, y + band, y,
                                   1.0f / repeat, facing),
                       region));
    }
    return m;
}

// Stone from the ground to `floor`, boards from there to `top`.
Mesh footedWall(Vec3 origin, Vec3 along, float length, float floor, float top, Vec3 facing)
{
    Mesh m;
    if (floor > 0) m.add(wall(origin, along, length, 0, floor, facing, kStone, kStoneRepeat, kStoneBand));
    m.add(wall(origin, along, length, floor, top, facing, kBoards, kBoardRepeat, kBoardBand));
    return m;
}

Mesh tierWalls(const Tier& t, bool back)
{
    Mesh m;
    const float depth = t.back - t.front, w = kHalfWidth;
    const float frontBottom = t.floor > 0 ? t.floor : 0;  // the lower tier's roof hides the rest
    m.add(footedWall({-w, 0, t.front}, {1, 0, 0}, 2 * w, frontBottom, t.eaves, {0, 0, -1}));
    m.add(footedWall({w, 0, t.front}, {0, 0, 1}, depth, t.floor, t.eaves, {1, 0, 0}));
    m.add(footedWall({-w, 0, t.back}, {0, 0, -1}, depth, t.floor, t.eaves, {-1, 0, 0}));
    if (back) m.add(footedWall({w, 0, t.back}, {-1, 0, 0}, 2 * w, t.floor, t.top, {0, 0, 1}));
    // The sides' triangles under the sloping roof.
    for (float side : {-1.0f, 1.0f}) {
        const Vec3 corner{side * w, 0, side > 0 ? t.front : t.back}, along{0, 0, side};
        const Vec2 peak = side > 0 ? Vec2{depth, t.top} : Vec2{0, t.top};
        m.add(placedIn(wallPolygon(corner, along, {{0, t.eaves}, {depth, t.eaves}, peak}, t.eaves + kBoardBand, t.eaves,
                                   1.0f / kBoardRepeat, {side, 0, 0}),
                       kBoards));
    }
    return m;
}

Mesh shedRoof(float x0, float x1, float zHigh, float yHigh, float zLow, float yLow)
{
    Mesh roof = board({x1, yHigh + 0.06f, zHigh}, {x0 - x1, 0, 0}, {0, yLow - yHigh, zLow - zHigh}, 0.06f);
    return placedIn(roof, kTin, 1.0f / kTinRepeat);
}

Mesh tierRoof(const Tier& t)
{
    const float slope = (t.top - t.eaves) / (t.back - t.front);
    const float low = t.eaves - slope * kOverhang;
    Mesh m = shedRoof(-kHalfWidth - kOverhang, kHalfWidth + kOverhang, t.back + 0.1f, t.top + 0.1f * slope,
                      t.front - kOverhang, low);
    // A fascia board along the eaves.
    m.add(timber(beam({-kHalfWidth - kOverhang, low - 0.05f, t.front - kOverhang},
                      {kHalfWidth + kOverhang, low - 0.05f, t.front - kOverhang}, 0.06f, 0.14f)));
    return m;
}

struct Window {
    Vec3 topLeft;  // on the wall's face
    Vec3 across;
    Vec3 facing;
    float width, height;
};

// The mill house's windows: every variant has them, so that one glass model fits all.
std::vector<Window> millWindows()
{
    std::vector<Window> w;
    const Vec3 front{0, 0, -1};
    for (float x : {-1.9f, 1.9f}) w.push_back({{x - 0.4f, 2.2f, kTiers[0].front}, {1, 0, 0}, front, 0.8f, 1.1f});
    for (float x : {-2.5f, 2.5f}) w.push_back({{x - 0.35f, 3.9f, kTiers[1].front}, {1, 0, 0}, front, 0.7f, 0.65f});
    for (float x : {-1.7f, 0.0f, 1.7f}) w.push_back({{x - 0.35f, 5.2f, kTiers[2].front}, {1, 0, 0}, front, 0.7f, 0.6f});
    const float sideTops[] = {2.2f, 3.5f, 4.8f};
    for (int t = 0; t < 3; ++t) {
        const float z = 0.5f * (kTiers[t].front + kTiers[t].back);
        for (float side : {-1.0f, 1.0f}) {
            const float start = side > 0 ? z - 0.35f : z + 0.35f;
            w.push_back({{side * kHalfWidth, sideTops[t], start}, {0, 0, side}, {side, 0, 0}, 0.7f, 0.8f});
        }
    }
    return w;
}

Mesh windowFrames(const std::vector<Window>& windows)
{
    Mesh m;
    for (const Window& w : windows) {
        m.add(placedIn(decal(w.topLeft + w.facing * kDecal, w.across * w.width, w.height), kWindow));
        const Vec3 a = w.topLeft + Vec3{0, -w.height - 0.04f, 0} - w.across * 0.06f + w.facing * 0.05f;
        m.add(timber(beam(a, a + w.across * (w.width + 0.12f), 0.1f, 0.07f)));
    }
    return m;
}

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

Mesh millHouse()
{
    Mesh m;
    for (int t = 0; t < 3; ++t) {
        m.add(tierWalls(kTiers[t], t == 2));
        m.add(tierRoof(kTiers[t]));
    }
    // The corner posts of every tier.
    for (const Tier& t : kTiers)
        for (float x : {-kHalfWidth, kHalfWidth})
            for (float z : {t.front, t.back})
                m.add(timber(beam({x, t.floor, z}, {x, z == t.front ? t.eaves : t.top, z}, 0.16f, 0.16f, {0, 0, 1})));
    // The big door, its step, and the sign over the middle tier's roof.
    const float front = kTiers[0].front;
    m.add(placedIn(decal({-0.65f, 2.1f, front - kDecal}, {1.3f, 0, 0}, 2.1f), kDoor));
    m.add(timber(crate({-0.8f, 0, front - 0.5f}, {0.8f, 0.12f, front})));
    m.add(timber(beam({-0.8f, 2.18f, front - 0.06f}, {0.8f, 2.18f, front - 0.06f}, 0.14f, 0.12f)));
    const float signZ = kTiers[1].front - 0.04f;
    m.add(timber(crate({-1.85f, 3.26f, signZ - 0.04f}, {1.85f, 3.9f, signZ + 0.04f})));
    m.add(placedIn(decal({-1.8f, 3.85f, signZ - 0.04f - kDecal}, {3.6f, 0, 0}, 0.54f), kSign));
    m.add(windowFrames(millWindows()));
    return m;
}

// ---------------------------------------------------------------- what stands round it

// The head frame over the top tier: four legs up through the roof, a sheave wheel on top,
// back braces down to the roof.
Mesh headFrame(float x, float height)
{
    Mesh m;
    const float zFront = 1.9f, zBack = 3.0f, baseY = kTiers[2].floor, spread = 0.75f, topSpread = 0.45f;
    for (float side : {-1.0f, 1.0f})
        for (float z : {zFront, zBack}) {
            const Vec3 foot{x + side * spread, baseY, z}, head{x + side * topSpread, height, z};
            m.add(timber(beam(foot, head, 0.26f, 0.26f, {0, 0, 1})));
        }
    for (float side : {-1.0f, 1.0f}) {  // cross braces on the sides, above the roof
        const float lowY = 6.6f, t0 = (lowY - baseY) / (height - baseY), s0 = spread + (topSpread - spread) * t0;
        const Vec3 a{x + side * s0, lowY, zFront}, b{x + side * topSpread, height, zBack};
        const Vec3 c{x + side * s0, lowY, zBack}, d{x + side * topSpread, height, zFront};
        m.add(timber(beam(a, b, 0.1f, 0.1f))).add(timber(beam(c, d, 0.1f, 0.1f)));
    }
    for (float y : {6.6f, height}) {  // girts round the legs
        const float t = (y - baseY) / (height - baseY), s = spread + (topSpread - spread) * t;
        for (float side : {-1.0f, 1.0f}) m.add(timber(beam({x + side * s, y, zFront}, {x + side * s, y, zBack}, 0.14f, 0.14f)));
        for (float z : {zFront, zBack}) m.add(timber(beam({x - s, y, z}, {x + s, y, z}, 0.14f, 0.14f)));
    }
    for (float side : {-1.0f, 1.0f})  // back braces
        m.add(timber(beam({x + side * topSpread, height - 0.3f, zBack}, {x + side * 0.6f, 5.9f, 4.3f}, 0.16f, 0.16f)));
    // The sheave wheel, its axle along x.
    const Vec3 hub{x, height + 0.05f, 0.5f * (zFront + zBack)};
    m.add(iron(hoop(0.42f, 0.045f, 20, 4).rotateZ(90).translate(hub), 0.3f));
    for (int spoke = 0; spoke < 3; ++spoke) {
        const float a = model::kPi * float(spoke) / 3;
        const Vec3 d{0, std::cos(a) * 0.42f, std::sin(a) * 0.42f};
        m.add(iron(rod(hub - d, hub + d, 0.025f, 4, false)));
    }
    m.add(iron(rod(hub - Vec3{topSpread + 0.05f, 0, 0}, hub + Vec3{topSpread + 0.05f, 0, 0}, 0.05f, 6)));
    return m;
}

// An iron-lined chute from the head frame down over the middle tier's roof.
Mesh oreChute(float x)
{
    Mesh m;
    const Vec3 top{x + 0.7f, 6.6f, 2.2f}, bottom{x + 1.9f, 4.6f, 0.2f};
    m.add(iron(beam(top, bottom, 0.45f, 0.3f), 1.0f));
    m.add(timber(beam(bottom + Vec3{0, -0.15f, 0}, {bottom.x, 4.2f, bottom.z}, 0.14f, 0.14f, {0, 0, 1})));
    return m;
}

// A boiler house against the +x side of the middle tier, and its iron chimney.
Mesh boilerHouse()
{
    Mesh m;
    const float x0 = kHalfWidth, x1 = kSideOut, z0 = -0.9f, z1 = 1.0f, high = 2.4f, low = 1.9f;
    m.add(wall({x1, 0, z0}, {0, 0, 1}, z1 - z0, 0, low, {1, 0, 0}, kBoards, kBoardRepeat, kBoardBand));
    for (float z : {z0, z1}) {
        const Vec3 facing{0, 0, z < 0 ? -1.0f : 1.0f};
        const Vec3 corner{z < 0 ? x0 : x1, 0, z}, along{z < 0 ? 1.0f : -1.0f, 0, 0};
        const std::vector<Vec2> outline = z < 0 ? std::vector<Vec2>{{0, 0}, {1, 0}, {1, low}, {0, high}}
                                                : std::vector<Vec2>{{0, 0}, {1, 0}, {1, high}, {0, low}};
        m.add(placedIn(wallPolygon(corner, along, outline, kBoardBand, 0, 1.0f / kBoardRepeat, facing), kBoards));
    }
    Mesh roof = board({x0, high + 0.06f, z0 - 0.2f}, {0, 0, z1 - z0 + 0.4f}, {x1 - x0 + 0.15f, low - high - 0.08f, 0}, 0.06f);
    m.add(placedIn(roof, kTin, 1.0f / kTinRepeat));
    return m;
}

Mesh chimney(Vec3 foot, float height)
{
    Mesh m;
    m.add(iron(rod(foot, foot + Vec3{0, height, 0}, 0.17f, 10), 2.0f));
    m.add(iron(rod(foot + Vec3{0, height - 0.25f, 0}, foot + Vec3{0, height, 0}, 0.24f, 10), 1.0f));  // the cap ring
    for (int guy = 0; guy < 3; ++guy) {  // guy wires to the ground
        const float a = 2 * model::kPi * (float(guy) + 0.25f) / 3;
        const Vec3 anchor = foot + Vec3{std::cos(a) * 1.2f, 0, std::sin(a) * 1.2f};
        m.add(iron(rod(foot + Vec3{0, height * 0.7f, 0}, {std::clamp(anchor.x, -kSideOut, kSideOut), 0, anchor.z}, 0.012f, 3, false)));
    }
    return m;
}

// An ore bin on legs against the -x side of the middle tier, with a chute into the mill.
Mesh oreBin()
{
    Mesh m;
    const float x0 = -kSideOut, x1 = -kHalfWidth - 0.15f, z0 = -0.9f, z1 = 0.9f, bottom = 1.1f, top = 2.8f;
    for (float x : {x0 + 0.08f, x1 - 0.08f})
        for (float z : {z0 + 0.08f, z1 - 0.08f}) m.add(timber(beam({x, 0, z}, {x, top, z}, 0.16f, 0.16f, {0, 0, 1})));
    Mesh bin = crate({x0, bottom, z0}, {x1, top, z1});
    m.add(placedIn(bin, kBoards, 0.5f));
    m.add(timber(beam({x0, top, z0 - 0.05f}, {x0, top, z1 + 0.05f}, 0.12f, 0.12f)));
    m.add(timber(beam({x1, top, z0 - 0.05f}, {x1, top, z1 + 0.05f}, 0.12f, 0.12f)));
    m.add(iron(beam({x1, bottom + 0.3f, 0}, {-kHalfWidth, bottom + 0.1f, 0}, 0.3f, 0.2f), 0.5f));
    return m;
}

// A lean-to shed against the -x or +x side of the top tier's footing.
Mesh leanTo(float side)
{
    Mesh m;
    const float wallX = side * kHalfWidth, outX = side * kSideOut, z0 = 1.5f, z1 = 3.4f, high = 2.7f, low = 2.0f;
    m.add(wall({outX, 0, side > 0 ? z0 : z1}, {0, 0, side}, z1 - z0, 0, low, {side, 0, 0}, kBoards, kBoardRepeat, kBoardBand));
    for (float z : {z0, z1}) {
        const Vec3 facing{0, 0, z < 2 ? -1.0f : 1.0f};
        const float dir = (z < 2) == (side > 0) ? 1.0f : -1.0f;  // along the end wall as seen from outside
        const Vec3 corner{dir > 0 ? std::min(wallX, outX) : std::max(wallX, outX), 0, z}, along{dir, 0, 0};
        const bool highFirst = (dir > 0) == (side > 0);
        const std::vector<Vec2> outline = highFirst ? std::vector<Vec2>{{0, 0}, {1, 0}, {1, low}, {0, high}}
                                                    : std::vector<Vec2>{{0, 0}, {1, 0}, {1, high}, {0, low}};
        m.add(placedIn(wallPolygon(corner, along, outline, kBoardBand, 0, 1.0f / kBoardRepeat, facing), kBoards));
    }
    Mesh roof = board({wallX, high + 0.06f, side > 0 ? z0 - 0.2f : z1 + 0.2f}, {0, 0, side * (z1 - z0 + 0.4f)},
                      {outX - wallX + side * 0.15f, low - high - 0.08f, 0}, 0.06f);
    m.add(placedIn(roof, kTin, 1.0f / kTinRepeat));
    return m;
}

// A water tank of staves on a timber tower, behind the +x or -x side.
Mesh waterTank(float x)
{
    Mesh m;
    const float z = 3.95f, legTop = 3.2f, radius = 0.5f, tankTop = 5.0f;
    for (float dx : {-0.35f, 0.35f})
        for (float dz : {-0.35f, 0.35f})
            m.add(timber(beam({x + dx * 1.15f, 0, z + dz * 1.15f}, {x + dx, legTop, z + dz}, 0.14f, 0.14f, {0, 0, 1})));
    m.add(timber(beam({x - 0.45f, 1.8f, z - 0.39f}, {x + 0.45f, 1.8f, z - 0.39f}, 0.1f, 0.1f)));
    m.add(timber(beam({x - 0.45f, 1.8f, z + 0.39f}, {x + 0.45f, 1.8f, z + 0.39f}, 0.1f, 0.1f)));
    Mesh tank = turned({{0, legTop}, {radius, legTop}, {radius, tankTop}, {radius + 0.05f, tankTop},
                        {0.04f, tankTop + 0.45f}, {0, tankTop + 0.45f}},
                       14);
    m.add(placedIn(tank.translate({x, 0, z}), kBoards, 2.0f));
    for (float y : {legTop + 0.3f, legTop + 0.9f, legTop + 1.5f})
        m.add(iron(hoop(radius + 0.015f, 0.02f, 14, 3).translate({x, y, z}), 0.3f));
    return m;
}

enum Part : unsigned { HeadFrame = 1, OreChute = 2, Boiler = 4, OreBin = 8, LeanToLeft = 16, LeanToRight = 32,
                       TankLeft = 64, TankRight = 128, TallFrame = 256 };

Mesh millModel(unsigned parts)
{
    Mesh m = millHouse();
    if (parts & HeadFrame) m.add(headFrame(0, 8.4f));
    if (parts & TallFrame) m.add(headFrame(-1.0f, 8.4f)).add(headFrame(1.2f, 7.6f));
    if (parts & OreChute) m.add(oreChute(0));
    if (parts & Boiler) m.add(boilerHouse()).add(chimney({3.55f, 0, 0.1f}, 8.6f));
    if (parts & OreBin) m.add(oreBin());
    if (parts & LeanToLeft) m.add(leanTo(-1));
    if (parts & LeanToRight) m.add(leanTo(1));
    if (parts & TankLeft) m.add(waterTank(-3.65f));
    if (parts & TankRight) m.add(waterTank(3.65f));
    return m;
}

struct Variant {
    const char* file;
    unsigned parts;
};
constexpr Variant kVariants[] = {
    {"minemill.b3d", HeadFrame | OreChute},
    {"minemill1.b3d", Boiler | LeanToLeft},
    {"mineMill1.b3d", HeadFrame | OreChute | OreBin | Boiler},
    {"minemill2.b3d", OreBin | LeanToRight | TankLeft},
    {"mineMill2.b3d", TallFrame | LeanToLeft | TankRight},
};

// ---------------------------------------------------------------- painting

struct MillPaint {
    Rgba boardsLight, boardsDark;  // the siding's wood
    Rgba paint;                    // paint over it (alpha: how much is left)
    float tinRust;                 // 0 galvanised .. 1 rusted through
    const char* company;
};

const MillPaint kMillPaint{rgb(170, 140, 104), rgb(98, 74, 52), rgb(0, 0, 0, 0.0f), 0.75f, "TALLOWICK STAMP MILL"};
const MillPaint kMill1Paint{rgb(168, 136, 100), rgb(96, 70, 50), rgb(150, 70, 48, 0.7f), 0.25f,
                            "LUCKY STRIKE MINING CO."};

TextureLayers boardsTexture(const MillPaint& p)
{
    PlankStyle boards;
    boards.planks = 24;
    boards.gap = 0.08f;
    boards.nails = true;
    boards.weathering = 0.7f;
    boards.wood.light = p.boardsLight;
    boards.wood.dark = p.boardsDark;
    TextureLayers t = plankTexture(1024, 256, boards, 201);
    eachPixel(1024, 256, [&](int x, int y, float u, float v) {
        const float board = std::fmod(u * 24.0f, 1.0f);
        Rgba c = t.colour.at(x, y);
        const float keep = p.paint.a * smoothstep(0.35f, 0.6f, tilingNoise(u, v, 20, 4, 4, 202));
        c = mix(c, scaled(p.paint, 0.8f + 0.3f * tilingNoise(u, v, 64, 2, 2, 203)), keep);
        if (board > 0.92f) c = scaled(c, 1.1f);  // battens catch the light
        c = scaled(c, 1.0f - 0.25f * smoothstep(0.7f, 1.0f, v));  // splash at the foot
        t.colour.at(x, y) = clamped(c);
        if (board > 0.92f) t.height.at(x, y) = 0.85f;
    });
    return t;
}

TextureLayers tinTexture(const MillPaint& p)
{
    TextureLayers rust = rustTexture(256, 0.2f + 0.7f * p.tinRust, 211);
    TextureLayers metal = metalTexture(256, 212);
    TextureLayers t{Image(1024, 256), HeightField(1024, 256)};
    eachPixel(1024, 256, [&](int x, int y, float u, float v) {
        const float ridge = 0.5f + 0.5f * std::cos(u * 2 * model::kPi * 40);
        const Rgba galvanised = mix(metal.colour.sample(v * 256, u * 256, true), rgb(150, 156, 160), 0.4f);
        const float patches = smoothstep(0.4f, 0.7f, tilingNoise(u, v, 8, 2, 4, 214));
        const float streak = smoothstep(0.5f, 0.8f, tilingNoise(u, v, 48, 2, 3, 213) + 0.25f * v);
        const float rusted = std::clamp(p.tinRust * (0.25f + 0.6f * patches + 0.5f * streak), 0.0f, 1.0f);
        Rgba c = mix(galvanised, scaled(rust.colour.sample(u * 512, v * 128, true), 0.85f), rusted);
        c = scaled(c, 0.75f + 0.35f * ridge);
        if (std::fmod(u * 4.0f, 1.0f) < 0.006f) c = scaled(c, 0.6f);  // the sheets' laps
        t.colour.at(x, y) = clamped(c);
        t.height.at(x, y) = ridge;
    });
    return t;
}

TextureLayers stoneTexture(const MillPaint&)
{
    BrickStyle rubble;
    rubble.rows = 4;
    rubble.columns = 6;
    rubble.mortarPixels = 5.0f;
    rubble.brick = rgb(150, 132, 110);
    rubble.brickDark = rgb(96, 84, 72);
    rubble.brickLight = rgb(196, 178, 146);
    rubble.mortar = rgb(186, 172, 146);
    return brickTexture(1024, 128, rubble, 221);
}

TextureLayers picture(int w, int h, const std::function<Rgba(float u, float v, float grain)>& paint, uint32_t seed)
{
    TextureLayers t{Image(w, h), HeightField(w, h)};
    eachPixel(w, h, [&](int x, int y, float u, float v) { t.colour.at(x, y) = clamped(paint(u, v, tilingNoise(u, v, 4, 24, 2, seed))); });
    return t;
}

TextureLayers windowPicture(const MillPaint& p)
{
    const Rgba frame = p.paint.a > 0 ? rgb(220, 206, 176) : rgb(150, 128, 98);
    return picture(128, 256, [&](float u, float v, float grain) {
        const float fx = std::min(u, 1 - u), fy = std::min(v, 1 - v);
        if (fx < 0.08f || fy < 0.05f || std::fabs(u - 0.5f) < 0.04f || std::fabs(v - 0.5f) < 0.025f)
            return scaled(frame, 0.9f + 0.15f * grain);
        return mix(rgb(40, 36, 32), rgb(22, 20, 20), v);
    }, 231);
}

TextureLayers doorPicture(const MillPaint& p)
{
    PlankStyle planks;
    planks.planks = 5;
    planks.weathering = 0.65f;
    planks.wood.light = p.boardsLight;
    planks.wood.dark = p.boardsDark;
    TextureLayers t = plankTexture(128, 256, planks, 232);
    eachPixel(128, 256, [&](int x, int y, float u, float v) {
        const bool rail = std::fabs(v - 0.1f) < 0.04f || std::fabs(v - 0.9f) < 0.04f || std::fabs(v - 0.5f) < 0.035f;
        const bool brace = (std::fabs((v - 0.1f) - (1 - u) * 0.4f) < 0.035f && v < 0.5f) ||
                           (std::fabs((v - 0.5f) - (1 - u) * 0.4f) < 0.035f && v > 0.5f);
        Rgba c = t.colour.at(x, y);
        if (rail || brace) {
            c = scaled(c, 0.85f);
            t.height.at(x, y) += 0.3f;
        }
        if (p.paint.a > 0) c = mix(c, p.paint, 0.5f);
        if (std::fabs(u - 0.5f) < 0.01f) c = rgb(30, 24, 20);  // the two leaves meet
        t.colour.at(x, y) = clamped(c);
    });
    return t;
}

TextureLayers signPicture(const MillPaint& p)
{
    TextureLayers t = picture(768, 128, [&](float u, float v, float grain) {
        Rgba c = scaled(rgb(226, 214, 184), 0.85f + 0.2f * grain);
        if (std::min({u * 6, (1 - u) * 6, v, 1 - v}) < 0.06f) c = scaled(rgb(110, 84, 60), 0.9f + 0.2f * grain);
        return c;
    }, 233);
    LetteringStyle style;
    style.face = FontFace::Serif;
    style.fillTop = rgb(60, 34, 24);
    style.fillBottom = rgb(40, 24, 18);
    style.outline = rgb(230, 216, 180);
    style.outlineWidth = 1.0f;
    style.shadow = rgb(0, 0, 0, 0.2f);
    drawLettering(t.colour, p.company, 48, 22, 672, 84, style);
    return t;
}

TextureLayers ironTexture()
{
    TextureLayers t = rustTexture(256, 0.7f, 241);  // the same in both paints: one normal texture
    TextureLayers out{Image(768, 128), HeightField(768, 128)};
    eachPixel(768, 128, [&](int x, int y, float u, float v) {
        out.colour.at(x, y) = clamped(scaled(t.colour.sample(u * 768, v * 128, true), 0.8f));
        out.height.at(x, y) = t.height.wrapped(int(u * 768), int(v * 128));
    });
    return out;
}

void paintMillAtlas(ContentOutput& output, const MillPaint& p, const char* colourName, const char* normalName)
{
    Atlas atlas(kAtlas, kAtlas);
    atlas.place(boardsTexture(p), kBoards);
    atlas.place(tinTexture(p), kTin);
    WoodStyle heavy;
    heavy.light = mix(p.boardsLight, rgb(120, 104, 86), 0.3f);
    heavy.dark = p.boardsDark;
    heavy.rings = 7;
    heavy.knots = 0.8f;
    atlas.place(woodGrainTexture(128, 1024, heavy, 251), kTimber, Turn::Across);
    atlas.place(stoneTexture(p), kStone);
    atlas.place(windowPicture(p), kWindow);
    atlas.place(doorPicture(p), kDoor);
    atlas.place(signPicture(p), kSign);
    atlas.place(ironTexture(), kIron);
    atlas.write(output, colourName, normalName, 3.0f);
}

void generateMills(ContentOutput& output)
{
    paintMillAtlas(output, kMillPaint, "mill.jpg", "millnormal.jpg");
    paintMillAtlas(output, kMill1Paint, "mill1.jpg", "");
    for (const Variant& v : kVariants) output.write(std::string("Models/") + v.file, model::writeB3d(millModel(v.parts).rename("mill")));
    Mesh glass = panes(millWindows());
    output.write("Models/minemill_glass.b3d", model::writeB3d(glass.rename("glass")));
}

}  // namespace

}  // namespace town

REGISTER_GENERATOR(town_mills, town::generateMills);
