// The 3DS writer, checked by loading its files with the engine's own loader.
#include <gtest/gtest.h>

#include <map>

#include "content/model/engine_load.h"
#include "content/model/max3ds.h"
#include "content/model/shapes.h"

using namespace irr;
using model::Vec3;

namespace {

constexpr float kTolerance = 1e-3f;

Vec3 faceNormal(Vec3 a, Vec3 b, Vec3 c) { return model::normalized(model::cross(b - a, c - a)); }

// Triangles as corner positions and texture coordinates, in the order stored.
struct Corner {
    Vec3 position;
    model::Vec2 uv;
};

std::vector<std::array<Corner, 3>> builtTriangles(const model::Surface& s)
{
    std::vector<std::array<Corner, 3>> out;
    for (size_t f = 0; f + 2 < s.indices.size(); f += 3) {
        std::array<Corner, 3> t;
        for (int k = 0; k < 3; ++k) t[k] = {s.vertices[s.indices[f + k]].position, s.vertices[s.indices[f + k]].uv};
        out.push_back(t);
    }
    return out;
}

std::vector<std::array<Corner, 3>> loadedTriangles(scene::IMeshBuffer* b)
{
    std::vector<std::array<Corner, 3>> out;
    const auto* v = static_cast<const video::S3DVertex*>(b->getVertices());
    for (u32 f = 0; f + 2 < b->getIndexCount(); f += 3) {
        std::array<Corner, 3> t;
        for (int k = 0; k < 3; ++k) {
            const video::S3DVertex& x = v[b->getIndices()[f + k]];
            t[k] = {toVec3(x.Pos), {x.TCoords.X, x.TCoords.Y}};
        }
        out.push_back(t);
    }
    return out;
}

// The same triangle if some rotation of its corners matches (the loader may start a face at another corner).
bool sameTriangle(const std::array<Corner, 3>& a, const std::array<Corner, 3>& b)
{
    for (int shift = 0; shift < 3; ++shift) {
        bool all = true;
        for (int k = 0; k < 3; ++k) {
            const Corner &x = a[k], &y = b[(k + shift) % 3];
            all = all && model::length(x.position - y.position) < kTolerance && std::fabs(x.uv.x - y.uv.x) < kTolerance &&
                  std::fabs(x.uv.y - y.uv.y) < kTolerance;
        }
        if (all) return true;
    }
    return false;
}

}  // namespace

TEST(ThreeDsWriter, MeshLoadsWithItsPositionsTextureCoordinatesAndWinding)
{
    model::Mesh built = model::box({-1, 0.5f, -2}, {1.5f, 3, 2});
    built.surfaces[0].name = "wood";
    model::Mesh glass = model::quad({0, 4, 0}, {1, 4, 0}, {1, 3, 0}, {0, 3, 0});
    glass.rename("glass");
    built.add(glass);

    EngineLoader engine;
    scene::IAnimatedMesh* loaded = engine.load(model::write3ds(built), "blades.3ds");
    ASSERT_NE(loaded, nullptr);
    scene::IMesh* mesh = loaded->getMesh(0);
    EXPECT_EQ(collisionLayoutProblem(mesh), "");
    ASSERT_EQ(mesh->getMeshBufferCount(), 2u);
    for (u32 b = 0; b < 2; ++b) {
        auto want = builtTriangles(built.surfaces[b]);
        auto got = loadedTriangles(mesh->getMeshBuffer(b));
        ASSERT_EQ(got.size(), want.size()) << "buffer " << b;
        for (size_t t = 0; t < want.size(); ++t)
            EXPECT_TRUE(sameTriangle(got[t], want[t])) << "buffer " << b << " triangle " << t;
        // The loader's normals agree with the face the corners' order makes.
        const auto* v = static_cast<const video::S3DVertex*>(mesh->getMeshBuffer(b)->getVertices());
        for (size_t t = 0; t < got.size(); ++t) {
            Vec3 n = faceNormal(got[t][0].position, got[t][1].position, got[t][2].position);
            Vec3 loadedNormal = toVec3(v[mesh->getMeshBuffer(b)->getIndices()[t * 3]].Normal);
            EXPECT_GT(model::dot(n, loadedNormal), 0.5f) << "buffer " << b << " triangle " << t;
        }
    }
}

TEST(ThreeDsWriter, SurfacesOfManyVerticesStillLoadWhole)
{
    model::Mesh big = model::heightField({0, 0}, {100, 100}, 260, 260, [](float x, float z) { return 0.02f * (x - z); });
    ASSERT_GT(big.vertexCount(), 65535u);
    EngineLoader engine;
    scene::IAnimatedMesh* loaded = engine.load(model::write3ds(big), "big.3ds");
    ASSERT_NE(loaded, nullptr);
    scene::IMesh* mesh = loaded->getMesh(0);
    EXPECT_EQ(collisionLayoutProblem(mesh), "");
    u32 triangles = 0;
    for (u32 b = 0; b < mesh->getMeshBufferCount(); ++b) triangles += mesh->getMeshBuffer(b)->getIndexCount() / 3;
    EXPECT_EQ(triangles, big.triangleCount());
}

TEST(ThreeDsWriter, SurfaceColourAndTranslucencyBecomeMaterials)
{
    model::Mesh built = model::box({0, 0, 0}, {1, 1, 1});
    built.surfaces[0].name = "paint";
    built.surfaces[0].diffuse = rgb(200, 100, 50);
    model::Mesh glass = model::box({2, 0, 0}, {3, 1, 1});
    glass.rename("glass");
    glass.surfaces[0].diffuse = Rgba{0.6f, 0.8f, 1.0f, 0.4f};
    built.add(glass);

    EngineLoader engine;
    scene::IAnimatedMesh* loaded = engine.load(model::write3ds(built), "glass.3ds");
    ASSERT_NE(loaded, nullptr);
    scene::IMesh* mesh = loaded->getMesh(0);
    ASSERT_EQ(mesh->getMeshBufferCount(), 2u);
    const video::SMaterial& paint = mesh->getMeshBuffer(0)->getMaterial();
    EXPECT_EQ(paint.DiffuseColor.getRed(), 200u);
    EXPECT_EQ(paint.DiffuseColor.getGreen(), 100u);
    EXPECT_FALSE(paint.isTransparent());
    EXPECT_TRUE(mesh->getMeshBuffer(1)->getMaterial().isTransparent());
}
