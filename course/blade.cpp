#include "course/blade.h"

#include <cmath>
#include <string>

#include "app/game_state.h"
#include "course/ball_and_putter.h"
#include "presentation/shaders.h"
#include "presentation/textures.h"

namespace {

constexpr irr::u32 kSceneryEmissiveGrey = 178;
constexpr float kBladeMass = 25.0f;
constexpr float kBladeInertia = 1.0f;
constexpr float kPivotSize = 0.1f;
constexpr float kHingeStiffness = 0.9f;

const BladeRow* spinningBlade = nullptr;  // the row of the blade being held

irr::scene::ISceneNode* addNode(const std::string& model, const float position[3], const char* colour, const char* normal)
{
    irr::scene::IAnimatedMesh* mesh = game.engine.sceneManager->getMesh(("../Contents/Models/" + model).c_str());
    if (!mesh) return nullptr;
    irr::scene::ISceneNode* node = game.engine.sceneManager->addMeshSceneNode(mesh->getMesh(0));
    node->setPosition({position[0], position[1], position[2]});
    node->setMaterialTexture(0, texture(colour));
    // Lit like the scenery; the normal texture only where a shader reads it (fixed function would multiply it in).
    setEmissive(node, kSceneryEmissiveGrey);
    if (shaderMaterialsActive()) node->setMaterialTexture(1, texture(normal));
    if (game.options.shadersEnabled) setMaterialType(node, normalMaterial());
    return node;
}

NewtonBody* addBoxBody(const float size[3], const float position[3], irr::scene::ISceneNode* node)
{
    NewtonCollision* box = NewtonCreateBox(game.world, size[0], size[1], size[2], 0, nullptr);
    NewtonBody* body = NewtonCreateBody(game.world, box);
    NewtonBodySetContinuousCollisionMode(body, 1);
    NewtonReleaseCollision(game.world, box);
    NewtonBodySetUserData(body, node);
    float matrix[16];
    translationMatrix(position, matrix);
    NewtonBodySetMatrix(body, matrix);
    return body;
}

}  // namespace

void addBladeOnPin(const BladeRow& row)
{
    spinningBlade = &row;
    // A painted wooden paddle: the boards of fence.jpg under its vertex colours.
    irr::scene::ISceneNode* bladeNode =
        addNode("hole_" + std::to_string(row.hole) + "_blade.b3d", row.position, "fence.jpg", "fencenormal.jpg");
    NewtonBody* blade = addBoxBody(row.box, row.position, bladeNode);
    NewtonBodySetMassMatrix(blade, kBladeMass, kBladeInertia, kBladeInertia, kBladeInertia);
    NewtonBodySetForceAndTorqueCallback(blade, bladeSpinCallback);

    irr::scene::ISceneNode* pinNode = addNode("pin.b3d", row.position, "metal.jpg", "pipesnormal.jpg");
    const float pivotSize[3] = {kPivotSize, kPivotSize, kPivotSize};
    NewtonBody* pivot = addBoxBody(pivotSize, row.position, pinNode);
    NewtonBodySetMassMatrix(pivot, 0, kBallInertia, kBallInertia, kBallInertia);
    NewtonBodySetForceAndTorqueCallback(pivot, ballForceCallback);

    // The hinge turns about the axis the blade spins on: pinned on the pivot's x axis
    // a blade spinning about z (hole 5) would fight its own joint and stall.
    const float length = std::sqrt(row.spin[0] * row.spin[0] + row.spin[1] * row.spin[1] + row.spin[2] * row.spin[2]);
    const float pin[3] = {row.spin[0] / length, row.spin[1] / length, row.spin[2] / length};
    NewtonJoint* hinge = NewtonConstraintCreateHinge(game.world, row.position, pin, blade, pivot);
    NewtonJointSetStiffness(hinge, kHingeStiffness);
    game.bodies.blade = {blade, bladeNode};
    game.bodies.pivot = {pivot, pinNode};
}

void restartBlade()
{
    if (!spinningBlade || !game.bodies.blade.body) return;
    float matrix[16];
    translationMatrix(spinningBlade->position, matrix);
    NewtonBodySetMatrix(game.bodies.blade.body, matrix);
}

void bladeSpinCallback(const NewtonBody* body, float, int)
{
    if (spinningBlade) NewtonBodySetOmega(body, spinningBlade->spin);
}
