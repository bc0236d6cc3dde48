// World-level calls of the physics layer over a Bullet discrete dynamics world.
#include "course/newton.h"

#include <memory>

#include <btBulletDynamicsCommon.h>

struct NewtonWorld {
    std::unique_ptr<btDefaultCollisionConfiguration> configuration;
    std::unique_ptr<btCollisionDispatcher> dispatcher;
    std::unique_ptr<btDbvtBroadphase> broadphase;
    std::unique_ptr<btSequentialImpulseConstraintSolver> solver;
    std::unique_ptr<btDiscreteDynamicsWorld> dynamics;
    btVector3 worldMin{-1200, -100, -1200};
    btVector3 worldMax{1200, 700, 1200};
    int solverModel = 0;
    int frictionModel = 0;
};

extern "C" {

NewtonWorld* NewtonCreate()
{
    auto* world = new NewtonWorld;
    world->configuration = std::make_unique<btDefaultCollisionConfiguration>();
    world->dispatcher = std::make_unique<btCollisionDispatcher>(world->configuration.get());
    world->broadphase = std::make_unique<btDbvtBroadphase>();
    world->solver = std::make_unique<btSequentialImpulseConstraintSolver>();
    world->dynamics = std::make_unique<btDiscreteDynamicsWorld>(
        world->dispatcher.get(), world->broadphase.get(), world->solver.get(),
        world->configuration.get());
    world->dynamics->setGravity(btVector3(0, 0, 0));  // the game applies gravity itself
    return world;
}

void NewtonSetWorldSize(NewtonWorld* world, const float* minPoint, const float* maxPoint)
{
    world->worldMin = btVector3(minPoint[0], minPoint[1], minPoint[2]);
    world->worldMax = btVector3(maxPoint[0], maxPoint[1], maxPoint[2]);
}

// Bullet has one solver and one friction model; the settings are kept for reference.
void NewtonSetSolverModel(NewtonWorld* world, int model) { world->solverModel = model; }
void NewtonSetFrictionModel(NewtonWorld* world, int model) { world->frictionModel = model; }

void NewtonUpdate(NewtonWorld* world, float timestep)
{
    world->dynamics->stepSimulation(timestep, 0);  // exactly one step of `timestep`
}

void NewtonDestroyAllBodies(NewtonWorld* world)
{
    btDiscreteDynamicsWorld* dynamics = world->dynamics.get();
    for (int i = dynamics->getNumCollisionObjects() - 1; i >= 0; --i) {
        btCollisionObject* object = dynamics->getCollisionObjectArray()[i];
        dynamics->removeCollisionObject(object);
        delete object;
    }
}

}
