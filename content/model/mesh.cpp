#include "content/model/mesh.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <tuple>

namespace model {

void Bounds::add(Vec3 p)
{
    min = {std::min(min.x, p.x), std::min(min.y, p.y), std::min(min.z, p.z)};
    max = {std::max(max.x, p.x), std::max(max.y, p.y), std::max(max.z, p.z)};
}

uint32_t Surface::add(const Vertex& v)
{
    vertices.push_back(v);
    return uint32_t(vertices.size() - 1);
}

void Surface::triangle(uint32_t a, uint32_t b, uint32_t c)
{
    indices.insert(indices.end(), {a, b, c});
}

void Surface::quad(uint32_t a, uint32_t b, uint32_t c, uint32_t d)
{
    triangle(a, b, c);
    triangle(a, c, d);
}

Surface& Mesh::surface(const std::string& name)
{
    for (Surface& s : surfaces)
        if (s.name == name) return s;
    surfaces.push_back(Surface{name, {1, 1, 1, 1}, {}, {}});
    return surfaces.back();
}

Mesh& Mesh::add(const Mesh& other)
{
    if (&other == this) return add(Mesh(other));  // adding to itself: copy first, the surfaces grow
    for (const Surface& from : other.surfaces) {
        bool existed = false;
        for (const Surface& s : surfaces) existed = existed || s.name == from.name;
        Surface& to = surface(from.name);
        if (!existed) to.diffuse = from.diffuse;
        const uint32_t base = uint32_t(to.vertices.size());
        to.vertices.insert(to.vertices.end(), from.vertices.begin(), from.vertices.end());
        for (uint32_t i : from.indices) to.indices.push_back(base + i);
    }
    return *this;
}

Mesh& Mesh::transform(const Transform& t)
{
    for (Surface& s : surfaces)
        for (Vertex& v : s.vertices) {
            v.position = t.point(v.position);
            v.normal = t.normal(v.normal);
        }
    if (t.mirrors())
        for (Surface& s : surfaces)
            for (size_t i = 0; i + 2 < s.indices.size(); i += 3) std::swap(s.indices[i + 1], s.indices[i + 2]);
    return *this;
}

Mesh& Mesh::flipFaces()
{
    for (Surface& s : surfaces) {
        for (size_t i = 0; i + 2 < s.indices.size(); i += 3) std::swap(s.indices[i + 1], s.indices[i + 2]);
        for (Vertex& v : s.vertices) v.normal = -v.normal;
    }
    return *this;
}

Mesh& Mesh::paint(const Rgba& colour)
{
    return paint([&](const Vertex&) { return colour; });
}

Mesh& Mesh::paint(const std::function<Rgba(const Vertex&)>& colour)
{
    for (Surface& s : surfaces)
        for (Vertex& v : s.vertices) v.colour = colour(v);
    return *this;
}

Mesh& Mesh::rename(const std::string& surfaceName)
{
    Mesh merged;
    for (Surface& s : surfaces) s.name = surfaceName;
    merged.add(*this);
    *this = std::move(merged);
    return *this;
}

Mesh& Mesh::scaleUV(float su, float sv)
{
    for (Surface& s : surfaces)
        for (Vertex& v : s.vertices) v.uv = {v.uv.x * su, v.uv.y * sv};
    return *this;
}

Mesh& Mesh::offsetUV(float du, float dv)
{
    for (Surface& s : surfaces)
        for (Vertex& v : s.vertices) v.uv = {v.uv.x + du, v.uv.y + dv};
    return *this;
}

namespace {

Vec3 faceNormal(const Surface& s, size_t first)
{
    const Vec3 a = s.vertices[s.indices[first]].position, b = s.vertices[s.indices[first + 1]].position,
               c = s.vertices[s.indices[first + 2]].position;
    return cross(b - a, c - a);  // area-weighted
}

using PositionKey = std::tuple<int64_t, int64_t, int64_t>;

PositionKey keyOf(Vec3 p)
{
    constexpr float kWeldGrid = 1e4f;  // positions closer than 0.1 mm share normals
    return {std::llround(p.x * kWeldGrid), std::llround(p.y * kWeldGrid), std::llround(p.z * kWeldGrid)};
}

}  // namespace

Mesh& Mesh::computeNormals(float creaseDegrees)
{
    const float cosCrease = std::cos(radians(creaseDegrees));
    for (Surface& s : surfaces) {
        // Every face touching each welded position, with its area-weighted normal.
        std::map<PositionKey, std::vector<Vec3>> facesAt;
        std::vector<Vec3> corner(s.indices.size());
        for (size_t f = 0; f + 2 < s.indices.size(); f += 3) {
            Vec3 n = faceNormal(s, f);
            for (int k = 0; k < 3; ++k) {
                corner[f + k] = n;
                facesAt[keyOf(s.vertices[s.indices[f + k]].position)].push_back(n);
            }
        }
        // Each corner averages the faces around its position that lie within the crease angle of its own face;
        // corners of one vertex that disagree get a vertex each.
        std::vector<Vertex> out;
        std::map<std::pair<uint32_t, PositionKey>, uint32_t> made;
        std::vector<uint32_t> indices(s.indices.size());
        for (size_t i = 0; i < s.indices.size(); ++i) {
            const Vertex& v = s.vertices[s.indices[i]];
            Vec3 own = normalized(corner[i]), sum{};
            for (Vec3 n : facesAt[keyOf(v.position)])
                if (dot(normalized(n), own) >= cosCrease - 1e-5f) sum += n;
            Vec3 normal = length(sum) > 0 ? normalized(sum) : own;
            auto key = std::make_pair(s.indices[i], keyOf(normal * 1000.0f));
            auto found = made.find(key);
            if (found == made.end()) {
                Vertex copy = v;
                copy.normal = normal;
                out.push_back(copy);
                found = made.emplace(key, uint32_t(out.size() - 1)).first;
            }
            indices[i] = found->second;
        }
        s.vertices = std::move(out);
        s.indices = std::move(indices);
    }
    return *this;
}

Bounds Mesh::bounds() const
{
    Bounds b;
    for (const Surface& s : surfaces)
        for (const Vertex& v : s.vertices) b.add(v.position);
    return b;
}

size_t Mesh::vertexCount() const
{
    size_t n = 0;
    for (const Surface& s : surfaces) n += s.vertices.size();
    return n;
}

size_t Mesh::triangleCount() const
{
    size_t n = 0;
    for (const Surface& s : surfaces) n += s.triangleCount();
    return n;
}

namespace {

// Rebuilds every surface with texture coordinates chosen per triangle corner,
// sharing a vertex only between corners that agree on it.
void remapUV(Mesh& mesh, const std::function<std::array<Vec2, 3>(const std::array<Vertex, 3>&)>& uvs)
{
    for (Surface& s : mesh.surfaces) {
        std::vector<Vertex> out;
        std::map<std::tuple<uint32_t, float, float>, uint32_t> made;
        std::vector<uint32_t> indices(s.indices.size());
        for (size_t f = 0; f + 2 < s.indices.size(); f += 3) {
            std::array<Vertex, 3> tri{s.vertices[s.indices[f]], s.vertices[s.indices[f + 1]],
                                      s.vertices[s.indices[f + 2]]};
            std::array<Vec2, 3> uv = uvs(tri);
            for (int k = 0; k < 3; ++k) {
                auto key = std::make_tuple(s.indices[f + k], uv[k].x, uv[k].y);
                auto found = made.find(key);
                if (found == made.end()) {
                    Vertex v = tri[k];
                    v.uv = uv[k];
                    out.push_back(v);
                    found = made.emplace(key, uint32_t(out.size() - 1)).first;
                }
                indices[f + k] = found->second;
            }
        }
        s.vertices = std::move(out);
        s.indices = std::move(indices);
    }
}

Vec2 project(Vec3 p, Axis along, float k)
{
    switch (along) {
    case Axis::X: return {p.z * k, -p.y * k};
    case Axis::Y: return {p.x * k, -p.z * k};
    case Axis::Z: return {p.x * k, -p.y * k};
    }
    return {};
}

}  // namespace

void planarUV(Mesh& mesh, Axis along, float repeatsPerUnit)
{
    for (Surface& s : mesh.surfaces)
        for (Vertex& v : s.vertices) v.uv = project(v.position, along, repeatsPerUnit);
}

void boxUV(Mesh& mesh, float repeatsPerUnit)
{
    remapUV(mesh, [&](const std::array<Vertex, 3>& t) {
        Vec3 n = cross(t[1].position - t[0].position, t[2].position - t[0].position);
        Vec3 a{std::fabs(n.x), std::fabs(n.y), std::fabs(n.z)};
        Axis along = (a.x >= a.y && a.x >= a.z) ? Axis::X : (a.y >= a.z ? Axis::Y : Axis::Z);
        // Mirror the projection on the far sides so that pictures read the right way round.
        float flip = (along == Axis::X ? n.x : along == Axis::Z ? -n.z : 1.0f) < 0 ? -1.0f : 1.0f;
        std::array<Vec2, 3> uv;
        for (int k = 0; k < 3; ++k) {
            uv[k] = project(t[k].position, along, repeatsPerUnit);
            uv[k].x *= flip;
        }
        return uv;
    });
}

void cylindricalUV(Mesh& mesh, float uRepeats, float vRepeatsPerUnit)
{
    remapUV(mesh, [&](const std::array<Vertex, 3>& t) {
        std::array<Vec2, 3> uv;
        for (int k = 0; k < 3; ++k) {
            float angle = std::atan2(t[k].position.x, t[k].position.z);  // 0 at +z, growing towards +x
            uv[k] = {(angle / (2 * kPi) + 0.5f) * uRepeats, -t[k].position.y * vRepeatsPerUnit};
        }
        // A triangle across the seam takes its corners from the same side.
        float hi = std::max({uv[0].x, uv[1].x, uv[2].x});
        for (Vec2& c : uv)
            if (hi - c.x > uRepeats * 0.5f) c.x += uRepeats;
        return uv;
    });
}

}  // namespace model
