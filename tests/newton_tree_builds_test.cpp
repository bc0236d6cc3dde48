// Tree collisions that finish building on the physics worker: bodies take them at once,
// the first step waits for them, and play is exactly what a build on the calling thread gives.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "tests/newton_test_support.h"

using namespace newton_test;

namespace {

constexpr int kCells = 70;  // 70 x 70 cells: 9800 faces, long enough a build to be still running at the first step

// Rolling hills (the rows from `first` to `last`) with a wall box on them: seams at
// every angle, faces of all sizes.
void addHills(NewtonCollision* tree, int first = 0, int last = kCells)
{
    auto height = [](float x, float z) { return 0.8f * std::sin(x * 0.31f) * std::cos(z * 0.27f) + 0.02f * x; };
    for (int i = first; i < last; ++i) {
        for (int k = 0; k < kCells; ++k) {
            const float x = float(i) - 35, z = float(k) - 35;
            const Vec3 a{x, height(x, z), z}, b{x, height(x, z + 1), z + 1}, c{x + 1, height(x + 1, z), z},
                d{x + 1, height(x + 1, z + 1), z + 1};
            addFacing(tree, a, b, c, {0, 1, 0});
            addFacing(tree, c, b, d, {0, 1, 0});
        }
    }
    addBox(tree, {4, -2, -6}, {5, 3, 6});
}

struct Played {
    std::vector<float> path;  // every ball's position after every step
    std::vector<float> rays;  // fraction, normal and attribute of rays cast straight down
};

// Balls dropped and thrown over the hills, two trees, from the first step on; nothing
// waits for the builds before it (the worker builds one, the first step the other).
Played play(int threads)
{
    WorldPtr world = makeWorld();
    NewtonSetThreadsCount(world.get(), threads);
    NewtonCollision* trees[2];
    for (int half = 0; half < 2; ++half) {
        trees[half] = NewtonCreateTreeCollision(world.get(), 0);
        NewtonTreeCollisionBeginBuild(trees[half]);
        addHills(trees[half], half * kCells / 2, (half + 1) * kCells / 2);
        NewtonTreeCollisionEndBuild(trees[half], 0);
        NewtonCreateBody(world.get(), trees[half]);
    }
    BallDrive drives[4];
    const Vec3 throws[4] = {{9, 0, 0}, {-6, 0, 5}, {3, 0, -7}, {0, 0, 0}};
    std::vector<NewtonBody*> balls;
    for (int b = 0; b < 4; ++b) {
        drives[b].brake = 0.5f;
        balls.push_back(makeBall(world.get(), &drives[b], -6.0f + 4 * b, 1.5f, 1.0f - 2 * b));
        setVelocity(balls.back(), throws[b]);
    }
    Played played;
    for (int step = 0; step < 400; ++step) {
        NewtonUpdate(world.get(), kStep);
        for (const NewtonBody* ball : balls) {
            const Vec3 at = positionOf(ball);
            played.path.insert(played.path.end(), {at.x, at.y, at.z});
        }
    }
    for (float x = -30; x < 30; x += 2.7f) {
        const float from[3] = {x, 10, x * 0.5f}, to[3] = {x, -10, x * 0.5f};
        float normal[3] = {0, 0, 0};
        int attribute = 0;
        const float t = NewtonCollisionRayCast(trees[x < 0 ? 0 : 1], from, to, normal, &attribute);
        played.rays.insert(played.rays.end(), {t, normal[0], normal[1], normal[2], float(attribute)});
    }
    for (NewtonCollision* half : trees) NewtonReleaseCollision(world.get(), half);
    return played;
}

TEST(NewtonTreeBuilds, WorkerBuildPlaysExactlyAsACallingThreadBuild)
{
    const Played serial = play(1);
    const Played threaded = play(2);
    ASSERT_EQ(serial.path.size(), threaded.path.size());
    for (size_t i = 0; i < serial.path.size(); ++i)
        ASSERT_EQ(serial.path[i], threaded.path[i]) << "step " << i / 12 << ", ball " << i / 3 % 4;
    EXPECT_EQ(serial.rays, threaded.rays);
    // The balls did play: they rolled off, and none fell through the hills.
    for (size_t i = serial.path.size() - 12; i < serial.path.size(); i += 3) EXPECT_GT(serial.path[i + 1], -3.0f);
    EXPECT_NE(serial.path[0], serial.path[serial.path.size() - 12]);
}

TEST(NewtonTreeBuilds, TreesStillBuildingCanBeRebuiltReleasedAndTornDown)
{
    WorldPtr world = makeWorld();
    ASSERT_EQ(NewtonGetThreadsCount(world.get()), 2) << "the worker is on by default";
    std::vector<NewtonCollision*> trees;
    for (int t = 0; t < 4; ++t) {
        trees.push_back(NewtonCreateTreeCollision(world.get(), 0));
        NewtonTreeCollisionBeginBuild(trees.back());
        addHills(trees.back());
        NewtonTreeCollisionEndBuild(trees.back(), 0);
    }
    // Rebuilt while queued: the new faces only.
    NewtonTreeCollisionBeginBuild(trees[3]);
    addBox(trees[3], {0, 0, 0}, {1, 1, 1});
    NewtonTreeCollisionEndBuild(trees[3], 0);
    EXPECT_EQ(NewtonTreeCollisionGetFaceCount(trees[3]), 12);
    // Released while queued, with no body holding it: freed once the worker is done with it.
    NewtonReleaseCollision(world.get(), trees[2]);
    EXPECT_EQ(NewtonWorldGetCollisionCount(world.get()), 3);
    NewtonCreateBody(world.get(), trees[0]);
    NewtonTreeCollisionFinishBuilds(world.get());
    const float from[3] = {0.5f, 5, 0.5f}, to[3] = {0.5f, -5, 0.5f};
    EXPECT_NEAR(NewtonCollisionRayCast(trees[3], from, to, nullptr, nullptr), 0.4f, 1e-5f);
    // Torn down with builds queued again.
    NewtonTreeCollisionBeginBuild(trees[1]);
    addHills(trees[1]);
    NewtonTreeCollisionEndBuild(trees[1], 0);
    NewtonDestroyAllBodies(world.get());
    EXPECT_EQ(NewtonWorldGetCollisionCount(world.get()), 0);
    NewtonCollision* last = NewtonCreateTreeCollision(world.get(), 0);
    NewtonTreeCollisionBeginBuild(last);
    addHills(last);
    NewtonTreeCollisionEndBuild(last, 0);
}  // the world is destroyed with the last build queued

}  // namespace
