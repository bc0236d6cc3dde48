// Small helpers for the physics layer's tests: a world, floors and walls as tree
// collisions, and balls driven by a test force callback.
#pragma once

#include <cmath>
#include <memory>
#include <utility>

#include "course/newton.h"

namespace newton_test {

constexpr float kGravity = 78.48f;  // units/s², as the game applies it
constexpr float kBallRadius = 0.25f;
constexpr float kBallMass = 10.0f;
constexpr float kBallInertia = 0.25f;  // 2/5 m r²: a solid sphere
constexpr float kStep = 0.01f;         // s

struct WorldDeleter {
    void operator()(NewtonWorld* world) const { NewtonDestroy(world); }
};
using WorldPtr = std::unique_ptr<NewtonWorld, WorldDeleter>;
inline WorldPtr makeWorld() { return WorldPtr(NewtonCreate()); }

struct Vec3 {
    float x = 0, y = 0, z = 0;
};
inline Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vec3 cross(Vec3 a, Vec3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
inline float dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

inline void translation(float* m, float x, float y, float z)
{
    for (int i = 0; i < 16; ++i) m[i] = (i % 5 == 0) ? 1.0f : 0.0f;
    m[12] = x;
    m[13] = y;
    m[14] = z;
}

inline Vec3 positionOf(const NewtonBody* body)
{
    float m[16];
    NewtonBodyGetMatrix(body, m);
    return {m[12], m[13], m[14]};
}

inline Vec3 velocityOf(const NewtonBody* body)
{
    float v[3];
    NewtonBodyGetVelocity(body, v);
    return {v[0], v[1], v[2]};
}

inline void setVelocity(const NewtonBody* body, Vec3 v)
{
    const float velocity[3] = {v.x, v.y, v.z};
    NewtonBodySetVelocity(body, velocity);
}

inline void moveTo(const NewtonBody* body, float x, float y, float z)
{
    float m[16];
    translation(m, x, y, z);
    NewtonBodySetMatrix(body, m);
}

// Adds the triangle so that it faces `outward` (its corners are reordered if needed).
inline void addFacing(NewtonCollision* tree, Vec3 a, Vec3 b, Vec3 c, Vec3 outward)
{
    if (dot(cross(b - a, c - a), outward) < 0) std::swap(b, c);
    const float face[9] = {a.x, a.y, a.z, b.x, b.y, b.z, c.x, c.y, c.z};
    NewtonTreeCollisionAddFace(tree, 3, face, 3 * sizeof(float), 1);
}

// A flat floor at height y of square cells (two triangles each, facing up) over
// [x0, x1] x [z0, z1]: every cell edge is a seam the ball rolls over.
inline void addGrid(NewtonCollision* tree, float x0, float x1, float z0, float z1, float cell, float y)
{
    for (float x = x0; x < x1 - 1e-4f; x += cell) {
        for (float z = z0; z < z1 - 1e-4f; z += cell) {
            const Vec3 up{0, 1, 0};
            addFacing(tree, {x, y, z}, {x, y, z + cell}, {x + cell, y, z}, up);
            addFacing(tree, {x + cell, y, z}, {x, y, z + cell}, {x + cell, y, z + cell}, up);
        }
    }
}

// The six outward faces of the box [lo, hi].
inline void addBox(NewtonCollision* tree, Vec3 lo, Vec3 hi)
{
    const Vec3 c[8] = {{lo.x, lo.y, lo.z}, {hi.x, lo.y, lo.z}, {lo.x, hi.y, lo.z}, {hi.x, hi.y, lo.z},
                       {lo.x, lo.y, hi.z}, {hi.x, lo.y, hi.z}, {lo.x, hi.y, hi.z}, {hi.x, hi.y, hi.z}};
    const int faces[6][4] = {{0, 2, 6, 4}, {1, 3, 7, 5}, {0, 1, 5, 4}, {2, 3, 7, 6}, {0, 1, 3, 2}, {4, 5, 7, 6}};
    const Vec3 normals[6] = {{-1, 0, 0}, {1, 0, 0}, {0, -1, 0}, {0, 1, 0}, {0, 0, -1}, {0, 0, 1}};
    for (int f = 0; f < 6; ++f) {
        const Vec3 a = c[faces[f][0]], b = c[faces[f][1]], cc = c[faces[f][2]], d = c[faces[f][3]];
        addFacing(tree, a, b, cc, normals[f]);
        addFacing(tree, a, cc, d, normals[f]);
    }
}

// A static body over a tree collision filled by `fill`.
template <typename Fill>
NewtonBody* makeStatic(NewtonWorld* world, Fill fill)
{
    NewtonCollision* tree = NewtonCreateTreeCollision(world, 0);
    NewtonTreeCollisionBeginBuild(tree);
    fill(tree);
    NewtonTreeCollisionEndBuild(tree, 0);
    NewtonBody* body = NewtonCreateBody(world, tree);
    NewtonReleaseCollision(world, tree);
    return body;
}

inline NewtonBody* makeGridFloor(NewtonWorld* world, float x0, float x1, float z0, float z1, float cell = 1.0f,
                                 float y = 0.0f)
{
    return makeStatic(world, [&](NewtonCollision* tree) { addGrid(tree, x0, x1, z0, z1, cell, y); });
}

// What the test force callback applies to a ball: gravity unless switched off, a
// horizontal brake of -brake x m x v, and a constant push.
struct BallDrive {
    bool gravity = true;
    float brake = 0;
    Vec3 push;
    int calls = 0;
};

inline void driveBall(const NewtonBody* body, float, int)
{
    auto* drive = static_cast<BallDrive*>(NewtonBodyGetUserData(body));
    float mass, ix, iy, iz;
    NewtonBodyGetMassMatrix(body, &mass, &ix, &iy, &iz);
    const Vec3 v = velocityOf(body);
    const float force[3] = {drive->push.x - drive->brake * mass * v.x,
                            drive->push.y - (drive->gravity ? mass * kGravity : 0.0f),
                            drive->push.z - drive->brake * mass * v.z};
    NewtonBodySetForce(body, force);
    ++drive->calls;
}

// A ball as the game makes one: sphere 0.25, mass 10, continuous collision on.
inline NewtonBody* makeBall(NewtonWorld* world, BallDrive* drive, float x, float y, float z)
{
    NewtonCollision* sphere = NewtonCreateSphere(world, kBallRadius, kBallRadius, kBallRadius, 0, nullptr);
    NewtonBody* ball = NewtonCreateBody(world, sphere);
    NewtonReleaseCollision(world, sphere);
    NewtonBodySetContinuousCollisionMode(ball, 1);
    NewtonBodySetMassMatrix(ball, kBallMass, kBallInertia, kBallInertia, kBallInertia);
    moveTo(ball, x, y, z);
    NewtonBodySetUserData(ball, drive);
    NewtonBodySetForceAndTorqueCallback(ball, driveBall);
    return ball;
}

inline void run(NewtonWorld* world, int steps)
{
    for (int i = 0; i < steps; ++i) NewtonUpdate(world, kStep);
}

}  // namespace newton_test
