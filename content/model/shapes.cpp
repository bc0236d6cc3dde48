#include "content/model/shapes.h"

#include <algorithm>
#include <cmath>

namespace model {

namespace {

constexpr float kMaxMitre = 3.0f;  // longest corner stretch of a swept section, times its width

Vertex vertexAt(Vec3 p, Vec3 n, Vec2 uv) { return Vertex{p, n, uv, {1, 1, 1, 1}}; }

bool degenerate(Vec3 a, Vec3 b, Vec3 c)
{
    // No area compared with the triangle's size (a pole, or corners in a line).
    return length(cross(b - a, c - a)) <= 1e-6f * (dot(b - a, b - a) + dot(c - a, c - a));
}

// Adds a quad a-b-c-d (front clockwise), skipping halves that have no area (poles).
void addQuad(Surface& s, uint32_t a, uint32_t b, uint32_t c, uint32_t d)
{
    auto p = [&](uint32_t i) { return s.vertices[i].position; };
    if (!degenerate(p(a), p(b), p(c))) s.triangle(a, b, c);
    if (!degenerate(p(a), p(c), p(d))) s.triangle(a, c, d);
}

}  // namespace

Mesh quad(Vec3 a, Vec3 b, Vec3 c, Vec3 d)
{
    Mesh mesh;
    Surface& s = mesh.surface();
    Vec3 n = normalized(cross(b - a, c - a));
    s.quad(s.add(vertexAt(a, n, {0, 0})), s.add(vertexAt(b, n, {1, 0})), s.add(vertexAt(c, n, {1, 1})),
           s.add(vertexAt(d, n, {0, 1})));
    return mesh;
}

Mesh box(Vec3 lo, Vec3 hi)
{
    Mesh mesh;
    auto face = [&](Vec3 a, Vec3 b, Vec3 c, Vec3 d) { mesh.add(quad(a, b, c, d)); };
    // Each face listed clockwise as seen from outside.
    face({lo.x, hi.y, lo.z}, {hi.x, hi.y, lo.z}, {hi.x, lo.y, lo.z}, {lo.x, lo.y, lo.z});  // -z
    face({hi.x, hi.y, hi.z}, {lo.x, hi.y, hi.z}, {lo.x, lo.y, hi.z}, {hi.x, lo.y, hi.z});  // +z
    face({lo.x, hi.y, hi.z}, {lo.x, hi.y, lo.z}, {lo.x, lo.y, lo.z}, {lo.x, lo.y, hi.z});  // -x
    face({hi.x, hi.y, lo.z}, {hi.x, hi.y, hi.z}, {hi.x, lo.y, hi.z}, {hi.x, lo.y, lo.z});  // +x
    face({lo.x, hi.y, hi.z}, {hi.x, hi.y, hi.z}, {hi.x, hi.y, lo.z}, {lo.x, hi.y, lo.z});  // +y
    face({lo.x, lo.y, lo.z}, {hi.x, lo.y, lo.z}, {hi.x, lo.y, hi.z}, {lo.x, lo.y, hi.z});  // -y
    boxUV(mesh, 1.0f);
    return mesh;
}

Mesh lathe(const std::vector<Vec2>& profile, int segments, float creaseDegrees)
{
    Mesh mesh;
    Surface& s = mesh.surface();
    std::vector<float> along(profile.size(), 0.0f);
    for (size_t i = 1; i < profile.size(); ++i)
        along[i] = along[i - 1] + std::hypot(profile[i].x - profile[i - 1].x, profile[i].y - profile[i - 1].y);
    const float total = along.empty() ? 0.0f : along.back();
    const uint32_t columns = uint32_t(segments) + 1;
    for (size_t i = 0; i < profile.size(); ++i)
        for (uint32_t j = 0; j < columns; ++j) {
            float angle = 2 * kPi * float(j) / float(segments);
            Vec3 p{profile[i].x * std::sin(angle), profile[i].y, profile[i].x * std::cos(angle)};
            s.add(vertexAt(p, {0, 1, 0}, {float(j) / float(segments), total - along[i]}));
        }
    for (uint32_t i = 0; i + 1 < profile.size(); ++i)
        for (uint32_t j = 0; j < uint32_t(segments); ++j) {
            uint32_t a = i * columns + j, b = (i + 1) * columns + j;
            addQuad(s, a, a + 1, b + 1, b);
        }
    return mesh.computeNormals(creaseDegrees);
}

Mesh cylinder(float radius, float height, int segments, bool caps)
{
    return cone(radius, radius, height, segments, caps);
}

Mesh cone(float bottomRadius, float topRadius, float height, int segments, bool caps)
{
    std::vector<Vec2> profile;
    if (caps) profile.push_back({0, 0});
    profile.push_back({bottomRadius, 0});
    profile.push_back({topRadius, height});
    if (caps) profile.push_back({0, height});
    return lathe(profile, segments, 40.0f);
}

Mesh sphere(float radius, int segments, int rings)
{
    Mesh mesh;
    Surface& s = mesh.surface();
    const uint32_t columns = uint32_t(segments) + 1;
    for (int i = 0; i <= rings; ++i) {
        float polar = kPi * float(i) / float(rings);
        for (uint32_t j = 0; j < columns; ++j) {
            float angle = 2 * kPi * float(j) / float(segments);
            Vec3 n{std::sin(polar) * std::sin(angle), std::cos(polar), std::sin(polar) * std::cos(angle)};
            if (i == 0 || i == rings) n = {0, i == 0 ? 1.0f : -1.0f, 0};  // exactly on the pole
            // At the poles each triangle's corner takes the middle of its column, so the picture does not twist.
            float u = (i == 0 || i == rings) ? (float(j) + 0.5f) / float(segments) : float(j) / float(segments);
            s.add(vertexAt(n * radius, n, {u, float(i) / float(rings)}));
        }
    }
    for (uint32_t i = 0; i < uint32_t(rings); ++i)
        for (uint32_t j = 0; j < uint32_t(segments); ++j) {
            uint32_t a = i * columns + j, b = (i + 1) * columns + j;  // a above b
            addQuad(s, a, b, b + 1, a + 1);
        }
    return mesh;
}

Mesh disc(float radius, int segments, float y) { return ring(0.0f, radius, segments, y); }

Mesh ring(float innerRadius, float outerRadius, int segments, float y)
{
    Mesh mesh;
    Surface& s = mesh.surface();
    for (int j = 0; j <= segments; ++j) {
        float angle = 2 * kPi * float(j) / float(segments);
        for (float r : {innerRadius, outerRadius}) {
            Vec3 p{r * std::sin(angle), y, r * std::cos(angle)};
            s.add(vertexAt(p, {0, 1, 0}, {p.x, -p.z}));
        }
    }
    for (uint32_t j = 0; j < uint32_t(segments); ++j) {
        uint32_t inner = 2 * j, outer = 2 * j + 1;
        addQuad(s, inner, outer, outer + 2, inner + 2);
    }
    return mesh;
}

float signedArea(const std::vector<Vec2>& polygon)
{
    float area = 0;
    for (size_t i = 0; i < polygon.size(); ++i) {
        const Vec2& a = polygon[i];
        const Vec2& b = polygon[(i + 1) % polygon.size()];
        area += a.x * b.y - b.x * a.y;
    }
    return area * 0.5f;
}

std::vector<uint32_t> triangulate(const std::vector<Vec2>& polygon)
{
    std::vector<uint32_t> result, left;
    for (uint32_t i = 0; i < polygon.size(); ++i) left.push_back(i);
    if (signedArea(polygon) < 0) std::reverse(left.begin(), left.end());
    auto turn = [&](uint32_t a, uint32_t b, uint32_t c) {
        const Vec2 &p = polygon[a], &q = polygon[b], &r = polygon[c];
        return (q.x - p.x) * (r.y - p.y) - (q.y - p.y) * (r.x - p.x);
    };
    // A corner inside the ear or on its edges blocks it (unless it shares a corner's place).
    auto inside = [&](uint32_t a, uint32_t b, uint32_t c, uint32_t p) {
        for (uint32_t corner : {a, b, c})
            if (polygon[p].x == polygon[corner].x && polygon[p].y == polygon[corner].y) return false;
        return turn(a, b, p) >= 0 && turn(b, c, p) >= 0 && turn(c, a, p) >= 0;
    };
    size_t guard = 0;
    while (left.size() > 3 && guard < polygon.size() * polygon.size()) {
        ++guard;
        bool clipped = false;
        for (size_t i = 0; i < left.size(); ++i) {
            uint32_t a = left[(i + left.size() - 1) % left.size()], b = left[i], c = left[(i + 1) % left.size()];
            if (turn(a, b, c) <= 0) continue;
            bool ear = true;
            for (uint32_t p : left)
                if (p != a && p != b && p != c && inside(a, b, c, p)) ear = false;
            if (!ear) continue;
            result.insert(result.end(), {a, b, c});
            left.erase(left.begin() + long(i));
            clipped = true;
            break;
        }
        if (!clipped) break;  // not a simple polygon: keep what was found
    }
    if (left.size() == 3 && turn(left[0], left[1], left[2]) > 0) result.insert(result.end(), {left[0], left[1], left[2]});
    return result;
}

Mesh polygon(const std::vector<Vec2>& outline, float y)
{
    Mesh mesh;
    Surface& s = mesh.surface();
    for (const Vec2& p : outline) s.add(vertexAt({p.x, y, p.y}, {0, 1, 0}, {p.x, -p.y}));
    std::vector<uint32_t> tris = triangulate(outline);
    // Counter-clockwise in (x, z) faces down: turn each triangle over so that the front faces up.
    for (size_t i = 0; i + 2 < tris.size(); i += 3) s.triangle(tris[i], tris[i + 2], tris[i + 1]);
    return mesh;
}

Mesh extrude(const std::vector<Vec2>& outline, float bottom, float top, bool caps)
{
    std::vector<Vec2> ring = outline;
    if (signedArea(ring) > 0) std::reverse(ring.begin(), ring.end());
    // Walking clockwise in (x, z), the outside lies to the left when seen from above...
    std::vector<Vec3> path;
    for (const Vec2& p : ring) path.push_back({p.x, 0, p.y});
    SweepOptions options;
    options.closedSection = false;
    options.closedPath = true;
    options.creaseDegrees = 30.0f;
    // ...so a vertical section at side 0 from top down faces outwards.
    Mesh mesh = sweep(path, {{0, top}, {0, bottom}}, options);
    if (caps) {
        mesh.add(polygon(outline, top));
        mesh.add(polygon(outline, bottom).flipFaces());
    }
    return mesh.computeNormals(30.0f);
}

std::vector<Vec2> circleSection(float radius, int segments)
{
    std::vector<Vec2> points;
    for (int i = 0; i < segments; ++i) {
        float angle = 2 * kPi * float(i) / float(segments);
        points.push_back({radius * std::cos(angle), radius * std::sin(angle)});
    }
    return points;
}

std::vector<Vec2> rectangleSection(float width, float height)
{
    float h = width / 2;
    return {{h, 0}, {h, height}, {-h, height}, {-h, 0}};
}

namespace {

struct Frame {
    Vec3 origin, side, up;
};

std::vector<Frame> sweepFrames(const std::vector<Vec3>& path, const SweepOptions& options)
{
    const size_t n = path.size();
    std::vector<Frame> frames(n);
    Vec3 lastSide{1, 0, 0};
    for (size_t i = 0; i < n; ++i) {
        bool hasPrev = i > 0 || options.closedPath, hasNext = i + 1 < n || options.closedPath;
        Vec3 in = hasPrev ? normalized(path[i] - path[(i + n - 1) % n]) : Vec3{};
        Vec3 out = hasNext ? normalized(path[(i + 1) % n] - path[i]) : Vec3{};
        Vec3 forward = normalized((hasPrev ? in : out) + (hasNext ? out : in));
        Vec3 side = cross(options.up, forward);
        side = length(side) < 1e-4f ? lastSide : normalized(side);
        lastSide = side;
        Vec3 up = normalized(cross(forward, side));
        // Mitre: stretch the section across the corner so that both legs keep their width.
        float stretch = 1.0f;
        if (hasPrev && hasNext) {
            Vec3 legSide = cross(options.up, in);
            if (length(legSide) > 1e-4f) stretch = std::min(kMaxMitre, 1.0f / std::max(1e-3f, dot(normalized(legSide), side)));
        }
        frames[i] = {path[i], side * stretch, up};
    }
    return frames;
}

}  // namespace

Mesh sweep(const std::vector<Vec3>& path, const std::vector<Vec2>& section, const SweepOptions& options)
{
    Mesh mesh;
    if (path.size() < 2 || section.size() < 2) return mesh;
    Surface& s = mesh.surface();
    std::vector<Frame> frames = sweepFrames(path, options);
    std::vector<Vec2> ring = section;
    if (options.closedSection) ring.push_back(section.front());
    std::vector<Frame> rows = frames;
    if (options.closedPath) rows.push_back(frames.front());

    std::vector<float> u(ring.size(), 0.0f);
    for (size_t j = 1; j < ring.size(); ++j) u[j] = u[j - 1] + std::hypot(ring[j].x - ring[j - 1].x, ring[j].y - ring[j - 1].y);
    float v = 0;
    const uint32_t columns = uint32_t(ring.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        if (i > 0) v += length(rows[i].origin - rows[i - 1].origin);
        for (size_t j = 0; j < ring.size(); ++j) {
            Vec3 p = rows[i].origin + rows[i].side * ring[j].x + rows[i].up * ring[j].y;
            s.add(vertexAt(p, {0, 1, 0}, {u[j], v}));
        }
    }
    for (uint32_t i = 0; i + 1 < rows.size(); ++i)
        for (uint32_t j = 0; j + 1 < columns; ++j) {
            uint32_t a = i * columns + j, b = (i + 1) * columns + j;
            addQuad(s, a, a + 1, b + 1, b);
        }
    return mesh.computeNormals(options.creaseDegrees);
}

Mesh heightField(Vec2 min, Vec2 max, int cellsX, int cellsZ, const std::function<float(float x, float z)>& height)
{
    Mesh mesh;
    Surface& s = mesh.surface();
    const uint32_t columns = uint32_t(cellsX) + 1;
    for (int k = 0; k <= cellsZ; ++k)
        for (int i = 0; i <= cellsX; ++i) {
            float x = min.x + (max.x - min.x) * float(i) / float(cellsX);
            float z = min.y + (max.y - min.y) * float(k) / float(cellsZ);
            s.add(vertexAt({x, height(x, z), z}, {0, 1, 0}, {x, -z}));
        }
    for (uint32_t k = 0; k < uint32_t(cellsZ); ++k)
        for (uint32_t i = 0; i < uint32_t(cellsX); ++i) {
            uint32_t a = k * columns + i, b = (k + 1) * columns + i;  // b lies towards +z
            s.quad(b, b + 1, a + 1, a);
        }
    return mesh.computeNormals(89.0f);
}

}  // namespace model
