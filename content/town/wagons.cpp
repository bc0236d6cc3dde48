// Wagons (hole_N_wagon.b3d) standing unhitched, the tongue on the sand towards -z:
// a covered wagon with its canvas over bows (variant 0) and an open buckboard with a
// spring seat and a tarpaulin over its load (variant 1). wagon.jpg holds the painted
// bed boards, the canvas (outside and the shaded inside), the red wheel wood, the
// iron and the bare timber of the running gear.
#include <cmath>
#include <vector>

#include "content/art/noise.h"
#include "content/model/shapes.h"
#include "content/output.h"
#include "content/town/prop_parts.h"
#include "content/town/town_art.h"

namespace town {

namespace {

using model::Mesh;

constexpr int kAtlas = 512;
constexpr Region kBed{0, 0, 512, 128};             // painted boards along u, four across
constexpr Region kCanvas{0, 128, 512, 128};        // u along the wagon, v over the bows
constexpr Region kWheelWood{0, 256, 512, 64};      // red paint, grain along u
constexpr Region kIron{0, 320, 512, 64};
constexpr Region kTimber{0, 384, 512, 64};         // the bare running gear
constexpr Region kCanvasInside{0, 448, 512, 64};   // the canvas seen from under it
constexpr float kBoardsPerUnit = 0.5f, kCanvasPerUnit = 0.5f, kWoodPerUnit = 0.6f;

struct WagonSize {
    float halfLength, halfWidth, floor, sides;     // the bed
    float frontWheel, rearWheel, axle;             // wheel radii; axles at +-axle (z)
    float track;                                   // half the distance between the wheels
};
constexpr WagonSize kCovered{1.75f, 0.62f, 1.05f, 0.55f, 0.58f, 0.74f, 1.15f, 0.88f};
constexpr WagonSize kBuckboard{1.35f, 0.6f, 0.82f, 0.26f, 0.5f, 0.58f, 0.9f, 0.82f};

// The canvas: a half ellipse over the bed, rising at both ends into a bonnet.
constexpr float kCanvasRise = 1.15f;
constexpr int kCanvasArc = 10, kCanvasRings = 6;
constexpr float kBonnetFlare = 0.18f;              // extra reach of the ends, up and out

Mesh& at(Mesh& m, Region r, float uScale = 1.0f) { return inRegion(m, r, kAtlas, kAtlas, uScale); }
Mesh at(Mesh&& m, Region r, float uScale = 1.0f) { return std::move(inRegion(m, r, kAtlas, kAtlas, uScale)); }

// A board panel a-b-c-d with its boards running from a to b; u in world units.
Mesh panel(Vec3 a, Vec3 b, Vec3 c, Vec3 d, float thickness)
{
    Mesh m = plate(a, b, c, d, thickness);
    const float length = model::length(b - a);
    for (model::Surface& s : m.surfaces)
        for (model::Vertex& v : s.vertices) v.uv.x *= length;
    return at(std::move(m), kBed, kBoardsPerUnit);
}

// A wheel in the y-z plane (axle along x) centred on the origin: a rim of wood shod with
// iron, spokes and a hub.
Mesh wheel(float radius, int spokes)
{
    constexpr int kSegments = 14;
    constexpr float kRimDepth = 0.09f, kRimWidth = 0.07f;
    Mesh wood, iron;
    model::Surface& w = wood.surface();
    model::Surface& t = iron.surface();
    auto ring = [&](model::Surface& s, float r0, float r1, float x0, float x1, bool outward) {
        // one band of quads round the wheel between (r0, x0) and (r1, x1)
        const uint32_t first = uint32_t(s.vertices.size());
        for (int k = 0; k <= kSegments; ++k) {
            const float a = 2 * model::kPi * float(k) / kSegments;
            const Vec3 radial{0, std::cos(a), std::sin(a)};
            const Vec3 n = r0 == r1 ? radial * (outward ? 1.0f : -1.0f) : Vec3{x0 > 0 ? 1.0f : -1.0f, 0, 0};
            const float u = float(k) / kSegments * 2 * model::kPi * radius;
            s.add({Vec3{x0, 0, 0} + radial * r0, n, {u, 0}, {1, 1, 1, 1}});
            s.add({Vec3{x1, 0, 0} + radial * r1, n, {u, 1}, {1, 1, 1, 1}});
        }
        for (uint32_t k = 0; k < uint32_t(kSegments); ++k) {
            const uint32_t a = first + 2 * k, b = a + 2;
            const Vec3 face = model::cross(s.vertices[b].position - s.vertices[a].position,
                                           s.vertices[a + 1].position - s.vertices[a].position);
            if (model::dot(face, s.vertices[a].normal) >= 0) s.quad(a, b, b + 1, a + 1);
            else s.quad(a, a + 1, b + 1, b);
        }
    };
    const float outer = radius, inner = radius - kRimDepth, h = kRimWidth / 2;
    ring(t, outer, outer, -h, h, true);     // the iron tyre
    ring(w, inner, inner, -h, h, false);    // the rim's inside
    ring(w, inner, outer, h, h, true);      // its faces
    ring(w, inner, outer, -h, -h, true);
    at(iron, kIron, 1.0f);
    at(wood, kWheelWood, kWoodPerUnit);
    for (int k = 0; k < spokes; ++k) {
        const float a = 2 * model::kPi * (float(k) + 0.5f) / float(spokes);
        const Vec3 dir{0, std::cos(a), std::sin(a)};
        wood.add(at(rod(dir * 0.1f, dir * (inner + 0.01f), 0.028f, 4, false), kWheelWood, kWoodPerUnit));
    }
    wood.add(at(rod({-0.14f, 0, 0}, {0.14f, 0, 0}, 0.11f, 8), kTimber, 1.0f));
    return wood.add(iron);
}

// The running gear: wheels, axles under the bed, the reach between them, and the tongue
// on the sand with its crossbar.
Mesh runningGear(const WagonSize& size)
{
    Mesh m;
    for (int end = 0; end < 2; ++end) {
        const float radius = end ? size.rearWheel : size.frontWheel, z = end ? size.axle : -size.axle;
        for (float side : {-1.0f, 1.0f}) m.add(wheel(radius, end ? 12 : 10).translate({side * size.track, radius, z}));
        m.add(at(beam({-size.track - 0.1f, radius, z}, {size.track + 0.1f, radius, z}, 0.1f, 0.12f), kIron, 1.0f));
        m.add(at(beam({-size.halfWidth, radius + 0.1f, z}, {size.halfWidth, size.floor - 0.04f, z}, 0.14f, 0.1f, {0, 0, 1}), kTimber, 1.0f));
        m.add(at(crate({-size.halfWidth + 0.05f, radius + 0.06f, z - 0.08f}, {size.halfWidth - 0.05f, size.floor, z + 0.08f}), kTimber));
    }
    m.add(at(beam({0, size.frontWheel + 0.05f, -size.axle}, {0, size.rearWheel + 0.05f, size.axle + 0.3f}, 0.1f, 0.08f), kTimber, kWoodPerUnit));
    const Vec3 tongueEnd{0, 0.06f, -size.axle - 2.3f};
    for (float side : {-1.0f, 1.0f})  // the hounds: two timbers from the front axle, meeting in the tongue
        m.add(at(beam({side * 0.35f, size.frontWheel, -size.axle}, {0, size.frontWheel * 0.75f, -size.axle - 0.8f}, 0.08f, 0.08f), kTimber, kWoodPerUnit));
    m.add(at(beam({0, size.frontWheel * 0.75f, -size.axle - 0.8f}, tongueEnd, 0.1f, 0.1f), kTimber, kWoodPerUnit));
    m.add(at(beam(tongueEnd + Vec3{-0.55f, 0, 0.25f}, tongueEnd + Vec3{0.55f, 0, 0.25f}, 0.08f, 0.08f), kTimber, kWoodPerUnit));
    return m;
}

// The bed: a floor and four board sides standing on it.
Mesh bed(const WagonSize& size, float frontLow)
{
    const float l = size.halfLength, w = size.halfWidth, y0 = size.floor, y1 = size.floor + size.sides;
    Mesh m = at(crate({-w, y0 - 0.08f, -l}, {w, y0, l}), kTimber);
    m.add(panel({-w, y1, l}, {-w, y1, -l}, {-w, y0, -l}, {-w, y0, l}, 0.05f));
    m.add(panel({w, y1, -l}, {w, y1, l}, {w, y0, l}, {w, y0, -l}, 0.05f));
    m.add(panel({w, y1, l}, {-w, y1, l}, {-w, y0, l}, {w, y0, l}, 0.05f));
    const float front = y0 + (y1 - y0) * frontLow;
    m.add(panel({-w, front, -l}, {w, front, -l}, {w, y0, -l}, {-w, y0, -l}, 0.05f));
    for (float z : {-l * 0.5f, 0.0f, l * 0.5f})  // iron straps down the sides
        for (float side : {-1.0f, 1.0f})
            m.add(at(beam({side * (w + 0.01f), y0 - 0.05f, z}, {side * (w + 0.01f), y1, z}, 0.05f, 0.02f, {side, 0, 0}), kIron, 1.0f));
    return m;
}

// One point of the canvas: t runs 0..1 over the bows from the left rail to the right,
// s 0..1 from the front to the back.
Vec3 canvasPoint(const WagonSize& size, float t, float s)
{
    const float flare = std::pow(std::fabs(2 * s - 1), 3.0f) * kBonnetFlare;  // the ends rise and reach out
    const float a = model::kPi * t;
    const float halfWidth = size.halfWidth + 0.04f + flare * 0.5f;
    const float z = (2 * s - 1) * (size.halfLength + 0.2f + flare);
    return {-std::cos(a) * halfWidth, size.floor + size.sides - 0.05f + std::sin(a) * (kCanvasRise + flare), z};
}

// The canvas, outside and in (the inside shaded), with the bows showing at both ends.
Mesh canvasTop(const WagonSize& size)
{
    Mesh outside, inside;
    model::Surface& o = outside.surface();
    model::Surface& in = inside.surface();
    const uint32_t columns = kCanvasArc + 1;
    for (int r = 0; r <= kCanvasRings; ++r)
        for (int k = 0; k <= kCanvasArc; ++k) {
            const float s = float(r) / kCanvasRings, t = float(k) / kCanvasArc;
            const Vec3 p = canvasPoint(size, t, s);
            const Vec2 uv{p.z, t};
            o.add({p, {0, 1, 0}, uv, {1, 1, 1, 1}});
            in.add({p, {0, -1, 0}, uv, {1, 1, 1, 1}});
        }
    for (uint32_t r = 0; r < uint32_t(kCanvasRings); ++r)
        for (uint32_t k = 0; k < uint32_t(kCanvasArc); ++k) {
            const uint32_t a = r * columns + k, b = a + columns;
            o.quad(a, a + 1, b + 1, b);
            in.quad(a, b, b + 1, a + 1);
        }
    // Faces first, then normals from them: the outside looks up and out.
    const Vec3 top = canvasPoint(size, 0.5f, 0.5f) - Vec3{0, 0.1f, 0};
    if (model::dot(model::cross(o.vertices[1].position - o.vertices[0].position, o.vertices[columns].position - o.vertices[0].position),
                   o.vertices[0].position - top) < 0) {
        outside.flipFaces();
        inside.flipFaces();
    }
    outside.computeNormals(60.0f);
    inside.computeNormals(60.0f);
    Mesh m = at(outside, kCanvas, kCanvasPerUnit);
    m.add(at(inside, kCanvasInside, kCanvasPerUnit));
    for (float s : {0.02f, 0.98f}) {  // the end bows, a little proud of the canvas
        std::vector<Vec3> bow;
        for (int k = 0; k <= kCanvasArc; ++k) bow.push_back(canvasPoint(size, float(k) / kCanvasArc, s) * 1.0f);
        for (size_t k = 0; k + 1 < bow.size(); ++k) m.add(at(rod(bow[k], bow[k + 1], 0.035f, 4, false), kTimber, 1.0f));
    }
    return m;
}

Mesh coveredWagon()
{
    const WagonSize& size = kCovered;
    Mesh m = runningGear(size);
    m.add(bed(size, 1.0f));
    m.add(canvasTop(size));
    // The driver's box across the front and a brake lever beside it.
    const float y = size.floor + size.sides;
    m.add(at(crate({-size.halfWidth - 0.05f, y - 0.02f, -size.halfLength - 0.45f}, {size.halfWidth + 0.05f, y + 0.06f, -size.halfLength + 0.05f}), kTimber));
    m.add(at(rod({size.halfWidth + 0.08f, size.floor - 0.1f, -size.halfLength + 0.3f}, {size.halfWidth + 0.12f, y + 0.55f, -size.halfLength - 0.1f}, 0.03f, 5), kIron, 1.0f));
    return m;
}

// A heap of load under a tarpaulin: a squashed half dome.
Mesh tarpaulinLoad(Vec3 centre, Vec3 halfSize)
{
    Mesh dome = model::sphere(1.0f, 12, 8);
    Mesh top;
    model::Surface& s = top.surface();
    const model::Surface& from = dome.surfaces[0];
    for (size_t f = 0; f + 2 < from.indices.size(); f += 3) {
        bool above = true;
        for (int k = 0; k < 3; ++k) above = above && from.vertices[from.indices[f + k]].position.y >= -0.01f;
        if (!above) continue;
        uint32_t idx[3];
        for (int k = 0; k < 3; ++k) {
            model::Vertex v = from.vertices[from.indices[f + k]];
            v.uv = {v.position.x * halfSize.x * 2 + v.position.z, (v.position.z + 1) / 2};
            idx[k] = s.add(v);
        }
        s.triangle(idx[0], idx[1], idx[2]);
    }
    top.scale(halfSize).translate(centre).computeNormals(60.0f);
    return at(std::move(top), kCanvas, kCanvasPerUnit);
}

Mesh buckboard()
{
    const WagonSize& size = kBuckboard;
    Mesh m = runningGear(size);
    m.add(bed(size, 0.6f));
    // The spring seat: a bench with a back, on two iron springs, over the front of the bed.
    const float seatY = size.floor + 0.62f, z = -size.halfLength + 0.45f;
    for (float x : {-0.45f, 0.45f}) m.add(at(beam({x, size.floor, z}, {x, seatY, z}, 0.06f, 0.16f, {0, 0, 1}), kIron, 1.0f));
    m.add(panel({-size.halfWidth - 0.05f, seatY, z - 0.25f}, {size.halfWidth + 0.05f, seatY, z - 0.25f},
                {size.halfWidth + 0.05f, seatY, z + 0.2f}, {-size.halfWidth - 0.05f, seatY, z + 0.2f}, 0.05f));
    m.add(panel({-size.halfWidth - 0.05f, seatY + 0.4f, z + 0.28f}, {size.halfWidth + 0.05f, seatY + 0.4f, z + 0.28f},
                {size.halfWidth + 0.05f, seatY, z + 0.2f}, {-size.halfWidth - 0.05f, seatY, z + 0.2f}, 0.04f));
    // The load behind it.
    m.add(tarpaulinLoad({0, size.floor, 0.4f}, {0.5f, 0.42f, 0.75f}));
    m.add(at(crate({-0.5f, size.floor, 0.95f}, {0.05f, size.floor + 0.4f, 1.3f}), kTimber));
    return m;
}

// ---------------------------------------------------------------- wagon.jpg

TextureLayers paintedBoards()
{
    PlankStyle style;
    style.planks = 4;
    style.weathering = 0.45f;
    TextureLayers t = plankTexture(256, 512, style, 301);
    TextureLayers out{Image(512, 128), HeightField(512, 128)};
    const Rgba paint = rgb(88, 122, 140);  // faded wagon blue
    eachPixel(512, 128, [&](int x, int y, float u, float v) {
        const Rgba wood = t.colour.sample(v * 256, u * 512, true);  // boards along u
        const float wear = smoothstep(0.45f, 0.8f, tilingNoise(u, v, 16, 4, 4, 302));
        const float edge = 1 - smoothstep(0.0f, 0.1f, std::fabs(std::fmod(v * 4, 1.0f) - 0.5f) * 2 - 0.8f + 0.1f);
        Rgba c = mix(scaled(mix(paint, wood, 0.25f), 0.9f + 0.2f * tilingNoise(u, v, 32, 8, 3, 303)), wood, std::max(wear, 0.0f));
        c = mix(c, scaled(wood, 0.55f), 1 - edge);
        out.colour.at(x, y) = clamped(c);
        out.height.at(x, y) = t.height.at(y * 256 / 128 % 256, x * 512 / 512 % 512);
    });
    return out;
}

TextureLayers canvasCloth(float shade, uint32_t seed)
{
    TextureLayers t{Image(512, 128), HeightField(512, 128)};
    eachPixel(512, 128, [&](int x, int y, float u, float v) {
        const float weave = 0.5f + 0.25f * (std::sin(float(x) * 2.6f) + std::sin(float(y) * 2.6f));
        const float cloud = tilingNoise(u, v, 8, 2, 4, seed);
        Rgba c = scaled(rgb(232, 222, 196), 0.86f + 0.12f * cloud + 0.04f * weave);
        const float dirt = std::pow(std::min(v, 1 - v) < 0.18f ? 1 - std::min(v, 1 - v) / 0.18f : 0.0f, 2.0f);
        c = mix(c, rgb(150, 126, 92), 0.55f * dirt * (0.6f + 0.4f * cloud));
        const float seam = std::fabs(std::fmod(u * 2, 1.0f) - 0.5f);  // a sewn seam over the bows every unit
        if (seam < 0.012f) c = scaled(c, 0.8f);
        if (seam > 0.012f && seam < 0.02f) c = scaled(c, 1.06f);
        t.colour.at(x, y) = clamped(scaled(c, shade));
        t.height.at(x, y) = 0.4f + 0.2f * weave + (seam < 0.012f ? 0.3f : 0.0f);
    });
    return t;
}

TextureLayers redWheelWood()
{
    WoodStyle wood;
    wood.light = rgb(168, 120, 80);
    wood.dark = rgb(110, 72, 44);
    TextureLayers grain = woodGrainTexture(64, 512, wood, 311);
    TextureLayers t{Image(512, 64), HeightField(512, 64)};
    eachPixel(512, 64, [&](int x, int y, float u, float v) {
        const Rgba w = grain.colour.sample(v * 64, u * 512, true);
        const float wear = smoothstep(0.55f, 0.85f, tilingNoise(u, v, 12, 2, 3, 312));
        t.colour.at(x, y) = clamped(mix(mix(rgb(158, 44, 32), w, 0.2f), w, wear));
        t.height.at(x, y) = grain.height.at(y, x);
    });
    return t;
}

TextureLayers ironBand(uint32_t seed)
{
    static const TextureLayers rust = rustTexture(256, 0.3f, 321);
    TextureLayers t{Image(512, 64), HeightField(512, 64)};
    eachPixel(512, 64, [&](int x, int y, float u, float v) {
        t.colour.at(x, y) = clamped(scaled(rust.colour.sample(u * 512 + float(seed), v * 64, true), 0.45f));
        t.height.at(x, y) = rust.height.at(x % 256, y);
    });
    return t;
}

}  // namespace

model::Mesh wagonModel(int variant) { return std::abs(variant) % 2 == 0 ? coveredWagon() : buckboard(); }

void writeWagonTextures(ContentOutput& output)
{
    Atlas atlas(kAtlas, kAtlas);
    atlas.place(paintedBoards(), kBed);
    atlas.place(canvasCloth(1.0f, 331), kCanvas);
    atlas.place(redWheelWood(), kWheelWood);
    atlas.place(ironBand(7), kIron);
    WoodStyle gear;
    gear.light = rgb(132, 100, 70);
    gear.dark = rgb(76, 54, 36);
    atlas.place(woodGrainTexture(64, 512, gear, 341), kTimber, Turn::Across);
    atlas.place(canvasCloth(0.55f, 332), kCanvasInside);
    atlas.write(output, "wagon.jpg", "wagonnormal.jpg", 3.0f);
}

}  // namespace town
