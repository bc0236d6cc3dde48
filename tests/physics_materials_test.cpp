// setupMaterials: the eleven groups, which body goes in which group, and the
// contact values and handlers of every ball/surface pair, by hole and player count.
#include <gtest/gtest.h>

#include "app/game_state.h"
#include "course/contact_handlers.h"
#include "course/materials.h"
#include "tests/newton_test_support.h"

using namespace newton_test;

namespace {

// The values every ball/surface pair should carry; elasticity per ball 1..4.
struct ExpectedPair {
    const char* surface;
    float softness;
    float elasticity[kMaxPlayers];
    float staticFriction;
    float kineticFriction;
};
const ExpectedPair kGrass{"grass", 0.3f, {0.3f, 0.3f, 0.3f, 0.3f}, 0.75f, 0.64f};
const ExpectedPair kBricks{"bricks", 0.1f, {0.8f, 0.7f, 0.7f, 0.7f}, 0.3f, 0.24f};
const ExpectedPair kGround{"ground", 0.9f, {0.2f, 0.2f, 0.2f, 0.2f}, 0.7f, 0.64f};
const ExpectedPair kCup{"cup", 0.9f, {0.1f, 0.05f, 0.1f, 0.1f}, 0.7f, 0.64f};
const ExpectedPair kFlagpole{"flagpole", 0.9f, {0.05f, 0.1f, 0.05f, 0.05f}, 0.1f, 0.1f};
const ExpectedPair kPipes{"pipes", 0.9f, {0.2f, 0.2f, 0.2f, 0.2f}, 0.1f, 0.1f};
const ExpectedPair kMovingPart{"moving part", 0.9f, {0.6f, 0.6f, 0.6f, 0.6f}, 0.1f, 0.1f};

NewtonBody* addBody(NewtonWorld* world)
{
    NewtonCollision* box = NewtonCreateBox(world, 1, 1, 1, 0, nullptr);
    NewtonBody* body = NewtonCreateBody(world, box);
    NewtonReleaseCollision(world, box);
    return body;
}

// Builds the bodies a hole has, as its builder would, for `players` balls.
void buildHoleBodies(int32_t hole, int32_t players)
{
    CourseBodies& bodies = game.bodies;
    bodies = CourseBodies{};
    for (BodyNode* pair : {&bodies.ground, &bodies.bricks, &bodies.grass, &bodies.cup, &bodies.flagpole}) {
        pair->body = addBody(game.world);
    }
    const bool pipes = hole == 4 || hole == 5 || hole == 6 || hole == 7 || hole == 8 || hole == 13 || hole == 18;
    if (pipes) bodies.pipes.body = addBody(game.world);
    if (hole == 6 || hole == 7 || hole == 8) bodies.slickPipes.body = addBody(game.world);
    if (hole == 5 || hole == 8 || hole == 18) {
        bodies.blade.body = addBody(game.world);
        bodies.pivot.body = addBody(game.world);
    }
    for (int32_t ball = 1; ball <= players; ++ball) bodies.ball[ball].body = addBody(game.world);
    game.match.currentHole = hole;
    game.match.playerCount = players;
}

class MaterialsTest : public ::testing::Test {
protected:
    void SetUp() override { game.world = NewtonCreate(); }
    void TearDown() override
    {
        NewtonDestroy(game.world);
        game.world = nullptr;
        game.bodies = CourseBodies{};
    }

    static NewtonMaterialPairValues pair(int32_t group0, int32_t group1)
    {
        NewtonMaterialPairValues values;
        NewtonMaterialGetPairValues(game.world, group0, group1, &values);
        return values;
    }
};

TEST_F(MaterialsTest, ElevenGroupsAreCreatedInOrderOnEveryBuild)
{
    for (int build = 0; build < 3; ++build) {
        buildHoleBodies(-1, 1);
        const int32_t first = NewtonMaterialCreateGroupID(game.world) + 1;
        setupMaterials();
        const MaterialGroups& g = game.groups;
        const int32_t order[] = {g.ballGroup[1], g.ballGroup[2], g.ballGroup[3],   g.ballGroup[4],
                                 g.groundGroup,  g.grassGroup,   g.bricksGroup,    g.cupGroup,
                                 g.flagpoleGroup, g.pipesGroup,  g.slickPipesGroup};
        for (int i = 0; i < 11; ++i) EXPECT_EQ(order[i], first + i) << "build " << build << ", group " << i;
        NewtonDestroyAllBodies(game.world);
    }
}

TEST_F(MaterialsTest, PairsFollowTheHoleAndThePlayerCount)
{
    for (int32_t hole : {-1, 4, 7, 18}) {
        for (int32_t players = 1; players <= kMaxPlayers; ++players) {
            SCOPED_TRACE(::testing::Message() << "hole " << hole << ", " << players << " players");
            buildHoleBodies(hole, players);
            setupMaterials();
            const MaterialGroups& g = game.groups;
            const CourseBodies& bodies = game.bodies;

            // Bodies in their groups; pipes are in their own group only on hole 4 of these.
            EXPECT_EQ(NewtonBodyGetMaterialGroupID(bodies.grass.body), g.grassGroup);
            EXPECT_EQ(NewtonBodyGetMaterialGroupID(bodies.bricks.body), g.bricksGroup);
            EXPECT_EQ(NewtonBodyGetMaterialGroupID(bodies.ground.body), g.groundGroup);
            EXPECT_EQ(NewtonBodyGetMaterialGroupID(bodies.cup.body), g.cupGroup);
            EXPECT_EQ(NewtonBodyGetMaterialGroupID(bodies.flagpole.body), g.flagpoleGroup);
            if (bodies.pipes.body) {
                EXPECT_EQ(NewtonBodyGetMaterialGroupID(bodies.pipes.body), hole == 4 ? g.pipesGroup : 0);
            }
            if (bodies.slickPipes.body) {
                EXPECT_EQ(NewtonBodyGetMaterialGroupID(bodies.slickPipes.body), g.slickPipesGroup);
            }
            if (bodies.blade.body) {
                EXPECT_EQ(NewtonBodyGetMaterialGroupID(bodies.blade.body), 0);
            }

            for (int32_t ball = 1; ball <= kMaxPlayers; ++ball) {
                const bool exists = ball <= players;
                const int32_t group = g.ballGroup[ball];
                if (exists) {
                    EXPECT_EQ(NewtonBodyGetMaterialGroupID(bodies.ball[ball].body), group);
                }
                const BallContactHandlers& handlers = kBallContactHandlers[ball];
                const struct {
                    const ExpectedPair& expected;
                    int32_t surface;
                    bool configured;
                    NewtonContactsProcess handler;
                } surfaces[] = {
                    {kGrass, g.grassGroup, exists, handlers.grass},
                    {kBricks, g.bricksGroup, exists, handlers.bricks},
                    {kGround, g.groundGroup, exists, handlers.ground},
                    {kCup, g.cupGroup, exists, handlers.cup},
                    {kFlagpole, g.flagpoleGroup, exists, handlers.flagpole},
                    {kPipes, g.pipesGroup, exists && hole == 4, handlers.pipes},
                    {kMovingPart, 0, exists && hole == 18, handlers.movingPart},
                };
                for (const auto& s : surfaces) {
                    SCOPED_TRACE(::testing::Message() << "ball " << ball << " on " << s.expected.surface);
                    const NewtonMaterialPairValues values = pair(s.surface, group);
                    ASSERT_EQ(values.configured, s.configured ? 1 : 0);
                    if (!s.configured) continue;
                    EXPECT_EQ(values.softness, s.expected.softness);
                    EXPECT_EQ(values.elasticity, s.expected.elasticity[ball - 1]);
                    EXPECT_EQ(values.staticFriction, s.expected.staticFriction);
                    EXPECT_EQ(values.kineticFriction, s.expected.kineticFriction);
                    EXPECT_EQ(values.collidable, 1);
                    EXPECT_EQ(values.userData, bodies.ball[ball].body);
                    EXPECT_EQ(values.aabbOverlap, nullptr);
                    EXPECT_EQ(values.process, s.handler);
                }
                EXPECT_EQ(pair(group, g.slickPipesGroup).configured, 0) << "slick pipes keep the defaults";
            }

            // Ball pairs: the first ball of each pair carries the user data; none collide yet.
            const int32_t ballPairs[][2] = {{1, 2}, {3, 1}, {3, 2}, {4, 1}, {4, 2}, {4, 3}};
            for (const auto& [first, second] : ballPairs) {
                const NewtonMaterialPairValues values = pair(g.ballGroup[second], g.ballGroup[first]);
                const bool exists = first <= players && second <= players;
                ASSERT_EQ(values.configured, exists ? 1 : 0) << "balls " << first << " and " << second;
                if (!exists) continue;
                EXPECT_EQ(values.collidable, 0);
                EXPECT_EQ(values.softness, 0.7f);
                EXPECT_EQ(values.elasticity, 0.6f);
                EXPECT_EQ(values.staticFriction, 0.45f);
                EXPECT_EQ(values.kineticFriction, 0.35f);
                EXPECT_EQ(values.userData, bodies.ball[first].body);
                EXPECT_EQ(values.process, ballToBallContact);
            }
            NewtonDestroyAllBodies(game.world);
        }
    }
}

// Two balls built on top of each other fall through one another at the hole's start.
TEST_F(MaterialsTest, BallsOfANewHolePassThroughEachOther)
{
    game.match.currentHole = -1;
    game.match.playerCount = 2;
    BallDrive drive;
    drive.gravity = false;
    game.bodies.ball[1].body = makeBall(game.world, &drive, 0, 3, 0);
    game.bodies.ball[2].body = makeBall(game.world, &drive, 0.2f, 3, 0);
    setupMaterials();
    run(game.world, 20);
    EXPECT_EQ(positionOf(game.bodies.ball[1].body).x, 0.0f);
    EXPECT_EQ(positionOf(game.bodies.ball[2].body).x, 0.2f);
}

}  // namespace
