// Rolling on meshes: a ball crosses the seams between triangles without hopping,
// and under the game's velocity brake it rolls the distance it should and stops.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "tests/newton_test_support.h"

using namespace newton_test;

namespace {

// Rolling without slipping: the brake acts on the mass and the spin together.
constexpr float kRollingMassFactor = 1 + kBallInertia / (kBallMass * kBallRadius * kBallRadius);  // 1.4

// Starts a ball resting on the floor and rolling (spinning to match) with velocity (vx, 0, vz).
NewtonBody* rollingBall(NewtonWorld* world, BallDrive* drive, float x, float z, float vx, float vz)
{
    NewtonBody* ball = makeBall(world, drive, x, kBallRadius, z);
    run(world, 10);
    setVelocity(ball, {vx, 0, vz});
    const float omega[3] = {vz / kBallRadius, 0, -vx / kBallRadius};
    NewtonBodySetOmega(ball, omega);
    return ball;
}

TEST(NewtonRolling, BallRollsOverTriangleSeamsWithoutHopping)
{
    struct Case {
        float speed;
        float dirX, dirZ;
    };
    const Case cases[] = {{5, 1, 0}, {30, 1, 0}, {110, 1, 0}, {5, 0.6f, 0.8f}, {30, 0.6f, 0.8f}, {110, 0.6f, 0.8f}};
    for (const Case& c : cases) {
        WorldPtr world = makeWorld();
        makeGridFloor(world.get(), -5, 95, -5, 95);
        BallDrive drive;
        NewtonBody* ball = rollingBall(world.get(), &drive, 0.3f, 0.3f, c.speed * c.dirX, c.speed * c.dirZ);
        float highestVy = 0;
        const int steps = std::min(300, int(80 / c.speed / kStep));
        for (int step = 0; step < steps; ++step) {
            run(world.get(), 1);
            highestVy = std::max(highestVy, std::fabs(velocityOf(ball).y));
        }
        const Vec3 at = positionOf(ball);
        EXPECT_LT(highestVy, 0.01f) << "speed " << c.speed << " direction (" << c.dirX << ", " << c.dirZ << ")";
        EXPECT_NEAR(at.y, kBallRadius, 0.01f);
        EXPECT_GT(at.x * c.dirX + at.z * c.dirZ, 0.9f * c.speed * steps * kStep) << "it kept rolling";
    }
}

TEST(NewtonRolling, BrakedBallRollsTheIdealDistanceAndComesToRest)
{
    constexpr float kStartSpeed = 5;  // units/s
    for (float brake : {0.5f, 1.0f, 2.0f}) {
        WorldPtr world = makeWorld();
        makeGridFloor(world.get(), -5, 30, -5, 5);
        BallDrive drive;
        NewtonBody* ball = rollingBall(world.get(), &drive, 0.5f, 0.5f, kStartSpeed, 0);
        drive.brake = brake;
        const float start = positionOf(ball).x;
        run(world.get(), 3000);  // 30 s
        const float ideal = kStartSpeed * kRollingMassFactor / brake;
        EXPECT_NEAR(positionOf(ball).x - start, ideal, 0.05f * ideal) << "brake " << brake;
        const Vec3 v = velocityOf(ball);
        EXPECT_LT(std::hypot(v.x, v.z), 1e-3f) << "brake " << brake << ": at rest";
    }
}

}  // namespace
