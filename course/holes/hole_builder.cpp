#include "course/holes/hole_builder.h"

#include <iostream>
#include <string>

#include "app/game_state.h"
#include "app/replay.h"
#include "course/ball_and_putter.h"
#include "course/blade.h"
#include "course/holes/computer_routes.h"
#include "course/holes/hole_table.h"
#include "course/materials.h"
#include "course/tree_collision.h"
#include "presentation/backdrop.h"
#include "presentation/hud.h"
#include "presentation/shaders.h"
#include "presentation/textures.h"

namespace {

using irr::video::SColor;

constexpr float kCameraStart[3] = {10, 5, -20};
constexpr float kCameraLookAt[3] = {0, 0, 100};
constexpr float kFlagScale = 0.7f;
constexpr float kFlagAboveCup = 1.5f;
constexpr float kPracticeFlagHeight = 2.0f;
constexpr float kFlagFramesPerSecond = 30.0f;
constexpr float kLightRadius = 100.0f;
constexpr float kPondLevelAbove = -100.0f;  // a water plane above this is in sight: a pond
constexpr float kPondRepeats = 160.0f;      // texture repeats across the 800-unit plane: one every 5 units
constexpr float kBladeTurnPerFrame = 0.15f;  // the windmill blades' rotation animator, degrees per ms/10

irr::scene::ISceneManager* scene() { return game.engine.sceneManager; }

irr::scene::IAnimatedMesh* findModel(const std::string& file)
{
    return scene()->getMesh(("../Contents/Models/" + file).c_str());
}

irr::scene::IAnimatedMesh* loadModel(const std::string& file)
{
    irr::scene::IAnimatedMesh* mesh = findModel(file);
    if (!mesh) std::cerr << "Missing model " << file << ": left out of the hole" << std::endl;
    return mesh;
}

void applyFiltering(irr::scene::ISceneNode* node)
{
    if (node && game.options.highTextureQuality) node->setMaterialFlag(irr::video::EMF_ANISOTROPIC_FILTER, true);
}

void applyPlacement(irr::scene::ISceneNode* node, const Placement& place)
{
    node->setScale({place.scale[0], place.scale[1], place.scale[2]});
    node->setPosition({place.position[0], place.position[1], place.position[2]});
    node->setRotation({place.rotation[0], place.rotation[1], place.rotation[2]});
}

// A hole surface's mesh and its tree collision, in the mesh's own coordinates. The tree
// goes on building on the physics worker after this returns.
struct Surface {
    irr::scene::IAnimatedMesh* mesh = nullptr;
    NewtonCollision* tree = nullptr;
};

// The surfaces that collide, loaded before everything else so that their trees build
// while the scenery and the textures load. Their bodies are made later, in build order.
struct Surfaces {
    Surface ground, bricks, pipes, slickPipes, grass, cup;
};

Surface loadSurface(const std::string& file)
{
    Surface surface{loadModel(file), NewtonCreateTreeCollision(game.world, 0)};
    NewtonTreeCollisionBeginBuild(surface.tree);
    buildTreeCollision(surface.mesh, surface.tree);
    NewtonTreeCollisionEndBuild(surface.tree, 0);
    return surface;
}

std::string holeModel(int32_t hole, const char* part)
{
    return "hole_" + std::to_string(holeFileNumber(hole)) + "_" + part + ".b3d";
}

Surfaces loadSurfaces(const HoleRow& row)
{
    Surfaces surfaces;
    surfaces.ground = loadSurface(holeModel(row.hole, "ground"));
    surfaces.bricks = loadSurface(holeModel(row.hole, "bricks"));
    if (row.pipes) surfaces.pipes = loadSurface(holeModel(row.hole, "pipes"));
    if (row.slickPipes) surfaces.slickPipes = loadSurface(holeModel(row.hole, "slickpipes"));
    surfaces.grass = loadSurface(holeModel(row.hole, "grass"));
    surfaces.cup = loadSurface(holeModel(row.hole, "cup"));
    return surfaces;
}

// A static body holding a surface's tree collision.
NewtonBody* staticBody(const Surface& surface, bool identityMatrix)
{
    NewtonBody* body = NewtonCreateBody(game.world, surface.tree);
    if (identityMatrix) {
        const float origin[3] = {0, 0, 0};
        float matrix[16];
        translationMatrix(origin, matrix);
        NewtonBodySetMatrix(body, matrix);
    }
    return body;
}

// A hole surface: a plain mesh node and its collision body.
BodyNode addSurface(const Surface& surface, bool identityMatrix)
{
    BodyNode added;
    if (surface.mesh) added.node = scene()->addMeshSceneNode(surface.mesh->getMesh(0));
    added.body = staticBody(surface, identityMatrix);
    return added;
}

void setFog()
{
    game.engine.driver->setFog(SColor(0, 138, 125, 81), irr::video::EFT_FOG_LINEAR, 50, 150, 0.1f, true, true);
}

void addCamera()
{
    game.scene.camera = scene()->addCameraSceneNode(nullptr, {kCameraStart[0], kCameraStart[1], kCameraStart[2]},
                                                    {kCameraLookAt[0], kCameraLookAt[1], kCameraLookAt[2]}, -1, true);
}

void dressAsLevelWater(irr::scene::ISceneNode* node)
{
    node->setMaterialTexture(0, texture("water.png"));
    node->setMaterialTexture(1, texture("waternormal.jpg"));
    if (game.options.shadersEnabled) {
        setMaterialType(node, waterHMaterial());
    } else {
        node->setMaterialTexture(0, texture("water2.jpg"));
        node->setMaterialType(irr::video::EMT_TRANSPARENT_ADD_COLOR);
    }
}

void addWaterPlane(const HoleRow& row)
{
    // A pond in sight (holes 3 and 7) repeats its ripples every few units; far below play the
    // plane keeps the coarse repeat, as nobody sees it.
    const bool pond = row.waterLevel > kPondLevelAbove;
    const irr::core::dimension2df repeats = pond ? irr::core::dimension2df{kPondRepeats, kPondRepeats}
                                                 : irr::core::dimension2df{10, 10};
    irr::scene::IAnimatedMesh* hill = scene()->addHillPlaneMesh("myHill", {20, 20}, {40, 40}, nullptr, 0,
                                                                 {0, 0}, repeats);
    irr::scene::ISceneNode* water = scene()->addWaterSurfaceSceneNode(hill->getMesh(0), 0.5f, 2000.0f, 10.0f);
    water->setPosition({0, row.waterLevel, 0});
    if (pond && game.options.shadersEnabled) {
        // Dressed like the troughs' level water: the plain wet-stone layer read as a hole in the ground.
        dressAsLevelWater(water);
    } else if (pond) {
        // Without shaders the troughs' additive streaks would wash the pond out white: plain lit-off water.
        water->setMaterialTexture(0, texture("water1.jpg"));
        water->setMaterialFlag(irr::video::EMF_LIGHTING, false);
    } else if (row.waterPlaneTextured) {
        water->setMaterialTexture(0, texture("wall1.jpg"));
        water->setMaterialTexture(1, texture("water1.jpg"));
    }
    game.scene.waterPlane = water;
}

irr::scene::ISceneNode* addSkyBox()
{
    irr::video::ITexture* top = texture("top1.jpg");
    return scene()->addSkyBoxSceneNode(top, top, texture("left1.jpg"), texture("right1.jpg"), texture("front1.jpg"),
                                       texture("back1.jpg"));
}

// The terrain is drawn with the sky, after the solid surfaces (presentation/backdrop.h).
void addTerrain(const HoleRow& row, const Surface& surface, irr::scene::ISceneNode* sky)
{
    game.scene.terrainTexture = texture(row.terrain);
    irr::scene::IAnimatedMesh* mesh = surface.mesh;
    BodyNode ground{staticBody(surface, false), addBackdrop(mesh ? mesh->getMesh(0) : nullptr, sky)};
    if (mesh) {
        ground.node->setMaterialTexture(0, game.scene.terrainTexture);
        setEmissive(ground.node, 100);
        ground.node->setMaterialFlag(irr::video::EMF_LIGHTING, false);
        applyFiltering(ground.node);
    }
    game.bodies.ground = {ground.body, nullptr};  // the ground is never synchronised
}

// Normal textures go on layer 1 only where a shader reads them: the fixed-function
// materials would multiply the colour by the normal map.
void setNormalTexture(irr::scene::ISceneNode* node, const std::string& file)
{
    if (!file.empty() && shaderMaterialsActive()) node->setMaterialTexture(1, texture(file));
}

void addSceneryItem(const SceneryItem& item)
{
    irr::scene::IAnimatedMesh* mesh = loadModel(item.model);
    if (!mesh) return;
    // Plain mesh nodes: the engine's octree node culls scaled models wrongly (houses vanish).
    irr::scene::ISceneNode* node = scene()->addMeshSceneNode(mesh->getMesh(0));
    node->setMaterialTexture(0, texture(item.texture));
    applyPlacement(node, item.place);
    applyFiltering(node);
    // A mirrored placement (scale -8) turns every face inside out; show both sides.
    const float* k = item.place.scale;
    if (k[0] * k[1] * k[2] < 0) node->setMaterialFlag(irr::video::EMF_BACK_FACE_CULLING, false);
    if (item.look == SceneryLook::Brush) {
        node->setMaterialFlag(irr::video::EMF_LIGHTING, false);
        node->setMaterialType(irr::video::EMT_TRANSPARENT_ALPHA_CHANNEL);
        setEmissive(node, 100);
        return;
    }
    setNormalTexture(node, item.normal);
    setEmissive(node, 178);
    if (game.options.shadersEnabled)
        setMaterialType(node, item.look == SceneryLook::Bump ? bumpMaterial() : normalMaterial());
    if (item.look == SceneryLook::WindmillBlades) {
        irr::scene::ISceneNodeAnimator* turn = scene()->createRotationAnimator({0, 0, kBladeTurnPerFrame});
        node->addAnimator(turn);
        turn->drop();
    }
}

void addWaterMesh(const WaterItem& water)
{
    irr::scene::IAnimatedMesh* mesh = loadModel(water.model);
    if (!mesh) return;
    irr::scene::ISceneNode* node = scene()->addMeshSceneNode(mesh->getMesh(0));
    if (water.falling && game.options.shadersEnabled) {
        node->setMaterialTexture(0, texture("water.png"));
        node->setMaterialTexture(1, texture("waternormal.jpg"));
        setMaterialType(node, waterVMaterial());
    } else {
        dressAsLevelWater(node);
    }
}

void addBricks(const Surface& surface)
{
    BodyNode bricks = addSurface(surface, true);
    if (bricks.node) {
        bricks.node->setMaterialTexture(0, texture("brick.jpg"));
        setNormalTexture(bricks.node, "brickNormal.jpg");
        setEmissive(bricks.node, 178);
        if (game.options.shadersEnabled) setMaterialType(bricks.node, normalMaterial());
    }
    game.bodies.bricks = bricks;
}

// Like the grass, a pipe surface is drawn from its lighter twin (`drawnFile`); without
// it, from the mesh the ball rolls on.
void drawFromTwin(irr::scene::ISceneNode* node, const std::string& drawnFile)
{
    if (irr::scene::IAnimatedMesh* drawn = findModel(drawnFile)) {
        static_cast<irr::scene::IMeshSceneNode*>(node)->setMesh(drawn->getMesh(0));
        return;
    }
    std::cerr << "Missing model " << drawnFile << ": the full mesh is drawn instead" << std::endl;
}

BodyNode addPipeSurface(const Surface& surface, const std::string& normal, const std::string& drawnFile)
{
    BodyNode pipes = addSurface(surface, false);
    if (pipes.node) {
        drawFromTwin(pipes.node, drawnFile);
        pipes.node->setMaterialTexture(0, texture("pipes.jpg"));
        setNormalTexture(pipes.node, normal);
        setEmissive(pipes.node, 178);
        if (game.options.shadersEnabled) setMaterialType(pipes.node, normalMaterial());
    }
    return {pipes.body, nullptr};  // pipes are never synchronised
}

void addPipes(const HoleDefinition& definition, const HoleRow& row, const Surfaces& surfaces)
{
    auto pipes = [&] {
        if (row.pipes)
            game.bodies.pipes = addPipeSurface(surfaces.pipes, definition.pipesNormal, holeModel(row.hole, "pipesview"));
    };
    auto slick = [&] {
        if (row.slickPipes)
            game.bodies.slickPipes =
                addPipeSurface(surfaces.slickPipes, definition.pipesNormal, holeModel(row.hole, "slickpipesview"));
    };
    if (definition.slickPipesFirst) {
        slick();
        pipes();
    } else {
        pipes();
        slick();
    }
}

// The ball rolls on the full grass; the node draws its lighter twin (the same shape in
// fewer cells).
void addGrass(const HoleRow& row, const Surface& surface)
{
    BodyNode grass = addSurface(surface, true);
    if (grass.node) {
        drawFromTwin(grass.node, holeModel(row.hole, "grassview"));
        hideGroundUnder(static_cast<irr::scene::IMeshSceneNode*>(grass.node)->getMesh());
        grass.node->setMaterialTexture(0, texture("grass.jpg"));
        setEmissive(grass.node, 178);
    }
    game.bodies.grass = grass;
}

void addCup(const Surface& surface)
{
    BodyNode cup = addSurface(surface, true);
    if (cup.node) {
        cup.node->setMaterialTexture(0, texture("black.jpg"));
        setEmissive(cup.node, 130);
        if (game.options.shadersEnabled) setMaterialType(cup.node, specularReflectionMaterial());
    }
    game.bodies.cup = cup;
}

void addFlagpole(const HoleRow& row)
{
    irr::scene::IAnimatedMesh* mesh = loadModel("flagpole.b3d");
    irr::scene::IAnimatedMeshSceneNode* node = mesh ? scene()->addAnimatedMeshSceneNode(mesh) : nullptr;
    if (node) {
        node->setMaterialTexture(0, texture("white.jpg"));
        node->setMaterialTexture(1, texture("metal.jpg"));
        node->setMaterialType(irr::video::EMT_REFLECTION_2_LAYER);
        setEmissive(node, 178);
        if (game.options.shadersEnabled) setMaterialType(node, specularReflectionMaterial());
    }
    NewtonCollision* box = NewtonCreateBox(game.world, 0.1f, 8, 0.1f, 0, nullptr);
    NewtonBody* body = NewtonCreateBody(game.world, box);
    NewtonBodySetContinuousCollisionMode(body, 1);
    NewtonReleaseCollision(game.world, box);
    NewtonBodySetUserData(body, node);
    NewtonBodySetMassMatrix(body, 0, 1, 1, 1);
    float matrix[16];
    translationMatrix(row.cup, matrix);
    NewtonBodySetMatrix(body, matrix);
    game.bodies.flagpole = {body, node};
    game.scene.flagpole = node;
    if (node) node->setPosition({row.cup[0], row.cup[1], row.cup[2]});
}

void addFlag(const HoleDefinition& definition, const HoleRow& row)
{
    irr::scene::IAnimatedMesh* mesh = loadModel("flag.b3d");
    if (!mesh) return;
    irr::scene::IAnimatedMeshSceneNode* flag = scene()->addAnimatedMeshSceneNode(mesh);
    flag->setMaterialTexture(0, texture("flag.jpg"));
    flag->setAnimationSpeed(kFlagFramesPerSecond);
    flag->setScale({kFlagScale, kFlagScale, kFlagScale});
    const float y = definition.flagAtFixedHeight ? kPracticeFlagHeight : row.cup[1] + kFlagAboveCup;
    flag->setPosition({row.cup[0], y, row.cup[2]});
    // Both faces of the cloth (front and back materials): the side turned from the light stays red, not black.
    for (irr::u32 m = 0; m < flag->getMaterialCount(); ++m)
        flag->getMaterial(m).EmissiveColor = SColor(0, 178, 178, 178);
    game.scene.flag = flag;
}

void addLight()
{
    irr::scene::ILightSceneNode* light = scene()->addLightSceneNode(nullptr, {0, 0, 0}, SColor(255, 255, 255, 255),
                                                                     kLightRadius);
    light->setLightType(irr::video::ELT_DIRECTIONAL);
    light->setRotation({45, 30, 0});
    game.scene.light = light;
}

void addTitles(const HoleRow& row)
{
    game.hud.holeTitle = addImage(row.banner, 20, 20);
    game.hud.parImage = addImage("par" + std::to_string(row.par) + ".png", 20, 82);
    game.match.holePar = row.par;
}

}  // namespace

void buildHole(const HoleDefinition& definition)
{
    const HoleRow* row = holeRow(definition.hole);
    if (!row) return;
    game.match.currentHole = definition.hole;
    game.bodies = CourseBodies{};
    game.scene = HoleScene{};
    const Surfaces surfaces = loadSurfaces(*row);
    setFog();
    addCamera();
    addWaterPlane(*row);
    addTerrain(*row, surfaces.ground, addSkyBox());
    for (const SceneryItem& item : definition.scenery) addSceneryItem(item);
    for (const WaterItem& water : definition.water) addWaterMesh(water);
    addBricks(surfaces.bricks);
    addPipes(definition, *row, surfaces);
    addGrass(*row, surfaces.grass);
    addCup(surfaces.cup);
    if (row->blade) addBladeOnPin(*bladeRow(row->hole));
    addFlagpole(*row);
    addFlag(definition, *row);
    addLight();
    buildBallsAndPutters();
    buildHud();
    addTitles(*row);
    game.camera.flySegment = 3;
    game.camera.flyPath = definition.flyPath;
    loadFlySegment(definition.flyPath, 3);
    if (definition.hole > 0) {
        seedRandom();
        setupComputerRoutes(definition.hole);
    }
    setupMaterials();
    // The build ends when the last tree collision is complete, before the first physics step.
    NewtonTreeCollisionFinishBuilds(game.world);
}

HoleBuilder holeBuilder(int32_t hole)
{
    switch (hole) {
    case -1: return buildPracticeHole;
    case 1: return buildHole1;
    case 2: return buildHole2;
    case 3: return buildHole3;
    case 4: return buildHole4;
    case 5: return buildHole5;
    case 6: return buildHole6;
    case 7: return buildHole7;
    case 11: return buildHole11;
    case 12: return buildHole12;
    case 17: return buildHole17;
    case 18: return buildHole18;
    case 15: return buildHole15;
    case 16: return buildHole16;
    case 8: return buildHole8;
    case 9: return buildHole9;
    case 10: return buildHole10;
    case 13: return buildHole13;
    case 14: return buildHole14;
    default: return nullptr;
    }
}
