// World-level calls of the physics layer: creation, stepping with the game's
// force callbacks and contact handlers, material pairs, and teardown.
#include <algorithm>
#include <utility>

#include "course/newton_internal.h"

namespace {

uint64_t pairKey(int id0, int id1)
{
    if (id0 > id1) std::swap(id0, id1);
    return (uint64_t(uint32_t(id0)) << 32) | uint32_t(id1);
}

// Bullet combines per-object values by multiplying them, which cannot express a table:
// the global combiners look the pair up instead. One friction value per contact: the kinetic.
btScalar pairFriction(const btCollisionObject* a, const btCollisionObject* b)
{
    const NewtonMaterial* material = materialOf(a, b);
    return material ? material->kineticFriction : a->getFriction() * b->getFriction();
}

btScalar pairElasticity(const btCollisionObject* a, const btCollisionObject* b)
{
    const NewtonMaterial* material = materialOf(a, b);
    return material ? material->elasticity : a->getRestitution() * b->getRestitution();
}

bool isSphere(const btCollisionObject* object)
{
    return object->getCollisionShape()->getShapeType() == SPHERE_SHAPE_PROXYTYPE;
}

// A sphere under a velocity brake never comes to rest on Bullet's persistent contacts
// (it settles near 1 unit/s): its contacts are rebuilt from scratch every step.
void clearSphereContacts(btDispatcher* dispatcher)
{
    for (int i = 0; i < dispatcher->getNumManifolds(); ++i) {
        btPersistentManifold* manifold = dispatcher->getManifoldByIndexInternal(i);
        if (isSphere(manifold->getBody0()) || isSphere(manifold->getBody1())) manifold->clearManifold();
    }
}

// Runs the force callbacks, then applies exactly the forces they set for this step.
void applyCallbackForces(btDynamicsWorld* dynamics, btScalar timestep)
{
    NewtonWorld* world = static_cast<NewtonWorld*>(dynamics->getWorldUserInfo());
    clearSphereContacts(world->dispatcher.get());
    std::vector<NewtonBody*>& bodies = world->bodies;
    for (NewtonBody* body : bodies) std::fill(body->force, body->force + 3, 0.0f);
    for (size_t i = 0; i < bodies.size(); ++i) {
        if (bodies[i]->forceCallback && bodies[i]->mass > 0) bodies[i]->forceCallback(bodies[i], timestep, 0);
    }
    for (NewtonBody* body : bodies) {
        body->rigid->clearForces();
        if (body->mass > 0) body->rigid->applyCentralForce(btVector3(body->force[0], body->force[1], body->force[2]));
    }
}

// The speed at which the point's gap closes (positive when the bodies approach).
btScalar closingSpeed(const btPersistentManifold* manifold, const btManifoldPoint& point)
{
    const btRigidBody* a = btRigidBody::upcast(manifold->getBody0());
    const btRigidBody* b = btRigidBody::upcast(manifold->getBody1());
    btVector3 relative = a->getVelocityInLocalPoint(point.getPositionWorldOnA() - a->getCenterOfMassPosition()) -
                         b->getVelocityInLocalPoint(point.getPositionWorldOnB() - b->getCenterOfMassPosition());
    return -relative.dot(point.m_normalWorldOnB);
}

// A pair touches when a point is within reach, or (for a fast body's predicted contact)
// when its gap closes within this step.
bool touches(const btPersistentManifold* manifold, btScalar timestep)
{
    for (int i = 0; i < manifold->getNumContacts(); ++i) {
        const btManifoldPoint& point = manifold->getContactPoint(i);
        btScalar reach = kContactReach + std::max(btScalar(0), closingSpeed(manifold, point) * timestep);
        if (point.getDistance() <= reach) return true;
    }
    return false;
}

struct PendingContact {
    NewtonContactsProcess process;
    NewtonBody* body0;
    NewtonBody* body1;
};

// One call per touching pair per step, collected first so that a handler cannot
// disturb the walk over the contact lists.
void runContactHandlers(NewtonWorld* world, btScalar timestep)
{
    std::vector<PendingContact> pending;
    btDispatcher* dispatcher = world->dispatcher.get();
    for (int i = 0; i < dispatcher->getNumManifolds(); ++i) {
        const btPersistentManifold* manifold = dispatcher->getManifoldByIndexInternal(i);
        NewtonBody* a = bodyOf(manifold->getBody0());
        NewtonBody* b = bodyOf(manifold->getBody1());
        const NewtonMaterial* material = materialOf(manifold->getBody0(), manifold->getBody1());
        if (!material || !material->collidable || !material->process) continue;
        if (!touches(manifold, timestep)) continue;
        if (groupOf(a->rigid.get()) != material->id0) std::swap(a, b);
        bool seen = std::any_of(pending.begin(), pending.end(), [&](const PendingContact& p) {
            return (p.body0 == a && p.body1 == b) || (p.body0 == b && p.body1 == a);
        });
        if (!seen) pending.push_back({material->process, a, b});
    }
    for (const PendingContact& contact : pending) {
        NewtonJoint joint;
        joint.body0 = contact.body0;
        joint.body1 = contact.body1;
        contact.process(&joint, timestep, 0);
    }
}

bool pairAllowed(const NewtonWorld* world, const btCollisionObject* a, const btCollisionObject* b)
{
    if (!bodyOf(a) || !bodyOf(b)) return true;
    return world->material(groupOf(a), groupOf(b)).collidable != 0;
}

void destroyJoints(NewtonWorld* world)
{
    for (NewtonJoint* joint : world->joints) {
        world->dynamics->removeConstraint(joint->constraint.get());
        delete joint;
    }
    world->joints.clear();
}

void destroyBodies(NewtonWorld* world)
{
    for (NewtonBody* body : world->bodies) {
        world->dynamics->removeRigidBody(body->rigid.get());
        delete body;
    }
    world->bodies.clear();
    for (NewtonCollision* collision : world->collisions) delete collision;
    world->collisions.clear();
}

}  // namespace

const NewtonMaterial& NewtonWorld::material(int id0, int id1) const
{
    auto found = materials.find(pairKey(id0, id1));
    return found == materials.end() ? defaultMaterial : found->second;
}

NewtonMaterial& NewtonWorld::editMaterial(int id0, int id1)
{
    auto [entry, added] = materials.try_emplace(pairKey(id0, id1), defaultMaterial);
    if (added) {
        entry->second.id0 = id0;
        entry->second.id1 = id1;
    }
    entry->second.configured = true;
    return entry->second;
}

const NewtonMaterial* materialOf(const btCollisionObject* a, const btCollisionObject* b)
{
    const NewtonBody* bodyA = bodyOf(a);
    if (!bodyA || !bodyOf(b)) return nullptr;
    return &bodyA->world->material(groupOf(a), groupOf(b));
}

bool GroupDispatcher::needsCollision(const btCollisionObject* a, const btCollisionObject* b)
{
    if (!btCollisionDispatcher::needsCollision(a, b) || !pairAllowed(owner, a, b)) return false;
    const NewtonMaterial* material = materialOf(a, b);
    if (!material || !material->aabbOverlap) return true;
    return material->aabbOverlap(material, bodyOf(a), bodyOf(b), 0) != 0;
}

bool GroupDispatcher::needsResponse(const btCollisionObject* a, const btCollisionObject* b)
{
    return btCollisionDispatcher::needsResponse(a, b) && pairAllowed(owner, a, b);
}

void NewtonDynamicsWorld::solveConstraints(btContactSolverInfo& solverInfo)
{
    runContactHandlers(owner, solverInfo.m_timeStep);
    btDiscreteDynamicsWorld::solveConstraints(solverInfo);
}

extern "C" {

namespace {

// A fresh Bullet world: no broadphase tree, pair cache or proxy numbering carried over,
// so a hole plays the same whichever holes came before it.
void createDynamics(NewtonWorld* world)
{
    world->dynamics.reset();
    world->solver.reset();
    world->broadphase.reset();
    world->dispatcher.reset();
    world->configuration = std::make_unique<btDefaultCollisionConfiguration>();
    world->dispatcher = std::make_unique<GroupDispatcher>(world->configuration.get(), world);
    world->broadphase = std::make_unique<btDbvtBroadphase>();
    world->solver = std::make_unique<btSequentialImpulseConstraintSolver>();
    world->dynamics = std::make_unique<NewtonDynamicsWorld>(world, world->dispatcher.get(), world->broadphase.get(),
                                                            world->solver.get(), world->configuration.get());
    btDiscreteDynamicsWorld& dynamics = *world->dynamics;
    dynamics.setGravity(btVector3(0, 0, 0));  // the game applies gravity in its force callbacks
    dynamics.setInternalTickCallback(applyCallbackForces, world, true);
    // Without it a ball bouncing off a wall through a predicted contact loses half its elasticity.
    dynamics.setApplySpeculativeContactRestitution(true);
    dynamics.setForceUpdateAllAabbs(false);  // static bodies update their box when moved
}

}  // namespace

NewtonWorld* NewtonCreate()
{
    auto* world = new NewtonWorld;
    createDynamics(world);
    gCalculateCombinedFrictionCallback = pairFriction;
    gCalculateCombinedRestitutionCallback = pairElasticity;
    gContactAddedCallback = adjustMeshContact;
    return world;
}

void NewtonDestroy(const NewtonWorld* constWorld)
{
    if (!constWorld) return;
    NewtonWorld* world = mutableWorld(constWorld);
    finishTreeBuilds(world);
    destroyJoints(world);
    destroyBodies(world);
    delete world;
}

void NewtonSetWorldSize(const NewtonWorld* constWorld, const float* minPoint, const float* maxPoint)
{
    NewtonWorld* world = mutableWorld(constWorld);
    std::copy(minPoint, minPoint + 3, world->worldMin);
    std::copy(maxPoint, maxPoint + 3, world->worldMax);
}

void NewtonSetSolverModel(const NewtonWorld* world, int model) { mutableWorld(world)->solverModel = model; }
void NewtonSetFrictionModel(const NewtonWorld* world, int model) { mutableWorld(world)->frictionModel = model; }

void NewtonUpdate(const NewtonWorld* constWorld, float timestep)
{
    NewtonWorld* world = mutableWorld(constWorld);
    finishTreeBuilds(world);
    world->timestep = timestep;
    // No substeps: exactly one step of `timestep` (the defaults would step 1/60 s and skip calls).
    world->dynamics->stepSimulation(timestep, 0);
}

void NewtonDestroyAllBodies(const NewtonWorld* constWorld)
{
    NewtonWorld* world = mutableWorld(constWorld);
    finishTreeBuilds(world);
    destroyJoints(world);  // joints before the bodies they hold
    destroyBodies(world);
    createDynamics(world);
}

int NewtonWorldGetBodyCount(const NewtonWorld* world) { return int(world->bodies.size()); }
int NewtonWorldGetConstraintCount(const NewtonWorld* world) { return int(world->joints.size()); }
int NewtonWorldGetCollisionCount(const NewtonWorld* world) { return int(world->collisions.size()); }

int NewtonMaterialGetDefaultGroupID(const NewtonWorld*) { return 0; }

int NewtonMaterialCreateGroupID(const NewtonWorld* world) { return mutableWorld(world)->groupCount++; }

void NewtonMaterialSetDefaultSoftness(const NewtonWorld* world, int id0, int id1, float value)
{
    mutableWorld(world)->editMaterial(id0, id1).softness = value;
}

void NewtonMaterialSetDefaultElasticity(const NewtonWorld* world, int id0, int id1, float elasticCoef)
{
    mutableWorld(world)->editMaterial(id0, id1).elasticity = elasticCoef;
}

void NewtonMaterialSetDefaultFriction(const NewtonWorld* world, int id0, int id1, float staticFriction,
                                      float kineticFriction)
{
    NewtonMaterial& material = mutableWorld(world)->editMaterial(id0, id1);
    material.staticFriction = staticFriction;
    material.kineticFriction = kineticFriction;
}

void NewtonMaterialSetDefaultCollidable(const NewtonWorld* world, int id0, int id1, int state)
{
    mutableWorld(world)->editMaterial(id0, id1).collidable = state;
}

void NewtonMaterialSetCollisionCallback(const NewtonWorld* world, int id0, int id1, void* userData,
                                        NewtonOnAABBOverlap aabbOverlap, NewtonContactsProcess process)
{
    NewtonMaterial& material = mutableWorld(world)->editMaterial(id0, id1);
    material.id0 = id0;  // contacts name their bodies in this order
    material.id1 = id1;
    material.userData = userData;
    material.aabbOverlap = aabbOverlap;
    material.process = process;
}

void* NewtonMaterialGetMaterialPairUserData(const NewtonMaterial* material)
{
    return material ? material->userData : nullptr;
}

void NewtonMaterialGetPairValues(const NewtonWorld* world, int id0, int id1, NewtonMaterialPairValues* out)
{
    const NewtonMaterial& material = world->material(id0, id1);
    *out = {material.softness,   material.elasticity, material.staticFriction,
            material.kineticFriction, material.collidable, material.userData,
            material.aabbOverlap, material.process,    material.configured ? 1 : 0};
}

}
