// The Bullet side of the physics layer, shared by course/newton*.cpp only.
// Game code includes course/newton.h and never this file.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <unordered_map>
#include <vector>

#include <btBulletDynamicsCommon.h>
#include <BulletCollision/CollisionDispatch/btInternalEdgeUtility.h>

#include "course/newton.h"

// Tunables of the layer.
constexpr float kMeshMargin = 0.01f;             // units, collision margin of tree collisions
constexpr float kCcdMotionThreshold = 0.125f;    // units moved per step before the sweep applies
constexpr float kCcdSweptSphereRadius = 0.2f;    // units
constexpr float kContactReach = 0.01f;           // units: a point this close is a touch

// Newton's default contact values, used by every pair never configured.
constexpr float kDefaultSoftness = 0.1f;
constexpr float kDefaultElasticity = 0.4f;
constexpr float kDefaultStaticFriction = 0.9f;
constexpr float kDefaultKineticFriction = 0.5f;

struct NewtonMaterial {
    int id0 = 0;
    int id1 = 0;
    // Softness has no counterpart in Bullet's solver: it is stored and reported, nothing more.
    float softness = kDefaultSoftness;
    float elasticity = kDefaultElasticity;
    float staticFriction = kDefaultStaticFriction;  // kept; contacts use the kinetic value
    float kineticFriction = kDefaultKineticFriction;
    int collidable = 1;
    void* userData = nullptr;
    NewtonOnAABBOverlap aabbOverlap = nullptr;
    NewtonContactsProcess process = nullptr;
    bool configured = false;
};

struct NewtonCollision {
    NewtonWorld* world = nullptr;
    int references = 1;  // the creator's, plus one per body
    int bodies = 0;
    int shapeId = 0;
    bool isTree = false;
    // Tree collisions: faces as added (32-bit indices; large unwelded meshes pass 65535
    // corners), their attributes and the edge information that smooths rolling over seams.
    std::unique_ptr<btTriangleMesh> triangles;
    std::vector<int> attributes;
    std::unique_ptr<btTriangleInfoMap> edgeInfo;
    std::unique_ptr<btCollisionShape> child;  // the real shape when an offset wraps it
    std::unique_ptr<btCollisionShape> shape;  // what bodies use; destroyed first
    // True from EndBuild until the worker has built the bounding-volume tree and the edge
    // information: until then only the shape's bounding box may be read (bodies can be made).
    std::atomic<bool> building{false};
};

struct NewtonBody {
    NewtonWorld* world = nullptr;
    NewtonCollision* collision = nullptr;
    std::unique_ptr<btRigidBody> rigid;
    void* userData = nullptr;
    NewtonApplyForceAndTorque forceCallback = nullptr;
    float force[3] = {0, 0, 0};
    float mass = 0;
    float inertia[3] = {0, 0, 0};
};

struct NewtonJoint {
    NewtonBody* body0 = nullptr;
    NewtonBody* body1 = nullptr;
    float stiffness = 0.9f;
    std::unique_ptr<btTypedConstraint> constraint;  // null for a contact
};

// Walks the contacts before the solver runs, so that handlers see arrival velocities.
class NewtonDynamicsWorld : public btDiscreteDynamicsWorld {
public:
    NewtonDynamicsWorld(NewtonWorld* owner, btDispatcher* dispatcher, btBroadphaseInterface* broadphase,
                        btConstraintSolver* solver, btCollisionConfiguration* configuration)
        : btDiscreteDynamicsWorld(dispatcher, broadphase, solver, configuration), owner(owner) {}
    void solveConstraints(btContactSolverInfo& solverInfo) override;

private:
    NewtonWorld* owner;
};

// Per-pair collidable flags, read at every step, also for pairs already overlapping.
class GroupDispatcher : public btCollisionDispatcher {
public:
    GroupDispatcher(btCollisionConfiguration* configuration, const NewtonWorld* owner)
        : btCollisionDispatcher(configuration), owner(owner) {}
    bool needsCollision(const btCollisionObject* a, const btCollisionObject* b) override;
    bool needsResponse(const btCollisionObject* a, const btCollisionObject* b) override;

private:
    const NewtonWorld* owner;
};

// Builds tree collisions (bounding-volume tree, then edge information) on a worker thread,
// one at a time in the order they were ended, while the caller goes on loading. The
// thread exits when the queue runs dry and is joined by the next wait.
struct TreeBuildQueue {
    std::mutex lock;
    std::condition_variable idle;
    std::deque<NewtonCollision*> queue;  // the front one is being built
    std::thread worker;
    bool running = false;  // the worker takes work (guarded by `lock`)
    bool pending = false;  // trees handed over since the last wait (the caller's thread only)
};

struct NewtonWorld {
    std::unique_ptr<btDefaultCollisionConfiguration> configuration;
    std::unique_ptr<GroupDispatcher> dispatcher;
    std::unique_ptr<btDbvtBroadphase> broadphase;
    std::unique_ptr<btSequentialImpulseConstraintSolver> solver;
    std::unique_ptr<NewtonDynamicsWorld> dynamics;  // destroyed first
    std::vector<NewtonBody*> bodies;
    std::vector<NewtonCollision*> collisions;
    std::vector<NewtonJoint*> joints;
    std::unordered_map<uint64_t, NewtonMaterial> materials;  // keyed by the ordered group pair
    NewtonMaterial defaultMaterial;
    int groupCount = 1;  // group 0 exists from the start
    float worldMin[3] = {-1200, -100, -1200};  // kept; the broadphase needs no bounds
    float worldMax[3] = {1200, 700, 1200};
    int solverModel = 0;    // Bullet has one solver and one friction model:
    int frictionModel = 0;  // both settings are kept for reference
    float timestep = 0;
    int threads = 2;  // 1: tree collisions are built on the calling thread
    TreeBuildQueue treeBuilds;

    const NewtonMaterial& material(int id0, int id1) const;
    NewtonMaterial& editMaterial(int id0, int id1);
};

inline NewtonWorld* mutableWorld(const NewtonWorld* world) { return const_cast<NewtonWorld*>(world); }
inline NewtonBody* mutableBody(const NewtonBody* body) { return const_cast<NewtonBody*>(body); }
inline NewtonBody* bodyOf(const btCollisionObject* object)
{
    return static_cast<NewtonBody*>(object->getUserPointer());
}
inline int groupOf(const btCollisionObject* object) { return object->getUserIndex(); }

// The pair's material, or null when either object is not one of the layer's bodies.
const NewtonMaterial* materialOf(const btCollisionObject* a, const btCollisionObject* b);

// Finishes the tree collision's build: at once, or on the world's worker.
void completeTreeBuild(NewtonCollision* tree);
// Returns once every tree collision handed to the worker is complete, and joins the worker.
void finishTreeBuilds(NewtonWorld* world);
// The same for one tree (all trees ended before it are finished with it).
inline void finishTreeBuild(const NewtonCollision* tree)
{
    if (tree->building.load(std::memory_order_acquire)) finishTreeBuilds(tree->world);
}

// Frees a collision whose last reference is gone, and forgets it in its world.
void destroyCollision(NewtonCollision* collision);
// Smooths contacts with tree collisions (Bullet's contact-added callback).
bool adjustMeshContact(btManifoldPoint& point, const btCollisionObjectWrapper* wrap0, int partId0, int index0,
                       const btCollisionObjectWrapper* wrap1, int partId1, int index1);
