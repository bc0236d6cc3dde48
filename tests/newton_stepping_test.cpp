// The physics layer's stepping: one update is one 0.01 s step, callbacks set the
// step's forces, bodies move where they are put, teardown empties the world.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/newton_test_support.h"

using namespace newton_test;

namespace {

TEST(NewtonStepping, EachUpdateIsExactlyOneStepOfTheGivenTime)
{
    WorldPtr world = makeWorld();
    BallDrive drive;
    drive.gravity = false;
    drive.push = {50, 0, 0};  // 5 units/s² on a mass of 10
    NewtonBody* ball = makeBall(world.get(), &drive, 0, 0, 0);
    struct Case {
        int updates;
        float velocity;  // after all updates so far
    };
    const Case cases[] = {{1, 0.05f}, {9, 0.5f}, {90, 5.0f}};
    int total = 0;
    for (const Case& c : cases) {
        run(world.get(), c.updates);
        total += c.updates;
        EXPECT_EQ(drive.calls, total) << "one force callback per update";
        EXPECT_NEAR(velocityOf(ball).x, c.velocity, 1e-4f) << "after " << total << " updates";
    }
    // Semi-implicit Euler: x = a dt² n(n+1)/2 after n steps.
    EXPECT_NEAR(positionOf(ball).x, 5.0f * kStep * kStep * 100 * 101 / 2, 1e-3f);
}

// Sets its own force twice (the second wins) and, when told to, the force of another body.
struct PushOther {
    NewtonBody* other = nullptr;
};
PushOther gPushOther;

void replaceAndPushOther(const NewtonBody* body, float, int)
{
    const float first[3] = {1000, 0, 0};
    const float second[3] = {100, 0, 0};
    NewtonBodySetForce(body, first);
    NewtonBodySetForce(body, second);
    if (gPushOther.other) {
        const float push[3] = {0, 0, 200};
        NewtonBodySetForce(gPushOther.other, push);
    }
}

TEST(NewtonStepping, SetForceReplacesTheStepsForceAlsoOnAnotherBody)
{
    WorldPtr world = makeWorld();
    BallDrive idle;
    idle.gravity = false;
    NewtonBody* a = makeBall(world.get(), &idle, 0, 0, 0);
    NewtonBody* b = makeBall(world.get(), &idle, 10, 0, 0);
    NewtonBodySetForceAndTorqueCallback(a, replaceAndPushOther);
    NewtonBodySetForceAndTorqueCallback(b, nullptr);
    gPushOther.other = b;
    run(world.get(), 1);
    EXPECT_NEAR(velocityOf(a).x, 100 / kBallMass * kStep, 1e-5f) << "the last SetForce replaces the first";
    EXPECT_NEAR(velocityOf(b).z, 200 / kBallMass * kStep, 1e-5f) << "a callback sets another body's force";
    float force[3];
    NewtonBodyGetForce(b, force);
    EXPECT_EQ(force[2], 200.0f);

    gPushOther.other = nullptr;
    run(world.get(), 1);
    EXPECT_NEAR(velocityOf(b).z, 200 / kBallMass * kStep, 1e-5f) << "a force lasts one step only";
    NewtonBodyGetForce(b, force);
    EXPECT_EQ(force[2], 0.0f);
}

TEST(NewtonStepping, BodyIsStaticUntilItHasMass)
{
    WorldPtr world = makeWorld();
    NewtonCollision* sphere = NewtonCreateSphere(world.get(), 0.25f, 0.25f, 0.25f, 0, nullptr);
    NewtonBody* body = NewtonCreateBody(world.get(), sphere);
    NewtonReleaseCollision(world.get(), sphere);
    EXPECT_EQ(positionOf(body).y, 0.0f) << "created at the identity";
    BallDrive drive;
    NewtonBodySetUserData(body, &drive);
    NewtonBodySetForceAndTorqueCallback(body, driveBall);
    run(world.get(), 5);
    EXPECT_EQ(drive.calls, 0) << "no force callback on a static body";
    EXPECT_EQ(positionOf(body).y, 0.0f);

    NewtonBodySetMassMatrix(body, 10, 0.25f, 0.5f, 0.75f);
    float mass, ix, iy, iz;
    NewtonBodyGetMassMatrix(body, &mass, &ix, &iy, &iz);
    EXPECT_EQ(mass, 10.0f);
    EXPECT_EQ(iz, 0.75f);
    run(world.get(), 5);
    EXPECT_EQ(drive.calls, 5);
    EXPECT_LT(positionOf(body).y, 0.0f) << "falls once it has mass";

    NewtonBodySetMassMatrix(body, 0, 1, 1, 1);
    const float still = positionOf(body).y;
    run(world.get(), 5);
    EXPECT_EQ(positionOf(body).y, still) << "mass 0 makes it static again";
}

TEST(NewtonStepping, SetMatrixMovesAtOnceWithoutSweepingThroughWalls)
{
    WorldPtr world = makeWorld();
    NewtonBody* wall = makeStatic(world.get(), [](NewtonCollision* tree) { addBox(tree, {4.9f, -5, -5}, {5.1f, 5, 5}); });
    BallDrive drive;
    drive.gravity = false;
    NewtonBody* ball = makeBall(world.get(), &drive, 0, 0, 0);
    setVelocity(ball, {1, 0, 0});
    moveTo(ball, 10, 0, 0);
    EXPECT_EQ(positionOf(ball).x, 10.0f) << "moved at once";
    run(world.get(), 1);
    EXPECT_NEAR(positionOf(ball).x, 10.01f, 1e-5f) << "no sweep back to the wall; velocity kept";
    EXPECT_NEAR(velocityOf(ball).x, 1.0f, 1e-6f);

    // A static body moved under a falling ball catches it at its new place.
    drive.gravity = true;
    moveTo(wall, -5, -3, 0);  // the wall's box now spans x -0.1..0.1 and y -8..2
    moveTo(ball, 0, 3, 0);
    setVelocity(ball, {0, 0, 0});
    run(world.get(), 150);
    EXPECT_NEAR(positionOf(ball).y, 2.0f + kBallRadius, 0.02f) << "rests on the moved wall's top";
}

TEST(NewtonStepping, DestroyAllBodiesLeavesAnEmptyWorldWhoseGroupsStillWork)
{
    WorldPtr world = makeWorld();
    const int group0 = NewtonMaterialCreateGroupID(world.get());
    const int group1 = NewtonMaterialCreateGroupID(world.get());
    NewtonMaterialSetDefaultCollidable(world.get(), group0, group1, 0);
    NewtonMaterialSetDefaultElasticity(world.get(), group0, group1, 0.25f);
    for (int round = 0; round < 3; ++round) {
        BallDrive drive;
        drive.gravity = false;
        NewtonBody* a = makeBall(world.get(), &drive, 0, 0, 0);
        NewtonBody* b = makeBall(world.get(), &drive, 0.3f, 0, 0);  // overlapping
        NewtonBodySetMaterialGroupID(a, group0);
        NewtonBodySetMaterialGroupID(b, group1);
        makeGridFloor(world.get(), -2, 2, -2, 2, 1, -5);
        run(world.get(), 10);
        EXPECT_EQ(positionOf(a).x, 0.0f) << "round " << round << ": the pair still passes through";
        EXPECT_EQ(positionOf(b).x, 0.3f);
        EXPECT_EQ(NewtonWorldGetBodyCount(world.get()), 3);
        NewtonDestroyAllBodies(world.get());
        EXPECT_EQ(NewtonWorldGetBodyCount(world.get()), 0);
        EXPECT_EQ(NewtonWorldGetConstraintCount(world.get()), 0);
        run(world.get(), 1);  // an empty world steps
    }
    NewtonMaterialPairValues values;
    NewtonMaterialGetPairValues(world.get(), group1, group0, &values);
    EXPECT_EQ(values.elasticity, 0.25f);
    EXPECT_EQ(NewtonMaterialCreateGroupID(world.get()), group1 + 1) << "group ids go on";
}

// The blade's callback holds its spin, as the game's blades do.
constexpr float kBladeSpin = 2.0f;  // radians per second about x

void holdSpin(const NewtonBody* body, float, int)
{
    const float omega[3] = {kBladeSpin, 0, 0};
    NewtonBodySetOmega(body, omega);
}

TEST(NewtonStepping, HingedBladeSpinsAtTheSetRateAboutAFixedAxis)
{
    WorldPtr world = makeWorld();
    NewtonCollision* pinBox = NewtonCreateBox(world.get(), 0.1f, 0.1f, 0.1f, 0, nullptr);
    NewtonBody* pivot = NewtonCreateBody(world.get(), pinBox);
    NewtonReleaseCollision(world.get(), pinBox);
    NewtonCollision* bladeBox = NewtonCreateBox(world.get(), 0.3f, 6, 0.5f, 0, nullptr);
    NewtonBody* blade = NewtonCreateBody(world.get(), bladeBox);
    NewtonReleaseCollision(world.get(), bladeBox);
    NewtonBodySetContinuousCollisionMode(blade, 1);
    NewtonBodySetMassMatrix(blade, 25, 1, 1, 1);
    NewtonBodySetMassMatrix(pivot, 0, 0.25f, 0.25f, 0.25f);
    moveTo(blade, 1, 3.2f, 2);
    moveTo(pivot, 1, 3.2f, 2);
    NewtonBodySetForceAndTorqueCallback(blade, holdSpin);
    const float hub[3] = {1, 3.2f, 2};  // the blade's tips sweep down to 0.2 above the floor
    const float pin[3] = {1, 0, 0};
    NewtonJoint* hinge = NewtonConstraintCreateHinge(world.get(), hub, pin, blade, pivot);
    NewtonJointSetStiffness(hinge, 0.9f);
    EXPECT_EQ(NewtonJointGetStiffness(hinge), 0.9f);
    EXPECT_EQ(NewtonJointGetBody0(hinge), blade);
    EXPECT_EQ(NewtonJointGetBody1(hinge), pivot);

    float angle = 0;
    for (int step = 1; step <= 1000; ++step) {  // 10 s
        run(world.get(), 1);
        float m[16];
        NewtonBodyGetMatrix(blade, m);
        angle = std::atan2(m[6], m[5]);  // the blade's y axis turning about x
        ASSERT_NEAR(m[0], 1.0f, 1e-4f) << "the pin stays along x at step " << step;
        ASSERT_NEAR(m[12], 1.0f, 1e-4f);
        ASSERT_NEAR(m[13], 3.2f, 1e-4f) << "the hub stays on the pivot at step " << step;
        ASSERT_NEAR(m[14], 2.0f, 1e-4f);
    }
    float omega[3];
    NewtonBodyGetOmega(blade, omega);
    EXPECT_NEAR(omega[0], kBladeSpin, 1e-3f);
    // 20 radians turned: 20 - 6*pi = 1.150 past three whole turns.
    EXPECT_NEAR(angle, 20.0f - 6 * 3.14159265f, 0.02f);

    // A ball resting in the blade's sweep is pushed away.
    BallDrive drive;
    NewtonBody* floor = makeGridFloor(world.get(), -10, 10, -10, 10, 1, 0);
    (void)floor;
    NewtonBody* ball = makeBall(world.get(), &drive, 1, kBallRadius, 2);
    run(world.get(), 300);
    const Vec3 at = positionOf(ball);
    EXPECT_GT(std::hypot(at.x - 1, at.z - 2), 0.5f) << "the blade knocks the ball out of its path";
}

// What a hole change does, many times over: the hole's shapes (tree collisions never
// released by their builder), balls, a hinged blade, some play, then everything destroyed.
TEST(NewtonStepping, HoleAfterHoleBuildsAndTearsDownToAnEmptyWorld)
{
    WorldPtr world = makeWorld();
    for (int hole = 0; hole < 40; ++hole) {
        BallDrive drives[4];
        for (int surface = 0; surface < 4; ++surface) {
            NewtonCollision* tree = NewtonCreateTreeCollision(world.get(), 0);
            NewtonTreeCollisionBeginBuild(tree);
            addGrid(tree, -4.0f + 2 * surface, -2.0f + 2 * surface, -4, 4, 0.5f, 0);
            NewtonTreeCollisionEndBuild(tree, 0);
            NewtonCreateBody(world.get(), tree);  // the builder keeps its reference
        }
        for (int ball = 0; ball < 4; ++ball) makeBall(world.get(), &drives[ball], -3.0f + 2 * ball, 1, 0);
        NewtonCollision* box = NewtonCreateBox(world.get(), 0.3f, 2, 0.3f, 0, nullptr);
        NewtonBody* blade = NewtonCreateBody(world.get(), box);
        NewtonBody* pivot = NewtonCreateBody(world.get(), box);
        NewtonReleaseCollision(world.get(), box);
        NewtonBodySetMassMatrix(blade, 25, 1, 1, 1);
        moveTo(blade, 0, 3, 3);
        moveTo(pivot, 0, 3, 3);
        const float hub[3] = {0, 3, 3}, pin[3] = {1, 0, 0};
        NewtonConstraintCreateHinge(world.get(), hub, pin, blade, pivot);
        NewtonBodySetForceAndTorqueCallback(blade, holdSpin);
        run(world.get(), 20);
        EXPECT_EQ(NewtonWorldGetBodyCount(world.get()), 10);
        EXPECT_EQ(NewtonWorldGetConstraintCount(world.get()), 1);
        EXPECT_EQ(NewtonWorldGetCollisionCount(world.get()), 4 + 4 + 1) << "trees, spheres, the shared box";
        NewtonDestroyAllBodies(world.get());
        ASSERT_EQ(NewtonWorldGetBodyCount(world.get()), 0) << "hole " << hole;
        ASSERT_EQ(NewtonWorldGetConstraintCount(world.get()), 0);
        ASSERT_EQ(NewtonWorldGetCollisionCount(world.get()), 0) << "no shape outlives its hole";
    }
}

}  // namespace
