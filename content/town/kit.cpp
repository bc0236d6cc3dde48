#include "content/town/kit.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "content/model/shapes.h"
#include "content/output.h"

namespace town {

namespace {

using model::Surface;
using model::Vertex;

float bilinear(const HeightField& h, float x, float y)
{
    x -= 0.5f;
    y -= 0.5f;
    const int x0 = int(std::floor(x)), y0 = int(std::floor(y));
    const float fx = x - float(x0), fy = y - float(y0);
    const float a = h.wrapped(x0, y0), b = h.wrapped(x0 + 1, y0), c = h.wrapped(x0, y0 + 1), d = h.wrapped(x0 + 1, y0 + 1);
    return (a + (b - a) * fx) * (1 - fy) + (c + (d - c) * fx) * fy;
}

// A quad with its own vertices, turned to face along `facing`.
void facingQuad(Surface& s, const Vec3 (&p)[4], const Vec2 (&uv)[4], Vec3 facing, const Vec3* normals = nullptr)
{
    const uint32_t first = uint32_t(s.vertices.size());
    const Vec3 n = model::normalized(facing);
    for (int k = 0; k < 4; ++k) s.add(Vertex{p[k], normals ? normals[k] : n, uv[k], {1, 1, 1, 1}});
    if (model::dot(model::cross(p[2] - p[0], p[3] - p[1]), facing) >= 0)
        s.quad(first, first + 1, first + 2, first + 3);
    else
        s.quad(first, first + 3, first + 2, first + 1);
}

// Two unit vectors across the direction `axis`, the second as close to `up` as it allows.
void across(Vec3 axis, Vec3 up, Vec3& side, Vec3& lift)
{
    if (std::fabs(model::dot(model::normalized(up), axis)) > 0.98f) up = std::fabs(axis.x) < 0.9f ? Vec3{1, 0, 0} : Vec3{0, 0, 1};
    side = model::normalized(model::cross(up, axis));
    lift = model::cross(axis, side);
}

}  // namespace

Atlas::Atlas(int width, int height) : layers_{Image(width, height, {0.5f, 0.5f, 0.5f, 1}), HeightField(width, height)} {}

void Atlas::place(const TextureLayers& source, Region r, Turn turn)
{
    const int sw = source.colour.width, sh = source.colour.height;
    for (int y = r.y; y < r.y + r.height; ++y)
        for (int x = r.x; x < r.x + r.width; ++x) {
            const float fu = (float(x - r.x) + 0.5f) / float(r.width), fv = (float(y - r.y) + 0.5f) / float(r.height);
            const float sx = (turn == Turn::None ? fu : fv) * float(sw), sy = (turn == Turn::None ? fv : fu) * float(sh);
            layers_.colour.at(x, y) = source.colour.sample(sx, sy, true);
            layers_.height.at(x, y) = bilinear(source.height, sx, sy);
        }
}

void Atlas::write(ContentOutput& output, const std::string& colourName, const std::string& normalName, float relief) const
{
    output.write("Textures/" + colourName, encodeJpeg(layers_.colour, 90));
    if (!normalName.empty()) output.write("Textures/" + normalName, encodeJpeg(normalMap(layers_.height, relief), 92));
}

model::Mesh& inRegion(model::Mesh& mesh, Region r, int atlasWidth, int atlasHeight, float uScale)
{
    for (Surface& s : mesh.surfaces)
        for (Vertex& v : s.vertices) {
            const float u = v.uv.x * uScale, along = std::clamp(v.uv.y, 0.0f, 1.0f);
            v.uv = {(float(r.x) + u * float(r.width)) / float(atlasWidth),
                    (float(r.y) + 0.5f + along * float(r.height - 1)) / float(atlasHeight)};
        }
    return mesh;
}

model::Mesh beam(Vec3 a, Vec3 b, float width, float depth, Vec3 up)
{
    const Vec3 axis = model::normalized(b - a);
    const float length = model::length(b - a);
    Vec3 side, lift;
    across(axis, up, side, lift);
    const Vec3 offsets[4] = {side * (width / 2) + lift * (depth / 2), side * (-width / 2) + lift * (depth / 2),
                             side * (-width / 2) + lift * (-depth / 2), side * (width / 2) + lift * (-depth / 2)};
    model::Mesh m;
    Surface& s = m.surface();
    for (int k = 0; k < 4; ++k) {
        const Vec3 o0 = offsets[k], o1 = offsets[(k + 1) % 4];
        const Vec3 facing = model::normalized(o0 + o1);
        const float v0 = float(k) / 4, v1 = float(k + 1) / 4;
        facingQuad(s, {a + o0, b + o0, b + o1, a + o1}, {{0, v0}, {length, v0}, {length, v1}, {0, v1}}, facing);
    }
    for (int end = 0; end < 2; ++end) {
        const Vec3 at = end ? b : a;
        facingQuad(s, {at + offsets[0], at + offsets[1], at + offsets[2], at + offsets[3]},
                   {{0, 0}, {width, 0}, {width, 1}, {0, 1}}, end ? axis : -axis);
    }
    return m;
}

model::Mesh rod(Vec3 a, Vec3 b, float radius, int sides, bool caps)
{
    const Vec3 axis = model::normalized(b - a);
    const float length = model::length(b - a);
    Vec3 side, lift;
    across(axis, {0, 1, 0}, side, lift);
    model::Mesh m;
    Surface& s = m.surface();
    for (int k = 0; k <= sides; ++k) {
        const float angle = 2 * model::kPi * float(k) / float(sides);
        const Vec3 n = side * std::cos(angle) + lift * std::sin(angle);
        const float v = float(k) / float(sides);
        s.add({a + n * radius, n, {0, v}, {1, 1, 1, 1}});
        s.add({b + n * radius, n, {length, v}, {1, 1, 1, 1}});
    }
    for (uint32_t k = 0; k < uint32_t(sides); ++k) {
        const uint32_t i = 2 * k;
        const Vec3 p0 = s.vertices[i].position, p1 = s.vertices[i + 1].position, p2 = s.vertices[i + 3].position;
        if (model::dot(model::cross(p1 - p0, p2 - p0), s.vertices[i].normal) >= 0)
            s.quad(i, i + 1, i + 3, i + 2);
        else
            s.quad(i, i + 2, i + 3, i + 1);
    }
    if (caps)
        for (int end = 0; end < 2; ++end) {
            const Vec3 at = end ? b : a, facing = end ? axis : -axis;
            const uint32_t middle = s.add({at, facing, {radius, 0.5f}, {1, 1, 1, 1}});
            const uint32_t first = uint32_t(s.vertices.size());
            for (int k = 0; k < sides; ++k) {
                const float angle = 2 * model::kPi * float(k) / float(sides);
                const Vec3 n = side * std::cos(angle) + lift * std::sin(angle);
                s.add({at + n * radius, facing, {radius + radius * std::cos(angle), 0.5f + 0.5f * std::sin(angle)}, {1, 1, 1, 1}});
            }
            for (uint32_t k = 0; k < uint32_t(sides); ++k) {
                uint32_t p = first + k, q = first + (k + 1) % uint32_t(sides);
                const Vec3 n = model::cross(s.vertices[p].position - at, s.vertices[q].position - at);
                if (model::dot(n, facing) >= 0) s.triangle(middle, p, q);
                else s.triangle(middle, q, p);
            }
        }
    return m;
}

model::Mesh board(Vec3 corner, Vec3 acrossDir, Vec3 down, float thickness)
{
    const Vec3 front = model::normalized(model::cross(acrossDir, down));
    const Vec3 back = front * -thickness;
    const Vec3 p[4] = {corner, corner + acrossDir, corner + acrossDir + down, corner + down};
    model::Mesh m;
    Surface& s = m.surface();
    facingQuad(s, {p[0], p[1], p[2], p[3]}, {{0, 0}, {1, 0}, {1, 1}, {0, 1}}, front);
    facingQuad(s, {p[0] + back, p[1] + back, p[2] + back, p[3] + back}, {{0, 0}, {1, 0}, {1, 1}, {0, 1}}, -front);
    const float edge = std::min(1.0f, thickness / std::max(0.01f, model::length(down)));
    for (int k = 0; k < 4; ++k) {
        const Vec3 a = p[k], b = p[(k + 1) % 4];
        const Vec3 outward = model::normalized((a + b) * 0.5f - (p[0] + p[2]) * 0.5f);
        facingQuad(s, {a, b, b + back, a + back}, {{0, 0}, {1, 0}, {1, edge}, {0, edge}}, outward);
    }
    return m;
}

model::Mesh crate(Vec3 lo, Vec3 hi)
{
    model::Mesh m;
    Surface& s = m.surface();
    const Vec2 uv[4] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    // Sides: corners top-left, top-right, bottom-right, bottom-left as seen from outside.
    facingQuad(s, {{lo.x, hi.y, lo.z}, {hi.x, hi.y, lo.z}, {hi.x, lo.y, lo.z}, {lo.x, lo.y, lo.z}}, uv, {0, 0, -1});
    facingQuad(s, {{hi.x, hi.y, hi.z}, {lo.x, hi.y, hi.z}, {lo.x, lo.y, hi.z}, {hi.x, lo.y, hi.z}}, uv, {0, 0, 1});
    facingQuad(s, {{hi.x, hi.y, lo.z}, {hi.x, hi.y, hi.z}, {hi.x, lo.y, hi.z}, {hi.x, lo.y, lo.z}}, uv, {1, 0, 0});
    facingQuad(s, {{lo.x, hi.y, hi.z}, {lo.x, hi.y, lo.z}, {lo.x, lo.y, lo.z}, {lo.x, lo.y, hi.z}}, uv, {-1, 0, 0});
    facingQuad(s, {{lo.x, hi.y, hi.z}, {hi.x, hi.y, hi.z}, {hi.x, hi.y, lo.z}, {lo.x, hi.y, lo.z}}, uv, {0, 1, 0});
    facingQuad(s, {{lo.x, lo.y, lo.z}, {hi.x, lo.y, lo.z}, {hi.x, lo.y, hi.z}, {lo.x, lo.y, hi.z}}, uv, {0, -1, 0});
    return m;
}

model::Mesh hoop(float radius, float tube, int segments, int sides)
{
    model::Mesh m;
    Surface& s = m.surface();
    const uint32_t columns = uint32_t(sides) + 1;
    for (int i = 0; i <= segments; ++i)
        for (int j = 0; j <= sides; ++j) {
            const float theta = 2 * model::kPi * float(i) / float(segments), phi = 2 * model::kPi * float(j) / float(sides);
            const Vec3 n{std::cos(phi) * std::sin(theta), std::sin(phi), std::cos(phi) * std::cos(theta)};
            const Vec3 p{(radius + tube * std::cos(phi)) * std::sin(theta), tube * std::sin(phi),
                         (radius + tube * std::cos(phi)) * std::cos(theta)};
            s.add({p, n, {float(i) / float(segments), float(j) / float(sides)}, {1, 1, 1, 1}});
        }
    for (uint32_t i = 0; i < uint32_t(segments); ++i)
        for (uint32_t j = 0; j < uint32_t(sides); ++j) {
            const uint32_t a = i * columns + j, b = a + columns;
            const Vec3 pa = s.vertices[a].position;
            const Vec3 n = model::cross(s.vertices[b].position - pa, s.vertices[b + 1].position - pa);
            if (model::dot(n, s.vertices[a].normal) >= 0) s.quad(a, b, b + 1, a + 1);
            else s.quad(a, a + 1, b + 1, b);
        }
    return m;
}

model::Mesh turned(const std::vector<Vec2>& profile, int segments, float creaseDegrees)
{
    float total = 0;
    for (size_t i = 1; i < profile.size(); ++i)
        total += std::hypot(profile[i].x - profile[i - 1].x, profile[i].y - profile[i - 1].y);
    model::Mesh m = model::lathe(profile, segments, creaseDegrees);
    for (Surface& s : m.surfaces)
        for (Vertex& v : s.vertices) v.uv.y /= std::max(1e-6f, total);
    return m;
}

model::Mesh wallPolygon(Vec3 origin, Vec3 along, const std::vector<Vec2>& outline, float vTop, float vBottom,
                        float uPerUnit, Vec3 facing)
{
    model::Mesh m;
    model::Surface& s = m.surface();
    for (Vec2 p : outline)
        s.add({origin + along * p.x + Vec3{0, p.y, 0}, model::normalized(facing),
               {p.x * uPerUnit, (vTop - p.y) / (vTop - vBottom)}, {1, 1, 1, 1}});
    const std::vector<uint32_t> triangles = model::triangulate(outline);
    for (size_t k = 0; k + 2 < triangles.size(); k += 3) {
        uint32_t a = triangles[k], b = triangles[k + 1], c = triangles[k + 2];
        const Vec3 n = model::cross(s.vertices[b].position - s.vertices[a].position,
                                    s.vertices[c].position - s.vertices[a].position);
        if (model::dot(n, facing) < 0) std::swap(b, c);
        s.triangle(a, b, c);
    }
    return m;
}

model::Mesh decal(Vec3 topLeft, Vec3 across, float height)
{
    model::Mesh m = board(topLeft, across, {0, -height, 0}, 0.0f);
    m.surfaces[0].indices.resize(6);  // the front face only
    m.surfaces[0].vertices.resize(4);
    return m;
}

}  // namespace town
