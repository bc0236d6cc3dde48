// The water containers besides the tower (WaterContainer variants 1 and 2): a stock
// trough with round ends and a hand pump, and a round tank on a low stand with a
// ladder; both of riveted steel (pipes.jpg tiles both ways over them in world units,
// as over the tower), both holding level water just below their rolled rims.
#include <cmath>
#include <vector>

#include "content/model/shapes.h"
#include "content/town/prop_parts.h"

namespace town {

namespace {

using model::Mesh;

constexpr float kPipeTile = 1.5f;        // units per repeat of pipes.jpg, as on the tower
constexpr float kWall = 0.05f;           // the steel's thickness
constexpr float kRimTube = 0.045f;       // radius of the rolled rim
constexpr float kWaterBelowRim = 0.1f;   // the water's surface under the top of the wall
constexpr float kWaterInset = 0.01f;     // the water's edge inside the inner wall

// The trough: a stadium outline, two straight sides and two round ends.
constexpr float kTroughStraight = 1.6f;  // length of the straight sides (x)
constexpr float kTroughRadius = 0.5f;    // of the round ends (half the width)
constexpr float kTroughHeight = 0.65f;
constexpr int kTroughEndSegments = 8;

// The tank on its stand.
constexpr float kTankRadius = 1.4f;
constexpr float kStandHeight = 0.35f;    // the tank's floor stands this high
constexpr float kSkirtInset = 0.12f;     // the stand's skirt lies this far inside the tank's wall
constexpr float kTankWall = 1.3f;        // height of the wall above the floor
constexpr int kTankSegments = 28;

// Steel in world units: u along the outline or the part, v down.
Mesh& steel(Mesh& m) { return m.scaleUV(1.0f / kPipeTile, 1.0f / kPipeTile); }
Mesh steel(Mesh&& m) { return std::move(steel(m)); }

std::vector<Vec2> stadium(float inset)
{
    std::vector<Vec2> points;
    const float r = kTroughRadius - inset, half = kTroughStraight / 2;
    for (int end = 0; end < 2; ++end)
        for (int k = 0; k <= kTroughEndSegments; ++k) {
            const float a = model::kPi * (float(k) / kTroughEndSegments - 0.5f) + float(end) * model::kPi;
            points.push_back({(end ? -half : half) + r * std::cos(a), r * std::sin(a)});
        }
    return points;
}

std::vector<Vec2> circle(float radius, int segments)
{
    std::vector<Vec2> points;
    for (int k = 0; k < segments; ++k) {
        const float a = 2 * model::kPi * float(k) / float(segments);
        points.push_back({radius * std::cos(a), radius * std::sin(a)});
    }
    return points;
}

// An upright wall round a closed (x, z) outline from y0 to y1, facing out (or in, for the
// inside of a container); smooth normals across the outline's corners.
Mesh wall(const std::vector<Vec2>& outline, float y0, float y1, bool facingOut)
{
    const float turn = model::signedArea(outline) > 0 ? 1.0f : -1.0f;  // counter-clockwise in (x, z)
    Mesh m;
    model::Surface& s = m.surface();
    const size_t n = outline.size();
    float along = 0;
    for (size_t k = 0; k <= n; ++k) {
        const Vec2 p = outline[k % n], prev = outline[(k + n - 1) % n], next = outline[(k + 1) % n];
        const Vec2 dir = next - prev;
        Vec3 out = model::normalized(Vec3{dir.y, 0, -dir.x} * turn);
        if (!facingOut) out = -out;
        if (k > 0) along += std::hypot(p.x - outline[k - 1].x, p.y - outline[k - 1].y);
        s.add({{p.x, y1, p.y}, out, {along, -y1}, {1, 1, 1, 1}});
        s.add({{p.x, y0, p.y}, out, {along, -y0}, {1, 1, 1, 1}});
    }
    for (uint32_t k = 0; k < uint32_t(n); ++k) {
        const uint32_t a = 2 * k, b = a + 2;  // a top, a + 1 bottom
        const Vec3 face = model::cross(s.vertices[b].position - s.vertices[a].position,
                                       s.vertices[a + 1].position - s.vertices[a].position);
        if (model::dot(face, s.vertices[a].normal) >= 0) s.quad(a, b, b + 1, a + 1);
        else s.quad(a, a + 1, b + 1, b);
    }
    return m;
}

// A rolled rim along a closed outline at height y.
Mesh rim(const std::vector<Vec2>& outline, float y)
{
    std::vector<Vec3> path;
    for (Vec2 p : outline) path.push_back({p.x, y, p.y});
    if (model::signedArea(outline) > 0) std::reverse(path.begin(), path.end());
    model::SweepOptions options;
    options.closedPath = true;
    options.creaseDegrees = 80;
    return model::sweep(path, model::circleSection(kRimTube, 6), options);
}

// Walls inside and out, a floor inside and a bottom underneath, the rim on top.
Mesh vessel(const std::vector<Vec2>& outer, const std::vector<Vec2>& inner, const std::vector<Vec2>& middle,
            float bottom, float top)
{
    Mesh m;
    m.add(wall(outer, bottom, top, true));
    m.add(wall(inner, bottom + kWall, top, false));
    m.add(model::polygon(inner, bottom + kWall));
    m.add(model::polygon(outer, bottom).flipFaces());
    m.add(rim(middle, top));
    return steel(std::move(m));
}

Mesh handPump(Vec3 at, float towards)
{
    Mesh m;
    m.add(rod(at, at + Vec3{0, 1.05f, 0}, 0.07f, 8));
    m.add(model::cone(0.11f, 0.06f, 0.16f, 8).translate(at + Vec3{0, 1.05f, 0}));
    m.add(rod(at + Vec3{0, 0.9f, 0}, at + Vec3{towards * 0.38f, 0.84f, 0}, 0.04f, 6));   // the spout over the water
    m.add(rod(at + Vec3{0, 1.17f, 0}, at + Vec3{-towards * 0.42f, 1.45f, 0}, 0.025f, 5));  // the handle, raised
    m.add(model::box(at + Vec3{-0.14f, 0, -0.14f}, at + Vec3{0.14f, 0.08f, 0.14f}));       // its foot
    return steel(std::move(m));
}

Mesh trough()
{
    Mesh m = vessel(stadium(0), stadium(kWall), stadium(kWall / 2), 0, kTroughHeight);
    m.add(handPump({kTroughStraight / 2 + kTroughRadius + 0.2f, 0, 0}, -1.0f));
    return m;
}

Mesh tankOnStand()
{
    Mesh m;
    const float floor = kStandHeight, top = kStandHeight + kTankWall;
    m.add(vessel(circle(kTankRadius, kTankSegments), circle(kTankRadius - kWall, kTankSegments),
                 circle(kTankRadius - kWall / 2, kTankSegments), floor, top));
    // The stand: a round skirt on the ground under the tank, joists across it showing at the edge.
    Mesh stand = model::cylinder(kTankRadius - kSkirtInset, floor - 0.04f, kTankSegments, false);
    for (model::Surface& s : stand.surfaces)
        for (model::Vertex& v : s.vertices) v.uv = {v.uv.x * 2 * model::kPi * kTankRadius, -v.position.y};
    for (float z : {-0.9f, -0.3f, 0.3f, 0.9f}) {
        const float half = std::sqrt(kTankRadius * kTankRadius - z * z) - 0.05f;
        stand.add(beam({-half, floor - 0.06f, z}, {half, floor - 0.06f, z}, 0.14f, 0.08f));
    }
    m.add(steel(std::move(stand)));
    // A ladder up the side facing -z, and an outlet with its valve.
    Mesh ladder;
    for (float x : {-0.25f, 0.25f}) ladder.add(rod({x, 0, -kTankRadius - 0.3f}, {x, top + 0.35f, -kTankRadius - 0.08f}, 0.03f, 5));
    for (int k = 1; k <= 6; ++k) {
        const float t = float(k) / 7, y = t * (top + 0.35f), z = -kTankRadius - 0.3f + t * 0.22f;
        ladder.add(rod({-0.25f, y, z}, {0.25f, y, z}, 0.022f, 4, false));
    }
    ladder.add(rod({0.9f, floor + 0.15f, -0.9f}, {1.25f, floor + 0.15f, -1.25f}, 0.07f, 8));
    ladder.add(model::cylinder(0.1f, 0.1f, 8).translate({1.1f, floor + 0.2f, -1.1f}));
    m.add(steel(std::move(ladder)));
    return m;
}

float waterLevel(int variant) { return (variant == 1 ? kTroughHeight : kStandHeight + kTankWall) - kWaterBelowRim; }

}  // namespace

model::Mesh tankModel(int variant) { return variant == 1 ? trough() : tankOnStand(); }

model::Mesh tankWater(int variant)
{
    const float inset = kWall + kWaterInset;
    Mesh water = model::polygon(variant == 1 ? stadium(inset) : circle(kTankRadius - inset, kTankSegments), waterLevel(variant));
    return water.scaleUV(0.5f, 0.5f);
}

}  // namespace town
