// Microbenchmark of the physics layer: the cost of building a 20k-triangle tree
// collision from an engine mesh, and of one 0.01 s step with four balls rolling on it.
// Prints medians and means; run it on a quiet machine.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <vector>

#include <irrlicht.h>

#include "course/newton.h"
#include "course/tree_collision.h"

namespace {

constexpr int kGridCells = 100;        // per side: 100 x 100 cells, two triangles each
constexpr float kCellSize = 1.0f;      // units
constexpr float kBumpHeight = 0.3f;    // units, gentle slopes like a green's
constexpr int kBuildRounds = 10;
constexpr int kSteps = 1000;
constexpr float kStep = 0.01f;         // s
constexpr float kGravity = 78.48f;     // units/s²
constexpr float kBrake = 0.5f;         // 1/s: keeps the balls on the mesh for the whole run
constexpr int kBalls = 4;
constexpr double kPreemptedUs = 1000;  // a step this slow was preempted

using Clock = std::chrono::steady_clock;

double microsecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

float groundHeight(float x, float z) { return kBumpHeight * std::sin(x / 7) * std::cos(z / 5); }

// One 16-bit buffer of (kGridCells + 1)² vertices, wound to face up.
irr::scene::IAnimatedMesh* makeGridMesh()
{
    auto* buffer = new irr::scene::SMeshBuffer;
    const float half = kGridCells * kCellSize / 2;
    for (int i = 0; i <= kGridCells; ++i) {
        for (int j = 0; j <= kGridCells; ++j) {
            const float x = i * kCellSize - half, z = j * kCellSize - half;
            buffer->Vertices.push_back(irr::video::S3DVertex(x, groundHeight(x, z), z, 0, 1, 0,
                                                             irr::video::SColor(255, 255, 255, 255), 0, 0));
        }
    }
    auto at = [](int i, int j) { return irr::u16(i * (kGridCells + 1) + j); };
    for (int i = 0; i < kGridCells; ++i) {
        for (int j = 0; j < kGridCells; ++j) {
            for (irr::u16 index : {at(i, j), at(i, j + 1), at(i + 1, j), at(i + 1, j), at(i, j + 1), at(i + 1, j + 1)}) {
                buffer->Indices.push_back(index);
            }
        }
    }
    auto* mesh = new irr::scene::SMesh;
    mesh->addMeshBuffer(buffer);
    buffer->drop();
    auto* animated = new irr::scene::SAnimatedMesh(mesh);
    mesh->drop();
    return animated;
}

NewtonCollision* buildTree(NewtonWorld* world, irr::scene::IAnimatedMesh* mesh)
{
    NewtonCollision* tree = NewtonCreateTreeCollision(world, 0);
    NewtonTreeCollisionBeginBuild(tree);
    buildTreeCollision(mesh, tree);
    NewtonTreeCollisionEndBuild(tree, 0);
    return tree;
}

// Gravity and a rolling brake, as the game's ball callback applies them.
void rollingBall(const NewtonBody* body, float, int)
{
    float mass, ix, iy, iz, v[3];
    NewtonBodyGetMassMatrix(body, &mass, &ix, &iy, &iz);
    NewtonBodyGetVelocity(body, v);
    const float force[3] = {-kBrake * mass * v[0], -mass * kGravity, -kBrake * mass * v[2]};
    NewtonBodySetForce(body, force);
}

void countContact(const NewtonJoint*, float, int) {}

// Also prints the mean without samples over kPreemptedUs: on a shared machine a
// sample now and then includes a few scheduler ticks of someone else's work.
void printStats(const char* what, std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    double sum = 0, quietSum = 0;
    int quiet = 0;
    for (double s : samples) {
        sum += s;
        if (s < kPreemptedUs) {
            quietSum += s;
            ++quiet;
        }
    }
    std::printf("%s: median %.1f us, mean %.1f us, min %.1f us, max %.1f us (%zu samples)\n", what,
                samples[samples.size() / 2], sum / samples.size(), samples.front(), samples.back(), samples.size());
    if (quiet > 0 && quiet < int(samples.size())) {
        std::printf("  mean %.1f us without the %d samples over %.0f us\n", quietSum / quiet, int(samples.size()) - quiet,
                    kPreemptedUs);
    }
}

void benchBuild(NewtonWorld* world, irr::scene::IAnimatedMesh* mesh)
{
    std::vector<double> times;
    for (int round = 0; round < kBuildRounds; ++round) {
        const Clock::time_point start = Clock::now();
        NewtonCollision* tree = buildTree(world, mesh);
        times.push_back(microsecondsSince(start));
        if (round == 0) std::printf("tree collision: %d triangles\n", NewtonTreeCollisionGetFaceCount(tree));
        NewtonReleaseCollision(world, tree);
    }
    printStats("tree collision build (20k triangles, BVH + edge info)", times);
}

void benchSteps(NewtonWorld* world, irr::scene::IAnimatedMesh* mesh)
{
    const int groundGroup = NewtonMaterialCreateGroupID(world);
    const int ballGroup = NewtonMaterialCreateGroupID(world);
    NewtonMaterialSetCollisionCallback(world, ballGroup, groundGroup, nullptr, nullptr, countContact);
    NewtonCollision* tree = buildTree(world, mesh);
    NewtonBodySetMaterialGroupID(NewtonCreateBody(world, tree), groundGroup);
    NewtonReleaseCollision(world, tree);
    const float starts[kBalls][4] = {{-1.5f, 0, 8, 3}, {-0.5f, 0, -6, 7}, {0.5f, 0, 5, -9}, {1.5f, 0, -10, -4}};
    for (const auto& s : starts) {
        NewtonCollision* sphere = NewtonCreateSphere(world, 0.25f, 0.25f, 0.25f, 0, nullptr);
        NewtonBody* ball = NewtonCreateBody(world, sphere);
        NewtonReleaseCollision(world, sphere);
        NewtonBodySetContinuousCollisionMode(ball, 1);
        NewtonBodySetMassMatrix(ball, 10, 0.25f, 0.25f, 0.25f);
        float matrix[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, s[0], groundHeight(s[0], s[1]) + 0.3f, s[1], 1};
        NewtonBodySetMatrix(ball, matrix);
        const float velocity[3] = {s[2], 0, s[3]};
        NewtonBodySetVelocity(ball, velocity);
        NewtonBodySetForceAndTorqueCallback(ball, rollingBall);
        NewtonBodySetMaterialGroupID(ball, ballGroup);
    }
    std::vector<double> times;
    for (int step = 0; step < kSteps; ++step) {
        const Clock::time_point start = Clock::now();
        NewtonUpdate(world, kStep);
        times.push_back(microsecondsSince(start));
    }
    printStats("one 0.01 s step, four balls rolling on 20k triangles", times);
}

}  // namespace

int main()
{
    NewtonWorld* world = NewtonCreate();
    irr::scene::IAnimatedMesh* mesh = makeGridMesh();
    benchBuild(world, mesh);
    benchSteps(world, mesh);
    mesh->drop();
    NewtonDestroy(world);
    return 0;
}
