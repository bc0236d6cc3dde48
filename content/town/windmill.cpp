// The windmill: a galvanised farm windmill on a lattice tower (windmill_base.b3d) and
// its wheel of blades (windmill_blades.3ds), with windmill.jpg / windmillnormal.jpg.
//
// Both models share one placement, and the builder turns the blades about their z
// axis, so the origin of both is the hub of the wheel: the wheel lies in the x-y plane
// facing -z (towards the tee), the gearbox and tail run back along +z, and the tower's
// feet stand kFootDepth model units below the hub (16 world units at the usual scale 8,
// so a windmill placed at y 16 stands on ground at y 0).
//
// The broken windmill (windmill_broken.3ds): its tower bent over, most blades gone,
// a few hanging from the wheel and lying at its feet. Hole 5 places it at scale -8, a
// point reflection, so the file holds its mirror image through the origin, itself a
// proper mesh with faces and normals pointing out of it: the placement brings the shape
// back, and the engine turns the normals with it (through the inverse transpose, which
// negates them), so they point out of the shape as shown and it is lit from the right
// side. Turned inside out instead, it would be lit from behind (normals of a .3ds follow
// its winding). The winding comes out reversed, which the builder allows for by showing
// both sides of a mirrored node. As seen after that reflection the hub is
// near the origin (it sank with the buckle) and the feet kFootDepth below; footprint
// x -1.15..1.55, z -1.1..1.1, y -2.0..-0.2 model units (21.6 x 17.6, 14.4 tall at scale 8;
// the feet 16 world units below the placement's height, before the hole's tilt).
#include <algorithm>
#include <cmath>
#include <string>

#include "content/art/noise.h"
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

constexpr int kSize = 512;
constexpr Region kSteel{0, 0, 512, 128};    // galvanised angle iron, tiling along u
constexpr Region kBlade{0, 128, 512, 128};  // a blade from root (top) to its red tip (bottom)
constexpr Region kDeck{0, 256, 512, 128};   // the platform's boards, along u
constexpr Region kVane{0, 384, 512, 128};   // the tail vane's painted name, shown once
constexpr float kSteelRepeat = 2.0f;        // repeats of the steel per model unit

// Tower, in model units (the hub at the origin).
constexpr float kFootDepth = 2.0f;
constexpr float kFootSpread = 0.42f;        // half the distance between the feet
constexpr float kTopY = -0.22f;
constexpr float kTopSpread = 0.07f;
constexpr float kLeg = 0.035f;
constexpr int kStages = 5;                  // braced panels up the tower
constexpr float kBrace = 0.008f;
constexpr float kDeckY = -0.33f;
constexpr float kDeckHalf = 0.24f;
// Wheel
constexpr int kBlades = 18;
constexpr float kBladeRoot = 0.13f, kBladeTip = 0.56f;
constexpr float kRootWidth = 0.05f, kTipWidth = 0.13f;
constexpr float kPitchDegrees = 28.0f;
constexpr float kBladeThickness = 0.004f;
constexpr float kWheelZ = -0.03f;
constexpr int kArms = 6;

model::Mesh steel(model::Mesh m) { return std::move(inRegion(m, kSteel, kSize, kSize, kSteelRepeat)); }

Vec3 towerCorner(int corner, float y)
{
    const float t = (y + kFootDepth) / (kTopY + kFootDepth);
    const float spread = kFootSpread + (kTopSpread - kFootSpread) * t;
    const float sx = (corner == 0 || corner == 3) ? -1.0f : 1.0f, sz = corner < 2 ? -1.0f : 1.0f;
    return {sx * spread, y, sz * spread};
}

model::Mesh tower()
{
    model::Mesh m;
    for (int c = 0; c < 4; ++c) {
        m.add(steel(beam(towerCorner(c, -kFootDepth), towerCorner(c, kTopY), kLeg, kLeg, {1, 0, 0})));
        const Vec3 foot = towerCorner(c, -kFootDepth);
        m.add(steel(crate(foot - Vec3{0.06f, 0.05f, 0.06f}, foot + Vec3{0.06f, 0.03f, 0.06f})));
    }
    for (int stage = 0; stage <= kStages; ++stage) {
        const float y0 = -kFootDepth + (kTopY + kFootDepth) * float(stage) / kStages;
        const float y1 = -kFootDepth + (kTopY + kFootDepth) * float(stage + 1) / kStages;
        for (int c = 0; c < 4; ++c) {
            const int d = (c + 1) % 4;
            if (stage > 0) m.add(steel(beam(towerCorner(c, y0), towerCorner(d, y0), kLeg * 0.7f, kLeg * 0.7f)));
            if (stage == kStages) continue;
            m.add(steel(rod(towerCorner(c, y0), towerCorner(d, y1), kBrace, 4)));
            m.add(steel(rod(towerCorner(d, y0), towerCorner(c, y1), kBrace, 4)));
        }
    }
    m.add(steel(rod({0, kTopY, 0}, {0, -kFootDepth + 0.1f, 0}, 0.012f, 6)));  // the pump rod
    model::Mesh deck = crate({-kDeckHalf, kDeckY - 0.025f, -kDeckHalf}, {kDeckHalf, kDeckY, kDeckHalf});
    m.add(inRegion(deck, kDeck, kSize, kSize, 1.0f));
    for (int c = 0; c < 4; ++c) {  // the railing's corner posts and top rail
        const Vec3 a{(c == 0 || c == 3) ? -kDeckHalf : kDeckHalf, kDeckY, c < 2 ? -kDeckHalf : kDeckHalf};
        const int d = (c + 1) % 4;
        const Vec3 b{(d == 0 || d == 3) ? -kDeckHalf : kDeckHalf, kDeckY, d < 2 ? -kDeckHalf : kDeckHalf};
        m.add(steel(rod(a, a + Vec3{0, 0.14f, 0}, 0.008f, 4)));
        m.add(steel(rod(a + Vec3{0, 0.14f, 0}, b + Vec3{0, 0.14f, 0}, 0.008f, 4)));
    }
    return m;
}

model::Mesh head()
{
    model::Mesh m;
    m.add(steel(rod({0, kTopY, 0}, {0, -0.06f, 0.1f}, 0.035f, 8)));                  // the turntable post
    m.add(steel(crate({-0.07f, -0.1f, 0.04f}, {0.07f, 0.05f, 0.24f})));              // the gearbox
    m.add(steel(rod({0, 0, -0.02f}, {0, 0, 0.06f}, 0.028f, 10)));                    // the main shaft
    m.add(steel(beam({0, -0.01f, 0.22f}, {0, 0.03f, 0.95f}, 0.03f, 0.03f)));         // the tail boom
    m.add(steel(rod({0, 0.05f, 0.24f}, {0, 0.18f, 0.7f}, 0.006f, 4)));               // its stay
    // The vane: two boards back to back so that the name reads from either side.
    const float vaneLength = 0.5f, vaneHeight = 0.26f;
    const Vec3 top{0, 0.19f, 0.58f};
    model::Mesh right = board(top + Vec3{0.005f, 0, 0}, {0, 0, vaneLength}, {0, -vaneHeight, 0}, 0.004f);
    model::Mesh left = board(top + Vec3{-0.005f, 0, vaneLength}, {0, 0, -vaneLength}, {0, -vaneHeight, 0}, 0.004f);
    m.add(inRegion(right, kVane, kSize, kSize));
    m.add(inRegion(left, kVane, kSize, kSize));
    return m;
}

// A twisted plate from the root to the tip of one blade, both faces.
model::Mesh blade(float angle)
{
    const Vec3 radial{std::cos(angle), std::sin(angle), 0}, tangent{-std::sin(angle), std::cos(angle), 0};
    const float pitch = model::radians(kPitchDegrees);
    const Vec3 width = tangent * std::cos(pitch) + Vec3{0, 0, -1} * std::sin(pitch);
    const Vec3 root = radial * kBladeRoot + Vec3{0, 0, kWheelZ}, tip = radial * kBladeTip + Vec3{0, 0, kWheelZ - 0.03f};
    model::Mesh m;
    model::Surface& s = m.surface();
    const Vec3 front = model::normalized(model::cross(tip - root, width));
    for (int side = 0; side < 2; ++side) {
        const Vec3 offset = front * (side ? -kBladeThickness : 0.0f), facing = side ? -front : front;
        const Vec3 p[4] = {root + offset, root + width * kRootWidth + offset, tip + width * kTipWidth + offset, tip + offset};
        const Vec2 uv[4] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
        const uint32_t first = uint32_t(s.vertices.size());
        for (int k = 0; k < 4; ++k) s.add({p[k], facing, uv[k], {1, 1, 1, 1}});
        if (model::dot(model::cross(p[1] - p[0], p[2] - p[0]), facing) >= 0) s.quad(first, first + 1, first + 2, first + 3);
        else s.quad(first, first + 3, first + 2, first + 1);
    }
    return std::move(inRegion(m, kBlade, kSize, kSize));
}

model::Mesh wheel()
{
    model::Mesh m;
    for (int b = 0; b < kBlades; ++b) m.add(blade(2 * model::kPi * float(b) / kBlades));
    for (float r : {0.2f, 0.47f}) m.add(steel(hoop(r, 0.008f, 48, 4).rotateX(90).translate({0, 0, kWheelZ - 0.01f})));
    for (int a = 0; a < kArms; ++a) {
        const float angle = 2 * model::kPi * (float(a) + 0.5f) / kArms;
        const Vec3 dir{std::cos(angle), std::sin(angle), 0};
        m.add(steel(rod(dir * 0.04f + Vec3{0, 0, kWheelZ}, dir * 0.48f + Vec3{0, 0, kWheelZ - 0.015f}, 0.007f, 4)));
    }
    m.add(steel(rod({0, 0, -0.08f}, {0, 0, 0.0f}, 0.055f, 12)));  // the hub
    return m;
}

// ---------------------------------------------------------------- the broken windmill

constexpr float kBendY = -1.15f;         // where the tower buckled
constexpr float kBendLength = 0.35f;     // the buckled length, bent in an arc
constexpr float kBendDegrees = 38.0f;    // how far the top leans over towards +x
constexpr int kBladesLeft[] = {0, 1, 2, 4, 7, 13, 14};  // the blades still on the wheel

// The buckle: points above kBendY follow an arc over towards +x and lean with it.
Vec3 buckled(Vec3 p)
{
    const float s = p.y - kBendY;
    if (s <= 0) return p;
    const float total = model::radians(kBendDegrees), radius = kBendLength / total;
    const float angle = std::min(s, kBendLength) / radius;
    const Vec3 spine{radius * (1 - std::cos(angle)), kBendY + radius * std::sin(angle), 0};
    const Vec3 along{std::sin(angle), std::cos(angle), 0}, side{std::cos(angle), -std::sin(angle), 0};
    const float beyond = std::max(0.0f, s - kBendLength);
    return spine + along * beyond + side * p.x + Vec3{0, 0, p.z};
}

model::Mesh buckledMesh(model::Mesh m)
{
    for (model::Surface& surface : m.surfaces)
        for (model::Vertex& v : surface.vertices) {
            const Vec3 tip = buckled(v.position + v.normal * 0.01f);
            v.position = buckled(v.position);
            v.normal = model::normalized(tip - v.position);
        }
    return m;
}

// The tower with its legs in one piece per panel (so that they bend), a few braces torn away.
model::Mesh brokenTower()
{
    model::Mesh m;
    for (int stage = 0; stage < kStages; ++stage) {
        const float y0 = -kFootDepth + (kTopY + kFootDepth) * float(stage) / kStages;
        const float y1 = -kFootDepth + (kTopY + kFootDepth) * float(stage + 1) / kStages;
        for (int c = 0; c < 4; ++c) {
            const int d = (c + 1) % 4;
            m.add(steel(beam(towerCorner(c, y0), towerCorner(c, y1), kLeg, kLeg, {1, 0, 0})));
            if (stage > 0 && (stage + c) % 3 != 0) m.add(steel(beam(towerCorner(c, y0), towerCorner(d, y0), kLeg * 0.7f, kLeg * 0.7f)));
            if ((stage * 4 + c) % 5 != 2) m.add(steel(rod(towerCorner(c, y0), towerCorner(d, y1), kBrace, 4)));
            if ((stage * 4 + c) % 3 != 1) m.add(steel(rod(towerCorner(d, y0), towerCorner(c, y1), kBrace, 4)));
        }
    }
    for (int c = 0; c < 4; ++c) {
        const Vec3 foot = towerCorner(c, -kFootDepth);
        m.add(steel(crate(foot - Vec3{0.06f, 0, 0.06f}, foot + Vec3{0.06f, 0.08f, 0.06f})));
    }
    // Half the deck is left, hanging off its frame.
    model::Mesh deck = crate({-kDeckHalf, kDeckY - 0.025f, -kDeckHalf}, {0.02f, kDeckY, kDeckHalf});
    m.add(inRegion(deck, kDeck, kSize, kSize, 1.0f));
    return m;
}

// What is left of the wheel: a few blades, part of the outer ring, four arms.
model::Mesh brokenWheel()
{
    model::Mesh m;
    for (int b : kBladesLeft) m.add(blade(2 * model::kPi * float(b) / kBlades));
    m.add(steel(hoop(0.2f, 0.008f, 32, 4).rotateX(90).translate({0, 0, kWheelZ - 0.01f})));
    constexpr int kArc = 10;  // the outer ring, broken after a third of its turn
    for (int k = 0; k < kArc; ++k) {
        const float a0 = -0.2f + 2.2f * float(k) / kArc, a1 = -0.2f + 2.2f * float(k + 1) / kArc;
        const Vec3 p0{0.47f * std::cos(a0), 0.47f * std::sin(a0), kWheelZ - 0.01f};
        const Vec3 p1{0.47f * std::cos(a1), 0.47f * std::sin(a1), kWheelZ - 0.01f};
        m.add(steel(rod(p0, p1, 0.008f, 4, false)));
    }
    for (int a = 0; a < kArms; ++a) {
        if (a == 3 || a == 4) continue;
        const float angle = 2 * model::kPi * (float(a) + 0.5f) / kArms;
        const Vec3 dir{std::cos(angle), std::sin(angle), 0};
        m.add(steel(rod(dir * 0.04f + Vec3{0, 0, kWheelZ}, dir * 0.48f + Vec3{0, 0, kWheelZ - 0.015f}, 0.007f, 4)));
    }
    m.add(steel(rod({0, 0, -0.08f}, {0, 0, 0.0f}, 0.055f, 12)));
    // One blade hangs by its root from the end of the ring.
    model::Mesh hanging = blade(-model::kPi / 2);
    hanging.rotateZ(-12).translate({0.47f * std::cos(2.0f) + 0.1f, 0.47f * std::sin(2.0f) - 0.1f, -0.02f});
    m.add(hanging);
    return m;
}

// Blades that fell, lying flat at the tower's feet (placed in the tower's unbent frame).
model::Mesh fallenBlades()
{
    struct Fallen { float turn, x, z; };
    constexpr Fallen kFallen[] = {{20, 0.35f, -0.95f}, {140, -0.9f, -0.3f}, {250, 0.55f, 0.6f}, {75, -0.2f, 0.85f}};
    model::Mesh m;
    for (const Fallen& f : kFallen) {
        model::Mesh b = blade(0);
        const model::Bounds box = b.bounds();
        // Flat on the ground: the blade's plane turned down, its lowest point on the feet's level.
        b.translate({-box.centre().x, -box.centre().y, -box.centre().z}).rotateX(90).rotateY(f.turn);
        const model::Bounds flat = b.bounds();
        b.translate({f.x, -kFootDepth - flat.min.y + 0.002f, f.z});
        m.add(b);
    }
    // One came down tip first and leans with its tip in the sand.
    model::Mesh stuck = blade(0);
    const model::Bounds box = stuck.bounds();
    stuck.translate({-box.centre().x, -box.centre().y, -box.centre().z}).rotateZ(-70).rotateY(35);
    stuck.translate({-0.75f, -kFootDepth - stuck.bounds().min.y, -0.7f});
    m.add(stuck);
    return m;
}

// The broken windmill as it should look (hub near the origin, feet kFootDepth below).
model::Mesh brokenWindmill()
{
    model::Mesh top = head();
    top.add(brokenWheel());
    // The tail boom hangs down, twisted on its pivot.
    model::Mesh standing = brokenTower();
    standing.add(buckledMesh(std::move(top.rotateY(-25))));
    model::Mesh bent = buckledMesh(std::move(standing));
    bent.add(fallenBlades());
    return bent;
}

// The mirror image through the origin, for the hole's placement at scale -8.
model::Mesh pointReflected(model::Mesh m) { return std::move(m.transform(model::Transform::scaling(-1.0f))); }

TextureLayers bladePaint()
{
    TextureLayers metal = metalTexture(256, 14);
    TextureLayers t{Image(kBlade.width, kBlade.height), HeightField(kBlade.width, kBlade.height)};
    eachPixel(kBlade.width, kBlade.height, [&](int x, int y, float u, float v) {
        Rgba c = scaled(metal.colour.sample(u * 256 * 2, v * 256, true), 0.95f);
        const float chips = tilingNoise(u, v, 16, 4, 3, 15);
        const float paint = smoothstep(0.66f, 0.68f, v + 0.04f * (chips - 0.5f));
        c = mix(c, mix(rgb(178, 42, 32), rgb(120, 40, 30), 0.4f * chips), paint);
        c = scaled(c, 1.0f - 0.25f * (1 - smoothstep(0.0f, 0.05f, std::min(u, 1 - u))));  // the folded edges
        t.colour.at(x, y) = clamped(c);
        t.height.at(x, y) = 0.5f + 0.1f * paint - 0.2f * (1 - smoothstep(0.0f, 0.05f, std::min(u, 1 - u)));
    });
    return t;
}

TextureLayers vanePaint()
{
    TextureLayers t{Image(kVane.width, kVane.height), HeightField(kVane.width, kVane.height)};
    eachPixel(kVane.width, kVane.height, [&](int x, int y, float u, float v) {
        const float wear = tilingNoise(u, v, 12, 3, 4, 16);
        Rgba c = mix(rgb(238, 226, 196), rgb(168, 160, 150), smoothstep(0.62f, 0.8f, wear));
        const float edge = std::min({u * 4, (1 - u) * 4, v, 1 - v});
        if (edge < 0.09f) c = rgb(168, 46, 34);
        t.colour.at(x, y) = c;
        t.height.at(x, y) = 0.5f + 0.05f * wear;
    });
    LetteringStyle style;
    style.fillTop = rgb(150, 34, 26);
    style.fillBottom = rgb(110, 26, 20);
    style.outline = rgb(60, 20, 14);
    style.outlineWidth = 1.0f;
    style.shadow = rgb(0, 0, 0, 0.25f);
    drawLettering(t.colour, "TALLOWICK", 40, 22, 432, 84, style);
    return t;
}

void generateWindmill(ContentOutput& output)
{
    Atlas atlas(kSize, kSize);
    TextureLayers galvanised = metalTexture(256, 12);
    for (Rgba& p : galvanised.colour.pixels) p = clamped(mix(p, rgb(150, 160, 166), 0.25f));
    atlas.place(galvanised, kSteel);
    atlas.place(bladePaint(), kBlade);
    PlankStyle boards;
    boards.planks = 5;
    boards.weathering = 0.6f;
    atlas.place(plankTexture(256, 256, boards, 13), kDeck, Turn::Across);
    atlas.place(vanePaint(), kVane);
    atlas.write(output, "windmill.jpg", "windmillnormal.jpg", 3.0f);

    model::Mesh base = tower();
    base.add(head());
    output.write("Models/windmill_base.b3d", model::writeB3d(base.rename("windmill")));
    output.write("Models/windmill_blades.3ds", model::write3ds(wheel().rename("windmill")));
    output.write("Models/windmill_broken.3ds", model::write3ds(pointReflected(brokenWindmill()).rename("windmill")));
}

}  // namespace

}  // namespace town

REGISTER_GENERATOR(town_windmill, town::generateWindmill);
