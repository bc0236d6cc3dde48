// Static collision from engine meshes: every complete triangle of every buffer,
// as stored, and nothing from what cannot be read.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include <irrlicht.h>

#include "course/tree_collision.h"
#include "tests/newton_test_support.h"

using namespace newton_test;

namespace {

using irr::core::vector3df;
using irr::video::S3DVertex;

S3DVertex vertex(float x, float y, float z) { return S3DVertex(x, y, z, 0, 1, 0, irr::video::SColor(255, 255, 255, 255), 0, 0); }

// A standard buffer (36-byte vertices, 16-bit indices) of `corners`, indexed by `indices`.
irr::scene::SMeshBuffer* bufferOf(std::initializer_list<vector3df> corners, std::initializer_list<irr::u16> indices)
{
    auto* buffer = new irr::scene::SMeshBuffer;
    for (const vector3df& c : corners) buffer->Vertices.push_back(vertex(c.X, c.Y, c.Z));
    for (irr::u16 index : indices) buffer->Indices.push_back(index);
    return buffer;
}

// Downward ray at (x, z): the hit's height, or a value above 100 when nothing is hit.
struct RayHit {
    float height;
    float normalY;
    int attribute;
};
RayHit castDown(const NewtonCollision* tree, float x, float z)
{
    const float from[3] = {x, 10, z}, to[3] = {x, -10, z};
    float normal[3] = {};
    int attribute = -1;
    const float t = NewtonCollisionRayCast(tree, from, to, normal, &attribute);
    return {t > 1 ? 1000.0f : 10 - 20 * t, normal[1], attribute};
}

struct TreeBuild {
    WorldPtr world = makeWorld();
    NewtonCollision* tree = nullptr;
    std::string log;
};

TreeBuild build(irr::scene::IAnimatedMesh* mesh)
{
    TreeBuild result;
    result.tree = NewtonCreateTreeCollision(result.world.get(), 0);
    NewtonTreeCollisionBeginBuild(result.tree);
    ::testing::internal::CaptureStderr();
    buildTreeCollision(mesh, result.tree);
    result.log = ::testing::internal::GetCapturedStderr();
    NewtonTreeCollisionEndBuild(result.tree, 0);
    return result;
}

int lineCount(const std::string& text) { return int(std::count(text.begin(), text.end(), '\n')); }

TEST(TreeCollision, TakesEveryCompleteTriangleOfEveryReadableBufferAsStored)
{
    auto* mesh = new irr::scene::SMesh;
    // Buffer 0: a unit quad facing up at y = 1, plus two stray indices (8 in all).
    auto* quad = bufferOf({{0, 1, 0}, {0, 1, 1}, {1, 1, 0}, {1, 1, 1}}, {0, 1, 2, 2, 1, 3, 0, 1});
    // Buffer 1: one triangle at y = 2 wound the other way (facing down).
    auto* down = bufferOf({{2, 2, 0}, {3, 2, 0}, {2, 2, 1}}, {0, 1, 2});
    // Buffer 2: two texture coordinates per vertex; buffer 3: 32-bit indices. Neither is read.
    auto* lightMapped = new irr::scene::SMeshBufferLightMap;
    for (const vector3df& c : {vector3df(4, 3, 0), vector3df(4, 3, 1), vector3df(5, 3, 0)}) {
        lightMapped->Vertices.push_back(irr::video::S3DVertex2TCoords(c, vector3df(0, 1, 0),
                                                                      irr::video::SColor(255, 255, 255, 255), {0, 0}, {0, 0}));
    }
    for (irr::u16 index : {0, 1, 2}) lightMapped->Indices.push_back(index);
    auto* wide = new irr::scene::CDynamicMeshBuffer(irr::video::EVT_STANDARD, irr::video::EIT_32BIT);
    for (const S3DVertex& v : {vertex(6, 4, 0), vertex(6, 4, 1), vertex(7, 4, 0)}) wide->getVertexBuffer().push_back(v);
    for (irr::u32 index : {0u, 1u, 2u}) wide->getIndexBuffer().push_back(index);
    // Buffer 4: a triangle at y = 5 behind a buffer that cannot be read.
    auto* last = bufferOf({{8, 5, 0}, {8, 5, 1}, {9, 5, 0}}, {0, 1, 2});
    for (irr::scene::IMeshBuffer* buffer : std::initializer_list<irr::scene::IMeshBuffer*>{quad, down, lightMapped, wide, last}) {
        mesh->addMeshBuffer(buffer);
        buffer->drop();
    }
    auto* animated = new irr::scene::SAnimatedMesh(mesh);
    mesh->drop();

    TreeBuild result = build(animated);
    animated->drop();

    EXPECT_EQ(NewtonTreeCollisionGetFaceCount(result.tree), 4) << "2 + 1 + 0 + 0 + 1 faces";
    struct Probe {
        float x, z;
        float height;   // above 100: nothing there
        float normalY;  // the face's own winding
    };
    const Probe probes[] = {
        {0.2f, 0.2f, 1, 1}, {0.8f, 0.8f, 1, 1},  // both halves of the quad
        {2.2f, 0.2f, 2, -1},                       // kept wound as stored
        {4.2f, 0.2f, 1000, 0}, {6.2f, 0.2f, 1000, 0},
        {8.2f, 0.2f, 5, 1},
    };
    for (const Probe& p : probes) {
        const RayHit hit = castDown(result.tree, p.x, p.z);
        EXPECT_NEAR(hit.height, p.height, 1e-3f) << "at x " << p.x;
        if (p.height > 100) continue;
        EXPECT_NEAR(hit.normalY, p.normalY, 1e-4f) << "at x " << p.x;
        EXPECT_EQ(hit.attribute, 1);
    }
    EXPECT_EQ(lineCount(result.log), 2) << result.log;
    EXPECT_NE(result.log.find("buffer 2"), std::string::npos);
    EXPECT_NE(result.log.find("buffer 3"), std::string::npos);
}

TEST(TreeCollision, MissingMeshOrBadIndexLeavesWhatCanBeReadAndOneLogLine)
{
    TreeBuild none = build(nullptr);
    EXPECT_EQ(NewtonTreeCollisionGetFaceCount(none.tree), 0);
    EXPECT_EQ(lineCount(none.log), 1) << none.log;
    BallDrive drive;
    NewtonBody* body = NewtonCreateBody(none.world.get(), none.tree);
    NewtonBody* ball = makeBall(none.world.get(), &drive, 0, 1, 0);
    run(none.world.get(), 10);
    EXPECT_LT(positionOf(ball).y, 1.0f) << "an empty collision stops nothing";
    (void)body;

    auto* mesh = new irr::scene::SMesh;
    auto* buffer = bufferOf({{0, 0, 0}, {0, 0, 1}, {1, 0, 0}}, {0, 1, 2, 0, 1, 7});
    mesh->addMeshBuffer(buffer);
    buffer->drop();
    auto* animated = new irr::scene::SAnimatedMesh(mesh);
    mesh->drop();
    TreeBuild bad = build(animated);
    animated->drop();
    EXPECT_EQ(NewtonTreeCollisionGetFaceCount(bad.tree), 1) << "the faces before the bad index";
    EXPECT_EQ(lineCount(bad.log), 1) << bad.log;
}

// The engine's own cube, at the origin: a ball comes to rest on its top face.
TEST(TreeCollision, BallRestsOnTheMeshWhereTheEngineDrawsIt)
{
    irr::IrrlichtDevice* device = irr::createDevice(irr::video::EDT_NULL, irr::core::dimension2d<irr::u32>(64, 64));
    ASSERT_NE(device, nullptr);
    irr::scene::IMesh* cube = device->getSceneManager()->getGeometryCreator()->createCubeMesh(vector3df(4, 1, 4));
    auto* animated = new irr::scene::SAnimatedMesh(cube);
    cube->drop();
    TreeBuild result = build(animated);
    animated->drop();
    device->drop();
    EXPECT_EQ(NewtonTreeCollisionGetFaceCount(result.tree), 12);
    EXPECT_TRUE(result.log.empty()) << result.log;
    NewtonCreateBody(result.world.get(), result.tree);
    BallDrive drive;
    NewtonBody* ball = makeBall(result.world.get(), &drive, 0.3f, 2, -0.4f);
    run(result.world.get(), 200);
    EXPECT_NEAR(positionOf(ball).y, 0.5f + kBallRadius, 0.01f);
}

}  // namespace
