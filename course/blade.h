// The turning blade of holes 5, 8 and 18: a box body hinged on a static pin
// whose spin is held every step.
#pragma once

#include "course/holes/hole_table.h"
#include "course/newton.h"

void addBladeOnPin(const BladeRow& row);
void bladeSpinCallback(const NewtonBody* body, float timestep, int threadIndex);
