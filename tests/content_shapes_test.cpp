// The mesh library: shapes face outwards, enclose what they should, and keep their normals and uvs sane.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <stdexcept>

#include "content/course/pipes.h"
#include "content/model/shapes.h"

using model::Mesh;
using model::Vec2;
using model::Vec3;

namespace {

// Volume by the divergence theorem: positive when every face points out.
float signedVolume(const Mesh& mesh)
{
    float volume = 0;
    for (const model::Surface& s : mesh.surfaces)
        for (size_t f = 0; f + 2 < s.indices.size(); f += 3) {
            Vec3 a = s.vertices[s.indices[f]].position, b = s.vertices[s.indices[f + 1]].position,
                 c = s.vertices[s.indices[f + 2]].position;
            volume += model::dot(a, model::cross(b, c)) / 6.0f;
        }
    return volume;
}

// Corners whose normal points against their triangle's face.
int normalsAgainstFaces(const Mesh& mesh)
{
    int wrong = 0;
    for (const model::Surface& s : mesh.surfaces)
        for (size_t f = 0; f + 2 < s.indices.size(); f += 3) {
            Vec3 a = s.vertices[s.indices[f]].position, b = s.vertices[s.indices[f + 1]].position,
                 c = s.vertices[s.indices[f + 2]].position;
            Vec3 n = model::cross(b - a, c - a);
            for (int k = 0; k < 3; ++k)
                if (model::dot(n, s.vertices[s.indices[f + k]].normal) <= 0) ++wrong;
        }
    return wrong;
}

constexpr float kPi = model::kPi;

}  // namespace

TEST(MeshShapes, ClosedShapesFaceOutwardsAndEncloseTheirVolume)
{
    const std::vector<Vec2> lShape = {{0, 0}, {3, 0}, {3, 1}, {1, 1}, {1, 2}, {0, 2}};  // concave, area 4
    std::vector<Vec3> square = {{0, 0, 0}, {4, 0, 0}, {4, 0, 4}, {0, 0, 4}};
    struct Case {
        const char* name;
        std::function<Mesh()> make;
        float volume;
        float tolerance;  // relative: faceted round shapes fall a little short
    };
    const Case cases[] = {
        {"box", [] { return model::box({-1, 0, -2}, {1, 3, 2}); }, 24, 1e-4f},
        {"cylinder", [] { return model::cylinder(1, 2, 32); }, kPi * 2, 0.02f},
        {"cone", [] { return model::cone(1, 0.5f, 3, 32); }, kPi * 3 * (1 + 0.5f + 0.25f) / 3, 0.02f},
        {"sphere", [] { return model::sphere(2, 32, 16); }, 4.0f / 3 * kPi * 8, 0.03f},
        {"lathe barrel", [] { return model::lathe({{0, 0}, {1, 0}, {1.2f, 1}, {1, 2}, {0, 2}}, 24); }, 0, 1},
        {"extruded L, clockwise", [&] { return model::extrude(lShape, 0, 2); }, 8, 1e-4f},
        {"extruded L, counter-clockwise",
         [&] { return model::extrude(std::vector<Vec2>(lShape.rbegin(), lShape.rend()), -1, 0.5f); }, 6, 1e-4f},
        {"mirrored box", [] { return model::box({0, 0, 0}, {1, 2, 3}).scale({-1, 1, 1}); }, 6, 1e-4f},
        {"square ring swept round a closed path",
         [&] {
             model::SweepOptions options;
             options.closedPath = true;
             options.creaseDegrees = 10;
             return model::sweep(square, {{0.5f, 0}, {0.5f, 1}, {-0.5f, 1}, {-0.5f, 0}}, options);
         },
         16, 1e-3f},
    };
    for (const Case& c : cases) {
        Mesh mesh = c.make();
        float volume = signedVolume(mesh);
        EXPECT_GT(volume, 0) << c.name;
        if (c.volume > 0) {
            EXPECT_NEAR(volume, c.volume, c.volume * c.tolerance) << c.name;
        }
        EXPECT_EQ(normalsAgainstFaces(mesh), 0) << c.name;
    }
}

TEST(MeshShapes, FlatShapesFaceUp)
{
    const std::vector<Vec2> outline = {{0, 0}, {2, 0}, {2, 2}, {1, 1}, {0, 2}};
    struct Case {
        const char* name;
        Mesh mesh;
        float area;
    };
    const Case cases[] = {
        {"disc", model::disc(1, 64), kPi},
        {"ring", model::ring(0.5f, 1, 64), kPi * 0.75f},
        {"polygon", model::polygon(outline, 1), 3},
        {"polygon the other way round", model::polygon(std::vector<Vec2>(outline.rbegin(), outline.rend()), 1), 3},
        {"height field", model::heightField({-2, -2}, {2, 2}, 8, 8, [](float x, float z) { return 0.1f * x + 0.05f * z * z; }), 0},
    };
    for (const Case& c : cases) {
        float area = 0;
        for (const model::Surface& s : c.mesh.surfaces)
            for (size_t f = 0; f + 2 < s.indices.size(); f += 3) {
                Vec3 a = s.vertices[s.indices[f]].position, b = s.vertices[s.indices[f + 1]].position,
                     d = s.vertices[s.indices[f + 2]].position;
                Vec3 n = model::cross(b - a, d - a);
                EXPECT_GT(n.y, 0) << c.name << " triangle " << f / 3;
                area += model::length(n) / 2;
            }
        if (c.area > 0) {
            EXPECT_NEAR(area, c.area, c.area * 0.01f) << c.name;
        }
        EXPECT_EQ(normalsAgainstFaces(c.mesh), 0) << c.name;
    }
}

TEST(MeshShapes, SweptWallsKeepTheirThicknessRoundCorners)
{
    // A wall 1 wide along a right-angled corner: the corner's outer and inner edges stay 1 from the legs.
    Mesh wall = model::sweep({{0, 0, 0}, {0, 0, 10}, {10, 0, 10}}, model::rectangleSection(1, 1), {});
    model::Bounds b = wall.bounds();
    EXPECT_NEAR(b.min.x, -0.5f, 1e-3f);
    EXPECT_NEAR(b.max.z, 10.5f, 1e-3f);
    EXPECT_NEAR(b.max.x, 10, 1e-3f);
    EXPECT_NEAR(b.min.z, 0, 1e-3f);
}

TEST(MeshShapes, SmoothingKeepsCreasesAndRoundsCurves)
{
    Mesh box = model::box({0, 0, 0}, {1, 1, 1}).computeNormals(40);
    for (const model::Vertex& v : box.surfaces[0].vertices)
        EXPECT_NEAR(std::fabs(v.normal.x) + std::fabs(v.normal.y) + std::fabs(v.normal.z), 1.0f, 1e-4f);  // still axis-aligned
    Mesh ball = model::sphere(1, 24, 12).computeNormals(60);
    for (const model::Vertex& v : ball.surfaces[0].vertices) EXPECT_GT(model::dot(v.normal, v.position), 0.99f);
}

TEST(MeshShapes, WrappedTextureCoordinatesNeverSpanTheSeam)
{
    Mesh tube = model::cylinder(1, 3, 16, false);
    model::cylindricalUV(tube, 1, 1);
    for (const model::Surface& s : tube.surfaces)
        for (size_t f = 0; f + 2 < s.indices.size(); f += 3) {
            float lo = 10, hi = -10;
            for (int k = 0; k < 3; ++k) {
                lo = std::min(lo, s.vertices[s.indices[f + k]].uv.x);
                hi = std::max(hi, s.vertices[s.indices[f + k]].uv.x);
            }
            EXPECT_LT(hi - lo, 0.5f) << "triangle " << f / 3;
        }
}

TEST(MeshShapes, MeshesMergeBySurfaceName)
{
    Mesh a = model::box({0, 0, 0}, {1, 1, 1});
    Mesh b = model::box({2, 0, 0}, {3, 1, 1});
    Mesh c = model::box({4, 0, 0}, {5, 1, 1}).rename("trim");
    Mesh all = a + b + c;
    ASSERT_EQ(all.surfaces.size(), 2u);
    EXPECT_EQ(all.surfaces[0].triangleCount(), 24u);
    EXPECT_EQ(all.surfaces[1].name, "trim");
    for (uint32_t i : all.surfaces[0].indices) EXPECT_LT(i, all.surfaces[0].vertices.size());
}

TEST(MeshShapes, TriangulationCoversConcavePolygonsExactly)
{
    const std::vector<Vec2> star = {{0, 3}, {1, 1}, {3, 1}, {1.5f, -0.5f}, {2, -3}, {0, -1.5f}, {-2, -3}, {-1.5f, -0.5f}, {-3, 1}, {-1, 1}};
    std::vector<uint32_t> tris = model::triangulate(star);
    ASSERT_EQ(tris.size(), (star.size() - 2) * 3);
    float area = 0;
    for (size_t i = 0; i < tris.size(); i += 3) {
        float a = model::signedArea({star[tris[i]], star[tris[i + 1]], star[tris[i + 2]]});
        EXPECT_GT(a, 0);
        area += a;
    }
    EXPECT_NEAR(area, std::fabs(model::signedArea(star)), 1e-4f);
}

namespace {

// Where a straight line from `from` along `direction` first meets the mesh (a large value for never).
float firstHit(const Mesh& mesh, Vec3 from, Vec3 direction)
{
    float nearest = 1e9f;
    for (const model::Surface& s : mesh.surfaces)
        for (size_t f = 0; f + 2 < s.indices.size(); f += 3) {
            const Vec3 a = s.vertices[s.indices[f]].position, b = s.vertices[s.indices[f + 1]].position,
                       c = s.vertices[s.indices[f + 2]].position;
            const Vec3 e1 = b - a, e2 = c - a, p = model::cross(direction, e2);
            const float det = model::dot(e1, p);
            if (std::fabs(det) < 1e-9f) continue;
            const Vec3 t = from - a;
            const float u = model::dot(t, p) / det;
            const Vec3 q = model::cross(t, e1);
            const float v = model::dot(direction, q) / det, d = model::dot(e2, q) / det;
            if (u >= 0 && v >= 0 && u + v <= 1 && d > 0) nearest = std::min(nearest, d);
        }
    return nearest;
}

}  // namespace

TEST(MeshShapes, PipesAreOpenTubesOfTheirRadiusFacingOutAndIn)
{
    course::Pipe pipe{.path = {{0, 0.45f, 0}, {0, 0.45f, 4}, {3, -1, 8}, {3, -1.5f, 12}}, .radius = 0.45f};
    const Mesh mesh = course::buildPipe(pipe, "test");
    EXPECT_EQ(normalsAgainstFaces(mesh), 0);
    // Looking in at either mouth, the way through is clear; from the centre, the wall is one radius away.
    EXPECT_GT(firstHit(mesh, {0, 0.45f, -1}, {0, 0, 1}), 5.0f);
    EXPECT_NEAR(firstHit(mesh, {0, 0.45f, 2}, {0, -1, 0}), 0.45f, 0.01f);
    EXPECT_NEAR(firstHit(mesh, {0, 0.45f, 2}, {1, 0, 0}), 0.45f, 0.01f);
    // Past the rounded corner the run is straight again.
    EXPECT_NEAR(firstHit(mesh, {3, -1.25f, 10}, {0, 1, 0}), 0.45f, 0.02f);
    EXPECT_THROW(course::buildPipe({.path = {{0, 0, 0}}}, "test"), std::runtime_error);
    EXPECT_THROW(course::buildPipe({.path = {{0, 0, 0}, {0, 0, 3}}, .radius = 0.2f}, "test"), std::runtime_error);
}
