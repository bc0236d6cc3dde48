#include "course/physics_step.h"

void stepPhysics() {}
