#include "content/course/sand.h"

#include <algorithm>
#include <cmath>

#include "content/art/noise.h"
#include "content/course/bricks.h"
#include "content/course/mesh_tools.h"

namespace course {

namespace {

constexpr float kFineSpacing = 0.7f;     // units between rows and columns near the greens
constexpr float kFineMargin = 3.0f;      // the fine grid reaches this far beyond the walls' inner faces
constexpr float kGrowth = 1.3f;          // each row further out is this much wider
constexpr float kMaxSpacing = 28.0f;
constexpr float kExtent = 330.0f;        // the sand reaches this far from the greens' centre
constexpr float kSandTile = 8.0f;        // units per repeat of the terrain texture
constexpr float kDuneScale = 34.0f;      // units across a dune
constexpr float kFarDunes = 2.5f;        // dunes grow this many times taller far away
constexpr float kHorizonRise = 7.0f;     // the land lifts towards the horizon
constexpr float kMinFloorDrop = 2.0f;    // the floor under the greens lies at least this far down
constexpr float kFloorBelowCup = 0.6f;   // and this far below the cup's floor
constexpr float kFloorReach = 1.5f;      // units in from the walls where the floor reaches its depth
constexpr float kAmbient = 0.62f;        // baked light: shade + sun * cos(angle to the sun)
constexpr float kSunlight = 0.48f;
constexpr float kWallShade = 0.38f;      // darkening at the foot of a wall
constexpr float kWallShadeReach = 0.6f;  // units over which it fades
constexpr float kTintScale = 55.0f;      // units across the reddish and pale patches of sand

// Towards the sun: the hole's light shines along (0.354, -0.707, 0.612).
const Vec3 kTowardsSun = model::normalized({-0.354f, 0.707f, -0.612f});

float smoothstep(float edge0, float edge1, float x)
{
    float t = std::clamp((x - edge0) / (edge1 - edge0), 0.0f, 1.0f);
    return t * t * (3 - 2 * t);
}

float distance2(Vec2 a, Vec2 b) { return std::hypot(a.x - b.x, a.y - b.y); }

}  // namespace

Sand::Sand(const HolePlan& plan, const std::vector<Ribbon>& ribbons, const std::vector<GreenSurface>& greens)
    : plan_(plan), ribbons_(ribbons), greens_(greens)
{
    const float reach = plan.terrain.apron + kWallThickness + 1.0f;
    for (const GreenSurface& g : greens) {
        model::Bounds b;
        for (const OutlinePoint& p : g.outline) b.add(p.position);
        b.min = b.min - Vec3{reach, 0, reach};
        b.max = b.max + Vec3{reach, 0, reach};
        boxes_.push_back(b);
        all_.add(b.min);
        all_.add(b.max);
        for (const OutlinePoint& p : g.outline) walls_.add(p.position);
    }
    centre_ = {all_.centre().x, all_.centre().z};
    floorDrop_ = std::max(kMinFloorDrop, cupDepthBelowRim(plan) + kFloorBelowCup);
}

Sand::Border Sand::border(Vec2 p) const
{
    Border best;
    for (size_t g = 0; g < greens_.size(); ++g) {
        const model::Bounds& box = boxes_[g];
        if (p.x < box.min.x || p.x > box.max.x || p.y < box.min.z || p.y > box.max.z) continue;
        const std::vector<OutlinePoint>& loop = greens_[g].outline;
        bool inside = false;
        float nearest = 1e30f, edge = 0;
        for (size_t k = 0, n = loop.size(); k < n; ++k) {
            const Vec3 a = loop[k].position, b = loop[(k + 1) % n].position;
            const Vec2 d{b.x - a.x, b.z - a.z}, q{p.x - a.x, p.y - a.z};
            const float t = std::clamp((q.x * d.x + q.y * d.y) / std::max(1e-9f, d.x * d.x + d.y * d.y), 0.0f, 1.0f);
            const float dist = distance2(q, d * t);
            if (dist < nearest) {
                nearest = dist;
                edge = a.y + (b.y - a.y) * t;
            }
            if ((a.z > p.y) != (b.z > p.y) && p.x < a.x + (b.x - a.x) * (p.y - a.z) / (b.z - a.z)) inside = !inside;
        }
        const float signedDistance = inside ? -nearest : nearest;
        if (signedDistance < best.distance) best = {signedDistance, edge, int(g)};
    }
    return best;
}

float Sand::natural(Vec2 p) const
{
    const Terrain& t = plan_.terrain;
    const float r = distance2(p, centre_);
    const float relief = t.dunes * (1.0f + (kFarDunes - 1.0f) * smoothstep(50, 200, r));
    float h = t.level + relief * (2 * fbm(p.x / kDuneScale, p.y / kDuneScale, 4, t.seed) - 1);
    h += kHorizonRise * smoothstep(120, kExtent, r);
    for (const Plot& plot : t.plots) {
        const float w = 1.0f - smoothstep(plot.radius, plot.radius + plot.falloff, distance2(p, plot.at));
        h += (plot.height - h) * w;
    }
    return h;
}

float Sand::height(Vec2 p) const
{
    const Border b = border(p);
    if (b.green >= 0 && b.distance < 0) {
        float grass = b.edgeHeight;
        grassHeightAt(ribbons_, p, grass);
        const float depth = plan_.terrain.below + (floorDrop_ - plan_.terrain.below) * smoothstep(0, kFloorReach, -b.distance);
        return grass - depth;
    }
    float h = natural(p);
    if (b.green >= 0) {
        const float w = 1.0f - smoothstep(kWallThickness + 0.3f, plan_.terrain.apron, b.distance);
        h += (b.edgeHeight - plan_.terrain.below - h) * w;
    }
    return h;
}

// Fine spacing over the greens and their banks, then rows that widen out to the horizon.
std::vector<float> Sand::axis(float low, float high) const
{
    low -= kFineMargin;
    high += kFineMargin;
    std::vector<float> coords;
    const int fine = std::max(1, int(std::ceil((high - low) / kFineSpacing)));
    for (int i = 0; i <= fine; ++i) coords.push_back(low + (high - low) * float(i) / float(fine));
    const float centre = 0.5f * (low + high);
    for (float step = kFineSpacing, x = high; x < centre + kExtent;) {
        step = std::min(kMaxSpacing, step * kGrowth);
        x += step;
        coords.push_back(x);
    }
    std::vector<float> before;
    for (float step = kFineSpacing, x = low; x > centre - kExtent;) {
        step = std::min(kMaxSpacing, step * kGrowth);
        x -= step;
        before.push_back(x);
    }
    coords.insert(coords.begin(), before.rbegin(), before.rend());
    return coords;
}

model::Mesh Sand::mesh() const
{
    const std::vector<float> xs = axis(walls_.min.x, walls_.max.x), zs = axis(walls_.min.z, walls_.max.z);
    model::Mesh ground;
    model::Surface& s = ground.surface("ground");
    std::vector<float> wallDistance;
    for (float z : zs)
        for (float x : xs) {
            const Vec2 p{x, z};
            s.add({{x, height(p), z}, {0, 1, 0}, {x / kSandTile, -z / kSandTile}, {1, 1, 1, 1}});
            wallDistance.push_back(border(p).distance);
        }
    const uint32_t columns = uint32_t(xs.size());
    for (uint32_t k = 0; k + 1 < zs.size(); ++k)
        for (uint32_t i = 0; i + 1 < columns; ++i) {
            const uint32_t a = k * columns + i, b = a + 1, c = a + columns + 1, d = a + columns;
            const float truth = height({0.5f * (xs[i] + xs[i + 1]), 0.5f * (zs[k] + zs[k + 1])});
            auto y = [&](uint32_t v) { return s.vertices[v].position.y; };
            if (std::fabs(0.5f * (y(a) + y(c)) - truth) <= std::fabs(0.5f * (y(b) + y(d)) - truth)) {
                upwardTriangle(s, a, b, c);
                upwardTriangle(s, a, c, d);
            } else {
                upwardTriangle(s, a, b, d);
                upwardTriangle(s, b, c, d);
            }
        }
    smoothNormals(s);
    for (size_t v = 0; v < s.vertices.size(); ++v) {
        model::Vertex& vertex = s.vertices[v];
        const Vec3 p = vertex.position;
        float light = kAmbient + kSunlight * std::max(0.0f, model::dot(vertex.normal, kTowardsSun));
        if (wallDistance[v] > 0)
            light *= 1.0f - kWallShade * std::exp(-std::max(0.0f, wallDistance[v] - kWallThickness) / kWallShadeReach);
        const float patch = fbm(p.x / kTintScale + 17.0f, p.z / kTintScale, 3, plan_.terrain.seed + 5);
        const Rgba tint = mix({1.0f, 1.0f, 1.0f, 1}, {1.0f, 0.9f, 0.8f, 1}, smoothstep(0.45f, 0.75f, patch));
        vertex.colour = {std::min(1.0f, light * tint.r), std::min(1.0f, light * tint.g), std::min(1.0f, light * tint.b), 1};
    }
    return ground;
}

}  // namespace course
