// The physics library interface the game is written against: Newton 2.x names
// and effects, implemented over Bullet. Nothing of Bullet appears here.
//
// Handles are opaque. Matrices are 16 floats with the body's x, y and z axes in
// elements 0-2, 4-6 and 8-10 and the translation in 12-14 (the engine's own
// layout). Vectors are 3 floats, y up, per second; angular velocity is in
// radians per second. Material groups are int ids; 0 is the world's default.
// Everything runs on the calling thread, but for the slow half of a tree collision's
// build (see NewtonSetThreadsCount); callbacks run inside NewtonUpdate.
#pragma once

extern "C" {

struct NewtonWorld;
struct NewtonBody;
struct NewtonCollision;
struct NewtonJoint;     // a hinge, or the contact passed to a contacts handler
struct NewtonMaterial;  // the pair record passed to an overlap callback

// Called once per step for every body with mass; sets the step's force with NewtonBodySetForce.
typedef void (*NewtonApplyForceAndTorque)(const NewtonBody* body, float timestep, int threadIndex);
// Asked before a pair of bodies is tested; returning 0 skips the pair for this step.
typedef int (*NewtonOnAABBOverlap)(const NewtonMaterial* material, const NewtonBody* body0,
                                   const NewtonBody* body1, int threadIndex);
// Called once per step for every collidable pair of bodies in contact, before the solver
// (the bodies still have the velocities they arrived with). Must not create or destroy bodies.
typedef void (*NewtonContactsProcess)(const NewtonJoint* contact, float timestep, int threadIndex);

// --- World -------------------------------------------------------------------
NewtonWorld* NewtonCreate();
// Destroys the world with everything in it.
void NewtonDestroy(const NewtonWorld* world);
void NewtonSetWorldSize(const NewtonWorld* world, const float* minPoint, const float* maxPoint);
void NewtonSetSolverModel(const NewtonWorld* world, int model);
void NewtonSetFrictionModel(const NewtonWorld* world, int model);
// Exactly one step of `timestep` seconds: force callbacks, collision, contact handlers, solver.
void NewtonUpdate(const NewtonWorld* world, float timestep);
// Removes every joint and body, and frees every collision shape of the world (held or
// released), so that no shape outlives the hole that built it. Every body, joint and
// collision handle of the world is void afterwards; the world and its groups stay.
void NewtonDestroyAllBodies(const NewtonWorld* world);
// 2 (the default): tree collisions finish building on a worker thread after
// NewtonTreeCollisionEndBuild; 1: they finish inside it. The results are the same.
void NewtonSetThreadsCount(const NewtonWorld* world, int threads);
int NewtonGetThreadsCount(const NewtonWorld* world);
int NewtonWorldGetBodyCount(const NewtonWorld* world);
int NewtonWorldGetConstraintCount(const NewtonWorld* world);

// --- Materials (each setting is in force from the next step) -----------------
int NewtonMaterialGetDefaultGroupID(const NewtonWorld* world);
int NewtonMaterialCreateGroupID(const NewtonWorld* world);
void NewtonMaterialSetDefaultSoftness(const NewtonWorld* world, int id0, int id1, float value);
void NewtonMaterialSetDefaultElasticity(const NewtonWorld* world, int id0, int id1, float elasticCoef);
void NewtonMaterialSetDefaultFriction(const NewtonWorld* world, int id0, int id1,
                                      float staticFriction, float kineticFriction);
// 0: the pair never touches (also two bodies that already overlap).
void NewtonMaterialSetDefaultCollidable(const NewtonWorld* world, int id0, int id1, int state);
void NewtonMaterialSetCollisionCallback(const NewtonWorld* world, int id0, int id1, void* userData,
                                        NewtonOnAABBOverlap aabbOverlap, NewtonContactsProcess process);
void* NewtonMaterialGetMaterialPairUserData(const NewtonMaterial* material);

// --- Collision shapes (shape ids are kept only) ------------------------------
// Centred on the body; `offsetMatrix` may be null.
NewtonCollision* NewtonCreateSphere(const NewtonWorld* world, float radiusX, float radiusY, float radiusZ,
                                    int shapeID, const float* offsetMatrix);
NewtonCollision* NewtonCreateBox(const NewtonWorld* world, float dx, float dy, float dz, int shapeID,
                                 const float* offsetMatrix);
// A static triangle set of exactly the faces added between BeginBuild and EndBuild. Faces
// collide from the side their corners wind counter-clockwise around (seen from above for a
// floor); polygons of more than three corners are fanned. Build it before bodies use it.
NewtonCollision* NewtonCreateTreeCollision(const NewtonWorld* world, int shapeID);
void NewtonTreeCollisionBeginBuild(const NewtonCollision* tree);
void NewtonTreeCollisionAddFace(const NewtonCollision* tree, int vertexCount, const float* vertexPtr,
                                int strideInBytes, int faceAttribute);
// The tree can be given to bodies at once; the worker's part is done before anything reads
// the tree's faces (NewtonUpdate, a ray cast, a rebuild, a release, the world's teardown).
void NewtonTreeCollisionEndBuild(const NewtonCollision* tree, int optimize);
// Returns once every tree collision of the world has finished building.
void NewtonTreeCollisionFinishBuilds(const NewtonWorld* world);
// Drops the caller's reference; a body keeps its own.
void NewtonReleaseCollision(const NewtonWorld* world, const NewtonCollision* collision);
// Ray from p0 to p1 in the shape's own frame: the hit's fraction along the ray, or 1.2 when
// nothing is hit; `normal` (3 floats, may be null) is the face's own normal and `attribute`
// (may be null) the face attribute of a tree collision.
float NewtonCollisionRayCast(const NewtonCollision* collision, const float* p0, const float* p1,
                             float* normal, int* attribute);
int NewtonTreeCollisionGetFaceCount(const NewtonCollision* tree);
// Collision shapes alive in the world (held by the game or by bodies).
int NewtonWorldGetCollisionCount(const NewtonWorld* world);

// --- Bodies ------------------------------------------------------------------
// A static body at the identity matrix, in group 0.
NewtonBody* NewtonCreateBody(const NewtonWorld* world, const NewtonCollision* collision);
// Mass 0 makes the body static; the inertia is the diagonal of the inertia matrix.
void NewtonBodySetMassMatrix(const NewtonBody* body, float mass, float Ixx, float Iyy, float Izz);
void NewtonBodyGetMassMatrix(const NewtonBody* body, float* mass, float* Ixx, float* Iyy, float* Izz);
// Moves the body at once, without a sweep from where it was.
void NewtonBodySetMatrix(const NewtonBody* body, const float* matrix);
void NewtonBodyGetMatrix(const NewtonBody* body, float* matrix);
// 1: a fast body does not pass through thin walls.
void NewtonBodySetContinuousCollisionMode(const NewtonBody* body, unsigned state);
void NewtonBodySetUserData(const NewtonBody* body, void* userData);
void* NewtonBodyGetUserData(const NewtonBody* body);
void NewtonBodySetForceAndTorqueCallback(const NewtonBody* body, NewtonApplyForceAndTorque callback);
// Replaces the force of the running step, also when called from another body's callback.
void NewtonBodySetForce(const NewtonBody* body, const float* force);
// The force the callbacks set for the last step.
void NewtonBodyGetForce(const NewtonBody* body, float* force);
void NewtonBodyGetVelocity(const NewtonBody* body, float* velocity);
void NewtonBodySetVelocity(const NewtonBody* body, const float* velocity);
void NewtonBodyGetOmega(const NewtonBody* body, float* omega);
void NewtonBodySetOmega(const NewtonBody* body, const float* omega);
void NewtonBodySetMaterialGroupID(const NewtonBody* body, int id);
int NewtonBodyGetMaterialGroupID(const NewtonBody* body);

// --- Joints ------------------------------------------------------------------
// Pivot point and pin direction in world coordinates; `parentBody` may be null (the world).
NewtonJoint* NewtonConstraintCreateHinge(const NewtonWorld* world, const float* pivotPoint,
                                         const float* pinDir, const NewtonBody* childBody,
                                         const NewtonBody* parentBody);
void NewtonJointSetStiffness(const NewtonJoint* joint, float state);
float NewtonJointGetStiffness(const NewtonJoint* joint);
// For a contact: body0 is in the pair's first group as it was configured.
NewtonBody* NewtonJointGetBody0(const NewtonJoint* joint);
NewtonBody* NewtonJointGetBody1(const NewtonJoint* joint);

// --- Inspection (tests and tools) --------------------------------------------
struct NewtonMaterialPairValues {
    float softness;
    float elasticity;
    float staticFriction;
    float kineticFriction;
    int collidable;
    void* userData;
    NewtonOnAABBOverlap aabbOverlap;
    NewtonContactsProcess process;
    int configured;  // 1 once any setting was made for the pair
};
// The values a pair of groups uses (the world's defaults for a pair never configured).
void NewtonMaterialGetPairValues(const NewtonWorld* world, int id0, int id1, NewtonMaterialPairValues* out);

}
