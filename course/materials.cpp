#include "course/materials.h"

#include <algorithm>

#include "app/game_state.h"
#include "course/contact_handlers.h"

namespace {

// One ball/surface pair kind. Elasticity is given per ball 1..4.
struct SurfacePair {
    int32_t MaterialGroups::*group;  // null: the world's group 0, the moving part
    bool (*onHole)(int32_t hole);    // null: every hole
    float softness;
    float elasticity[kMaxPlayers];
    float staticFriction;
    float kineticFriction;
    NewtonContactsProcess BallContactHandlers::*handler;
};

// In the order each ball's pairs are configured.
const SurfacePair kSurfacePairs[] = {
    {&MaterialGroups::grassGroup, nullptr, 0.3f, {0.3f, 0.3f, 0.3f, 0.3f}, 0.75f, 0.64f, &BallContactHandlers::grass},
    {&MaterialGroups::bricksGroup, nullptr, 0.1f, {0.8f, 0.7f, 0.7f, 0.7f}, 0.3f, 0.24f, &BallContactHandlers::bricks},
    {&MaterialGroups::groundGroup, nullptr, 0.9f, {0.2f, 0.2f, 0.2f, 0.2f}, 0.7f, 0.64f, &BallContactHandlers::ground},
    {&MaterialGroups::cupGroup, nullptr, 0.9f, {0.1f, 0.05f, 0.1f, 0.1f}, 0.7f, 0.64f, &BallContactHandlers::cup},
    {&MaterialGroups::flagpoleGroup, nullptr, 0.9f, {0.05f, 0.1f, 0.05f, 0.05f}, 0.1f, 0.1f,
     &BallContactHandlers::flagpole},
    {&MaterialGroups::pipesGroup, holeHasPipesGroup, 0.9f, {0.2f, 0.2f, 0.2f, 0.2f}, 0.1f, 0.1f,
     &BallContactHandlers::pipes},
    {nullptr, holeHasBlade, 0.9f, {0.6f, 0.6f, 0.6f, 0.6f}, 0.1f, 0.1f, &BallContactHandlers::movingPart},
};

// Ball pairs, in order; each exists once both balls do. They start non-collidable:
// at the start of a hole balls pass through each other.
constexpr int32_t kBallPairs[][2] = {{1, 2}, {3, 1}, {3, 2}, {4, 1}, {4, 2}, {4, 3}};
constexpr float kBallPairSoftness = 0.7f;
constexpr float kBallPairElasticity = 0.6f;
constexpr float kBallPairStaticFriction = 0.45f;
constexpr float kBallPairKineticFriction = 0.35f;

void createGroups(MaterialGroups& groups)
{
    NewtonWorld* world = game.world;
    for (int32_t ball = 1; ball <= kMaxPlayers; ++ball) groups.ballGroup[ball] = NewtonMaterialCreateGroupID(world);
    for (int32_t MaterialGroups::*group :
         {&MaterialGroups::groundGroup, &MaterialGroups::grassGroup, &MaterialGroups::bricksGroup,
          &MaterialGroups::cupGroup, &MaterialGroups::flagpoleGroup, &MaterialGroups::pipesGroup,
          &MaterialGroups::slickPipesGroup}) {
        groups.*group = NewtonMaterialCreateGroupID(world);
    }
}

// Bodies the hole does not have are skipped.
void assignGroup(const BodyNode& pair, int32_t group)
{
    if (pair.body) NewtonBodySetMaterialGroupID(pair.body, group);
}

void assignSurfaces(const CourseBodies& bodies, const MaterialGroups& groups, int32_t hole)
{
    assignGroup(bodies.grass, groups.grassGroup);
    assignGroup(bodies.bricks, groups.bricksGroup);
    assignGroup(bodies.cup, groups.cupGroup);
    assignGroup(bodies.flagpole, groups.flagpoleGroup);
    assignGroup(bodies.ground, groups.groundGroup);
    if (holeHasPipesGroup(hole)) assignGroup(bodies.pipes, groups.pipesGroup);
    if (holeHasBlade(hole)) assignGroup(bodies.blade, NewtonMaterialGetDefaultGroupID(game.world));
    if (holeHasSlickPipes(hole)) assignGroup(bodies.slickPipes, groups.slickPipesGroup);
}

void configurePair(int32_t group0, int32_t group1, float softness, float elasticity, float staticFriction,
                   float kineticFriction, int collidable, NewtonBody* userData, NewtonContactsProcess handler)
{
    NewtonWorld* world = game.world;
    NewtonMaterialSetDefaultSoftness(world, group0, group1, softness);
    NewtonMaterialSetDefaultElasticity(world, group0, group1, elasticity);
    NewtonMaterialSetDefaultFriction(world, group0, group1, staticFriction, kineticFriction);
    NewtonMaterialSetDefaultCollidable(world, group0, group1, collidable);
    NewtonMaterialSetCollisionCallback(world, group0, group1, userData, nullptr, handler);
}

void configureBall(int32_t ball, const CourseBodies& bodies, const MaterialGroups& groups, int32_t hole)
{
    const int32_t ballGroup = groups.ballGroup[ball];
    assignGroup(bodies.ball[ball], ballGroup);
    for (const SurfacePair& pair : kSurfacePairs) {
        if (pair.onHole && !pair.onHole(hole)) continue;
        const int32_t surface = pair.group ? groups.*pair.group : NewtonMaterialGetDefaultGroupID(game.world);
        configurePair(ballGroup, surface, pair.softness, pair.elasticity[ball - 1], pair.staticFriction,
                      pair.kineticFriction, 1, bodies.ball[ball].body, kBallContactHandlers[ball].*pair.handler);
    }
}

}  // namespace

void setupMaterials()
{
    MaterialGroups& groups = game.groups;
    const CourseBodies& bodies = game.bodies;
    const int32_t hole = game.match.currentHole;
    const int32_t players = std::clamp(game.match.playerCount, 1, kMaxPlayers);
    createGroups(groups);
    assignSurfaces(bodies, groups, hole);
    for (int32_t ball = 1; ball <= players; ++ball) configureBall(ball, bodies, groups, hole);
    for (const auto& [first, second] : kBallPairs) {
        if (std::max(first, second) > players) continue;
        configurePair(groups.ballGroup[first], groups.ballGroup[second], kBallPairSoftness, kBallPairElasticity,
                      kBallPairStaticFriction, kBallPairKineticFriction, 0, bodies.ball[first].body,
                      ballToBallContact);
    }
}
