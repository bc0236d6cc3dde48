#include "course/ball_and_putter.h"

#include <string>

#include "app/game_state.h"
#include "presentation/shaders.h"
#include "presentation/textures.h"

namespace {

constexpr float kBallScale = 0.2f;             // ball.b3d has radius 1.25
constexpr float kPutterScale = 0.5f;
constexpr float kOwnBrakeOnSand = -150.0f;     // the current ball after touching the sand
constexpr float kRestingBrake = -50.0f;        // balls out of turn, nearly still
constexpr float kMovingBrake = -20.0f;         // balls out of turn, knocked away
constexpr float kSandBrake = -150.0f;
constexpr float kSlowSum = 3.0f;

// Tee positions along x, by player count.
constexpr float kTeeX[kMaxPlayers + 1][kMaxPlayers + 1] = {
    {},
    {0, 0.0f},
    {0, -1.0f, 1.0f},
    {0, 0.0f, 1.0f, -1.0f},
    {0, -0.5f, 0.5f, 1.5f, -1.5f},
};
constexpr float kTeeHeight = 3.0f;

using irr::video::SColor;

irr::scene::IAnimatedMeshSceneNode* addPutterPart(const char* model)
{
    irr::scene::ISceneManager* smgr = game.engine.sceneManager;
    irr::scene::IAnimatedMesh* mesh = smgr->getMesh((std::string("../Contents/Models/") + model).c_str());
    if (!mesh) return nullptr;
    irr::scene::IAnimatedMeshSceneNode* node = smgr->addAnimatedMeshSceneNode(mesh);
    node->setScale({kPutterScale, kPutterScale, kPutterScale});
    node->setPosition({0, 2, -37});
    setEmissive(node, 128);
    node->setLoopMode(false);
    node->setAnimationSpeed(0);
    node->setVisible(false);
    return node;
}

void buildPutter()
{
    HoleScene& scene = game.scene;
    scene.putterHandle = addPutterPart("putterHandle.b3d");
    if (scene.putterHandle) setMaterialType(scene.putterHandle, plasticMaterial());
    scene.putterShaft = addPutterPart("putterShaft.b3d");
    if (scene.putterShaft) {
        scene.putterShaft->setMaterialTexture(0, texture("metal.jpg"));
        scene.putterShaft->setMaterialTexture(1, texture("metal.jpg"));
        scene.putterShaft->setMaterialType(irr::video::EMT_REFLECTION_2_LAYER);
        if (game.options.shadersEnabled) setMaterialType(scene.putterShaft, specularMaterial());
    }
}

irr::scene::ISceneNode* addBallNode()
{
    irr::scene::ISceneManager* smgr = game.engine.sceneManager;
    irr::scene::IAnimatedMesh* mesh = smgr->getMesh("../Contents/Models/ball.b3d");
    if (!mesh) return nullptr;
    irr::scene::IMeshSceneNode* node = smgr->addMeshSceneNode(mesh->getMesh(0), nullptr, -1, {0, 1, 0});
    node->setScale({kBallScale, kBallScale, kBallScale});
    setEmissive(node, 178);
    node->setVisible(false);
    node->setMaterialType(irr::video::EMT_TRANSPARENT_ADD_COLOR);
    return node;
}

void buildBall(int32_t ball)
{
    irr::scene::ISceneNode* node = addBallNode();
    NewtonCollision* sphere = NewtonCreateSphere(game.world, kBallRadius, kBallRadius, kBallRadius, 0, nullptr);
    NewtonBody* body = NewtonCreateBody(game.world, sphere);
    NewtonBodySetContinuousCollisionMode(body, 1);
    NewtonReleaseCollision(game.world, sphere);
    NewtonBodySetUserData(body, node);
    NewtonBodySetMassMatrix(body, kBallMass, kBallInertia, kBallInertia, kBallInertia);
    float start[3], matrix[16];
    ballStartPosition(game.match.playerCount, ball, start);
    translationMatrix(start, matrix);
    NewtonBodySetMatrix(body, matrix);
    NewtonBodySetForceAndTorqueCallback(body, ballForceCallback);
    game.bodies.ball[ball] = {body, node};
}

void buildWaterSplash()
{
    irr::scene::ISceneManager* smgr = game.engine.sceneManager;
    irr::scene::IParticleSystemSceneNode* splash = smgr->addParticleSystemSceneNode(true, nullptr, -1);
    irr::scene::IParticleEmitter* emitter = splash->createBoxEmitter(
        irr::core::aabbox3df(-0.1f, -0.1f, -0.1f, 0.1f, 0.1f, 0.1f), {0, 0.007f, 0}, 10, 10,
        SColor(255, 0, 0, 0), SColor(255, 255, 255, 255), 1000, 1000, 0, {3, 3}, {3, 3});
    splash->setEmitter(emitter);
    emitter->drop();
    irr::scene::IParticleAffector* gravity = splash->createGravityAffector({0, -0.03f, 0}, 500);
    splash->addAffector(gravity);
    gravity->drop();
    splash->setMaterialTexture(0, game.engine.driver->getTexture("../Contents/Particles/water.jpg"));
    splash->setMaterialType(irr::video::EMT_TRANSPARENT_ADD_COLOR);
    splash->setPosition({0, 10, 0});
    if (game.bodies.ball[1].node) splash->setPosition(game.bodies.ball[1].node->getPosition());
    splash->setVisible(false);
    game.scene.waterSplash = splash;
}

void setBallForce(int32_t k)
{
    NewtonBody* body = game.bodies.ball[k].body;
    if (!body) return;
    float mass, ix, iy, iz, v[3];
    NewtonBodyGetMassMatrix(body, &mass, &ix, &iy, &iz);
    NewtonBodyGetVelocity(body, v);
    const TurnState& turn = game.turn;
    const bool sand = game.contacts.brakeFlag[k];
    float force[3] = {0, -mass * kGravity, 0};
    if (k == game.match.currentPlayer) {
        const float extraX = sand ? kOwnBrakeOnSand * v[0] : 0, extraZ = sand ? kOwnBrakeOnSand * v[2] : 0;
        force[0] = turn.strokeForce.X + turn.rollBrake.X + extraX;
        force[2] = turn.strokeForce.Z + turn.rollBrake.Z + extraZ;
    } else {
        const float c = restingBallBrake(v[0] + v[1] + v[2], sand);
        force[0] = c * v[0];
        force[2] = c * v[2];
    }
    NewtonBodySetForce(body, force);
}

}  // namespace

void ballStartPosition(int32_t playerCount, int32_t ball, float out[3])
{
    out[0] = kTeeX[playerCount][ball];
    out[1] = kTeeHeight;
    out[2] = 0;
}

float restingBallBrake(float s, bool touchedSand)
{
    if (touchedSand) return kSandBrake;
    if (s > -kSlowSum && s < kSlowSum) return kRestingBrake;
    if (s > kSlowSum || s < -kSlowSum) return kMovingBrake;
    return 0.0f;  // exactly 3 or -3: no brake
}

void translationMatrix(const float position[3], float matrix[16])
{
    for (int i = 0; i < 16; ++i) matrix[i] = (i % 5 == 0) ? 1.0f : 0.0f;
    matrix[12] = position[0];
    matrix[13] = position[1];
    matrix[14] = position[2];
}

void buildBallsAndPutters()
{
    buildPutter();
    for (int32_t ball = 1; ball <= kMaxPlayers; ++ball) game.bodies.ball[ball] = {};
    for (int32_t ball = 1; ball <= game.match.playerCount; ++ball) buildBall(ball);
    applyTranslucentLook();
    const int32_t p = game.match.currentPlayer;
    applyBallTexture(p);
    if (game.bodies.ball[p].node) game.bodies.ball[p].node->setMaterialType(irr::video::EMT_SOLID);
    applyPutterColour();
    buildWaterSplash();
}

void ballForceCallback(const NewtonBody* body, float, int)
{
    float mass, ix, iy, iz;
    NewtonBodyGetMassMatrix(body, &mass, &ix, &iy, &iz);
    const float gravity[3] = {0, -mass * kGravity, 0};
    NewtonBodySetForce(body, gravity);
    for (int32_t k = 1; k <= kMaxPlayers; ++k)
        if (k == 1 || game.match.playerCount >= k) setBallForce(k);
}

void applyTranslucentLook()
{
    for (int32_t p = 1; p <= game.match.playerCount; ++p) {
        irr::scene::ISceneNode* node = game.bodies.ball[p].node;
        const int32_t colour = game.match.ballColour[p];
        // Black has no translucent texture of its own.
        const std::string file = colour == kBlack ? "blackball.jpg" : std::string(colourFileWord(colour)) + "Trans.jpg";
        if (node) node->setMaterialTexture(0, texture(file));
    }
}

void applyBallTexture(int32_t player)
{
    irr::scene::ISceneNode* node = game.bodies.ball[player].node;
    if (node) node->setMaterialTexture(0, texture(std::string(colourFileWord(game.match.ballColour[player])) + "ball.jpg"));
}

void applyPutterColour()
{
    const int32_t colour = game.match.ballColour[game.match.currentPlayer];
    if (game.scene.putterHandle)
        game.scene.putterHandle->setMaterialTexture(0, texture(std::string(colourFileWord(colour)) + "putter.jpg"));
}
