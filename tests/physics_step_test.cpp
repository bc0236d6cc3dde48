// The frame-rate gate in front of the physics step, and the synchronisation of
// scene nodes onto their bodies after it.
#include <gtest/gtest.h>

#include <cmath>

#include "app/game_state.h"
#include "course/physics_step.h"
#include "tests/newton_test_support.h"

using namespace newton_test;

namespace {

TEST(PhysicsGate, StepsOnlyWhenTheGapForTheFrameRateHasPassed)
{
    struct Case {
        int32_t fps;
        uint32_t now;
        uint32_t last;
        bool steps;
    };
    const Case cases[] = {
        {55, 1010, 1000, false},  // at 55 fps the 10 ms rule: exactly 10 ms does not step
        {55, 1011, 1000, true},
        {56, 1010, 1000, false},  // at 56 fps 600/56 = 10.71 ms
        {56, 1011, 1000, true},
        {60, 1010, 1000, false},  // 600/60 = 10 ms exactly: strictly greater needed
        {60, 1011, 1000, true},
        {120, 1005, 1000, false},
        {120, 1006, 1000, true},
        {30, 1011, 1000, true},
        {0, 1010, 1000, false},   // the first frames report 0 fps
        {0, 1011, 1000, true},
        {0, 11, 0, true},         // the first step of the run
        {-1, 1011, 1000, true},
        {55, 5, 0xFFFFFFFAu, true},    // 10 ms rule in unsigned 32-bit arithmetic: the sum wraps
        {60, 5, 0xFFFFFFFAu, false},   // 600/fps rule in double precision: no wrap
        {60, 500, 1000, false},        // a timer behind the last step waits for it
    };
    for (const Case& c : cases) {
        EXPECT_EQ(physicsStepDue(c.fps, c.now, c.last), c.steps)
            << c.fps << " fps, now " << c.now << ", last step " << c.last;
    }
}

// A NULL-driver device for the timer and scene nodes, and a world with a ball per player,
// a blade, a pivot and the four synchronised surfaces.
class PhysicsStepTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        device = irr::createDevice(irr::video::EDT_NULL, irr::core::dimension2d<irr::u32>(64, 64));
        ASSERT_NE(device, nullptr);
        game.engine.device = device;
        game.engine.driver = device->getVideoDriver();
        game.engine.sceneManager = device->getSceneManager();
        device->getTimer()->stop();
        device->getTimer()->setTime(1000);
        game.world = NewtonCreate();
        game.bodies = CourseBodies{};
        game.lastStepTimeMs = 0;
        for (int32_t ball = 1; ball <= kMaxPlayers; ++ball) {
            game.bodies.ball[ball] = {makeBall(game.world, &drives[ball], float(ball), 3, 0), addNode()};
        }
        for (BodyNode* pair : {&game.bodies.blade, &game.bodies.pivot, &game.bodies.bricks, &game.bodies.grass,
                               &game.bodies.cup, &game.bodies.flagpole}) {
            NewtonCollision* box = NewtonCreateBox(game.world, 1, 1, 1, 0, nullptr);
            *pair = {NewtonCreateBody(game.world, box), addNode()};
            NewtonReleaseCollision(game.world, box);
        }
    }

    void TearDown() override
    {
        NewtonDestroy(game.world);
        game.world = nullptr;
        game.bodies = CourseBodies{};
        game.engine = EngineHandles{};
        device->drop();
    }

    irr::scene::ISceneNode* addNode()
    {
        irr::scene::ISceneNode* node = device->getSceneManager()->addEmptySceneNode();
        node->setPosition(irr::core::vector3df(-99, -99, -99));
        return node;
    }

    static bool synced(const BodyNode& pair)
    {
        float m[16];
        NewtonBodyGetMatrix(pair.body, m);
        return pair.node->getPosition() == irr::core::vector3df(m[12], m[13], m[14]);
    }

    irr::IrrlichtDevice* device = nullptr;
    BallDrive drives[kMaxPlayers + 1];
};

TEST_F(PhysicsStepTest, AFrameStepsOnceByTheGateAndStoresTheStepTime)
{
    game.match.playerCount = 1;
    game.lastStepTimeMs = 990;  // the NULL driver reports 0 fps: the 10 ms rule
    stepPhysics();
    EXPECT_EQ(drives[1].calls, 0) << "10 ms after the last step: no step";
    EXPECT_EQ(game.lastStepTimeMs, 990u);
    device->getTimer()->setTime(1001);
    stepPhysics();
    EXPECT_EQ(drives[1].calls, 1) << "11 ms: one step";
    EXPECT_EQ(game.lastStepTimeMs, 1001u);
    stepPhysics();
    EXPECT_EQ(drives[1].calls, 1) << "at most one step per gap";
    EXPECT_NEAR(positionOf(game.bodies.ball[1].body).y, 3 - kGravity * kStep * kStep, 1e-5f)
        << "one step of exactly 0.01 s";
}

TEST_F(PhysicsStepTest, NodesFollowTheirBodiesForThePlayersAndTheHole)
{
    struct Case {
        int32_t hole;
        int32_t players;
        bool bladeSynced;
        int32_t ballsSynced;
    };
    const Case cases[] = {{-1, 1, false, 1}, {5, 2, true, 2}, {7, 3, false, 3}, {18, 4, true, 4}};
    for (const Case& c : cases) {
        game.match.currentHole = c.hole;
        game.match.playerCount = c.players;
        for (int32_t ball = 1; ball <= kMaxPlayers; ++ball) moveTo(game.bodies.ball[ball].body, 10.0f * ball, c.hole, 1);
        moveTo(game.bodies.blade.body, 2, c.hole, 3);
        syncBodyNodes();
        for (int32_t ball = 1; ball <= kMaxPlayers; ++ball) {
            EXPECT_EQ(synced(game.bodies.ball[ball]), ball <= c.ballsSynced) << "hole " << c.hole << " ball " << ball;
        }
        EXPECT_EQ(synced(game.bodies.blade), c.bladeSynced) << "hole " << c.hole;
        for (const BodyNode* pair : {&game.bodies.bricks, &game.bodies.grass, &game.bodies.cup, &game.bodies.flagpole}) {
            EXPECT_TRUE(synced(*pair)) << "hole " << c.hole;
        }
    }
}

TEST_F(PhysicsStepTest, NodeRotationIsTheEnginesEulerAnglesOfTheBodyMatrix)
{
    game.match.playerCount = 1;
    game.match.currentHole = -1;
    const irr::core::vector3df rotations[] = {{0, 0, 0}, {0, 90, 0}, {30, 200, 10}, {-45, 0, 300}, {0, 0, 180}};
    for (const irr::core::vector3df& rotation : rotations) {
        irr::core::matrix4 expected;
        expected.setRotationDegrees(rotation);
        expected.setTranslation(irr::core::vector3df(1, 2, 3));
        NewtonBodySetMatrix(game.bodies.cup.body, expected.pointer());
        syncBodyNodes();
        const irr::core::vector3df got = game.bodies.cup.node->getRotation();
        EXPECT_TRUE(got.X >= 0 && got.X < 360 && got.Y >= 0 && got.Y < 360 && got.Z >= 0 && got.Z < 360)
            << "angles brought into 0..360";
        irr::core::matrix4 shown;  // the node shows the body's orientation
        shown.setRotationDegrees(got);
        irr::core::vector3df axis(1, 0.5f, 0.25f), viaNode = axis, viaBody = axis;
        shown.rotateVect(viaNode);
        expected.rotateVect(viaBody);
        EXPECT_TRUE(viaNode.equals(viaBody, 1e-3f)) << "rotation " << rotation.X << " " << rotation.Y << " " << rotation.Z;
    }
}

}  // namespace
