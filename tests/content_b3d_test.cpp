// The B3D writer, checked by loading its files with the engine's own loader.
#include <gtest/gtest.h>

#include <cmath>

#include "content/model/b3d.h"
#include "content/model/engine_load.h"
#include "content/model/shapes.h"

using namespace irr;
using model::Vec3;

namespace {

constexpr float kTolerance = 1e-3f;

void expectNear(Vec3 actual, Vec3 expected, const std::string& what)
{
    EXPECT_NEAR(actual.x, expected.x, kTolerance) << what;
    EXPECT_NEAR(actual.y, expected.y, kTolerance) << what;
    EXPECT_NEAR(actual.z, expected.z, kTolerance) << what;
}

model::Mesh twoSurfaces()
{
    model::Mesh mesh = model::box({-1, 0, -2}, {1, 3, 2});
    mesh.paint(rgb(255, 128, 0));
    model::Mesh post = model::cylinder(0.25f, 2, 8).translate({3, 0, 0});
    post.rename("post");
    return mesh.add(post);
}

}  // namespace

TEST(B3dWriter, StaticMeshLoadsExactlyAsBuilt)
{
    EngineLoader engine;
    const model::Mesh built = twoSurfaces();
    scene::IAnimatedMesh* loaded = engine.load(model::writeB3d(built), "static.b3d");
    ASSERT_NE(loaded, nullptr);
    EXPECT_LE(loaded->getFrameCount(), 1u);  // no animation
    scene::IMesh* mesh = loaded->getMesh(0);
    EXPECT_EQ(collisionLayoutProblem(mesh), "");
    ASSERT_EQ(mesh->getMeshBufferCount(), built.surfaces.size());
    for (u32 b = 0; b < mesh->getMeshBufferCount(); ++b) {
        const model::Surface& s = built.surfaces[b];
        scene::IMeshBuffer* buffer = mesh->getMeshBuffer(b);
        ASSERT_EQ(buffer->getIndexCount(), s.indices.size());
        const auto* vertices = static_cast<const video::S3DVertex*>(buffer->getVertices());
        // Corner by corner, in the stored index order: same position, normal, uv and colour.
        for (u32 k = 0; k < buffer->getIndexCount(); ++k) {
            const video::S3DVertex& got = vertices[buffer->getIndices()[k]];
            const model::Vertex& want = s.vertices[s.indices[k]];
            const std::string where = "buffer " + std::to_string(b) + " corner " + std::to_string(k);
            expectNear(toVec3(got.Pos), want.position, where);
            expectNear(toVec3(got.Normal), want.normal, where);
            EXPECT_NEAR(got.TCoords.X, want.uv.x, kTolerance) << where;
            EXPECT_NEAR(got.TCoords.Y, want.uv.y, kTolerance) << where;
            EXPECT_EQ(got.Color.getRed(), u32(std::lround(want.colour.r * 255))) << where;
            EXPECT_EQ(got.Color.getGreen(), u32(std::lround(want.colour.g * 255))) << where;
        }
    }
}

TEST(B3dWriter, SurfacesBeyondSixteenBitIndicesAreSplitIntoBuffers)
{
    EngineLoader engine;
    model::Mesh big = model::heightField({0, 0}, {100, 100}, 300, 300, [](float x, float z) { return 0.01f * x * z; });
    ASSERT_GT(big.vertexCount(), 65535u);
    scene::IAnimatedMesh* loaded = engine.load(model::writeB3d(big), "big.b3d");
    ASSERT_NE(loaded, nullptr);
    scene::IMesh* mesh = loaded->getMesh(0);
    EXPECT_EQ(collisionLayoutProblem(mesh), "");
    EXPECT_GE(mesh->getMeshBufferCount(), 2u);
    u32 triangles = 0;
    for (u32 b = 0; b < mesh->getMeshBufferCount(); ++b) {
        EXPECT_LE(mesh->getMeshBuffer(b)->getVertexCount(), 65535u);
        triangles += mesh->getMeshBuffer(b)->getIndexCount() / 3;
    }
    EXPECT_EQ(triangles, big.triangleCount());
}

// A bar standing on a pivot, turned and moved by one bone's keys.
TEST(B3dWriter, BoneKeysTurnAndMoveTheWeightedVertices)
{
    struct Case {
        const char* name;
        model::Quaternion rotation;
        Vec3 position;
    };
    const Vec3 pivot{0.5f, 2, -1};
    const Case cases[] = {
        {"rest", {}, pivot},
        {"quarter turn about x", model::Quaternion::fromAxisAngle({1, 0, 0}, 90), pivot},
        {"30 degrees about y", model::Quaternion::fromAxisAngle({0, 1, 0}, 30), pivot},
        {"-45 degrees about z", model::Quaternion::fromAxisAngle({0, 0, 1}, -45), pivot},
        {"slanted axis and a move", model::Quaternion::fromAxisAngle({1, 2, -1}, 70), pivot + Vec3{1, -0.5f, 2}},
    };
    model::AnimatedMesh animated;
    animated.mesh = model::box({0, 0, 0}, {0.2f, 3, 0.4f});
    model::Bone bone{"pivot", -1, pivot, {}};
    for (int i = 0; i < int(std::size(cases)); ++i) bone.keys.push_back({i * 10, cases[i].position, cases[i].rotation});
    animated.bindAll(animated.addBone(bone));

    EngineLoader engine;
    scene::IAnimatedMesh* loaded = engine.load(model::writeB3d(animated), "bone.b3d");
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->getFrameCount(), u32(animated.frameCount()));
    for (int i = 0; i < int(std::size(cases)); ++i) {
        std::vector<Vec3> got = meshPositions(loaded->getMesh(i * 10));
        const model::Surface& s = animated.mesh.surfaces[0];
        ASSERT_EQ(got.size(), s.vertices.size());
        for (size_t v = 0; v < got.size(); ++v) {
            Vec3 want = cases[i].position + cases[i].rotation.rotate(s.vertices[v].position - pivot);
            expectNear(got[v], want, std::string(cases[i].name) + ", vertex " + std::to_string(v));
        }
    }
    EXPECT_EQ(collisionLayoutProblem(loaded->getMesh(0)), "");
}

TEST(B3dWriter, ChildBonesMoveWithTheirParentsAndWeightsBlend)
{
    // Parent at the origin turns 90 degrees about y; its child sits 2 along x.
    model::AnimatedMesh animated;
    animated.mesh = model::box({1.9f, -0.1f, -0.1f}, {2.1f, 0.1f, 0.1f});
    model::Bone parent{"parent", -1, {0, 0, 0}, {{0, {0, 0, 0}, {}}, {10, {0, 0, 0}, model::Quaternion::fromAxisAngle({0, 1, 0}, 90)}}};
    const int p = animated.addBone(parent);
    model::Bone child{"child", p, {2, 0, 0}, {{0, {2, 0, 0}, {}}, {10, {2, 0, 0}, {}}}};
    const int c = animated.addBone(child);
    // Every vertex half on each: both bones carry it to the same place, so the blend must too.
    animated.bindEach([&](const model::Vertex&) { return std::vector<model::Influence>{{p, 0.5f}, {c, 0.5f}}; });

    EngineLoader engine;
    scene::IAnimatedMesh* loaded = engine.load(model::writeB3d(animated), "chain.b3d");
    ASSERT_NE(loaded, nullptr);
    std::vector<Vec3> got = meshPositions(loaded->getMesh(10));
    const model::Transform turn = model::Transform::rotationY(90);
    const model::Surface& s = animated.mesh.surfaces[0];
    for (size_t v = 0; v < got.size(); ++v) expectNear(got[v], turn.point(s.vertices[v].position), "vertex " + std::to_string(v));
}
