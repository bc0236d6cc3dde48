// The physics layer's contacts: per-pair collidable flags, per-pair friction and
// elasticity, contact handlers, and continuous collision of fast balls.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

#include "tests/newton_test_support.h"

using namespace newton_test;

namespace {

TEST(NewtonContacts, CollidableFlagSwitchesAtTheNextStepAlsoForOverlappingBalls)
{
    WorldPtr world = makeWorld();
    const int groupA = NewtonMaterialCreateGroupID(world.get());
    const int groupB = NewtonMaterialCreateGroupID(world.get());
    BallDrive drive;
    drive.gravity = false;
    NewtonBody* a = makeBall(world.get(), &drive, 0, 0, 0);
    NewtonBody* b = makeBall(world.get(), &drive, 0.3f, 0, 0);  // 0.2 of overlap
    NewtonBodySetMaterialGroupID(a, groupA);
    NewtonBodySetMaterialGroupID(b, groupB);
    auto gap = [&] { return positionOf(b).x - positionOf(a).x; };

    NewtonMaterialSetDefaultCollidable(world.get(), groupA, groupB, 0);
    run(world.get(), 20);
    EXPECT_FLOAT_EQ(gap(), 0.3f) << "non-collidable: the overlap stays";

    NewtonMaterialSetDefaultCollidable(world.get(), groupB, groupA, 1);  // either order names the pair
    run(world.get(), 20);
    EXPECT_GT(gap(), 0.45f) << "collidable: the balls push apart";

    NewtonMaterialSetDefaultCollidable(world.get(), groupA, groupB, 0);
    moveTo(b, positionOf(a).x + 0.3f, 0, 0);
    setVelocity(a, {0, 0, 0});
    setVelocity(b, {0, 0, 0});
    run(world.get(), 1);
    EXPECT_FLOAT_EQ(velocityOf(a).x, 0.0f) << "switched off again: no push at the very next step";
    EXPECT_FLOAT_EQ(velocityOf(b).x, 0.0f);

    // Rolling into each other while non-collidable, they pass through.
    moveTo(a, 0, 0, 0);
    moveTo(b, 2, 0, 0);
    setVelocity(a, {5, 0, 0});
    setVelocity(b, {-5, 0, 0});
    run(world.get(), 40);
    EXPECT_GT(positionOf(a).x, 1.9f);
    EXPECT_LT(positionOf(b).x, 0.1f);
}

// Drops a ball per elasticity onto one floor and measures its rebound.
TEST(NewtonContacts, ElasticityIsTakenPerPairOfGroups)
{
    WorldPtr world = makeWorld();
    const int floorGroup = NewtonMaterialCreateGroupID(world.get());
    NewtonBody* floor = makeGridFloor(world.get(), -10, 10, -10, 10);
    NewtonBodySetMaterialGroupID(floor, floorGroup);
    const float elasticities[] = {0.2f, 0.5f, 0.8f};
    BallDrive drives[3];
    NewtonBody* balls[3];
    for (int i = 0; i < 3; ++i) {
        const int group = NewtonMaterialCreateGroupID(world.get());
        NewtonMaterialSetDefaultElasticity(world.get(), group, floorGroup, elasticities[i]);
        balls[i] = makeBall(world.get(), &drives[i], -5.0f + 5 * i, 1.0f, 0);
        NewtonBodySetMaterialGroupID(balls[i], group);
    }
    float fastestDown[3] = {}, fastestUp[3] = {};
    for (int step = 0; step < 40; ++step) {
        run(world.get(), 1);
        for (int i = 0; i < 3; ++i) {
            const float vy = velocityOf(balls[i]).y;
            if (fastestUp[i] == 0) fastestDown[i] = std::min(fastestDown[i], vy);
            if (vy > 0) fastestUp[i] = std::max(fastestUp[i], vy);
        }
    }
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(fastestUp[i] / -fastestDown[i], elasticities[i], 0.05f) << "elasticity " << elasticities[i];
    }
}

// Slides boxes with different kinetic frictions over one floor and measures their deceleration.
TEST(NewtonContacts, KineticFrictionIsTakenPerPairOfGroups)
{
    WorldPtr world = makeWorld();
    const int floorGroup = NewtonMaterialCreateGroupID(world.get());
    NewtonBody* floor = makeGridFloor(world.get(), -20, 60, -10, 10);
    NewtonBodySetMaterialGroupID(floor, floorGroup);
    const float frictions[] = {0.1f, 0.3f, 0.64f};
    BallDrive drives[3];
    NewtonBody* boxes[3];
    for (int i = 0; i < 3; ++i) {
        const int group = NewtonMaterialCreateGroupID(world.get());
        NewtonMaterialSetDefaultFriction(world.get(), group, floorGroup, frictions[i] + 0.1f, frictions[i]);
        NewtonMaterialSetDefaultElasticity(world.get(), group, floorGroup, 0);
        NewtonCollision* shape = NewtonCreateBox(world.get(), 1, 0.5f, 1, 0, nullptr);
        boxes[i] = NewtonCreateBody(world.get(), shape);
        NewtonReleaseCollision(world.get(), shape);
        NewtonBodySetMassMatrix(boxes[i], 10, 1, 1, 1);
        NewtonBodySetMaterialGroupID(boxes[i], group);
        NewtonBodySetUserData(boxes[i], &drives[i]);
        NewtonBodySetForceAndTorqueCallback(boxes[i], driveBall);
        moveTo(boxes[i], 0, 0.25f, -6.0f + 6 * i);
    }
    run(world.get(), 20);  // settle
    for (NewtonBody* box : boxes) setVelocity(box, {20, 0, 0});
    run(world.get(), 20);  // 0.2 s of sliding
    for (int i = 0; i < 3; ++i) {
        const float measured = (20 - velocityOf(boxes[i]).x) / (kGravity * 0.2f);
        EXPECT_NEAR(measured, frictions[i], 0.1f * frictions[i]) << "kinetic friction " << frictions[i];
    }
}

// Counts handler calls per (body0, body1) and keeps the vertical speed each call saw.
struct ContactLog {
    std::map<std::pair<const NewtonBody*, const NewtonBody*>, int> calls;
    float lastVy = 0;
    Vec3 firstVelocity;  // of body0 at the first call since `fresh` was set
    bool fresh = false;
};
ContactLog gLog;

void logContact(const NewtonJoint* contact, float, int)
{
    const NewtonBody* b0 = NewtonJointGetBody0(contact);
    const NewtonBody* b1 = NewtonJointGetBody1(contact);
    ++gLog.calls[{b0, b1}];
    gLog.lastVy = velocityOf(b0).y;
    if (gLog.fresh) gLog.firstVelocity = velocityOf(b0);
    gLog.fresh = false;
}

TEST(NewtonContacts, HandlersFireOncePerStepPerTouchingPairWhileRestingAndRolling)
{
    gLog = {};
    WorldPtr world = makeWorld();
    const int grassGroup = NewtonMaterialCreateGroupID(world.get());
    const int sandGroup = NewtonMaterialCreateGroupID(world.get());
    const int ballGroup = NewtonMaterialCreateGroupID(world.get());
    NewtonBody* grass = makeGridFloor(world.get(), -10, 10, -10, 10);
    NewtonBody* sand = makeGridFloor(world.get(), 20, 40, -10, 10);
    NewtonBodySetMaterialGroupID(grass, grassGroup);
    NewtonBodySetMaterialGroupID(sand, sandGroup);
    int marker = 0;
    NewtonMaterialSetCollisionCallback(world.get(), ballGroup, grassGroup, &marker, nullptr, logContact);
    NewtonMaterialSetCollisionCallback(world.get(), ballGroup, sandGroup, &marker, nullptr, logContact);
    BallDrive onGrass, onSand, inAir;
    NewtonBody* ballGrass = makeBall(world.get(), &onGrass, 0, kBallRadius, 0);
    NewtonBody* ballSand = makeBall(world.get(), &onSand, 30, kBallRadius, 0);
    NewtonBody* ballAir = makeBall(world.get(), &inAir, 0, 5, 5);
    inAir.gravity = false;
    for (NewtonBody* ball : {ballGrass, ballSand, ballAir}) NewtonBodySetMaterialGroupID(ball, ballGroup);

    run(world.get(), 50);
    EXPECT_EQ((gLog.calls[{ballGrass, grass}]), 50) << "resting: every step";
    EXPECT_EQ((gLog.calls[{ballSand, sand}]), 50);
    EXPECT_EQ(gLog.calls.size(), 2u) << "nothing for the ball in the air; body0 is in the pair's first group";

    setVelocity(ballGrass, {4, 0, 0});
    setVelocity(ballSand, {0, 0, -4});
    run(world.get(), 100);
    EXPECT_EQ((gLog.calls[{ballGrass, grass}]), 150) << "rolling: every step";
    EXPECT_EQ((gLog.calls[{ballSand, sand}]), 150);

    NewtonMaterialSetDefaultCollidable(world.get(), ballGroup, sandGroup, 0);
    run(world.get(), 10);
    EXPECT_EQ((gLog.calls[{ballSand, sand}]), 150) << "a non-collidable pair has no contacts";
}

TEST(NewtonContacts, HandlerSeesTheSpeedTheBallArrivesWith)
{
    gLog = {};
    WorldPtr world = makeWorld();
    const int grassGroup = NewtonMaterialCreateGroupID(world.get());
    const int ballGroup = NewtonMaterialCreateGroupID(world.get());
    NewtonBody* grass = makeGridFloor(world.get(), -10, 10, -10, 10);
    NewtonBodySetMaterialGroupID(grass, grassGroup);
    NewtonMaterialSetDefaultElasticity(world.get(), ballGroup, grassGroup, 0.3f);
    NewtonMaterialSetCollisionCallback(world.get(), ballGroup, grassGroup, nullptr, nullptr, logContact);
    BallDrive drive;
    NewtonBody* ball = makeBall(world.get(), &drive, 0, 2, 0);
    NewtonBodySetMaterialGroupID(ball, ballGroup);
    setVelocity(ball, {0, -5, 0});
    float arrival = 0;
    for (int step = 0; step < 30 && gLog.calls.empty(); ++step) {
        arrival = -velocityOf(ball).y;
        run(world.get(), 1);
    }
    ASSERT_FALSE(gLog.calls.empty());
    EXPECT_NEAR(-gLog.lastVy, arrival, 0.01f) << "the handler runs before the bounce";
}

// Fires balls at 120 units/s into a 0.2-thick brick wall from 100 places.
TEST(NewtonContacts, FastBallsNeitherTunnelThroughThinWallsNorPassUnheard)
{
    gLog = {};
    WorldPtr world = makeWorld();
    const int bricksGroup = NewtonMaterialCreateGroupID(world.get());
    const int ballGroup = NewtonMaterialCreateGroupID(world.get());
    NewtonBody* wall = makeStatic(world.get(), [](NewtonCollision* tree) { addBox(tree, {10, -1, -10}, {10.2f, 4, 10}); });
    NewtonBodySetMaterialGroupID(wall, bricksGroup);
    NewtonMaterialSetDefaultElasticity(world.get(), ballGroup, bricksGroup, 0.8f);
    NewtonMaterialSetCollisionCallback(world.get(), ballGroup, bricksGroup, nullptr, nullptr, logContact);
    BallDrive drive;
    drive.gravity = false;
    NewtonBody* ball = makeBall(world.get(), &drive, 0, 0, 0);
    NewtonBodySetMaterialGroupID(ball, ballGroup);
    int tunnelled = 0, unheard = 0;
    float slowestRebound = 1e9f;
    for (int shot = 0; shot < 100; ++shot) {
        moveTo(ball, 0.0137f * shot, 0.5f + 0.021f * shot, -5.0f + 0.1f * shot);
        setVelocity(ball, {120, 0, 0});
        const int before = gLog.calls[{ball, wall}];
        gLog.fresh = true;
        run(world.get(), 20);
        if (positionOf(ball).x > 10.0f) ++tunnelled;
        if (gLog.calls[{ball, wall}] == before) ++unheard;
        EXPECT_FLOAT_EQ(gLog.firstVelocity.x, 120) << "shot " << shot << ": the handler hears the arrival speed";
        slowestRebound = std::min(slowestRebound, -velocityOf(ball).x);
    }
    EXPECT_EQ(tunnelled, 0);
    EXPECT_EQ(unheard, 0) << "every impact calls the bricks handler";
    // Predicted contacts keep 0.65-0.8 of the speed at 0.8 (without speculative restitution: down to 0.04).
    EXPECT_GT(slowestRebound, 0.6f * 120) << "bounces keep most of the wall's elasticity";
}

}  // namespace
