// Microbenchmark of the physics layer: the cost of building a 20k-triangle tree
// collision from an engine mesh, and of one 0.01 s step with four balls rolling on it;
// then, for every hole built by its real builder (NULL video, the game's materials and
// contact handlers), one 0.01 s step with four balls kicked round the course.
// Prints medians and means; run it on a quiet machine.
//
// Usage: tallowick_physics_bench [RUN_DIR]  (the run tree with Contents/; default the build's)
// Lines starting "hole " are read by tools/bench.py.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <unistd.h>

#include <irrlicht.h>

#include "app/game_state.h"
#include "course/ball_and_putter.h"
#include "course/holes/hole_builder.h"
#include "course/newton.h"
#include "course/physics_step.h"
#include "course/tree_collision.h"
#include "play/turn_cycle.h"

namespace {

constexpr int kGridCells = 100;        // per side: 100 x 100 cells, two triangles each
constexpr float kCellSize = 1.0f;      // units
constexpr float kBumpHeight = 0.3f;    // units, gentle slopes like a green's
constexpr int kBuildRounds = 10;
constexpr int kSteps = 1000;
constexpr float kStep = 0.01f;         // s
constexpr float kBrake = 0.5f;         // 1/s: keeps the balls on the mesh for the whole run
constexpr int kBalls = 4;
constexpr double kPreemptedUs = 1000;  // a step this slow was preempted
constexpr int kKickEvery = 50;         // steps: the balls are sent off again every half second
constexpr float kKickSpeed = 14.0f;    // units/s, a firm putt

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

// Triangles of the hole's own models (ground, bricks, grass, cup, pipes): what the tree collisions hold.
int holeTriangles()
{
    irr::scene::IMeshCache* cache = game.engine.sceneManager->getMeshCache();
    int triangles = 0;
    for (irr::u32 i = 0; i < cache->getMeshCount(); ++i) {
        const std::string name = cache->getMeshName(i).getPath().c_str();
        if (name.find("/hole_") == std::string::npos || name.find("water") != std::string::npos) continue;
        irr::scene::IMesh* mesh = cache->getMeshByIndex(i)->getMesh(0);
        for (irr::u32 b = 0; b < mesh->getMeshBufferCount(); ++b)
            triangles += int(mesh->getMeshBuffer(b)->getIndexCount() / 3);
    }
    return triangles;
}

// Every ball sent off from where it lies, each in its own direction.
void kickBalls(int round)
{
    for (int p = 1; p <= kMaxPlayers; ++p) {
        NewtonBody* body = game.bodies.ball[p].body;
        if (!body) continue;
        const float angle = float(round * 1.7 + p * 1.57);
        const float v[3] = {kKickSpeed * std::sin(angle), 0, kKickSpeed * std::cos(angle)};
        NewtonBodySetVelocity(body, v);
    }
}

void benchHole(int hole)
{
    HoleBuilder builder = holeBuilder(hole);
    if (!builder) return;
    game.engine.sceneManager->clear();
    game.engine.sceneManager->getMeshCache()->clear();
    NewtonDestroyAllBodies(game.world);
    game.match.playerCount = kMaxPlayers;
    for (int p = 1; p <= kMaxPlayers; ++p) game.match.ballColour[p] = p;
    resetHolePlay();
    const Clock::time_point buildStart = Clock::now();
    builder();
    const double buildUs = microsecondsSince(buildStart);
    std::vector<double> times, withSync;
    for (int step = 0; step < kSteps; ++step) {
        if (step % kKickEvery == 0) kickBalls(step / kKickEvery);
        const Clock::time_point start = Clock::now();
        NewtonUpdate(game.world, kStep);
        times.push_back(microsecondsSince(start));
        syncBodyNodes();
        withSync.push_back(microsecondsSince(start));
    }
    std::sort(times.begin(), times.end());
    std::sort(withSync.begin(), withSync.end());
    std::printf("hole %d triangles %d step_median_us %.1f step_p95_us %.1f step_max_us %.1f with_sync_median_us %.1f"
                " null_build_ms %.1f\n",
                hole, holeTriangles(), times[times.size() / 2], times[times.size() * 95 / 100], times.back(),
                withSync[withSync.size() / 2], buildUs / 1000);
    std::fflush(stdout);
}

// The holes through the game's own builders, on the NULL driver, from `runDir`/Bin.
void benchHoles(const std::string& runDir)
{
    if (chdir((runDir + "/Bin").c_str()) != 0) {
        std::fprintf(stderr, "cannot enter %s/Bin\n", runDir.c_str());
        return;
    }
    game = GameState{};
    game.engine.device = irr::createDevice(irr::video::EDT_NULL);
    game.engine.device->getLogger()->setLogLevel(irr::ELL_ERROR);
    game.engine.driver = game.engine.device->getVideoDriver();
    game.engine.sceneManager = game.engine.device->getSceneManager();
    game.engine.gui = game.engine.device->getGUIEnvironment();
    game.engine.fileSystem = game.engine.device->getFileSystem();
    game.world = NewtonCreate();
    for (int hole = -1; hole <= 18; ++hole) benchHole(hole);
    NewtonDestroyAllBodies(game.world);
    NewtonDestroy(game.world);
    game.engine.device->drop();
}

}  // namespace

int main(int argc, char** argv)
{
    NewtonWorld* world = NewtonCreate();
    irr::scene::IAnimatedMesh* mesh = makeGridMesh();
    benchBuild(world, mesh);
    benchSteps(world, mesh);
    mesh->drop();
    NewtonDestroy(world);
    benchHoles(argc > 1 ? argv[1] : TALLOWICK_RUN_DIR);
    return 0;
}
