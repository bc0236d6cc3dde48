// Body calls of the physics layer.
#include <algorithm>

#include "course/newton_internal.h"

namespace {

btRigidBody& rigidOf(const NewtonBody* body) { return *body->rigid; }

btVector3 vectorOf(const float* v) { return btVector3(v[0], v[1], v[2]); }

void copyVector(const btVector3& v, float* out)
{
    out[0] = v.x();
    out[1] = v.y();
    out[2] = v.z();
}

}  // namespace

extern "C" {

NewtonBody* NewtonCreateBody(const NewtonWorld* constWorld, const NewtonCollision* constCollision)
{
    NewtonWorld* world = mutableWorld(constWorld);
    auto* collision = const_cast<NewtonCollision*>(constCollision);
    auto* body = new NewtonBody;
    body->world = world;
    body->collision = collision;
    ++collision->references;
    ++collision->bodies;
    btRigidBody::btRigidBodyConstructionInfo info(0, nullptr, collision->shape.get());
    body->rigid = std::make_unique<btRigidBody>(info);
    body->rigid->setUserPointer(body);
    body->rigid->setUserIndex(0);
    // Tree collisions smooth their contacts (see adjustMeshContact).
    if (collision->isTree) body->rigid->setCollisionFlags(body->rigid->getCollisionFlags() |
                                                          btCollisionObject::CF_CUSTOM_MATERIAL_CALLBACK);
    world->dynamics->addRigidBody(body->rigid.get());
    world->bodies.push_back(body);
    return body;
}

void NewtonBodySetMassMatrix(const NewtonBody* constBody, float mass, float Ixx, float Iyy, float Izz)
{
    NewtonBody* body = mutableBody(constBody);
    btRigidBody& rigid = rigidOf(body);
    body->mass = std::max(mass, 0.0f);
    body->inertia[0] = Ixx;
    body->inertia[1] = Iyy;
    body->inertia[2] = Izz;
    // Bullet sorts a body into static or dynamic when it is added: take it out and back in.
    body->world->dynamics->removeRigidBody(&rigid);
    rigid.setMassProps(body->mass, body->mass > 0 ? btVector3(Ixx, Iyy, Izz) : btVector3(0, 0, 0));
    rigid.updateInertiaTensor();
    // A sleeping body would ignore NewtonBodySetVelocity.
    if (body->mass > 0) rigid.forceActivationState(DISABLE_DEACTIVATION);
    body->world->dynamics->addRigidBody(&rigid);
}

void NewtonBodyGetMassMatrix(const NewtonBody* body, float* mass, float* Ixx, float* Iyy, float* Izz)
{
    *mass = body->mass;
    *Ixx = body->inertia[0];
    *Iyy = body->inertia[1];
    *Izz = body->inertia[2];
}

void NewtonBodySetMatrix(const NewtonBody* body, const float* matrix)
{
    btRigidBody& rigid = rigidOf(body);
    btTransform transform;
    transform.setFromOpenGLMatrix(matrix);
    rigid.setWorldTransform(transform);
    rigid.setInterpolationWorldTransform(transform);  // no sweep from the old place
    body->world->dynamics->updateSingleAabb(&rigid);
}

void NewtonBodyGetMatrix(const NewtonBody* body, float* matrix)
{
    rigidOf(body).getWorldTransform().getOpenGLMatrix(matrix);
}

void NewtonBodySetContinuousCollisionMode(const NewtonBody* body, unsigned state)
{
    btRigidBody& rigid = rigidOf(body);
    rigid.setCcdMotionThreshold(state ? kCcdMotionThreshold : 0.0f);
    rigid.setCcdSweptSphereRadius(state ? kCcdSweptSphereRadius : 0.0f);
}

void NewtonBodySetUserData(const NewtonBody* body, void* userData) { mutableBody(body)->userData = userData; }
void* NewtonBodyGetUserData(const NewtonBody* body) { return body->userData; }

void NewtonBodySetForceAndTorqueCallback(const NewtonBody* body, NewtonApplyForceAndTorque callback)
{
    mutableBody(body)->forceCallback = callback;
}

void NewtonBodySetForce(const NewtonBody* body, const float* force)
{
    std::copy(force, force + 3, mutableBody(body)->force);
}

void NewtonBodyGetForce(const NewtonBody* body, float* force) { std::copy(body->force, body->force + 3, force); }

void NewtonBodyGetVelocity(const NewtonBody* body, float* velocity)
{
    copyVector(rigidOf(body).getLinearVelocity(), velocity);
}

void NewtonBodySetVelocity(const NewtonBody* body, const float* velocity)
{
    rigidOf(body).setLinearVelocity(vectorOf(velocity));
}

void NewtonBodyGetOmega(const NewtonBody* body, float* omega) { copyVector(rigidOf(body).getAngularVelocity(), omega); }

void NewtonBodySetOmega(const NewtonBody* body, const float* omega)
{
    rigidOf(body).setAngularVelocity(vectorOf(omega));
}

void NewtonBodySetMaterialGroupID(const NewtonBody* body, int id) { rigidOf(body).setUserIndex(id); }
int NewtonBodyGetMaterialGroupID(const NewtonBody* body) { return rigidOf(body).getUserIndex(); }

}
