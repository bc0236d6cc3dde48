// The turning blade of holes 5, 8 and 18: a box body hinged on a static pin
// whose spin is held every step.
#pragma once

#include "course/holes/hole_table.h"
#include "course/newton.h"

void addBladeOnPin(const BladeRow& row);
// Back to where it was built, behind the fade at the end of the fly-over: a putt
// meets the blade the same way however long the fly-over ran.
void restartBlade();
void bladeSpinCallback(const NewtonBody* body, float timestep, int threadIndex);
