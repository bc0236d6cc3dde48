#include "content/course/pipes.h"

#include <cmath>
#include <stdexcept>
#include <vector>

namespace course {

namespace {

using model::Vec3;

constexpr int kSides = 18;              // faces round the tube
constexpr float kStep = 0.2f;           // length of one ring to the next, in units
constexpr float kWall = 0.07f;          // thickness of the tube wall
constexpr float kCornerCut = 1.5f;      // how far round a corner the bend begins
constexpr float kSmallestRadius = 0.3f; // the ball (radius 0.25) must pass freely
constexpr float kUvRepeatsPerUnit = 0.5f;
constexpr float kPi = 3.14159265f;
constexpr float kStraight = 1e-4f;      // change of direction between rings below which the line runs straight

// Straight runs between the points, each inner corner rounded by a curve that
// leaves the runs up to kCornerCut units before and after the point.
Vec3 bezier(Vec3 a, Vec3 control, Vec3 b, float t)
{
    return a * ((1 - t) * (1 - t)) + control * (2 * t * (1 - t)) + b * (t * t);
}

void addRun(std::vector<Vec3>& line, Vec3 to)
{
    const Vec3 from = line.back();
    const int steps = std::max(1, int(std::ceil(model::length(to - from) / kStep)));
    for (int k = 1; k <= steps; ++k) line.push_back(from + (to - from) * (float(k) / float(steps)));
}

std::vector<Vec3> centreLine(const std::vector<Vec3>& points)
{
    std::vector<Vec3> line{points.front()};
    for (size_t i = 1; i + 1 < points.size(); ++i) {
        const Vec3 in = points[i] - points[i - 1], out = points[i + 1] - points[i];
        const float cut = std::min(kCornerCut, 0.45f * std::min(model::length(in), model::length(out)));
        const Vec3 a = points[i] - model::normalized(in) * cut, b = points[i] + model::normalized(out) * cut;
        addRun(line, a);
        const int steps = std::max(2, int(std::ceil(2 * cut / kStep)));
        for (int k = 1; k <= steps; ++k) line.push_back(bezier(a, points[i], b, float(k) / float(steps)));
    }
    addRun(line, points.back());
    return line;
}

struct Frame {
    Vec3 at, forward, side, up;
};

// Frames carried along the line without twisting (each turned as little as the line turns).
std::vector<Frame> frames(const std::vector<Vec3>& line)
{
    std::vector<Frame> out(line.size());
    for (size_t i = 0; i < line.size(); ++i) {
        const Vec3 a = line[i > 0 ? i - 1 : 0], b = line[i + 1 < line.size() ? i + 1 : i];
        out[i].at = line[i];
        out[i].forward = model::normalized(b - a);
    }
    Vec3 up = std::fabs(out[0].forward.y) < 0.9f ? Vec3{0, 1, 0} : Vec3{1, 0, 0};
    for (Frame& f : out) {
        Vec3 side = model::normalized(model::cross(up, f.forward));
        f.side = side;
        f.up = model::cross(f.forward, side);
        up = f.up;
    }
    return out;
}

Vec3 ringPoint(const Frame& f, int k, float radius)
{
    const float a = 2 * kPi * float(k) / float(kSides);
    return f.at + f.side * (std::cos(a) * radius) + f.up * (std::sin(a) * radius);
}

struct Ring {
    Frame frame;
    float along = 0;  // units of centre line from the first ring
};

std::vector<Ring> ringsAlong(const std::vector<Frame>& frames)
{
    std::vector<Ring> rings;
    float along = 0;
    for (size_t i = 0; i < frames.size(); ++i) {
        if (i > 0) along += model::length(frames[i].at - frames[i - 1].at);
        rings.push_back({frames[i], along});
    }
    return rings;
}

// The rings a drawn pipe needs: inside a straight run the tube is the same cylinder
// whether or not the rings between its ends are there.
std::vector<Ring> drawnRings(const std::vector<Ring>& rings)
{
    std::vector<Ring> kept;
    for (size_t i = 0; i < rings.size(); ++i) {
        const bool end = i == 0 || i + 1 == rings.size();
        if (end || model::length(rings[i].frame.forward - rings[i - 1].frame.forward) > kStraight ||
            model::length(rings[i + 1].frame.forward - rings[i].frame.forward) > kStraight)
            kept.push_back(rings[i]);
    }
    return kept;
}

// One skin of the tube: outward normals for the outside, inward for the inside.
void addSkin(model::Surface& s, const std::vector<Ring>& rings, float radius, bool inside)
{
    const uint32_t first = uint32_t(s.vertices.size());
    for (const Ring& ring : rings) {
        for (int k = 0; k <= kSides; ++k) {
            const Vec3 p = ringPoint(ring.frame, k, radius);
            Vec3 n = model::normalized(p - ring.frame.at);
            if (inside) n = n * -1.0f;
            s.add({p, n, {float(k) / float(kSides), ring.along * kUvRepeatsPerUnit}});
        }
    }
    const uint32_t row = kSides + 1;
    for (uint32_t i = 0; i + 1 < rings.size(); ++i)
        for (uint32_t k = 0; k < uint32_t(kSides); ++k) {
            const uint32_t a = first + i * row + k, b = a + 1, c = a + row + 1, d = a + row;
            if (inside) s.quad(a, d, c, b);
            else s.quad(a, b, c, d);
        }
}

// The ring between the inner and the outer skin at a mouth.
void addLip(model::Surface& s, const Frame& f, float inner, float outer, bool start)
{
    const uint32_t first = uint32_t(s.vertices.size());
    const Vec3 n = start ? f.forward * -1.0f : f.forward;
    for (int k = 0; k <= kSides; ++k) {
        const float u = float(k) / float(kSides);
        s.add({ringPoint(f, k, inner), n, {u, 0}});
        s.add({ringPoint(f, k, outer), n, {u, 0.05f}});
    }
    for (uint32_t k = 0; k < uint32_t(kSides); ++k) {
        const uint32_t a = first + 2 * k, b = a + 1, c = a + 3, d = a + 2;
        if (start) s.quad(a, d, c, b);
        else s.quad(a, b, c, d);
    }
}

}  // namespace

model::Mesh buildPipe(const Pipe& pipe, const std::string& where, bool forDrawing)
{
    if (pipe.path.size() < 2) throw std::runtime_error(where + ": a pipe needs two or more points");
    if (pipe.radius < kSmallestRadius) throw std::runtime_error(where + ": a pipe narrower than the ball can pass");
    std::vector<Ring> rings = ringsAlong(frames(centreLine(pipe.path)));
    if (forDrawing) rings = drawnRings(rings);
    model::Mesh mesh;
    model::Surface& s = mesh.surface(pipe.slick ? "slickpipe" : "pipe");
    addSkin(s, rings, pipe.radius + kWall, false);
    addSkin(s, rings, pipe.radius, true);
    addLip(s, rings.front().frame, pipe.radius, pipe.radius + kWall, true);
    addLip(s, rings.back().frame, pipe.radius, pipe.radius + kWall, false);
    return mesh;
}

}  // namespace course
