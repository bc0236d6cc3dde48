#include "content/course/bricks.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "content/course/mesh_tools.h"
#include "content/model/shapes.h"

namespace course {

namespace {

constexpr float kWallFoot = 0.3f;          // the inner face starts this far below the grass
constexpr float kOuterFoot = 0.6f;         // the outer face ends this far below the sand
constexpr float kBrickTile = 1.2f;         // units per repeat of brick.jpg (8 courses of 0.15)
constexpr float kSoftCornerDegrees = 30;   // walls bending less than this are shaded as one curve
constexpr int kPostSegments = 16;

using model::Surface;

float dot2(Vec2 a, Vec2 b) { return a.x * b.x + a.y * b.y; }
Vec2 flat(Vec3 p) { return {p.x, p.z}; }
Vec3 lift(Vec2 p, float y) { return {p.x, y, p.y}; }

Vec2 unit2(Vec2 a)
{
    float l = std::sqrt(dot2(a, a));
    return l > 1e-9f ? a * (1.0f / l) : Vec2{1, 0};
}

bool inGap(const std::vector<Gap>& gaps, const OutlinePoint& a, const OutlinePoint& b)
{
    const bool along = a.edge == Side::Left || a.edge == Side::Right;
    const float middle = along ? 0.5f * (a.s + b.s) : 0.5f * (a.side + b.side);
    for (const Gap& gap : gaps)
        if (gap.side == a.edge && middle >= std::min(gap.from, gap.to) && middle <= std::max(gap.from, gap.to))
            return true;
    return false;
}

class WallBuilder {
public:
    WallBuilder(Surface& surface, const std::vector<OutlinePoint>& loop, float height,
                const std::function<float(Vec2)>& sand)
        : s_(surface), loop_(loop), height_(height), sand_(sand), n_(loop.size())
    {
        std::vector<Vec2> outline;
        for (const OutlinePoint& p : loop) outline.push_back(flat(p.position));
        const float turn = model::signedArea(outline) > 0 ? 1.0f : -1.0f;  // the inside lies to the left when positive
        for (size_t k = 0; k < n_; ++k) {
            Vec2 d = unit2(flat(loop[(k + 1) % n_].position) - flat(loop[k].position));
            normal_.push_back(Vec2{d.y, -d.x} * turn);
        }
        along_.push_back(0);
        for (size_t k = 0; k < n_; ++k) {
            Vec2 d = flat(loop[(k + 1) % n_].position) - flat(loop[k].position);
            along_.push_back(along_.back() + std::sqrt(dot2(d, d)));
        }
        for (size_t k = 0; k < n_; ++k) {
            Vec2 a = normal_[(k + n_ - 1) % n_], b = normal_[k];
            mitre_.push_back((a + b) * (kWallThickness / std::max(0.2f, 1.0f + dot2(a, b))));
            soft_.push_back(dot2(a, b) > std::cos(model::radians(kSoftCornerDegrees)));
        }
    }

    void edge(size_t k)
    {
        const size_t k1 = (k + 1) % n_;
        const float u0 = along_[k] / kBrickTile, u1 = along_[k + 1] / kBrickTile;
        const Vec3 p0 = loop_[k].position, p1 = loop_[k1].position;
        const Vec2 n0 = normalAt(k, k), n1 = normalAt(k1, k);
        // Inner face, towards the grass.
        face({innerBottom(p0), innerBottom(p1), innerTop(p1), innerTop(p0)},
             {{u0, v(p0, innerBottom(p0))}, {u1, v(p1, innerBottom(p1))}, {u1, 0}, {u0, 0}},
             {lift(n0 * -1.0f, 0), lift(n1 * -1.0f, 0)}, lift(normal_[k] * -1.0f, 0));
        // The top.
        const float across = kWallThickness / kBrickTile;
        face({innerTop(p0), innerTop(p1), outerTop(k1), outerTop(k)}, {{u0, 0}, {u1, 0}, {u1, across}, {u0, across}},
             {{0, 1, 0}, {0, 1, 0}}, {0, 1, 0});
        // Outer face, down into the sand.
        face({outerTop(k), outerTop(k1), outerBottom(k1), outerBottom(k)},
             {{u0, 0}, {u1, 0}, {u1, v(p1, outerBottom(k1))}, {u0, v(p0, outerBottom(k))}}, {lift(n0, 0), lift(n1, 0)},
             lift(normal_[k], 0));
    }

    // Closes the wall's end at corner k; `forwards` when the wall runs on past it.
    void cap(size_t k, bool forwards)
    {
        const Vec3 p = loop_[k].position;
        const Vec2 next = flat(loop_[(k + 1) % n_].position), previous = flat(loop_[(k + n_ - 1) % n_].position);
        const Vec2 facing = forwards ? unit2(flat(p) - next) : unit2(flat(p) - previous);
        const float across = kWallThickness / kBrickTile;
        face({innerBottom(p), innerTop(p), outerTop(k), outerBottom(k)},
             {{0, v(p, innerBottom(p))}, {0, 0}, {across, 0}, {across, v(p, outerBottom(k))}},
             {lift(facing, 0), lift(facing, 0)}, lift(facing, 0));
    }

private:
    Vec3 innerTop(Vec3 p) const { return {p.x, p.y + height_, p.z}; }
    Vec3 innerBottom(Vec3 p) const { return {p.x, p.y - kWallFoot, p.z}; }
    Vec3 outerTop(size_t k) const
    {
        const Vec3 p = loop_[k].position;
        return {p.x + mitre_[k].x, p.y + height_, p.z + mitre_[k].y};
    }
    Vec3 outerBottom(size_t k) const
    {
        const Vec3 p = loop_[k].position;
        const Vec2 o = flat(p) + mitre_[k];
        return {o.x, std::min(p.y - kWallFoot, sand_(o) - kOuterFoot), o.y};
    }
    float v(Vec3 top, Vec3 at) const { return (top.y + height_ - at.y) / kBrickTile; }
    Vec2 normalAt(size_t corner, size_t edge) const
    {
        return soft_[corner] ? unit2(mitre_[corner]) : normal_[edge];
    }

    // A quad with its own four vertices; normals[0] at corners 0 and 3, normals[1] at 1 and 2.
    void face(const Vec3 (&corners)[4], const Vec2 (&uv)[4], const Vec3 (&normals)[2], Vec3 facing)
    {
        const uint32_t first = uint32_t(s_.vertices.size());
        for (int c = 0; c < 4; ++c)
            s_.add({corners[c], normals[(c == 1 || c == 2) ? 1 : 0], uv[c], {1, 1, 1, 1}});
        facingQuad(s_, first, first + 1, first + 2, first + 3, facing);
    }

    Surface& s_;
    const std::vector<OutlinePoint>& loop_;
    float height_;
    const std::function<float(Vec2)>& sand_;
    size_t n_;
    std::vector<Vec2> normal_, mitre_;  // per edge; per corner
    std::vector<float> along_;
    std::vector<bool> soft_;
};

void borderWalls(Surface& surface, const GreenSurface& green, const std::vector<Gap>& gaps, float height,
                 const std::function<float(Vec2)>& sand)
{
    const std::vector<OutlinePoint>& loop = green.outline;
    const size_t n = loop.size();
    WallBuilder walls(surface, loop, height, sand);
    std::vector<bool> open(n);
    for (size_t k = 0; k < n; ++k) open[k] = inGap(gaps, loop[k], loop[(k + 1) % n]);
    for (size_t k = 0; k < n; ++k) {
        if (open[k]) continue;
        walls.edge(k);
        if (open[(k + n - 1) % n]) walls.cap(k, true);
        if (open[(k + 1) % n]) walls.cap((k + 1) % n, false);
    }
}

float lowestGrass(const std::vector<Ribbon>& ribbons, const std::vector<Vec2>& footprint, float fallback)
{
    float lowest = fallback;
    for (Vec2 p : footprint) {
        float h;
        if (grassHeightAt(ribbons, p, h)) lowest = std::min(lowest, h);
    }
    return lowest;
}

model::Mesh block(const Block& b, const std::vector<Ribbon>& ribbons, const std::string& where)
{
    float centre;
    if (!grassHeightAt(ribbons, b.at, centre)) throw std::runtime_error(where + ": a brick block stands off the greens");
    const model::Transform turn = model::Transform::rotationY(b.yaw);
    std::vector<Vec2> footprint{b.at};
    for (float sx : {-0.5f, 0.5f})
        for (float sz : {-0.5f, 0.5f}) {
            Vec3 c = turn.point({sx * b.size.x, 0, sz * b.size.y});
            footprint.push_back(b.at + Vec2{c.x, c.z});
        }
    const float bottom = lowestGrass(ribbons, footprint, centre) - kWallFoot;
    model::Mesh m = model::box({-0.5f * b.size.x, bottom, -0.5f * b.size.y}, {0.5f * b.size.x, centre + b.height, 0.5f * b.size.y});
    m.rotateY(b.yaw).translate({b.at.x, 0, b.at.y});
    model::boxUV(m, 1.0f / kBrickTile);
    return m;
}

model::Mesh post(const Post& p, const std::vector<Ribbon>& ribbons, const std::string& where)
{
    float centre;
    if (!grassHeightAt(ribbons, p.at, centre)) throw std::runtime_error(where + ": a brick pillar stands off the greens");
    std::vector<Vec2> footprint{p.at};
    for (int k = 0; k < 8; ++k) {
        float a = float(k) * model::kPi / 4;
        footprint.push_back(p.at + Vec2{std::cos(a), std::sin(a)} * p.radius);
    }
    const float bottom = lowestGrass(ribbons, footprint, centre) - kWallFoot;
    model::Mesh m = model::cylinder(p.radius, centre + p.height - bottom, kPostSegments);
    model::cylindricalUV(m, std::round(2 * model::kPi * p.radius / (kBrickTile / 4)) / 4, 1.0f / kBrickTile);
    m.translate({p.at.x, bottom, p.at.y});
    return m;
}

}  // namespace

bool grassHeightAt(const std::vector<Ribbon>& ribbons, Vec2 p, float& height)
{
    for (const Ribbon& r : ribbons)
        if (r.covers(p)) {
            float s, side;
            r.locate(p, s, side);
            height = r.height(s, side);
            return true;
        }
    return false;
}

model::Mesh buildBricks(const HolePlan& plan, const std::vector<Ribbon>& ribbons,
                        const std::vector<GreenSurface>& greens, const std::function<float(Vec2)>& sand,
                        const std::string& where)
{
    model::Mesh bricks;
    Surface& walls = bricks.surface("bricks");
    for (size_t g = 0; g < greens.size(); ++g)
        borderWalls(walls, greens[g], plan.greens[g].gaps, plan.wallHeight, sand);
    for (const Block& b : plan.blocks) bricks.add(block(b, ribbons, where).rename("bricks"));
    for (const Post& p : plan.posts) bricks.add(post(p, ribbons, where).rename("bricks"));
    return bricks;
}

}  // namespace course
