// The physics library interface the game is written against: Newton 2.x names
// and effects, implemented over Bullet. Nothing of Bullet appears here.
#pragma once

extern "C" {

struct NewtonWorld;

// World: created once at start-up and never recreated.
NewtonWorld* NewtonCreate();
void NewtonSetWorldSize(NewtonWorld* world, const float* minPoint, const float* maxPoint);
void NewtonSetSolverModel(NewtonWorld* world, int model);
void NewtonSetFrictionModel(NewtonWorld* world, int model);
void NewtonUpdate(NewtonWorld* world, float timestep);
void NewtonDestroyAllBodies(NewtonWorld* world);

}
