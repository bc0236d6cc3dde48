#include "content/town/props.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "content/art/noise.h"
#include "content/art/palette.h"
#include "content/art/text.h"
#include "content/model/shapes.h"
#include "content/output.h"
#include "content/registry.h"
#include "content/town/kit.h"
#include "content/town/prop_parts.h"
#include "content/town/town_art.h"

namespace town {

model::Mesh roundel(Vec3 centre, Vec3 up, float radius, int segments)
{
    Vec3 side = model::normalized(model::cross(std::fabs(up.y) > 0.9f ? Vec3{1, 0, 0} : Vec3{0, 1, 0}, up));
    const Vec3 lift = model::cross(up, side);
    model::Mesh m;
    model::Surface& s = m.surface();
    const uint32_t middle = s.add({centre, up, {0.5f, 0.5f}, {1, 1, 1, 1}});
    for (int k = 0; k < segments; ++k) {
        const float a = 2 * model::kPi * float(k) / float(segments);
        s.add({centre + (side * std::cos(a) + lift * std::sin(a)) * radius, up,
               {0.5f + 0.5f * std::cos(a), 0.5f + 0.5f * std::sin(a)}, {1, 1, 1, 1}});
    }
    for (uint32_t k = 0; k < uint32_t(segments); ++k) {
        uint32_t p = middle + 1 + k, q = middle + 1 + (k + 1) % uint32_t(segments);
        if (model::dot(model::cross(s.vertices[p].position - centre, s.vertices[q].position - centre), up) < 0) std::swap(p, q);
        s.triangle(middle, p, q);
    }
    return m;
}

model::Mesh plate(Vec3 a, Vec3 b, Vec3 c, Vec3 d, float thickness)
{
    const Vec3 front = model::normalized(model::cross(b - a, d - a)), back = front * -thickness;
    model::Mesh m;
    model::Surface& s = m.surface();
    const Vec2 uv[4] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    for (int side = 0; side < 2; ++side) {
        const Vec3 offset = side ? back : Vec3{}, facing = side ? -front : front;
        const Vec3 p[4] = {a + offset, b + offset, c + offset, d + offset};
        const uint32_t first = uint32_t(s.vertices.size());
        for (int k = 0; k < 4; ++k) s.add({p[k], facing, uv[k], {1, 1, 1, 1}});
        if (model::dot(model::cross(p[1] - p[0], p[2] - p[0]), facing) >= 0) s.quad(first, first + 1, first + 2, first + 3);
        else s.quad(first, first + 3, first + 2, first + 1);
    }
    return m;
}

namespace {

using model::Mesh;

constexpr int kSize = 512;  // every prop texture is 512 x 512

Mesh& region(Mesh& m, Region r, float uScale = 1.0f) { return inRegion(m, r, kSize, kSize, uScale); }
Mesh region(Mesh&& m, Region r, float uScale = 1.0f) { return std::move(inRegion(m, r, kSize, kSize, uScale)); }

// A tube along a path with a radius that may change along it and ribs (lobes) round it;
// u runs once round (lobes in step with a texture of that many ribs), v along in units / vTile.
// The far end closes in a dome.
Mesh tube(const std::vector<Vec3>& path, const std::function<float(float)>& radius, int sides, int lobes,
          float lobeDepth, float vTile, bool dome)
{
    Mesh m;
    model::Surface& s = m.surface();
    std::vector<float> along{0};
    for (size_t i = 1; i < path.size(); ++i) along.push_back(along.back() + model::length(path[i] - path[i - 1]));
    const float total = along.back();
    std::vector<Vec3> centres = path;
    std::vector<float> param, shrink;  // the radius function's argument, and the dome's narrowing
    for (float a : along) {
        param.push_back(a / total);
        shrink.push_back(1.0f);
    }
    if (dome) {  // rings closing over the end
        const Vec3 end = path.back(), dir = model::normalized(path.back() - path[path.size() - 2]);
        const float r = radius(1.0f);
        for (int k = 1; k <= 3; ++k) {
            const float angle = model::kPi / 2 * float(k) / 3;
            centres.push_back(end + dir * (r * std::sin(angle)));
            along.push_back(total + r * std::sin(angle));
            param.push_back(1.0f);
            shrink.push_back(std::cos(angle));
        }
    }
    const uint32_t columns = uint32_t(sides) + 1;
    Vec3 side = std::fabs(model::normalized(path[1] - path[0]).x) < 0.9f ? Vec3{1, 0, 0} : Vec3{0, 0, 1};
    for (size_t i = 0; i < centres.size(); ++i) {
        const Vec3 dir = model::normalized(i + 1 < centres.size() ? centres[i + 1] - centres[i] : centres[i] - centres[i - 1]);
        const Vec3 projected = side - dir * model::dot(side, dir);  // carried along the path without twisting
        side = model::length(projected) > 0.1f ? model::normalized(projected) : model::normalized(model::cross(dir, {0, 1, 0}));
        const Vec3 lift = model::cross(dir, side);
        const float r = radius(param[i]) * shrink[i];
        for (int k = 0; k <= sides; ++k) {
            const float a = 2 * model::kPi * float(k) / float(sides);
            const float lobe = 1.0f + lobeDepth * std::cos(float(lobes) * a);
            const Vec3 n = side * std::cos(a) + lift * std::sin(a);
            s.add({centres[i] + n * (r * lobe), n, {float(k) / float(sides), along[i] / vTile}, {1, 1, 1, 1}});
        }
    }
    for (uint32_t i = 0; i + 1 < centres.size(); ++i)
        for (uint32_t k = 0; k < uint32_t(sides); ++k) {
            const uint32_t a = i * columns + k, b = a + columns;
            const Vec3 n = model::cross(s.vertices[b].position - s.vertices[a].position,
                                        s.vertices[a + 1].position - s.vertices[a].position);
            if (model::dot(n, s.vertices[a].normal) >= 0) s.quad(a, b, b + 1, a + 1);
            else s.quad(a, a + 1, b + 1, b);
        }
    return m.computeNormals(70.0f);
}

// ---------------------------------------------------------------- barrels

constexpr Region kStaves{0, 0, 512, 320};  // once round the barrel, top to bottom
constexpr Region kHoopIron{0, 320, 512, 64};
constexpr Region kLid{0, 384, 128, 128};
constexpr float kBarrelHeight = 2.0f, kBarrelEnd = 0.62f, kBarrelBelly = 0.72f;

Mesh barrel()
{
    std::vector<Vec2> profile;
    for (int k = 0; k <= 8; ++k) {
        const float y = kBarrelHeight * float(k) / 8, bulge = std::sin(model::kPi * float(k) / 8);
        profile.push_back({kBarrelEnd + (kBarrelBelly - kBarrelEnd) * bulge, y});
    }
    Mesh m = region(turned(profile, 16, 80), kStaves);
    for (float y : {0.18f, 0.55f, 1.45f, 1.82f}) {  // iron hoops: thin bands standing proud of the staves
        const float r = kBarrelEnd + (kBarrelBelly - kBarrelEnd) * std::sin(model::kPi * y / kBarrelHeight);
        Mesh band = turned({{r, y - 0.06f}, {r + 0.022f, y - 0.045f}, {r + 0.022f, y + 0.045f}, {r, y + 0.06f}}, 16, 80);
        m.add(region(band, kHoopIron));
    }
    m.add(region(roundel({0, kBarrelHeight - 0.04f, 0}, {0, 1, 0}, kBarrelEnd - 0.02f, 20), kLid));
    m.add(region(roundel({0, 0.04f, 0}, {0, -1, 0}, kBarrelEnd - 0.02f, 20), kLid));
    return m;
}

Mesh barrels(int variant)
{
    Mesh m;
    switch (variant % 3) {
    case 0:
        m.add(barrel().translate({-0.8f, 0, 0.3f}));
        m.add(barrel().rotateY(40).translate({0.75f, 0, 0.45f}));
        m.add(barrel().rotateZ(90).rotateY(15).translate({0.2f, kBarrelEnd + 0.05f, -1.1f}));  // one lying in front
        break;
    case 1:
        m.add(barrel().translate({-0.72f, 0, 0}));
        m.add(barrel().rotateY(70).translate({0.72f, 0, 0.1f}));
        break;
    default: m.add(barrel()); break;
    }
    return m;
}

TextureLayers staves()
{
    PlankStyle style;
    style.planks = 16;
    style.gap = 0.05f;
    style.nails = false;
    style.weathering = 0.35f;
    style.wood.light = rgb(176, 120, 72);
    style.wood.dark = rgb(104, 62, 34);
    TextureLayers t = plankTexture(256, 320, style, 81);
    eachPixel(256, 320, [&](int x, int y, float, float v) {
        const float grime = 1.0f - 0.35f * (1 - smoothstep(0.0f, 0.12f, std::min(v, 1 - v)));
        t.colour.at(x, y) = scaled(t.colour.at(x, y), grime);
    });
    return t;
}

// Blackened iron, resampled from one rust picture shared by every prop.
TextureLayers darkIron(int w, int h, uint32_t seed)
{
    static const TextureLayers rust = rustTexture(256, 0.35f, 83);
    const float shift = float(seed % 7) / 7.0f;
    TextureLayers t{Image(w, h), HeightField(w, h)};
    eachPixel(w, h, [&](int x, int y, float u, float v) {
        t.colour.at(x, y) = clamped(scaled(rust.colour.sample((u + shift) * 256 * 2, v * 256 * 0.25f, true), 0.5f));
        t.height.at(x, y) = rust.height.at(int((u + shift) * 255) % 256, int(v * 63) % 256);
    });
    return t;
}

TextureLayers lid()
{
    TextureLayers t{Image(128, 128), HeightField(128, 128)};
    WoodStyle wood;
    wood.light = rgb(168, 116, 70);
    wood.dark = rgb(110, 70, 40);
    TextureLayers grain = woodGrainTexture(128, 128, wood, 82);
    eachPixel(128, 128, [&](int x, int y, float u, float v) {
        Rgba c = grain.colour.at(y, x);  // boards across the lid
        if (std::fmod(v * 4.0f, 1.0f) < 0.04f) c = scaled(c, 0.5f);
        if (std::hypot(u - 0.68f, v - 0.5f) < 0.07f) c = rgb(70, 46, 30);  // the bung
        const float rim = std::hypot(u - 0.5f, v - 0.5f);
        if (rim > 0.44f) c = scaled(c, 0.6f);
        t.colour.at(x, y) = c;
        t.height.at(x, y) = grain.height.at(y, x) - (rim > 0.44f ? 0.3f : 0.0f);
    });
    return t;
}

void writeBarrelTexture(ContentOutput& output)
{
    Atlas atlas(kSize, kSize);
    atlas.place(staves(), kStaves);
    atlas.place(darkIron(512, 64, 83), kHoopIron);
    atlas.place(lid(), kLid);
    atlas.place(darkIron(384, 128, 84), {128, 384, 384, 128});
    atlas.write(output, "barrel.jpg", "barrelnormal.jpg", 3.0f);
}

// ---------------------------------------------------------------- crates

constexpr float kCrate = 1.3f;

Mesh crates(int variant)
{
    auto box = [](float size) { return crate({-size / 2, 0, -size / 2}, {size / 2, size, size / 2}); };
    Mesh m;
    switch (variant % 3) {
    case 0:
        m.add(box(kCrate).translate({-0.7f, 0, 0}));
        m.add(box(kCrate).rotateY(8).translate({0.7f, 0, 0.1f}));
        m.add(box(kCrate).rotateY(-20).translate({0.0f, kCrate, 0.05f}));
        break;
    case 1:
        m.add(box(kCrate).translate({-0.5f, 0, 0}));
        m.add(box(kCrate * 0.7f).rotateY(30).translate({0.75f, 0, -0.3f}));
        break;
    default: m.add(box(kCrate)); break;
    }
    return m;
}

TextureLayers crateFace()
{
    PlankStyle style;
    style.planks = 5;
    style.weathering = 0.3f;
    style.wood.light = rgb(196, 150, 96);
    style.wood.dark = rgb(136, 92, 52);
    TextureLayers boards = plankTexture(256, 256, style, 91);
    TextureLayers t{Image(512, 512), HeightField(512, 512)};
    eachPixel(512, 512, [&](int x, int y, float u, float v) {
        Rgba c = boards.colour.sample(v * 256, u * 256, true);  // boards across
        float h = boards.height.at(y / 2, x / 2);
        const float edge = std::min({u, 1 - u, v, 1 - v});
        const bool brace = std::fabs(u - v) < 0.06f;
        if (edge < 0.1f || brace) {
            c = scaled(boards.colour.sample(u * 256, v * 256, true), 0.82f);
            h += 0.3f;
        }
        if (std::fabs(edge - 0.1f) < 0.006f || (brace && std::fabs(std::fabs(u - v) - 0.06f) < 0.006f && edge > 0.1f))
            c = scaled(c, 0.55f);
        for (float cu : {0.05f, 0.95f})
            for (float cv : {0.05f, 0.95f})
                if (std::hypot(u - cu, v - cv) < 0.012f) c = rgb(60, 56, 52);  // nails
        t.colour.at(x, y) = c;
        t.height.at(x, y) = h;
    });
    LetteringStyle stencil;
    stencil.face = FontFace::Slab;
    stencil.fillTop = rgb(70, 30, 22, 0.8f);
    stencil.fillBottom = rgb(70, 30, 22, 0.8f);
    stencil.outline = rgb(0, 0, 0, 0);
    stencil.outlineWidth = 0;
    stencil.shadow = rgb(0, 0, 0, 0);
    drawLettering(t.colour, "TALLOWICK", 110, 300, 300, 60, stencil);
    drawLettering(t.colour, "MINING CO.", 150, 370, 220, 44, stencil);
    return t;
}

// ---------------------------------------------------------------- the longhorn skull

constexpr Region kBone{0, 0, 512, 256};
constexpr Region kHorn{0, 256, 512, 256};  // from the root (top) to the dark tip (bottom)

Mesh skull()
{
    Mesh m;
    Mesh cranium = model::sphere(0.5f, 14, 9).scale({0.62f, 0.36f, 0.5f}).translate({0, 0.3f, 0.25f});
    m.add(region(cranium, kBone, 2.0f));
    // The long face, narrowing to the nose, lying towards -z.
    Mesh face = tube({{0, 0.26f, 0.2f}, {0, 0.2f, -0.4f}, {0, 0.14f, -0.95f}},
                     [](float t) { return 0.24f - 0.1f * t; }, 10, 0, 0.0f, 1.0f, true);
    face.scale({1.2f, 0.6f, 1.0f});
    m.add(region(face, kBone, 2.0f));
    for (float side : {-1.0f, 1.0f}) {
        std::vector<Vec3> path;
        for (int k = 0; k <= 10; ++k) {  // out along the skull's width, sweeping forward and up at the tips
            const float t = float(k) / 10;
            path.push_back({side * (0.25f + 1.9f * t), 0.42f + 0.35f * t * t * t, 0.32f - 0.3f * t * t});
        }
        Mesh horn = tube(path, [](float t) { return 0.13f * (1 - t) + 0.015f; }, 10, 0, 0.0f, 2.3f, true);
        for (model::Surface& s : horn.surfaces)
            for (model::Vertex& v : s.vertices) v.uv.y = std::min(1.0f, v.uv.y);
        m.add(region(horn, kHorn, 1.0f));
        // The eye sockets: dark hollows taken from the horn's tip.
        Mesh socket = roundel({side * 0.27f, 0.34f, -0.05f}, model::normalized({side * 0.8f, 0.3f, -0.5f}), 0.09f, 10);
        for (model::Surface& s : socket.surfaces)
            for (model::Vertex& v : s.vertices) v.uv = {v.uv.x, 1.0f};
        m.add(region(socket, kHorn));
    }
    return m;
}

TextureLayers bonePaint()
{
    TextureLayers t{Image(512, 256), HeightField(512, 256)};
    eachPixel(512, 256, [&](int x, int y, float u, float v) {
        const float n = tilingNoise(u, v, 8, 4, 4, 101);
        const float crack = std::fabs(tilingNoise(u, v, 6, 3, 3, 102) - 0.5f);
        Rgba c = mix(rgb(238, 230, 208), rgb(196, 180, 150), n);
        if (crack < 0.012f) c = scaled(c, 0.6f);
        c = scaled(c, 0.95f + 0.1f * hashUnit(x, y, 103));
        t.colour.at(x, y) = c;
        t.height.at(x, y) = 0.5f + 0.2f * n - (crack < 0.012f ? 0.3f : 0.0f);
    });
    return t;
}

TextureLayers hornPaint()
{
    TextureLayers t{Image(512, 256), HeightField(512, 256)};
    eachPixel(512, 256, [&](int x, int y, float u, float v) {
        const float rings = 0.5f + 0.5f * std::sin(v * 90.0f + 3 * tilingNoise(u, v, 4, 2, 2, 111));
        Rgba c = gradient({rgb(224, 206, 168), rgb(190, 150, 100), rgb(96, 66, 44), rgb(30, 24, 20)}, v);
        c = scaled(c, 0.92f + 0.1f * rings);
        t.colour.at(x, y) = c;
        t.height.at(x, y) = 0.5f + 0.15f * rings;
    });
    return t;
}

// ---------------------------------------------------------------- wagon wheels

constexpr Region kWheelWood{0, 0, 512, 256};
constexpr Region kTyre{0, 256, 512, 128};
constexpr Region kHub{0, 384, 512, 128};
constexpr float kWheelRadius = 1.3f;
constexpr int kSpokes = 12;

// A wheel in the x-y plane, centred on the origin, its axle along z.
Mesh wheel()
{
    Mesh m;
    m.add(region(hoop(kWheelRadius - 0.04f, 0.09f, 24, 4).rotateX(90), kWheelWood, 1.0f));
    m.add(region(hoop(kWheelRadius + 0.05f, 0.045f, 24, 4).rotateX(90), kTyre, 4.0f));
    m.add(region(rod({0, 0, -0.22f}, {0, 0, 0.22f}, 0.2f, 10), kHub, 1.0f));
    for (int k = 0; k < kSpokes; ++k) {
        const float a = 2 * model::kPi * float(k) / kSpokes;
        const Vec3 dir{std::cos(a), std::sin(a), 0};
        m.add(region(rod(dir * 0.16f, dir * (kWheelRadius - 0.08f), 0.045f, 4, false), kWheelWood, 1.0f));
    }
    return m;
}

Mesh wagonWheels(int variant)
{
    Mesh m;
    // Half sunk in the sand and leaning a little; a second one lying flat beside it.
    m.add(wheel().rotateZ(8).rotateY(float(variant * 37 % 60)).translate({0, kWheelRadius - 0.35f, 0}));
    if (variant % 2 == 0) m.add(wheel().rotateX(90).rotateY(20).translate({0.4f, 0.12f, -2.0f}));
    return m;
}

// ---------------------------------------------------------------- saguaro cacti

constexpr int kRibs = 12;         // matching the ribs painted across cactus.jpg
constexpr float kCactusTile = 2.0f;  // units of height per repeat of cactus.jpg

struct Arm {
    float height, yaw, out, up, radius;
};
struct Saguaro {
    float height, radius;
    std::vector<Arm> arms;
};
const Saguaro kSaguaros[] = {
    {4.6f, 0.38f, {{2.2f, 90, 0.8f, 1.4f, 0.24f}, {2.8f, 270, 0.7f, 1.1f, 0.22f}}},
    {5.4f, 0.42f, {{2.0f, 30, 0.9f, 1.8f, 0.26f}, {2.6f, 200, 0.8f, 1.5f, 0.25f}, {3.3f, 110, 0.6f, 0.9f, 0.2f}}},
    {3.8f, 0.34f, {{1.9f, 160, 0.7f, 1.0f, 0.22f}}},
    {3.2f, 0.36f, {}},
};

Mesh saguaro(int variant)
{
    const Saguaro& plan = kSaguaros[variant % 4];
    Mesh m = tube({{0, -0.2f, 0}, {0, plan.height * 0.5f, 0}, {0, plan.height, 0}},
                  [&](float t) { return plan.radius * (1.0f - 0.12f * t); }, 24, kRibs, 0.07f, kCactusTile, true);
    for (const Arm& arm : plan.arms) {
        const float a = model::radians(arm.yaw);
        const Vec3 out{std::sin(a), 0, std::cos(a)};
        std::vector<Vec3> path;
        for (int k = 0; k <= 5; ++k) {  // out from the trunk, bending up through a quarter circle
            const float t = float(k) / 5, bend = t * model::kPi / 2;
            path.push_back(out * (plan.radius * 0.6f + arm.out * std::sin(bend)) + Vec3{0, arm.height + arm.out * (1 - std::cos(bend)), 0});
        }
        path.push_back(path.back() + Vec3{0, arm.up, 0});
        m.add(tube(path, [&](float t) { return arm.radius * (1.0f - 0.15f * t); }, 12, 0, 0.0f, kCactusTile, true));
    }
    return m;
}

TextureLayers cactusSkin()
{
    TextureLayers t{Image(512, 512), HeightField(512, 512)};
    eachPixel(512, 512, [&](int x, int y, float u, float v) {
        const float ribPhase = std::fmod(u * kRibs + 0.5f, 1.0f);  // 0.5 on a rib's crest, in step with the model's lobes
        const float crest = std::cos(2 * model::kPi * (ribPhase - 0.5f)) * 0.5f + 0.5f;  // 1 on the rib, 0 in the groove
        const float streak = tilingNoise(u, v, 48, 4, 3, 121);
        Rgba c = mix(rgb(44, 78, 44), rgb(104, 140, 78), crest * (0.8f + 0.3f * streak));
        c = mix(c, rgb(132, 140, 92), 0.15f * smoothstep(0.6f, 0.9f, tilingNoise(u, v, 4, 8, 3, 122)));  // dusty patches
        float h = crest * 0.8f;
        // Areoles down each rib's crest, with pale spines.
        const float along = std::fmod(v * 24.0f + 0.5f * std::floor(u * kRibs), 1.0f);
        const float d = std::hypot((ribPhase - 0.5f) * 512.0f / kRibs, (along - 0.5f) * 512.0f / 24.0f);
        if (d < 2.5f) {
            c = rgb(214, 204, 170);
            h = 1.0f;
        } else if (d < 7.0f && std::fmod(std::atan2(along - 0.5f, ribPhase - 0.5f) * 3.0f + 10.0f, 1.0f) < 0.18f) {
            c = mix(c, rgb(226, 220, 196), 0.7f);
        }
        t.colour.at(x, y) = clamped(c);
        t.height.at(x, y) = h;
    });
    return t;
}

// ---------------------------------------------------------------- brush

constexpr int kBrushSize = 256;

Mesh brush(int variant)
{
    const float width = 1.5f + 0.4f * float(variant % 3), height = 1.0f + 0.25f * float((variant + 1) % 3);
    Mesh m;
    for (int k = 0; k < 3; ++k) {  // three crossed cards, both faces
        const float a = model::radians(60.0f * float(k) + 15.0f * float(variant));
        const Vec3 across{std::cos(a) * width, 0, std::sin(a) * width};
        m.add(board(Vec3{0, height, 0} - across * 0.5f, across, {0, -height - 0.05f, 0}, 0.0f));
    }
    for (model::Surface& s : m.surfaces) {  // the cards' edges (all four, of no thickness) are dropped
        s.indices.resize(0);
        const uint32_t per = uint32_t(s.vertices.size() / 3);
        for (uint32_t card = 0; card < 3; ++card)
            for (uint32_t face = 0; face < 2; ++face) {
                const uint32_t first = card * per + face * 4;
                const model::Vertex& a = s.vertices[first];
                const model::Vertex& b = s.vertices[first + 1];
                const model::Vertex& c = s.vertices[first + 2];
                const bool front = model::dot(model::cross(b.position - a.position, c.position - a.position), a.normal) >= 0;
                if (front) s.quad(first, first + 1, first + 2, first + 3);
                else s.quad(first, first + 3, first + 2, first + 1);
            }
    }
    return m;
}

// Dry desert scrub: twigs fanning up from the root, with grey-green leaves, on a clear ground.
Image brushPicture()
{
    Image image(kBrushSize, kBrushSize, {0.42f, 0.38f, 0.28f, 0.0f});
    Random random(131);
    struct Twig {
        float x, y, angle, length, width;
        int depth;
    };
    std::vector<Twig> stack;
    for (int k = 0; k < 9; ++k)
        stack.push_back({128 + random.range(-10, 10), 250, random.range(-1.1f, 1.1f), random.range(60, 100), 3.0f, 0});
    auto disc = [&](float cx, float cy, float r, const Rgba& c) {
        for (int y = int(cy - r - 1); y <= int(cy + r + 1); ++y)
            for (int x = int(cx - r - 1); x <= int(cx + r + 1); ++x) {
                const float cover = std::clamp(r + 0.5f - std::hypot(float(x) + 0.5f - cx, float(y) + 0.5f - cy), 0.0f, 1.0f);
                if (cover > 0) blendPixel(image, x, y, c, cover);
            }
    };
    while (!stack.empty()) {
        Twig t = stack.back();
        stack.pop_back();
        const float ex = t.x + std::sin(t.angle) * t.length, ey = t.y - std::cos(t.angle) * t.length;
        for (float s = 0; s <= 1; s += 0.5f / t.length)
            disc(t.x + (ex - t.x) * s, t.y + (ey - t.y) * s, t.width * (1 - 0.4f * s) / 2, mix(rgb(92, 70, 50), rgb(130, 106, 78), s));
        if (t.depth < 3)
            for (int k = 0; k < 2; ++k)
                stack.push_back({ex, ey, t.angle + random.range(-0.6f, 0.6f), t.length * random.range(0.45f, 0.7f),
                                 t.width * 0.7f, t.depth + 1});
        else
            for (int k = 0; k < 5; ++k)
                disc(ex + random.range(-9, 9), ey + random.range(-9, 9), random.range(2.0f, 4.5f),
                     mix(rgb(110, 124, 82), rgb(150, 150, 100), random.unit()));
    }
    return image;
}

// ---------------------------------------------------------------- mine cart

constexpr Region kCartIron{0, 0, 512, 256};
constexpr Region kCartDark{0, 256, 512, 128};
constexpr Region kTies{0, 384, 512, 128};

Mesh mineCart()
{
    Mesh m;
    // The tub: four sloping sides, inside and out, round a floor.
    const float bottomX = 0.65f, bottomZ = 0.45f, topX = 0.85f, topZ = 0.6f, floorY = 0.55f, rimY = 1.5f;
    const Vec3 lower[4] = {{-bottomX, floorY, -bottomZ}, {bottomX, floorY, -bottomZ}, {bottomX, floorY, bottomZ}, {-bottomX, floorY, bottomZ}};
    const Vec3 upper[4] = {{-topX, rimY, -topZ}, {topX, rimY, -topZ}, {topX, rimY, topZ}, {-topX, rimY, topZ}};
    for (int k = 0; k < 4; ++k) {
        const int n = (k + 1) % 4;
        m.add(region(plate(upper[k], upper[n], lower[n], lower[k], 0.05f), kCartIron));
    }
    m.add(region(crate({-bottomX, floorY - 0.06f, -bottomZ}, {bottomX, floorY, bottomZ}), kCartIron));
    m.add(region(beam({-topX - 0.05f, rimY, -topZ - 0.03f}, {topX + 0.05f, rimY, -topZ - 0.03f}, 0.08f, 0.08f), kCartDark, 1.0f));
    m.add(region(beam({-topX - 0.05f, rimY, topZ + 0.03f}, {topX + 0.05f, rimY, topZ + 0.03f}, 0.08f, 0.08f), kCartDark, 1.0f));
    // Ore heaped in the tub.
    Random random(141);
    for (int k = 0; k < 9; ++k) {
        Mesh lump = model::sphere(random.range(0.18f, 0.3f), 7, 5);
        lump.scale({1.0f, 0.7f, 1.0f}).translate({random.range(-0.5f, 0.5f), rimY - 0.15f + random.range(0, 0.15f), random.range(-0.3f, 0.3f)});
        m.add(region(lump, kCartDark, 2.0f));
    }
    // Chassis, axles and wheels on the rails.
    m.add(region(crate({-0.7f, 0.42f, -0.35f}, {0.7f, floorY - 0.06f, 0.35f}), kCartDark));
    for (float x : {-0.45f, 0.45f}) {
        m.add(region(rod({x, 0.28f, -0.55f}, {x, 0.28f, 0.55f}, 0.04f, 6), kCartDark, 1.0f));
        for (float z : {-0.45f, 0.45f}) m.add(region(rod({x, 0.28f, z - 0.05f}, {x, 0.28f, z + 0.05f}, 0.26f, 12), kCartDark, 1.0f));
    }
    // A length of track: two rails on ties.
    for (float z : {-0.45f, 0.45f}) m.add(region(beam({-2.6f, 0.08f, z}, {2.6f, 0.08f, z}, 0.07f, 0.09f), kCartDark, 1.0f));
    for (int k = 0; k < 7; ++k) {
        const float x = -2.4f + 0.8f * float(k);
        m.add(region(beam({x, 0.02f, -0.75f}, {x, 0.02f, 0.75f}, 0.3f, 0.1f), kTies, 0.6f));
    }
    return m;
}

TextureLayers cartPlates()
{
    static const TextureLayers rust = rustTexture(256, 0.55f, 151);
    TextureLayers t{Image(512, 256), HeightField(512, 256)};
    eachPixel(512, 256, [&](int x, int y, float u, float v) {
        Rgba c = mix(scaled(rust.colour.sample(u * 512, v * 256, true), 0.55f), rgb(58, 50, 46), 0.35f);
        float h = rust.height.at(x % 256, y);
        const float px = std::fmod(u * 4.0f, 1.0f) * 128.0f, py = v * 256.0f;
        const float seam = std::min({px, 128 - px, py, 256 - py});
        if (seam < 2.0f) c = scaled(c, 0.6f);
        const float rivetRow = std::min(std::fabs(py - 10), std::fabs(py - 246));
        if (std::hypot(std::fmod(px, 16.0f) - 8.0f, rivetRow) < 3.0f) {
            c = scaled(c, 1.3f);
            h = 1.0f;
        }
        t.colour.at(x, y) = clamped(c);
        t.height.at(x, y) = h;
    });
    return t;
}

// ---------------------------------------------------------------- the water tower (pipes.jpg tiles both ways)

constexpr float kPipeTile = 1.5f;      // units per repeat of pipes.jpg
constexpr float kTankRadius = 1.3f, kTankBottom = 4.0f, kTankTop = 6.2f;
constexpr float kTroughY = 0.75f;       // the water's surface in the trough
const Vec3 kSpoutEnd{2.25f, 3.5f, 0};   // where the falling water leaves the pipe

// World-unit texture coordinates for a steel part: round shapes by their angle and height.
Mesh steelPart(Mesh m, bool round)
{
    for (model::Surface& s : m.surfaces)
        for (model::Vertex& v : s.vertices)
            if (round) v.uv = {v.uv.x * 2 * model::kPi * kTankRadius / kPipeTile, -v.position.y / kPipeTile};
            else v.uv = {v.uv.x / kPipeTile, v.uv.y};
    return m;
}

Mesh waterTower()
{
    Mesh m;
    m.add(steelPart(model::cylinder(kTankRadius, kTankTop - kTankBottom, 24).translate({0, kTankBottom, 0}), true));
    m.add(steelPart(model::cone(kTankRadius + 0.12f, 0.12f, 0.7f, 24).translate({0, kTankTop, 0}), true));
    for (int k = 0; k < 4; ++k) {  // legs and braces
        const float a = model::kPi / 4 + model::kPi / 2 * float(k), b = a + model::kPi / 2;
        const Vec3 foot{std::cos(a) * 1.35f, 0, std::sin(a) * 1.35f}, top{std::cos(a) * 1.0f, kTankBottom, std::sin(a) * 1.0f};
        const Vec3 nextFoot{std::cos(b) * 1.35f, 0, std::sin(b) * 1.35f}, nextTop{std::cos(b) * 1.0f, kTankBottom, std::sin(b) * 1.0f};
        m.add(steelPart(rod(foot, top, 0.1f, 8), false));
        m.add(steelPart(rod(lerp(foot, top, 0.1f), lerp(nextFoot, nextTop, 0.6f), 0.035f, 5), false));
        m.add(steelPart(rod(lerp(nextFoot, nextTop, 0.1f), lerp(foot, top, 0.6f), 0.035f, 5), false));
    }
    // The outlet: down out of the tank, out to the side and turned down over the trough.
    m.add(steelPart(rod({0.6f, kTankBottom + 0.05f, 0}, {0.6f, 3.9f, 0}, 0.14f, 10), false));
    m.add(steelPart(rod({0.6f, 3.9f, 0}, {2.25f, 3.9f, 0}, 0.14f, 10), false));
    m.add(steelPart(rod({2.25f, 3.95f, 0}, kSpoutEnd, 0.15f, 10, true), false));
    // The trough under the spout.
    const float x0 = 1.3f, x1 = 3.3f, z0 = -0.55f, z1 = 0.55f, top = kTroughY + 0.12f;
    m.add(steelPart(crate({x0, 0, z0}, {x1, 0.1f, z1}), false));
    m.add(steelPart(crate({x0, 0, z0}, {x1, top, z0 + 0.06f}), false));
    m.add(steelPart(crate({x0, 0, z1 - 0.06f}, {x1, top, z1}), false));
    m.add(steelPart(crate({x0, 0, z0}, {x0 + 0.06f, top, z1}), false));
    m.add(steelPart(crate({x1 - 0.06f, 0, z0}, {x1, top, z1}), false));
    return m;
}

// The stream from the spout to the trough and the trough's surface; v runs down the stream.
Mesh fallingWater()
{
    Mesh m = rod(kSpoutEnd, {kSpoutEnd.x, kTroughY, kSpoutEnd.z}, 0.13f, 8, false);
    for (model::Surface& s : m.surfaces)
        for (model::Vertex& v : s.vertices) v.uv = {v.uv.y, v.uv.x / kPipeTile};
    m.add(model::quad({1.36f, kTroughY, 0.49f}, {3.24f, kTroughY, 0.49f}, {3.24f, kTroughY, -0.49f}, {1.36f, kTroughY, -0.49f}));
    return m;
}

}  // namespace

const char* propFileName(PropKind kind)
{
    switch (kind) {
    case PropKind::Barrels: return "barrels";
    case PropKind::Box: return "box";
    case PropKind::Longhorn: return "longhorn";
    case PropKind::WagonWheels: return "wagonwheels";
    case PropKind::Cactus: return "cactus";
    case PropKind::Brush: return "brush";
    case PropKind::MineCart: return "minecart";
    case PropKind::WaterContainer: return "watercontainer";
    case PropKind::Fence: return "fence";
    case PropKind::Wagon: return "wagon";
    case PropKind::Train: return "train";
    }
    return "";
}

Mesh propModel(PropKind kind, int variant)
{
    variant = std::abs(variant);
    switch (kind) {
    case PropKind::Barrels: return barrels(variant);
    case PropKind::Box: return region(crates(variant), {0, 0, 512, 512});
    case PropKind::Longhorn: return skull();
    case PropKind::WagonWheels: return wagonWheels(variant);
    case PropKind::Cactus: return saguaro(variant);
    case PropKind::Brush: return brush(variant);
    case PropKind::MineCart: return mineCart();
    case PropKind::WaterContainer: return variant % 3 == 0 ? waterTower() : tankModel(variant % 3);
    case PropKind::Fence: return fenceModel(variant);
    case PropKind::Wagon: return wagonModel(variant);
    case PropKind::Train: return trainModel(variant);
    }
    return {};
}

Mesh propWater(PropKind kind, int variant)
{
    if (kind != PropKind::WaterContainer) return {};
    variant = std::abs(variant) % 3;
    return variant == 0 ? fallingWater() : tankWater(variant);
}

void writePropTextures(ContentOutput& output)
{
    writeBarrelTexture(output);
    Atlas box(kSize, kSize);
    box.place(crateFace(), {0, 0, 512, 512});
    box.write(output, "box.jpg", "boxnormal.jpg", 3.0f);
    Atlas bone(kSize, kSize);
    bone.place(bonePaint(), kBone);
    bone.place(hornPaint(), kHorn);
    bone.write(output, "longhorn_skull.jpg", "longhorn_skullnormal.jpg", 2.0f);
    Atlas wheel(kSize, kSize);
    WoodStyle wood;
    wood.light = rgb(170, 130, 90);
    wood.dark = rgb(104, 74, 48);
    wheel.place(woodGrainTexture(256, 512, wood, 161), kWheelWood, Turn::Across);
    wheel.place(darkIron(512, 128, 162), kTyre);
    wood.light = rgb(120, 86, 58);
    wood.dark = rgb(70, 48, 32);
    wheel.place(woodGrainTexture(128, 512, wood, 163), kHub, Turn::Across);
    wheel.write(output, "wheel.jpg", "wheelnormal.jpg", 3.0f);
    Atlas cactus(kSize, kSize);
    cactus.place(cactusSkin(), {0, 0, 512, 512});
    cactus.write(output, "cactus.jpg", "cactusnormal.jpg", 4.0f);
    output.write("Textures/brush_1.png", encodePng(brushPicture()));
    Atlas cart(kSize, kSize);
    cart.place(cartPlates(), kCartIron);
    cart.place(darkIron(512, 128, 171), kCartDark);
    PlankStyle ties;
    ties.planks = 3;
    ties.weathering = 0.8f;
    cart.place(plankTexture(128, 512, ties, 172), kTies, Turn::Across);
    cart.write(output, "minecart.jpg", "minecartnormal.jpg", 3.0f);
    writeWagonTextures(output);
    writeTrainTextures(output);
}

}  // namespace town

namespace {

void generateProps(ContentOutput& output) { town::writePropTextures(output); }

}  // namespace

REGISTER_GENERATOR(town_props, generateProps);
